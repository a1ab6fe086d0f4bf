#include <gtest/gtest.h>

#include "core/FatalError.h"
#include "core/OneBasedArray.h"

TEST(FatalErrorText, IndexOutOfRangeShowsHeaderCodeAndMessage)
{
    EXPECT_EQ(fatalErrorText(kFatalIndexOutOfRange, FatalMessage::kIndexOutOfRange),
              L"运行时出错!\r\n\r\n错误代码：1\r\n\r\n错误信息：数组成员引用下标超出定义范围\r\n");
}

TEST(FatalErrorText, CodeZeroAndEmptyMessageAreLeftOut)
{
    EXPECT_EQ(fatalErrorText(0, L"不能整除于零"), L"运行时出错!\r\n\r\n错误信息：不能整除于零\r\n");
    EXPECT_EQ(fatalErrorText(6, L""), L"运行时出错!\r\n\r\n错误代码：6\r\n\r\n");
    EXPECT_EQ(fatalErrorText(0, L""), L"运行时出错!\r\n\r\n");
}

TEST(FatalErrorText, MissingFunctionNamesLibraryAndFunction)
{
    EXPECT_EQ(missingFunctionMessage(L"kernel32", L"GetSystemWow64DirectoryA"),
              L"无法找到指定DLL库文件“kernel32”中的输出命令“GetSystemWow64DirectoryA”");
}

TEST(OneBasedArray, CountsFromOneToSize)
{
    OneBasedArray<int> items(4);
    EXPECT_FALSE(items.contains(0));
    EXPECT_TRUE(items.contains(1));
    EXPECT_TRUE(items.contains(4));
    EXPECT_FALSE(items.contains(5));
    EXPECT_FALSE(items.contains(-1));
    items[1] = 10;
    items[4] = 40;
    EXPECT_EQ(items[1] + items[4], 50);
    EXPECT_FALSE(OneBasedArray<int>(0).contains(1));
}
