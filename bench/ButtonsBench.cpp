// How fast N stored buttons appear, how long the program stays frozen after one finished change,
// and how long it takes to end, against the floor (bench/Floor.h) measured in the same run.
// Prints each figure beside its goal and the cost of each step per button; asserts nothing.
#include <windows.h>
#include <psapi.h>
#include <shellapi.h>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <functional>
#include <optional>
#include <set>
#include <string>
#include <thread>
#include <vector>

#include "app/ButtonStore.h"
#include "app/SettingsTransfer.h"
#include "app/StoreChange.h"
#include "app/StoredValues.h"
#include "bench/Floor.h"
#include "bench/TimedPlatform.h"
#include "platform/win32/FileSettingsStore.h"
#include "platform/win32/Utf.h"
#include "res/Resource.h"
#include "res/Texts.h"
#include "shell/MainWnd.h"
#include "tests/e2e/Driver.h"

namespace {

using Clock = std::chrono::steady_clock;

double Since(Clock::time_point start) {
    return std::chrono::duration<double>(Clock::now() - start).count();
}

// Wine's timings wander with whatever else the machine does: every figure is the best of this
// many runs, and every ratio compares two runs made one right after the other.
constexpr int kRuns = 3;
constexpr int kChangeCount = 1000;
const std::wstring kEntry = L"C:\\windows\\system32\\notepad.exe";

void StoreButtons(int count) {
    std::vector<e2e::StoredButton> buttons;
    for (int i = 0; i < count; ++i) {
        const int x = (i % 28) * 36, y = (i / 28 % 20) * 36;
        // As the program writes them: right and bottom are the edges of the 35 x 35 window.
        buttons.push_back({kEntry, L"0,0," + std::to_wstring(x) + L"," + std::to_wstring(y) + L"," +
                                       std::to_wstring(x + 35) + L"," + std::to_wstring(y + 35)});
    }
    e2e::StoreButtons(buttons);
}

struct Owned {
    HWND owner;
    std::vector<HWND> visible;
};

BOOL CALLBACK CollectOwned(HWND w, LPARAM param) {
    auto* o = reinterpret_cast<Owned*>(param);
    if (GetWindow(w, GW_OWNER) == o->owner && IsWindowVisible(w)) o->visible.push_back(w);
    return TRUE;
}

// The visible windows that `owner` owns: the buttons, or the floor's popups.
std::vector<HWND> VisibleOwnedBy(HWND owner) {
    Owned o{owner, {}};
    EnumWindows(CollectOwned, reinterpret_cast<LPARAM>(&o));
    return o.visible;
}

class Started {
  public:
    Started(const std::wstring& exe, const std::wstring& arguments) {
        STARTUPINFOW si{};
        si.cb = sizeof si;
        std::wstring line = L"\"" + exe + L"\" " + arguments;
        m_ok = CreateProcessW(exe.c_str(), line.data(), nullptr, nullptr, FALSE, 0, nullptr,
                              nullptr, &si, &m_info) != 0;
    }
    ~Started() {
        if (!m_ok) return;
        if (WaitForSingleObject(m_info.hProcess, 0) == WAIT_TIMEOUT) {
            if (m_owner != nullptr) PostMessageW(m_owner, WM_CLOSE, 0, 0);
            if (WaitForSingleObject(m_info.hProcess, 60000) != WAIT_OBJECT_0)
                TerminateProcess(m_info.hProcess, 1);
        }
        CloseHandle(m_info.hThread);
        CloseHandle(m_info.hProcess);
    }
    Started(const Started&) = delete;
    Started& operator=(const Started&) = delete;

    // Seconds from `start` until the window captioned `caption` shows `count` owned windows.
    double WaitShown(Clock::time_point start, const wchar_t* caption, int count) {
        // Counting a thousand windows of another process is a thousand trips to the window
        // server, which then serves the program all the slower; so no count before the program
        // first waits for input (its message loop has begun), then as few as it takes.
        WaitForInputIdle(m_info.hProcess, 300000);
        e2e::WaitUntil(
            [&] {
                if (m_owner == nullptr) m_owner = e2e::FindWindowOf(Id(), nullptr, caption);
                return m_owner != nullptr &&
                       static_cast<int>(VisibleOwnedBy(m_owner).size()) >= count;
            },
            std::chrono::minutes(5));
        return Since(start);
    }
    double WorkingSetKb() const {
        PROCESS_MEMORY_COUNTERS memory{};
        memory.cb = sizeof memory;
        GetProcessMemoryInfo(m_info.hProcess, &memory, sizeof memory);
        return static_cast<double>(memory.WorkingSetSize) / 1024.0;
    }
    // Seconds from the close request until the process has ended.
    double Close() {
        const auto start = Clock::now();
        PostMessageW(m_owner, WM_CLOSE, 0, 0);
        WaitForSingleObject(m_info.hProcess, 120000);
        return Since(start);
    }
    DWORD Id() const { return m_info.dwProcessId; }
    HWND Owner() const { return m_owner; }

  private:
    PROCESS_INFORMATION m_info{};
    bool m_ok = false;
    HWND m_owner = nullptr;
};

struct StartRun {
    double ours = 0, floor = 0, oursKb = 0;
};

StartRun StartUp(const std::wstring& program, const std::wstring& floor, int n) {
    StartRun run;
    {
        const auto start = Clock::now();
        Started f(floor, L"");
        run.floor = f.WaitShown(start, bench::kFloorOwner, n);
    }
    {
        const auto start = Clock::now();
        Started p(program, L"");
        run.ours = p.WaitShown(start, L"Brisalt", n);
        std::this_thread::sleep_for(std::chrono::milliseconds(300));
        run.oursKb = p.WorkingSetKb();
    }
    return run;
}

// Once the program has shown all kChangeCount buttons and settled, the one in the middle; none if
// no button shows.
HWND SettledMiddleButton(Started& p, const wchar_t* caption = L"Brisalt") {
    p.WaitShown(Clock::now(), caption, kChangeCount);
    std::this_thread::sleep_for(std::chrono::milliseconds(500));
    const std::vector<HWND> buttons = VisibleOwnedBy(p.Owner());
    return buttons.empty() ? nullptr : buttons[buttons.size() / 2];
}

struct ChangeRun {
    double drag = 0, toggle = 0, exit = 0;
};

// One finished change of each kind sent to a button in the middle, as the window system hands
// it over; SendMessage returns when the program has done with it, so its time is the freeze.
ChangeRun ChangeAndExit(const std::wstring& program) {
    ChangeRun run;
    Started p(program, L"");
    HWND button = SettledMiddleButton(p);
    if (button == nullptr) return run;
    auto start = Clock::now();
    SendMessageW(button, WM_EXITSIZEMOVE, 0, 0);
    run.drag = Since(start);
    double toggles = 1e9;
    for (int i = 0; i < 2; ++i) {  // on and off again, so the store ends as it began
        start = Clock::now();
        SendMessageW(button, WM_COMMAND, ID_BUTTON_TOPMOST, 0);
        toggles = std::min(toggles, Since(start));
    }
    run.toggle = toggles;
    run.exit = p.Close();
    return run;
}

// Seconds `send` keeps the caller waiting until the program's main window answers again, less
// what a bare answer costs: what the user sees as a frozen program.
double Frozen(HWND owner, const std::function<void()>& send, double bare) {
    const auto start = Clock::now();
    send();
    SendMessageW(owner, WM_NULL, 0, 0);
    return std::max(0.0, Since(start) - bare);
}

double BareAnswer(HWND owner) {
    double best = 1e9;
    for (int i = 0; i < 5; ++i) {
        const auto start = Clock::now();
        SendMessageW(owner, WM_NULL, 0, 0);
        best = std::min(best, Since(start));
    }
    return best;
}

struct ToggleRun {
    double bare = 0, toggle = 0;
};

// The always-on-top command sent to a button in the middle from outside, on and off again (so
// the store ends as it began), best of kRuns pairs.
ToggleRun ToggleFromOutside(const std::wstring& program) {
    ToggleRun run;
    Started p(program, L"");
    HWND button = SettledMiddleButton(p);
    if (button == nullptr) return run;
    run.bare = BareAnswer(p.Owner());
    run.toggle = 1e9;
    for (int i = 0; i < 2 * kRuns; ++i) {
        run.toggle =
            std::min(run.toggle,
                     Frozen(
                         p.Owner(), [&] { SendMessageW(button, WM_COMMAND, ID_BUTTON_TOPMOST, 0); },
                         run.bare));
    }
    return run;
}

struct KeysRun {
    double bare = 0, hotkey = 1e9, arrow = 1e9;
};

// The hotkey, as the window system hands it to the main window, until the button it focuses
// answers; then one arrow key to that button until the one it moves to answers; less a bare answer
// each. Best of kRuns rounds, each ended by the hotkey again. The buttons are shown. The floor's
// popups do the least of it: one takes the foreground and the focus, an arrow moves the focus.
KeysRun KeysFromOutside(const std::wstring& program, const wchar_t* caption, bool covered) {
    KeysRun run;
    Started p(program, L"");
    if (SettledMiddleButton(p, caption) == nullptr) return run;
    // Covered: a maximised window of another program in front of every button at each press.
    std::optional<e2e::Cover> cover;
    if (covered) cover.emplace(L"maximised");
    HWND owner = p.Owner();
    run.bare = BareAnswer(owner);
    const DWORD thread = GetWindowThreadProcessId(owner, nullptr);
    const auto focused = [thread] {
        GUITHREADINFO info{};
        info.cbSize = sizeof info;
        GetGUIThreadInfo(thread, &info);
        return info.hwndFocus;
    };
    for (int i = 0; i < kRuns; ++i) {
        if (cover) {
            SetWindowPos(cover->Window(), HWND_TOP, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE);
            SetForegroundWindow(cover->Window());
            std::this_thread::sleep_for(std::chrono::milliseconds(300));
        }
        auto start = Clock::now();
        SendMessageW(owner, WM_HOTKEY, 1, covered ? 1 : 0);
        HWND button = focused();
        SendMessageW(button, WM_NULL, 0, 0);
        run.hotkey = std::min(run.hotkey, Since(start) - run.bare);
        if (button == nullptr || GetWindow(button, GW_OWNER) != owner) return KeysRun{};
        for (const WPARAM key : {VK_RIGHT, VK_LEFT}) {
            start = Clock::now();
            SendMessageW(button, WM_KEYDOWN, key, 1);
            button = focused();
            SendMessageW(button, WM_NULL, 0, 0);
            run.arrow = std::min(run.arrow, Since(start) - run.bare);
        }
        SendMessageW(owner, WM_HOTKEY, 1, 0);  // back to where the foreground was
        std::this_thread::sleep_for(std::chrono::milliseconds(200));
    }
    p.Close();
    return run;
}

// The same toggle inside this process, each port call on the stopwatch.
double ToggleInProcess(int n) {
    bench::TimedPlatform platform;
    platform.Store().SetLocation(text::kMaker, text::kAppName);
    double best = 1e9;
    {
        CMainWnd wnd(platform);
        wnd.Create();
        wnd.LoadAllButtons();
        for (const auto& button : wnd.m_buttons)
            UpdateWindow(reinterpret_cast<HWND>(button->Window().value));
        CLaunchButton& button = *wnd.m_buttons[static_cast<std::size_t>(n) / 2];
        for (int i = 0; i < 2 * kRuns; ++i) {
            const auto start = Clock::now();
            button.OnCommand(ID_BUTTON_TOPMOST);
            best = std::min(best, Since(start));
        }
        wnd.OnClose();
        DestroyWindow(reinterpret_cast<HWND>(wnd.Window().value));
    }
    MSG msg;
    while (PeekMessageW(&msg, nullptr, 0, 0, PM_REMOVE)) {
    }
    return best;
}

struct InProcess {
    bench::StepTimes load, change, exit;
    double loadTotal = 0, changeTotal = 0, exitTotal = 0;
    double gdiPerButton = 0;
    bench::FloorSteps floor;
    double floorTotal = 0;
};

// Start-up, one change and the exit inside this process, with the stopwatch on each port.
InProcess StepsOnce(int n) {
    InProcess r;
    {
        auto start = Clock::now();
        HWND owner = bench::ShowFloor(GetModuleHandleW(nullptr), r.floor);
        const auto painting = Clock::now();
        for (HWND w : VisibleOwnedBy(owner)) UpdateWindow(w);
        r.floor.paint = Since(painting);
        r.floorTotal = Since(start);
        DestroyWindow(owner);
    }
    bench::TimedPlatform platform;
    platform.Store().SetLocation(text::kMaker, text::kAppName);
    {
        CMainWnd wnd(platform);
        wnd.Create();
        const long icons = bench::LiveIcons(), lists = bench::LiveImageLists();
        platform.times = {};
        auto start = Clock::now();
        wnd.LoadAllButtons();
        const auto painting = Clock::now();
        for (const auto& button : wnd.m_buttons)
            UpdateWindow(reinterpret_cast<HWND>(button->Window().value));
        platform.times.seconds[bench::kPaint] += Since(painting);
        r.loadTotal = Since(start);
        r.load = platform.times;

        std::set<HFONT> fonts;
        for (const auto& button : wnd.m_buttons) {
            HWND w = reinterpret_cast<HWND>(button->Window().value);
            if (auto font = reinterpret_cast<HFONT>(SendMessageW(w, WM_GETFONT, 0, 0)))
                fonts.insert(font);
        }
        const long gdi = 2 * (bench::LiveIcons() - icons) + 2 * (bench::LiveImageLists() - lists) +
                         static_cast<long>(fonts.size());
        r.gdiPerButton = static_cast<double>(gdi) / n;

        platform.times = {};
        start = Clock::now();
        wnd.m_buttons[wnd.m_buttons.size() / 2]->OnExitSizeMove();
        r.changeTotal = Since(start);
        r.change = platform.times;

        platform.times = {};
        start = Clock::now();
        wnd.OnClose();
        r.exitTotal = Since(start);
        r.exit = platform.times;
        // The program leaves its windows to the end of its process; this one goes on.
        DestroyWindow(reinterpret_cast<HWND>(wnd.Window().value));
    }
    MSG msg;
    while (PeekMessageW(&msg, nullptr, 0, 0, PM_REMOVE)) {
    }
    return r;
}

// --- Portable mode -------------------------------------------------------------------------

// The settings file of `count` buttons as the program writes it, placed as StoreButtons places
// them, `shift` pixels to the right.
std::string SettingsFileOf(int count, const std::wstring& entry, int shift) {
    SettingsText file;
    {
        const StoreChange change(file);
        stored::WriteInt(file, stored::kNum, count);
        for (int i = 0; i < count; ++i) {
            const int x = (i % 28) * 36 + shift, y = (i / 28 % 20) * 36;
            ButtonInfo info;
            info.appName = win32::Narrow(entry);
            info.size = kDefaultButtonSize;
            info.at = {x, y};
            info.extent = {plat::Dip(35), plat::Dip(35)};
            SaveButtonInfo(file, i + 1, info, 0);
        }
    }
    return file.Text();
}

void WriteBytes(const std::wstring& path, const std::string& bytes) {
    std::ofstream(std::filesystem::path(path), std::ios::binary | std::ios::trunc) << bytes;
}

// A copy of the program in a folder of its own with its settings file beside it.
std::wstring PortableCopy(const std::wstring& program, int count) {
    wchar_t temp[MAX_PATH];
    GetTempPathW(MAX_PATH, temp);
    const std::wstring folder = std::wstring(temp) + L"brisalto-bench-portable\\";
    CreateDirectoryW(folder.c_str(), nullptr);
    const std::wstring copy = folder + L"Brisalto.exe";
    CopyFileW(program.c_str(), copy.c_str(), FALSE);
    WriteBytes(folder + L"Brisalto.ini", SettingsFileOf(count, kEntry, 0));
    return copy;
}

// The end of a drag sent to a button in the middle; seconds until the program is done with it.
double DragFreeze(const std::wstring& program) {
    Started p(program, L"");
    HWND button = SettledMiddleButton(p);
    if (button == nullptr) return -1;
    DWORD_PTR answer = 0;
    double best = 1e9;
    for (int i = 0; i < kRuns; ++i) {
        // Moved, as a drag leaves it, so that the end of the drag has a place to store.
        SetWindowPos(button, nullptr, 500 + 40 * i, 500, 0, 0,
                     SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
        const auto start = Clock::now();
        if (!SendMessageTimeoutW(button, WM_EXITSIZEMOVE, 0, 0, SMTO_BLOCK, 10000, &answer))
            return -1;
        best = std::min(best, Since(start));
    }
    return best;
}

// The common choosers and the question answered as the user would: this file, yes.
class AnsweringDialogs : public plat::IDialogs {
  public:
    AnsweringDialogs(plat::IDialogs& real, std::string save, std::string open)
        : m_real(real), m_save(std::move(save)), m_open(std::move(open)) {}
    int ShowMessageBox(plat::WindowRef, std::string_view, unsigned) override {
        return plat::mb::kIdYes;
    }
    void TrackPopupMenu(const plat::Menu& menu, plat::Point at, plat::WindowRef owner) override {
        m_real.TrackPopupMenu(menu, at, owner);
    }
    int RunModalDialog(const plat::DialogTemplate& dialog, plat::WindowRef parent,
                       plat::IDialogEvents& events) override {
        return m_real.RunModalDialog(dialog, parent, events);
    }
    bool PickColour(plat::WindowRef, plat::Colour&) override { return false; }
    bool PickFont(plat::WindowRef, plat::LogFont&, unsigned) override { return false; }
    bool PickOpenFile(plat::WindowRef, std::string_view, std::string_view, unsigned,
                      std::string& path) override {
        path = m_open;
        return true;
    }
    bool PickSaveFile(plat::WindowRef, std::string_view, std::string_view, unsigned,
                      std::string& path) override {
        path = m_save;
        return true;
    }

  private:
    plat::IDialogs& m_real;
    std::string m_save, m_open;
};

class AnsweringPlatform : public bench::TimedPlatform {
  public:
    // On the settings file `ini` when one is named, else on the registry.
    AnsweringPlatform(const std::string& save, const std::string& open, const std::wstring& ini)
        : m_dialogs(TimedPlatform::Dialogs(), save, open) {
        if (!ini.empty()) m_file = std::make_unique<win32::FileSettingsStore>(ini);
    }
    plat::IDialogs& Dialogs() override { return m_dialogs; }
    plat::ISettingsStore& Store() override { return m_file ? *m_file : TimedPlatform::Store(); }

  private:
    AnsweringDialogs m_dialogs;
    std::unique_ptr<win32::FileSettingsStore> m_file;
};

// Seconds until the desktop is done with what it was told of our windows. Wine's taskbar hears
// of every top-level window made, destroyed or painted whole for the first time, and each time
// looks over all of them: after a thousand windows are made it is busy for a long while, taking
// the window server's time from whatever runs then. A user imports long after start-up, so both
// the import and its floor start on a quiet desktop. A message sent to the desktop is answered
// between two of its posted ones: ten quick answers in a row mean none is waiting.
double SettleDesktop() {
    const auto start = Clock::now();
    for (int quick = 0; quick < 10 && Since(start) < 300;) {
        const auto asked = Clock::now();
        DWORD_PTR answer = 0;
        SendMessageTimeoutW(GetDesktopWindow(), WM_NULL, 0, 0, SMTO_BLOCK, 5000, &answer);
        quick = Since(asked) < 0.002 ? quick + 1 : 0;
    }
    return Since(start);
}

struct TransferRun {
    double exportSeconds = 0, importSeconds = 0, importNew = 0, importFloor = 0;
    double desktopBusy = 0;  // seconds until the desktop was done with the buttons made
    bench::StepTimes importSteps;
    bench::FloorSteps floorSteps;
};

std::string ReadBytes(const std::wstring& path) {
    std::ifstream in(std::filesystem::path(path), std::ios::binary);
    return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

// The least work an import over `count` shown buttons does, in seconds: the file read, its one
// program's icon extracted, the list stored (`store`), and each window moved where the file puts
// it, given the name a screen reader reads (its program's file name) and drawn anew.
double ImportFloor(const std::wstring& in, int count,
                   const std::function<void(const std::string&)>& store, bench::FloorSteps& steps) {
    const HINSTANCE instance = GetModuleHandleW(nullptr);
    bench::RegisterFloorClass(instance);
    HWND owner = CreateWindowExW(WS_EX_TOOLWINDOW, bench::kFloorClass, bench::kFloorOwner,
                                 WS_CAPTION, 0, 0, 100, 100, nullptr, nullptr, instance, nullptr);
    std::vector<HWND> windows;
    for (int i = 0; i < count; ++i) {
        windows.push_back(CreateWindowExW(0, bench::kFloorClass, L"", WS_POPUP | WS_VISIBLE,
                                          (i % 28) * 36, (i / 28 % 20) * 36, 35, 35, owner, nullptr,
                                          instance, nullptr));
    }
    // Shown and painted, as the program's buttons are when it imports.
    for (HWND w : windows) UpdateWindow(w);
    MSG msg;
    while (PeekMessageW(&msg, nullptr, 0, 0, PM_REMOVE)) DispatchMessageW(&msg);
    SettleDesktop();

    const auto start = Clock::now();
    const std::string bytes = ReadBytes(in);
    store(bytes);
    steps.store = Since(start);
    auto step = Clock::now();
    HICON icon = nullptr;
    ExtractIconExW(L"C:\\windows\\regedit.exe", 0, &icon, nullptr, 1);
    steps.icon = Since(step);
    step = Clock::now();
    std::size_t at = 0;
    for (HWND w : windows) {
        at = bytes.find("AppName=\"", at);
        if (at == std::string::npos) break;
        const std::size_t from = at + 9, to = bytes.find('"', from);
        const std::string path = bytes.substr(from, to - from);
        // npos + 1 is 0: a bare name is the whole path.
        SetWindowTextW(w, win32::Widen(path.substr(path.find_last_of('\\') + 1)).c_str());
        at = bytes.find("Data=\"", at);
        if (at == std::string::npos) break;
        int show = 0, index = 0, x = 0, y = 0;
        std::sscanf(bytes.c_str() + at++, "Data=\"%d,%d,%d,%d", &show, &index, &x, &y);
        SetWindowLongPtrW(w, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(icon));
        SetWindowPos(w, nullptr, x, y, 0, 0, SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
        InvalidateRect(w, nullptr, TRUE);
    }
    steps.placement = Since(step);
    step = Clock::now();
    for (HWND w : windows) UpdateWindow(w);
    steps.paint = Since(step);
    const double seconds = Since(start);

    // The windows share the one icon, which their class would destroy with each.
    for (HWND w : windows) SetWindowLongPtrW(w, GWLP_USERDATA, 0);
    DestroyIcon(icon);
    DestroyWindow(owner);
    while (PeekMessageW(&msg, nullptr, 0, 0, PM_REMOVE)) {
    }
    return seconds;
}

// The sections and values of a settings file written to the registry store, each as the
// registry keeps it: what the program writes when it imports that file.
void StoreInRegistry(const std::string& bytes) {
    e2e::ClearStore();
    HKEY app = nullptr, key = nullptr;
    RegCreateKeyExW(HKEY_CURRENT_USER, L"Software\\Kestrowave\\Vopdrant", 0, nullptr, 0, KEY_WRITE,
                    nullptr, &app, nullptr);
    std::size_t start = 0;
    while (start < bytes.size()) {
        std::size_t end = bytes.find("\r\n", start);
        if (end == std::string::npos) end = bytes.size();
        const std::string line = bytes.substr(start, end - start);
        start = end + 2;
        const std::size_t equals = line.find('=');
        if (line.size() > 2 && line.front() == '[') {
            if (key != nullptr) RegCloseKey(key);
            RegCreateKeyExW(app, win32::Widen(line.substr(1, line.size() - 2)).c_str(), 0, nullptr,
                            0, KEY_WRITE, nullptr, &key, nullptr);
        } else if (equals != std::string::npos && key != nullptr) {
            const std::wstring name = win32::Widen(line.substr(0, equals));
            const std::string value = line.substr(equals + 1);
            if (value.rfind("dword:", 0) == 0) {
                const DWORD number = std::stoul(value.substr(6));
                RegSetValueExW(key, name.c_str(), 0, REG_DWORD,
                               reinterpret_cast<const BYTE*>(&number), sizeof number);
            } else {
                const std::wstring text = win32::Widen(value.substr(1, value.size() - 2));
                RegSetValueExW(key, name.c_str(), 0, REG_SZ,
                               reinterpret_cast<const BYTE*>(text.c_str()),
                               static_cast<DWORD>((text.size() + 1) * sizeof(wchar_t)));
            }
        }
    }
    if (key != nullptr) RegCloseKey(key);
    RegCloseKey(app);
}

// The file written beside the old one, flushed and put in its place, as a change does.
void ReplaceBytes(const std::wstring& path, const std::string& bytes) {
    const std::wstring fresh = path + L".new";
    HANDLE file = CreateFileW(fresh.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS,
                              FILE_ATTRIBUTE_NORMAL, nullptr);
    DWORD written = 0;
    WriteFile(file, bytes.data(), static_cast<DWORD>(bytes.size()), &written, nullptr);
    FlushFileBuffers(file);
    CloseHandle(file);
    MoveFileExW(fresh.c_str(), path.c_str(), MOVEFILE_REPLACE_EXISTING | MOVEFILE_WRITE_THROUGH);
}

// Export and import of kChangeCount buttons inside this process, on the registry store or on the
// settings file `ini`: the import puts other buttons, elsewhere, in place of as many there are,
// then (`andOverNone`) in place of none.
TransferRun TransferOnce(const std::wstring& folder, const std::wstring& ini, bool andOverNone) {
    TransferRun r;
    const std::wstring out = folder + L"export.ini", in = folder + L"import.ini";
    WriteBytes(in, SettingsFileOf(kChangeCount, L"C:\\windows\\regedit.exe", 8));
    const auto store = [&](int count) {
        if (ini.empty()) {
            StoreButtons(count);
        } else {
            WriteBytes(ini, SettingsFileOf(count, kEntry, 0));
        }
    };
    MSG msg;
    for (int existing : {kChangeCount, 0}) {
        if (existing == 0 && !andOverNone) break;
        store(existing);
        AnsweringPlatform platform(win32::Narrow(out), win32::Narrow(in), ini);
        platform.Store().SetLocation(text::kMaker, text::kAppName);
        CMainWnd wnd(platform);
        wnd.Create();
        wnd.LoadAllButtons();
        // Shown and painted, as the message loop has long left them when the user imports.
        for (const auto& button : wnd.m_buttons)
            UpdateWindow(reinterpret_cast<HWND>(button->Window().value));
        while (PeekMessageW(&msg, nullptr, 0, 0, PM_REMOVE)) DispatchMessageW(&msg);
        const double busy = SettleDesktop();
        if (existing > 0) {
            r.desktopBusy = busy;
            const auto start = Clock::now();
            wnd.OnCommand(ID_EXPORT);
            r.exportSeconds = Since(start);
        }
        platform.times = {};
        const auto start = Clock::now();
        wnd.OnCommand(ID_IMPORT);
        // What the message loop would do next: the moved buttons paint.
        const auto painting = Clock::now();
        for (const auto& button : wnd.m_buttons)
            UpdateWindow(reinterpret_cast<HWND>(button->Window().value));
        platform.times.seconds[bench::kPaint] += Since(painting);
        if (existing > 0) {
            r.importSeconds = Since(start);
            r.importSteps = platform.times;
        } else {
            r.importNew = Since(start);
        }
        wnd.OnClose();
        DestroyWindow(reinterpret_cast<HWND>(wnd.Window().value));
        while (PeekMessageW(&msg, nullptr, 0, 0, PM_REMOVE)) {
        }
    }
    r.importFloor = ImportFloor(
        in, kChangeCount,
        [&](const std::string& bytes) {
            if (ini.empty()) {
                StoreInRegistry(bytes);
            } else {
                ReplaceBytes(folder + L"floor.ini", bytes);
            }
        },
        r.floorSteps);
    return r;
}

void PortablePart(const std::wstring& program) {
    const std::wstring copy = PortableCopy(program, kChangeCount);
    StoreButtons(kChangeCount);
    double registry = 1e9, file = 1e9;
    for (int run = 0; run < kRuns; ++run) {
        {
            const auto start = Clock::now();
            Started p(program, L"");
            registry = std::min(registry, p.WaitShown(start, L"Brisalt", kChangeCount));
        }
        {
            const auto start = Clock::now();
            Started p(copy, L"");
            file = std::min(file, p.WaitShown(start, L"Brisalt", kChangeCount));
        }
    }
    std::printf("\nPortable mode at N = %d, best of %d\n", kChangeCount, kRuns);
    std::printf("  start-up: file %.2f s, registry %.2f s, ratio %.2f   goal <= 1.25\n", file,
                registry, file / registry);
    std::fflush(stdout);
    const double fileDrag = DragFreeze(copy);
    const double registryDrag = DragFreeze(program);
    std::printf("  frozen after a drag ends: file %.0f ms, registry %.0f ms   goal < 50 ms\n",
                fileDrag * 1e3, registryDrag * 1e3);
    std::fflush(stdout);
}

// Export and import of kChangeCount buttons on the settings file and on the registry.
void TransferPart(const std::wstring& program) {
    const std::wstring copy = PortableCopy(program, kChangeCount);
    const std::wstring folder = copy.substr(0, copy.find_last_of(L'\\') + 1);
    std::printf("\nExport and import at N = %d, best of %d\n", kChangeCount, kRuns);
    for (const bool file : {true, false}) {
        TransferRun best;
        // Making every window anew is told once.
        for (int run = 0; run < kRuns; ++run) {
            const TransferRun r =
                TransferOnce(folder, file ? folder + L"Brisalto.ini" : L"", run == 0);
            if (run == 0 || r.importSeconds < best.importSeconds) best.importSteps = r.importSteps;
            if (run == 0 || r.importFloor < best.importFloor) best.floorSteps = r.floorSteps;
            if (run == 0) best = r;
            best.exportSeconds = std::min(best.exportSeconds, r.exportSeconds);
            best.importSeconds = std::min(best.importSeconds, r.importSeconds);
            best.importFloor = std::min(best.importFloor, r.importFloor);
        }
        std::printf("  on the %s\n", file ? "settings file" : "registry");
        std::printf("    export                  %8.0f ms   goal < 200 ms\n",
                    best.exportSeconds * 1e3);
        std::printf(
            "    import over %d buttons %8.0f ms, floor %.0f ms, ratio %.2f, our own %.0f ms"
            "   goal: our own < 200 ms\n",
            kChangeCount, best.importSeconds * 1e3, best.importFloor * 1e3,
            best.importSeconds / best.importFloor, (best.importSeconds - best.importFloor) * 1e3);
        std::printf("    import over none        %8.0f ms   (makes every window; one run)\n",
                    best.importNew * 1e3);
        std::printf("    the desktop busy after the buttons were made: %.0f s (waited out first)\n",
                    best.desktopBusy);
        std::printf("    import's steps, ms:");
        for (int s = 0; s < bench::kSteps; ++s)
            std::printf(" %s %.0f", bench::kStepNames[s], best.importSteps.seconds[s] * 1e3);
        const bench::FloorSteps& f = best.floorSteps;
        std::printf("\n    floor's steps, ms: store %.0f icon %.0f place %.0f paint %.0f\n",
                    f.store * 1e3, f.icon * 1e3, f.placement * 1e3, f.paint * 1e3);
        std::fflush(stdout);
    }
}

double Micro(double seconds, int n) { return seconds * 1e6 / n; }

void PrintSteps(const char* what, const bench::StepTimes& t, double total, int n) {
    std::printf("  %-22s", what);
    double sum = 0;
    for (int s = 0; s < bench::kSteps; ++s) {
        std::printf(" %8.0f", Micro(t.seconds[s], n));
        sum += t.seconds[s];
    }
    std::printf(" %8.0f %8.0f\n", Micro(total - sum, n), Micro(total, n));
}

}  // namespace

int main() {
    const std::wstring program = e2e::WindowsPath(e2e::Variable(L"BRISALTO_EXE"));
    const std::wstring floor = e2e::WindowsPath(e2e::Variable(L"BRISALTO_FLOOR"));
    // BENCH_PART=startup, change, toggle, keys, portable, transfer or steps runs that part alone,
    // for a quick look.
    const std::wstring part = e2e::Variable(L"BENCH_PART");
    const auto runs = [&](const wchar_t* name) { return part.empty() || part == name; };
    double kbPerButton = 0;

    if (runs(L"startup")) {
        std::printf("Start-up until all N buttons are visible, best of %d, against the floor\n",
                    kRuns);
        std::printf("%6s %9s %9s %7s %9s\n", "N", "ours s", "floor s", "ratio", "goal");
        StoreButtons(0);
        double baseKb = 1e18;
        for (int run = 0; run < kRuns; ++run)
            baseKb = std::min(baseKb, StartUp(program, floor, 0).oursKb);
        for (int n : {10, 100, 1000}) {
            StoreButtons(n);
            StartRun best;
            for (int run = 0; run < kRuns; ++run) {
                const StartRun r = StartUp(program, floor, n);
                if (run == 0 || r.ours < best.ours) best = r;
            }
            if (n == 1000) kbPerButton = (best.oursKb - baseKb) / n;
            std::printf("%6d %9.2f %9.2f %7.2f %9s\n", n, best.ours, best.floor,
                        best.ours / best.floor, n >= 100 ? "<= 1.25" : "");
            std::fflush(stdout);
        }
    }

    if (runs(L"change")) {
        StoreButtons(kChangeCount);
        ChangeRun change;
        for (int run = 0; run < kRuns; ++run) {
            const ChangeRun r = ChangeAndExit(program);
            if (run == 0) change = r;
            change.drag = std::min(change.drag, r.drag);
            change.toggle = std::min(change.toggle, r.toggle);
            change.exit = std::min(change.exit, r.exit);
        }
        std::printf("\nAt N = %d, best of %d\n", kChangeCount, kRuns);
        std::printf("  frozen after a drag ends     %8.0f ms   goal < 50 ms\n", change.drag * 1e3);
        std::printf("  frozen after a topmost toggle %7.0f ms   goal < 50 ms\n",
                    change.toggle * 1e3);
        std::printf("  exit, WM_CLOSE to process end %7.2f s    goal < 2 s\n", change.exit);
    }
    if (runs(L"startup"))
        std::printf("  working set per button       %8.1f KB   goal <= 64 KB\n", kbPerButton);

    if (runs(L"toggle")) {
        // BRISALTO_BEFORE names an earlier build to measure beside this one in the same run.
        const std::wstring before = e2e::Variable(L"BRISALTO_BEFORE");
        StoreButtons(kChangeCount);
        std::printf(
            "\nAlways-on-top toggle at N = %d, best of %d: WM_COMMAND %d to a button, "
            "then until the main window answers, less a bare answer\n",
            kChangeCount, 2 * kRuns, ID_BUTTON_TOPMOST);
        std::printf("  %-8s %10s %12s %12s   %s\n", "program", "bare ms", "outside ms",
                    "in-process", "goal < 50 ms");
        const auto row = [&](const char* label, const std::wstring& exe, bool inProcess) {
            const ToggleRun r = ToggleFromOutside(exe);
            char inside[32] = "-";
            if (inProcess)
                std::snprintf(inside, sizeof inside, "%.1f", ToggleInProcess(kChangeCount) * 1e3);
            std::printf("  %-8s %10.2f %12.1f %12s\n", label, r.bare * 1e3, r.toggle * 1e3, inside);
            std::fflush(stdout);
        };
        if (!before.empty()) row("before", e2e::WindowsPath(before), false);
        row("after", program, true);
    }
    if (runs(L"keys")) {
        StoreButtons(kChangeCount);
        std::printf("\nKeys at N = %d, best of %d, less a bare answer, against the floor\n",
                    kChangeCount, kRuns);
        std::printf("  %-44s %8s %8s %7s %9s\n", "", "ours ms", "floor ms", "ratio", "goal");
        for (const bool covered : {false, true}) {
            const KeysRun keys = KeysFromOutside(program, L"Brisalt", covered);
            const KeysRun least = KeysFromOutside(floor, bench::kFloorOwner, covered);
            std::printf("  %-44s %8.1f %8.1f %7.2f %9s\n",
                        covered ? "the same behind a maximised window"
                                : "hotkey to a focused, visible button",
                        keys.hotkey * 1e3, least.hotkey * 1e3, keys.hotkey / least.hotkey,
                        "< 50 ms");
            if (!covered) {
                std::printf("  %-44s %8.1f %8.1f %7.2f %9s\n", "one arrow move", keys.arrow * 1e3,
                            least.arrow * 1e3, keys.arrow / least.arrow, "< 16 ms");
            }
        }
        std::fflush(stdout);
    }
    if (runs(L"portable")) PortablePart(program);
    if (runs(L"transfer")) TransferPart(program);
    std::fflush(stdout);
    if (!runs(L"steps")) return 0;

    // Where the time goes: the same work in this process, each port call on the stopwatch.
    StoreButtons(kChangeCount);
    InProcess best;
    for (int run = 0; run < kRuns; ++run) {
        const InProcess r = StepsOnce(kChangeCount);
        if (run == 0 || r.loadTotal < best.loadTotal) best = r;
    }
    std::printf(
        "  GDI objects per button       %8.2f      goal <= 3 (icons and image lists "
        "counted by the bench, fonts by WM_GETFONT)\n",
        best.gdiPerButton);
    const int n = kChangeCount;
    std::printf("\nMicroseconds per button at N = %d in one process, best of %d\n", n, kRuns);
    std::printf("  %-22s", "");
    for (const char* name : bench::kStepNames) std::printf(" %8s", name);
    std::printf(" %8s %8s\n", "rest", "total");
    std::printf("  %-22s %8.0f %8.0f %8.0f %8s %8.0f %8.0f %8s %8.0f %8.0f\n", "floor: start-up",
                Micro(best.floor.store, n), Micro(best.floor.icon, n), Micro(best.floor.window, n),
                "-", Micro(best.floor.placement, n), Micro(best.floor.paint, n), "-",
                Micro(best.floorTotal - best.floor.store - best.floor.icon - best.floor.window -
                          best.floor.placement - best.floor.paint,
                      n),
                Micro(best.floorTotal, n));
    PrintSteps("ours: start-up", best.load, best.loadTotal, n);
    PrintSteps("ours: one change", best.change, best.changeTotal, n);
    PrintSteps("ours: exit", best.exit, best.exitTotal, n);
    std::printf("  in-process start-up ratio %.2f\n", best.loadTotal / best.floorTotal);
    e2e::ClearStore();
    return 0;
}
