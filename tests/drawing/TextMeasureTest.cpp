#include <gtest/gtest.h>

#include <cstdio>

#include "drawing/LiveObjects.h"
#include "drawing/TextMeasure.h"

namespace {
const std::wstring kSimSun = L"宋体";
}

// The message box sizes itself from these, so the figures are printed for the record.
TEST(TextMeasure, MessageTextsHaveAPositiveWidthThatGrowsWithTheText)
{
    struct Text {
        const char* label;
        std::wstring text;
    };
    const Text texts[] = {
        { "success message", L"KX启动修复成功" },
        { "failure message", L"KX启动修复失败！请重试！" },
        { "OK button", L"确定" },
        { "Cancel button", L"取消" },
    };
    for (const Text& t : texts) {
        const int width = measureTextWidth(t.text, kSimSun, 14);
        std::printf("measureTextWidth(%s, SimSun, 14) = %d\n", t.label, width);
        RecordProperty(t.label, width);
        const int characters = static_cast<int>(t.text.size());
        EXPECT_GT(width, characters * 5) << t.label;
        EXPECT_LT(width, characters * 20) << t.label;
    }
    EXPECT_LT(measureTextWidth(L"KX启动修复成功", kSimSun, 14), measureTextWidth(L"KX启动修复失败！请重试！", kSimSun, 14));
    EXPECT_LT(measureTextWidth(L"KX启动修复成功", kSimSun, 12), measureTextWidth(L"KX启动修复成功", kSimSun, 18));
}

TEST(TextMeasure, NothingToMeasureGivesOne)
{
    EXPECT_EQ(measureTextWidth(L"", kSimSun, 14), 1);
    EXPECT_EQ(measureTextWidth(L"abc", L"No Such Font Family", 14), 1);
    const TextSize none = measureTextSize(L"abc", L"No Such Font Family", 14, 0);
    EXPECT_EQ(none.width, 0);
    EXPECT_EQ(none.height, 0);
}

TEST(TextMeasure, ALongLineWrapsInsideTheLayoutWidth)
{
    const std::wstring text(200, L'字');
    const TextSize oneLine = measureTextSize(L"字", kSimSun, 14, 0);
    const TextSize wrapped = measureTextSize(text, kSimSun, 14, 0, 100);
    std::printf("measureTextSize(200 characters, SimSun, 14, width 100) = %d x %d\n", wrapped.width, wrapped.height);
    EXPECT_LE(wrapped.width, 100);
    EXPECT_GT(wrapped.width, 50);
    EXPECT_GE(wrapped.height, oneLine.height * 20);
    const TextSize capped = measureTextSize(text, kSimSun, 14, 0, 100, oneLine.height * 3);
    EXPECT_LE(capped.height, oneLine.height * 3);
}

TEST(TextMeasure, LeavesNoNativeObjectBehind)
{
    const int before = liveNativeObjects();
    for (int i = 0; i < 20; ++i)
        measureTextSize(L"KX启动修复成功", kSimSun, 14, 0, 100);
    EXPECT_EQ(liveNativeObjects(), before);
}
