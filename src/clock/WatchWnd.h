// The desktop clock.
#pragma once

class CWatchWnd {
  public:
    void ReassertTopmost() {}
};
