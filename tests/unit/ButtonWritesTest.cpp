// What each kind of finished change writes to the store, read from the fake's log of writes: the
// sections of the buttons that changed, whole and in number order, and "Num" last when it moved.
#include <gtest/gtest.h>

#include <map>

#include "res/Dialogs.h"
#include "res/Resource.h"
#include "tests/unit/Harness.h"

namespace {

// Five buttons the program has written once already, so the store holds just what they show;
// the second stands where a row from the first puts it, and is the only one of size 48.
class Writes : public testing::Test {
  protected:
    void SetUp() override {
        h.store().Put("Button", "Num", 5);
        const std::pair<int, int> places[] = {
            {10, 20}, {46, 20}, {300, 300}, {400, 300}, {500, 300}};
        for (int n = 1; n <= 5; ++n) {
            h.StoreButton(n, Path(n), places[n - 1].first, places[n - 1].second);
        }
        ASSERT_TRUE(h.app.InitInstance());
        h.main().SaveAllButtons();
        for (int n = 1; n <= 5; ++n) before[n] = h.StoredString(ButtonSection(n), "AppName");
        h.platform.log.clear();
    }
    static std::string Path(int n) { return "C:\\TOOLS\\T" + std::to_string(n) + ".EXE"; }
    CLaunchButton& button(int i) { return *h.main().m_buttons[static_cast<std::size_t>(i)]; }

    // The writes in order, a section's run of keys as its name, "Num" with its value; a button's
    // run must hold every key of its section.
    std::vector<std::string> Written() {
        std::vector<std::string> out;
        std::string section;
        int keys = 0;
        auto flush = [&] {
            if (keys == 0) return;
            if (section.rfind("Btn", 0) == 0) {
                EXPECT_EQ(keys, 8) << section << " is written whole";
            }
            out.push_back(section);
            keys = 0;
        };
        for (const auto& call : h.Calls("Store.Write")) {
            const std::string target = call.substr(call.find(' ') + 1);
            const std::string name = target.substr(0, target.find('/'));
            if (name == "Button") {
                flush();
                out.push_back("Num=" + target.substr(target.find('=') + 1));
                continue;
            }
            if (name != section) flush();
            section = name;
            ++keys;
        }
        flush();
        return out;
    }

    Harness h;
    std::map<int, std::string> before;  // each section's program path before the change
};

using Sections = std::vector<std::string>;

TEST_F(Writes, ADragsEndATopmostToggleAndAnEditWriteThatButtonsSectionOnly) {
    h.platform.windows.MoveWindow(button(2).Window(), 120, 130, 35, 35);
    button(2).OnExitSizeMove();
    EXPECT_EQ(Written(), (Sections{"Btn3"}));
    EXPECT_EQ(h.StoredString("Btn3", "Data"), "0,0,120,130,155,165");

    h.platform.log.clear();
    button(4).OnCommand(ID_BUTTON_TOPMOST);
    EXPECT_EQ(Written(), (Sections{"Btn5"}));
    EXPECT_EQ(h.StoredInt("Btn5", "Option"), 1);

    h.platform.log.clear();
    h.platform.dialogs.dialogScripts.push_back([](fake::FakeDialog& d) {
        d.Type(dlg::kSetTitle, "エディタ");
        d.Click(plat::mb::kIdOk);
    });
    button(0).OnCommand(ID_BUTTON_SETTINGS);
    EXPECT_EQ(Written(), (Sections{"Btn1"}));
    EXPECT_EQ(h.StoredString("Btn1", "Title"), "エディタ");

    h.platform.log.clear();
    button(1).OnExitSizeMove();  // a drag that ended where it began
    EXPECT_EQ(Written(), Sections{});
}

TEST_F(Writes, AnAdditionWritesTheNewSectionAndThenTheCount) {
    h.platform.dialogs.dialogScripts.push_back([](fake::FakeDialog& d) {
        d.Type(dlg::kSetPath, "C:\\NEW.EXE");
        d.Click(plat::mb::kIdOk);
    });
    h.main().OnCommand(ID_ADD_BUTTON);
    EXPECT_EQ(Written(), (Sections{"Btn6", "Num=6"}));
    EXPECT_EQ(h.StoredString("Btn6", "AppName"), "C:\\NEW.EXE");
}

TEST_F(Writes, ANewOrderWritesTheSectionsWhoseButtonMovedOnly) {
    h.platform.dialogs.dialogScripts.push_back([](fake::FakeDialog& d) {
        d.ListSelect(dlg::kOrderList, 2);
        d.Click(dlg::kOrderUp);
        d.Click(dlg::kOrderUp);
        d.Click(plat::mb::kIdCancel);
    });
    h.main().OnCommand(ID_ORDER);
    EXPECT_EQ(Written(), (Sections{"Btn1", "Btn2", "Btn3"}));
    EXPECT_EQ(h.StoredString("Btn1", "AppName"), Path(3));
    EXPECT_EQ(h.StoredString("Btn3", "AppName"), Path(2));
}

TEST_F(Writes, AnArrangementAndOneSizeForAllWriteTheButtonsThatChanged) {
    h.store().Put("Btn2", "Size", 48);
    h.main().m_buttons[1]->SetButtonSize(plat::Dip(48));
    h.main().SaveAllButtons();
    h.platform.log.clear();

    h.platform.dialogs.dialogScripts.push_back([](fake::FakeDialog& d) {
        d.SetItemText(dlg::kSizeEdit, "36");
        d.Click(plat::mb::kIdOk);
    });
    h.main().OnCommand(ID_SAME_SIZE);
    EXPECT_EQ(Written(), (Sections{"Btn2"}));

    h.platform.log.clear();
    h.main().OnCommand(ID_ALIGN_TOP);
    EXPECT_EQ(Written(), (Sections{"Btn3", "Btn4", "Btn5"}));
    EXPECT_EQ(h.StoredString("Btn5", "Data"), "0,0,154,20,189,55");
}

TEST_F(Writes, AnExitWritesOnlyWhatDiffersFromWhatWasLastWritten) {
    button(3).OnCommand(ID_BUTTON_TOPMOST);
    h.platform.windows.MoveWindow(button(0).Window(), 600, 20, 35, 35);  // not yet saved
    h.platform.log.clear();
    h.main().OnClose();
    EXPECT_EQ(Written(), (Sections{"Btn1", "Watch"}));
    EXPECT_EQ(h.StoredString("Btn1", "Data"), "0,0,600,20,635,55");
    EXPECT_EQ(h.StoredInt("Btn4", "Option"), 1);
}

// A deletion, cut short after any one of its writes as a hard kill would: the store then still
// counts every remaining button, at worst one of them twice.
class Deletion : public Writes, public testing::WithParamInterface<int> {};

TEST_P(Deletion, WritesTheShiftedSectionsBeforeTheCountAndLosesNothingOnTheWay) {
    const int gone = GetParam();
    h.platform.dialogs.messageBoxAnswers = {plat::mb::kIdOk};
    button(gone - 1).OnCommand(ID_BUTTON_DELETE);

    Sections expected;
    for (int n = gone; n < 5; ++n) expected.push_back(ButtonSection(n));
    expected.push_back("Num=4");
    EXPECT_EQ(Written(), expected);
    EXPECT_EQ(h.StoredString("Btn5", "AppName"), Path(5)) << "the old last section stays";

    std::map<int, std::string> store = before;
    int num = 5;
    auto everyoneCounted = [&] {
        for (int n = 1; n <= 5; ++n) {
            if (n == gone) continue;
            bool found = false;
            for (int s = 1; s <= num; ++s) found = found || store[s] == Path(n);
            if (!found) return false;
        }
        return true;
    };
    for (const auto& call : h.Calls("Store.Write")) {
        const std::string target = call.substr(call.find(' ') + 1);
        const std::string value = target.substr(target.find('=') + 1);
        if (target.rfind("Button/Num=", 0) == 0) num = std::stoi(value);
        if (target.find("/AppName=") != std::string::npos)
            store[std::stoi(target.substr(3))] = value;
        EXPECT_TRUE(everyoneCounted()) << "killed after " << call;
    }
}

INSTANTIATE_TEST_SUITE_P(FirstMiddleLast, Deletion, testing::Values(1, 3, 5));

}  // namespace
