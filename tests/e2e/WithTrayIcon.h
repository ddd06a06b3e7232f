// A test that starts the program on an empty store and waits for its tray icon; the program is
// closed again at the end, as a user would close it.
#pragma once

#include <windows.h>

#include <gtest/gtest.h>

#include "tests/e2e/Driver.h"

namespace e2e {

class WithTrayIcon : public testing::Test {
  protected:
    void SetUp() override {
        ClearStore();
        ASSERT_TRUE(program.Start());
        ASSERT_TRUE(WaitUntil(
            [&] { return (main = FindWindowOf(program.Id(), nullptr, L"Brisalt")) != nullptr; }));
        ASSERT_TRUE(WaitUntil([&] { return TrayIconPoint(icon); })) << "no tray icon";
    }
    void TearDown() override {
        if (program.Running()) {
            PostMessageW(main, WM_CLOSE, 0, 0);
            program.WaitForExit(std::chrono::seconds(10));
        }
    }
    HWND OpenMenu() { return OpenTrayMenu(icon); }

    Process program;
    HWND main = nullptr;
    POINT icon{};
};

}  // namespace e2e
