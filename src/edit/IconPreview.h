// The icon that an icon static of a dialog shows. The dialog owns it: a new one replaces it only
// after the static has let go of it, and the last one goes when the dialog has ended.
#pragma once

#include <utility>

#include "platform/Platform.h"

class CIconPreview {
  public:
    explicit CIconPreview(int id) : m_id(id) {}

    // Shows `icon`, or an empty preview when there is none.
    void Show(plat::IDialog& dialog, plat::Icon icon) {
        dialog.SetItemIcon(m_id, icon ? &icon : nullptr);
        m_icon = std::move(icon);
    }
    // Only once the dialog's window is gone.
    void Release() { m_icon.Reset(); }

  private:
    int m_id;
    plat::Icon m_icon;
};
