#include "drawing/Brush.h"

using namespace flat;

int Brush::GetType() const
{
    GpBrushType type = BrushTypeSolidColor;
    if (!recordStatus(GdipGetBrushType(native(), &type)))
        return 0;
    return type;
}
