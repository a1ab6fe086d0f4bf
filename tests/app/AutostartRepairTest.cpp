#include <gtest/gtest.h>

#include <cstdlib>

#include "TestSupport.h"
#include "app/AutostartRepair.h"
#include "core/EmbeddedFile.h"
#include "core/Runtime.h"
#include "core/Win32Handles.h"

TEST(RepairOutcome, EachOutcomeHasItsOwnBoxTextAndIcon)
{
    struct Case { bool wow64, repaired; int index; const wchar_t* message; const wchar_t* title; int style; };
    const Case cases[] = {
        {true, true, 1, L"KX启动修复成功", L"修复成功", 32},
        {true, false, 2, L"KX启动修复失败！请重试！", L"修复失败", 48},
        {false, true, 3, L"KX启动修复成功", L"修复成功", 32},
        {false, false, 4, L"KX启动修复失败！请重试！", L"修复失败", 48},
    };
    for (const Case& c : cases) {
        RepairOutcome outcome = repairOutcome(c.wow64, c.repaired);
        EXPECT_EQ(outcome.messageBoxIndex, c.index);
        EXPECT_STREQ(outcome.message, c.message);
        EXPECT_STREQ(outcome.title, c.title);
        EXPECT_EQ(outcome.style, c.style);
    }
}

TEST(AgentPath, TemporaryFolderAndFixedName)
{
    EXPECT_EQ(agentPath(), temporaryFolder() + L"babtbbc.exe");
}

// The test runs once in a prefix with a WOW64 folder and once in one without.
TEST(HasWow64Directory, MatchesThePrefix)
{
    const char* expected = std::getenv("KXFIX_EXPECT_WOW64");
    ASSERT_NE(expected, nullptr) << "KXFIX_EXPECT_WOW64 tells which prefix this is";
    EXPECT_EQ(hasWow64Directory(), expected[0] == '1');
}

TEST(EmbeddedAgents, CarryWindowsProgramsOfTheirKind)
{
    for (const EmbeddedFile* agent : {&kRepairAgent64, &kRepairAgent32}) {
        ByteView bytes = agent->bytes();
        ASSERT_GT(bytes.size, 512u);
        EXPECT_EQ(bytes.data[0], 'M');
        EXPECT_EQ(bytes.data[1], 'Z');
    }
    EXPECT_NE(kRepairAgent64.bytes().size, kRepairAgent32.bytes().size);
}

class WriteAndRunAgent : public ::testing::Test {
protected:
    void SetUp() override
    {
        m_folder = freshFolder(L"agent run");
        m_marker = readWholeFile(testProgramFolder() + L"marker.exe");
        ASSERT_FALSE(m_marker.empty());
    }
    void TearDown() override { SetEnvironmentVariableW(L"KXFIX_MARKER_EXIT", nullptr); }

    std::wstring m_folder;
    ByteArray m_marker;
};

TEST_F(WriteAndRunAgent, SucceedsOnlyWhenTheAgentExitsWithZero)
{
    const std::wstring path = m_folder + L"babtbbc.exe";
    int meanwhile = 0;
    EXPECT_TRUE(writeAndRunAgent(path, m_marker, kAgentTimeoutMs, [&] { ++meanwhile; }));
    EXPECT_EQ(meanwhile, 1);
    EXPECT_TRUE(fileExists(path + L".ran"));
    EXPECT_TRUE(deleteFile(path));

    SetEnvironmentVariableW(L"KXFIX_MARKER_EXIT", L"3");
    EXPECT_FALSE(writeAndRunAgent(path, m_marker));
}

TEST_F(WriteAndRunAgent, FailsWhenTheAgentCannotStartOrDoesNotEndInTime)
{
    const std::wstring path = m_folder + L"slow.exe";
    ByteArray notAProgram = {'M', 'Z', 0, 0};
    int meanwhile = 0;
    EXPECT_FALSE(writeAndRunAgent(path, notAProgram, kAgentTimeoutMs, [&] { ++meanwhile; }));
    EXPECT_EQ(meanwhile, 0);
    EXPECT_FALSE(writeAndRunAgent(path, m_marker, 0));
}

// A file that cannot be overwritten must not be started in place of the agent.
TEST_F(WriteAndRunAgent, NeverStartsAnOlderFileWhenWritingFails)
{
    const std::wstring path = m_folder + L"babtbbc.exe";
    ASSERT_TRUE(writeFile(path, {m_marker}));
    UniqueKernelHandle held = fileHandle(
        CreateFileW(path.c_str(), GENERIC_READ, FILE_SHARE_READ, nullptr, OPEN_EXISTING, 0, nullptr));
    ASSERT_TRUE(held);
    EXPECT_FALSE(writeAndRunAgent(path, m_marker));
    held.reset();
    // Had one been started, the marker it leaves is complete once it has ended.
    EXPECT_TRUE(pumpUntil([] { return !childProcessRunning(L"babtbbc.exe"); }));
    EXPECT_FALSE(fileExists(path + L".ran"));
}

// Whatever lies at the path is started only when it reads back as the very agent written.
TEST_F(WriteAndRunAgent, LocksOnlyAFileThatReadsBackUnchanged)
{
    const std::wstring path = m_folder + L"babtbbc.exe";
    ByteArray changed = m_marker;
    changed[changed.size() / 2] ^= 0x5a;
    ByteArray half(m_marker.begin(), m_marker.begin() + m_marker.size() / 2);
    ByteArray longer = m_marker;
    longer.push_back(0);
    struct Case { const char* what; const ByteArray& onDisk; bool locked; };
    const Case cases[] = {
        {"the same bytes", m_marker, true},
        {"one byte changed", changed, false},
        {"the first half", half, false},
        {"one byte more", longer, false},
    };
    for (const Case& c : cases) {
        ASSERT_TRUE(writeFile(path, {c.onDisk})) << c.what;
        UniqueKernelHandle lock = lockIfUnchanged(path, m_marker);
        EXPECT_EQ(static_cast<bool>(lock), c.locked) << c.what;
        if (lock) {
            EXPECT_FALSE(fileHandle(CreateFileW(
                path.c_str(), GENERIC_WRITE, FILE_SHARE_READ | FILE_SHARE_WRITE, nullptr, OPEN_EXISTING, 0, nullptr)));
            EXPECT_FALSE(DeleteFileW(path.c_str()));
        }
    }
    ASSERT_TRUE(deleteFile(path));
    EXPECT_FALSE(lockIfUnchanged(path, m_marker));
}
