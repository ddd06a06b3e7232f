// Files dropped on one of our windows, for popups and dialogs alike.
#pragma once

#include <windows.h>
#include <shellapi.h>

#include <string>
#include <vector>

namespace win32 {

// Full paths in drop order, of any length; the drop is finished (its data released).
std::vector<std::string> TakeDroppedFiles(HDROP drop);

}  // namespace win32
