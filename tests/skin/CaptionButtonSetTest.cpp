#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "skin/CaptionButtonSet.h"

namespace {

constexpr int kAllButtons = 31;

std::vector<std::wstring> textsOf(const std::vector<CaptionButtonLook>& buttons)
{
    std::vector<std::wstring> texts;
    for (const CaptionButtonLook& button : buttons)
        texts.push_back(button.text);
    return texts;
}

} // namespace

TEST(CaptionButtonSet, ButtonsWidthsAndPlacesFollowMaskAndStyle)
{
    const std::vector<std::wstring> all { L"换肤", L"菜单", L"最小化", L"最大化", L"关闭" };
    const struct {
        int mask, style, width;
        std::vector<std::wstring> texts;
    } sets[] = {
        { 0, 0, 42, { L"关闭" } },
        { 1, 0, 42, { L"关闭" } },
        { kAllButtons, 0, 154, all },
        { kAllButtons, 1, 151, all },
        { 2 | 8, 1, 95, { L"菜单", L"最大化", L"关闭" } },
        { kAllButtons, 2, 0, {} },
        { kAllButtons, -1, 0, {} },
    };
    for (const auto& set : sets) {
        EXPECT_EQ(captionStripWidth(set.mask, CaptionButtonStyle(set.style)), set.width) << set.mask << "/" << set.style;
        EXPECT_EQ(textsOf(captionButtonsFor(set.mask, CaptionButtonStyle(set.style))), set.texts) << set.mask << "/" << set.style;
    }
    // Style 1 has no disabled frames; its close button leads the strip.
    const CaptionButtonLook close = captionButtonsFor(0, CaptionButtonStyle::Alternative).front();
    EXPECT_EQ(close.normalFrame, 1);
    EXPECT_FALSE(close.disabledFrame.has_value());

    const struct {
        int clientWidth, stripWidth, border, style;
        POINT origin;
    } places[] = {
        { 300, 42, 0, 0, { 258, 0 } },
        { 300, 42, 0, 1, { 258, -1 } },
        { 300, 154, 2, 0, { 146, 0 } },
        { 300, 154, 2, 1, { 146, -1 } },
        { 500, 151, 5, 1, { 346, 2 } },
        { 500, 42, 1, 0, { 459, -1 } },
    };
    for (const auto& place : places) {
        const POINT origin = captionStripOrigin(place.clientWidth, place.stripWidth, place.border, CaptionButtonStyle(place.style));
        EXPECT_EQ(origin.x, place.origin.x) << place.stripWidth << "/" << place.border << "/" << place.style;
        EXPECT_EQ(origin.y, place.origin.y) << place.stripWidth << "/" << place.border << "/" << place.style;
    }
}
