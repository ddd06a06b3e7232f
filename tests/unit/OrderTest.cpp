#include <gtest/gtest.h>

#include "edit/IconListBox.h"
#include "edit/OrderDlg.h"
#include "res/Dialogs.h"
#include "res/Resource.h"
#include "tests/unit/Harness.h"

namespace {

using dlg::kOrderDown;
using dlg::kOrderList;
using dlg::kOrderUp;

// What the window system asks of the list goes to the box, as a dialog that holds one does.
struct BoxEvents : plat::IDialogEvents {
    void OnInitDialog(plat::IDialog&) override {}
    void OnDrawItem(plat::IDialog&, const plat::DrawItem& item) override { box->DrawItem(item); }
    CIconListBox* box = nullptr;
};

// An icon list box on a dialog of the fake, with icons from files of the fake.
class IconList : public testing::Test {
  protected:
    void SetUp() override {
        for (const char* name : {"A", "B", "C", "D", "E"}) {
            const std::string path = std::string("C:\\") + name + ".EXE";
            h.platform.icons.files[path] = {{32}};
            icons[name] = h.platform.Icons().ModuleIcon(path, 0, plat::IIcons::kSmallSide);
        }
        events.box = &box;
        box.Attach(dialog, kOrderList);
        for (const char* name : {"A", "B", "C", "D"}) box.AddItem(name, icons[name]);
    }
    // Each row's text and the file its icon came from.
    std::vector<std::string> Rows() {
        std::vector<std::string> out;
        for (int i = 0; i < box.Count(); ++i) {
            std::string text;
            box.GetItemText(i, text);
            h.platform.graphics.icons.clear();
            dialog.DrawRow(kOrderList, i, plat::oda::kDrawEntire);
            const auto info = fake::FakeIcons::Describe(
                plat::Icon(h.platform.graphics.icons.at(0).icon, nullptr));
            out.push_back(text + "=" + (info ? info->source.substr(3, 1) : "?"));
        }
        return out;
    }

    Harness h;
    BoxEvents events;
    fake::FakeDialog dialog{dlg::Order(), events, plat::WindowRef{0x77}};
    CIconListBox box{h.platform};
    std::map<std::string, plat::Icon> icons;
};

TEST_F(IconList, RemoveThenInsertKeepsEachIconWithItsText) {
    EXPECT_EQ(box.RemoveItem(2), 3);
    EXPECT_EQ(box.InsertItem(1, "C", icons["C"]), 3);
    EXPECT_EQ(Rows(), (std::vector<std::string>{"A=A", "C=C", "B=B", "D=D"}));
    EXPECT_EQ(dialog.RowCount(kOrderList), 4);
}

TEST_F(IconList, InsertsAtTheFrontAndAppendsPastTheEnd) {
    box.InsertItem(0, "E", icons["E"]);
    box.InsertItem(9, "E", icons["E"]);
    EXPECT_EQ(Rows(), (std::vector<std::string>{"E=E", "A=A", "B=B", "C=C", "D=D", "E=E"}));
}

TEST_F(IconList, RefusesMissingIconsAndRowsThatAreNotThere) {
    EXPECT_EQ(box.AddItem("X", plat::Icon{}), -1);
    EXPECT_EQ(box.InsertItem(-2, "X", icons["E"]), -1);
    EXPECT_EQ(box.RemoveItem(4), -1);
    EXPECT_EQ(box.RemoveItem(-1), -1);
    std::string text = "unchanged";
    box.GetItemText(7, text);
    EXPECT_EQ(text, "unchanged");
    EXPECT_EQ(box.Count(), 4);
    EXPECT_EQ(dialog.RowCount(kOrderList), 4);
}

TEST_F(IconList, RowsAreTwentyHighAndDrawnInTheSelectionsColours) {
    EXPECT_EQ(box.MeasureItem(0), (plat::Size{6 * 1 + 16, 20}));
    dialog.ListSelect(kOrderList, 1);
    h.platform.graphics.rows.clear();
    h.platform.graphics.icons.clear();
    dialog.DrawRow(kOrderList, 1, plat::oda::kSelect);
    dialog.DrawRow(kOrderList, 0, plat::oda::kFocus);  // focus only: no text, no focus frame
    dialog.DrawRow(kOrderList, -1, plat::oda::kDrawEntire);
    ASSERT_EQ(h.platform.graphics.rows.size(), 1u);
    EXPECT_TRUE(h.platform.graphics.rows[0].selected);
    EXPECT_EQ(h.platform.graphics.rows[0].text, "B");
    ASSERT_EQ(h.platform.graphics.icons.size(), 2u);
    EXPECT_EQ(h.platform.graphics.icons[0].at, (plat::Point{1, 22}));
    EXPECT_EQ(h.platform.graphics.icons[0].size, 16);
}

TEST_F(IconList, CopiesOfTheIconsAreReleasedWithTheBox) {
    const int before = fake::FakeIcons::LiveIcons();
    {
        CIconListBox other(h.platform);
        other.Attach(dialog, kOrderList);
        other.AddItem("A", icons["A"]);
        other.AddItem("B", icons["B"]);
        EXPECT_GT(fake::FakeIcons::LiveIcons(), before);
    }
    EXPECT_EQ(fake::FakeIcons::LiveIcons(), before);
}

// The order dialog over three buttons; the script gets the running dialog.
class Order : public testing::Test {
  protected:
    void SetUp() override {
        h.platform.icons.files["C:\\A\\ONE.EXE"] = {{32}};
        h.platform.icons.files["C:\\B\\TWO.EXE"] = {{32}};
        h.store().Put("Button", "Num", 3);
        h.StoreButton(1, "C:\\A\\ONE.EXE", 10, 10);
        h.store().Put("Btn1", "Title", "最初");
        h.StoreButton(2, "C:\\B\\TWO.EXE", 50, 10);
        h.StoreButton(3, "C:\\C\\THREE.EXE", 90, 10);  // no icon anywhere: the cross
        ASSERT_TRUE(h.app.InitInstance());
    }
    std::vector<std::string> Texts(fake::FakeDialog&) {
        std::vector<std::string> out;
        for (auto& b : h.main().m_buttons) out.push_back(OrderRowText(b->Info()));
        return out;
    }
    void Run(std::function<void(fake::FakeDialog&)> script) {
        h.platform.dialogs.dialogScripts.push_back(std::move(script));
        h.main().OnCommand(ID_ORDER);
    }
    Harness h;
};

TEST_F(Order, ListsFileNamesAndMovesTheSelectedButtonUpUntilTheTop) {
    Run([&](fake::FakeDialog& d) {
        EXPECT_EQ(h.main().m_nOpenDialogs, 1);
        EXPECT_EQ(d.RowCount(kOrderList), 3);
        EXPECT_EQ(d.ListSelection(kOrderList), -1);
        EXPECT_EQ(Texts(d), (std::vector<std::string>{"ONE.EXE", "TWO.EXE", "THREE.EXE"}));
        d.ListSelect(kOrderList, 2);
        d.Click(kOrderUp);
        d.Click(kOrderUp);
        EXPECT_EQ(Texts(d), (std::vector<std::string>{"THREE.EXE", "ONE.EXE", "TWO.EXE"}));
        EXPECT_EQ(d.ListSelection(kOrderList), 0);
        d.Click(kOrderUp);
        EXPECT_EQ(Texts(d), (std::vector<std::string>{"THREE.EXE", "ONE.EXE", "TWO.EXE"}));
        // The rows follow the buttons.
        h.platform.graphics.rows.clear();
        for (int i = 0; i < 3; ++i) d.DrawRow(kOrderList, i, plat::oda::kDrawEntire);
        EXPECT_EQ(h.platform.graphics.rows[0].text, "THREE.EXE");
        EXPECT_EQ(h.platform.graphics.rows[1].text, "ONE.EXE");
        d.Click(plat::mb::kIdCancel);
    });
    EXPECT_EQ(h.main().m_nOpenDialogs, 0);
    // The new order is written when the dialog closes.
    EXPECT_EQ(h.StoredString("Btn1", "AppName"), "C:\\C\\THREE.EXE");
    EXPECT_EQ(h.StoredString("Btn3", "AppName"), "C:\\B\\TWO.EXE");
}

TEST_F(Order, DownStopsAtTheBottomAndNothingMovesWithoutASelection) {
    Run([&](fake::FakeDialog& d) {
        d.Click(kOrderUp);
        d.Click(kOrderDown);
        EXPECT_EQ(Texts(d), (std::vector<std::string>{"ONE.EXE", "TWO.EXE", "THREE.EXE"}));
        d.ListSelect(kOrderList, 0);
        d.Click(kOrderDown);
        d.Click(kOrderDown);
        d.Click(kOrderDown);
        EXPECT_EQ(Texts(d), (std::vector<std::string>{"TWO.EXE", "THREE.EXE", "ONE.EXE"}));
        EXPECT_EQ(d.ListSelection(kOrderList), 2);
    });
}

TEST_F(Order, ClosingWithoutAMoveWritesNothing) {
    h.platform.log.clear();
    Run([](fake::FakeDialog& d) { d.Click(plat::mb::kIdCancel); });
    EXPECT_TRUE(h.Calls("Store.Write").empty());
}

TEST_F(Order, AButtonWithoutAnIconShowsTheCross) {
    Run([&](fake::FakeDialog& d) {
        h.platform.graphics.icons.clear();
        d.DrawRow(kOrderList, 2, plat::oda::kDrawEntire);
        ASSERT_EQ(h.platform.graphics.icons.size(), 1u);
        EXPECT_NE(h.platform.graphics.icons[0].icon, 0u);
    });
    EXPECT_EQ(h.Calls("System.LoadResourceIcon 142").size(), 1u);
}

TEST(OrderRows, ShowTheFileNeverTheTitleAndNothingForAFolder) {
    ButtonInfo info;
    info.title = "エディタ";
    info.appName = "C:\\WINDOWS\\NOTEPAD.EXE";
    EXPECT_EQ(OrderRowText(info), "NOTEPAD.EXE");
    info.appName = "C:\\TOOLS\\";
    EXPECT_EQ(OrderRowText(info), "");
}

}  // namespace
