#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "TestSupport.h"
#include "core/RuntimeWindow.h"

TEST(RuntimeWindowGeometry, CentredWithTruncatingDivision)
{
    POINT origin = RuntimeWindow::centredOrigin(1920, 1080, 380, 250);
    EXPECT_EQ(origin.x, 770);
    EXPECT_EQ(origin.y, 415);
    origin = RuntimeWindow::centredOrigin(1025, 769, 380, 250);
    EXPECT_EQ(origin.x, 322);
    EXPECT_EQ(origin.y, 259);
}

TEST(RuntimeWindow, LoadsHiddenAndCentredThenFiresCreated)
{
    RuntimeWindow window({380, 250, false});
    HWND seenInCreated = nullptr;
    window.onCreated = [&] { seenInCreated = window.handle(); };
    ASSERT_TRUE(window.load());
    ASSERT_NE(window.handle(), nullptr);
    EXPECT_EQ(seenInCreated, window.handle());
    EXPECT_FALSE(IsWindowVisible(window.handle()));
    EXPECT_FALSE(window.load());

    RECT rect;
    GetWindowRect(window.handle(), &rect);
    POINT expected
        = RuntimeWindow::centredOrigin(GetSystemMetrics(SM_CXSCREEN), GetSystemMetrics(SM_CYSCREEN), 380, 250);
    EXPECT_EQ(rect.left, expected.x);
    EXPECT_EQ(rect.top, expected.y);
    EXPECT_EQ(rect.right - rect.left, 380);
    EXPECT_EQ(rect.bottom - rect.top, 250);
}

TEST(RuntimeWindow, QueuedDestroyWaitsForTheLoopAndFiresClosingOnce)
{
    RuntimeWindow window({380, 250, false});
    int closing = 0;
    window.onDestroying = [&] { ++closing; };
    ASSERT_TRUE(window.load());
    HWND handle = window.handle();

    window.destroy();
    EXPECT_TRUE(IsWindow(handle));
    EXPECT_EQ(closing, 0);
    RuntimeWindow::runMessageLoop();
    EXPECT_FALSE(IsWindow(handle));
    EXPECT_EQ(window.handle(), nullptr);
    EXPECT_EQ(closing, 1);
}

TEST(RuntimeWindow, ImmediateDestroyHappensBeforeReturning)
{
    RuntimeWindow window({100, 100, false});
    int closing = 0;
    window.onDestroying = [&] { ++closing; };
    ASSERT_TRUE(window.load());
    HWND handle = window.handle();
    window.destroy(true);
    EXPECT_FALSE(IsWindow(handle));
    EXPECT_EQ(closing, 1);
    // The loop ended by the last window must not be left waiting for anything.
    RuntimeWindow::runMessageLoop();
    MSG quit;
    PeekMessageW(&quit, nullptr, WM_QUIT, WM_QUIT, PM_REMOVE);
}

TEST(RuntimeWindow, PostedTaskRunsFromTheLoopAndADestroyItQueuesWaitsForItsEnd)
{
    RuntimeWindow window({100, 100, false});
    std::vector<std::wstring> steps;
    window.onCreated = [&] {
        window.post([&] {
            steps.push_back(L"task");
            window.destroy();
            steps.push_back(L"task ends");
        });
        steps.push_back(L"created");
    };
    window.onDestroying = [&] { steps.push_back(L"destroying"); };
    ASSERT_TRUE(window.load());
    EXPECT_EQ(steps, std::vector<std::wstring>({L"created"}));
    RuntimeWindow::runMessageLoop();
    EXPECT_EQ(steps, std::vector<std::wstring>({L"created", L"task", L"task ends", L"destroying"}));
    EXPECT_FALSE(window.post([] {}));
    MSG quit;
    PeekMessageW(&quit, nullptr, WM_QUIT, WM_QUIT, PM_REMOVE);
}
