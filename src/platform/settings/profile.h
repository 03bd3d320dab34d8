// Reads settings files (QOR.INI, registry.ini) the way the Windows profile
// reader does: names match without regard to letter case, the first matching
// section and key win, and a missing file, section or key gives the default.
#pragma once

#include <string>

namespace ombrel {

// The folder where bare settings-file names are looked up: $WINDIR when set,
// else $XDG_CONFIG_HOME, else $HOME/.config.
std::string WindowsDirectory();

// The whole value of [section] key in fileName (a bare name is taken from
// WindowsDirectory()), blanks around it and one pair of surrounding double
// quotes removed; defaultValue when the file, section or key is missing.
std::string GetPrivateProfileString(const std::string& section, const std::string& key,
                                    const std::string& defaultValue, const std::string& fileName);

}  // namespace ombrel
