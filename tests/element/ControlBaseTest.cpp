#include <windows.h>

#include <gtest/gtest.h>

#include "ControlTestSupport.h"
#include "element/ControlBase.h"
#include "element/SkinConstants.h"
#include "element/WindowRouting.h"

namespace {

bool operator==(const RECT& a, const RECT& b)
{
    return a.left == b.left && a.top == b.top && a.right == b.right && a.bottom == b.bottom;
}

class ControlCreate : public ::testing::Test {
protected:
    HostWindow host;
};

TEST_F(ControlCreate, CreatingTwiceGivesTheSameIdAndOneRecord)
{
    TestControl control;
    const int first = control.createIn(host.handle());
    ASSERT_GT(first, 0);
    EXPECT_EQ(control.create(host.handle(), {}), first);
    EXPECT_EQ(host.record().controlCount(), 1);
}

TEST_F(ControlCreate, AWindowThatIsNotAFrameworkWindowGetsNoControl)
{
    HWND plain = createPlainWindow();
    TestControl control;
    EXPECT_EQ(control.create(plain, {}), 0);
    EXPECT_FALSE(control.isCreated());
    EXPECT_EQ(control.record(), nullptr);
    DestroyWindow(plain);
}

TEST_F(ControlCreate, TheRecordDescribesTheControl)
{
    TestControl control;
    ControlOptions options;
    options.x = 4;
    options.y = 6;
    options.width = 30;
    options.height = 20;
    options.kind = skin::kKindImageButton;
    options.interactive = true;
    options.disabled = true;
    options.passThrough1 = 11;
    options.passThrough2 = 22;
    const int id = control.create(host.handle(), options);
    ASSERT_EQ(id, 1);
    const ControlRecord& entry = *host.record().control(id);
    EXPECT_TRUE(entry.inUse());
    EXPECT_EQ(entry.id, id);
    EXPECT_EQ(entry.kind, skin::kKindImageButton);
    EXPECT_TRUE(entry.interactive);
    EXPECT_TRUE(entry.visible);
    EXPECT_TRUE(entry.disabled);
    EXPECT_EQ(entry.object, &control);
    EXPECT_EQ(entry.passThrough[0], 11);
    EXPECT_EQ(entry.passThrough[1], 22);
    EXPECT_TRUE((entry.rect == RECT{4, 6, 34, 26}));
}

TEST_F(ControlCreate, TheContainerDecidesTheWindowPosition)
{
    struct Case{
        int requestedContainer;
        int expectedContainer;
        POINT expectedAbsolute;
    };
    const Case cases[] = {
        {0, 0, {5, 7}},
        {1, 1, {15, 27}},
        {99, 0, {5, 7}},
        {-3, 0, {5, 7}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.requestedContainer);
        TestControl container;
        ControlOptions placed;
        placed.x = 10;
        placed.y = 20;
        ASSERT_EQ(container.createIn(host.handle(), placed), 1);
        TestControl child;
        ControlOptions options;
        options.x = 5;
        options.y = 7;
        options.width = 8;
        options.height = 9;
        const int id = child.createIn(host.handle(), options, c.requestedContainer);
        ASSERT_EQ(id, 2);
        EXPECT_EQ(child.containerId(), c.expectedContainer);
        EXPECT_EQ(child.left(), 5);
        EXPECT_EQ(child.top(), 7);
        EXPECT_EQ(child.absoluteX(), c.expectedAbsolute.x);
        EXPECT_EQ(child.absoluteY(), c.expectedAbsolute.y);
        const RECT expectedRect { c.expectedAbsolute.x, c.expectedAbsolute.y, c.expectedAbsolute.x + 8,
            c.expectedAbsolute.y + 9 };
        EXPECT_TRUE(host.record().control(id)->rect == expectedRect);
        EXPECT_EQ(container.children().size(), c.expectedContainer == 1 ? 1u : 0u);
    }
}

class ControlGeometry : public ::testing::Test {
protected:
    HostWindow host;
};

TEST_F(ControlGeometry, MovesKeepTheWindowPositionAndRecordInStep)
{
    struct Case{
        const char* name;
        std::function<void(TestControl&)> change;
        RECT relative;
        int redraws;
    };
    const Case cases[] = {
        { "left", [](TestControl& c) { c.setLeft(30); }, {30, 7, 38, 16}, 1 },
        { "top", [](TestControl& c) { c.setTop(40); }, {5, 40, 13, 49}, 1 },
        { "move", [](TestControl& c) { c.move(1, 2, 50, 60, true); }, {1, 2, 51, 62}, 1 },
        { "move quietly", [](TestControl& c) { c.move(1, 2, 50, 60, false); }, {1, 2, 51, 62}, 0 },
        { "move keeping the rest", [](TestControl& c) { c.move(std::nullopt, 3, std::nullopt, std::nullopt); },
            {5, 3, 13, 12}, 1 },
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        TestControl container;
        ControlOptions placed;
        placed.x = 10;
        placed.y = 20;
        container.createIn(host.handle(), placed);
        TestControl child;
        ControlOptions options;
        options.x = 5;
        options.y = 7;
        options.width = 8;
        options.height = 9;
        const int id = child.createIn(host.handle(), options, container.id());
        const int before = child.redraws;
        c.change(child);
        EXPECT_TRUE(child.relativeRect() == c.relative);
        const RECT window{c.relative.left + 10, c.relative.top + 20, c.relative.right + 10, c.relative.bottom + 20};
        EXPECT_TRUE(child.windowRect() == window);
        EXPECT_TRUE(host.record().control(id)->rect == window);
        EXPECT_EQ(child.redraws - before, c.redraws);
    }
}

TEST_F(ControlGeometry, ResizingRerendersAtTheNewSizeWithoutPresenting)
{
    TestControl control;
    ControlOptions options;
    options.x = 3;
    options.y = 4;
    const int id = control.createIn(host.handle(), options);
    control.setWidth(70);
    control.setHeight(35);
    EXPECT_TRUE((host.record().control(id)->rect == RECT{3, 4, 73, 39}));
    EXPECT_EQ(control.lastReason, skin::RedrawReason::Render);
    const Surface& face = host.record().control(id)->surface;
    EXPECT_EQ(face.width(), 70);
    EXPECT_EQ(face.height(), 35);
}

TEST(ControlRouting, MessagesWithoutAReceiverGiveTheirDefaults)
{
    HostWindow host;
    HWND plain = createPlainWindow();
    TestControl control;
    const int id = control.createIn(host.handle());
    EXPECT_EQ(sendToControl(id, host.handle(), skin::kMsgIsVisible, 0, 0), 1);
    EXPECT_EQ(sendToControl(id + 1, host.handle(), skin::kMsgIsVisible, 0, 0), 1);
    EXPECT_EQ(sendToControl(id, plain, WM_DESTROY, 0, 0), 1);
    EXPECT_TRUE(control.isCreated());
    EXPECT_EQ(callWindowHandler(host.handle(), skin::kMsgGetFocusedControl, 0, 0), -1);
    EXPECT_EQ(callWindowHandler(plain, skin::kMsgGetFocusedControl, 0, 0), -1);

    control.setVisible(false);
    EXPECT_EQ(sendToControl(id, host.handle(), skin::kMsgIsVisible, 0, 0), 0);
    control.destroy();
    EXPECT_EQ(sendToControl(id, host.handle(), skin::kMsgIsVisible, 0, 0), 1);
    DestroyWindow(plain);
}

TEST(ControlRouting, TheBackgroundMessageStoresAndShows)
{
    HostWindow host;
    TestControl control;
    const int id = control.createIn(host.handle());
    sendToControl(id, host.handle(), skin::kMsgSetControlBackground, 0x123456, 77);
    EXPECT_EQ(sendToControl(id, host.handle(), skin::kMsgGetControlColour, 0, 0), 0x123456);
    EXPECT_EQ(sendToControl(id, host.handle(), skin::kMsgGetControlAlpha, 0, 0), 77);
    EXPECT_EQ(control.lastReason, skin::RedrawReason::Present);
}

}  // namespace
