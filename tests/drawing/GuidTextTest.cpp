#include <gtest/gtest.h>

#include <objbase.h>

#include <cwctype>
#include <string>

#include "drawing/GuidText.h"
#include "drawing/Image.h"

// Seeded GUIDs, the extremes among them, go to text as the platform writes them, and back in
// either case as the platform reads them.
TEST(GuidText, RoundTripsAsThePlatformWritesAndReads)
{
    std::uint32_t seed = 25;
    for (int round = 0; round < 2000; ++round) {
        GUID guid {};
        auto* bytes = reinterpret_cast<std::uint8_t*>(&guid);
        for (std::size_t i = 0; i < sizeof(guid); ++i) {
            seed = seed * 1664525u + 1013904223u;
            bytes[i] = round == 0 ? 0 : round == 1 ? 0xFF : static_cast<std::uint8_t>(seed >> 24);
        }
        wchar_t platform[40] = {};
        StringFromGUID2(guid, platform, 40);
        std::wstring text = guidText(guid);
        ASSERT_EQ(text, platform);
        for (wchar_t& c : text)
            c = round % 2 ? static_cast<wchar_t>(std::towlower(c)) : c;
        GUID back {}, platformBack {};
        ASSERT_TRUE(guidFromText(text.c_str(), back)) << text;
        ASSERT_EQ(IIDFromString(const_cast<wchar_t*>(text.c_str()), &platformBack), S_OK);
        EXPECT_TRUE(IsEqualGUID(back, guid) && IsEqualGUID(back, platformBack)) << text;
    }
}

TEST(GuidText, AnythingButOneBracedGuidIsRefused)
{
    const wchar_t* refused[] = { nullptr, L"", L"not a guid", L"B96B3CAF-0728-11D3-9D7B-0000F81EF32E",
        L"{B96B3CAF-0728-11D3-9D7B-0000F81EF32E", L"{B96B3CAF-0728-11D3-9D7B-0000F81EF32E}x",
        L"{B96B3CAF-0728-11D3-9D7B-0000F81EF32}", L"{B96B3CAF0728-11D3-9D7B-0000F81EF32E0}",
        L"{B96B3CAG-0728-11D3-9D7B-0000F81EF32E}", L"{ 96B3CAF-0728-11D3-9D7B-0000F81EF32E}" };
    const GUID untouched = { 0x12345678, 0x9ABC, 0xDEF0, { 1, 2, 3, 4, 5, 6, 7, 8 } };
    for (const wchar_t* text : refused) {
        GUID guid = untouched;
        EXPECT_FALSE(guidFromText(text, guid)) << (text ? text : L"(null)");
        EXPECT_TRUE(IsEqualGUID(guid, untouched));
    }
    GUID png {};
    ASSERT_TRUE(guidFromText(kPngFormat, png));
    EXPECT_EQ(guidText(png), kPngFormat);
}
