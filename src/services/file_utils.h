// Small path and settings utilities shared by the shell and the engine.
#pragma once

#include <string>

namespace ombrel {

// path + "/" when path is not empty and does not end in "/".
std::string AddBackslash(const std::string& path);

// One value of a settings file, blanks around it removed; "" when absent, when
// only blanks, or when settingsFile is empty.
std::string ReadIniValue(const std::string& settingsFile, const std::string& section,
                         const std::string& key);

}  // namespace ombrel
