#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "BoxDriver.h"
#include "TestSupport.h"
#include "element/SkinConstants.h"

namespace {

// Keys as a test writes them: one character per key, 'S' for Shift+Tab.
UINT keyOf(char c)
{
    switch (c) {
    case 'E':
        return VK_RETURN;
    case 'X':
        return VK_ESCAPE;
    case 'T':
    case 'S':
        return VK_TAB;
    case '<':
        return VK_LEFT;
    case '>':
        return VK_RIGHT;
    default:
        return VK_SPACE;
    }
}

// 1..3 for a button, 4 for the check box, 0 for neither.
int focusedPart(const SkinMessageBox& box)
{
    const int focused = box.window().focusedControl();
    for (int i = 1; i <= 3; ++i) {
        if (focused > 0 && box.button(i).id() == focused)
            return i;
    }
    return focused > 0 && box.checkBox().id() == focused ? 4 : 0;
}

int darkPixelsOnRow(const SkinMessageBox& box, const RECT& button, int row)
{
    int dark = 0;
    for (int x = button.left + 3; x < button.right - 3; ++x) {
        const std::uint32_t p = composedPixel(box, x, button.top + row);
        dark += ((p >> 16 & 0xFF) + (p >> 8 & 0xFF) + (p & 0xFF)) < 300 ? 1 : 0;
    }
    return dark;
}

} // namespace

TEST(SkinMessageBoxKeys, EachKeyOfTheBox)
{
    struct Row {
        const char* name;
        int style;
        bool checkBox;
        int focusAtOpen;
        const char* keys;
        // After the keys, before the box closes; -1: the box has already closed.
        int focusAfter;
        int result;
        int check;
    };
    // A box still open after its keys is closed with WM_CLOSE, which gives -1.
    const Row rows[] = {
        { "Enter on the first button", MB_OKCANCEL, false, 1, "E", -1, 0, 0 },
        { "Enter on the second default", MB_OKCANCEL | MB_DEFBUTTON2, false, 2, "E", -1, 1, 0 },
        { "Enter on the third default", MB_ABORTRETRYIGNORE | MB_DEFBUTTON3, false, 3, "E", -1, 4, 0 },
        { "default beyond the set", MB_YESNO | MB_DEFBUTTON3, false, 1, "E", -1, 5, 0 },
        { "Esc on OK alone", MB_OK, false, 1, "X", -1, 0, 0 },
        { "Esc on OK/Cancel", MB_OKCANCEL, false, 1, "X", -1, 1, 0 },
        { "Esc on Retry/Cancel", MB_RETRYCANCEL, false, 1, "X", -1, 1, 0 },
        { "Esc on Yes/No/Cancel", MB_YESNOCANCEL, false, 1, "X", -1, 1, 0 },
        { "Esc ignored on Yes/No", MB_YESNO, false, 1, "X", 1, -1, 0 },
        { "Esc ignored on Abort/Retry/Ignore", MB_ABORTRETRYIGNORE, false, 1, "X", 1, -1, 0 },
        { "Right twice, Enter", MB_YESNOCANCEL, false, 1, ">>E", -1, 6, 0 },
        { "Right wraps to the first", MB_YESNOCANCEL, false, 1, ">>>", 1, -1, 0 },
        { "Left wraps to the last", MB_YESNOCANCEL, false, 1, "<", 3, -1, 0 },
        { "Space on a button", MB_OKCANCEL, false, 1, ">_", -1, 1, 0 },
        { "Tab through buttons to the check box", MB_YESNO, true, 1, "TT", 4, -1, 0 },
        { "Tab wraps to the first button", MB_YESNO, true, 1, "TTT", 1, -1, 0 },
        { "Shift+Tab goes back to the check box", MB_YESNO, true, 1, "S", 4, -1, 0 },
        { "arrows skip the check box", MB_YESNO, true, 1, "TT>", 1, -1, 0 },
        { "Space toggles, Enter presses the default", MB_YESNO | MB_DEFBUTTON2, true, 2, "T_E", -1, 6, 1 },
        { "Space twice toggles back", MB_OK, true, 1, "T__", 4, -1, 0 },
        { "Tab on a box without a check box", MB_OK, false, 1, "TS", 1, -1, 0 },
    };
    SkinMessageBox box;
    for (const Row& row : rows) {
        SCOPED_TRACE(row.name);
        BoxArgs args;
        args.style = row.style;
        args.checkBox = row.checkBox;
        args.checkText = L"不再提示";
        int focusAtOpen = -2;
        int focusAfter = -2;
        const BoxOutcome outcome = runBox(box, args, [&](SkinMessageBox& b) {
            const HWND window = b.openWindow();
            focusAtOpen = focusedPart(b);
            for (const char* key = row.keys; *key; ++key)
                pressKey(window, keyOf(*key), *key == 'S');
            settle(30);
            if (!b.openWindow())
                return;
            focusAfter = focusedPart(b);
            PostMessageW(window, WM_CLOSE, 0, 0);
        });
        EXPECT_EQ(focusAtOpen, row.focusAtOpen);
        if (row.focusAfter >= 0) {
            EXPECT_EQ(focusAfter, row.focusAfter);
        }
        EXPECT_EQ(outcome.result, row.result);
        EXPECT_EQ(outcome.check, row.check);
        EXPECT_FALSE(outcome.timedOut);
    }
}

TEST(SkinMessageBoxKeys, ClosingWithoutAButtonGivesMinusOneAndStillWritesTheCheckBox)
{
    enum class Way { AltF4, CloseMessage, CloseCommand };
    SkinMessageBox box;
    for (Way way : { Way::AltF4, Way::CloseMessage, Way::CloseCommand }) {
        SCOPED_TRACE(static_cast<int>(way));
        BoxArgs args;
        args.style = MB_OKCANCEL;
        args.checkBox = true;
        args.checkText = L"记住选择";
        args.checkInitial = 1;
        const BoxOutcome outcome = runBox(box, args, [way](SkinMessageBox& b) {
            const HWND window = b.openWindow();
            if (way == Way::AltF4) {
                // The context bit says Alt is down, as for a real Alt+F4.
                PostMessageW(window, WM_SYSKEYDOWN, VK_F4, 0x20000001);
                PostMessageW(window, WM_SYSKEYUP, VK_F4, 0xE0000001);
            } else if (way == Way::CloseMessage) {
                PostMessageW(window, WM_CLOSE, 0, 0);
            } else {
                // What the caption's close button posts to a modal window.
                PostMessageW(window, WM_NULL, 0, 0);
            }
        });
        EXPECT_EQ(outcome.result, -1);
        EXPECT_EQ(outcome.check, 1);
        EXPECT_FALSE(outcome.timedOut);
    }
}

// At open the default button has the focus but, as in the platform's box, no ring until the
// keyboard is used, unless keyboard cues are always on: it looks as it does without the focus.
// Tab brings the ring; an arrow takes it along.
TEST(SkinMessageBoxKeys, TheFocusRingWaitsForTheKeyboard)
{
    for (const bool always : { false, true }) {
        KeyboardCuesSetting setting(always);
        SkinMessageBox box;
        BoxArgs args;
        args.style = MB_OKCANCEL;
        std::vector<int> seen;
        runBox(box, args, [&](SkinMessageBox& b) {
            const RECT first = b.button(1).windowRect();
            // The dotted ring darkens every other pixel of its top edge, three pixels in.
            const auto ringed = [&](const RECT& button) { return darkPixelsOnRow(b, button, 3) > 20 ? 1 : 0; };
            const auto around = [&] {
                std::vector<std::uint32_t> pixels;
                for (int y = first.top - 2; y < first.bottom + 2; ++y)
                    for (int x = first.left - 2; x < first.right + 2; ++x)
                        pixels.push_back(composedPixel(b, x, y));
                return pixels;
            };
            const std::vector<std::uint32_t> atOpen = around();
            seen = { focusedPart(b), ringed(first) };
            SendMessageW(b.openWindow(), skin::kMsgGiveFocus, static_cast<WPARAM>(b.button(2).id()), 0);
            settle();
            seen.push_back(around() == atOpen ? 1 : 0);
            pressKey(b.openWindow(), VK_TAB);
            settle();
            seen.push_back(ringed(first));
            pressKey(b.openWindow(), VK_RIGHT);
            settle();
            seen.insert(seen.end(), { ringed(first), ringed(b.button(2).windowRect()) });
            PostMessageW(b.openWindow(), WM_CLOSE, 0, 0);
        });
        // Focus at open and its ring; the same pixels without the focus; the ring after Tab and
        // after the arrow, on each button.
        EXPECT_EQ(seen, (std::vector<int> { 1, always ? 1 : 0, always ? 0 : 1, 1, 0, 1 })) << always;
    }
}
