#include "reported_status.h"

#include <fcntl.h>

#include <mutex>
#include <utility>
#include <vector>

#include "real_calls.h"
#include "seam_settings.h"
#include "shared_state.h"

namespace seam {

namespace {

constexpr time_t kFatTimeStep = 2;

std::mutex openedMutex;
std::vector<std::pair<int, ino_t>> opened;

ino_t OpenedNumber(int fd, const std::string& name) {
  {
    std::lock_guard<std::mutex> lock(openedMutex);
    for (const auto& [descriptor, number] : opened) {
      if (descriptor == fd) return number;
    }
  }
  return NumberOfName(name);
}

}  // namespace

void Restate(Stated& stated, const std::string& name, int fd) {
  if (TheSettings().forgetsAlways) ForgetInodes();
  // FAT keeps no time of change: it states the time of the last write.
  if (StampsRenamedFiles()) stated.changed = stated.modified;
  if (NumbersByName()) {
    stated.inode = fd >= 0 ? OpenedNumber(fd, name) : NumberOfName(name);
  } else if (NumbersAreForgotten()) {
    stated.inode = ReportedNumber(stated.device, stated.inode);
  }
  if (EmptyFilesShareNumberZero() && S_ISREG(stated.mode) && stated.size == 0) stated.inode = 0;
}

void NoteOpened(int fd, const std::string& name) {
  if (!NumbersByName()) return;
  const ino_t number = NumberOfName(name);
  std::lock_guard<std::mutex> lock(openedMutex);
  for (auto& [descriptor, known] : opened) {
    if (descriptor == fd) {
      known = number;
      return;
    }
  }
  opened.emplace_back(fd, number);
}

void NoteClosed(int fd) {
  if (!NumbersByName()) return;
  std::lock_guard<std::mutex> lock(openedMutex);
  for (auto it = opened.begin(); it != opened.end(); ++it) {
    if (it->first == fd) {
      opened.erase(it);
      return;
    }
  }
}

void StampRenamed(const std::string& name) {
  struct stat status {};
  if (!StampsRenamedFiles() || RealLstat(name.c_str(), &status) != 0 || !S_ISREG(status.st_mode)) return;
  const struct timespec times[2] = {
      {0, UTIME_OMIT},
      {status.st_mtim.tv_sec - status.st_mtim.tv_sec % kFatTimeStep + kFatTimeStep, 0},
  };
  utimensat(AT_FDCWD, name.c_str(), times, AT_SYMLINK_NOFOLLOW);
}

}  // namespace seam
