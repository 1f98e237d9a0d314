// The version resource of the shipped program, read as Explorer's file properties and
// installers read it: from the file, with GetFileVersionInfo.
#include <windows.h>

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "EditorProcess.h"
#include "core/Texts.h"

namespace {

std::vector<char> ReadVersionInfo() {
    const std::wstring path = EditorPath();
    DWORD ignored = 0;
    const DWORD size = GetFileVersionInfoSizeW(path.c_str(), &ignored);
    std::vector<char> block(size);
    if (size == 0 || !GetFileVersionInfoW(path.c_str(), 0, size, block.data())) block.clear();
    return block;
}

// A string of the Japanese, Unicode table; empty when it is missing.
std::wstring StringValue(std::vector<char>& block, const wchar_t* name) {
    const std::wstring query = std::wstring(L"\\StringFileInfo\\041104b0\\") + name;
    wchar_t* value = nullptr;
    UINT length = 0;
    if (!VerQueryValueW(block.data(), query.c_str(), reinterpret_cast<void**>(&value), &length) ||
        value == nullptr)
        return std::wstring();
    return std::wstring(value);  // the stored length may or may not count the final zero
}

}  // namespace

TEST(VersionInfo, FixedPartSaysVersionOneApplication) {
    std::vector<char> block = ReadVersionInfo();
    ASSERT_FALSE(block.empty()) << "picoran-editor.exe carries no version resource";
    VS_FIXEDFILEINFO* fixed = nullptr;
    UINT length = 0;
    ASSERT_TRUE(VerQueryValueW(block.data(), L"\\", reinterpret_cast<void**>(&fixed), &length));
    ASSERT_GE(length, sizeof(VS_FIXEDFILEINFO));
    EXPECT_EQ(fixed->dwSignature, 0xFEEF04BDu);
    EXPECT_EQ(fixed->dwFileVersionMS, MAKELONG(0, 1));  // 1.0
    EXPECT_EQ(fixed->dwFileVersionLS, 0u);              // .0.0
    EXPECT_EQ(fixed->dwProductVersionMS, MAKELONG(0, 1));
    EXPECT_EQ(fixed->dwProductVersionLS, 0u);
    EXPECT_EQ(fixed->dwFileType, static_cast<DWORD>(VFT_APP));
    EXPECT_EQ(fixed->dwFileFlags & fixed->dwFileFlagsMask, 0u);  // no debug or pre-release build
}

TEST(VersionInfo, TextsAreJapaneseUnicodeWithTheProductName) {
    std::vector<char> block = ReadVersionInfo();
    ASSERT_FALSE(block.empty());
    WORD* translation = nullptr;
    UINT length = 0;
    ASSERT_TRUE(VerQueryValueW(block.data(), L"\\VarFileInfo\\Translation",
                               reinterpret_cast<void**>(&translation), &length));
    ASSERT_GE(length, 4u);
    EXPECT_EQ(translation[0], 0x0411);  // Japanese
    EXPECT_EQ(translation[1], 1200);    // UTF-16

    EXPECT_EQ(StringValue(block, L"ProductName"), L"\u3074\u3053\u3089\u3093\u30a8\u30c7\u30a3\u30bf");
    EXPECT_EQ(StringValue(block, L"ProductVersion"), L"1.0.0");
    EXPECT_EQ(StringValue(block, L"FileVersion"), L"1.0.0");
    EXPECT_EQ(StringValue(block, L"OriginalFilename"), L"picoran-editor.exe");
}

// The name in the resource is the title the program shows in its caption, as the
// Shift_JIS bytes an ANSI caller receives on Japanese Windows.
TEST(VersionInfo, ProductNameMatchesTheCaptionTitle) {
    ASSERT_EQ(GetACP(), 932u) << "needs the Japanese code page (LANG=ja_JP.UTF-8 under Wine)";
    const std::wstring path = EditorPath();
    std::string narrowPath(MAX_PATH, '\0');
    narrowPath.resize(static_cast<size_t>(WideCharToMultiByte(
        CP_ACP, 0, path.c_str(), -1, &narrowPath[0], MAX_PATH, nullptr, nullptr)));
    DWORD ignored = 0;
    const DWORD size = GetFileVersionInfoSizeA(narrowPath.c_str(), &ignored);
    ASSERT_GT(size, 0u);
    std::vector<char> block(size);
    ASSERT_TRUE(GetFileVersionInfoA(narrowPath.c_str(), 0, size, block.data()));
    char* name = nullptr;
    UINT length = 0;
    ASSERT_TRUE(VerQueryValueA(block.data(), "\\StringFileInfo\\041104b0\\ProductName",
                               reinterpret_cast<void**>(&name), &length));
    EXPECT_STREQ(name, texts::kProductTitle);
}

// The application manifest travels inside the program: Common Controls 6 for the system's
// look, system DPI awareness, Windows 7 to 11, and no elevation.
TEST(Manifest, IsInTheProgramWithItsFourSettings) {
    HMODULE program = LoadLibraryExW(EditorPath().c_str(), nullptr,
                                     LOAD_LIBRARY_AS_DATAFILE | LOAD_LIBRARY_AS_IMAGE_RESOURCE);
    ASSERT_NE(program, nullptr);
    HRSRC found = FindResourceW(program, MAKEINTRESOURCEW(1), MAKEINTRESOURCEW(24));
    ASSERT_NE(found, nullptr) << "no manifest resource";
    const char* bytes = static_cast<const char*>(LockResource(LoadResource(program, found)));
    const std::string manifest(bytes, SizeofResource(program, found));
    FreeLibrary(program);
    for (const char* part : {"Microsoft.Windows.Common-Controls\" version=\"6.0.0.0\"",
                             "<dpiAware xmlns=\"http://schemas.microsoft.com/SMI/2005/WindowsSettings\">true</dpiAware>",
                             "{35138b9a-5d96-4fbd-8e2d-a2440225f93a}",  // Windows 7
                             "{4a2f28e3-53b9-4441-ba9c-d69d4a4a6e38}",  // 8
                             "{1f676c76-80e1-4239-95bb-83d0f6d0da78}",  // 8.1
                             "{8e0f7a12-bfb3-4fe8-b9a5-48fd50a15a9a}",  // 10 and 11
                             "level=\"asInvoker\""})
        EXPECT_NE(manifest.find(part), std::string::npos) << part;
}
