#include "button/LaunchButton.h"

#include "app/OnScreen.h"
#include "button/PathForms.h"
#include "button/PathSplit.h"
#include "edit/SettingDlg.h"
#include "res/Resource.h"
#include "res/Texts.h"
#include "shell/Host.h"

namespace {

// Ctrl+Shift with a click or a drop starts as administrator, as the taskbar does.
Rights RightsFor(unsigned keys) {
    constexpr unsigned both = plat::mk::kControl | plat::mk::kShift;
    return (keys & both) == both ? Rights::kAdministrator : Rights::kUser;
}

// `pattern` with `count` in place of its "%d".
std::string FormatCount(std::string_view pattern, std::size_t count) {
    std::string out(pattern);
    if (const std::size_t at = out.find("%d"); at != std::string::npos)
        out.replace(at, 2, std::to_string(count));
    return out;
}

// The face's edges are one unit wide.
constexpr plat::Dip kFaceEdge{1};

}  // namespace

CLaunchButton::CLaunchButton(IHost& host, plat::IPlatform& platform)
    : m_host(host), m_platform(platform), m_launcher(platform) {}

CLaunchButton::~CLaunchButton() = default;

void CLaunchButton::Create(plat::WindowRef owner) {
    m_platform.Windows().CreatePopup(WindowSpec(owner), *this);
}

plat::PopupSpec CLaunchButton::WindowSpec(plat::WindowRef owner) {
    // A quick second click arrives as a double click, which a button does not hear, so it
    // starts nothing more.
    plat::PopupSpec spec;
    spec.kind = plat::WindowKind::Button;
    spec.owner = owner;
    return spec;
}

void CLaunchButton::OnCreate(plat::WindowRef self) { m_hWnd = self; }

void CLaunchButton::OnDestroy() { ReleaseWindow(); }

void CLaunchButton::ReleaseWindow() {
    // The object may outlive its window a while (see the main window's retired buttons); its
    // icon goes now.
    m_hWnd = {};
    m_icon = {};
}

// --- Appearance ----------------------------------------------------------------------------

void CLaunchButton::ApplyInfo(const ButtonInfo& info, int option) {
    // A button that stays in its band keeps its place among the windows: stacking a thousand of
    // them anew, one by one, at an import cost the window system more than moving them. The
    // caller's RefreshTopmost puts back whatever stands in the wrong band.
    const bool sameBand = ((option ^ m_option) & kOptionTopmost) == 0;
    m_info = info;
    m_option = option;
    const plat::Point at = OnScreen(m_info.at.x, m_info.at.y);
    m_dpi = m_platform.Monitors().DpiAt({at.x, at.y, at.x + 1, at.y + 1});
    PlaceOnScreen(at, Side(), Side(), sameBand ? plat::ZOrder::Keep : Band(at, Side()));
    LoadFaceIcon();

    auto& system = m_platform.System();
    m_launcher.SetApp(m_hWnd, UsablePath(system, m_info.appName), UsablePath(system, m_info.dir),
                      m_info.parm, m_info.showMode);
    const std::string name = Name();
    m_platform.Windows().SetToolTip(m_hWnd, name);
    // Told only when it changes: a thousand buttons at start-up would otherwise each announce
    // the name they already had.
    if (name != m_name) {
        m_name = name;
        m_platform.Windows().SetText(m_hWnd, m_name);
    }
}

void CLaunchButton::LoadFaceIcon() {
    // Above 96 dpi the largest picture of the file that fits between the face's edges.
    const int room =
        m_dpi <= plat::kBaseDpi
            ? 0
            : (plat::ToPx(m_info.size, m_dpi) - 3 * plat::ToPx(kFaceEdge, m_dpi)).value;
    m_icon = m_host.ButtonIcon(m_info.iconFile.empty() ? m_info.appName : m_info.iconFile,
                               m_info.iconIndex, room);
}

std::string CLaunchButton::Name() const {
    if (!m_info.title.empty()) return m_info.title;
    const PathParts parts = SplitPath(m_info.appName);
    const std::string file = parts.name + parts.ext;
    return file.empty() ? m_info.appName : file;
}

void CLaunchButton::GetInfo(ButtonInfo& info, int& option) {
    if (m_hWnd) {
        const plat::Rect r = m_platform.Windows().WindowRect(m_hWnd);
        m_place = r;
        m_info.at = {r.left, r.top};
        m_info.extent = {plat::ButtonSize(plat::Px(r.Width()), m_dpi),
                         plat::ButtonSize(plat::Px(r.Height()), m_dpi)};
    }
    info = m_info;
    option = m_option;
}

void CLaunchButton::MoveTo(int x, int y) {
    // Sized for the monitor it goes to.
    const int dpi = m_platform.Monitors().DpiAt({x, y, x + 1, y + 1});
    const bool rescaled = dpi != m_dpi;
    m_dpi = dpi;
    m_platform.Windows().MoveWindow(m_hWnd, x, y, Side(), Side());
    Hold(x, y);
    if (rescaled) LoadFaceIcon();
}

void CLaunchButton::SetButtonSize(plat::Dip size) {
    m_info.size = size;
    const plat::Rect r = m_platform.Windows().WindowRect(m_hWnd);
    m_platform.Windows().SetWindowPos(m_hWnd, plat::ZOrder::Keep, r.left, r.top, Side(), Side(),
                                      plat::swp::kNoMove | plat::swp::kNoActivate);
    Hold(r.left, r.top);
    // Above 96 dpi the icon's size follows the face's.
    if (m_dpi > plat::kBaseDpi) LoadFaceIcon();
    m_platform.Windows().Invalidate(m_hWnd);
}

void CLaunchButton::OnDpiChanged(int dpi, plat::Rect suggested) {
    if (!m_hWnd || dpi <= 0) return;
    m_dpi = dpi;
    plat::Rect r = m_platform.Windows().WindowRect(m_hWnd);
    // On the move, the new size around a kept corner can put most of the button back on the
    // monitor it left, which would change its scale back, and so on at every step: there it
    // goes where the platform suggests, which keeps it on its new monitor. Otherwise (a change
    // of scale, an arrangement) its corner stays.
    if (m_moveMode == 1 || m_bSizeMove) r = suggested.Centred(Side(), Side());
    m_platform.Windows().SetWindowPos(m_hWnd, plat::ZOrder::Keep, r.left, r.top, Side(), Side(),
                                      plat::swp::kNoZOrder | plat::swp::kNoActivate);
    Hold(r.left, r.top);
    LoadFaceIcon();
    m_platform.Windows().Invalidate(m_hWnd);
}

plat::Point CLaunchButton::OnScreen(int x, int y) {
    // A place on any monitor stays, so a button on a second monitor keeps its place. Anywhere
    // else, a coordinate beyond the primary screen goes back to its left or top edge.
    const plat::Rect r = BackOnScreen(m_platform.Monitors(), {x, y, x + 1, y + 1}, Return::ToEdge);
    return {r.left, r.top};
}

void CLaunchButton::PlaceWindow(int x, int y, int cx, int cy) {
    const plat::Point at = OnScreen(x, y);
    PlaceOnScreen(at, cx, cy, Band(at, cx));
}

plat::ZOrder CLaunchButton::Band(plat::Point at, int side) {
    return (m_option & kOptionTopmost) ? m_host.TopBand({at.x, at.y, at.x + side, at.y + side})
                                       : plat::ZOrder::NoTopmost;
}

void CLaunchButton::PlaceOnScreen(plat::Point at, int cx, int cy, plat::ZOrder z) {
    m_platform.Windows().SetWindowPos(m_hWnd, z, at.x, at.y, cx, cy,
                                      plat::swp::kShowWindow | plat::swp::kNoActivate);
    m_place = {at.x, at.y, at.x + cx, at.y + cy};
}

void CLaunchButton::ReassertTopmost() {
    if (!(m_option & kOptionTopmost)) return;
    const plat::Rect r = m_platform.Windows().WindowRect(m_hWnd);
    const plat::ZOrder z = m_host.TopBand(r);
    // Out of the way of a full-screen program nothing is shown: a button hidden from the tray
    // stays hidden behind it.
    const unsigned show = z == plat::ZOrder::Topmost ? plat::swp::kShowWindow : 0;
    m_platform.Windows().SetWindowPos(m_hWnd, z, r.left, r.top, Side(), Side(),
                                      show | plat::swp::kNoActivate);
}

void CLaunchButton::RestoreBand() {
    if (!(m_option & kOptionTopmost) || !m_hWnd) return;
    auto& windows = m_platform.Windows();
    const bool top = m_host.TopBand(windows.WindowRect(m_hWnd)) == plat::ZOrder::Topmost;
    if (windows.InTopBand(m_hWnd) != top) ReassertTopmost();
}

void CLaunchButton::KeepOnScreen() {
    const plat::Rect r = m_platform.Windows().WindowRect(m_hWnd);
    const plat::Point at = OnScreen(r.left, r.top);
    if (at.x == r.left && at.y == r.top) return;
    // Only the place changes: a button the user hid from the tray stays hidden.
    m_platform.Windows().SetWindowPos(
        m_hWnd, plat::ZOrder::Keep, at.x, at.y, 0, 0,
        plat::swp::kNoSize | plat::swp::kNoZOrder | plat::swp::kNoActivate);
    m_place = {at.x, at.y, at.x + r.Width(), at.y + r.Height()};
}

void CLaunchButton::DrawFace() {
    const plat::Icon* icon = m_icon && *m_icon ? m_icon.get() : nullptr;
    // On a 96-dpi screen the classic pictures, stretched; above it the face is drawn at its own
    // size, so its edges and the icon stay sharp.
    const int edge =
        m_dpi <= plat::kBaseDpi ? plat::kClassicFace : plat::ToPx(kFaceEdge, m_dpi).value;
    const bool ring = m_bFocused && m_host.KeyboardMode();
    m_platform.Graphics().PaintButtonFace(m_hWnd, m_pressed == 1, icon,
                                          plat::ToPx(m_info.size, m_dpi).value, edge, ring);
}

void CLaunchButton::OnPaint() { DrawFace(); }

// --- The user's hands ----------------------------------------------------------------------

bool CLaunchButton::Inside(plat::Point client) {
    return m_platform.Windows().ClientRect(m_hWnd).Contains(client);
}

std::optional<int> CLaunchButton::OnNcHitTest(plat::Point) {
    // An armed move makes the whole button a caption, so the platform moves it.
    if (m_moveMode == 1) return plat::hit::kCaption;
    return std::nullopt;
}

void CLaunchButton::OnNcLButtonDown() { m_moveMode = 0; }

void CLaunchButton::OnExitSizeMove() {
    m_bSizeMove = false;
    if (m_hWnd) m_place = m_platform.Windows().WindowRect(m_hWnd);
    m_host.SaveButtonList();
}

void CLaunchButton::OnLButtonDown(plat::Point, unsigned keys) {
    if (m_host.RefuseWhileDialogOpen()) return;
    if (keys & plat::mk::kRButton) return;
    m_host.ButtonUsed(this, false);
    m_platform.Input().SetFocus(m_hWnd);
    m_pressed = 1;
    DrawFace();
    m_platform.Input().SetCapture(m_hWnd);
}

void CLaunchButton::OnMouseMove(plat::Point client, unsigned keys) {
    if (m_moveMode != 1 || !(keys & plat::mk::kLButton)) return;
    const int half = (plat::ToPx(m_info.size, m_dpi) / 2).value;
    const plat::Point at = m_platform.Windows().ClientToScreen(m_hWnd, client);
    m_platform.Windows().MoveWindow(m_hWnd, at.x - half, at.y - half, Side(), Side());
    Hold(at.x - half, at.y - half);
}

void CLaunchButton::OnLButtonUp(plat::Point client, unsigned keys) {
    if (m_moveMode == 1) {
        m_moveMode = 0;
        ReassertTopmost();
        m_platform.Input().ReleaseCapture();
        m_host.SaveButtonList();  // the new place survives a crash
        return;
    }
    if (m_pressed != 1) return;
    m_pressed = 0;
    DrawFace();
    m_platform.Input().ReleaseCapture();
    if (Inside(client)) m_launcher.Start(RightsFor(keys));
}

void CLaunchButton::OnRButtonDown(plat::Point client, unsigned keys) {
    if (m_host.RefuseWhileDialogOpen()) return;
    m_host.ButtonUsed(this, false);
    if (keys & plat::mk::kLButton) {
        // A right press during a left press turns it into a drag.
        if (Inside(client)) {
            m_pressed = 0;
            DrawFace();
            m_moveMode = 1;
        }
        return;
    }
    ShowMenu(client);
    m_platform.Input().SetFocus(m_hWnd);
}

// --- The keyboard --------------------------------------------------------------------------

namespace {
FocusMove MoveFor(plat::Key key, unsigned keys) {
    switch (key) {
        case plat::Key::Left:
            return FocusMove::Left;
        case plat::Key::Right:
            return FocusMove::Right;
        case plat::Key::Up:
            return FocusMove::Up;
        case plat::Key::Down:
            return FocusMove::Down;
        case plat::Key::Home:
            return FocusMove::First;
        case plat::Key::End:
            return FocusMove::Last;
        default:
            return (keys & plat::mk::kShift) ? FocusMove::Previous : FocusMove::Next;
    }
}
}  // namespace

bool CLaunchButton::OnKeyDown(plat::Key key, unsigned keys) {
    if (!m_hWnd) return false;
    if (m_host.RefuseWhileDialogOpen()) return true;
    m_host.ButtonUsed(this, true);
    switch (key) {
        case plat::Key::Enter:
        case plat::Key::Space: {
            // The program started takes the foreground; the buttons go back as they were.
            IHost& host = m_host;
            m_launcher.Start(RightsFor(keys));
            host.EndKeyboardTurn(false);
            break;
        }
        case plat::Key::Menu:
            // Below the button, as a click at its bottom-left corner would open it.
            ShowMenu({0, Side()});
            if (m_hWnd) m_platform.Input().SetFocus(m_hWnd);
            break;
        case plat::Key::Escape:
            m_host.EndKeyboardTurn(true);
            break;
        default:
            m_host.MoveFocus(this, MoveFor(key, keys));
            break;
    }
    return true;
}

void CLaunchButton::OnFocus(bool gained) {
    m_bFocused = gained;
    m_host.ButtonFocus(this, gained);
    if (m_hWnd && m_host.KeyboardMode()) m_platform.Windows().Invalidate(m_hWnd);
}

void CLaunchButton::ShowMenu(plat::Point client) {
    using plat::MenuItem;
    const plat::Menu menu = {
        MenuItem::Command(text::kMenuSettings, ID_BUTTON_SETTINGS),
        MenuItem::Command(text::kMenuMove, ID_BUTTON_MOVE),
        MenuItem::Command(text::kMenuTopmost, ID_BUTTON_TOPMOST, (m_option & kOptionTopmost) != 0),
        MenuItem::Separator(),
        MenuItem::Command(text::kMenuDelete, ID_BUTTON_DELETE),
    };
    const plat::Point at = m_platform.Windows().ClientToScreen(m_hWnd, client);
    m_platform.Dialogs().TrackPopupMenu(menu, at, m_hWnd);
}

void CLaunchButton::OnDropFiles(const std::vector<std::string>& files, unsigned keys) {
    // Each file is a start of its own: a handful is what a drop means, hundreds are more likely
    // a slip of the hand, and the user says so once before they begin.
    if (files.size() > kDropsWithoutAsking) {
        int answer = 0;
        {
            DialogScope open(m_host);
            answer = m_platform.Dialogs().ShowMessageBox(
                m_hWnd, FormatCount(text::kConfirmManyDrops, files.size()),
                plat::mb::kYesNo | plat::mb::kIconQuestion);
        }
        if (answer != plat::mb::kIdYes) return;
    }
    m_host.ButtonUsed(this, false);
    for (const std::string& file : files) {
        // A box lets other messages in: once the program is ending, nothing more starts.
        if (!m_hWnd) return;
        // A failure would fail alike for the next file, and a refused elevation means no to all
        // of them: either ends the drop.
        if (!m_launcher.StartWithFile(file, RightsFor(keys))) return;
    }
}

plat::AccessibleFacts CLaunchButton::OnDescribe() {
    plat::AccessibleFacts facts;
    facts.role = plat::AccessibleRole::PushButton;
    facts.name = Name();
    // The path as it is started here: a travelling one expanded.
    facts.description = UsablePath(m_platform.System(), m_info.appName);
    facts.defaultAction = text::kActionStart;
    facts.focusable = true;
    return facts;
}

void CLaunchButton::OnDefaultAction() {
    // As a click: nothing while one of the program's dialogs is open.
    if (!m_hWnd || m_host.RefuseWhileDialogOpen()) return;
    m_launcher.Start(Rights::kUser);
}

void CLaunchButton::OnCommand(int id) {
    switch (id) {
        case ID_BUTTON_MOVE:
            m_moveMode = 1;
            break;
        case ID_BUTTON_TOPMOST:
            ToggleTopmost();
            break;
        case ID_BUTTON_DELETE:
            Delete();
            break;
        case ID_BUTTON_SETTINGS:
            EditSettings();
            break;
        default:
            break;
    }
}

void CLaunchButton::ToggleTopmost() {
    m_option = ::ToggleTopmost(m_option);
    const plat::Rect r = m_platform.Windows().WindowRect(m_hWnd);
    PlaceWindow(r.left, r.top, r.Height(), r.Height());
    m_host.RefreshTopmost();
    m_host.SaveButtonList();
}

void CLaunchButton::Delete() {
    IHost& host = m_host;
    int answer = 0;
    {
        DialogScope open(host);
        answer = m_platform.Dialogs().ShowMessageBox(m_hWnd, text::kConfirmDelete,
                                                     plat::mb::kOkCancel | plat::mb::kIconQuestion);
    }
    if (answer != plat::mb::kIdOk) return;
    // This button is gone after this call: nothing of it may be touched.
    host.RemoveButton(this);
    host.RefreshTopmost();
}

void CLaunchButton::EditSettings() {
    DialogScope open(m_host);
    CSettingDlg dialog(m_platform);
    dialog.SetButtonInfo(m_info);
    if (dialog.DoModal(m_hWnd) != plat::mb::kIdOk) return;
    ButtonInfo info;
    dialog.GetButtonInfo(info);
    auto& windows = m_platform.Windows();
    const plat::Rect before = windows.WindowRect(m_hWnd);
    info.at = {before.left, before.top};
    // The faces are composed afresh on every paint, so nothing of the old icon stays on them;
    // ApplyInfo loads the new one.
    ApplyInfo(info, m_option);
    const plat::Rect r = windows.WindowRect(m_hWnd);
    windows.MoveWindow(m_hWnd, r.left, r.top, Side(), Side());
    Hold(r.left, r.top);
    DrawFace();
    m_host.RefreshTopmost();
    m_host.SaveButtonList();  // a finished edit survives a crash
}
