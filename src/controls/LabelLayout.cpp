#include "controls/LabelLayout.h"

LabelTextFormat labelTextFormat(int hAlign, int vAlign, bool multiline, bool ellipsis)
{
    LabelTextFormat format;
    if (ellipsis || !multiline)
        format.trimming = kTrimEllipsisCharacter;
    if (!multiline)
        format.flags = kSingleLineFlags;
    format.alignment = hAlign;
    format.lineAlignment = vAlign;
    return format;
}

// Some GDI+ implementations draw the CR of a CR LF pair as a missing-glyph box.
std::wstring labelCaption(const std::wstring& text, bool multiline)
{
    std::wstring joined;
    joined.reserve(text.size());
    for (std::size_t i = 0; i < text.size(); ++i) {
        if (text[i] == L'\r' && i + 1 < text.size() && text[i + 1] == L'\n') {
            if (multiline)
                joined += L'\n';
            ++i;
            continue;
        }
        joined += text[i];
    }
    return joined;
}

std::wstring fitWithEllipsis(
    const std::wstring& text, float maxWidth, const std::function<float(const std::wstring&)>& measure)
{
    constexpr wchar_t kEllipsis = L'\u2026';
    if (text.empty() || measure(text) <= maxWidth)
        return text;
    auto shortened = [&text](std::size_t length) {
        // Never split a surrogate pair, and leave no space before the ellipsis.
        if (length > 0 && text[length - 1] >= 0xD800 && text[length - 1] <= 0xDBFF)
            --length;
        std::wstring prefix = text.substr(0, length);
        while (!prefix.empty() && prefix.back() == L' ')
            prefix.pop_back();
        return prefix + kEllipsis;
    };
    std::size_t fits = 0;
    std::size_t tooLong = text.size();
    while (tooLong - fits > 1) {
        const std::size_t middle = fits + (tooLong - fits) / 2;
        if (measure(shortened(middle)) <= maxWidth)
            fits = middle;
        else
            tooLong = middle;
    }
    return shortened(fits);
}
