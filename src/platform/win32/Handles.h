// Conversions between the logic's window references and icons and Win32 handles, and the small
// owners that hold every handle this adapter makes: each releases its handle when it goes.
#pragma once

#include <windows.h>

#include <memory>
#include <type_traits>

#include "platform/Types.h"

namespace win32 {
inline HWND ToHwnd(plat::WindowRef w) { return reinterpret_cast<HWND>(w.value); }
inline plat::WindowRef ToRef(HWND h) {
    return plat::WindowRef{reinterpret_cast<std::uintptr_t>(h)};
}

// An icon this adapter made or loaded, destroyed when its owner lets it go.
inline void ReleaseIcon(std::uintptr_t icon) { DestroyIcon(reinterpret_cast<HICON>(icon)); }
inline plat::Icon OwnIcon(HICON icon) {
    return plat::Icon(reinterpret_cast<std::uintptr_t>(icon), ReleaseIcon);
}
// The same for a font.
inline void ReleaseFont(std::uintptr_t font) { DeleteObject(reinterpret_cast<HFONT>(font)); }
inline plat::Font OwnFont(HFONT font) {
    return plat::Font(reinterpret_cast<std::uintptr_t>(font), ReleaseFont);
}

// A handle released by `Release` when its owner goes; an owner of nothing releases nothing.
template <auto Release>
struct Releaser {
    template <class H>
    void operator()(H handle) const {
        if (handle != nullptr) Release(handle);
    }
};
template <class H, auto Release>
using Owned = std::unique_ptr<std::remove_pointer_t<H>, Releaser<Release>>;

using Key = Owned<HKEY, RegCloseKey>;
using MemoryDc = Owned<HDC, DeleteDC>;
using Bitmap = Owned<HBITMAP, DeleteObject>;
using Brush = Owned<HBRUSH, DeleteObject>;
using FontHandle = Owned<HFONT, DeleteObject>;
using IconHandle = Owned<HICON, DestroyIcon>;
using MenuHandle = Owned<HMENU, DestroyMenu>;
using Library = Owned<HMODULE, FreeLibrary>;
using KernelHandle = Owned<HANDLE, CloseHandle>;
using WinEventHook = Owned<HWINEVENTHOOK, UnhookWinEvent>;

// A window's device context (the screen's for none) for as long as its owner lives.
class WindowDc {
  public:
    explicit WindowDc(HWND hwnd) : m_hwnd(hwnd), m_dc(GetDC(hwnd)) {}
    WindowDc(const WindowDc&) = delete;
    WindowDc& operator=(const WindowDc&) = delete;
    ~WindowDc() {
        if (m_dc != nullptr) ReleaseDC(m_hwnd, m_dc);
    }
    HDC get() const { return m_dc; }

  private:
    HWND m_hwnd;
    HDC m_dc;
};

// An object selected into a device context until its owner goes, when the one it replaced is
// selected again.
class Selection {
  public:
    Selection(HDC dc, HGDIOBJ object) : m_dc(dc), m_old(SelectObject(dc, object)) {}
    Selection(const Selection&) = delete;
    Selection& operator=(const Selection&) = delete;
    ~Selection() {
        if (m_old != nullptr && m_old != HGDI_ERROR) SelectObject(m_dc, m_old);
    }

  private:
    HDC m_dc;
    HGDIOBJ m_old;
};

}  // namespace win32
