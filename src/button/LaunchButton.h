// A launch button: holds one entry and its option word.
#pragma once

#include "button/ButtonInfo.h"
#include "platform/Types.h"

class CLaunchButton {
  public:
    void ApplyInfo(const ButtonInfo& info, int option) {
        m_info = info;
        m_option = option;
    }
    void GetInfo(ButtonInfo& info, int& option) const {
        info = m_info;
        option = m_option;
    }
    void ReassertTopmost() {}
    plat::WindowRef Window() const { return m_hWnd; }

  private:
    ButtonInfo m_info;
    int m_option = 0;
    plat::WindowRef m_hWnd;
};
