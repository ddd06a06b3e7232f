// UTF-8 in the logic, UTF-16 at every Win32 call.
#pragma once

#include <string>
#include <string_view>

namespace win32 {
std::wstring Widen(std::string_view text);
std::string Narrow(std::wstring_view text);
}  // namespace win32
