#include <gtest/gtest.h>

#include <oleacc.h>

#include "TestSupport.h"
#include "controls/SkinButton.h"
#include "controls/SkinLabel.h"
#include "controls/SkinPanel.h"
#include "controls/SkinPicture.h"
#include "controls/SkinToggle.h"
#include "drawing/LiveObjects.h"
#include "element/WindowRegistry.h"
#include "skin/AccessibleTestSupport.h"
#include "skin/SkinWindow.h"
#include "skin/WindowAccessible.h"

namespace {

template <typename Options>
Options placed(int x, int y, int width, int height)
{
    Options options;
    options.x = x;
    options.y = y;
    options.width = width;
    options.height = height;
    return options;
}

template <typename Options>
Options placed(int x, int y, int width, int height, const std::wstring& caption)
{
    Options options = placed<Options>(x, y, width, height);
    options.caption = caption;
    return options;
}

constexpr long kNoState = 0;

// A window with one control of every kind, read as a screen reader reads it.
struct AccessibleWindow : testing::Test {
    SkinWindow window;
    SkinPanel panel;
    SkinLabel label;
    SkinPicture picture;
    SkinButton ok;
    SkinButton disabled;
    SkinButton iconOnly;
    SkinToggle check;
    HWND handle = nullptr;
    int clicks = 0;

    void SetUp() override
    {
        WindowOptions options;
        options.width = 320;
        options.height = 200;
        options.x = 100;
        options.y = 80;
        options.title = L"可访问";
        options.captionButtons = kCaptionClose;
        handle = window.createWindow(options);
        ASSERT_NE(handle, nullptr);
        SetForegroundWindow(handle);
        panel.create(handle, placed<PanelOptions>(0, 150, 320, 50));
        label.create(handle, placed<LabelOptions>(10, 40, 100, 20, L"标签"));
        picture.create(handle, placed<PictureOptions>(120, 40, 40, 40));
        ok.createColour(handle, placed<ColourButtonOptions>(10, 100, 60, 25, L"确定"));
        disabled.createColour(handle, placed<ColourButtonOptions>(80, 100, 60, 25, L"停用"));
        disabled.setDisabled(true);
        ColourButtonOptions tipped = placed<ColourButtonOptions>(150, 100, 25, 25);
        tipped.toolTipText = L"提示";
        iconOnly.createColour(handle, tipped);
        check.createCheckBox(handle, placed<CheckBoxOptions>(190, 100, 80, 25, L"记住"));
        for (SkinButton* button : { &ok, &disabled }) {
            button->setEventHandler(ElementEvent::Click, [this](const EventArgs&) { return ++clicks; });
        }
        pumpUntil([] { return false; }, 100);
    }
    void TearDown() override { DestroyWindow(handle); }

    RECT closeRect() const
    {
        RECT rect = window.captionButtons().itemRect(1);
        const RECT strip = window.captionButtons().record()->rect;
        OffsetRect(&rect, strip.left, strip.top);
        return rect;
    }

    RECT onScreen(const RECT& client) const
    {
        RECT rect = client;
        MapWindowPoints(handle, nullptr, reinterpret_cast<POINT*>(&rect), 2);
        return rect;
    }
};

} // namespace

TEST_F(AccessibleWindow, ReportsEveryControlWithRoleNameStateAndPlace)
{
    AccessibleRef reader(handle);
    ASSERT_NE(reader.object, nullptr);
    EXPECT_EQ(reader.role(CHILDID_SELF), ROLE_SYSTEM_DIALOG);
    EXPECT_EQ(reader.name(CHILDID_SELF), L"可访问");

    const long closeId = captionItemChildId(window.captionButtons().id(), 1);
    struct Row {
        long id;
        long role;
        const wchar_t* name;
        long set;
        long clear;
        RECT rect;
    };
    const Row rows[] = {
        { closeId, ROLE_SYSTEM_PUSHBUTTON, L"关闭", STATE_SYSTEM_FOCUSABLE, STATE_SYSTEM_UNAVAILABLE, closeRect() },
        { label.id(), ROLE_SYSTEM_STATICTEXT, L"标签", kNoState, STATE_SYSTEM_FOCUSABLE, { 10, 40, 110, 60 } },
        { picture.id(), ROLE_SYSTEM_GRAPHIC, L"", kNoState, STATE_SYSTEM_FOCUSABLE, { 120, 40, 160, 80 } },
        { ok.id(), ROLE_SYSTEM_PUSHBUTTON, L"确定", STATE_SYSTEM_FOCUSABLE, STATE_SYSTEM_UNAVAILABLE,
            { 10, 100, 70, 125 } },
        { disabled.id(), ROLE_SYSTEM_PUSHBUTTON, L"停用", STATE_SYSTEM_UNAVAILABLE, 0, { 80, 100, 140, 125 } },
        { iconOnly.id(), ROLE_SYSTEM_PUSHBUTTON, L"提示", STATE_SYSTEM_FOCUSABLE, 0, { 150, 100, 175, 125 } },
        { check.id(), ROLE_SYSTEM_CHECKBUTTON, L"记住", STATE_SYSTEM_FOCUSABLE, STATE_SYSTEM_CHECKED,
            { 190, 100, 270, 125 } },
    };
    // The panel is decoration and is left out; the rest come in Tab order.
    std::vector<long> expectedIds;
    for (const Row& row : rows)
        expectedIds.push_back(row.id);
    EXPECT_EQ(reader.childIds(), expectedIds);
    for (const Row& row : rows) {
        SCOPED_TRACE(row.name);
        EXPECT_EQ(reader.role(row.id), row.role);
        EXPECT_EQ(reader.name(row.id), row.name);
        EXPECT_EQ(reader.state(row.id) & row.set, row.set);
        EXPECT_EQ(reader.state(row.id) & row.clear, 0);
        EXPECT_TRUE(sameRect(reader.location(row.id), onScreen(row.rect)));
    }
    // Where the reader says a control is, the mouse finds it and its face is drawn.
    window.compose(true, true);
    for (const SkinButton* button : { &ok, &iconOnly }) {
        const RECT place = reader.location(button->id());
        POINT centre { (place.left + place.right) / 2, (place.top + place.bottom) / 2 };
        ScreenToClient(handle, &centre);
        EXPECT_EQ(window.controlAt(centre.x, centre.y), button->id());
        EXPECT_TRUE(window.isOpaqueAt(centre.x, centre.y)) << centre.x << "," << centre.y;
    }
    EXPECT_EQ(reader.role(9999), -1);
}

TEST_F(AccessibleWindow, DefaultActionClicksThroughTheMousePathUnlessDisabled)
{
    AccessibleRef reader(handle);
    ASSERT_NE(reader.object, nullptr);
    WinEventLog log(EVENT_OBJECT_STATECHANGE, EVENT_OBJECT_STATECHANGE);

    EXPECT_EQ(reader.doDefaultAction(disabled.id()), S_FALSE);
    pumpUntil([] { return false; }, 150);
    EXPECT_EQ(clicks, 0);

    EXPECT_EQ(reader.doDefaultAction(ok.id()), S_OK);
    EXPECT_TRUE(pumpUntil([&] { return clicks == 1; }, 2000));

    EXPECT_EQ(reader.doDefaultAction(check.id()), S_OK);
    EXPECT_TRUE(pumpUntil([&] { return check.value() == 1; }, 2000));
    EXPECT_NE(reader.state(check.id()) & STATE_SYSTEM_CHECKED, 0);
    EXPECT_TRUE(pumpUntil([&] { return !log.children(EVENT_OBJECT_STATECHANGE, handle).empty(); }, 2000));
    EXPECT_EQ(log.children(EVENT_OBJECT_STATECHANGE, handle), std::vector<LONG> { check.id() });
}

TEST_F(AccessibleWindow, TabRaisesFocusEventsNamingWhatAccFocusReports)
{
    AccessibleRef reader(handle);
    ASSERT_NE(reader.object, nullptr);
    WinEventLog log(EVENT_OBJECT_FOCUS, EVENT_OBJECT_FOCUS);
    SetFocus(handle);
    std::vector<LONG> reported;
    for (int press = 0; press < 4; ++press) {
        SendMessageW(handle, WM_KEYDOWN, VK_TAB, 1);
        SendMessageW(handle, WM_KEYUP, VK_TAB, 0xC0000001);
        reported.push_back(reader.focus());
        EXPECT_NE(reader.state(reader.focus()) & STATE_SYSTEM_FOCUSED, 0);
    }
    EXPECT_TRUE(pumpUntil([&] { return log.children(EVENT_OBJECT_FOCUS, handle).size() >= 4; }, 2000));
    // The caption strip is reported as its first button; the disabled button is passed over.
    const LONG close = captionItemChildId(window.captionButtons().id(), 1);
    EXPECT_EQ(reported, (std::vector<LONG> { close, ok.id(), iconOnly.id(), check.id() }));
    EXPECT_EQ(log.children(EVENT_OBJECT_FOCUS, handle), reported);
}

TEST(WindowAccessibleLifetime, HundredWindowsQueriedAndClosedLeaveNothingBehind)
{
    CoInitializeEx(nullptr, COINIT_APARTMENTTHREADED);
    const long objectsBefore = WindowAccessible::liveCount();
    const int nativeBefore = liveNativeObjects();
    const int windowsBefore = threadWindowCount();
    for (int round = 0; round < 100; ++round) {
        SkinWindow window;
        SkinButton button;
        WindowOptions options;
        options.visible = false;
        options.title = L"窗口";
        const HWND handle = window.createWindow(options);
        ASSERT_NE(handle, nullptr);
        button.createColour(handle, placed<ColourButtonOptions>(10, 10, 60, 25, L"确定"));
        AccessibleRef reader(handle);
        ASSERT_NE(reader.object, nullptr);
        ASSERT_EQ(reader.name(button.id()), L"确定");
        EXPECT_GE(WindowAccessible::liveCount(), objectsBefore + 1);
        DestroyWindow(handle);
        // A reader that kept the object past the window's end gets an error, not a crash.
        EXPECT_EQ(reader.role(button.id()), -1);
    }
    EXPECT_EQ(WindowAccessible::liveCount(), objectsBefore);
    EXPECT_EQ(liveNativeObjects(), nativeBefore);
    EXPECT_EQ(threadWindowCount(), windowsBefore);
}

TEST(AccessibleReadingOrder, PreferredFirstThenTabOrderWithoutRepeats)
{
    struct Case {
        std::vector<int> tab, preferred, expected;
    };
    const Case cases[] = {
        { { 1, 2, 3 }, {}, { 1, 2, 3 } },
        { { 3, 4, 5, 6 }, { 4, 5, 6 }, { 4, 5, 6, 3 } },
        { { 1, 2 }, { 2, 9, 2 }, { 2, 1 } },
    };
    for (const Case& c : cases)
        EXPECT_EQ(readingOrder(c.tab, c.preferred), c.expected);
}
