// Drives the real Brisalto.exe from a test process in the same Wine desktop: starts it, finds
// its windows and boxes, reads the registry it wrote.
#pragma once

#include <windows.h>
#include <oleacc.h>

#include <chrono>
#include <cstdint>
#include <functional>
#include <optional>
#include <string>
#include <vector>

namespace e2e {

// Runs a program of the machine under Wine (xdotool, import) and waits for it; true on exit 0.
bool RunUnix(const std::vector<std::string>& argv);
// A real click of the X server's pointer at a point of the Wine desktop (button 1 left, 3 right).
void Click(int x, int y, int button);
// A screenshot of the whole screen into $BRISALTO_ARTIFACTS/<name>.png; its path.
std::string Screenshot(const std::string& name);

// Whether the notification area holds the icon of this owner and id: the shell changes only
// an icon it has.
bool TrayIconKnown(HWND owner, UINT id);
// Where the program's icon sits in the virtual desktop's notification area; false if the
// taskbar is not shown (Wine 8 hides it while it holds no icon).
bool TrayIconPoint(POINT& at);
// Opens the tray icon's menu with a real right click; none if it did not open.
HWND OpenTrayMenu(POINT icon);
// The popup menu being tracked, once it is shown.
HWND WaitForMenu(std::chrono::milliseconds timeout = std::chrono::seconds(10));
// Chooses a menu item by its mnemonic, as the key would.
void ChooseByMnemonic(HWND menu, char key);
// Opens the tray menu and walks it by mnemonics, as the keyboard would ('^' is the up arrow,
// '\n' Enter); false if it did not open.
bool ChooseFromTrayMenu(POINT icon, const std::string& keys);

// A path of the build machine as Wine sees it (its root is drive Z:).
std::wstring WindowsPath(std::wstring path);
// An environment variable of the test process.
std::wstring Variable(const wchar_t* name);

// The launch buttons of process `pid`: its visible button windows, by x.
std::vector<HWND> ButtonWindows(DWORD pid);
// A pixel of the screen as the window system shows it.
COLORREF ScreenPixel(int x, int y);
// The screen's DPI as a program that scales itself sees it; the calling test process becomes one
// too, so that it reads the program's windows in real pixels.
int ScreenDpi();
// A whole file as bytes; empty when it cannot be read.
std::string ReadFile(const std::wstring& path);

// A real left click in the middle of a dialog's control.
void ClickItem(HWND dialog, int id);
// The screen's pixels in `r`, row by row, as 0xRRGGBB.
std::vector<std::uint32_t> ScreenPixels(const RECT& r);

// Polls `done` until it holds or `timeout` passes.
bool WaitUntil(const std::function<bool()>& done,
               std::chrono::milliseconds timeout = std::chrono::seconds(20));

class Process {
  public:
    Process() = default;
    Process(const Process&) = delete;
    Process& operator=(const Process&) = delete;
    ~Process();

    // Starts Brisalto.exe (from $BRISALTO_EXE) with an optional command line tail.
    bool Start(const std::wstring& arguments = L"");
    // Starts another program of the machine.
    bool Start(const std::wstring& program, const std::wstring& arguments);
    // The exit code once it has ended within `timeout`.
    std::optional<DWORD> WaitForExit(std::chrono::milliseconds timeout = std::chrono::seconds(20));
    bool Running() const;
    DWORD Id() const { return m_info.dwProcessId; }
    void Kill();

  private:
    PROCESS_INFORMATION m_info{};
};

// Another program's window (the cover program), started as a user would start it with its words
// ("full" or "maximised", "at=X" for another monitor, "end=MS" to end by itself), waited for
// until it is in the foreground.
class Cover {
  public:
    explicit Cover(const std::wstring& words);
    Cover(const Cover&) = delete;
    Cover& operator=(const Cover&) = delete;
    ~Cover();
    HWND Window() const { return m_window; }
    // Closed as a user would close it (WM_CLOSE), waited for.
    void Close();
    // Ended from outside, its window never told.
    void Kill();
    // Whether its process has ended within `timeout`.
    bool Ended(std::chrono::milliseconds timeout);

  private:
    PROCESS_INFORMATION m_info{};
    HWND m_window = nullptr;
};

// The top-level window of process `pid` with this class and caption; any process when pid is 0.
HWND FindWindowOf(DWORD pid, const wchar_t* className, const wchar_t* caption);
// The first visible dialog of process `pid` captioned `caption`, waited for; null if none came.
HWND WaitForDialog(DWORD pid, const wchar_t* caption);
// The text of a message box (its static text control).
std::wstring MessageBoxText(HWND box);

// What a screen reader asks of an object about itself (CHILDID_SELF): a text it answers, "<none>"
// when it has none, "failed" and the code when the call failed.
using AccessibleText = HRESULT (STDMETHODCALLTYPE IAccessible::*)(VARIANT, BSTR*);
std::string AskAccessible(IAccessible& object, AccessibleText get);
VARIANT AccessibleSelf();

// The program's own store.
void ClearStore();
// Whether the program's key is in the registry at all.
bool StoreExists();
std::optional<DWORD> StoredInt(const wchar_t* section, const wchar_t* key);
std::optional<std::wstring> StoredString(const wchar_t* section, const wchar_t* key);
// A string value of any key below HKEY_CURRENT_USER.
std::optional<std::wstring> UserString(const std::wstring& key, const wchar_t* value);
void PutInt(const wchar_t* section, const wchar_t* key, DWORD value);
void PutString(const wchar_t* section, const wchar_t* key, const std::wstring& value);
// A store of nothing but these buttons, each a program and its "Data", as Btn1, Btn2, ...
struct StoredButton {
    std::wstring appName;
    std::wstring data;
};
void StoreButtons(const std::vector<StoredButton>& buttons);

}  // namespace e2e
