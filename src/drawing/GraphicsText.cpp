#include "drawing/Graphics.h"

#include <cwchar>

#include "drawing/Brush.h"
#include "drawing/Font.h"
#include "drawing/Region.h"
#include "drawing/StringFormat.h"

using namespace flat;

static_assert(sizeof(wchar_t) == sizeof(UINT16), "GDI+ glyph text is UTF-16");

namespace {
INT textLength(const std::wstring& text)
{
    return static_cast<INT>(std::wcslen(text.c_str()));
}
} // namespace

bool Graphics::DrawString(
    const std::wstring& text, const Font& font, const Brush& brush, const RectF& layout, const StringFormat& format)
{
    return recordStatus(GdipDrawString(native(), text.c_str(), textLength(text), font.GetNativeObject(), &layout,
        format.GetNativeObject(), brush.GetNativeObject()));
}

// GDI+ reads an empty layout rectangle as "no bounds".
bool Graphics::DrawString(
    const std::wstring& text, const Font& font, const Brush& brush, PointF origin, const StringFormat& format)
{
    const RectF layout(origin.X, origin.Y, 0, 0);
    return DrawString(text, font, brush, layout, format);
}

RectF Graphics::MeasureString(
    const std::wstring& text, const Font& font, const RectF& layout, const StringFormat& format)
{
    RectF bounds(0, 0, 0, 0);
    recordStatus(GdipMeasureString(native(), text.c_str(), textLength(text), font.GetNativeObject(), &layout,
        format.GetNativeObject(), &bounds, nullptr, nullptr));
    return bounds;
}

RectF Graphics::MeasureString(const std::wstring& text, const Font& font, const RectF& layout,
    const StringFormat& format, int& charactersFitted, int& linesFilled)
{
    RectF bounds(0, 0, 0, 0);
    INT fitted = 0;
    INT lines = 0;
    recordStatus(GdipMeasureString(native(), text.c_str(), textLength(text), font.GetNativeObject(), &layout,
        format.GetNativeObject(), &bounds, &fitted, &lines));
    charactersFitted = fitted;
    linesFilled = lines;
    return bounds;
}

std::vector<Region> Graphics::MeasureCharacterRanges(
    const std::wstring& text, const Font& font, const RectF& layout, const StringFormat& format)
{
    INT count = 0;
    if (!recordStatus(GdipGetStringFormatMeasurableCharacterRangeCount(format.GetNativeObject(), &count)))
        return {};
    std::vector<Region> regions(static_cast<std::size_t>(count));
    std::vector<GpRegion*> handles;
    for (Region& region : regions) {
        region.Create();
        handles.push_back(region.GetNativeObject());
    }
    const GpStatus status = GdipMeasureCharacterRanges(native(), text.c_str(), textLength(text), font.GetNativeObject(),
        layout, format.GetNativeObject(), count, handles.data());
    if (status != Ok)
        regions.clear();
    // Deleting the regions above must not hide how the measuring went.
    recordStatus(status);
    return regions;
}

bool Graphics::DrawDriverString(const std::wstring& text, const Font& font, const Brush& brush,
    const std::vector<PointF>& positions, int flags, const GpMatrix* matrix)
{
    return recordStatus(GdipDrawDriverString(native(), reinterpret_cast<const UINT16*>(text.c_str()), textLength(text),
        font.GetNativeObject(), brush.GetNativeObject(), positions.data(), flags, matrix));
}
