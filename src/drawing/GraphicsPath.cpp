#include "drawing/GraphicsPath.h"

#include <algorithm>

using namespace flat;

bool GraphicsPath::Create(int fillMode)
{
    GpPath* path = nullptr;
    const GpStatus status = GdipCreatePath(static_cast<GpFillMode>(fillMode), &path);
    return adopt(status, path);
}

bool GraphicsPath::Reset()
{
    return recordStatus(GdipResetPath(native()));
}

bool GraphicsPath::AddLine(float x1, float y1, float x2, float y2)
{
    return recordStatus(GdipAddPathLine(native(), x1, y1, x2, y2));
}

bool GraphicsPath::AddRectangle(float x, float y, float width, float height)
{
    return recordStatus(GdipAddPathRectangle(native(), x, y, width, height));
}

bool GraphicsPath::AddEllipse(float x, float y, float width, float height)
{
    return recordStatus(GdipAddPathEllipse(native(), x, y, width, height));
}

bool GraphicsPath::AddArc(float x, float y, float width, float height, float startAngle, float sweepAngle)
{
    return recordStatus(GdipAddPathArc(native(), x, y, width, height, startAngle, sweepAngle));
}

bool GraphicsPath::AddRoundedRectangle(float x, float y, float width, float height, int cornerPercent)
{
    const int percent = std::clamp(cornerPercent, 1, 100);
    const auto rx = static_cast<float>(static_cast<int>(width * percent / 100));
    const auto ry = static_cast<float>(static_cast<int>(height * percent / 100));
    const float right = x + width;
    const float bottom = y + height;
    AddArc(right - rx, y, rx, ry, 270, 90);
    AddArc(right - rx, bottom - ry, rx, ry, 0, 90);
    AddArc(x, bottom - ry, rx, ry, 90, 90);
    AddArc(x, y, rx, ry, 180, 90);
    return CloseFigure();
}

bool GraphicsPath::StartFigure()
{
    return recordStatus(GdipStartPathFigure(native()));
}

bool GraphicsPath::CloseFigure()
{
    return recordStatus(GdipClosePathFigure(native()));
}

int GraphicsPath::GetPointCount() const
{
    INT count = 0;
    recordStatus(GdipGetPointCount(native(), &count));
    return count;
}
