// Conversions between the logic's window references and Win32 handles.
#pragma once

#include <windows.h>

#include "platform/Types.h"

namespace win32 {
inline HWND ToHwnd(plat::WindowRef w) { return reinterpret_cast<HWND>(w.value); }
inline plat::WindowRef ToRef(HWND h) {
    return plat::WindowRef{reinterpret_cast<std::uintptr_t>(h)};
}
}  // namespace win32
