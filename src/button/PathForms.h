// The forms of a path that travel: %USERPROFILE%\... and the like for a file under a folder that
// has another place on another PC, and \... (no drive) for a file on the program's own drive,
// which a stick may bring back under another letter. Kept as written, turned into a full path
// only where the file is used.
#pragma once

#include <string>
#include <string_view>
#include <utility>
#include <vector>

#include "platform/System.h"

// The folders an export writes in the environment's form, by their variable's name.
inline constexpr const char* kPathVariables[] = {"LOCALAPPDATA", "USERPROFILE", "ProgramFiles",
                                                 "SystemRoot"};

// `path` with the longest folder it lies in replaced by %NAME%; `folders` pairs each name with
// its value on this PC.
std::string TravellingPath(std::string_view path,
                           const std::vector<std::pair<std::string, std::string>>& folders);

// The folders of kPathVariables as this PC has them.
std::vector<std::pair<std::string, std::string>> PathFolders(plat::ISystem& system);

// The path to use: %NAME%\... expanded, \... on the program's drive, anything else as it is.
std::string UsablePath(plat::ISystem& system, std::string_view path);
