#include "drawing/SolidBrush.h"

using namespace flat;

bool SolidBrush::Create(std::uint32_t argb)
{
    GpSolidFill* brush = nullptr;
    const GpStatus status = GdipCreateSolidFill(argb, &brush);
    return adopt(status, brush);
}

bool SolidBrush::SetColor(std::uint32_t argb)
{
    return recordStatus(GdipSetSolidFillColor(fill(), argb));
}

std::uint32_t SolidBrush::GetColor() const
{
    ARGB colour = 0;
    recordStatus(GdipGetSolidFillColor(fill(), &colour));
    return colour;
}
