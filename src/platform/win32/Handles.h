// Conversions between the logic's window references and icons and Win32 handles.
#pragma once

#include <windows.h>

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
}  // namespace win32
