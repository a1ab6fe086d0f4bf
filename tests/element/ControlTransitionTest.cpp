#include <windows.h>

#include <cstdlib>
#include <vector>

#include <gtest/gtest.h>

#include "ControlTestSupport.h"
#include "core/ThreadTimers.h"

namespace {

int channel(std::uint32_t pixel, int shift)
{
    return static_cast<int>(pixel >> shift & 0xFF);
}

// An opaque picture blended over an opaque face at a constant opacity.
std::uint32_t blendOpaque(std::uint32_t face, std::uint32_t picture, int opacity)
{
    std::uint32_t result = 0xFF000000;
    for (int shift : {0, 8, 16}) {
        const int mixed = (channel(picture, shift) * opacity + channel(face, shift) * (255 - opacity)) / 255;
        result |= static_cast<std::uint32_t>(mixed) << shift;
    }
    return result;
}

// Blending rounds differently from one implementation to the next.
void expectNear(std::uint32_t actual, std::uint32_t expected)
{
    for (int shift : {0, 8, 16, 24})
        EXPECT_LE(std::abs(channel(actual, shift) - channel(expected, shift)), 2)
            << std::hex << "actual " << actual << " expected " << expected;
}

class ControlTransition : public ::testing::Test {
protected:
    HostWindow host;
    int timersBefore = threadtimers::running();
};

TEST_F(ControlTransition, ADefaultFadeBlendsEightTimesThenCopiesThePicture)
{
    TestControl control;
    control.createIn(host.handle());
    std::uint32_t face = control.facePixel(5, 5);
    ASSERT_EQ(face, kOpaqueBlue);

    TransitionOptions options;
    options.intervalMs = 60;
    control.startTransition(solidSurface(control.width(), control.height(), kOpaqueRed), options);
    EXPECT_EQ(threadtimers::running(), timersBefore + 1);
    std::vector<std::uint32_t> steps{control.facePixel(5, 5)};
    while (threadtimers::running() != timersBefore && steps.size() < 12) {
        const std::uint32_t last = steps.back();
        ASSERT_TRUE(dispatchUntil([&] { return control.facePixel(5, 5) != last; }));
        steps.push_back(control.facePixel(5, 5));
    }

    ASSERT_EQ(steps.size(), 9u);
    for (int step = 0; step < 8; ++step) {
        SCOPED_TRACE(step);
        expectNear(steps[step], blendOpaque(face, kOpaqueRed, 25 * (step + 1)));
        face = steps[step];
    }
    EXPECT_EQ(steps.back(), kOpaqueRed);
    EXPECT_EQ(control.facePixel(0, 0), kOpaqueRed);
    EXPECT_EQ(control.runningTransitions(), 0);
    EXPECT_EQ(threadtimers::running(), timersBefore);
}

TEST_F(ControlTransition, ANewFadeOfTheSameKindFinishesTheRunningOneFirst)
{
    TestControl control;
    control.createIn(host.handle());
    control.startTransition(solidSurface(control.width(), control.height(), kOpaqueRed));
    control.startTransition(solidSurface(control.width(), control.height(), kOpaqueGreen));
    expectNear(control.facePixel(5, 5), blendOpaque(kOpaqueRed, kOpaqueGreen, 25));
    EXPECT_EQ(control.runningTransitions(), 1);
    EXPECT_EQ(threadtimers::running(), timersBefore + 1);

    control.completeTransitions();
    EXPECT_EQ(control.facePixel(5, 5), kOpaqueGreen);
    EXPECT_EQ(control.runningTransitions(), 0);
    EXPECT_EQ(threadtimers::running(), timersBefore);
}

TEST_F(ControlTransition, FadesOfOtherKindsRunSideBySide)
{
    TestControl control;
    control.createIn(host.handle());
    TransitionOptions left;
    left.width = 10;
    TransitionOptions right;
    right.kind = 2;
    right.x = 50;
    right.width = 50;
    control.startTransition(solidSurface(control.width(), control.height(), kOpaqueRed), left);
    control.startTransition(solidSurface(control.width(), control.height(), kOpaqueGreen), right);
    EXPECT_EQ(control.runningTransitions(), 2);

    control.completeTransitions(2);
    EXPECT_EQ(control.runningTransitions(), 1);
    EXPECT_EQ(control.facePixel(60, 5), kOpaqueGreen);
    EXPECT_NE(control.facePixel(5, 5), kOpaqueRed);
    EXPECT_EQ(control.facePixel(30, 5), kOpaqueBlue);
    ASSERT_TRUE(dispatchUntil([&] { return threadtimers::running() == timersBefore; }));
    EXPECT_EQ(control.facePixel(5, 5), kOpaqueRed);
}

TEST_F(ControlTransition, ARadiusKeepsTheCornersOfTheFace)
{
    TestControl control;
    control.createIn(host.handle());
    TransitionOptions options;
    options.radius = 20;
    control.startTransition(solidSurface(control.width(), control.height(), kOpaqueRed), options);
    control.completeTransitions();
    EXPECT_EQ(control.facePixel(0, 0), kOpaqueBlue);
    EXPECT_EQ(control.facePixel(control.width() - 1, control.height() - 1), kOpaqueBlue);
    EXPECT_EQ(control.facePixel(control.width() / 2, control.height() / 2), kOpaqueRed);
}

TEST(ControlTransitionParent, AResizedParentStopsTheFadeAndRedraws)
{
    HWND owner = createPlainWindow();
    {
        HostWindow host(owner);
        const int timersBefore = threadtimers::running();
        TestControl control;
        control.createIn(host.handle());
        control.startTransition(solidSurface(control.width(), control.height(), kOpaqueRed));
        const int redraws = control.redraws;
        SetWindowPos(owner, nullptr, 0, 0, 320, 240, SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
        ASSERT_TRUE(dispatchUntil([&] { return threadtimers::running() == timersBefore; }));
        EXPECT_EQ(control.runningTransitions(), 0);
        EXPECT_EQ(control.redraws, redraws + 1);
        EXPECT_EQ(control.lastReason, skin::RedrawReason::Present);
        EXPECT_EQ(control.facePixel(5, 5), kOpaqueBlue);
    }
    DestroyWindow(owner);
}

}  // namespace
