#include "button/PathSplit.h"

PathParts SplitPath(std::string_view path) {
    PathParts parts;
    if (path.size() >= 2 && path[1] == ':') {
        parts.drive = path.substr(0, 2);
        path.remove_prefix(2);
    }
    const std::size_t sep = path.find_last_of("\\/");
    const std::size_t nameStart = sep == std::string_view::npos ? 0 : sep + 1;
    parts.dir = path.substr(0, nameStart);
    const std::string_view file = path.substr(nameStart);
    const std::size_t dot = file.rfind('.');
    parts.name = file.substr(0, dot);
    if (dot != std::string_view::npos) parts.ext = file.substr(dot);
    return parts;
}

bool EqualsNoCase(std::string_view a, std::string_view b) {
    if (a.size() != b.size()) return false;
    auto fold = [](char c) { return c >= 'A' && c <= 'Z' ? static_cast<char>(c - 'A' + 'a') : c; };
    for (std::size_t i = 0; i < a.size(); ++i) {
        if (fold(a[i]) != fold(b[i])) return false;
    }
    return true;
}
