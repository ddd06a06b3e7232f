// Start-up, one of each thing a user can do, and the exit, on a store in which every value the
// program reads is whatever the fuzzer makes of it: missing, a DWORD, a string of any bytes, or
// any other registry type with any bytes, which the store reads as missing; and the journal of a
// change cut short, whole, cut anywhere or any bytes. Whatever it holds, nothing may crash,
// overflow, leak a handle or be left half made. The same again with the settings file of the
// portable mode holding any bytes, and with any bytes as a file to import.
#include <fuzzer/FuzzedDataProvider.h>

#include <cstdlib>
#include <optional>

#include "app/JournalStore.h"
#include "app/MainApp.h"
#include "app/SettingsFile.h"
#include "app/SettingsTransfer.h"
#include "app/StoredValues.h"
#include "clock/WatchWnd.h"
#include "platform/fake/FakePlatform.h"
#include "res/Dialogs.h"
#include "res/Resource.h"
#include "shell/MainWnd.h"

namespace {

// More sections than "Num" usually reaches, so both a count below and above them are tried.
constexpr int kSections = 4;
constexpr std::size_t kLongestValue = 96;

std::optional<fake::Value> AnyValue(FuzzedDataProvider& in) {
    switch (in.ConsumeIntegralInRange(0, 3)) {
        case 0:
            return std::nullopt;
        case 1:
            return in.ConsumeIntegral<int>();
        case 2:
            return in.ConsumeRandomLengthString(kLongestValue);
        default: {
            fake::Other other;
            other.type = in.ConsumeIntegral<unsigned>();
            other.bytes = in.ConsumeRandomLengthString(kLongestValue);
            return other;
        }
    }
}

// A journal as a change writes it, over the values the program reads, at times cut short.
std::optional<fake::Value> AnyJournal(FuzzedDataProvider& in) {
    if (in.ConsumeBool()) return AnyValue(in);
    std::vector<JournalStore::Write> writes;
    const int count = in.ConsumeIntegralInRange(0, 8);
    for (int i = 0; i < count; ++i) {
        const stored::Value& value = *in.PickValueInArray(stored::kAll);
        JournalStore::Write w{stored::Section(value, in.ConsumeIntegralInRange(1, kSections)),
                              std::string(value.name), 0};
        // Small numbers, so a count stays small as above.
        if (in.ConsumeBool()) {
            w.value = in.ConsumeIntegralInRange(-2, kSections + 2);
        } else {
            w.value = in.ConsumeRandomLengthString(kLongestValue);
        }
        writes.push_back(std::move(w));
    }
    std::string text = JournalStore::Encode(writes);
    if (in.ConsumeBool()) text.resize(in.ConsumeIntegralInRange<std::size_t>(0, text.size()));
    return text;
}

// The store as the program has the registry: behind the journal that makes each change whole.
struct JournalledPlatform : fake::FakePlatform {
    plat::ISettingsStore& Store() override { return journal; }
    JournalStore journal{store};
};

// The store as the portable program has it: the settings file, here in memory, read by the same
// parser and written whole at each change.
struct PortablePlatform : fake::FakePlatform {
    explicit PortablePlatform(std::string text) : file(std::move(text)) {}
    plat::ISettingsStore& Store() override { return file; }
    SettingsText file;
};

void Put(fake::FakeSettingsStore& store, const std::string& section, const char* key,
         const std::optional<fake::Value>& value) {
    if (value) store.Put(section, key, *value);
}

void FillOne(FuzzedDataProvider& in, fake::FakeSettingsStore& store, const stored::Value& value,
             int n) {
    std::optional<fake::Value> any = AnyValue(in);
    // A count as a DWORD stays small: the bound of the count has its own unit test, and a
    // thousand buttons a run would leave the fuzzer little time for anything else.
    if (&value == &stored::kNum && any && std::holds_alternative<int>(*any)) {
        any = std::get<int>(*any) % (kSections + 3);
    }
    if (any) store.Put(stored::Section(value, n), std::string(value.name), *any);
}

// Every value the program keeps, from the one table of them, section by section.
void FillStore(FuzzedDataProvider& in, fake::FakeSettingsStore& store) {
    bool buttonsDone = false;
    for (const stored::Value* value : stored::kAll) {
        if (!value->numbered) {
            FillOne(in, store, *value, 0);
            continue;
        }
        if (buttonsDone) continue;
        buttonsDone = true;
        for (int n = 1; n <= kSections; ++n) {
            for (const stored::Value* row : stored::kAll) {
                if (row->numbered) FillOne(in, store, *row, n);
            }
        }
    }
    Put(store, kJournalSection, kJournalKey, AnyJournal(in));
}

void Ok(fake::FakeDialog& d) { d.Click(plat::mb::kIdOk); }

void UseTheButton(fake::FakePlatform& platform, CLaunchButton& b) {
    using namespace plat::mk;
    b.OnPaint();
    b.OnLButtonDown({5, 5}, kLButton);
    b.OnLButtonUp({5, 5}, 0);
    b.OnRButtonDown({5, 5}, 0);
    b.OnCommand(ID_BUTTON_TOPMOST);
    // A drag with both buttons, and a move handed to the platform.
    b.OnLButtonDown({5, 5}, kLButton);
    b.OnRButtonDown({5, 5}, kLButton | kRButton);
    b.OnMouseMove({40, 40}, kLButton);
    b.OnLButtonUp({40, 40}, 0);
    b.OnCommand(ID_BUTTON_MOVE);
    b.OnNcHitTest({0, 0});
    b.OnNcLButtonDown();
    b.OnExitSizeMove();
    b.OnDropFiles({"C:\\a.txt", "C:\\b.txt"}, 0);
    platform.dialogs.dialogScripts.push_back(Ok);
    b.OnCommand(ID_BUTTON_SETTINGS);
}

void UseTheClock(fake::FakePlatform& platform, CWatchWnd& clock) {
    clock.OnPaint();
    clock.OnTimer(1);
    clock.OnNcHitTest({20, 20});
    clock.OnExitSizeMove();
    platform.dialogs.fontAnswers.push_back(plat::LogFont{});
    platform.dialogs.dialogScripts.push_back([](fake::FakeDialog& d) {
        d.Click(dlg::kWatchFont);
        d.Click(dlg::kWatchTopmost);
        d.Click(plat::mb::kIdOk);
    });
    clock.OnNcLButtonDblClk();
}

void EveryCommandOnce(fake::FakePlatform& platform, CMainWnd& main, const std::string& import) {
    auto& scripts = platform.dialogs.dialogScripts;
    platform.dialogs.saveFileAnswers.push_back("C:\\out.ini");
    main.OnCommand(ID_EXPORT);
    platform.system.files["C:\\in.ini"] = import;
    platform.dialogs.openFileAnswers.push_back("C:\\in.ini");
    platform.dialogs.messageBoxAnswers.push_back(plat::mb::kIdYes);
    main.OnCommand(ID_IMPORT);
    platform.dialogs.messageBoxAnswers.clear();
    main.OnTrayEvent(plat::tray::kLButtonDblClk, {});
    main.OnTrayEvent(plat::tray::kLButtonDblClk, {});
    main.OnTrayEvent(plat::tray::kRButtonDown, {});
    scripts.push_back([](fake::FakeDialog& d) {
        d.Type(dlg::kSetPath, "C:\\NEW\\TOOL.EXE");
        d.Click(plat::mb::kIdOk);
    });
    main.OnCommand(ID_ADD_BUTTON);
    for (int id : {ID_ALIGN_TOP, ID_ALIGN_BOTTOM, ID_ALIGN_LEFT, ID_ALIGN_RIGHT, ID_SPREAD}) {
        main.OnCommand(id);
    }
    scripts.push_back([](fake::FakeDialog& d) {
        d.ListSelect(dlg::kOrderList, d.RowCount(dlg::kOrderList) - 1);
        d.Click(dlg::kOrderUp);
        d.Click(plat::mb::kIdOk);
    });
    main.OnCommand(ID_ORDER);
    scripts.push_back([](fake::FakeDialog& d) {
        d.Type(dlg::kSizeEdit, "48");
        d.Click(plat::mb::kIdOk);
    });
    main.OnCommand(ID_SAME_SIZE);
    main.OnCommand(ID_HELP_FINDER);
    main.OnCommand(ID_APP_ABOUT);
    if (!main.m_buttons.empty()) UseTheButton(platform, *main.m_buttons.front());
    if (!main.m_pWatch) main.OnCommand(ID_CLOCK);
    if (main.m_pWatch) UseTheClock(platform, *main.m_pWatch);
    main.OnDisplayChange();
    main.OnCommand(ID_CLOCK);
    main.OnCommand(ID_CLOCK);
    if (!main.m_buttons.empty()) main.m_buttons.back()->OnCommand(ID_BUTTON_DELETE);
    main.OnCommand(ID_APP_EXIT);
}

int LiveHandles() {
    return fake::FakeIcons::LiveIcons() + fake::FakeIcons::LiveImageLists() + fake::LiveHandles();
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    FuzzedDataProvider in(data, size);
    const int liveBefore = LiveHandles();
    const bool portable = in.ConsumeBool();
    const std::string import = in.ConsumeRandomLengthString(4096);
    if (portable) {
        PortablePlatform platform(in.ConsumeRemainingBytesAsString());
        CMainApp app(platform);
        if (app.InitInstance()) {
            EveryCommandOnce(platform, *app.MainWnd(), import);
            if (!platform.windows.quitPosted) std::abort();
            // The exit wrote the file, and it reads back line for line as it was written.
            const std::string& text = platform.file.Text();
            if (SettingsFile::Parse(text).Format() != text) std::abort();
        }
    } else {
        JournalledPlatform platform;
        FillStore(in, platform.store);
        CMainApp app(platform);
        if (app.InitInstance()) {
            EveryCommandOnce(platform, *app.MainWnd(), import);
            // The exit ends the loop, and no window the program made reports to an object any
            // more: the end of the process takes those still up.
            if (!platform.windows.quitPosted) std::abort();
            // Every change was finished, and no journal is left to write again.
            if (platform.store.changesBegun != platform.store.changesCommitted) std::abort();
            const auto journal = platform.store.Get(kJournalSection, kJournalKey);
            if (journal && std::holds_alternative<std::string>(*journal) &&
                !std::get<std::string>(*journal).empty()) {
                std::abort();
            }
            for (const auto& [id, w] : platform.windows.windows) {
                if (w.events != nullptr || w.popup != nullptr) std::abort();
            }
        }
    }
    if (LiveHandles() != liveBefore) std::abort();
    return 0;
}
