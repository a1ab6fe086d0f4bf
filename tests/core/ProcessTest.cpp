#include <gtest/gtest.h>

#include "TestSupport.h"
#include "core/Process.h"
#include "core/Runtime.h"

TEST(ShowCommand, ModesAreClampedIntoOneToSix)
{
    struct Case { int mode; WORD command; };
    const Case cases[] = {
        {-3, SW_HIDE}, {0, SW_HIDE}, {1, SW_HIDE}, {2, SW_SHOWNORMAL}, {3, SW_SHOWMINIMIZED},
        {4, SW_SHOWMAXIMIZED}, {5, SW_SHOWNOACTIVATE}, {6, SW_MINIMIZE}, {9, SW_MINIMIZE},
    };
    for (const Case& c : cases)
        EXPECT_EQ(showCommandFor(c.mode), c.command) << c.mode;
}

namespace {

// A copy of the marker program in a folder whose name has a space.
std::wstring markerCopy(const std::wstring& folderName, const std::wstring& fileName)
{
    const std::wstring path = freshFolder(folderName) + fileName;
    CopyFileW((testProgramFolder() + L"marker.exe").c_str(), path.c_str(), FALSE);
    return path;
}

} // namespace

TEST(RunProcess, WaitsForTheEndWhenAskedAndReportsCreation)
{
    const std::wstring program = markerCopy(L"run wait", L"marker.exe");
    ASSERT_TRUE(fileExists(program));
    EXPECT_TRUE(runProcess(quotedCommandLine(program), true, kShowHidden));
    EXPECT_TRUE(fileExists(program + L".ran"));
    EXPECT_FALSE(runProcess(L"C:\\no such folder\\nothing.exe", true));
}

// Started unquoted, "C:\...\kx test\marker.exe" would first be tried as "C:\...\kx.exe".
TEST(StartProgram, PathWithSpaceStartsExactlyThatProgram)
{
    const std::wstring program = markerCopy(L"kx test", L"marker.exe");
    const std::wstring decoy = markerCopy(L"kx decoy", L"unused.exe");
    const std::wstring temp = temporaryFolder();
    ASSERT_TRUE(CopyFileW(decoy.c_str(), (temp + L"kx.exe").c_str(), FALSE));
    // A faulty build once run in this prefix leaves the decoy's marker behind.
    DeleteFileW((temp + L"kx.exe.ran").c_str());

    UniqueKernelHandle process = startProgram(program, kShowHidden);
    ASSERT_TRUE(process);
    ProcessEnd end = waitForProcess(process.get(), 10000);
    EXPECT_EQ(end.result, WaitResult::exited);
    EXPECT_EQ(end.exitCode, 0u);
    EXPECT_TRUE(fileExists(program + L".ran"));
    EXPECT_FALSE(fileExists(temp + L"kx.exe.ran"));
    DeleteFileW((temp + L"kx.exe").c_str());

    EXPECT_FALSE(startProgram(temp + L"kx test\\missing.exe"));
}

TEST(WaitForProcess, ReportsExitCodeAndTimeout)
{
    const std::wstring program = markerCopy(L"wait codes", L"marker.exe");
    SetEnvironmentVariableW(L"KXFIX_MARKER_EXIT", L"7");
    UniqueKernelHandle process = startProgram(program, kShowHidden);
    SetEnvironmentVariableW(L"KXFIX_MARKER_EXIT", nullptr);
    ASSERT_TRUE(process);
    ProcessEnd end = waitForProcess(process.get(), 10000);
    EXPECT_EQ(end.result, WaitResult::exited);
    EXPECT_EQ(end.exitCode, 7u);

    EXPECT_EQ(waitForProcess(GetCurrentProcess(), 0).result, WaitResult::timedOut);
}
