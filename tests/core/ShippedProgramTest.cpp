#include <gtest/gtest.h>

#include <windows.h>

#include <cstdlib>
#include <string>
#include <vector>

#include "core/Win32Handles.h"

namespace {

using UniqueModule = UniqueHandle<HMODULE, &FreeLibrary>;

UniqueModule loadShippedProgram()
{
    const char* path = std::getenv("KXFIX_SHIPPED_KXFIX");
    return UniqueModule(path ? LoadLibraryExA(path, nullptr, LOAD_LIBRARY_AS_DATAFILE) : nullptr);
}

} // namespace

TEST(ShippedProgram, CarriesTheApplicationIconAndAnAdministratorManifest)
{
    UniqueModule image = loadShippedProgram();
    ASSERT_TRUE(image) << "KXFIX_SHIPPED_KXFIX names the shipped kxfix.exe";

    HICON icon = static_cast<HICON>(LoadImageW(image.get(), MAKEINTRESOURCEW(129), IMAGE_ICON, 16, 16, 0));
    EXPECT_NE(icon, nullptr);
    if (icon)
        DestroyIcon(icon);

    HRSRC found = FindResourceW(image.get(), MAKEINTRESOURCEW(1), MAKEINTRESOURCEW(24));
    ASSERT_NE(found, nullptr);
    const char* text = static_cast<const char*>(LockResource(LoadResource(image.get(), found)));
    std::string manifest(text, SizeofResource(image.get(), found));
    EXPECT_NE(manifest.find("level=\"requireAdministrator\""), std::string::npos);
    EXPECT_NE(manifest.find("8e0f7a12-bfb3-4fe8-b9a5-48fd50a15a9a"), std::string::npos);
}

TEST(ShippedProgram, CarriesItsVersion)
{
    const char* path = std::getenv("KXFIX_SHIPPED_KXFIX");
    ASSERT_NE(path, nullptr);
    DWORD size = GetFileVersionInfoSizeA(path, nullptr);
    ASSERT_GT(size, 0u);
    std::vector<char> info(size);
    ASSERT_TRUE(GetFileVersionInfoA(path, 0, size, info.data()));
    for (const wchar_t* key : {L"ProductName", L"FileDescription", L"ProductVersion"}) {
        void* value = nullptr;
        UINT length = 0;
        std::wstring query = std::wstring(L"\\StringFileInfo\\080404b0\\") + key;
        EXPECT_TRUE(VerQueryValueW(info.data(), query.c_str(), &value, &length) && length > 1) << key;
    }
}
