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
        if (!w.destroyed && !w.owner && w.text == caption) return plat::WindowRef{id};
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
    FakeWindow w;
    w.spec = spec;
    w.events = &events;
    w.text = spec.caption;
    w.style = spec.style;
    w.exStyle = spec.exStyle;
    w.rect = {0, 0, spec.width, spec.height};
    windows[ref.value] = w;
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
    // Owned windows go first, as the window system does it.
    for (auto& [id, other] : windows) {
        if (other.owner == window && !other.destroyed) DestroyWindow(plat::WindowRef{id});
    }
    w = Find(window);
    w->destroyed = true;
    w->visible = false;
    if (captured == window) captured = {};
    if (w->popup != nullptr) w->popup->OnDestroy();
    if (w->events != nullptr) w->events->OnDestroyed();
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

FakeDialog::FakeDialog(const plat::DialogTemplate& t, plat::IDialogEvents& events,
                       plat::WindowRef self)
    : m_template(t), m_events(events), m_self(self) {
    const auto px = [](int units) { return units * kDialogUnit / 2; };
    for (const auto& c : t.controls) {
        if (c.id == -1) continue;
        m_texts[c.id] = c.text;
        m_rects[c.id] = {px(c.x), px(c.y), px(c.x + c.cx), px(c.y + c.cy)};
    }
}

plat::Rect FakeDialog::ClientRect() {
    return {0, 0, m_template.cx * kDialogUnit / 2, m_template.cy * kDialogUnit / 2};
}

plat::Rect FakeDialog::ItemRect(int id) {
    auto it = m_rects.find(id);
    return it == m_rects.end() ? plat::Rect{} : it->second;
}

void FakeDialog::MoveItem(int id, plat::Rect rect, bool) {
    if (m_rects.count(id) != 0) m_rects[id] = rect;
}

bool FakeDialog::IsChecked(int id) { return m_checked[id]; }

void FakeDialog::SetChecked(int id, bool checked) { m_checked[id] = checked; }

void FakeDialog::Invalidate(bool) { ++invalidations; }

void FakeDialog::Click(int id) {
    for (const auto& c : m_template.controls) {
        if (c.id == id && c.className == "BUTTON" && (c.style & 0xF) == plat::ws::kBsAutoCheckBox) {
            m_checked[id] = !m_checked[id];
        }
    }
    m_events.OnCommand(*this, id, 0);
}

std::string FakeDialog::ItemText(int id) {
    auto it = m_texts.find(id);
    return it == m_texts.end() ? std::string() : it->second;
}

void FakeDialog::SetItemText(int id, std::string_view text) {
    if (m_texts.count(id) == 0) return;
    m_texts[id] = std::string(text);
    for (const auto& c : m_template.controls) {
        if (c.id == id && c.className == "EDIT") m_events.OnCommand(*this, id, plat::kEditUpdate);
    }
}

void FakeDialog::FocusItem(int id, bool selectAll) {
    focusedItem = id;
    focusSelectsAll = selectAll;
}

void FakeDialog::SetSpinRange(int id, int lower, int upper) { spinRanges[id] = {lower, upper}; }

void FakeDialog::AddComboItem(int id, std::string_view text) { comboItems[id].emplace_back(text); }

void FakeDialog::SetComboSelection(int id, int index) {
    const auto count = static_cast<int>(comboItems[id].size());
    comboSelection[id] = index >= 0 && index < count ? index : -1;
}

int FakeDialog::ComboSelection(int id) {
    auto it = comboSelection.find(id);
    return it == comboSelection.end() ? -1 : it->second;
}

void FakeDialog::Choose(int id, int index) {
    SetComboSelection(id, index);
    constexpr int kSelChange = 1;
    m_events.OnCommand(*this, id, kSelChange);
}

void FakeDialog::SetItemIcon(int id, const plat::Icon* icon) {
    shownIcons[id] = icon != nullptr ? icon->Get() : 0;
}

int FakeDialog::ListAddRow(int id, std::uintptr_t data) {
    listRows[id].push_back(data);
    return static_cast<int>(listRows[id].size()) - 1;
}

void FakeDialog::ListDeleteRow(int id, int row) {
    auto& rows = listRows[id];
    if (row < 0 || row >= static_cast<int>(rows.size())) return;
    rows.erase(rows.begin() + row);
    if (listSelection.count(id) && listSelection[id] >= static_cast<int>(rows.size())) {
        listSelection[id] = -1;
    }
}

int FakeDialog::ListCount(int id) { return static_cast<int>(listRows[id].size()); }

int FakeDialog::ListSelection(int id) {
    auto it = listSelection.find(id);
    return it == listSelection.end() ? -1 : it->second;
}

void FakeDialog::ListSelect(int id, int row) {
    listSelection[id] = row >= 0 && row < ListCount(id) ? row : -1;
}

void FakeDialog::InvalidateItem(int, bool) { ++invalidations; }

void FakeDialog::DrawRow(int id, int row, unsigned action) {
    plat::DrawItem item;
    item.control = id;
    item.row = row;
    item.action = action;
    item.state = row >= 0 && ListSelection(id) == row ? plat::oda::kSelected : 0;
    item.rect = {0, row * 20, 120, row * 20 + 20};
    item.window = Item(id);
    m_events.OnDrawItem(*this, item);
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
    return FakeIcons::Make({"resource#" + std::to_string(id), cx});
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

plat::WindowRef FakeWindowSystem::CreatePopup(const plat::PopupSpec& spec,
                                              plat::IPopupEvents& events) {
    m_log.push_back("Windows.CreatePopup " + spec.className);
    const plat::WindowRef ref{m_nextWindow++};
    FakeWindow w;
    w.popup = &events;
    w.className = spec.className;
    w.text = spec.text;
    w.style = spec.style;
    w.exStyle = spec.exStyle;
    w.rect = spec.rect;
    w.owner = spec.owner;
    w.visible = (spec.style & plat::ws::kVisible) != 0;
    w.topmost = (spec.exStyle & plat::ws::kExTopmost) != 0;
    windows[ref.value] = w;
    events.OnCreate(ref);
    return ref;
}

plat::WindowRef FakeWindowSystem::CreateModeless(const plat::DialogTemplate& dialog,
                                                 plat::WindowRef owner,
                                                 plat::IPopupEvents& events) {
    m_log.push_back("Windows.CreateModeless " + std::to_string(dialog.id));
    const plat::WindowRef ref{m_nextWindow++};
    FakeWindow w;
    w.popup = &events;
    w.dialog = &dialog;
    w.className = "#" + std::to_string(dialog.id);
    w.style = dialog.style;
    w.exStyle = dialog.exStyle;
    w.owner = owner;
    w.visible = (dialog.style & plat::ws::kVisible) != 0;
    windows[ref.value] = w;
    events.OnCreate(ref);
    return ref;
}

std::vector<plat::WindowRef> FakeWindowSystem::WindowsOf(const std::string& className) const {
    std::vector<plat::WindowRef> out;
    for (const auto& [id, w] : windows) {
        if (!w.destroyed && w.className == className) out.push_back(plat::WindowRef{id});
    }
    return out;
}

void FakeWindowSystem::SetWindowPos(plat::WindowRef window, plat::ZOrder z, int x, int y, int cx,
                                    int cy, unsigned flags) {
    const char* order = z == plat::ZOrder::Topmost     ? "topmost"
                        : z == plat::ZOrder::NoTopmost ? "notopmost"
                                                       : "keep";
    m_log.push_back("Windows.SetWindowPos " + std::string(order) + " " + std::to_string(x) + "," +
                    std::to_string(y) + " " + std::to_string(cx) + "x" + std::to_string(cy) +
                    " flags " + std::to_string(flags));
    FakeWindow* w = Find(window);
    if (w == nullptr || w->destroyed) return;
    if (!(flags & plat::swp::kNoMove)) {
        w->rect = {x, y, x + w->rect.Width(), y + w->rect.Height()};
    }
    if (!(flags & plat::swp::kNoSize)) {
        w->rect.right = w->rect.left + cx;
        w->rect.bottom = w->rect.top + cy;
    }
    if (z == plat::ZOrder::Topmost) w->topmost = true;
    if (z == plat::ZOrder::NoTopmost) w->topmost = false;
    if (flags & plat::swp::kShowWindow) w->visible = true;
}

void FakeWindowSystem::MoveWindow(plat::WindowRef window, int x, int y, int cx, int cy,
                                  bool repaint) {
    m_log.push_back("Windows.MoveWindow " + std::to_string(x) + "," + std::to_string(y) + " " +
                    std::to_string(cx) + "x" + std::to_string(cy) + (repaint ? " repaint" : ""));
    if (FakeWindow* w = Find(window)) w->rect = {x, y, x + cx, y + cy};
}

plat::Rect FakeWindowSystem::WindowRect(plat::WindowRef window) {
    FakeWindow* w = Find(window);
    return w != nullptr ? w->rect : plat::Rect{};
}

plat::Rect FakeWindowSystem::ClientRect(plat::WindowRef window) {
    const plat::Rect r = WindowRect(window);
    return {0, 0, r.Width(), r.Height()};
}

plat::Point FakeWindowSystem::ClientToScreen(plat::WindowRef window, plat::Point client) {
    const plat::Rect r = WindowRect(window);
    return {r.left + client.x, r.top + client.y};
}

void FakeWindowSystem::Invalidate(plat::WindowRef window, bool erase) {
    m_log.push_back(std::string("Windows.Invalidate") + (erase ? " erase" : ""));
    if (FakeWindow* w = Find(window)) ++w->invalidations;
}

void FakeWindowSystem::SetTimer(plat::WindowRef window, int id, int milliseconds) {
    m_log.push_back("Windows.SetTimer " + std::to_string(id) + " " + std::to_string(milliseconds));
    if (FakeWindow* w = Find(window)) w->timers[id] = milliseconds;
}

void FakeWindowSystem::KillTimer(plat::WindowRef window, int id) {
    m_log.push_back("Windows.KillTimer " + std::to_string(id));
    if (FakeWindow* w = Find(window)) w->timers.erase(id);
}

void FakeWindowSystem::SetCapture(plat::WindowRef window) {
    m_log.push_back("Windows.SetCapture");
    captured = window;
}

void FakeWindowSystem::ReleaseCapture() {
    m_log.push_back("Windows.ReleaseCapture");
    captured = {};
}

void FakeWindowSystem::SetFocus(plat::WindowRef window) { focused = window; }

plat::Size FakeWindowSystem::ScreenSize() { return screen; }

bool FakeWindowSystem::OnSomeMonitor(plat::Rect rect) {
    for (const plat::Rect& m : monitors) {
        if (rect.left < m.right && m.left < rect.right && rect.top < m.bottom &&
            m.top < rect.bottom) {
            return true;
        }
    }
    return false;
}

void FakeWindowSystem::SetToolTip(plat::WindowRef window, std::string_view text) {
    m_log.push_back("Windows.SetToolTip " + std::string(text));
    if (FakeWindow* w = Find(window)) w->toolTip = std::string(text);
}

bool FakeWindowSystem::PickColour(plat::WindowRef, plat::Colour& colour) {
    m_log.push_back("Windows.ChooseColour " + std::to_string(colour));
    if (colourAnswers.empty()) return false;
    colour = colourAnswers.front();
    colourAnswers.pop_front();
    return true;
}

bool FakeWindowSystem::PickFont(plat::WindowRef, plat::LogFont& font, unsigned flags) {
    m_log.push_back("Windows.ChooseFont " + font.faceName);
    fontFlags.push_back(flags);
    if (fontAnswers.empty()) return false;
    font = fontAnswers.front();
    fontAnswers.pop_front();
    return true;
}

bool FakeWindowSystem::PickOpenFile(plat::WindowRef, std::string_view filter,
                                    std::string_view initialName, unsigned flags,
                                    std::string& path) {
    m_log.push_back("Windows.ChooseOpenFile");
    openFileCalls.push_back({std::string(filter), std::string(initialName), flags});
    if (openFileAnswers.empty()) return false;
    path = openFileAnswers.front();
    openFileAnswers.pop_front();
    return true;
}

void FakeGraphics::PaintButtonFace(plat::WindowRef window, bool pressed, const plat::Icon* icon,
                                   int size) {
    m_log.push_back(std::string("Graphics.PaintButtonFace ") + (pressed ? "pressed" : "raised") +
                    " " + std::to_string(size));
    faces.push_back({window, pressed, icon != nullptr ? icon->Get() : 0, size});
}

plat::Font FakeGraphics::MakeFont(const plat::LogFont& font) {
    m_log.push_back("Graphics.CreateFont " + font.faceName);
    const std::uintptr_t handle = m_nextFont++;
    m_fonts[handle] = font;
    ++LiveHandles();
    return plat::Font(handle, [](std::uintptr_t) { --LiveHandles(); });
}

plat::LogFont FakeGraphics::DescribeFont(const plat::Font& font) {
    auto it = m_fonts.find(font.Get());
    return it == m_fonts.end() ? plat::LogFont{} : it->second;
}

plat::Size FakeGraphics::Extent(const plat::LogFont& font, std::string_view text) const {
    const int height = font.height == 0 ? 16 : (font.height < 0 ? -font.height : font.height);
    return {static_cast<int>(text.size()) * 8, height};
}

plat::Size FakeGraphics::MeasureText(plat::WindowRef, const plat::Font& font,
                                     std::string_view text) {
    return Extent(DescribeFont(font), text);
}

void FakeGraphics::PaintListRow(plat::WindowRef window, plat::Rect rect, std::string_view text,
                                bool selected) {
    m_log.push_back("Graphics.PaintListRow " + std::string(text) + (selected ? " selected" : ""));
    rows.push_back({window, rect, std::string(text), selected});
}

void FakeGraphics::DrawIcon(plat::WindowRef window, const plat::Icon& icon, plat::Point at,
                            int size) {
    m_log.push_back("Graphics.DrawIcon");
    icons.push_back({window, icon.Get(), at, size});
}

void FakeGraphics::FillAndDrawText(plat::WindowRef window, plat::Rect rect, const plat::Font& font,
                                   std::string_view text, plat::Colour back,
                                   plat::Colour textColour) {
    m_log.push_back("Graphics.FillAndDrawText " + std::string(text));
    texts.push_back({window, rect, DescribeFont(font), std::string(text), back, textColour});
}

}  // namespace fake
