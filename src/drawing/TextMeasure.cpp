#include "drawing/TextMeasure.h"

#include "core/ValueFunctions.h"
#include "drawing/Font.h"
#include "drawing/GdiHandles.h"
#include "drawing/Graphics.h"
#include "drawing/StringFormat.h"

namespace {
RectF measure(const std::wstring& text, const std::wstring& faceName, float size, int style, const RectF& layout,
    const StringFormat& format)
{
    const MemoryDc dc = createMemoryDc();
    Graphics graphics;
    graphics.CreateFromHDC(dc.get());
    graphics.SetTextRenderingHint(flat::TextRenderingHintAntiAliasGridFit);
    Font font;
    font.Create(faceName, size, style);
    return graphics.MeasureString(text, font, layout, format);
}
}

int measureTextWidth(const std::wstring& text, const std::wstring& faceName, float size, int style)
{
    return measureTextWidth(text, faceName, size, style, StringFormat());
}

int measureTextWidth(
    const std::wstring& text, const std::wstring& faceName, float size, int style, const StringFormat& format)
{
    const RectF bounds = measure(text, faceName, size, style, RectF(0, 0, 0, 0), format);
    return floorToInteger(bounds.Width) + 1;
}

TextSize measureTextSize(const std::wstring& text, const std::wstring& faceName, float size, int style,
    int layoutWidth, int layoutHeight)
{
    return measureTextSize(text, faceName, size, style, layoutWidth, layoutHeight, StringFormat());
}

TextSize measureTextSize(const std::wstring& text, const std::wstring& faceName, float size, int style,
    int layoutWidth, int layoutHeight, const StringFormat& format)
{
    const RectF layout(0, 0, static_cast<float>(layoutWidth), static_cast<float>(layoutHeight));
    const RectF bounds = measure(text, faceName, size, style, layout, format);
    return { static_cast<int>(bounds.Width), static_cast<int>(bounds.Height) };
}
