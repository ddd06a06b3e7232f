#include <windows.h>
#include <objbase.h>

#include <gtest/gtest.h>

#include <optional>
#include <thread>

#include "RealFiles.h"
#include "platform/win32/Win32Platform.h"

namespace {

// The apartment of the calling thread; none when COM is not started on it.
std::optional<APTTYPE> Apartment() {
    APTTYPE type{};
    APTTYPEQUALIFIER qualifier{};
    if (FAILED(CoGetApartmentType(&type, &qualifier))) return std::nullopt;
    return type;
}

// On a thread of its own, so that nothing else in this process started COM on it before.
TEST(PlatformSetUp, TheUserInterfaceThreadIsASingleThreadedApartmentWhileThePlatformLives) {
    std::optional<APTTYPE> before, during, after;
    std::thread([&] {
        before = Apartment();
        {
            win32::Win32Platform platform;
            during = Apartment();
        }
        after = Apartment();
    }).join();
    EXPECT_FALSE(before.has_value());
    ASSERT_TRUE(during.has_value()) << "COM is not started";
    EXPECT_TRUE(*during == APTTYPE_STA || *during == APTTYPE_MAINSTA) << *during;
    EXPECT_FALSE(after.has_value()) << "COM is not ended with the platform";
}

TEST(PlatformSetUp, AThreadAlreadyInAnotherApartmentKeepsIt) {
    std::optional<APTTYPE> during, after;
    std::thread([&] {
        CoInitializeEx(nullptr, COINIT_MULTITHREADED);
        {
            win32::Win32Platform platform;
            during = Apartment();
        }
        after = Apartment();
        CoUninitialize();
    }).join();
    EXPECT_EQ(during, std::optional<APTTYPE>(APTTYPE_MTA));
    EXPECT_EQ(after, std::optional<APTTYPE>(APTTYPE_MTA));
}

// A library asked for by its bare name is never taken from the current folder.
TEST(PlatformSetUp, ALibraryInTheCurrentFolderIsNotLoadedByItsBareName) {
    const real::Scratch scratch;
    scratch.Copy(real::SystemDir() + L"msimg32.dll", L"brisplant.dll");
    std::wstring current(GetCurrentDirectoryW(0, nullptr), L'\0');
    current.resize(GetCurrentDirectoryW(static_cast<DWORD>(current.size()), current.data()));
    SetCurrentDirectoryW(scratch.Path().c_str());
    HMODULE loaded = nullptr;
    {
        win32::Win32Platform platform;
        loaded = LoadLibraryW(L"brisplant.dll");
    }
    SetCurrentDirectoryW(current.c_str());
    EXPECT_EQ(loaded, nullptr);
    if (loaded != nullptr) FreeLibrary(loaded);
}

}  // namespace
