// The real platform with a stopwatch on the calls that showing a button makes, so the benchmark
// can say where start-up, a change and the exit spend their time. It also keeps count of the
// icons and image lists the program holds, which Wine's GetGuiResources does not.
#pragma once

#include <array>
#include <chrono>
#include <memory>

#include "platform/win32/Win32Platform.h"

namespace bench {

// Paint is the first paint of every window, which the program's message loop would do next.
enum Step { kStore, kIcon, kWindow, kTip, kPlacement, kPaint, kOther, kSteps };
inline constexpr const char* kStepNames[kSteps] = {"store", "icon",  "window", "tip",
                                                   "place", "paint", "other"};

struct StepTimes {
    std::array<double, kSteps> seconds{};
    std::array<long, kSteps> calls{};
};

// Live icons and image lists made through the icon port; each holds two GDI bitmaps.
long LiveIcons();
long LiveImageLists();

class TimedPlatform : public plat::IPlatform {
  public:
    TimedPlatform();
    ~TimedPlatform() override;
    plat::ISettingsStore& Store() override;
    plat::IWindows& Windows() override;
    plat::IMonitors& Monitors() override;
    plat::IDialogs& Dialogs() override { return m_real.Dialogs(); }
    plat::ISystem& System() override { return m_real.System(); }
    plat::IInput& Input() override { return m_real.Input(); }
    plat::ITray& Tray() override { return m_real.Tray(); }
    plat::IGraphics& Graphics() override { return m_real.Graphics(); }
    plat::IClock& Clock() override { return m_real.Clock(); }
    plat::IShell& Shell() override { return m_real.Shell(); }
    plat::IIcons& Icons() override;

    StepTimes times;

  private:
    win32::Win32Platform m_real;
    struct Ports;
    std::unique_ptr<Ports> m_ports;
};

// Adds the time from its making to its end to one step.
class Stopwatch {
  public:
    Stopwatch(StepTimes& times, Step step)
        : m_times(times), m_step(step), m_start(std::chrono::steady_clock::now()) {}
    ~Stopwatch() {
        m_times.seconds[m_step] +=
            std::chrono::duration<double>(std::chrono::steady_clock::now() - m_start).count();
        ++m_times.calls[m_step];
    }
    Stopwatch(const Stopwatch&) = delete;
    Stopwatch& operator=(const Stopwatch&) = delete;

  private:
    StepTimes& m_times;
    Step m_step;
    std::chrono::steady_clock::time_point m_start;
};

}  // namespace bench
