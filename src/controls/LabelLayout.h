#pragma once

#include <functional>
#include <optional>
#include <string>

// How a label lays out its caption, in GDI+'s string-format values.
struct LabelTextFormat {
    int flags = 0;
    // Unset keeps the format's own trimming.
    std::optional<int> trimming;
    int alignment = 0;
    int lineAlignment = 0;
};

constexpr int kTrimEllipsisCharacter = 3;
// Line limit, measure trailing spaces, no wrap.
constexpr int kSingleLineFlags = 0x3800;

// Alignments are 0 near, 1 centre, 2 far. A single line always ends in an ellipsis when it
// does not fit.
LabelTextFormat labelTextFormat(int hAlign, int vAlign, bool multiline, bool ellipsis);

// A single-line label shows its caption with every CR LF pair taken out; a multiline one
// breaks its lines at a bare LF, which every GDI+ reads as one line break.
std::wstring labelCaption(const std::wstring& text, bool multiline);

// The text as wide as `maxWidth` at most: unchanged when it fits, otherwise its longest
// beginning that fits followed by an ellipsis character (at least the ellipsis).
std::wstring fitWithEllipsis(
    const std::wstring& text, float maxWidth, const std::function<float(const std::wstring&)>& measure);

inline bool isAlignment(int value)
{
    return value >= 0 && value <= 2;
}
