// The ports through which the program's logic reaches the window system, the shell and the
// settings store. Each is shaped after what the logic needs, not after the whole Win32 API.
// Strings are UTF-8; the Win32 adapter converts at the boundary and calls only W functions.
#pragma once

#include <string>
#include <string_view>

#include "platform/Types.h"

namespace plat {

// Values of the Win32 constants that the logic passes through unchanged.
namespace mb {
inline constexpr unsigned kOk = 0x0;
inline constexpr unsigned kOkCancel = 0x1;
inline constexpr unsigned kIconQuestion = 0x20;
inline constexpr unsigned kIconExclamation = 0x30;
inline constexpr int kIdOk = 1;
inline constexpr int kIdCancel = 2;
}  // namespace mb

namespace sw {
inline constexpr int kHide = 0;
inline constexpr int kShowMinimized = 2;
inline constexpr int kShowMaximized = 3;
inline constexpr int kShow = 5;
}  // namespace sw

namespace ws {
inline constexpr unsigned kCaption = 0x00C00000;
inline constexpr unsigned kMinimizeBox = 0x00020000;
inline constexpr unsigned kExToolWindow = 0x00000080;
}  // namespace ws

// The per-user settings store: one key per section below the application key. Opening a section
// creates it; nothing is ever deleted. Reads of a missing or mistyped value give the default.
class ISettingsStore {
  public:
    virtual ~ISettingsStore() = default;
    // Fixes Software\<maker>\<application>; no read or write may come before it.
    virtual void SetLocation(std::string_view maker, std::string_view application) = 0;
    virtual int ReadInt(std::string_view section, std::string_view key, int fallback) = 0;
    virtual std::string ReadString(std::string_view section, std::string_view key,
                                   std::string_view fallback) = 0;
    virtual void WriteInt(std::string_view section, std::string_view key, int value) = 0;
    virtual void WriteString(std::string_view section, std::string_view key,
                             std::string_view value) = 0;
};

// What the hidden main window hears from the window system.
class IMainWindowEvents {
  public:
    virtual ~IMainWindowEvents() = default;
    // During creation; false fails it.
    virtual bool OnCreate(WindowRef self) = 0;
    virtual void OnClose() = 0;
    // `defaultAnswer` is what default processing said; the result is the window's answer.
    virtual bool OnQueryEndSession(bool defaultAnswer) = 0;
    virtual void OnCommand(int id) = 0;
    // The window is gone; nothing may be done with it any more.
    virtual void OnDestroyed() = 0;
};

struct MainWindowSpec {
    std::string caption;
    unsigned style = 0;
    unsigned exStyle = 0;
    int width = 0;
    int height = 0;
};

// Windows, message boxes and the message loop.
class IWindowSystem {
  public:
    virtual ~IWindowSystem() = default;
    // A top-level window whose caption is exactly `caption`, of any program; none when absent.
    virtual WindowRef FindTopLevelWindow(std::string_view caption) = 0;
    virtual int ShowMessageBox(WindowRef owner, std::string_view text, std::string_view caption,
                               unsigned type) = 0;
    // The platform's major version; 0 when the query fails.
    virtual int MajorVersion() = 0;
    virtual WindowRef CreateMainWindow(const MainWindowSpec& spec, IMainWindowEvents& events) = 0;
    virtual void ShowWindow(WindowRef window, int command) = 0;
    virtual void DestroyWindow(WindowRef window) = 0;
    // Runs until the quit message and returns its exit code.
    virtual int RunMessageLoop() = 0;
    virtual void PostQuit(int exitCode) = 0;
    virtual void Beep(int frequency, int milliseconds) = 0;
};

// Starting programs, documents and command lines.
class IShell {
  public:
    virtual ~IShell() = default;
    // The shell's default action on `file`; empty parameters or directory are passed as none.
    // The result follows ShellExecute's rule: above 32 is success, 32 or less an error code.
    virtual int Execute(WindowRef owner, std::string_view file, std::string_view parameters,
                        std::string_view directory, int showCommand) = 0;
    // Starts a command line without waiting for it. The result follows WinExec's rule: 32 or
    // more is success, below 32 an error code.
    virtual int RunCommandLine(std::string_view commandLine, int showCommand) = 0;
};

// An image list with room for one icon of a fixed size.
class ImageList : public OwnedHandle {
    using OwnedHandle::OwnedHandle;
};

// Icons out of modules and from the shell.
class IIcons {
  public:
    virtual ~IIcons() = default;
    // How many icons the module holds; 0 for a file that holds none or cannot be read.
    virtual int CountIcons(std::string_view module) = 0;
    // Icon `index` of the module in the large or small system size; an index below -1 names a
    // resource identifier, -1 yields none.
    virtual Icon ModuleIcon(std::string_view module, int index, bool isSmall) = 0;
    // The icon the shell shows for the path; none when the shell has none.
    virtual Icon ShellIcon(std::string_view path, bool isSmall) = 0;
    virtual ImageList CreateImageList(int size) = 0;
    // Replaces the list's single image with `icon` and returns a new icon of the list's size
    // made from it; with no icon the list is left empty and the result is none.
    virtual Icon Normalize(ImageList& list, const Icon& icon) = 0;
};

class IPlatform {
  public:
    virtual ~IPlatform() = default;
    virtual ISettingsStore& Store() = 0;
    virtual IWindowSystem& Windows() = 0;
    virtual IShell& Shell() = 0;
    virtual IIcons& Icons() = 0;
};

}  // namespace plat
