#include "platform/fake/FakeWindows.h"

#include <algorithm>

#include "platform/Dpi.h"
#include "platform/fake/FakeMonitors.h"

namespace fake {

plat::WindowRef FakeWindows::CreateMainWindow(std::string_view caption,
                                              plat::IMainWindowEvents& events) {
    m_log.push_back("Windows.CreateMainWindow " + std::string(caption));
    if (failCreate) return {};
    const plat::WindowRef ref{m_nextWindow++};
    FakeWindow w;
    w.events = &events;
    w.className = "BrisaltoMainWindow";
    w.text = std::string(caption);
    w.rect = {0, 0, 100, 100};
    windows[ref.value] = w;
    if (!events.OnCreate(ref)) {
        windows.erase(ref.value);
        return {};
    }
    return ref;
}

FakeWindow* FakeWindows::Find(plat::WindowRef window) {
    auto it = windows.find(window.value);
    return it == windows.end() ? nullptr : &it->second;
}

void FakeWindows::ShowWindow(plat::WindowRef window, int command) {
    m_log.push_back("Windows.ShowWindow " + std::to_string(command));
    if (FakeWindow* w = Find(window)) w->visible = command != plat::sw::kHide;
}

void FakeWindows::DestroyWindow(plat::WindowRef window) {
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
    if (input != nullptr && input->captured == window) input->captured = {};
    if (w->popup != nullptr) w->popup->OnDestroy();
    if (w->events != nullptr) w->events->OnDestroyed();
}

int FakeWindows::RunMessageLoop() {
    m_log.push_back("Windows.RunMessageLoop");
    return loopExitCode;
}

void FakeWindows::PostQuit() {
    m_log.push_back("Windows.PostQuit");
    quitPosted = true;
}

void FakeWindows::DetachAll() {
    m_log.push_back("Windows.DetachAll");
    for (auto& [id, w] : windows) {
        w.events = nullptr;
        w.popup = nullptr;
    }
}

plat::WindowRef FakeWindows::CreatePopup(const plat::PopupSpec& spec, plat::IPopupEvents& events) {
    const bool clock = spec.kind == plat::WindowKind::Clock;
    FakeWindow w;
    w.popup = &events;
    w.spec = spec;
    w.className = clock ? "BrisaltoClock" : "BrisaltoButton";
    m_log.push_back("Windows.CreatePopup " + w.className);
    const plat::WindowRef ref{m_nextWindow++};
    w.text = spec.text;
    w.rect = spec.rect;
    w.owner = spec.owner;
    w.visible = clock;  // a button stays hidden until it is placed
    w.topmost = spec.topmost;
    windows[ref.value] = w;
    events.OnCreate(ref);
    return ref;
}

std::vector<plat::WindowRef> FakeWindows::WindowsOf(const std::string& className) const {
    std::vector<plat::WindowRef> out;
    for (const auto& [id, w] : windows) {
        if (!w.destroyed && w.className == className) out.push_back(plat::WindowRef{id});
    }
    return out;
}

void FakeWindows::SetWindowPos(plat::WindowRef window, plat::ZOrder z, int x, int y, int cx, int cy,
                               unsigned flags) {
    const char* order = z == plat::ZOrder::Topmost     ? "topmost"
                        : z == plat::ZOrder::NoTopmost ? "notopmost"
                        : z == plat::ZOrder::Bottom    ? "bottom"
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
    if (z == plat::ZOrder::NoTopmost || z == plat::ZOrder::Bottom) w->topmost = false;
    if (z != plat::ZOrder::Keep) w->atBottom = z == plat::ZOrder::Bottom;
    if (flags & plat::swp::kShowWindow) w->visible = true;
    if (!(flags & plat::swp::kNoActivate)) ++w->activations;
    FollowMonitor(window);
}

void FakeWindows::FollowMonitor(plat::WindowRef window) {
    // A change told while the window answers an earlier one is looked at when that answer ends.
    if (!playDpiChanges || monitors == nullptr || m_inDpiChange) return;
    m_inDpiChange = true;
    for (int round = 0; round < kMaxDpiRounds; ++round) {
        FakeWindow* w = Find(window);
        if (w == nullptr || w->destroyed || w->popup == nullptr) break;
        const std::size_t m = monitors->MonitorMost(w->rect);
        const int dpi = monitors->DpiOfMonitor(m);
        if (w->dpi == 0) w->dpi = dpi;
        if (dpi == w->dpi) break;
        const plat::Rect on = monitors->all[m];
        const int cx = plat::MulDiv(w->rect.Width(), dpi, w->dpi);
        const int cy = plat::MulDiv(w->rect.Height(), dpi, w->dpi);
        plat::Rect s = w->rect.Centred(cx, cy);
        // Its centre one pixel inside the monitor at least: then most of it lies there.
        const int dx = std::clamp(s.left + cx / 2, on.left + 1, on.right - 1) - (s.left + cx / 2);
        const int dy = std::clamp(s.top + cy / 2, on.top + 1, on.bottom - 1) - (s.top + cy / 2);
        s = {s.left + dx, s.top + dy, s.right + dx, s.bottom + dy};
        w->dpi = dpi;
        ++w->dpiChanges;
        m_log.push_back("Windows.DpiChanged " + std::to_string(dpi));
        w->popup->OnDpiChanged(dpi, s);
    }
    m_inDpiChange = false;
}

void FakeWindows::BringForward(const std::vector<plat::WindowRef>& list) {
    m_log.push_back("Windows.BringForward " + std::to_string(list.size()));
    for (const plat::WindowRef window : list) {
        FakeWindow* w = Find(window);
        if (w != nullptr && !w->destroyed) ++w->broughtForward;
    }
}

bool FakeWindows::InTopBand(plat::WindowRef window) {
    const FakeWindow* w = Find(window);
    return w != nullptr && !w->destroyed && w->topmost;
}

void FakeWindows::MoveWindow(plat::WindowRef window, int x, int y, int cx, int cy) {
    m_log.push_back("Windows.MoveWindow " + std::to_string(x) + "," + std::to_string(y) + " " +
                    std::to_string(cx) + "x" + std::to_string(cy));
    if (FakeWindow* w = Find(window)) w->rect = {x, y, x + cx, y + cy};
    FollowMonitor(window);
}

plat::Rect FakeWindows::WindowRect(plat::WindowRef window) {
    FakeWindow* w = Find(window);
    return w != nullptr ? w->rect : plat::Rect{};
}

plat::Rect FakeWindows::ClientRect(plat::WindowRef window) {
    const plat::Rect r = WindowRect(window);
    return {0, 0, r.Width(), r.Height()};
}

plat::Point FakeWindows::ClientToScreen(plat::WindowRef window, plat::Point client) {
    const plat::Rect r = WindowRect(window);
    return {r.left + client.x, r.top + client.y};
}

void FakeWindows::Invalidate(plat::WindowRef window) {
    m_log.push_back("Windows.Invalidate");
    if (FakeWindow* w = Find(window)) ++w->invalidations;
}

void FakeWindows::SetTimer(plat::WindowRef window, int id, int milliseconds) {
    m_log.push_back("Windows.SetTimer " + std::to_string(id) + " " + std::to_string(milliseconds));
    if (FakeWindow* w = Find(window)) w->timers[id] = milliseconds;
}

void FakeWindows::KillTimer(plat::WindowRef window, int id) {
    m_log.push_back("Windows.KillTimer " + std::to_string(id));
    if (FakeWindow* w = Find(window)) w->timers.erase(id);
}

void FakeWindows::SetToolTip(plat::WindowRef window, std::string_view text) {
    m_log.push_back("Windows.SetToolTip " + std::string(text));
    if (FakeWindow* w = Find(window)) w->toolTip = std::string(text);
}

void FakeWindows::SetText(plat::WindowRef window, std::string_view text) {
    m_log.push_back("Windows.SetText " + std::string(text));
    if (FakeWindow* w = Find(window)) {
        w->text = std::string(text);
        ++w->nameChanges;
    }
}

}  // namespace fake
