// Icons through SHELL32 and a COMCTL32 image list.
#pragma once

#include "platform/Platform.h"

namespace win32 {

class Icons : public plat::IIcons {
  public:
    int CountIcons(std::string_view module) override;
    using plat::IIcons::ModuleIcon;
    using plat::IIcons::ShellIcon;
    plat::Icon ModuleIcon(std::string_view module, int index, int size) override;
    plat::Icon ShellIcon(std::string_view path, int size) override;
    int LargestImage(std::string_view module, int index) override;
    plat::ImageList CreateImageList(int size) override;
    plat::Icon Normalize(plat::ImageList& list, const plat::Icon& icon) override;
};

}  // namespace win32
