#include "drawing/Pen.h"

using namespace flat;

bool Pen::Create(std::uint32_t argb, float width, int unit)
{
    GpPen* pen = nullptr;
    const GpStatus status = GdipCreatePen1(argb, width, static_cast<GpUnit>(unit), &pen);
    return adopt(status, pen);
}

bool Pen::SetColor(std::uint32_t argb)
{
    return recordStatus(GdipSetPenColor(native(), argb));
}

bool Pen::SetDashStyle(int style)
{
    return recordStatus(GdipSetPenDashStyle(native(), static_cast<GpDashStyle>(style)));
}
