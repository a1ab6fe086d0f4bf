#include "drawing/Brush.h"

using namespace flat;

bool Brush::Clone(Brush& target) const
{
    GpBrush* copy = nullptr;
    const GpStatus status = GdipCloneBrush(native(), &copy);
    return target.adopt(status, copy);
}

int Brush::GetType() const
{
    GpBrushType type = BrushTypeSolidColor;
    if (!recordStatus(GdipGetBrushType(native(), &type)))
        return 0;
    return type;
}
