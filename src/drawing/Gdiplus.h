#pragma once

// Starts GDI+ for the process on the first call; later calls only report that first result.
// It is never shut down: windows may paint until the process ends.
bool startGdiplus();
