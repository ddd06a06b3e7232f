#include "platform/fake/FakeIcons.h"

#include <algorithm>

namespace fake {

namespace {

struct ListInfo {
    int size = 0;
    std::optional<IconInfo> image;
};

struct Handles {
    std::uintptr_t next = 0x1000;
    std::map<std::uintptr_t, IconInfo> icons;
    std::map<std::uintptr_t, ListInfo> lists;
};

Handles& Live() {
    static Handles handles;
    return handles;
}

void ReleaseIcon(std::uintptr_t value) { Live().icons.erase(value); }
void ReleaseList(std::uintptr_t value) { Live().lists.erase(value); }

plat::Icon MakeIcon(IconInfo info) {
    const std::uintptr_t value = Live().next++;
    Live().icons[value] = std::move(info);
    return plat::Icon(value, ReleaseIcon);
}

std::string SizeName(int size) {
    if (size == plat::IIcons::kSmallSide) return "small";
    if (size == plat::IIcons::kLargeSide) return "large";
    return std::to_string(size);
}

}  // namespace

const FakeFile* FakeIcons::Find(std::string_view path) const {
    auto it = files.find(path);
    return it == files.end() ? nullptr : &it->second;
}

int FakeIcons::CountIcons(std::string_view module) {
    m_log.push_back("Icons.Count " + std::string(module));
    const FakeFile* f = Find(module);
    return f == nullptr ? 0 : static_cast<int>(f->icons.size());
}

plat::Icon FakeIcons::ModuleIcon(std::string_view module, int index, int size) {
    m_log.push_back("Icons.Extract " + std::string(module) + "," + std::to_string(index) + "," +
                    SizeName(size));
    const FakeFile* f = Find(module);
    if (f == nullptr || index < 0 || index >= static_cast<int>(f->icons.size())) return {};
    // The file's own picture, not yet scaled: the loader must bring it to its size. In a size
    // other than the system's two the platform makes it at that size.
    const bool systemSize = size == kSmallSide || size == kLargeSide;
    return MakeIcon({std::string(module) + "#" + std::to_string(index),
                     systemSize ? f->icons[static_cast<std::size_t>(index)] : size});
}

int FakeIcons::LargestImage(std::string_view module, int index) {
    const FakeFile* f = Find(module);
    if (f == nullptr || index < 0 || index >= static_cast<int>(f->icons.size())) return 0;
    return f->icons[static_cast<std::size_t>(index)];
}

plat::Icon FakeIcons::ShellIcon(std::string_view path, int size) {
    m_log.push_back("Icons.Shell " + std::string(path) + "," + SizeName(size));
    const FakeFile* f = Find(path);
    if (f == nullptr || !f->shellIcon) return {};
    const int made = size <= kSmallSide   ? smallSize
                     : size <= kLargeSide ? largeSize
                                          : std::min(size, shellLargest);
    return MakeIcon({"shell:" + std::string(path), made});
}

plat::ImageList FakeIcons::CreateImageList(int size) {
    m_log.push_back("Icons.CreateList " + std::to_string(size));
    const std::uintptr_t value = Live().next++;
    Live().lists[value] = ListInfo{size, std::nullopt};
    return plat::ImageList(value, ReleaseList);
}

plat::Icon FakeIcons::Normalize(plat::ImageList& list, const plat::Icon& icon) {
    m_log.push_back("Icons.Normalize");
    auto l = Live().lists.find(list.Get());
    if (l == Live().lists.end()) return {};
    l->second.image.reset();
    const std::optional<IconInfo> source = Describe(icon);
    if (!source) return {};
    l->second.image = IconInfo{source->source, l->second.size};
    return MakeIcon(*l->second.image);
}

plat::Icon FakeIcons::Make(IconInfo info) { return MakeIcon(std::move(info)); }

std::optional<IconInfo> FakeIcons::Describe(std::uintptr_t handle) {
    auto it = Live().icons.find(handle);
    if (it == Live().icons.end()) return std::nullopt;
    return it->second;
}

int FakeIcons::LiveIcons() { return static_cast<int>(Live().icons.size()); }
int FakeIcons::LiveImageLists() { return static_cast<int>(Live().lists.size()); }

}  // namespace fake
