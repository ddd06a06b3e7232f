// The drive/folder/name/extension split of a path, shared by everything that looks at an
// entry's file name.
#pragma once

#include <string>
#include <string_view>

struct PathParts {
    std::string drive;  // "C:" or empty
    std::string dir;    // up to and including the last separator, after the drive
    std::string name;
    std::string ext;  // from the last dot of the name on, dot included; empty without one
};

// Backslash and slash both separate. The path is UTF-8, where no byte of a multi-byte character
// can be mistaken for a separator, a colon or a dot.
PathParts SplitPath(std::string_view path);

// Case-insensitive for the ASCII letters, byte for byte for everything else, so "ＥＸＥ" in
// full-width letters is no ".exe".
bool EqualsNoCase(std::string_view a, std::string_view b);
