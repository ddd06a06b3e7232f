// The dialog templates, as data.
#pragma once

#include "platform/Platform.h"

namespace dlg {

// The about box's version line, filled in when it opens.
inline constexpr int kAboutVersion = 1101;

const plat::DialogTemplate& About();

}  // namespace dlg
