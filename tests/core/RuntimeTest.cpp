#include <gtest/gtest.h>

#include "TestSupport.h"
#include "core/Runtime.h"
#include "core/Win32Handles.h"

TEST(WriteFile, EmptyPathGivesFalseAndCreatesNothing)
{
    EXPECT_FALSE(writeFile(L"", {ByteArray{1, 2}}));
}

TEST(WriteFile, WritesPartsInOrderSkippingEmptyOnesAndTruncates)
{
    const std::wstring path = freshFolder(L"runtime write") + L"file.bin";
    ASSERT_TRUE(writeFile(path, {ByteArray{1, 2, 3, 4, 5, 6}}));
    ASSERT_TRUE(writeFile(path, {ByteArray{1, 2}, ByteArray{}, ByteArray{3}}));
    EXPECT_EQ(readWholeFile(path), ByteArray({1, 2, 3}));

    ASSERT_TRUE(writeFile(path, {ByteArray{}}));
    EXPECT_TRUE(fileExists(path));
    EXPECT_TRUE(readWholeFile(path).empty());
}

TEST(WriteFile, FailsWhileAnotherHandleDeniesWriting)
{
    const std::wstring path = freshFolder(L"runtime locked") + L"held.bin";
    ASSERT_TRUE(writeFile(path, {ByteArray{9}}));
    UniqueKernelHandle held = fileHandle(
        CreateFileW(path.c_str(), GENERIC_READ, FILE_SHARE_READ, nullptr, OPEN_EXISTING, 0, nullptr));
    ASSERT_TRUE(held);
    EXPECT_FALSE(writeFile(path, {ByteArray{1}}));
    EXPECT_FALSE(deleteFile(path));
    held.reset();
    EXPECT_EQ(readWholeFile(path), ByteArray({9}));
}

TEST(FileServices, ExistsForFilesAndFoldersAndDeleteRemoves)
{
    const std::wstring folder = freshFolder(L"runtime exists");
    const std::wstring path = folder + L"x.txt";
    EXPECT_TRUE(fileExists(folder.substr(0, folder.size() - 1)));
    EXPECT_FALSE(fileExists(path));
    ASSERT_TRUE(writeFile(path, {ByteArray{1}}));
    EXPECT_TRUE(fileExists(path));
    EXPECT_TRUE(deleteFile(path));
    EXPECT_FALSE(fileExists(path));
    EXPECT_FALSE(deleteFile(path));
}

// GetTempPath takes TMP first; the program must end up with exactly one backslash.
TEST(SpecialDirectory, TemporaryFolderEndsInExactlyOneBackslash)
{
    const std::wstring saved = environmentVariable(L"TMP");
    for (const wchar_t* tmp : {L"C:\\kx temp", L"C:\\kx temp\\"}) {
        ASSERT_TRUE(SetEnvironmentVariableW(L"TMP", tmp));
        EXPECT_EQ(temporaryFolder(), L"C:\\kx temp\\") << tmp;
    }
    SetEnvironmentVariableW(L"TMP", saved.empty() ? nullptr : saved.c_str());
    EXPECT_EQ(temporaryFolder().back(), L'\\');
    EXPECT_EQ(withTrailingBackslash(L""), L"");
}

TEST(EnvironmentVariable, UnsetGivesEmptyAndNonAsciiSurvives)
{
    EXPECT_EQ(environmentVariable(L"KXFIX_SURELY_UNSET"), L"");
    ASSERT_TRUE(SetEnvironmentVariableW(L"KXFIX_TEXT", L"修复 ok"));
    EXPECT_EQ(environmentVariable(L"KXFIX_TEXT"), L"修复 ok");
    SetEnvironmentVariableW(L"KXFIX_TEXT", nullptr);
}

// Sleep(-5) would be a wait of 49 days.
TEST(Delay, NegativeTimeReturnsAtOnce)
{
    DWORD start = GetTickCount();
    delay(-5);
    EXPECT_LT(GetTickCount() - start, 1000u);
}
