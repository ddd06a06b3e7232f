#include <windows.h>

#include <gtest/gtest.h>

#include <string>

#include "RealFiles.h"
#include "edit/LoadIcon.h"
#include "platform/win32/Utf.h"
#include "platform/win32/Win32Platform.h"
#include "tools/TestIcons.h"

namespace {

using win32::Narrow;

HICON Raw(const plat::Icon& icon) { return reinterpret_cast<HICON>(icon.Get()); }

SIZE IconSize(const plat::Icon& icon) {
    ICONINFO info{};
    if (!GetIconInfo(Raw(icon), &info)) return {0, 0};
    BITMAP bm{};
    GetObjectW(info.hbmColor != nullptr ? info.hbmColor : info.hbmMask, sizeof bm, &bm);
    const LONG height = info.hbmColor != nullptr ? bm.bmHeight : bm.bmHeight / 2;
    if (info.hbmColor != nullptr) DeleteObject(info.hbmColor);
    DeleteObject(info.hbmMask);
    return {bm.bmWidth, height};
}

// The colour at the icon's centre as 0xRRGGBB, drawn over black.
std::uint32_t CentreColour(const plat::Icon& icon, int size) {
    BITMAPINFO bmi{};
    bmi.bmiHeader.biSize = sizeof bmi.bmiHeader;
    bmi.bmiHeader.biWidth = size;
    bmi.bmiHeader.biHeight = -size;
    bmi.bmiHeader.biPlanes = 1;
    bmi.bmiHeader.biBitCount = 32;
    void* bits = nullptr;
    HDC dc = CreateCompatibleDC(nullptr);
    HBITMAP dib = CreateDIBSection(dc, &bmi, DIB_RGB_COLORS, &bits, nullptr, 0);
    HGDIOBJ old = SelectObject(dc, dib);
    DrawIconEx(dc, 0, 0, Raw(icon), size, size, 0, nullptr, DI_NORMAL);
    GdiFlush();
    const std::uint32_t pixel = static_cast<const std::uint32_t*>(bits)[size / 2 * size + size / 2];
    SelectObject(dc, old);
    DeleteObject(dib);
    DeleteDC(dc);
    return pixel & 0xFFFFFF;
}

std::uint32_t TestColour(int i) {
    return art::kTestIcons[static_cast<std::size_t>(i)].argb & 0xFFFFFF;
}

class RealIcons : public testing::TestWithParam<int> {
  protected:
    int Size() const { return GetParam() ? kSmallIconSize : kLargeIconSize; }
    CLoadIcon& Loader(const std::wstring& file) {
        loader.Create(GetParam());
        loader.SetFile(Narrow(file));
        return loader;
    }
    void ExpectExactSize(const plat::Icon& icon) {
        ASSERT_TRUE(icon);
        const SIZE size = IconSize(icon);
        EXPECT_EQ(size.cx, Size());
        EXPECT_EQ(size.cy, Size());
    }
    std::wstring FiveIcons() const { return real::BuildDir() + L"fiveicons.dll"; }

    real::Scratch scratch;
    win32::Win32Platform platform;
    CLoadIcon loader{platform};
};

TEST_P(RealIcons, FiveIconModuleGivesEachIconAtTheLoadersSizeThenFallsBack) {
    CLoadIcon& l = Loader(FiveIcons());
    EXPECT_EQ(l.GetIconCount(), 5);
    for (int i = 0; i < 5; ++i) {
        const plat::Icon icon = l.GetIcon(i);
        ExpectExactSize(icon);
        EXPECT_EQ(CentreColour(icon, Size()), TestColour(i)) << "icon " << i;
    }
    EXPECT_EQ(l.GetIconCount(), 5);
    ExpectExactSize(l.GetIcon(5));
    EXPECT_EQ(l.GetIconCount(), 1);
}

TEST_P(RealIcons, ModuleWithoutIconsCountsNoneThenTheShellsOne) {
    CLoadIcon& l = Loader(real::BuildDir() + L"noicons.dll");
    EXPECT_EQ(l.GetIconCount(), 0);
    ExpectExactSize(l.GetIcon(0));
    EXPECT_EQ(l.GetIconCount(), 1);
}

TEST_P(RealIcons, ModuleInAFolderOfAnyScriptOrLengthIsRead) {
    for (const std::wstring& folder :
         {std::wstring(L"アイコン Ελληνικά"), real::LongFolderBelow(scratch.Path())}) {
        const std::wstring copy = scratch.Copy(FiveIcons(), folder + L"\\Five.DLL");
        CLoadIcon& l = Loader(copy);
        EXPECT_EQ(l.GetIconCount(), 5) << Narrow(copy);
        const plat::Icon icon = l.GetIcon(4);
        ExpectExactSize(icon);
        EXPECT_EQ(CentreColour(icon, Size()), TestColour(4));
    }
}

// Wine's shell shows a generic picture for .ico files, Windows the file's own; either way it
// is the shell's, at the loader's size, and the file counts one icon.
TEST_P(RealIcons, IconFileTakesTheShellsIconAtTheLoadersSize) {
    const std::wstring ico = scratch.Copy(real::BuildDir() + L"testicons\\size48.ico", L"pic.ICO");
    CLoadIcon& l = Loader(ico);
    EXPECT_EQ(l.GetIconCount(), 1);
    ExpectExactSize(l.GetIcon(0));
    EXPECT_EQ(l.GetIconCount(), 1);
}

TEST_P(RealIcons, SystemModulesAndOtherFilesComeAtTheLoadersSize) {
    const std::wstring sys = real::SystemDir();
    for (const std::wstring& module :
         {sys + L"shell32.dll", sys + L"NOTEPAD.EXE", sys + L"winemine.exe"}) {
        CLoadIcon& l = Loader(module);
        const int count = l.GetIconCount();
        EXPECT_GE(count, 1) << Narrow(module);
        ExpectExactSize(l.GetIcon(0));
        ExpectExactSize(l.GetIcon(count - 1));
        EXPECT_EQ(l.GetIconCount(), count);
    }
    const std::wstring readme = scratch.Copy(sys + L"notepad.exe", L"README");
    for (const std::wstring& other : {sys + L"joy.cpl", sys + L"rundll32.exe", readme, sys}) {
        CLoadIcon& l = Loader(other);
        ExpectExactSize(l.GetIcon(0));
        EXPECT_EQ(l.GetIconCount(), 1) << Narrow(other);
    }
}

TEST_P(RealIcons, EmptyOrMissingPathYieldsNone) {
    for (const std::wstring& path :
         {std::wstring(), scratch.Path() + L"missing.exe", scratch.Path() + L"missing.txt"}) {
        CLoadIcon& l = Loader(path);
        EXPECT_FALSE(l.GetIcon(0)) << Narrow(path);
    }
}

INSTANTIATE_TEST_SUITE_P(Sizes, RealIcons, testing::Values(0, 1),
                         [](const testing::TestParamInfo<int>& info) {
                             return info.param ? std::string("Small") : std::string("Large");
                         });

}  // namespace
