#include "drawing/Graphics.h"

#include "drawing/Image.h"

using namespace flat;

namespace {
// Shared by every Graphics for drawing with opacity; only its alpha entry changes.
ColorMatrix g_opacityMatrix = {};

template <typename T> INT countOf(const std::vector<T>& items)
{
    return static_cast<INT>(items.size());
}
} // namespace

bool Graphics::DrawImage(const Image& image, float x, float y)
{
    return recordStatus(GdipDrawImage(native(), image.GetNativeObject(), x, y));
}

bool Graphics::DrawImageI(const Image& image, int x, int y)
{
    return recordStatus(GdipDrawImageI(native(), image.GetNativeObject(), x, y));
}

bool Graphics::DrawCachedBitmap(GpCachedBitmap* cached, int x, int y)
{
    return recordStatus(GdipDrawCachedBitmap(native(), cached, x, y));
}

bool Graphics::DrawImage(const Image& image, float x, float y, float width, float height, int sourceUnit)
{
    const auto sourceWidth = static_cast<float>(image.GetWidth());
    const auto sourceHeight = static_cast<float>(image.GetHeight());
    return recordStatus(GdipDrawImageRectRect(native(), image.GetNativeObject(), x, y, width, height, 0, 0, sourceWidth,
        sourceHeight, static_cast<Unit>(sourceUnit), nullptr, nullptr, nullptr));
}

bool Graphics::DrawImageI(const Image& image, int x, int y, int width, int height, int sourceUnit)
{
    const int sourceWidth = image.GetWidth();
    const int sourceHeight = image.GetHeight();
    return recordStatus(GdipDrawImageRectRectI(native(), image.GetNativeObject(), x, y, width, height, 0, 0,
        sourceWidth, sourceHeight, static_cast<Unit>(sourceUnit), nullptr, nullptr, nullptr));
}

bool Graphics::DrawImagePoints(const Image& image, const std::vector<PointF>& points)
{
    return recordStatus(GdipDrawImagePoints(native(), image.GetNativeObject(), points.data(), countOf(points)));
}

bool Graphics::DrawImagePointsI(const Image& image, const std::vector<GpPoint>& points)
{
    return recordStatus(GdipDrawImagePointsI(native(), image.GetNativeObject(), points.data(), countOf(points)));
}

bool Graphics::DrawImagePointRect(const Image& image, float x, float y, float sourceX, float sourceY, float sourceWidth,
    float sourceHeight, int sourceUnit)
{
    return recordStatus(GdipDrawImagePointRect(native(), image.GetNativeObject(), x, y, sourceX, sourceY, sourceWidth,
        sourceHeight, static_cast<Unit>(sourceUnit)));
}

bool Graphics::DrawImagePointRectI(
    const Image& image, int x, int y, int sourceX, int sourceY, int sourceWidth, int sourceHeight, int sourceUnit)
{
    return recordStatus(GdipDrawImagePointRectI(native(), image.GetNativeObject(), x, y, sourceX, sourceY, sourceWidth,
        sourceHeight, static_cast<Unit>(sourceUnit)));
}

bool Graphics::DrawImageWithOpacity(const Image& image, float x, float y, float width, float height, float sourceX,
    float sourceY, float sourceWidth, float sourceHeight, float opacity)
{
    if (!m_opacityAttributes && !m_opacityAttributes.Create())
        return false;
    for (int i = 0; i < 5; ++i)
        g_opacityMatrix.m[i][i] = i == 3 ? opacity : 1.0f;
    recordStatus(GdipSetImageAttributesColorMatrix(m_opacityAttributes.GetNativeObject(), ColorAdjustTypeDefault, TRUE,
        &g_opacityMatrix, nullptr, ColorMatrixFlagsDefault));
    return recordStatus(GdipDrawImageRectRect(native(), image.GetNativeObject(), x, y, width, height, sourceX, sourceY,
        sourceWidth, sourceHeight, UnitPixel, m_opacityAttributes.GetNativeObject(), nullptr, nullptr));
}

bool Graphics::DrawImage(const Image& image, float x, float y, float width, float height, float sourceX, float sourceY,
    float sourceWidth, float sourceHeight, int sourceUnit, const ImageAttributes& attributes)
{
    return recordStatus(GdipDrawImageRectRect(native(), image.GetNativeObject(), x, y, width, height, sourceX, sourceY,
        sourceWidth, sourceHeight, static_cast<Unit>(sourceUnit), attributes.GetNativeObject(), nullptr, nullptr));
}

bool Graphics::DrawImageRectRectI(const Image& image, int x, int y, int width, int height, int sourceX, int sourceY,
    int sourceWidth, int sourceHeight, int sourceUnit, const ImageAttributes& attributes)
{
    return recordStatus(GdipDrawImageRectRectI(native(), image.GetNativeObject(), x, y, width, height, sourceX, sourceY,
        sourceWidth, sourceHeight, static_cast<Unit>(sourceUnit), attributes.GetNativeObject(), nullptr, nullptr));
}

bool Graphics::DrawImagePointsRect(const Image& image, const std::vector<PointF>& points, float sourceX, float sourceY,
    float sourceWidth, float sourceHeight, int sourceUnit, const ImageAttributes& attributes)
{
    return recordStatus(
        GdipDrawImagePointsRect(native(), image.GetNativeObject(), points.data(), countOf(points), sourceX, sourceY,
            sourceWidth, sourceHeight, static_cast<Unit>(sourceUnit), attributes.GetNativeObject(), nullptr, nullptr));
}

bool Graphics::DrawImagePointsRectI(const Image& image, const std::vector<GpPoint>& points, int sourceX, int sourceY,
    int sourceWidth, int sourceHeight, int sourceUnit, const ImageAttributes& attributes)
{
    return recordStatus(
        GdipDrawImagePointsRectI(native(), image.GetNativeObject(), points.data(), countOf(points), sourceX, sourceY,
            sourceWidth, sourceHeight, static_cast<Unit>(sourceUnit), attributes.GetNativeObject(), nullptr, nullptr));
}
