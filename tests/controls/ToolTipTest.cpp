#include <gtest/gtest.h>

#include <windows.h>

#include <commctrl.h>

#include <string>

#include "TestSupport.h"
#include "controls/ToolTip.h"
#include "element/ControlTestSupport.h"

namespace {

std::wstring toolText(const ToolTip& tip, HWND owner, int id)
{
    wchar_t buffer[128] = {};
    TOOLINFOW info {};
    info.cbSize = TTTOOLINFOW_V2_SIZE;
    info.hwnd = owner;
    info.uId = static_cast<UINT_PTR>(id);
    info.lpszText = buffer;
    SendMessageW(tip.window(), TTM_GETTEXTW, 128, reinterpret_cast<LPARAM>(&info));
    return buffer;
}

bool hits(const ToolTip& tip, HWND owner, POINT point)
{
    TTHITTESTINFOW test {};
    test.hwnd = owner;
    test.pt = point;
    test.ti.cbSize = TTTOOLINFOW_V2_SIZE;
    return SendMessageW(tip.window(), TTM_HITTESTW, 0, reinterpret_cast<LPARAM>(&test)) != 0;
}

// Rests the real cursor in the owner at `point` and waits for the tip to show.
bool showsAt(const ToolTip& tip, HWND owner, POINT point, DWORD waitMs)
{
    POINT screen = point;
    ClientToScreen(owner, &screen);
    SetCursorPos(screen.x, screen.y);
    SendMessageW(owner, WM_MOUSEMOVE, 0, MAKELPARAM(point.x, point.y));
    return pumpUntil([&] { return IsWindowVisible(tip.window()) != FALSE; }, waitMs);
}

} // namespace

TEST(ToolTip, CreatesAnOwnedTipWrappingAt600WithUtf16Texts)
{
    const HWND owner = createPlainWindow();
    {
        ToolTip tip;
        ASSERT_NE(tip.create(owner), nullptr);
        EXPECT_EQ(GetWindow(tip.window(), GW_OWNER), owner);
        EXPECT_EQ(SendMessageW(tip.window(), TTM_GETMAXTIPWIDTH, 0, 0), 600);
        const RECT area { 0, 0, 50, 20 };
        ASSERT_TRUE(tip.addTool(3, L"保存设置（S）", &area));
        EXPECT_TRUE(tip.addTool(4, L"", nullptr));
        EXPECT_EQ(tip.toolCount(), 2);
        EXPECT_EQ(toolText(tip, owner, 3), L"保存设置（S）");
        tip.setToolText(3, L"关闭 ✕");
        EXPECT_EQ(toolText(tip, owner, 3), L"关闭 ✕");
        tip.removeTool(4);
        EXPECT_EQ(tip.toolCount(), 1);
    }
    // The owner's destruction takes the tip along, and the object copes with that.
    ToolTip orphan;
    const HWND tipWindow = orphan.create(owner);
    DestroyWindow(owner);
    EXPECT_FALSE(IsWindow(tipWindow));
    orphan.destroy();
    EXPECT_FALSE(orphan);
}

TEST(ToolTip, AToolWithAnEmptyRectangleNeverShows)
{
    const HWND owner = createPlainWindow();
    SetWindowPos(owner, HWND_TOP, 100, 100, 300, 200, SWP_SHOWWINDOW);
    ToolTip tip;
    ASSERT_NE(tip.create(owner), nullptr);
    SendMessageW(tip.window(), TTM_SETDELAYTIME, TTDT_INITIAL, 10);
    const RECT nowhere {};
    ASSERT_TRUE(tip.addTool(1, L"看不见", &nowhere));
    EXPECT_FALSE(hits(tip, owner, { 0, 0 }));
    EXPECT_FALSE(showsAt(tip, owner, { 0, 0 }, 600));

    tip.setToolRect(1, RECT { 10, 10, 110, 60 });
    EXPECT_TRUE(hits(tip, owner, { 20, 20 }));
    EXPECT_TRUE(showsAt(tip, owner, { 20, 20 }, 3000));
    tip.destroy();
    DestroyWindow(owner);
}
