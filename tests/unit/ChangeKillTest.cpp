// A kill at any single write of a finished change: the next start reads every button and the
// clock as they were before the change or as they are after it, never a mix, a loss or a double.
#include <gtest/gtest.h>

#include <climits>
#include <functional>

#include "app/ButtonStore.h"
#include "app/FileStore.h"
#include "app/JournalStore.h"
#include "app/MainApp.h"
#include "app/SettingsTransfer.h"
#include "app/StoreChange.h"
#include "clock/WatchWnd.h"
#include "platform/fake/FakePlatform.h"
#include "res/Dialogs.h"
#include "res/Resource.h"
#include "shell/MainWnd.h"

namespace {

// Hands the first `limit` writes to the store and drops every later one, as the end of the
// process at that moment would.
class StoppingStore : public plat::ISettingsStore {
  public:
    explicit StoppingStore(plat::ISettingsStore& store) : m_store(store) {}
    void SetLocation(std::string_view maker, std::string_view application) override {
        m_store.SetLocation(maker, application);
    }
    int ReadInt(std::string_view section, std::string_view key, int fallback) override {
        return m_store.ReadInt(section, key, fallback);
    }
    std::string ReadString(std::string_view section, std::string_view key,
                           std::string_view fallback) override {
        return m_store.ReadString(section, key, fallback);
    }
    void WriteInt(std::string_view section, std::string_view key, int value) override {
        if (writes++ < limit) m_store.WriteInt(section, key, value);
    }
    void WriteString(std::string_view section, std::string_view key,
                     std::string_view value) override {
        if (writes++ < limit) m_store.WriteString(section, key, value);
    }
    void BeginChange() override { m_store.BeginChange(); }
    void CommitChange() override { m_store.CommitChange(); }

    int limit = INT_MAX;
    int writes = 0;

  private:
    plat::ISettingsStore& m_store;
};

// The in-memory platform with the store as the program gets the registry: behind its journal.
struct JournalledPlatform : fake::FakePlatform {
    plat::ISettingsStore& Store() override { return journal; }
    StoppingStore stopping{store};
    JournalStore journal{stopping};
};

struct Entry {
    ButtonInfo info;
    int option = 0;
    friend bool operator==(const Entry&, const Entry&) = default;
};
// What a start reads: the buttons in their order and the clock's values.
struct Stored {
    std::vector<Entry> buttons;
    std::vector<std::optional<fake::Value>> watch;
    friend bool operator==(const Stored&, const Stored&) = default;
};

Stored ReadAtStart(const fake::Values& values) {
    std::vector<std::string> log;
    fake::FakeSettingsStore store(log);
    store.Replace(values);
    JournalStore journal(store);
    Stored out;
    const int num = journal.ReadInt("Button", "Num", 0);
    for (int n = 1; n <= num; ++n) {
        Entry e;
        LoadButtonInfo(journal, n, e.info, e.option);
        out.buttons.push_back(e);
    }
    for (const char* key :
         {"Show", "Positon", "TopMost", "BkColor", "TextColor", "WatchFont", "WatchFontName"}) {
        out.watch.push_back(store.Get("Watch", key));
    }
    return out;
}

// Three buttons and the clock, as the program's own exit wrote them.
fake::Values FirstStore() {
    fake::FakePlatform p;
    p.store.Put("Button", "Num", 3);
    const char* paths[] = {"C:\\A\\ONE.EXE", "C:\\B\\TWO.EXE", "C:\\C\\THREE.EXE"};
    for (int n = 1; n <= 3; ++n) {
        const std::string s = ButtonSection(n);
        p.store.Put(s, "AppName", paths[n - 1]);
        p.store.Put(s, "Title", "タイトル\t" + std::to_string(n));
        p.store.Put(s, "Data", "0,0," + std::to_string(100 * n) + ",50,0,0");
    }
    p.store.Put("Watch", "Show", 1);
    CMainApp app(p);
    EXPECT_TRUE(app.InitInstance());
    app.MainWnd()->OnCommand(ID_APP_EXIT);
    return p.store.All();
}

struct Change {
    const char* name;
    std::function<void(fake::FakePlatform&, CMainWnd&)> make;
};

const Change kChanges[] = {
    {"Order",
     [](fake::FakePlatform& p, CMainWnd& main) {
         p.dialogs.dialogScripts.push_back([](fake::FakeDialog& d) {
             d.ListSelect(dlg::kOrderList, 2);
             d.Click(dlg::kOrderUp);
             d.Click(dlg::kOrderUp);
             d.Click(plat::mb::kIdCancel);
         });
         main.OnCommand(ID_ORDER);
     }},
    {"Delete",
     [](fake::FakePlatform& p, CMainWnd& main) {
         p.dialogs.messageBoxAnswers.push_back(plat::mb::kIdOk);
         main.m_buttons[0]->OnCommand(ID_BUTTON_DELETE);
     }},
    {"Add",
     [](fake::FakePlatform& p, CMainWnd& main) {
         p.dialogs.dialogScripts.push_back([](fake::FakeDialog& d) {
             d.Type(dlg::kSetPath, "C:\\NEW\\FOUR.EXE");
             d.Click(plat::mb::kIdOk);
         });
         main.OnCommand(ID_ADD_BUTTON);
     }},
    {"SettingsOk",
     [](fake::FakePlatform& p, CMainWnd& main) {
         p.dialogs.dialogScripts.push_back([](fake::FakeDialog& d) {
             d.Type(dlg::kSetTitle, "新しい名前");
             d.Type(dlg::kSetPath, "C:\\OTHER.EXE");
             d.Click(plat::mb::kIdOk);
         });
         main.m_buttons[1]->OnCommand(ID_BUTTON_SETTINGS);
     }},
    {"AlwaysOnTop",
     [](fake::FakePlatform&, CMainWnd& main) { main.m_buttons[2]->OnCommand(ID_BUTTON_TOPMOST); }},
    {"Move",
     [](fake::FakePlatform& p, CMainWnd& main) {
         p.windows.MoveWindow(main.m_buttons[1]->Window(), 400, 400, 35, 35);
         main.m_buttons[1]->OnExitSizeMove();
     }},
    {"Align", [](fake::FakePlatform&, CMainWnd& main) { main.OnCommand(ID_ALIGN_LEFT); }},
    {"Spread", [](fake::FakePlatform&, CMainWnd& main) { main.OnCommand(ID_SPREAD); }},
    {"OneSize",
     [](fake::FakePlatform& p, CMainWnd& main) {
         p.dialogs.dialogScripts.push_back([](fake::FakeDialog& d) {
             d.Type(dlg::kSizeEdit, "48");
             d.Click(plat::mb::kIdOk);
         });
         main.OnCommand(ID_SAME_SIZE);
     }},
    {"ClockOff",
     [](fake::FakePlatform& p, CMainWnd& main) {
         p.windows.MoveWindow(main.m_pWatch->Window(), 300, 300, 120, 60);
         main.OnCommand(ID_CLOCK);
     }},
    {"ClockSettings",
     [](fake::FakePlatform& p, CMainWnd& main) {
         plat::LogFont font;
         font.height = -20;
         font.faceName = "ＭＳ ゴシック";
         p.dialogs.fontAnswers.push_back(font);
         p.dialogs.dialogScripts.push_back([](fake::FakeDialog& d) {
             d.Click(dlg::kWatchFont);
             d.Click(dlg::kWatchTopmost);
             d.Click(plat::mb::kIdOk);
         });
         main.m_pWatch->OnNcLButtonDblClk();
     }},
    {"Import",
     [](fake::FakePlatform& p, CMainWnd& main) {
         p.system.files["C:\\in.ini"] =
             "[Button]\r\nNum=dword:2\r\n[Btn1]\r\nAppName=\"C:\\X.EXE\"\r\n[Btn2]\r\n"
             "AppName=\"C:\\Y.EXE\"\r\n[Watch]\r\nShow=dword:0\r\nTopMost=dword:0\r\n";
         p.dialogs.openFileAnswers.push_back("C:\\in.ini");
         p.dialogs.messageBoxAnswers.push_back(plat::mb::kIdYes);
         main.OnCommand(ID_IMPORT);
     }},
    {"Exit",
     [](fake::FakePlatform& p, CMainWnd& main) {
         p.windows.MoveWindow(main.m_buttons[0]->Window(), 600, 10, 35, 35);
         p.windows.MoveWindow(main.m_buttons[2]->Window(), 10, 600, 35, 35);
         p.windows.MoveWindow(main.m_pWatch->Window(), 300, 300, 120, 60);
         main.OnCommand(ID_APP_EXIT);
     }},
};

// Starts on `first`, makes the change with the store ending after `limit` writes, and gives what
// the next start reads; `writes` is how many the change made.
Stored KilledAt(const fake::Values& first, const Change& change, int limit, int* writes) {
    JournalledPlatform p;
    p.store.Replace(first);
    CMainApp app(p);
    EXPECT_TRUE(app.InitInstance());
    p.stopping.writes = 0;
    p.stopping.limit = limit;
    change.make(p, *app.MainWnd());
    if (writes != nullptr) *writes = p.stopping.writes;
    return ReadAtStart(p.store.All());
}

class KillInAChange : public testing::TestWithParam<Change> {};

TEST_P(KillInAChange, LeavesTheWholeOldStateOrTheWholeNewOne) {
    const fake::Values first = FirstStore();
    const Stored before = ReadAtStart(first);
    int writes = 0;
    const Stored after = KilledAt(first, GetParam(), INT_MAX, &writes);
    ASSERT_NE(after, before) << "the change changes nothing";
    ASSERT_GT(writes, 1);
    for (int k = 0; k <= writes; ++k) {
        const Stored read = KilledAt(first, GetParam(), k, nullptr);
        EXPECT_TRUE(read == before || read == after)
            << "a kill after write " << k << " of " << writes << " leaves a mix";
    }
    EXPECT_EQ(KilledAt(first, GetParam(), writes, nullptr), after);
}

INSTANTIATE_TEST_SUITE_P(EveryKind, KillInAChange, testing::ValuesIn(kChanges),
                         [](const auto& info) { return std::string(info.param.name); });

// --- The settings file of the portable program -----------------------------------------------

// The file in memory; every whole file a change writes is kept, in order.
class SavingFileStore : public FileStore {
  public:
    explicit SavingFileStore(std::string text) : m_text(std::move(text)) {}
    std::vector<std::string> saves;

  protected:
    Load LoadBytes(std::string& bytes) override {
        bytes = m_text;
        return Load::Found;
    }
    bool CanWrite() override { return true; }
    bool SaveBytes(std::string_view bytes) override {
        saves.emplace_back(bytes);
        m_text = bytes;
        return true;
    }

  private:
    std::string m_text;
};

struct FilePlatform : fake::FakePlatform {
    explicit FilePlatform(std::string text) : file(std::move(text)) {}
    plat::ISettingsStore& Store() override { return file; }
    SavingFileStore file;
};

std::string FileOf(const fake::Values& values) {
    SettingsText file;
    {
        const StoreChange change(file);
        for (const auto& [section, keys] : values) {
            for (const auto& [key, value] : keys) {
                if (const int* n = std::get_if<int>(&value)) file.WriteInt(section, key, *n);
                if (const auto* s = std::get_if<std::string>(&value))
                    file.WriteString(section, key, *s);
            }
        }
    }
    return file.Text();
}

Stored ReadFileAtStart(const std::string& text) {
    SettingsText file(text);
    Stored out;
    const int num = file.ReadInt("Button", "Num", 0);
    for (int n = 1; n <= num; ++n) {
        Entry e;
        LoadButtonInfo(file, n, e.info, e.option);
        out.buttons.push_back(e);
    }
    constexpr const char* kNone = "\x01";
    for (const char* key :
         {"Show", "Positon", "TopMost", "BkColor", "TextColor", "WatchFont", "WatchFontName"}) {
        std::optional<fake::Value> value;
        if (file.HasInt("Watch", key)) {
            value = file.ReadInt("Watch", key, 0);
        } else if (std::string s = file.ReadString("Watch", key, kNone); s != kNone) {
            value = std::move(s);
        }
        out.watch.push_back(value);
    }
    return out;
}

class FileInAChange : public testing::TestWithParam<Change> {};

// The file is replaced whole, so a kill leaves one of the files a change wrote or the one before.
TEST_P(FileInAChange, EveryFileWrittenHoldsTheWholeOldStateOrTheWholeNewOne) {
    const std::string first = FileOf(FirstStore());
    const Stored before = ReadFileAtStart(first);
    FilePlatform p(first);
    CMainApp app(p);
    ASSERT_TRUE(app.InitInstance());
    p.file.saves.clear();
    GetParam().make(p, *app.MainWnd());
    ASSERT_FALSE(p.file.saves.empty());
    const Stored after = ReadFileAtStart(p.file.saves.back());
    ASSERT_NE(after, before) << "the change changes nothing";
    for (std::size_t k = 0; k < p.file.saves.size(); ++k) {
        const Stored read = ReadFileAtStart(p.file.saves[k]);
        EXPECT_TRUE(read == before || read == after)
            << "file " << k + 1 << " of " << p.file.saves.size() << " holds a mix";
    }
}

INSTANTIATE_TEST_SUITE_P(EveryKind, FileInAChange, testing::ValuesIn(kChanges),
                         [](const auto& info) { return std::string(info.param.name); });

// --- The journal itself ---------------------------------------------------------------------

using Write = JournalStore::Write;

TEST(Journal, ReadsBackWhatItWroteWhateverTheTextsHold) {
    const std::vector<Write> writes = {
        {"Btn1", "Title", std::string("タブ\tと\n改行\r\\と\\t文字") + '\0' + "終"},
        {"Btn1", "Option", -2147483647 - 1},
        {"Btn\t2", "Da\\ta", std::string()},
        {"Button", "Num", 2000}};
    EXPECT_EQ(JournalStore::Decode(JournalStore::Encode(writes)), writes);
}

TEST(Journal, ThatDoesNotReadWholeIsDroppedAndEmptiedWithoutTouchingTheStore) {
    const std::string good =
        JournalStore::Encode({{"Btn1", "Title", std::string("x")}, {"Button", "Num", 1}});
    for (const std::string& damaged :
         {good.substr(0, good.size() - 3), good.substr(0, good.find('\n')), "3" + good,
          std::string("2\ni\tBtn1\tSize\tbig\ns\tA\tB\tC"), std::string("1\nx\tA\tB\tC"),
          std::string("1\ns\tA\tB\tC\\q"), std::string("1\ns\tA\tB"), std::string("-1"),
          std::string("nothing")}) {
        std::vector<std::string> log;
        fake::FakeSettingsStore store(log);
        store.Put("Btn1", "Title", "old");
        store.Put("Journal", "Change", damaged);
        JournalStore journal(store);
        EXPECT_EQ(journal.ReadString("Btn1", "Title", ""), "old") << damaged;
        EXPECT_EQ(store.Get("Journal", "Change"), fake::Value(std::string())) << damaged;
    }
}

TEST(Journal, ChangesNestAndOnlyTheOutermostWritesWhileReadsSeeTheChangeAtOnce) {
    std::vector<std::string> log;
    fake::FakeSettingsStore store(log);
    JournalStore journal(store);
    journal.BeginChange();
    journal.WriteInt("Button", "Num", 1);
    journal.BeginChange();
    journal.WriteString("Btn1", "Title", "a");
    journal.WriteString("Btn1", "Title", "b");
    journal.CommitChange();
    EXPECT_EQ(journal.ReadInt("Button", "Num", 0), 1);
    EXPECT_EQ(journal.ReadString("Btn1", "Title", ""), "b");
    EXPECT_EQ(journal.ReadInt("Btn1", "Title", 7), 7) << "a text read as a number";
    EXPECT_FALSE(store.Get("Btn1", "Title")) << "written before the change is finished";
    journal.CommitChange();
    EXPECT_EQ(store.Get("Btn1", "Title"), fake::Value(std::string("b")));
    EXPECT_EQ(store.Get("Journal", "Change"), fake::Value(std::string()));
    // The look for a journal left by a kill, the journal, the two values, the journal emptied; a
    // lone write goes straight.
    EXPECT_EQ(log.size(), 5u);
    journal.CommitChange();  // one too many ends nothing
    journal.BeginChange();
    journal.WriteInt("Button", "Num", 2);
    journal.CommitChange();
    EXPECT_EQ(log.size(), 6u);
    EXPECT_EQ(log.back(), "Store.WriteInt Button/Num=2");
}

}  // namespace
