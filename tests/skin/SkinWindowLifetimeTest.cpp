#include <gtest/gtest.h>

#include "TestControls.h"
#include "TestSupport.h"
#include "core/ThreadTimers.h"
#include "element/SkinConstants.h"
#include "element/WindowRegistry.h"
#include "skin/SkinWindow.h"

namespace {

HWND plainWindow()
{
    return CreateWindowExW(0, L"STATIC", L"plain", WS_POPUP, 0, 0, 50, 50, nullptr, nullptr,
        GetModuleHandleW(nullptr), nullptr);
}

int recordsInUse()
{
    WindowRegistry& registry = WindowRegistry::instance();
    int count = 0;
    for (int index = 1; index <= registry.size(); ++index)
        count += registry.record(index)->free ? 0 : 1;
    return count;
}

// Refuses the creation of every skinned window, as a hook or a lack of resources can.
LRESULT CALLBACK refuseSkinWindows(int code, WPARAM wParam, LPARAM lParam) noexcept
{
    if (code == HCBT_CREATEWND) {
        wchar_t name[64] = {};
        GetClassNameW(reinterpret_cast<HWND>(wParam), name, 64);
        if (std::wstring(name).rfind(skin::kWindowClassPrefix, 0) == 0)
            return 1;
    }
    return CallNextHookEx(nullptr, code, wParam, lParam);
}

class TimedTile : public TestTile {
public:
    UINT_PTR start() { return startTimer(1000); }
};

}  // namespace

TEST(SkinWindowModalLoop, EndsGivingEveryDisabledWindowBackHoweverTheWindowGoes)
{
    enum class Ending { Quit, DestroyedWithoutClose, CreationRefused };
    for (Ending ending : {Ending::Quit, Ending::DestroyedWithoutClose, Ending::CreationRefused}) {
        SCOPED_TRACE(static_cast<int>(ending));
        const HWND plain = plainWindow();
        const int recordsBefore = recordsInUse();
        HHOOK hook = ending == Ending::CreationRefused
            ? SetWindowsHookExW(WH_CBT, &refuseSkinWindows, nullptr, GetCurrentThreadId())
            : nullptr;
        SkinWindow modal;
        WindowOptions options;
        options.modal = true;
        bool disabledWhileOpen = false;
        UINT_PTR destroyer = 0;
        options.createdCallback = [&](HWND window) {
            disabledWhileOpen = !IsWindowEnabled(plain);
            if (ending == Ending::Quit)
                PostQuitMessage(7);
            else
                destroyer = threadtimers::start(10, [window] { DestroyWindow(window); });
        };
        const HWND window = modal.createWindow(options);
        if (hook)
            UnhookWindowsHookEx(hook);
        threadtimers::stop(destroyer);

        EXPECT_EQ(window == nullptr, ending == Ending::CreationRefused);
        EXPECT_EQ(disabledWhileOpen, ending != Ending::CreationRefused);
        EXPECT_FALSE(window && IsWindow(window));
        EXPECT_TRUE(IsWindowEnabled(plain));
        EXPECT_EQ(recordsInUse(), recordsBefore);
        MSG quit{};
        const bool quitPosted = PeekMessageW(&quit, nullptr, WM_QUIT, WM_QUIT, PM_REMOVE) != FALSE;
        EXPECT_EQ(quitPosted, ending == Ending::Quit);
        EXPECT_EQ(quit.wParam, quitPosted ? 7u : 0u);
        DestroyWindow(plain);
    }
}

TEST(SkinWindowModalLoop, OnlyANullMessageToTheModalWindowClosesIt)
{
    const HWND other = plainWindow();
    SkinWindow modal;
    WindowOptions options;
    options.modal = true;
    options.createdCallback = [other](HWND window) {
        PostMessageW(other, WM_NULL, 0, 0);
        PostMessageW(window, WM_NULL, 0, 0);
    };
    const HWND window = modal.createWindow(options);
    EXPECT_NE(window, nullptr);
    EXPECT_FALSE(IsWindow(window));
    EXPECT_TRUE(IsWindow(other));
    DestroyWindow(other);
}

TEST(ControlTimers, StopWhenTheControlOrItsObjectGoes)
{
    const int before = threadtimers::running();
    for (bool destroyWindowFirst : {false, true}) {
        SkinWindow host;
        const HWND window = host.createWindow();
        ASSERT_NE(window, nullptr);
        {
            TimedTile tile;
            tile.create(window, 10, 10, 20, 20, false);
            EXPECT_NE(tile.start(), 0u);
            EXPECT_NE(tile.start(), 0u);
            EXPECT_EQ(threadtimers::running(), before + 2);
            if (destroyWindowFirst) {
                DestroyWindow(window);
                EXPECT_EQ(threadtimers::running(), before);
            }
        }
        EXPECT_EQ(threadtimers::running(), before);
        DestroyWindow(window);
    }
}

TEST(SkinExistingWindow, IsGivenBackAsItWasAndTakesNoRecordInUse)
{
    const HWND existing = plainWindow();
    const LONG_PTR procedure = GetWindowLongPtrW(existing, GWLP_WNDPROC);
    const int recordsBefore = recordsInUse();

    SkinWindow owner;
    const HWND ownerWindow = owner.createWindow();
    ASSERT_NE(ownerWindow, nullptr);
    // A foreign property naming the record of a live window must not take that record over.
    skin::setProperty(existing, skin::kPropRegistryIndex, owner.registryIndex());
    EXPECT_EQ(SkinWindow::fromHandle(existing), nullptr);
    {
        SkinWindow skinned;
        ASSERT_TRUE(skinned.skinExistingWindow(existing));
        EXPECT_NE(skinned.registryIndex(), owner.registryIndex());
        EXPECT_EQ(SkinWindow::fromHandle(ownerWindow), &owner);
        EXPECT_EQ(SkinWindow::fromHandle(existing), &skinned);
        EXPECT_TRUE(GetWindowLongPtrW(existing, GWL_EXSTYLE) & WS_EX_LAYERED);
        SkinWindow again;
        EXPECT_FALSE(again.skinExistingWindow(existing));
    }
    EXPECT_TRUE(IsWindow(existing));
    EXPECT_EQ(GetWindowLongPtrW(existing, GWLP_WNDPROC), procedure);
    EXPECT_FALSE(GetWindowLongPtrW(existing, GWL_EXSTYLE) & WS_EX_LAYERED);
    EXPECT_EQ(GetPropA(existing, skin::kPropRegistryIndex), nullptr);
    EXPECT_EQ(recordsInUse(), recordsBefore + 1);

    // A property left on a window names a record that has been freed: it finds nothing.
    const int ownerIndex = owner.registryIndex();
    DestroyWindow(ownerWindow);
    skin::setProperty(existing, skin::kPropRegistryIndex, ownerIndex);
    EXPECT_EQ(SkinWindow::fromHandle(existing), nullptr);
    EXPECT_EQ(recordsInUse(), recordsBefore);
    DestroyWindow(existing);
}
