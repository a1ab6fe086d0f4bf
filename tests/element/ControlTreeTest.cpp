#include <windows.h>

#include <memory>

#include <gtest/gtest.h>

#include "ControlTestSupport.h"
#include "core/ThreadTimers.h"
#include "drawing/LiveObjects.h"
#include "element/SkinConstants.h"

namespace {

class ControlVisibility : public ::testing::Test {
protected:
    bool shownInRecord(const TestControl& control) { return host.record().control(control.id())->visible; }
    bool hiddenByProgram(const TestControl& control) { return host.record().control(control.id())->hidden; }

    HostWindow host;
};

TEST_F(ControlVisibility, AControlCreatedInAHiddenContainerStaysHidden)
{
    TestControl container;
    container.createIn(host.handle());
    container.setVisible(false);
    TestControl child;
    child.createIn(host.handle(), {}, container.id());
    EXPECT_FALSE(child.visible());
    EXPECT_FALSE(shownInRecord(child));
    EXPECT_TRUE(hiddenByProgram(child));

    container.setVisible(true);
    EXPECT_TRUE(shownInRecord(container));
    EXPECT_FALSE(child.visible());
    EXPECT_FALSE(shownInRecord(child));
}

TEST_F(ControlVisibility, ShowingAContainerBringsBackOnlyWhatTheProgramDidNotHide)
{
    TestControl container;
    TestControl shown;
    TestControl hidden;
    container.createIn(host.handle());
    shown.createIn(host.handle(), {}, container.id());
    hidden.createIn(host.handle(), {}, container.id());
    hidden.setVisible(false);

    container.setVisible(false);
    for (const TestControl* child : {&shown, &hidden}) {
        EXPECT_FALSE(child->visible());
        EXPECT_FALSE(shownInRecord(*child));
    }
    EXPECT_FALSE(hiddenByProgram(shown));

    container.setVisible(true);
    EXPECT_TRUE(shown.visible());
    EXPECT_TRUE(shownInRecord(shown));
    EXPECT_FALSE(hidden.visible());
    EXPECT_FALSE(shownInRecord(hidden));
    EXPECT_TRUE(hiddenByProgram(hidden));

    hidden.setVisible(true);
    EXPECT_TRUE(hidden.visible());
    EXPECT_TRUE(shownInRecord(hidden));
}

TEST_F(ControlVisibility, ShowingInsideAHiddenAncestorHidesForGood)
{
    TestControl outer;
    TestControl inner;
    TestControl leaf;
    outer.createIn(host.handle());
    inner.createIn(host.handle(), {}, outer.id());
    leaf.createIn(host.handle(), {}, inner.id());
    outer.setVisible(false);

    leaf.setVisible(true);
    EXPECT_FALSE(leaf.visible());
    EXPECT_TRUE(hiddenByProgram(leaf));

    outer.setVisible(true);
    EXPECT_TRUE(inner.visible());
    EXPECT_FALSE(leaf.visible());
}

TEST_F(ControlVisibility, AContainerOfKindNineKeepsTheChildrenItClaims)
{
    TestControl container;
    TestControl claimed;
    TestControl ordinary;
    ControlOptions options;
    options.kind = skin::kKindOffersChildren;
    container.createIn(host.handle(), options);
    const int claimedId = claimed.createIn(host.handle(), {}, container.id());
    ordinary.createIn(host.handle(), {}, container.id());
    container.classAnswer = [claimedId](UINT message, WPARAM child) -> std::optional<LRESULT> {
        if (message == skin::kMsgOfferChild)
            return static_cast<int>(child) == claimedId ? 1 : 0;
        return std::nullopt;
    };
    container.setVisible(false);
    EXPECT_TRUE(claimed.visible());
    EXPECT_FALSE(ordinary.visible());
}

class ControlDestroy : public ::testing::Test {
protected:
    HostWindow host;
};

TEST_F(ControlDestroy, AContainerTakesItsWholeTreeAndFreesEveryRecord)
{
    // The logs outlive the controls: the re-created container logs again when it goes.
    std::vector<int> destroyed;
    std::vector<int> events;
    TestControl outer;
    TestControl first;
    TestControl leaf;
    TestControl second;
    for (TestControl* control : {&outer, &first, &leaf, &second}) {
        control->destroyLog = &destroyed;
        control->setEventHandler(ElementEvent::Destroyed, [&events](const EventArgs& args) {
            events.push_back(static_cast<int>(args.target));
            return 0;
        });
    }
    const int outerId = outer.createIn(host.handle());
    const int firstId = first.createIn(host.handle(), {}, outerId);
    const int leafId = leaf.createIn(host.handle(), {}, firstId);
    const int secondId = second.createIn(host.handle(), {}, outerId);

    outer.destroy();
    const std::vector<int> order {outerId, firstId, leafId, secondId};
    EXPECT_EQ(destroyed, order);
    EXPECT_EQ(events, order);
    for (const TestControl* control : {&outer, &first, &leaf, &second}) {
        EXPECT_EQ(control->destroying, 1);
        EXPECT_EQ(control->id(), 0);
        EXPECT_FALSE(control->isCreated());
    }
    for (const ControlRecord& entry : host.record().controls) {
        EXPECT_FALSE(entry.inUse());
        EXPECT_EQ(entry.object, nullptr);
        EXPECT_FALSE(entry.surface);
    }

    TestControl next;
    EXPECT_EQ(next.createIn(host.handle()), 1);
    EXPECT_EQ(outer.createIn(host.handle()), 2);
    EXPECT_EQ(host.record().controlCount(), 4);
}

TEST_F(ControlDestroy, AChildLeavesItsContainer)
{
    TestControl container;
    TestControl leaving;
    TestControl staying;
    container.createIn(host.handle());
    const int leavingId = leaving.createIn(host.handle(), {}, container.id());
    const int stayingId = staying.createIn(host.handle(), {}, container.id());
    leaving.destroy();
    EXPECT_EQ(container.children(), std::vector<int> {stayingId});
    EXPECT_FALSE(host.record().control(leavingId)->inUse());
    EXPECT_TRUE(staying.isCreated());
}

TEST_F(ControlDestroy, TheDestructorFreesTheRecord)
{
    int id = 0;
    {
        TestControl control;
        id = control.createIn(host.handle());
        ASSERT_GT(id, 0);
    }
    EXPECT_FALSE(host.record().control(id)->inUse());
    EXPECT_EQ(host.record().control(id)->object, nullptr);
}

TEST_F(ControlDestroy, NothingNativeOutlivesTheControl)
{
    const int objectsBefore = liveNativeObjects();
    const int timersBefore = threadtimers::running();
    TestControl container;
    TestControl child;
    container.createIn(host.handle());
    child.createIn(host.handle(), {}, container.id());
    child.startTransition(solidSurface(child.width(), child.height(), kOpaqueRed));
    EXPECT_GT(liveNativeObjects(), objectsBefore);
    EXPECT_EQ(threadtimers::running(), timersBefore + 1);

    container.destroy();
    EXPECT_EQ(liveNativeObjects(), objectsBefore);
    EXPECT_EQ(threadtimers::running(), timersBefore);
}

}  // namespace
