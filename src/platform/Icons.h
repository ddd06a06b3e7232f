// The icon port: icons out of modules and from the shell, and the image lists that
// bring them to one size.
#pragma once

#include <string_view>

#include "platform/Types.h"

namespace plat {

// An image list with room for one icon of a fixed size.
class ImageList : public OwnedHandle {
    using OwnedHandle::OwnedHandle;
};

// Icons out of modules and from the shell.
class IIcons {
  public:
    // The system's icon sizes on a 96-dpi screen.
    static constexpr int kLargeSide = 32;
    static constexpr int kSmallSide = 16;

    virtual ~IIcons() = default;
    // How many icons the module holds; 0 for a file that holds none or cannot be read.
    virtual int CountIcons(std::string_view module) = 0;
    // Icon `index` of the module at `size` pixels, made from the image that suits that size best;
    // an index below -1 names a resource identifier, -1 yields none.
    virtual Icon ModuleIcon(std::string_view module, int index, int size) = 0;
    // The icon the shell shows for the path, at `size` pixels or the nearest size the shell
    // keeps below it; none when the shell has none.
    virtual Icon ShellIcon(std::string_view path, int size) = 0;
    // The side of the largest image that icon `index` of the module holds; 0 when that is not
    // known.
    virtual int LargestImage(std::string_view module, int index) = 0;
    virtual ImageList CreateImageList(int size) = 0;
    // Replaces the list's single image with `icon` and returns a new icon of the list's size
    // made from it; with no icon the list is left empty and the result is none.
    virtual Icon Normalize(ImageList& list, const Icon& icon) = 0;
};

}  // namespace plat
