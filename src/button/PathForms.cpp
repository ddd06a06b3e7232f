#include "button/PathForms.h"

#include "button/PathSplit.h"

std::string TravellingPath(std::string_view path,
                           const std::vector<std::pair<std::string, std::string>>& folders) {
    const std::pair<std::string, std::string>* best = nullptr;
    for (const auto& folder : folders) {
        std::string_view value = folder.second;
        while (!value.empty() && (value.back() == '\\' || value.back() == '/')) {
            value.remove_suffix(1);
        }
        // The folder itself or a whole folder of the path: C:\Users\Ann is no folder of
        // C:\Users\Anna\x.
        if (value.empty() || path.size() < value.size() ||
            !EqualsNoCase(path.substr(0, value.size()), value) ||
            (path.size() > value.size() && path[value.size()] != '\\' &&
             path[value.size()] != '/')) {
            continue;
        }
        if (best == nullptr || value.size() > best->second.size()) best = &folder;
    }
    if (best == nullptr) return std::string(path);
    std::size_t length = best->second.size();
    while (length > 0 && (best->second[length - 1] == '\\' || best->second[length - 1] == '/')) {
        --length;
    }
    std::string out(1, '%');
    out.append(best->first).append(1, '%').append(path.substr(length));
    return out;
}

std::vector<std::pair<std::string, std::string>> PathFolders(plat::ISystem& system) {
    std::vector<std::pair<std::string, std::string>> folders;
    for (const char* name : kPathVariables) {
        std::string variable(1, '%');
        variable.append(name).append(1, '%');
        std::string value = system.ExpandEnvironment(variable);
        // One that is not set comes back as it went.
        if (value != variable && !value.empty()) folders.emplace_back(name, std::move(value));
    }
    return folders;
}

std::string UsablePath(plat::ISystem& system, std::string_view path) {
    if (!path.empty() && path.front() == '%') return system.ExpandEnvironment(path);
    // One backslash, not two (a share's name), and no drive: the drive the program runs from.
    if (!path.empty() && (path.front() == '\\' || path.front() == '/') &&
        (path.size() < 2 || (path[1] != '\\' && path[1] != '/'))) {
        return SplitPath(system.ProgramPath()).drive + std::string(path);
    }
    return std::string(path);
}
