#include "clock/WatchWnd.h"

#include <algorithm>
#include <cstdio>

#include "app/OnScreen.h"
#include "app/StoreChange.h"
#include "app/StoredValues.h"
#include "button/GetComma.h"
#include "clock/WatchSetDlg.h"
#include "res/Texts.h"
#include "shell/Host.h"

namespace {

constexpr int kTimer = 1;
constexpr int kTickMilliseconds = 1000;
// The inner part that drags the clock; the band outside it resizes.
constexpr plat::Dip kSizingBand{3};
}  // namespace

plat::LogFont ParseWatchFont(const std::string& fields, std::string_view faceName) {
    CGetComma comma;
    comma.SetString(fields);
    const auto byte = [&](int k) { return static_cast<std::uint8_t>(comma.GetInt(k) & 0xFF); };
    plat::LogFont f;
    f.height = comma.GetInt(0);
    f.width = comma.GetInt(1);
    f.escapement = comma.GetInt(2);
    f.orientation = comma.GetInt(3);
    f.weight = comma.GetInt(4);
    f.italic = byte(5);
    f.underline = byte(6);
    f.strikeOut = byte(7);
    f.charSet = byte(8);
    f.outPrecision = byte(9);
    f.clipPrecision = byte(10);
    f.quality = byte(11);
    f.pitchAndFamily = byte(12);
    f.faceName = plat::CutFaceName(faceName);
    return f;
}

std::string FormatWatchFont(const plat::LogFont& f) {
    const int fields[] = {f.height,        f.width,        f.escapement,    f.orientation,
                          f.weight,        f.italic,       f.underline,     f.strikeOut,
                          f.charSet,       f.outPrecision, f.clipPrecision, f.quality,
                          f.pitchAndFamily};
    std::string out;
    for (int v : fields) {
        if (!out.empty()) out += ',';
        out += std::to_string(v);
    }
    return out;
}

plat::LogFont ScaleFont(plat::LogFont font, int dpi) {
    font.height = plat::ToPx(plat::Dip(font.height), dpi).value;
    font.width = plat::ToPx(plat::Dip(font.width), dpi).value;
    return font;
}

plat::LogFont UnscaleFont(plat::LogFont font, int dpi) {
    font.height = plat::ToDip(plat::Px(font.height), dpi).value;
    font.width = plat::ToDip(plat::Px(font.width), dpi).value;
    return font;
}

std::string ClockText(const plat::LocalTime& t) {
    char text[64];
    std::snprintf(text, sizeof text, "%02d/%02d %02d:%02d", t.month, t.day, t.hour, t.minute);
    return text;
}

CWatchWnd::CWatchWnd(IHost& host, plat::IPlatform& platform) : m_host(host), m_platform(platform) {
    auto& store = m_platform.Store();
    m_topMost = stored::ReadInt(store, stored::kTopMost);
    m_bkColor = stored::ReadColour(store, stored::kBkColor);
    m_textColor = stored::ReadColour(store, stored::kTextColor);
}

CWatchWnd::~CWatchWnd() { DestroyWindow(); }

void CWatchWnd::Close() {
    DestroyWindow();
    SaveLook();
    // The object may outlive its window a while (see the main window's retired objects); its
    // font goes now.
    m_font = {};
}

void CWatchWnd::SaveLook() {
    auto& store = m_platform.Store();
    stored::WriteInt(store, stored::kTopMost, m_topMost);
    stored::WriteColour(store, stored::kBkColor, m_bkColor);
    stored::WriteColour(store, stored::kTextColor, m_textColor);
}

plat::Rect CWatchWnd::StoredRect(plat::IPlatform& platform) {
    CGetComma comma;
    comma.SetString(stored::ReadText(platform.Store(), stored::kPosition));
    const long long left = comma.GetCoordinate(0), top = comma.GetCoordinate(1);
    long long right = comma.GetCoordinate(2), bottom = comma.GetCoordinate(3);
    // A box of no size could be neither seen nor grabbed again: it takes the default's size.
    if (right <= left || bottom <= top) {
        CGetComma standard;
        standard.SetString(std::string(stored::kPosition.text));
        right = left + standard.GetInt(2) - standard.GetInt(0);
        bottom = top + standard.GetInt(3) - standard.GetInt(1);
    }
    const int x = static_cast<int>(left), y = static_cast<int>(top);
    const int dpi = platform.Monitors().DpiAt({x, y, x + 1, y + 1});
    const plat::Px width = plat::ToPx(plat::Dip(static_cast<int>(right - left)), dpi);
    const plat::Px height = plat::ToPx(plat::Dip(static_cast<int>(bottom - top)), dpi);
    const plat::Rect r{x, y, x + width.value, y + height.value};
    return BackOnScreen(platform.Monitors(), r, Return::Clamped);
}

void CWatchWnd::Create(plat::Rect rect) {
    m_dpi = m_platform.Monitors().DpiAt(rect);
    plat::PopupSpec spec;
    spec.kind = plat::WindowKind::Clock;
    // Named by the time it shows, as a screen reader reads it.
    m_shownText = ClockText(m_platform.Clock().Now());
    spec.text = m_shownText;
    spec.topmost = m_topMost == 1;
    spec.rect = rect;
    spec.owner = m_host.Window();
    auto& windows = m_platform.Windows();
    if (windows.CreatePopup(spec, *this)) windows.ShowWindow(m_hWnd, plat::sw::kShow);
}

void CWatchWnd::OnCreate(plat::WindowRef self) {
    m_hWnd = self;
    auto& store = m_platform.Store();
    const std::string fields = stored::ReadText(store, stored::kWatchFont);
    const std::string face = stored::ReadText(store, stored::kWatchFontName);
    MakeFont(ParseWatchFont(fields, face));
    m_platform.Windows().SetTimer(m_hWnd, kTimer, kTickMilliseconds);
}

void CWatchWnd::MakeFont(plat::LogFont units) {
    auto& graphics = m_platform.Graphics();
    plat::LogFont shown = ScaleFont(units, m_dpi);
    if (units.height == 0 && m_dpi != plat::kBaseDpi) {
        // No height stands for the platform's default font, whose height does not follow the
        // screen's scale: it is measured and scaled as a chosen one would be.
        const plat::Font standard = graphics.MakeFont(units);
        const plat::Dip measured(graphics.MeasureText(m_hWnd, standard, "0").cy);
        shown.height = plat::ToPx(measured, m_dpi).value;
    }
    m_font = graphics.MakeFont(shown);
    m_fontUnits = std::move(units);
    m_fontUnits.faceName = graphics.DescribeFont(m_font).faceName;  // as the platform took it
}

void CWatchWnd::OnDpiChanged(int dpi, plat::Rect suggested) {
    if (!m_hWnd || dpi <= 0 || dpi == m_dpi) return;
    // Width, height and font keep their units, so the clock looks the same on its new monitor.
    // Its corner stays where it is, except while the user drags it: there the new size around a
    // kept corner could put most of it back on the monitor it left, and the scale would go back
    // and forth; the place the platform suggests keeps it on the new one.
    auto& windows = m_platform.Windows();
    plat::Rect r = windows.WindowRect(m_hWnd);
    const int width = plat::ToPx(plat::ToDip(plat::Px(r.Width()), m_dpi), dpi).value;
    const int height = plat::ToPx(plat::ToDip(plat::Px(r.Height()), m_dpi), dpi).value;
    if (m_bSizeMove) r = suggested.Centred(width, height);
    m_dpi = dpi;
    MakeFont(m_fontUnits);
    windows.SetWindowPos(m_hWnd, plat::ZOrder::Keep, r.left, r.top, width, height,
                         plat::swp::kNoZOrder | plat::swp::kNoActivate);
    windows.Invalidate(m_hWnd);
}

void CWatchWnd::SavePosition() {
    if (!m_hWnd) return;
    // Its corner in pixels, its size in 96-dpi units.
    const plat::Rect r = m_platform.Windows().WindowRect(m_hWnd);
    const plat::Dip width = plat::ToDip(plat::Px(r.Width()), m_dpi);
    const plat::Dip height = plat::ToDip(plat::Px(r.Height()), m_dpi);
    // Right and bottom are the corner's plus the size, as the entry has always been spelled.
    const int right = r.left + width.value;
    const int bottom = r.top + height.value;
    stored::WriteText(m_platform.Store(), stored::kPosition,
                      std::to_string(r.left) + "," + std::to_string(r.top) + "," +
                          std::to_string(right) + "," + std::to_string(bottom));
}

void CWatchWnd::DestroyWindow() {
    if (m_hWnd) m_platform.Windows().DestroyWindow(m_hWnd);
}

void CWatchWnd::SaveFont() {
    const plat::LogFont& f = m_fontUnits;
    auto& store = m_platform.Store();
    stored::WriteText(store, stored::kWatchFont, FormatWatchFont(f));
    stored::WriteText(store, stored::kWatchFontName, f.faceName);
}

void CWatchWnd::OnDestroy() {
    SaveFont();
    m_hWnd = {};
}

// The end of a drag or of a resize is a finished change: it is kept at once.
void CWatchWnd::OnExitSizeMove() {
    m_bSizeMove = false;
    SavePosition();
}

void CWatchWnd::KeepOnScreen() {
    if (!m_hWnd) return;
    auto& windows = m_platform.Windows();
    const plat::Rect now = windows.WindowRect(m_hWnd);
    const plat::Rect placed = BackOnScreen(m_platform.Monitors(), now, Return::Clamped);
    if (placed == now) return;
    windows.SetWindowPos(m_hWnd, plat::ZOrder::Keep, placed.left, placed.top, 0, 0,
                         plat::swp::kNoSize | plat::swp::kNoZOrder | plat::swp::kNoActivate);
}

void CWatchWnd::SetTopmost(bool topmost) {
    if (!m_hWnd) return;
    auto& windows = m_platform.Windows();
    const plat::Rect r = windows.WindowRect(m_hWnd);
    const plat::ZOrder z = topmost ? m_host.TopBand(r) : plat::ZOrder::NoTopmost;
    // Stepping out of the way of a full-screen program shows nothing.
    const unsigned show = z == plat::ZOrder::Bottom ? 0 : plat::swp::kShowWindow;
    windows.SetWindowPos(m_hWnd, z, r.left, r.top, r.Width(), r.Height(), show);
}

void CWatchWnd::ReassertTopmost() {
    if (m_topMost != 0) SetTopmost(true);
}

void CWatchWnd::RestoreBand() {
    if (m_topMost == 0 || !m_hWnd) return;
    auto& windows = m_platform.Windows();
    const bool top = m_host.TopBand(windows.WindowRect(m_hWnd)) == plat::ZOrder::Topmost;
    if (windows.InTopBand(m_hWnd) != top) ReassertTopmost();
}

void CWatchWnd::ApplyTopmost() { SetTopmost(m_topMost != 0); }

void CWatchWnd::DrawClock() {
    if (!m_hWnd) return;
    const std::string now = ClockText(m_platform.Clock().Now());
    m_platform.Graphics().FillAndDrawText(m_hWnd, m_platform.Windows().ClientRect(m_hWnd), m_font,
                                          now, m_bkColor, m_textColor);
    // Once a minute, not at every tick.
    if (now != m_shownText) {
        m_shownText = now;
        m_platform.Windows().SetText(m_hWnd, m_shownText);
    }
}

plat::AccessibleFacts CWatchWnd::OnDescribe() {
    plat::AccessibleFacts facts;
    facts.role = plat::AccessibleRole::StaticText;
    facts.name = ClockText(m_platform.Clock().Now());
    return facts;
}

void CWatchWnd::OnPaint() { DrawClock(); }

void CWatchWnd::OnTimer(int) {
    // Restarted after the drawing, so a slow drawing never queues ticks behind it.
    auto& windows = m_platform.Windows();
    windows.KillTimer(m_hWnd, kTimer);
    DrawClock();
    windows.SetTimer(m_hWnd, kTimer, kTickMilliseconds);
}

std::optional<int> CWatchWnd::OnNcHitTest(plat::Point screen) {
    plat::Rect inner = m_platform.Windows().WindowRect(m_hWnd);
    const int band = plat::ToPx(kSizingBand, m_dpi).value;
    inner = {inner.left + band, inner.top + band, inner.right - band, inner.bottom - band};
    if (inner.Contains(screen)) return plat::hit::kCaption;
    return std::nullopt;
}

// The box is as large as the user made it, however small: the platform's minimum for a sizing
// frame is a captioned window's, wider than the clock's own default.
std::optional<plat::Size> CWatchWnd::OnGetMinTrackSize() { return plat::Size{1, 1}; }

void CWatchWnd::OnNcLButtonDblClk() {
    if (m_host.RefuseWhileDialogOpen()) return;
    DialogScope open(m_host);
    CWatchSetDlg dialog(m_platform, m_font);
    dialog.m_topMost = m_topMost;
    dialog.m_bkColor = m_bkColor;
    dialog.m_textColor = m_textColor;
    // The end of the session may close the clock while its dialog is still open; the object
    // outlives it, its window does not.
    const int result = dialog.DoModal(m_host.Window());
    if (result != plat::mb::kIdOk || !m_hWnd) return;
    m_font = std::move(dialog.m_newFont);
    m_fontUnits = UnscaleFont(m_platform.Graphics().DescribeFont(m_font), m_dpi);
    m_bkColor = dialog.m_bkColor;
    m_textColor = dialog.m_textColor;
    m_topMost = dialog.m_topMost;
    m_platform.Windows().Invalidate(m_hWnd);
    ApplyTopmost();
    m_host.RefreshTopmost();
    // Kept at once, so that the new look survives even an end the program never hears of.
    const StoreChange change(m_platform.Store());
    SaveFont();
    SaveLook();
}

bool CWatchWnd::OnClose() { return false; }
