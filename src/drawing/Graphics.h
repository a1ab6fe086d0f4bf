#pragma once

#include <string>
#include <vector>

#include "core/Bytes.h"
#include "drawing/GdiplusObject.h"
#include "drawing/ImageAttributes.h"

class Image;
class Pen;
class Brush;
class GraphicsPath;
class Font;
class StringFormat;
class Region;

// A GDI+ drawing surface: a device context or an image. Float methods have int32 twins
// named with a trailing I where GDI+ has them. Enumerations travel as int with GDI+'s values
// (flat::, GdiplusEnums.h); an omitted one is GDI+'s default member.
// Getters return 0 (or an empty record) when GDI+ fails; the status is in lastStatus().
class Graphics : public GdiplusObject<flat::GpGraphics, &flat::GdipDeleteGraphics> {
public:
    bool CreateFromHDC(HDC hdc);
    bool CreateFromHDC(HDC hdc, HANDLE device);
    bool CreateFromHWND(HWND hwnd, bool icm = false);
    bool GetImageGraphicsContext(const Image& image);
    bool Delete() { return deleteNative(); }
    bool Flush(int intention = flat::FlushIntentionFlush);

    // The device context stays locked for GDI+ until it is released.
    HDC GetDC();
    bool ReleaseDC(HDC hdc);

    int GetCompositingMode() const;
    bool SetCompositingMode(int mode);
    flat::GpPoint GetRenderingOrigin() const;
    bool SetRenderingOrigin(int x, int y);
    int GetCompositingQuality() const;
    bool SetCompositingQuality(int quality);
    bool SetSmoothingMode(int mode);
    int GetSmoothingMode() const;
    bool SetTextRenderingHint(int hint);
    int GetTextRenderingHint() const;
    bool SetInterpolationMode(int mode);
    int GetInterpolationMode() const;
    bool SetPixelOffsetMode(int mode);
    int GetPixelOffsetMode() const;
    bool SetTextContrast(unsigned contrast);
    unsigned GetTextContrast() const;

    // Matrices belong to the caller (GdipCreateMatrix); Get copies into the one given.
    bool SetWorldTransform(flat::GpMatrix* matrix);
    bool GetWorldTransform(flat::GpMatrix* matrix) const;
    bool ResetWorldTransform();
    bool MultiplyWorldTransform(const flat::GpMatrix* matrix, int order = flat::MatrixOrderPrepend);
    bool TranslateWorldTransform(float dx, float dy, int order = flat::MatrixOrderPrepend);
    bool ScaleWorldTransform(float sx, float sy, int order = flat::MatrixOrderPrepend);
    bool RotateWorldTransform(float angle, int order = flat::MatrixOrderPrepend);
    // Scale or rotate about (x, y) rather than the origin.
    bool ScaleAt(float sx, float sy, PointF centre, int order = flat::MatrixOrderPrepend);
    bool RotateAt(float angle, PointF centre, int order = flat::MatrixOrderPrepend);

    bool SetPageUnit(int unit);
    int GetPageUnit() const;
    bool SetPageScale(float scale);
    float GetPageScale() const;
    float GetDpiX() const;
    float GetDpiY() const;
    // Converts the points in place between coordinate spaces (0 world, 1 page, 2 device).
    bool TransformPoints(int destSpace, int srcSpace, std::vector<PointF>& points) const;
    bool TransformPointsI(int destSpace, int srcSpace, std::vector<flat::GpPoint>& points) const;
    // The colour the surface would really show for `argb`.
    std::uint32_t GetNearestColor(std::uint32_t argb) const;

    bool DrawLine(const Pen& pen, float x1, float y1, float x2, float y2);
    bool DrawLineI(const Pen& pen, int x1, int y1, int x2, int y2);
    bool DrawLines(const Pen& pen, const std::vector<PointF>& points);
    bool DrawLinesI(const Pen& pen, const std::vector<flat::GpPoint>& points);
    bool DrawArc(const Pen& pen, float x, float y, float width, float height, float startAngle, float sweepAngle);
    bool DrawArcI(const Pen& pen, int x, int y, int width, int height, float startAngle, float sweepAngle);
    bool DrawBezier(const Pen& pen, float x1, float y1, float x2, float y2, float x3, float y3, float x4, float y4);
    bool DrawBezierI(const Pen& pen, int x1, int y1, int x2, int y2, int x3, int y3, int x4, int y4);
    bool DrawBeziers(const Pen& pen, const std::vector<PointF>& points);
    bool DrawBeziersI(const Pen& pen, const std::vector<flat::GpPoint>& points);
    bool DrawRectangle(const Pen& pen, float x, float y, float width, float height);
    bool DrawRectangleI(const Pen& pen, int x, int y, int width, int height);
    bool DrawRectangles(const Pen& pen, const std::vector<RectF>& rects);
    bool DrawRectanglesI(const Pen& pen, const std::vector<flat::GpRect>& rects);
    bool DrawEllipse(const Pen& pen, float x, float y, float width, float height);
    bool DrawEllipseI(const Pen& pen, int x, int y, int width, int height);
    bool DrawPie(const Pen& pen, float x, float y, float width, float height, float startAngle, float sweepAngle);
    bool DrawPieI(const Pen& pen, int x, int y, int width, int height, float startAngle, float sweepAngle);
    bool DrawPolygon(const Pen& pen, const std::vector<PointF>& points);
    bool DrawPolygonI(const Pen& pen, const std::vector<flat::GpPoint>& points);
    bool DrawPath(const Pen& pen, const GraphicsPath& path);
    bool DrawCurve(const Pen& pen, const std::vector<PointF>& points);
    bool DrawCurveI(const Pen& pen, const std::vector<flat::GpPoint>& points);
    bool DrawCurve2(const Pen& pen, const std::vector<PointF>& points, float tension);
    bool DrawCurve2I(const Pen& pen, const std::vector<flat::GpPoint>& points, float tension);
    // Only `segments` segments starting at point `offset` are drawn; the others shape them.
    bool DrawCurve3(const Pen& pen, const std::vector<PointF>& points, int offset, int segments, float tension);
    bool DrawCurve3I(const Pen& pen, const std::vector<flat::GpPoint>& points, int offset, int segments, float tension);
    bool DrawClosedCurve(const Pen& pen, const std::vector<PointF>& points);
    bool DrawClosedCurveI(const Pen& pen, const std::vector<flat::GpPoint>& points);
    bool DrawClosedCurve2(const Pen& pen, const std::vector<PointF>& points, float tension);
    bool DrawClosedCurve2I(const Pen& pen, const std::vector<flat::GpPoint>& points, float tension);

    bool Clear(std::uint32_t argb);
    bool FillRectangle(const Brush& brush, float x, float y, float width, float height);
    bool FillRectangle(const Brush& brush, const RectF& rect);
    bool FillRectangleI(const Brush& brush, int x, int y, int width, int height);
    bool FillRectangles(const Brush& brush, const std::vector<RectF>& rects);
    bool FillRectanglesI(const Brush& brush, const std::vector<flat::GpRect>& rects);
    bool FillPolygon(const Brush& brush, const std::vector<PointF>& points, int fillMode = flat::FillModeAlternate);
    bool FillPolygonI(
        const Brush& brush, const std::vector<flat::GpPoint>& points, int fillMode = flat::FillModeAlternate);
    bool FillEllipse(const Brush& brush, float x, float y, float width, float height);
    bool FillEllipseI(const Brush& brush, int x, int y, int width, int height);
    bool FillPie(const Brush& brush, float x, float y, float width, float height, float startAngle, float sweepAngle);
    bool FillPieI(const Brush& brush, int x, int y, int width, int height, float startAngle, float sweepAngle);
    bool FillPath(const Brush& brush, const GraphicsPath& path);
    bool FillClosedCurve(const Brush& brush, const std::vector<PointF>& points);
    bool FillClosedCurveI(const Brush& brush, const std::vector<flat::GpPoint>& points);
    bool FillClosedCurve2(
        const Brush& brush, const std::vector<PointF>& points, float tension, int fillMode = flat::FillModeAlternate);
    bool FillClosedCurve2I(const Brush& brush, const std::vector<flat::GpPoint>& points, float tension,
        int fillMode = flat::FillModeAlternate);
    bool FillRegion(const Brush& brush, const Region& region);

    // The length handed to GDI+ stops at the first NUL, which is never counted; the same holds
    // for every text method below.
    bool DrawString(const std::wstring& text, const Font& font, const Brush& brush, const RectF& layout,
        const StringFormat& format);
    // Unbounded text starting at `origin`.
    bool DrawString(
        const std::wstring& text, const Font& font, const Brush& brush, PointF origin, const StringFormat& format);
    RectF MeasureString(const std::wstring& text, const Font& font, const RectF& layout, const StringFormat& format);
    // Also reports how many characters fitted in the layout and on how many lines.
    RectF MeasureString(const std::wstring& text, const Font& font, const RectF& layout, const StringFormat& format,
        int& charactersFitted, int& linesFilled);
    // One new region per character range set on `format`; none when GDI+ fails.
    std::vector<Region> MeasureCharacterRanges(
        const std::wstring& text, const Font& font, const RectF& layout, const StringFormat& format);
    // Glyphs (or characters with the cmap-lookup flag) at their own positions, or at the
    // first one only with the realized-advance flag. The matrix is optional.
    bool DrawDriverString(const std::wstring& text, const Font& font, const Brush& brush,
        const std::vector<PointF>& positions, int flags, const flat::GpMatrix* matrix = nullptr);

    // Natural size with the top left corner at a point.
    bool DrawImage(const Image& image, float x, float y);
    bool DrawImageI(const Image& image, int x, int y);
    bool DrawCachedBitmap(flat::GpCachedBitmap* cached, int x, int y);
    // The whole image into a rectangle.
    bool DrawImage(const Image& image, float x, float y, float width, float height, int sourceUnit = 2);
    bool DrawImageI(const Image& image, int x, int y, int width, int height, int sourceUnit = 2);
    // The whole image into the parallelogram of three points: top left, top right, bottom left.
    bool DrawImagePoints(const Image& image, const std::vector<PointF>& points);
    bool DrawImagePointsI(const Image& image, const std::vector<flat::GpPoint>& points);
    // A part of the image at natural size with its top left corner at (x, y).
    bool DrawImagePointRect(const Image& image, float x, float y, float sourceX, float sourceY, float sourceWidth,
        float sourceHeight, int sourceUnit);
    bool DrawImagePointRectI(
        const Image& image, int x, int y, int sourceX, int sourceY, int sourceWidth, int sourceHeight, int sourceUnit);
    // A part of the image in source pixels, its alpha multiplied by `opacity` (0..1), through
    // image attributes this wrapper creates on first use and keeps until it is destroyed. The
    // colour matrix is one for the whole process, rewritten on every call.
    bool DrawImageWithOpacity(const Image& image, float x, float y, float width, float height, float sourceX,
        float sourceY, float sourceWidth, float sourceHeight, float opacity);
    bool DrawImage(const Image& image, float x, float y, float width, float height, float sourceX, float sourceY,
        float sourceWidth, float sourceHeight, int sourceUnit, const ImageAttributes& attributes);
    bool DrawImageRectRectI(const Image& image, int x, int y, int width, int height, int sourceX, int sourceY,
        int sourceWidth, int sourceHeight, int sourceUnit, const ImageAttributes& attributes);
    bool DrawImagePointsRect(const Image& image, const std::vector<PointF>& points, float sourceX, float sourceY,
        float sourceWidth, float sourceHeight, int sourceUnit, const ImageAttributes& attributes);
    bool DrawImagePointsRectI(const Image& image, const std::vector<flat::GpPoint>& points, int sourceX, int sourceY,
        int sourceWidth, int sourceHeight, int sourceUnit, const ImageAttributes& attributes);

    bool SetClipGraphics(const Graphics& other, int combineMode = flat::CombineModeReplace);
    bool SetClipPath(const GraphicsPath& path, int combineMode = flat::CombineModeReplace);
    bool SetClipRect(float x, float y, float width, float height, int combineMode = flat::CombineModeReplace);
    bool SetClipRectI(int x, int y, int width, int height, int combineMode = flat::CombineModeReplace);
    bool SetClipRegion(const Region& region, int combineMode = flat::CombineModeReplace);
    // GDI+ copies the region; the HRGN stays the caller's.
    bool SetClipHrgn(HRGN region, int combineMode = flat::CombineModeReplace);
    bool ResetClip();
    bool TranslateClip(float dx, float dy);
    bool TranslateClipI(int dx, int dy);
    // Copies the clip into a region the caller has created.
    bool GetClip(Region& region) const;
    RectF GetClipBounds() const;
    flat::GpRect GetClipBoundsI() const;
    // The clip cut down to the surface.
    RectF GetVisibleClipBounds() const;
    flat::GpRect GetVisibleClipBoundsI() const;
    bool IsClipEmpty() const;
    bool IsVisibleClipEmpty() const;
    bool IsVisiblePoint(float x, float y) const;
    bool IsVisiblePointI(int x, int y) const;
    bool IsVisibleRect(float x, float y, float width, float height) const;
    bool IsVisibleRectI(int x, int y, int width, int height) const;

    // States and containers nest: restoring or ending one also drops those opened after it.
    unsigned Save();
    bool Restore(unsigned state);
    // Drawing inside maps `source` (in `unit`) onto `destination`.
    unsigned BeginContainer(const RectF& destination, const RectF& source, int unit);
    unsigned BeginContainerI(const flat::GpRect& destination, const flat::GpRect& source, int unit);
    unsigned BeginContainer();
    bool EndContainer(unsigned container);

    // Only a metafile surface keeps comments.
    bool Comment(ByteView bytes);

private:
    ImageAttributes m_opacityAttributes;
};
