#include "real_calls.h"

#include <sys/stat.h>

namespace seam {

int RealStat(const char* path, struct stat* status) {
  static const auto real = Real<int (*)(const char*, struct stat*)>("stat");
  return real(path, status);
}

int RealLstat(const char* path, struct stat* status) {
  static const auto real = Real<int (*)(const char*, struct stat*)>("lstat");
  return real(path, status);
}

int RealFstat(int fd, struct stat* status) {
  static const auto real = Real<int (*)(int, struct stat*)>("fstat");
  return real(fd, status);
}

}  // namespace seam
