#pragma once

#include <string>

#include "drawing/GdiplusObject.h"

class Image;
class Pen;
class Brush;
class GraphicsPath;
class Font;
class StringFormat;
class ImageAttributes;

// A GDI+ drawing surface: a device context or an image. Float methods have int32 twins
// named with a trailing I where GDI+ has them.
class Graphics : public GdiplusObject<flat::GpGraphics, &flat::GdipDeleteGraphics> {
public:
    bool CreateFromHDC(HDC hdc);
    bool CreateFromHDC(HDC hdc, HANDLE device);
    bool GetImageGraphicsContext(const Image& image);
    bool Delete() { return deleteNative(); }

    bool SetCompositingQuality(int quality);
    bool SetSmoothingMode(int mode);
    bool SetTextRenderingHint(int hint);
    bool SetInterpolationMode(int mode);
    bool SetPixelOffsetMode(int mode);

    bool TranslateWorldTransform(float dx, float dy, int order = 0);
    bool ScaleWorldTransform(float sx, float sy, int order = 0);
    bool RotateWorldTransform(float angle, int order = 0);
    // Scale or rotate about (x, y) rather than the origin.
    bool ScaleAt(float sx, float sy, PointF centre, int order = 0);
    bool RotateAt(float angle, PointF centre, int order = 0);

    bool DrawLine(const Pen& pen, float x1, float y1, float x2, float y2);
    bool DrawPath(const Pen& pen, const GraphicsPath& path);
    bool Clear(std::uint32_t argb);
    bool FillRectangle(const Brush& brush, float x, float y, float width, float height);
    bool FillPath(const Brush& brush, const GraphicsPath& path);

    // The length handed to GDI+ stops at the first NUL, which is never counted.
    bool DrawString(const std::wstring& text, const Font& font, const Brush& brush, const RectF& layout,
        const StringFormat& format);
    RectF MeasureString(const std::wstring& text, const Font& font, const RectF& layout, const StringFormat& format);

    // The whole image into a rectangle.
    bool DrawImage(const Image& image, float x, float y, float width, float height, int sourceUnit = 2);
    bool DrawImage(const Image& image, float x, float y, float width, float height, float sourceX, float sourceY,
        float sourceWidth, float sourceHeight, int sourceUnit, const ImageAttributes& attributes);

    bool SetClipPath(const GraphicsPath& path, int combineMode = 0);
    bool SetClipRect(float x, float y, float width, float height, int combineMode = 0);
    bool ResetClip();
};
