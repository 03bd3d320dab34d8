#include "services/file_utils.h"

#include "platform/settings/profile.h"

namespace ombrel {

std::string AddBackslash(const std::string& path) {
  if (path.empty() || path.back() == '/') return path;
  return path + "/";
}

std::string ReadIniValue(const std::string& settingsFile, const std::string& section,
                         const std::string& key) {
  if (settingsFile.empty()) return "";
  // The default of one blank trims away, so a missing value and a value of
  // blanks only both come back empty. The whole value is kept: a long
  // DataDir must not be cut short.
  const std::string value = GetPrivateProfileString(section, key, " ", settingsFile);
  const std::size_t first = value.find_first_not_of(' ');
  if (first == std::string::npos) return "";
  const std::size_t last = value.find_last_not_of(' ');
  return value.substr(first, last - first + 1);
}

}  // namespace ombrel
