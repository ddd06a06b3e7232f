// Builds a dialog template in memory from the program's template data.
#pragma once

#include <windows.h>

#include <vector>

#include "platform/Platform.h"

namespace win32 {

// DWORD-aligned words of a DLGTEMPLATE with its items, ready for DialogBoxIndirectParamW.
std::vector<WORD> BuildDialogTemplate(const plat::DialogTemplate& t);

}  // namespace win32
