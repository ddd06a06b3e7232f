#include "bench/TimedPlatform.h"

#include <new>

#include "platform/win32/Handles.h"

#include <commctrl.h>

namespace bench {

namespace {

long g_icons = 0;
long g_lists = 0;

// Takes a handle from its owner without releasing it: the owner is moved into storage that is
// never destroyed.
std::uintptr_t Disown(plat::OwnedHandle& handle) {
    alignas(plat::OwnedHandle) static unsigned char sink[sizeof(plat::OwnedHandle)];
    const std::uintptr_t value = handle.Get();
    new (sink) plat::OwnedHandle(std::move(handle));
    return value;
}

void ReleaseIcon(std::uintptr_t value) {
    --g_icons;
    win32::ReleaseIcon(value);
}
void ReleaseList(std::uintptr_t value) {
    --g_lists;
    ImageList_Destroy(reinterpret_cast<HIMAGELIST>(value));
}

plat::Icon Counted(plat::Icon real) {
    if (!real) return real;
    ++g_icons;
    return plat::Icon(Disown(real), ReleaseIcon);
}

class TimedStore : public plat::ISettingsStore {
  public:
    TimedStore(plat::ISettingsStore& real, StepTimes& times) : m_real(real), m_times(times) {}
    void SetLocation(std::string_view maker, std::string_view application) override {
        m_real.SetLocation(maker, application);
    }
    int ReadInt(std::string_view section, std::string_view key, int fallback) override {
        Stopwatch w(m_times, kStore);
        return m_real.ReadInt(section, key, fallback);
    }
    std::string ReadString(std::string_view section, std::string_view key,
                           std::string_view fallback) override {
        Stopwatch w(m_times, kStore);
        return m_real.ReadString(section, key, fallback);
    }
    void WriteInt(std::string_view section, std::string_view key, int value) override {
        Stopwatch w(m_times, kStore);
        m_real.WriteInt(section, key, value);
    }
    void WriteString(std::string_view section, std::string_view key,
                     std::string_view value) override {
        Stopwatch w(m_times, kStore);
        m_real.WriteString(section, key, value);
    }
    void BeginChange() override { m_real.BeginChange(); }
    void CommitChange() override {
        Stopwatch w(m_times, kStore);
        m_real.CommitChange();
    }

  private:
    plat::ISettingsStore& m_real;
    StepTimes& m_times;
};

class TimedIcons : public plat::IIcons {
  public:
    TimedIcons(plat::IIcons& real, StepTimes& times) : m_real(real), m_times(times) {}
    int CountIcons(std::string_view module) override {
        Stopwatch w(m_times, kIcon);
        return m_real.CountIcons(module);
    }
    plat::Icon ModuleIcon(std::string_view module, int index, int size) override {
        Stopwatch w(m_times, kIcon);
        return Counted(m_real.ModuleIcon(module, index, size));
    }
    plat::Icon ShellIcon(std::string_view path, int size) override {
        Stopwatch w(m_times, kIcon);
        return Counted(m_real.ShellIcon(path, size));
    }
    int LargestImage(std::string_view module, int index) override {
        Stopwatch w(m_times, kIcon);
        return m_real.LargestImage(module, index);
    }
    plat::ImageList CreateImageList(int size) override {
        Stopwatch w(m_times, kIcon);
        plat::ImageList real = m_real.CreateImageList(size);
        if (!real) return real;
        ++g_lists;
        return plat::ImageList(Disown(real), ReleaseList);
    }
    plat::Icon Normalize(plat::ImageList& list, const plat::Icon& icon) override {
        Stopwatch w(m_times, kIcon);
        return Counted(m_real.Normalize(list, icon));
    }

  private:
    plat::IIcons& m_real;
    StepTimes& m_times;
};

class TimedMonitors : public plat::IMonitors {
  public:
    TimedMonitors(plat::IMonitors& real, StepTimes& times) : m_real(real), m_times(times) {}
    plat::Size ScreenSize() override {
        Stopwatch w(m_times, kPlacement);
        return m_real.ScreenSize();
    }
    bool OnSomeMonitor(plat::Rect rect) override {
        Stopwatch w(m_times, kPlacement);
        return m_real.OnSomeMonitor(rect);
    }
    int WindowDpi(plat::WindowRef window) override {
        Stopwatch w(m_times, kPlacement);
        return m_real.WindowDpi(window);
    }
    int DpiAt(plat::Rect rect) override {
        Stopwatch w(m_times, kPlacement);
        return m_real.DpiAt(rect);
    }
    plat::Rect MonitorArea(plat::Rect rect) override {
        Stopwatch w(m_times, kPlacement);
        return m_real.MonitorArea(rect);
    }
    void HoldLayout() override {
        Stopwatch w(m_times, kPlacement);
        m_real.HoldLayout();
    }
    void ReleaseLayout() override { m_real.ReleaseLayout(); }

  private:
    plat::IMonitors& m_real;
    StepTimes& m_times;
};

class TimedWindows : public plat::IWindows {
  public:
    TimedWindows(plat::IWindows& real, StepTimes& times) : m_real(real), m_times(times) {}
    plat::WindowRef CreateMainWindow(std::string_view caption,
                                     plat::IMainWindowEvents& events) override {
        return m_real.CreateMainWindow(caption, events);
    }
    int RunMessageLoop() override { return m_real.RunMessageLoop(); }
    void PostQuit() override { m_real.PostQuit(); }
    void DetachAll() override { m_real.DetachAll(); }
    plat::WindowRef CreatePopup(const plat::PopupSpec& spec, plat::IPopupEvents& events) override {
        Stopwatch w(m_times, kWindow);
        return m_real.CreatePopup(spec, events);
    }
    void ShowWindow(plat::WindowRef window, int command) override {
        Stopwatch w(m_times, kPlacement);
        m_real.ShowWindow(window, command);
    }
    void DestroyWindow(plat::WindowRef window) override {
        Stopwatch w(m_times, kWindow);
        m_real.DestroyWindow(window);
    }
    void SetWindowPos(plat::WindowRef window, plat::ZOrder z, int x, int y, int cx, int cy,
                      unsigned flags) override {
        Stopwatch w(m_times, kPlacement);
        m_real.SetWindowPos(window, z, x, y, cx, cy, flags);
    }
    void BringForward(const std::vector<plat::WindowRef>& windows) override {
        Stopwatch w(m_times, kPlacement);
        m_real.BringForward(windows);
    }
    bool InTopBand(plat::WindowRef window) override {
        Stopwatch w(m_times, kPlacement);
        return m_real.InTopBand(window);
    }
    void MoveWindow(plat::WindowRef window, int x, int y, int cx, int cy) override {
        Stopwatch w(m_times, kPlacement);
        m_real.MoveWindow(window, x, y, cx, cy);
    }
    plat::Rect WindowRect(plat::WindowRef window) override {
        Stopwatch w(m_times, kPlacement);
        return m_real.WindowRect(window);
    }
    plat::Rect ClientRect(plat::WindowRef window) override {
        Stopwatch w(m_times, kOther);
        return m_real.ClientRect(window);
    }
    plat::Point ClientToScreen(plat::WindowRef window, plat::Point client) override {
        Stopwatch w(m_times, kOther);
        return m_real.ClientToScreen(window, client);
    }
    void Invalidate(plat::WindowRef window) override {
        Stopwatch w(m_times, kOther);
        m_real.Invalidate(window);
    }
    void SetTimer(plat::WindowRef window, int id, int milliseconds) override {
        m_real.SetTimer(window, id, milliseconds);
    }
    void KillTimer(plat::WindowRef window, int id) override { m_real.KillTimer(window, id); }
    void SetToolTip(plat::WindowRef window, std::string_view text) override {
        Stopwatch w(m_times, kTip);
        m_real.SetToolTip(window, text);
    }
    void SetText(plat::WindowRef window, std::string_view text) override {
        Stopwatch w(m_times, kTip);
        m_real.SetText(window, text);
    }

  private:
    plat::IWindows& m_real;
    StepTimes& m_times;
};

}  // namespace

long LiveIcons() { return g_icons; }
long LiveImageLists() { return g_lists; }

struct TimedPlatform::Ports {
    TimedStore store;
    TimedWindows windows;
    TimedMonitors monitors;
    TimedIcons icons;
};

TimedPlatform::TimedPlatform()
    : m_ports(std::make_unique<Ports>(Ports{{m_real.Store(), times},
                                            {m_real.Windows(), times},
                                            {m_real.Monitors(), times},
                                            {m_real.Icons(), times}})) {}

TimedPlatform::~TimedPlatform() = default;

plat::ISettingsStore& TimedPlatform::Store() { return m_ports->store; }
plat::IWindows& TimedPlatform::Windows() { return m_ports->windows; }
plat::IMonitors& TimedPlatform::Monitors() { return m_ports->monitors; }
plat::IIcons& TimedPlatform::Icons() { return m_ports->icons; }

}  // namespace bench
