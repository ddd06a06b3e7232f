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

// The context BeginPaint handed out for the window this thread is painting now.
struct PaintingWindow {
    HWND hwnd = nullptr;
    HDC dc = nullptr;
};
inline thread_local PaintingWindow t_painting;

// Opens a window's painting (WM_PAINT) for the scope of its owner: drawing into that window
// meanwhile goes to the painting's own context, clipped to what needs it, instead of asking for
// another.
class PaintScope {
  public:
    explicit PaintScope(HWND hwnd) : m_hwnd(hwnd), m_outer(t_painting) {
        t_painting = {hwnd, BeginPaint(hwnd, &m_ps)};
    }
    PaintScope(const PaintScope&) = delete;
    PaintScope& operator=(const PaintScope&) = delete;
    ~PaintScope() {
        EndPaint(m_hwnd, &m_ps);
        t_painting = m_outer;
    }

  private:
    HWND m_hwnd;
    PaintingWindow m_outer;
    PAINTSTRUCT m_ps{};
};

// A window's device context (the screen's for none) for as long as its owner lives; the
// painting's own while the window is being painted.
class WindowDc {
  public:
    explicit WindowDc(HWND hwnd)
        : m_hwnd(hwnd),
          m_borrowed(hwnd != nullptr && hwnd == t_painting.hwnd && t_painting.dc != nullptr),
          m_dc(m_borrowed ? t_painting.dc : GetDC(hwnd)) {}
    WindowDc(const WindowDc&) = delete;
    WindowDc& operator=(const WindowDc&) = delete;
    ~WindowDc() {
        if (m_dc != nullptr && !m_borrowed) ReleaseDC(m_hwnd, m_dc);
    }
    HDC get() const { return m_dc; }

  private:
    HWND m_hwnd;
    bool m_borrowed;
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
