#include <windows.h>

#include <array>
#include <vector>

#include <gtest/gtest.h>

#include "ControlTestSupport.h"
#include "element/SkinConstants.h"
#include "element/WindowRouting.h"

namespace {

// Sets the thread's view of the modifier keys and puts the old one back afterwards.
class KeyStateScope {
public:
    KeyStateScope() { GetKeyboardState(m_saved.data()); }
    ~KeyStateScope() { SetKeyboardState(m_saved.data()); }
    void press(bool control, bool shift, bool alt)
    {
        std::array<BYTE, 256> state = m_saved;
        state[VK_CONTROL] = control ? 0x80 : 0;
        state[VK_SHIFT] = shift ? 0x80 : 0;
        state[VK_MENU] = alt ? 0x80 : 0;
        SetKeyboardState(state.data());
    }

private:
    std::array<BYTE, 256> m_saved {};
};

TEST(ElementModifiers, TheMaskFollowsTheKeys)
{
    KeyStateScope keys;
    for (int mask = 0; mask < 8; ++mask) {
        SCOPED_TRACE(mask);
        keys.press(mask & 1, mask & 2, mask & 4);
        EXPECT_EQ(currentModifierMask(), mask);
    }
}

class ControlInput : public ::testing::Test {
protected:
    LRESULT send(int id, UINT message, WPARAM wParam = 0, LPARAM lParam = 0)
    {
        return sendToControl(id, host.handle(), message, wParam, lParam);
    }

    HostWindow host;
};

TEST_F(ControlInput, KeyMessagesAnswerWithTheHandlersResult)
{
    struct Case{
        UINT message;
        ElementEvent event;
        int result;
    };
    const Case cases[] = {
        {WM_KEYDOWN, ElementEvent::KeyDown, 41},
        {WM_SYSKEYDOWN, ElementEvent::KeyDown, 42},
        {WM_KEYUP, ElementEvent::KeyUp, 43},
        {WM_SYSKEYUP, ElementEvent::KeyUp, 44},
    };
    KeyStateScope keys;
    keys.press(false, true, false);
    for (const Case& c : cases) {
        SCOPED_TRACE(c.message);
        TestControl control;
        const int id = control.createIn(host.handle());
        EventArgs seen;
        control.setEventHandler(c.event, [&](const EventArgs& args) {
            seen = args;
            return c.result;
        });
        EXPECT_EQ(send(id, c.message, 'Q'), c.result);
        EXPECT_EQ(seen.target, id);
        EXPECT_EQ(seen.value1, 'Q');
        EXPECT_EQ(seen.value2, 2);
    }
}

TEST_F(ControlInput, FocusMessagesRaiseTheirEventsAndSomeKindsRedrawOnLosingIt)
{
    struct Case{
        int kind;
        int redrawsOnKillFocus;
    };
    const Case cases[] = {{skin::kKindLabel, 0}, {skin::kKindRedrawsOnFocusLoss, 1}, {skin::kKindToggle, 1}};
    for (const Case& c : cases) {
        SCOPED_TRACE(c.kind);
        TestControl control;
        ControlOptions options;
        options.kind = c.kind;
        const int id = control.createIn(host.handle(), options);
        std::vector<ElementEvent> events;
        for (ElementEvent event : {ElementEvent::Activated, ElementEvent::Deactivated}) {
            control.setEventHandler(event, [&events, event](const EventArgs&) {
                events.push_back(event);
                return 0;
            });
        }
        send(id, WM_SETFOCUS);
        const int redraws = control.redraws;
        send(id, WM_KILLFOCUS);
        EXPECT_EQ(events, (std::vector<ElementEvent>{ElementEvent::Activated, ElementEvent::Deactivated}));
        EXPECT_EQ(control.redraws - redraws, c.redrawsOnKillFocus);
    }
}

TEST_F(ControlInput, TheKeyTargetStandsAsideWhileAChildWindowHasTheFocus)
{
    const HANDLE keyTarget = reinterpret_cast<HANDLE>(0x5A5A0);
    SetPropA(host.handle(), skin::kPropWindowProc, keyTarget);
    TestControl control;
    const int id = control.createIn(host.handle());
    ShowWindow(host.handle(), SW_SHOW);
    HWND edit = CreateWindowExW(0, L"EDIT", L"", WS_CHILD | WS_VISIBLE, 0, 0, 50, 20, host.handle(), nullptr,
        GetModuleHandleW(nullptr), nullptr);
    SetForegroundWindow(host.handle());
    SetFocus(edit);
    if (GetFocus() != edit) {
        DestroyWindow(edit);
        GTEST_SKIP() << "the display gave the child window no focus";
    }
    send(id, WM_SETFOCUS);
    const HANDLE standIn = GetPropA(host.handle(), skin::kPropWindowProc);
    EXPECT_NE(standIn, keyTarget);
    EXPECT_NE(standIn, nullptr);
    EXPECT_EQ(GetFocus(), host.handle());

    send(id, WM_KILLFOCUS);
    EXPECT_EQ(GetPropA(host.handle(), skin::kPropWindowProc), keyTarget);
    DestroyWindow(edit);
}

TEST_F(ControlInput, HoverShowsTheControlsCursorAndLeavingPutsTheWindowsBack)
{
    const auto classCursor = [&] { return reinterpret_cast<HCURSOR>(GetClassLongPtrW(host.handle(), GCLP_HCURSOR)); };
    const HCURSOR windowCursor = LoadCursorW(nullptr, IDC_ARROW);
    SetPropA(host.handle(), skin::kPropClassCursor, windowCursor);
    TestControl control;
    const int id = control.createIn(host.handle());
    ASSERT_TRUE(control.setCursor(CursorKind::Hand));
    EXPECT_FALSE(control.setCursor(CursorKind::IBeam, L"Z:\\no\\such\\cursor.cur"));

    send(id, WM_MOUSEHOVER);
    EXPECT_EQ(classCursor(), LoadCursorW(nullptr, IDC_HAND));
    send(id, WM_MOUSELEAVE);
    EXPECT_EQ(classCursor(), windowCursor);
    RemovePropA(host.handle(), skin::kPropClassCursor);
}

}  // namespace
