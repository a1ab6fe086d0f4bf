#include <gtest/gtest.h>

#include "drawing/Bitmap.h"
#include "drawing/Font.h"
#include "drawing/FontCollection.h"
#include "drawing/FontFamily.h"
#include "drawing/GdiHandles.h"
#include "drawing/Graphics.h"
#include "drawing/LiveObjects.h"
#include "drawing/StringFormat.h"

namespace {
// "宋体" reaches a CJK font through the test prefix's font replacements.
constexpr wchar_t kSimSun[] = L"宋体";
constexpr wchar_t kLatin[] = L"DejaVu Sans";

class LeakFreeTest : public testing::Test {
protected:
    void TearDown() override { EXPECT_EQ(liveNativeObjects(), m_before); }

private:
    int m_before = liveNativeObjects();
};
using FontCreation = LeakFreeTest;
using FontFamilyQueries = LeakFreeTest;
using StringFormatSettings = LeakFreeTest;

std::wstring familyOf(const Font& font)
{
    FontFamily family;
    font.GetFamily(family);
    return family.GetFamilyName();
}
}

TEST_F(FontCreation, InstalledNamesGiveFontsAndOthersStayEmpty)
{
    for (const wchar_t* name : { kSimSun, kLatin }) {
        Font font;
        EXPECT_TRUE(font.Create(name, 12));
        EXPECT_FALSE(familyOf(font).empty()) << "regular world-unit font";
        EXPECT_EQ(font.GetStyle(), 0);
        EXPECT_EQ(font.GetUnit(), 0);
    }
    Font missing;
    EXPECT_FALSE(missing.Create(L"No Such Family Anywhere", 12));
    EXPECT_FALSE(missing);
    EXPECT_NE(lastStatus(), 0);
    EXPECT_EQ(missing.GetSize(), 0) << "getters on an empty wrapper";
    EXPECT_NE(lastStatus(), 0);
}

TEST_F(FontCreation, FromAFamilyWithItsMetrics)
{
    FontFamily family;
    ASSERT_TRUE(family.CreateFromName(kLatin, FontCollection()));
    Font font;
    ASSERT_TRUE(font.Create(family, 12, 3, 2));
    Font copy;
    ASSERT_TRUE(font.Clone(copy));
    font.Delete();
    EXPECT_EQ(copy.GetStyle(), 3);
    EXPECT_EQ(copy.GetUnit(), 2);
    EXPECT_EQ(familyOf(copy), kLatin);
    // A 12-pixel font's line is 12 pixels scaled by the family's line spacing per em.
    const float line = 12.0f * family.GetLineSpacing() / family.GetEmHeight();
    EXPECT_NEAR(copy.GetHeight(96.0f), line, 0.01);
    Bitmap surface;
    surface.Create(4, 4);
    Graphics graphics;
    graphics.GetImageGraphicsContext(surface);
    EXPECT_NEAR(copy.GetHeight(graphics), line, 0.01);
    EXPECT_STREQ(copy.GetLogFont(graphics).lfFaceName, kLatin);
}

TEST_F(FontCreation, FromGdiFontsAndDeviceContexts)
{
    LOGFONTW logFont{};
    logFont.lfHeight = -16;
    wcscpy(logFont.lfFaceName, kLatin);
    const MemoryDc dc = createMemoryDc();
    Font font;
    HFONT gdiFont = CreateFontIndirectW(&logFont);
    ASSERT_TRUE(font.CreateFromDC(dc.get(), gdiFont));
    EXPECT_EQ(familyOf(font), kLatin);
    HGDIOBJ previous = SelectObject(dc.get(), gdiFont);
    EXPECT_TRUE(font.CreateFromDC(dc.get(), nullptr));
    EXPECT_EQ(familyOf(font), kLatin);
    SelectObject(dc.get(), previous);
    DeleteObject(gdiFont);
}

TEST_F(FontCreation, PlatformFontsEitherArriveOrReportWhy)
{
    // Which of these exist depends on the installed fonts; the wrapper must agree with the status.
    for (int round = 0; round < 3; ++round) {
        Font guiFont;
        FontFamily sans, serif, monospace;
        for (const auto& [created, held] : { std::pair{ guiFont.CreateDefaultGuiFont(), bool(guiFont) },
                 { sans.GenericSansSerif(), bool(sans) }, { serif.GenericSerif(), bool(serif) },
                 { monospace.GenericMonospace(), bool(monospace) } })
            EXPECT_EQ(created, held);
        EXPECT_EQ(bool(monospace), lastStatus() == 0);
        EXPECT_EQ(bool(sans), !sans.GetFamilyName().empty());
    }
}

TEST_F(FontFamilyQueries, InstalledFamiliesAreOwnedCopiesWithShortNames)
{
    FontCollection installed;
    EXPECT_TRUE(installed.GetFamilies().empty()) << "an empty collection lists nothing";
    ASSERT_TRUE(installed.UseInstalledFonts());
    const int count = installed.GetFamilyCount();
    ASSERT_GT(count, 2);
    for (int round = 0; round < 2; ++round) {
        const std::vector<FontFamily> families = installed.GetFamilies();
        ASSERT_EQ(static_cast<int>(families.size()), count);
        for (const FontFamily& family : families) {
            EXPECT_FALSE(family.GetFamilyName().empty());
            EXPECT_LE(family.GetFamilyName().size(), 31u);
        }
    }
    EXPECT_EQ(installed.GetFamilies(2).size(), 2u);
}

TEST_F(StringFormatSettings, GettersReturnWhatWasSet)
{
    struct Case {
        bool (StringFormat::*set)(int);
        int (StringFormat::*get)() const;
        int value;
    };
    StringFormat format;
    ASSERT_TRUE(format.Create());
    for (const Case& c : { Case{ &StringFormat::SetFormatFlags, &StringFormat::GetFormatFlags, 0x5000 },
             Case{ &StringFormat::SetAlignment, &StringFormat::GetAlignment, 2 },
             Case{ &StringFormat::SetLineAlignment, &StringFormat::GetLineAlignment, 1 },
             Case{ &StringFormat::SetTrimming, &StringFormat::GetTrimming, 5 },
             Case{ &StringFormat::SetHotkeyPrefix, &StringFormat::GetHotkeyPrefix, 1 } }) {
        EXPECT_TRUE((format.*c.set)(c.value));
        EXPECT_EQ((format.*c.get)(), c.value);
    }
    ASSERT_TRUE(format.SetTabStops(5, { 10, 20, 30 }));
    EXPECT_EQ(format.GetTabStopCount(), 3);
    EXPECT_EQ(format.GetTabStops().firstOffset, 5);
    EXPECT_EQ(format.GetTabStops().stops, (std::vector<float>{ 10, 20, 30 }));
    ASSERT_TRUE(format.SetDigitSubstitution(0x0401, 2));
    EXPECT_EQ(format.GetDigitSubstitution().language, 0x0401);
    EXPECT_EQ(format.GetDigitSubstitution().method, 2);
    ASSERT_TRUE(format.SetMeasurableCharacterRanges({ { 0, 2 }, { 3, 1 }, { 5, 4 } }));
    EXPECT_EQ(format.GetMeasurableCharacterRangeCount(), 3);

    StringFormat copy;
    ASSERT_TRUE(format.Clone(copy));
    copy.SetAlignment(0);
    EXPECT_EQ(copy.GetTrimming(), 5);
    EXPECT_EQ(format.GetAlignment(), 2);
}

TEST_F(StringFormatSettings, GenericFormatsArePrivateCopies)
{
    for (int round = 0; round < 20; ++round) {
        StringFormat typographic;
        StringFormat plain;
        ASSERT_TRUE(typographic.GenericTypographic());
        ASSERT_TRUE(plain.GenericDefault());
        EXPECT_EQ(typographic.GetFormatFlags() & 0x6004, 0x6004) << "no fit black box, line limit, no clip";
        EXPECT_EQ(plain.GetTrimming(), 1);
        // Changing a copy must not reach the next one.
        EXPECT_EQ(plain.GetAlignment(), 0);
        plain.SetAlignment(2);
        typographic.SetFormatFlags(0);
        EXPECT_TRUE(plain.Delete());
        EXPECT_FALSE(plain.Delete());
    }
}
