#include <gtest/gtest.h>

#include <oleacc.h>

#include <string>
#include <vector>

#include "BoxDriver.h"
#include "TestSupport.h"
#include "msgbox/MessageBoxClipboard.h"
#include "skin/AccessibleTestSupport.h"

namespace {

std::wstring clipboardText()
{
    std::wstring text;
    if (!OpenClipboard(nullptr))
        return L"(no clipboard)";
    if (HANDLE data = GetClipboardData(CF_UNICODETEXT)) {
        if (const auto* chars = static_cast<const wchar_t*>(GlobalLock(data))) {
            text = chars;
            GlobalUnlock(data);
        }
    }
    CloseClipboard();
    return text;
}

void emptyClipboard()
{
    if (OpenClipboard(nullptr)) {
        EmptyClipboard();
        CloseClipboard();
    }
}

void pressCtrlC(HWND window)
{
    BYTE state[256] = {};
    GetKeyboardState(state);
    state[VK_CONTROL] = 0x80;
    SetKeyboardState(state);
    SendMessageW(window, WM_KEYDOWN, 'C', 1);
    SendMessageW(window, WM_KEYUP, 'C', 0xC0000001);
    state[VK_CONTROL] = 0;
    SetKeyboardState(state);
}

constexpr wchar_t kRule[] = L"---------------------------\r\n";

} // namespace

TEST(MessageBoxClipboard, LaysTheBoxOutAsThePlatformBoxDoes)
{
    const std::wstring rule = kRule;
    struct Case {
        std::vector<std::wstring> captions;
        std::wstring buttonLine;
    };
    const Case cases[] = {
        { { L"确定" }, L"确定" },
        { { L"确定", L"取消" }, L"确定   取消" },
        { { L"取消", L"是", L"否" }, L"取消   是   否" },
    };
    for (const Case& c : cases) {
        EXPECT_EQ(messageBoxClipboardText(L"标题", L"第一行\r\n第二行", c.captions),
            rule + L"标题\r\n" + rule + L"第一行\r\n第二行\r\n" + rule + c.buttonLine + L"\r\n" + rule);
    }
}

TEST(MessageBoxAccess, CtrlCPutsTheOpenBoxOnTheClipboard)
{
    const std::wstring rule = kRule;
    for (int style : { MB_OK, MB_OKCANCEL }) {
        SCOPED_TRACE(style);
        emptyClipboard();
        SkinMessageBox box;
        BoxArgs args;
        args.message = L"KX启动修复成功";
        args.title = L"修复成功";
        args.style = style;
        std::wstring copied;
        const BoxOutcome outcome = runBox(box, args, [&](SkinMessageBox& open) {
            pressCtrlC(open.openWindow());
            copied = clipboardText();
            // Ctrl+C leaves the box open.
            EXPECT_TRUE(IsWindow(open.openWindow()));
            PostMessageW(open.openWindow(), WM_CLOSE, 0, 0);
        });
        EXPECT_TRUE(outcome.driven);
        const std::wstring buttons = style == MB_OK ? L"确定" : L"确定   取消";
        EXPECT_EQ(copied, rule + L"修复成功\r\n" + rule + L"KX启动修复成功\r\n" + rule + buttons + L"\r\n" + rule);
    }
}

TEST(MessageBoxAccess, ReaderHearsMessageThenButtonsThenCheckBoxAndTheBoxEvents)
{
    WinEventLog log(EVENT_SYSTEM_DIALOGSTART, EVENT_OBJECT_NAMECHANGE);
    SkinMessageBox box;
    BoxArgs args;
    args.message = L"要继续吗";
    args.title = L"问题";
    args.style = MB_OKCANCEL;
    args.checkBox = true;
    args.checkText = L"不再提示";
    args.countdown = 5;
    HWND opened = nullptr;
    const BoxOutcome outcome = runBox(box, args, [&](SkinMessageBox& open) {
        opened = open.openWindow();
        AccessibleRef reader(opened);
        ASSERT_NE(reader.object, nullptr);
        EXPECT_EQ(reader.role(CHILDID_SELF), ROLE_SYSTEM_DIALOG);
        EXPECT_EQ(reader.description(CHILDID_SELF), L"要继续吗");
        const std::vector<long> ids = reader.childIds();
        ASSERT_GE(ids.size(), 4u);
        struct Row {
            long role;
            const wchar_t* name;
        };
        const Row rows[] = { { ROLE_SYSTEM_STATICTEXT, L"要继续吗" }, { ROLE_SYSTEM_PUSHBUTTON, L"确定" },
            { ROLE_SYSTEM_PUSHBUTTON, L"取消" }, { ROLE_SYSTEM_CHECKBUTTON, L"不再提示" } };
        for (size_t index = 0; index < 4; ++index) {
            EXPECT_EQ(reader.role(ids[index]), rows[index].role) << index;
            EXPECT_EQ(reader.name(ids[index]), rows[index].name) << index;
        }
        // The default button has the focus from the start.
        EXPECT_EQ(reader.focus(), ids[1]);
        // The countdown renames the box each second.
        const size_t renames = log.children(EVENT_OBJECT_NAMECHANGE, opened).size();
        EXPECT_TRUE(pumpUntil([&] { return log.children(EVENT_OBJECT_NAMECHANGE, opened).size() > renames; }, 2500));
        EXPECT_EQ(reader.name(CHILDID_SELF), open.window().text());
        EXPECT_NE(reader.name(CHILDID_SELF), L"问题");
        PostMessageW(opened, WM_CLOSE, 0, 0);
    });
    EXPECT_TRUE(outcome.driven);
    EXPECT_TRUE(log.seen(EVENT_SYSTEM_DIALOGSTART, opened, OBJID_WINDOW));
    // The box raises EVENT_SYSTEM_DIALOGEND as it starts to close, but Wine hands a hook of
    // the same thread no event of the window from its close onwards (not even the system's
    // own hide and destroy events), so the end is not checked here.
}
