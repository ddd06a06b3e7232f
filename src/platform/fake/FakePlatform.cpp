#include "platform/fake/FakePlatform.h"

namespace fake {

namespace {
std::string Join(std::string_view a, std::string_view b) {
    std::string s(a);
    s += '/';
    s += b;
    return s;
}
}  // namespace

void FakeStore::SetLocation(std::string_view maker, std::string_view application) {
    location = "Software\\" + std::string(maker) + "\\" + std::string(application);
    m_log.push_back("Store.SetLocation " + location);
}

void FakeStore::Touch() {
    if (location.empty()) touchedBeforeLocation = true;
}

const Value* FakeStore::Find(std::string_view section, std::string_view key) {
    Touch();
    m_values[std::string(section)];  // opening a section creates it, reading included
    auto s = m_values.find(section);
    auto k = s->second.find(std::string(key));
    return k == s->second.end() ? nullptr : &k->second;
}

int FakeStore::ReadInt(std::string_view section, std::string_view key, int fallback) {
    m_log.push_back("Store.ReadInt " + Join(section, key));
    const Value* v = Find(section, key);
    if (v == nullptr || !std::holds_alternative<int>(*v)) return fallback;
    return std::get<int>(*v);
}

std::string FakeStore::ReadString(std::string_view section, std::string_view key,
                                  std::string_view fallback) {
    m_log.push_back("Store.ReadString " + Join(section, key));
    const Value* v = Find(section, key);
    if (v == nullptr || !std::holds_alternative<std::string>(*v)) return std::string(fallback);
    return std::get<std::string>(*v);
}

void FakeStore::WriteInt(std::string_view section, std::string_view key, int value) {
    m_log.push_back("Store.WriteInt " + Join(section, key) + "=" + std::to_string(value));
    Touch();
    m_values[std::string(section)][std::string(key)] = value;
}

void FakeStore::WriteString(std::string_view section, std::string_view key,
                            std::string_view value) {
    m_log.push_back("Store.WriteString " + Join(section, key) + "=" + std::string(value));
    Touch();
    m_values[std::string(section)][std::string(key)] = std::string(value);
}

void FakeStore::Put(const std::string& section, const std::string& key, Value value) {
    m_values[section][key] = std::move(value);
}

std::optional<Value> FakeStore::Get(const std::string& section, const std::string& key) const {
    auto s = m_values.find(section);
    if (s == m_values.end()) return std::nullopt;
    auto k = s->second.find(key);
    if (k == s->second.end()) return std::nullopt;
    return k->second;
}

plat::WindowRef FakeWindowSystem::FindTopLevelWindow(std::string_view caption) {
    m_log.push_back("Windows.FindTopLevelWindow " + std::string(caption));
    for (const auto& c : foreignCaptions) {
        if (c == caption) return plat::WindowRef{1};
    }
    for (const auto& [id, w] : windows) {
        if (!w.destroyed && w.spec.caption == caption) return plat::WindowRef{id};
    }
    return {};
}

int FakeWindowSystem::ShowMessageBox(plat::WindowRef owner, std::string_view text,
                                     std::string_view caption, unsigned type) {
    m_log.push_back("Windows.MessageBox " + std::string(text));
    messageBoxes.push_back({owner, std::string(text), std::string(caption), type});
    if (messageBoxAnswers.empty()) return plat::mb::kIdOk;
    const int answer = messageBoxAnswers.front();
    messageBoxAnswers.pop_front();
    return answer;
}

int FakeWindowSystem::MajorVersion() {
    m_log.push_back("Windows.MajorVersion");
    return majorVersion;
}

plat::WindowRef FakeWindowSystem::CreateMainWindow(const plat::MainWindowSpec& spec,
                                                   plat::IMainWindowEvents& events) {
    m_log.push_back("Windows.CreateMainWindow " + spec.caption);
    if (failCreate) return {};
    const plat::WindowRef ref{m_nextWindow++};
    windows[ref.value] = FakeWindow{spec, &events, false, false};
    if (!events.OnCreate(ref)) {
        windows.erase(ref.value);
        return {};
    }
    return ref;
}

FakeWindow* FakeWindowSystem::Find(plat::WindowRef window) {
    auto it = windows.find(window.value);
    return it == windows.end() ? nullptr : &it->second;
}

void FakeWindowSystem::ShowWindow(plat::WindowRef window, int command) {
    m_log.push_back("Windows.ShowWindow " + std::to_string(command));
    if (FakeWindow* w = Find(window)) w->visible = command != plat::sw::kHide;
}

void FakeWindowSystem::DestroyWindow(plat::WindowRef window) {
    m_log.push_back("Windows.DestroyWindow");
    FakeWindow* w = Find(window);
    if (w == nullptr || w->destroyed) return;
    w->destroyed = true;
    w->visible = false;
    w->events->OnDestroyed();
}

int FakeWindowSystem::RunMessageLoop() {
    m_log.push_back("Windows.RunMessageLoop");
    return quitCode.value_or(0);
}

void FakeWindowSystem::PostQuit(int exitCode) {
    m_log.push_back("Windows.PostQuit " + std::to_string(exitCode));
    quitCode = exitCode;
}

void FakeWindowSystem::Beep(int frequency, int milliseconds) {
    m_log.push_back("Windows.Beep " + std::to_string(frequency) + "," +
                    std::to_string(milliseconds));
    ++beeps;
}

int& LiveHandles() {
    static int live = 0;
    return live;
}

plat::Icon MakeIcon(std::uintptr_t tag) {
    ++LiveHandles();
    return plat::Icon(tag, [](std::uintptr_t) { --LiveHandles(); });
}

FakeDialog::FakeDialog(const plat::DialogTemplate& t, plat::IDialogEvents& events,
                       plat::WindowRef self)
    : m_template(t), m_events(events), m_self(self) {
    for (const auto& c : t.controls) {
        if (c.id != -1) m_texts[c.id] = c.text;
    }
}

std::string FakeDialog::ItemText(int id) {
    auto it = m_texts.find(id);
    return it == m_texts.end() ? std::string() : it->second;
}

void FakeDialog::SetItemText(int id, std::string_view text) {
    if (m_texts.count(id) != 0) m_texts[id] = std::string(text);
}

void FakeDialog::End(int result) {
    if (!m_result) m_result = result;
}

plat::Point FakeWindowSystem::CursorPos() { return cursor; }

void FakeWindowSystem::SetForegroundWindow(plat::WindowRef window) {
    m_log.push_back("Windows.SetForegroundWindow");
    foreground.push_back(window);
}

void FakeWindowSystem::TrackPopupMenu(const plat::Menu& menu, plat::Point at,
                                      plat::WindowRef owner) {
    m_log.push_back("Windows.TrackPopupMenu");
    menus.push_back({menu, at, owner});
}

int FakeWindowSystem::RunModalDialog(const plat::DialogTemplate& dialog, plat::WindowRef,
                                     plat::IDialogEvents& events) {
    m_log.push_back("Windows.RunModalDialog " + std::to_string(dialog.id));
    dialogs.push_back(&dialog);
    FakeDialog running(dialog, events, plat::WindowRef{m_nextWindow++});
    events.OnInitDialog(running);
    if (!dialogScripts.empty()) {
        DialogScript script = std::move(dialogScripts.front());
        dialogScripts.pop_front();
        script(running);
    }
    if (!running.Ended()) running.Click(plat::mb::kIdCancel);
    return running.Result();
}

plat::Icon FakeWindowSystem::LoadResourceIcon(int id, int cx, int cy) {
    m_log.push_back("Windows.LoadResourceIcon " + std::to_string(id) + " " + std::to_string(cx) +
                    "x" + std::to_string(cy));
    return MakeIcon(static_cast<std::uintptr_t>(0x10000 + id));
}

std::string FakeWindowSystem::ProgramPath() { return programPath; }

std::string FakeWindowSystem::ProgramVersion() { return programVersion; }

bool FakeWindowSystem::FileExists(std::string_view path) {
    for (const auto& f : existingFiles) {
        if (f == path) return true;
    }
    return false;
}

bool FakeWindowSystem::OpenWinHelp(plat::WindowRef, std::string_view helpFile, unsigned command,
                                   std::uintptr_t data) {
    m_log.push_back("Windows.WinHelp " + std::string(helpFile) + " " + std::to_string(command) +
                    " " + std::to_string(data));
    return winHelpSucceeds;
}

bool FakeTray::Notify(plat::TrayAction action, const plat::TrayIconData& data) {
    const bool add = action == plat::TrayAction::Add;
    m_log.push_back(add ? "Tray.Add" : "Tray.Delete");
    Entry e{data.window,
            data.id,
            data.flags,
            data.callbackMessage,
            data.icon != nullptr ? data.icon->Get() : 0,
            data.tip};
    calls.push_back(e);
    if (!succeeds) return false;
    if (add) {
        shown = e;
    } else {
        shown.reset();
    }
    return true;
}

}  // namespace fake
