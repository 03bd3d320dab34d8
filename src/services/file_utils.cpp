#include "services/file_utils.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include "platform/settings/profile.h"

namespace ombrel {

std::string AddBackslash(const std::string& path) {
  if (path.empty() || path.back() == '/') return path;
  return path + "/";
}

bool CanReadFile(const std::string& path) {
  if (path.empty()) return false;
  // Non-blocking, so a FIFO cannot hang the program; only a regular file
  // counts, since on Linux a folder opens for reading too.
  const int fd = ::open(path.c_str(), O_RDONLY | O_NONBLOCK | O_CLOEXEC);
  if (fd < 0) return false;
  struct stat info {};
  const bool regular = ::fstat(fd, &info) == 0 && S_ISREG(info.st_mode);
  ::close(fd);
  return regular;
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
