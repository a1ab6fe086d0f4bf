#pragma once

#include "core/Bytes.h"

// True for a PNG whose chunks, read from the signature up to IEND, declare more bytes than
// there are. Such a file is cut short and cannot decode; some decoders read far past its
// end when handed one from memory, so it is turned away before it reaches them. Bytes that
// are not a PNG, and a PNG whose chunks fit, give false.
bool pngChunksRunPastEnd(ByteView bytes);
