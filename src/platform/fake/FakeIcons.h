// Icons in memory: a small file system of modules and shell icons, and handles that know where
// they came from and how large they are. Every handle is counted while it lives, so a test can
// prove that nothing leaks.
#pragma once

#include <map>
#include <optional>
#include <string>
#include <vector>

#include "platform/Platform.h"

namespace fake {

struct FakeFile {
    // Pixel sizes of the icons the file holds as a module, in order; empty for a file that holds
    // none (a document, an .ico file: modules are read for their resources only).
    std::vector<int> icons;
    // Whether the shell has an icon for the path.
    bool shellIcon = true;
};

// What a fake icon handle stands for.
struct IconInfo {
    std::string source;  // "module#index", or "shell:path"
    int size = 0;
    friend bool operator==(const IconInfo&, const IconInfo&) = default;
};

class FakeIcons : public plat::IIcons {
  public:
    explicit FakeIcons(std::vector<std::string>& log) : m_log(log) {}

    int CountIcons(std::string_view module) override;
    using plat::IIcons::ModuleIcon;
    using plat::IIcons::ShellIcon;
    plat::Icon ModuleIcon(std::string_view module, int index, int size) override;
    plat::Icon ShellIcon(std::string_view path, int size) override;
    int LargestImage(std::string_view module, int index) override;
    plat::ImageList CreateImageList(int size) override;
    plat::Icon Normalize(plat::ImageList& list, const plat::Icon& icon) override;

    // The files that exist, by path as the logic spells it.
    std::map<std::string, FakeFile, std::less<>> files;
    // Sizes the platform extracts and the shell hands out in the system's two sizes, and the
    // largest the shell keeps.
    int largeSize = 32;
    int smallSize = 16;
    int shellLargest = 48;

    static std::optional<IconInfo> Describe(const plat::Icon& icon) { return Describe(icon.Get()); }
    // None for a handle that was never made or is released.
    static std::optional<IconInfo> Describe(std::uintptr_t handle);
    // A live icon that stands for `info`, as every icon of the fake is.
    static plat::Icon Make(IconInfo info);
    // Handles of this process not yet released.
    static int LiveIcons();
    static int LiveImageLists();

  private:
    const FakeFile* Find(std::string_view path) const;

    std::vector<std::string>& m_log;
};

}  // namespace fake
