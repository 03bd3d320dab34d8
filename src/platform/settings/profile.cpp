#include "platform/settings/profile.h"

#include <pwd.h>
#include <unistd.h>

#include <cstdlib>

#include "platform/settings/profile_file.h"

namespace ombrel {

namespace {

std::string Environment(const char* name) {
  const char* value = std::getenv(name);
  return value == nullptr ? "" : value;
}

}  // namespace

std::string WindowsDirectory() {
  if (std::string windir = Environment("WINDIR"); !windir.empty()) return windir;
  if (std::string config = Environment("XDG_CONFIG_HOME"); !config.empty()) return config;
  std::string home = Environment("HOME");
  if (home.empty()) {
    if (const passwd* user = getpwuid(getuid()); user != nullptr && user->pw_dir != nullptr) {
      home = user->pw_dir;
    }
  }
  return home + "/.config";
}

std::string GetPrivateProfileString(const std::string& section, const std::string& key,
                                    const std::string& defaultValue, const std::string& fileName) {
  const std::optional<ProfileFile> file =
      ProfileFile::Load(ResolveProfilePath(fileName, WindowsDirectory()));
  if (!file) return defaultValue;
  const ProfileSection* found = file->FindSection(section);
  if (found == nullptr) return defaultValue;
  return found->Value(key).value_or(defaultValue);
}

}  // namespace ombrel
