#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "msgbox/MessageBoxCountdown.h"
#include "msgbox/MessageBoxLayout.h"
#include "msgbox/MessageBoxStyle.h"

namespace {
using Captions = std::vector<std::wstring>;

Captions captionsOf(const MessageBoxStyle& s)
{
    Captions c;
    for (const MessageBoxButton& b : s.buttons)
        c.push_back(b.caption);
    return c;
}

std::vector<int> resultsOf(const MessageBoxStyle& s)
{
    std::vector<int> r;
    for (int i = 1; i <= static_cast<int>(s.buttons.size()); ++i)
        r.push_back(s.resultOf(i));
    return r;
}

std::string text(const RECT& r)
{
    return "(" + std::to_string(r.left) + "," + std::to_string(r.top) + "," + std::to_string(r.right) + ","
        + std::to_string(r.bottom) + ")";
}
} // namespace

TEST(MessageBoxStyleButtons, SetsCaptionsResultsAndEscapeForStylesZeroToSeven)
{
    constexpr int kNone = -100;
    struct Row {
        int style;
        Captions captions;
        std::vector<int> results;
        int escape;
    };
    const Row rows[] = {
        { MB_OK, { L"确定" }, { 0 }, 0 },
        { MB_OKCANCEL, { L"确定", L"取消" }, { 0, 1 }, 1 },
        { MB_ABORTRETRYIGNORE, { L"放弃", L"重试", L"忽略" }, { 2, 3, 4 }, kNone },
        { MB_YESNOCANCEL, { L"取消", L"是", L"否" }, { 1, 5, 6 }, 1 },
        { MB_YESNO, { L"是", L"否" }, { 5, 6 }, kNone },
        { MB_RETRYCANCEL, { L"重试", L"取消" }, { 3, 1 }, 1 },
        { 6, { L"放弃", L"重试", L"忽略" }, { 2, 3, 4 }, kNone },
        { 7, { L"取消", L"是", L"否" }, { 1, 5, 6 }, 1 },
        // Icon and default-button bits leave the set alone.
        { MB_YESNO | MB_ICONQUESTION | MB_DEFBUTTON2, { L"是", L"否" }, { 5, 6 }, kNone },
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.style);
        const MessageBoxStyle s = MessageBoxStyle::decode(row.style);
        EXPECT_EQ(captionsOf(s), row.captions);
        EXPECT_EQ(resultsOf(s), row.results);
        EXPECT_EQ(s.escapeResult.value_or(kNone), row.escape);
        EXPECT_EQ(s.resultOf(0), MessageBoxStyle::kNoButton);
        EXPECT_EQ(s.resultOf(static_cast<int>(row.results.size()) + 1), MessageBoxStyle::kNoButton);
    }
}

TEST(MessageBoxStyleButtons, CustomCaptionsOnlyWhenTheirCountMatches)
{
    struct Row {
        int style;
        Captions custom;
        Captions expected;
    };
    const Row rows[] = {
        { MB_OK, { L"好" }, { L"好" } },
        { MB_OK, { L"好", L"不" }, { L"确定" } },
        { MB_YESNO, { L"要", L"不要" }, { L"要", L"不要" } },
        { MB_YESNO, { L"要" }, { L"是", L"否" } },
        { MB_YESNOCANCEL, { L"a", L"b", L"c" }, { L"a", L"b", L"c" } },
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.style);
        const MessageBoxStyle s = MessageBoxStyle::decode(row.style, row.custom);
        EXPECT_EQ(captionsOf(s), row.expected);
        // Custom captions never change what a button returns.
        EXPECT_EQ(resultsOf(s), resultsOf(MessageBoxStyle::decode(row.style)));
    }
}

TEST(MessageBoxStyleIcons, IconAndBeepByStyle)
{
    struct Row {
        int style;
        MessageBoxIcon icon;
        UINT beep;
    };
    const Row rows[] = {
        { 0, MessageBoxIcon::None, MB_ICONASTERISK },
        { MB_ICONHAND, MessageBoxIcon::Exclamation, MB_ICONEXCLAMATION },
        { MB_ICONQUESTION, MessageBoxIcon::Question, MB_ICONEXCLAMATION },
        { MB_ICONEXCLAMATION, MessageBoxIcon::Exclamation, MB_ICONEXCLAMATION },
        { MB_ICONINFORMATION, MessageBoxIcon::Information, MB_ICONASTERISK },
        { 0x50, MessageBoxIcon::Information, MB_ICONASTERISK },
        { 0x70, MessageBoxIcon::Information, MB_ICONASTERISK },
        { MB_ICONQUESTION | MB_YESNOCANCEL, MessageBoxIcon::Question, MB_ICONEXCLAMATION },
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.style);
        const MessageBoxStyle s = MessageBoxStyle::decode(row.style);
        EXPECT_EQ(s.icon, row.icon);
        EXPECT_EQ(s.beep, row.beep);
    }
}

TEST(MessageBoxStyleButtons, DefaultButtonNamedByStyleFallsBackToTheFirst)
{
    const std::pair<int, int> rows[] = {
        { MB_YESNOCANCEL, 1 },
        { MB_YESNOCANCEL | MB_DEFBUTTON2, 2 },
        { MB_ABORTRETRYIGNORE | MB_DEFBUTTON3, 3 },
        { MB_OKCANCEL | MB_DEFBUTTON2 | MB_ICONQUESTION, 2 },
        { MB_OK | MB_DEFBUTTON2, 1 },
        { MB_YESNO | MB_DEFBUTTON3, 1 },
        { MB_YESNOCANCEL | MB_DEFBUTTON4, 1 },
    };
    for (const auto& [style, expected] : rows)
        EXPECT_EQ(MessageBoxStyle::decode(style).defaultButton, expected) << style;
}

TEST(MessageBoxLayoutSize, WidthFromMessageAndCheckBoxCappedAt600)
{
    struct Row {
        int messageWidth;
        int checkBoxCaptionWidth;
        int width;
    };
    // Widths as measureTextWidth gives them: an empty text measures 1.
    const Row rows[] = {
        { 1, 1, 321 }, { 234, 1, 322 }, { 512, 1, 600 }, { 513, 1, 600 }, { 2000, 1, 600 }, { 1, 200, 520 },
        { 1, 301, 600 }, // a 300-pixel caption: check box 321, 621 before the cap
    };
    for (const Row& row : rows)
        EXPECT_EQ(MessageBoxLayout::width(row.messageWidth, row.checkBoxCaptionWidth), row.width)
            << row.messageWidth << " " << row.checkBoxCaptionWidth;
    EXPECT_EQ(MessageBoxLayout::checkBoxWidth(301), 321);
    EXPECT_EQ(MessageBoxLayout::wrapWidth(600), 512);
    EXPECT_EQ(MessageBoxLayout::height(0), 150);
    EXPECT_EQ(MessageBoxLayout::height(60), 150);
    EXPECT_EQ(MessageBoxLayout::height(61), 151);
    EXPECT_EQ(MessageBoxLayout::height(400), 490);
}

TEST(MessageBoxLayoutParts, SuccessBox)
{
    const MessageBoxLayout l = MessageBoxLayout::arrange({ 321, 150 }, MessageBoxStyle::decode(MB_ICONQUESTION), {});
    EXPECT_EQ(text(l.body), text({ 1, 1, 320, 111 }));
    EXPECT_EQ(text(l.bottomBar), text({ 1, 110, 320, 149 }));
    ASSERT_TRUE(l.icon);
    EXPECT_EQ(text(*l.icon), text({ 17, 39, 65, 96 }));
    EXPECT_EQ(text(l.message), text({ 79, 28, 314, 110 }));
    ASSERT_EQ(l.buttons.size(), 1u);
    EXPECT_EQ(text(l.buttons[0]), text({ 229, 9, 309, 34 }));
    EXPECT_EQ(text(l.inWindow(l.buttons[0])), text({ 230, 119, 310, 144 }));
    EXPECT_FALSE(l.checkBox);
}

TEST(MessageBoxLayoutParts, ThreeButtonsAndCheckBoxInAWideTallBox)
{
    const MessageBoxLayout l = MessageBoxLayout::arrange(
        { 600, 201 }, MessageBoxStyle::decode(MB_YESNOCANCEL), MessageBoxLayout::checkBoxWidth(301));
    EXPECT_FALSE(l.icon);
    EXPECT_EQ(text(l.bottomBar), text({ 1, 161, 599, 200 }));
    // The buttons keep the bar's right margin of a one-button box, stand 2 pixels apart left
    // to right, and the check box ends before the first.
    const int barWidth = l.bottomBar.right - l.bottomBar.left;
    ASSERT_EQ(l.buttons.size(), 3u);
    EXPECT_EQ(barWidth - l.buttons.back().right, 319 - 309);
    for (size_t i = 0; i < 3; ++i) {
        EXPECT_EQ(text(l.buttons[i]), text({ l.buttons[i].left, 9, l.buttons[i].left + 80, 34 }));
        if (i > 0) {
            EXPECT_EQ(l.buttons[i].left - l.buttons[i - 1].right, 2);
        }
    }
    ASSERT_TRUE(l.checkBox);
    EXPECT_EQ(text(*l.checkBox), text({ 10, 9, 331, 34 }));
    EXPECT_LT(l.checkBox->right, l.buttons.front().left);
    // (201 - 122) / 2 + 25 = 64.5, truncated.
    const MessageBoxLayout withIcon = MessageBoxLayout::arrange({ 600, 201 }, MessageBoxStyle::decode(MB_ICONHAND), {});
    EXPECT_EQ(withIcon.icon->top, 64);
    const MessageBoxLayout two = MessageBoxLayout::arrange({ 321, 150 }, MessageBoxStyle::decode(MB_OKCANCEL), {});
    EXPECT_EQ(two.buttons[0].left, 147);
    EXPECT_EQ(two.buttons[1].left, 229);
}

TEST(MessageBoxLayoutPosition, CentredOnOwnerOrWorkAreaAndKeptOnScreen)
{
    struct Row {
        const char* name;
        std::optional<RECT> owner;
        RECT work;
        SIZE box;
        POINT expected;
    };
    const RECT screen { 0, 0, 1920, 1040 };
    const Row rows[] = {
        { "owner", RECT { 100, 100, 500, 400 }, screen, { 321, 150 }, { 139, 175 } },
        { "owner off the right and bottom", RECT { 1800, 980, 2000, 1100 }, screen, { 321, 150 }, { 1599, 890 } },
        { "owner off the left and top", RECT { -300, -200, 0, 0 }, screen, { 321, 150 }, { 0, 0 } },
        { "no owner", std::nullopt, RECT { 0, 0, 1024, 738 }, { 321, 150 }, { 351, 294 } },
        { "no owner, taskbar on the left", std::nullopt, RECT { 60, 0, 1080, 768 }, { 321, 150 }, { 409, 309 } },
        { "box taller than the area", std::nullopt, RECT { 0, 0, 1024, 738 }, { 600, 900 }, { 212, 0 } },
    };
    for (const Row& row : rows) {
        const POINT p = MessageBoxLayout::position(row.box, row.owner, row.work);
        EXPECT_EQ(p.x, row.expected.x) << row.name;
        EXPECT_EQ(p.y, row.expected.y) << row.name;
    }
}

TEST(MessageBoxLayoutPosition, OpacityClamped)
{
    const std::pair<int, int> rows[]
        = { { -5, 0 }, { 0, 0 }, { 250, 250 }, { 255, 255 }, { 256, 255 }, { 100000, 255 } };
    for (const auto& [requested, expected] : rows)
        EXPECT_EQ(MessageBoxLayout::opacity(requested), expected) << requested;
}

TEST(MessageBoxCountdown, CountsDownThenAsksToCloseOnEveryLaterTick)
{
    MessageBoxCountdown countdown(L"提示", 5);
    ASSERT_TRUE(countdown.active());
    EXPECT_EQ(countdown.caption(), L"提示【倒计时：5】");
    const struct {
        const wchar_t* number;
        bool close;
    } ticks[] = { { L"4", false }, { L"3", false }, { L"2", false }, { L"1", false }, { L"0", true }, { L"0", true },
        { L"0", true } };
    for (const auto& t : ticks) {
        EXPECT_EQ(countdown.tick(), t.close) << t.number;
        EXPECT_EQ(countdown.caption(), std::wstring(L"提示【倒计时：") + t.number + L"】");
    }
}

TEST(MessageBoxCountdown, NoneForZeroOrNegativeSeconds)
{
    for (int seconds : { 0, -3 }) {
        MessageBoxCountdown countdown(L"提示", seconds);
        EXPECT_FALSE(countdown.active());
        EXPECT_FALSE(countdown.tick());
        EXPECT_EQ(countdown.caption(), L"提示");
    }
}
