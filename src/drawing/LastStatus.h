#pragma once

#include "drawing/GdiplusFlat.h"

// The GDI+ status of the latest wrapper call, 0 when it succeeded. Composite calls leave
// the status of their last step.
int lastStatus();

// Stores the status and tells whether it was Ok.
bool recordStatus(flat::GpStatus status);
