#pragma once

#include "PropertyCheck.h"

// Each runs `rounds` generated cases per function group through the pure code.
void checkLayouts(PropertyCheck& check, int rounds);
void checkGeometry(PropertyCheck& check, int rounds);
void checkValues(PropertyCheck& check, int rounds);
void checkPngChunks(PropertyCheck& check, int rounds);
