#include "shell/MainWnd.h"

#include <algorithm>
#include <climits>
#include <utility>

#include "app/ButtonStore.h"
#include "app/SettingsTransfer.h"
#include "app/StoreChange.h"
#include "arrange/Arrange.h"
#include "arrange/ButtonSizeDlg.h"
#include "button/PathForms.h"
#include "button/PathSplit.h"
#include "clock/WatchWnd.h"
#include "edit/LoadIcon.h"
#include "edit/OrderDlg.h"
#include "edit/SettingDlg.h"
#include "res/Resource.h"
#include "res/Texts.h"
#include "shell/AboutDlg.h"
#include "shell/HotkeyDlg.h"

namespace {
constexpr int kBeepFrequency = 40;
constexpr int kBeepMilliseconds = 100;
}  // namespace

CMainWnd::CMainWnd(plat::IPlatform& platform) : m_platform(platform) {
    // A count below zero can only come from a hand-edited store; one far beyond what the window
    // system can hold would stall start-up for nothing.
    const int count = stored::ReadRaw(m_platform.Store(), stored::kNum);
    m_nButtons = stored::Bounded(stored::kNum, count);
    m_nStoredNum = count;
    m_nHidden = count > m_nButtons ? count - m_nButtons : 0;
}

CMainWnd::~CMainWnd() {
    if (m_pWatch) m_pWatch->Close();
}

bool CMainWnd::Create() {
    auto& windows = m_platform.Windows();
    if (!windows.CreateMainWindow(text::kMainCaption, *this)) return false;
    windows.ShowWindow(m_hWnd, plat::sw::kHide);
    return true;
}

bool CMainWnd::OnCreate(plat::WindowRef self) {
    m_hWnd = self;
    AddTrayIcon();
    // The buttons that stay on top make way for a program that takes a whole monitor.
    m_platform.Input().WatchForeground(m_hWnd);
    // A key another program holds is said so in the hotkey dialog, not at every start.
    m_hotkey = StoredHotkey(m_platform.Store());
    m_bHotkeyRegistered = m_hotkey != 0 && m_platform.Input().RegisterHotkey(m_hWnd, m_hotkey);
    return true;
}

bool CMainWnd::RefuseWhileDialogOpen() {
    if (m_nOpenDialogs == 0) return false;
    m_platform.System().Beep(kBeepFrequency, kBeepMilliseconds);
    return true;
}

// --- The collection ------------------------------------------------------------------------

void CMainWnd::LoadAllButtons() {
    {
        const plat::HeldLayout layout(m_platform.Monitors());
        m_bLoading = true;
        for (int n = 1; n <= m_nButtons; ++n) {
            ButtonInfo info;
            int option = 0;
            LoadButtonInfo(m_platform.Store(), n, info, option);
            m_stored.push_back({info, option});
            CreateButton(info, option);
        }
        m_bLoading = false;
        m_icons.clear();
        RefreshTopmost();
        if (stored::ReadInt(m_platform.Store(), stored::kShow) == 1) CreateClock();
    }
    if (m_nHidden > 0) TellHiddenButtons();
}

void CMainWnd::TellHiddenButtons() {
    DialogScope open(*this);
    std::string message = text::kButtonsNotShown;
    message.replace(message.find("%1"), 2, std::to_string(kMaxButtons));
    message.replace(message.find("%2"), 2, std::to_string(m_nHidden));
    m_platform.Dialogs().ShowMessageBox({}, message, plat::mb::kOk | plat::mb::kIconExclamation);
}

void CMainWnd::ShowLastHiddenButton() {
    // The last stored one takes the freed place, so every other section past the shown ones
    // keeps its number and its contents.
    ButtonInfo info;
    int option = 0;
    LoadButtonInfo(m_platform.Store(), kMaxButtons + m_nHidden, info, option);
    --m_nHidden;
    CreateButton(info, option);
    if (!m_bButtonsShown)
        m_platform.Windows().ShowWindow(m_buttons.back()->Window(), plat::sw::kHide);
}

void CMainWnd::CreateButton(const ButtonInfo& info, int option) {
    auto button = std::make_unique<CLaunchButton>(*this, m_platform);
    button->Create(m_hWnd);
    button->ApplyInfo(info, option);
    m_buttons.push_back(std::move(button));
}

void CMainWnd::RemoveButton(CLaunchButton* button) {
    auto it = std::find_if(m_buttons.begin(), m_buttons.end(),
                           [button](const auto& b) { return b.get() == button; });
    if (it == m_buttons.end()) return;
    RetireButton(static_cast<std::size_t>(it - m_buttons.begin()));
    const StoreChange change(m_platform.Store());
    if (m_nHidden > 0) ShowLastHiddenButton();
    SaveButtonList();
}

void CMainWnd::RetireButton(std::size_t index) {
    CLaunchButton* button = m_buttons[index].get();
    if (m_focused == button) m_focused = nullptr;
    if (m_lastUsed == button) m_lastUsed = nullptr;
    m_platform.Windows().DestroyWindow(button->Window());
    // The button may have asked for this from one of its own handlers, which is still running.
    m_retired.push_back(std::move(m_buttons[index]));
    m_buttons.erase(m_buttons.begin() + static_cast<std::ptrdiff_t>(index));
}

void CMainWnd::SaveButtonList() {
    const StoreChange change(m_platform.Store());
    SaveAllButtons();
    // The count goes last: a kill before it leaves a section written twice (a deletion's shifted
    // sections) or one not yet counted (an addition), never a counted section that is stale.
    // Those past the bound are counted behind the shown ones.
    const long long count = static_cast<long long>(ButtonCount()) + m_nHidden;
    const int num = static_cast<int>(std::min<long long>(count, INT_MAX));
    if (num == m_nStoredNum) return;
    stored::WriteInt(m_platform.Store(), stored::kNum, num);
    m_nStoredNum = num;
}

void CMainWnd::SaveAllButtons() {
    // One moved button rewrites its own section; a deletion or a new order rewrites the
    // sections whose button changed number; in ascending order, so after a deletion every
    // section is written before the one that held the button it now holds is overwritten.
    for (std::size_t i = 0; i < m_buttons.size(); ++i) {
        StoredButton now;
        m_buttons[i]->GetInfo(now.info, now.option);
        if (i < m_stored.size() && m_stored[i] == now) continue;
        SaveButtonInfo(m_platform.Store(), static_cast<int>(i) + 1, now.info, now.option);
        if (i >= m_stored.size()) m_stored.resize(i + 1);
        m_stored[i] = std::move(now);
    }
}

std::shared_ptr<const plat::Icon> CMainWnd::ButtonIcon(const std::string& file, int index,
                                                       int room) {
    // A thousand buttons of one program would read its file a thousand times at start-up.
    // Later loads read the file afresh, so an edited button shows the file as it is now.
    const auto key = std::make_tuple(file, index, room);
    if (auto it = m_icons.find(key); it != m_icons.end()) return it->second;
    CLoadIcon loader(m_platform);
    if (room <= 0) {
        loader.Create(0);
        loader.SetFile(file);
    } else {
        loader.SetFile(file);
        loader.CreateAt(loader.FittingSize(index, room));
    }
    auto icon = std::make_shared<const plat::Icon>(loader.GetIcon(index));
    if (m_bLoading) m_icons.emplace(key, icon);
    return icon;
}

void CMainWnd::RefreshTopmost() {
    // Only what stands in the wrong band is put back: placing a thousand windows anew after each
    // change froze the program for a quarter of a second, and moved every one of them in front
    // of the others.
    for (auto& button : m_buttons) button->RestoreBand();
    if (m_pWatch) m_pWatch->RestoreBand();
}

// --- Full-screen programs ------------------------------------------------------------------

namespace {
// Ours are back within two seconds of a full-screen program's end, however it ends.
constexpr int kForegroundLookPeriod = 500;

// The monitor that the window in the foreground takes wholly for itself, if it does. Its client
// area must cover the monitor: a maximised window's frame hangs over the monitor's edges, but
// its caption and, unless the taskbar hides itself, the taskbar stay in sight.
std::optional<plat::Rect> FullScreenMonitor(const plat::ForegroundWindow& w) {
    if (w.kind != plat::ForegroundWindow::Kind::Program || !w.visible) return std::nullopt;
    if (w.monitor.Width() <= 0 || w.monitor.Height() <= 0) return std::nullopt;
    if (!w.client.Covers(w.monitor)) return std::nullopt;
    return w.monitor;
}
}  // namespace

plat::ZOrder CMainWnd::TopBand(plat::Rect rect) const {
    // Any part of it on that monitor would float over the film.
    if (m_fullScreen && m_fullScreen->Overlaps(rect)) return plat::ZOrder::Bottom;
    return plat::ZOrder::Topmost;
}

void CMainWnd::OnForegroundWindow(const plat::ForegroundWindow& window) {
    // The user went on to another program: the hotkey's turn is over, and what it showed hides.
    if (m_keyTurn && window.kind != plat::ForegroundWindow::Kind::Ours &&
        window.kind != plat::ForegroundWindow::Kind::None) {
        EndKeyboardTurn(false);
    }
    const std::optional<plat::Rect> now = FullScreenMonitor(window);
    if (now == m_fullScreen) return;
    const std::optional<plat::Rect> before = std::exchange(m_fullScreen, now);
    // A full-screen program may end, hide or shrink without a word from the window system (its
    // process ends with its window; Wine says nothing at all): while ours are aside, look again
    // every so often, and not a moment longer.
    if (now && !before) {
        m_platform.Windows().SetTimer(m_hWnd, plat::kForegroundLookTimer, kForegroundLookPeriod);
    } else if (!now) {
        m_platform.Windows().KillTimer(m_hWnd, plat::kForegroundLookTimer);
    }
    for (auto& button : m_buttons) {
        FollowFullScreen(button->Window(), (button->Option() & kOptionTopmost) != 0, before);
    }
    if (m_pWatch) FollowFullScreen(m_pWatch->Window(), m_pWatch->m_topMost != 0, before);
}

// Moves a window set to stay on top out of the top band or back into it when the full-screen
// program's monitor changed under it; every other window is left as it is. Nothing is shown,
// hidden, activated or stored.
void CMainWnd::FollowFullScreen(plat::WindowRef window, bool topmost,
                                const std::optional<plat::Rect>& before) {
    if (!topmost || !window) return;
    auto& windows = m_platform.Windows();
    const plat::Rect r = windows.WindowRect(window);
    const bool wasAside = before && before->Overlaps(r);
    const plat::ZOrder z = TopBand(r);
    if (wasAside == (z == plat::ZOrder::Bottom)) return;
    windows.SetWindowPos(window, z, r.left, r.top, 0, 0,
                         plat::swp::kNoMove | plat::swp::kNoSize | plat::swp::kNoActivate);
}

// --- The tray icon and its menu ------------------------------------------------------------

void CMainWnd::AddTrayIcon() {
    // The shell keeps its own copy of the icon; ours goes when this returns.
    const int side =
        plat::ToPx(plat::Dip(kSmallIconSize), m_platform.Monitors().WindowDpi(m_hWnd)).value;
    const plat::Icon icon = m_platform.System().LoadResourceIcon(IDI_TRAY, side, side);
    m_platform.Tray().Show(m_hWnd, icon, text::kProductName);
}

void CMainWnd::RemoveTrayIcon() { m_platform.Tray().Remove(); }

void CMainWnd::OnTaskbarCreated() { AddTrayIcon(); }

void CMainWnd::OnTrayEvent(int event, plat::Point anchor) {
    switch (event) {
        case plat::tray::kLButtonDblClk:
            if (!RefuseWhileDialogOpen()) ToggleButtonsShown();
            break;
        case plat::tray::kRButtonDown:
            if (!RefuseWhileDialogOpen()) ShowTrayMenu();
            break;
        case plat::tray::kRButtonUp:
            m_bTrayClickPending = true;
            break;
        case plat::tray::kContextMenu:
            if (std::exchange(m_bTrayClickPending, false)) break;
            ShowTrayMenuFromKeyboard(anchor);
            break;
        case plat::tray::kKeySelect:
            ShowTrayMenuFromKeyboard(anchor);
            break;
        default:
            break;
    }
}

void CMainWnd::ToggleButtonsShown() {
    if (m_buttons.empty()) return;
    m_bButtonsShown = !m_bButtonsShown;
    const int command = m_bButtonsShown ? plat::sw::kShow : plat::sw::kHide;
    for (auto& button : m_buttons) m_platform.Windows().ShowWindow(button->Window(), command);
}

plat::Menu CMainWnd::BuildTrayMenu() const {
    using plat::MenuItem;
    plat::Menu menu;
    if (m_bButtonsShown) {
        menu.push_back(MenuItem::Command(text::kMenuAddButton, ID_ADD_BUTTON));
        if (ButtonCount() >= 2) {
            menu.push_back(MenuItem::Submenu(
                text::kMenuArrange,
                {MenuItem::Command(text::kMenuAlignTop, ID_ALIGN_TOP),
                 MenuItem::Command(text::kMenuAlignBottom, ID_ALIGN_BOTTOM), MenuItem::Separator(),
                 MenuItem::Command(text::kMenuAlignLeft, ID_ALIGN_LEFT),
                 MenuItem::Command(text::kMenuAlignRight, ID_ALIGN_RIGHT), MenuItem::Separator(),
                 MenuItem::Command(text::kMenuSpread, ID_SPREAD), MenuItem::Separator(),
                 MenuItem::Command(text::kMenuOrder, ID_ORDER),
                 MenuItem::Command(text::kMenuSameSize, ID_SAME_SIZE)}));
        }
        menu.push_back(MenuItem::Separator());
    }
    menu.push_back(MenuItem::Command(text::kMenuClock, ID_CLOCK, m_pWatch != nullptr));
    menu.push_back(MenuItem::Command(text::kMenuHotkey, ID_HOTKEY));
    menu.push_back(MenuItem::Separator());
    menu.push_back(MenuItem::Command(text::kMenuExport, ID_EXPORT));
    menu.push_back(MenuItem::Command(text::kMenuImport, ID_IMPORT));
    menu.push_back(MenuItem::Separator());
    menu.push_back(MenuItem::Command(text::kMenuHelp, ID_HELP_FINDER));
    menu.push_back(MenuItem::Command(text::kMenuAbout, ID_APP_ABOUT));
    menu.push_back(MenuItem::Separator());
    menu.push_back(MenuItem::Command(text::kMenuExit, ID_APP_EXIT));
    return menu;
}

void CMainWnd::ShowTrayMenu() { TrackTrayMenu(m_platform.Input().CursorPos()); }

void CMainWnd::ShowTrayMenuFromKeyboard(plat::Point anchor) {
    // The shell may tell one key twice; the second finds the menu open and leaves it.
    if (m_bInTrayMenu || RefuseWhileDialogOpen()) return;
    TrackTrayMenu(anchor);
    m_platform.Tray().ReturnFocus();
}

void CMainWnd::TrackTrayMenu(plat::Point at) {
    const plat::Menu menu = BuildTrayMenu();
    // A program window in the foreground lets the menu close when the user clicks elsewhere.
    m_platform.Input().SetForegroundWindow(m_buttons.empty() ? m_hWnd
                                                             : m_buttons.front()->Window());
    const bool outer = std::exchange(m_bInTrayMenu, true);
    m_platform.Dialogs().TrackPopupMenu(menu, at, m_hWnd);
    m_bInTrayMenu = outer;
}

// --- Commands ------------------------------------------------------------------------------

void CMainWnd::OnCommand(int id) {
    switch (id) {
        case ID_ADD_BUTTON:
            AddButton();
            break;
        case ID_ALIGN_TOP:
            ArrangeInRows(true);
            break;
        case ID_ALIGN_BOTTOM:
            ArrangeInRows(false);
            break;
        case ID_ALIGN_LEFT:
            ArrangeInColumns(true);
            break;
        case ID_ALIGN_RIGHT:
            ArrangeInColumns(false);
            break;
        case ID_SPREAD:
            SpreadButtons();
            break;
        case ID_ORDER:
            ShowOrderDialog();
            break;
        case ID_SAME_SIZE:
            MakeButtonsSameSize();
            break;
        case ID_CLOCK:
            ToggleClock();
            break;
        case ID_HOTKEY:
            ChooseHotkey();
            break;
        case ID_EXPORT:
            ExportSettings();
            break;
        case ID_IMPORT:
            ImportSettings();
            break;
        case ID_HELP_FINDER:
            OpenHelp();
            break;
        case ID_APP_ABOUT:
            ShowAbout();
            break;
        case ID_APP_EXIT:
            OnClose();
            break;
        default:
            break;
    }
}

void CMainWnd::ShowAbout() {
    DialogScope open(*this);
    CAboutDlg(m_platform).DoModal(m_hWnd);
}

void CMainWnd::OpenHelp() {
    auto& system = m_platform.System();
    const PathParts program = SplitPath(system.ProgramPath());
    const std::string base = program.drive + program.dir + program.name;
    // The classic help file where one is installed (and WinHelp still exists); otherwise the
    // guide that comes with the program, in the browser.
    const std::string hlp = base + ".HLP";
    if (system.FileExists(hlp) && system.OpenWinHelp(m_hWnd, hlp)) return;
    const std::string html = base + ".html";
    if (system.FileExists(html) &&
        m_platform.Shell().Execute(m_hWnd, "", html, "", "", plat::sw::kShow).started()) {
        return;
    }
    m_platform.Dialogs().ShowMessageBox(m_hWnd, text::kHelpFailed,
                                        plat::mb::kOk | plat::mb::kIconExclamation);
}

void CMainWnd::AddButton() {
    DialogScope open(*this);
    if (ButtonCount() >= kMaxButtons) {
        // Start-up would not load one more, and the next save would write over it: better
        // said now than lost later.
        static_assert(kMaxButtons == 2000, "the box names the bound");
        m_platform.Dialogs().ShowMessageBox(m_hWnd, text::kTooManyButtons,
                                            plat::mb::kOk | plat::mb::kIconExclamation);
        return;
    }
    ButtonInfo info;
    info.size = kDefaultButtonSize;
    info.at = {100, 100};
    CSettingDlg dialog(m_platform);
    dialog.SetButtonInfo(info);
    if (dialog.DoModal(m_hWnd) != plat::mb::kIdOk) return;
    dialog.GetButtonInfo(info);
    CreateButton(info, 0);
    RefreshTopmost();
    SaveButtonList();
}

std::vector<int> CMainWnd::ButtonSizes() const {
    // In pixels of the first button's monitor, where the arrangement is laid out.
    std::vector<int> sizes;
    if (m_buttons.empty()) return sizes;
    const int dpi = m_buttons.front()->Dpi();
    for (const auto& button : m_buttons)
        sizes.push_back(plat::ToPx(button->Info().size, dpi).value);
    return sizes;
}

void CMainWnd::MoveButtons(const std::vector<plat::Point>& places) {
    for (std::size_t i = 0; i < places.size() && i < m_buttons.size(); ++i) {
        m_buttons[i]->MoveTo(places[i].x, places[i].y);
    }
    SaveButtonList();  // a finished arrangement survives a crash
}

plat::Rect CMainWnd::FirstButtonsMonitor() const {
    // Arrangements keep to the monitor the first button stands on, its whole area: what a
    // taskbar covers is not spared, as it never was on a single screen.
    return m_platform.Monitors().MonitorArea(
        m_platform.Windows().WindowRect(m_buttons.front()->Window()));
}

void CMainWnd::ArrangeInRows(bool downward) {
    if (m_buttons.empty()) return;
    const plat::Rect first = m_platform.Windows().WindowRect(m_buttons.front()->Window());
    MoveButtons(
        RowLayout({first.left, first.top}, ButtonSizes(), FirstButtonsMonitor().right, downward));
}

void CMainWnd::ArrangeInColumns(bool rightward) {
    if (m_buttons.empty()) return;
    const plat::Rect first = m_platform.Windows().WindowRect(m_buttons.front()->Window());
    MoveButtons(ColumnLayout({first.left, first.top}, ButtonSizes(), FirstButtonsMonitor().bottom,
                             rightward));
}

void CMainWnd::SpreadButtons() {
    if (m_buttons.empty()) return;
    CRandom random(static_cast<std::uint32_t>(m_platform.Clock().CalendarSeconds()));
    const plat::Rect monitor = FirstButtonsMonitor();
    std::vector<plat::Point> places =
        SpreadLayout(ButtonSizes(), {monitor.Width(), monitor.Height()}, random);
    for (plat::Point& p : places) p = {p.x + monitor.left, p.y + monitor.top};
    MoveButtons(places);
}

void CMainWnd::ShowOrderDialog() {
    COrderDlg dialog(m_platform);
    dialog.SetButtonList(m_buttons);
    {
        DialogScope open(*this);
        dialog.DoModal(m_hWnd);
    }
    // The new numbering is written as soon as the user is done with it.
    if (dialog.Moved()) SaveButtonList();
}

void CMainWnd::MakeButtonsSameSize() {
    CButtonSizeDlg dialog(m_platform);
    {
        DialogScope open(*this);
        if (dialog.DoModal({}) != plat::mb::kIdOk) return;
    }
    for (auto& button : m_buttons) button->SetButtonSize(plat::Dip(dialog.m_size));
    SaveButtonList();
}

// --- Export and import ---------------------------------------------------------------------

void CMainWnd::ExportSettings() {
    DialogScope open(*this);
    std::string path;
    if (!m_platform.Dialogs().PickSaveFile(
            m_hWnd, text::kSettingsFilter, text::kSettingsInitialName,
            plat::ofn::kOverwritePrompt | plat::ofn::kHideReadOnly, path)) {
        return;
    }
    // The clock's settings as they are now, as an end would store them.
    SaveForEndOfSession();
    auto& store = m_platform.Store();
    SettingsText file;
    // Paths under the profile and the system's folders in the form that works on another PC.
    const auto folders = PathFolders(m_platform.System());
    const auto save = [&](int n, ButtonInfo info, int option) {
        info.appName = TravellingPath(info.appName, folders);
        info.dir = TravellingPath(info.dir, folders);
        info.iconFile = TravellingPath(info.iconFile, folders);
        SaveButtonInfo(file, n, info, option);
    };
    {
        const StoreChange change(file);
        const int shown = ButtonCount();
        // First, so that the count heads the file; written again once it is known.
        stored::WriteInt(file, stored::kNum, shown);
        for (int i = 0; i < shown; ++i) {
            ButtonInfo info;
            int option = 0;
            m_buttons[i]->GetInfo(info, option);
            save(i + 1, info, option);
        }
        // Those past the bound go along as the store keeps them, up to the first without a
        // program: a count edited by hand far beyond the sections there are would otherwise
        // have billions of empty ones written.
        int count = shown;
        for (int n = shown + 1; n <= shown + m_nHidden; ++n) {
            ButtonInfo info;
            int option = 0;
            LoadButtonInfo(store, n, info, option);
            if (info.appName.empty()) break;
            save(n, info, option);
            count = n;
        }
        stored::WriteInt(file, stored::kNum, count);
        CopyClockSettings(store, file);
    }
    if (!m_platform.System().WriteFile(path, file.Text())) {
        m_platform.Dialogs().ShowMessageBox(m_hWnd, text::kExportFailed,
                                            plat::mb::kOk | plat::mb::kIconExclamation);
    }
}

void CMainWnd::ImportSettings() {
    DialogScope open(*this);
    auto& dialogs = m_platform.Dialogs();
    std::string path;
    if (!dialogs.PickOpenFile(m_hWnd, text::kSettingsFilter, "*.ini", plat::ofn::kHideReadOnly,
                              path)) {
        return;
    }
    std::string bytes;
    const bool read = m_platform.System().ReadFile(path, kMaxSettingsFileBytes, bytes);
    SettingsText file(std::move(bytes));
    if (!read || !file.IsSettings()) {
        dialogs.ShowMessageBox(m_hWnd, text::kNotSettingsFile,
                               plat::mb::kOk | plat::mb::kIconExclamation);
        return;
    }
    const int count = file.ButtonsHeld();
    std::string question = text::kConfirmImport;
    question.replace(question.find("%1"), 2, std::to_string(count));
    if (dialogs.ShowMessageBox(m_hWnd, question, plat::mb::kYesNo | plat::mb::kIconQuestion) !=
        plat::mb::kIdYes) {
        return;
    }
    ReplaceSettings(file, count);
}

void CMainWnd::ReplaceSettings(plat::ISettingsStore& from, int count) {
    auto& store = m_platform.Store();
    auto& windows = m_platform.Windows();
    const StoreChange change(store);
    const plat::HeldLayout layout(m_platform.Monitors());
    const int shown = std::min(count, kMaxButtons);
    // The windows there are take the new buttons: making and destroying a thousand windows
    // one by one keeps the window system busy for seconds.
    m_bLoading = true;
    for (int i = 0; i < shown; ++i) {
        ButtonInfo info;
        int option = 0;
        LoadButtonInfo(from, i + 1, info, option);
        if (i < ButtonCount()) {
            m_buttons[i]->ApplyInfo(info, option);
            windows.Invalidate(m_buttons[i]->Window());
        } else {
            CreateButton(info, option);
        }
        // Placing shows a window; buttons the user hid from the tray stay hidden.
        if (!m_bButtonsShown) windows.ShowWindow(m_buttons[i]->Window(), plat::sw::kHide);
    }
    m_bLoading = false;
    m_icons.clear();
    while (ButtonCount() > shown) RetireButton(m_buttons.size() - 1);

    // Every section is written, so that the store holds the file's list whatever it held.
    m_stored.assign(count, {});
    for (int n = 1; n <= count; ++n) {
        StoredButton& entry = m_stored[n - 1];
        if (n <= shown) {
            m_buttons[n - 1]->GetInfo(entry.info, entry.option);
        } else {
            LoadButtonInfo(from, n, entry.info, entry.option);
        }
        SaveButtonInfo(store, n, entry.info, entry.option);
    }
    m_nHidden = count - shown;
    stored::WriteInt(store, stored::kNum, count);
    m_nStoredNum = count;

    // The clock opens again as the file has it, where and how the file has it.
    if (m_pWatch) {
        m_pWatch->Close();
        m_retired.push_back(std::move(m_pWatch));
    }
    CopyClockSettings(from, store);
    if (stored::ReadInt(store, stored::kShow) == 1) CreateClock();
    RefreshTopmost();
}

void CMainWnd::ToggleClock() {
    const StoreChange change(m_platform.Store());
    if (m_pWatch) {
        DestroyClock();
    } else {
        CreateClock();
    }
    // Whether the clock comes back at the next start survives an end without the exit.
    stored::WriteInt(m_platform.Store(), stored::kShow, m_pWatch ? 1 : 0);
}

void CMainWnd::CreateClock() {
    if (m_pWatch) return;
    const plat::Rect rect = CWatchWnd::StoredRect(m_platform);
    m_pWatch = std::make_unique<CWatchWnd>(*this, m_platform);
    m_pWatch->Create(rect);
}

void CMainWnd::DestroyClock() {
    if (!m_pWatch) return;
    m_pWatch->SavePosition();
    m_pWatch->Close();
    // Its dialog may still be open: the end of the session closes the clock under it.
    m_retired.push_back(std::move(m_pWatch));
}

// --- Shutdown ------------------------------------------------------------------------------

bool CMainWnd::ConfirmNoDialogOpen() {
    if (m_nOpenDialogs == 0) return true;
    m_platform.Dialogs().ShowMessageBox(m_hWnd, text::kCloseDialogsFirst, plat::mb::kOk);
    return false;
}

void CMainWnd::SaveOnExit() {
    RemoveTrayIcon();
    const StoreChange change(m_platform.Store());
    SaveAllButtons();
    stored::WriteInt(m_platform.Store(), stored::kShow, m_pWatch ? 1 : 0);
    DestroyClock();
}

void CMainWnd::OnClose() {
    // A close sent from outside while one of our dialogs runs would pull the main window out
    // from under it; it is refused as the exit command is.
    if (!ConfirmNoDialogOpen()) return;
    SaveOnExit();
    Quit();
}

void CMainWnd::Quit() {
    // Everything is stored. The windows are left to the end of the process, which takes them
    // all at once: destroying a thousand buttons one by one keeps the window system busy for
    // seconds. From here no window reports to its object, and the objects wait for the end of
    // the loop.
    for (auto& button : m_buttons) {
        button->ReleaseWindow();
        m_retired.push_back(std::move(button));
    }
    m_buttons.clear();
    m_focused = m_lastUsed = nullptr;
    m_keyTurn.reset();
    m_platform.Input().UnregisterHotkey(m_hWnd);
    m_platform.Input().StopWatchingForeground();
    m_platform.Windows().DetachAll();
    m_platform.Windows().PostQuit();
}

bool CMainWnd::OnQueryEndSession(bool defaultAnswer) {
    if (!defaultAnswer) return false;
    // Another program may still refuse and the session go on, so the tray icon and the clock
    // stay; a close by the restart manager asks the same way.
    SaveForEndOfSession();
    return true;
}

void CMainWnd::SaveForEndOfSession() {
    const StoreChange change(m_platform.Store());
    SaveAllButtons();
    stored::WriteInt(m_platform.Store(), stored::kShow, m_pWatch ? 1 : 0);
    if (!m_pWatch) return;
    m_pWatch->SavePosition();
    m_pWatch->SaveFont();
    m_pWatch->SaveLook();
}

void CMainWnd::OnEndSession(bool ending) {
    if (!ending) return;
    // All was stored when the end was asked for. The icon goes, for the session may go on
    // without us (the restart manager closes single programs); a dialog of ours still open
    // finds the clock's window gone and keeps nothing more.
    RemoveTrayIcon();
    if (m_pWatch) m_pWatch->ReleaseWindow();
    Quit();
}

void CMainWnd::OnDestroyed() {
    // Only the end of the process destroys the main window; should anything else, the button
    // windows went with their owner and the program ends.
    m_hWnd = {};
    Quit();
}

void CMainWnd::OnDisplayChange() {
    const plat::HeldLayout layout(m_platform.Monitors());
    for (auto& button : m_buttons) button->KeepOnScreen();
    if (m_pWatch) m_pWatch->KeepOnScreen();
}

// --- The keyboard --------------------------------------------------------------------------

CLaunchButton* CMainWnd::LastUsedButton() const {
    if (m_lastUsed != nullptr) return m_lastUsed;
    return m_buttons.empty() ? nullptr : m_buttons.front().get();
}

void CMainWnd::SetKeyboardMode(bool on) {
    if (m_bKeyboardMode == on) return;
    m_bKeyboardMode = on;
    // The focused button shows its ring, or no longer.
    if (m_focused != nullptr && m_focused->Window())
        m_platform.Windows().Invalidate(m_focused->Window());
}

void CMainWnd::ButtonUsed(CLaunchButton* button, bool byKeyboard) {
    m_lastUsed = button;
    SetKeyboardMode(byKeyboard);
}

void CMainWnd::ButtonFocus(CLaunchButton* button, bool gained) {
    if (gained) {
        m_focused = button;
    } else if (m_focused == button) {
        m_focused = nullptr;
    }
}

void CMainWnd::OnHotkey() {
    if (m_keyTurn) {
        EndKeyboardTurn(true);
        return;
    }
    CLaunchButton* target = LastUsedButton();
    if (target == nullptr || RefuseWhileDialogOpen()) return;
    auto& input = m_platform.Input();
    const KeyboardTurn turn{input.ForegroundWindow(), !m_bButtonsShown};
    if (turn.wereHidden) ToggleButtonsShown();
    // The button that takes the focus comes forward at once; the others as soon as the window
    // system has shown it, for each window moved in front costs Wine a millisecond or more.
    m_platform.Windows().BringForward({target->Window()});
    m_platform.Windows().SetTimer(m_hWnd, kBringForwardTimer, 0);
    m_keyTurn = turn;
    m_lastUsed = target;
    SetKeyboardMode(true);
    input.SetForegroundWindow(target->Window());
    input.SetFocus(target->Window());
}

void CMainWnd::OnTimer(int id) {
    if (id != kBringForwardTimer) return;
    m_platform.Windows().KillTimer(m_hWnd, kBringForwardTimer);
    if (!m_keyTurn) return;
    std::vector<plat::WindowRef> windows;
    windows.reserve(m_buttons.size());
    for (auto& button : m_buttons) windows.push_back(button->Window());
    m_platform.Windows().BringForward(windows);
}

void CMainWnd::EndKeyboardTurn(bool giveBack) {
    SetKeyboardMode(false);
    if (!m_keyTurn) return;
    m_platform.Windows().KillTimer(m_hWnd, kBringForwardTimer);
    const KeyboardTurn turn = *m_keyTurn;
    m_keyTurn.reset();
    // The foreground first: a window that hides while it is active hands it to whoever the
    // system picks.
    if (giveBack && turn.previous) m_platform.Input().SetForegroundWindow(turn.previous);
    if (turn.wereHidden && m_bButtonsShown) ToggleButtonsShown();
    RefreshTopmost();
}

void CMainWnd::MoveFocus(CLaunchButton* from, FocusMove move) {
    // The places the buttons hold: a thousand buttons cost no trip to the window system.
    std::vector<ButtonPlace> places;
    places.reserve(m_buttons.size());
    std::size_t at = m_buttons.size();
    for (std::size_t i = 0; i < m_buttons.size(); ++i) {
        if (m_buttons[i].get() == from) at = i;
        places.push_back({m_buttons[i]->Place(), m_bButtonsShown});
    }
    const std::optional<std::size_t> next = NextButton(places, at, move);
    if (!next) return;
    CLaunchButton* target = m_buttons[*next].get();
    m_lastUsed = target;
    m_platform.Input().SetFocus(target->Window());
}

void CMainWnd::ChooseHotkey() {
    DialogScope open(*this);
    auto& input = m_platform.Input();
    // Our own key would never reach the control while it is registered.
    input.UnregisterHotkey(m_hWnd);
    CHotkeyDlg dialog(m_platform, m_hWnd);
    dialog.m_hotkey = m_hotkey;
    dialog.m_bTaken = m_hotkey != 0 && !m_bHotkeyRegistered;
    if (dialog.DoModal(m_hWnd) == plat::mb::kIdOk) {
        m_hotkey = dialog.m_hotkey;
        m_bHotkeyRegistered = m_hotkey != 0;
        StoreHotkey(m_platform.Store(), m_hotkey);
        return;
    }
    m_bHotkeyRegistered = m_hotkey != 0 && input.RegisterHotkey(m_hWnd, m_hotkey);
}
