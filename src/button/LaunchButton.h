// A launch button: holds one entry and its option word.
#pragma once

#include "button/ButtonInfo.h"

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

  private:
    ButtonInfo m_info;
    int m_option = 0;
};
