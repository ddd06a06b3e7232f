#include <gtest/gtest.h>

#include "clock/WatchWnd.h"
#include "res/Dialogs.h"
#include "res/Resource.h"
#include "tests/unit/Harness.h"

namespace {

// What the program holds of the system: icons, image lists, fonts and windows alive. The fake
// has no bitmaps to count: the faces are composed by the drawing port on each paint.
struct Held {
    int icons, imageLists, fonts, windows;
    friend bool operator==(const Held&, const Held&) = default;
};

Held Now(const fake::FakePlatform& platform) {
    int windows = 0;
    for (const auto& [id, w] : platform.windows.windows) windows += w.destroyed ? 0 : 1;
    return {fake::FakeIcons::LiveIcons(), fake::FakeIcons::LiveImageLists(), fake::LiveHandles(),
            windows};
}

std::ostream& operator<<(std::ostream& out, const Held& h) {
    return out << h.icons << " icons, " << h.imageLists << " image lists, " << h.fonts << " fonts, "
               << h.windows << " windows";
}

// A long day of use: the clock ticking, entries edited with a new icon each time, buttons put
// in a new order and lined up again and again. Whatever it did, the program holds as much of
// the system afterwards as before.
TEST(Soak, ALongDayOfUseHoldsNoMoreOfTheSystemThanItsStart) {
    Harness h;
    const char* files[] = {"C:\\TOOLS\\EDIT.EXE", "C:\\TOOLS\\PAINT.EXE", "C:\\TOOLS\\ICONS.DLL"};
    h.platform.icons.files[files[0]] = {{32, 48}};
    h.platform.icons.files[files[1]] = {{32}};
    h.platform.icons.files[files[2]] = {{32, 32, 32}};
    h.store().Put("Button", "Num", 5);
    for (int n = 1; n <= 5; ++n) h.StoreButton(n, files[n % 3], 40 * n, 100);
    ASSERT_TRUE(h.app.InitInstance());
    CMainWnd& main = h.main();
    main.OnCommand(ID_CLOCK);
    ASSERT_NE(main.m_pWatch, nullptr);
    const auto edit = [&](int n) {
        const std::string file = files[n % 3];
        h.platform.dialogs.dialogScripts.push_back([file](fake::FakeDialog& d) {
            d.Type(dlg::kSetPath, file);
            d.Click(plat::mb::kIdOk);
        });
        main.m_buttons[static_cast<std::size_t>(n % 5)]->OnCommand(ID_BUTTON_SETTINGS);
        h.platform.log.clear();
    };
    // Buttons of one file share its icon from start-up until one of them is edited; the day
    // begins once every button holds an icon of its own.
    for (int n = 0; n < 5; ++n) edit(n);
    const Held before = Now(h.platform);

    for (int tick = 0; tick < 10'000; ++tick) {
        main.m_pWatch->OnTimer(1);
        if (tick % 1000 == 0) h.platform.log.clear();
    }
    for (int n = 0; n < 1'000; ++n) edit(n);
    for (int move = 0; move < 1'000; ++move) {
        h.platform.dialogs.dialogScripts.push_back([&](fake::FakeDialog& d) {
            d.ListSelect(dlg::kOrderList, move % 5);
            d.Click(move % 2 ? dlg::kOrderUp : dlg::kOrderDown);
            d.Click(plat::mb::kIdOk);
        });
        main.OnCommand(ID_ORDER);
        h.platform.log.clear();
    }
    const int arrangements[] = {ID_ALIGN_TOP, ID_ALIGN_BOTTOM, ID_ALIGN_LEFT, ID_ALIGN_RIGHT,
                                ID_SPREAD};
    for (int i = 0; i < 1'000; ++i) {
        main.OnCommand(arrangements[i % 5]);
        h.platform.log.clear();
    }

    const Held after = Now(h.platform);
    std::printf("held before: %s\nheld after:  %s\n", testing::PrintToString(before).c_str(),
                testing::PrintToString(after).c_str());
    EXPECT_EQ(after, before);
    EXPECT_EQ(main.ButtonCount(), 5);
    EXPECT_GE(h.platform.graphics.texts.size(), 10'000u) << "every tick drew the clock";
}

}  // namespace
