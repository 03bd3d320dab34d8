// The C library's own entry points behind the ones the seam replaces, for
// the seam's own calls: found once through RTLD_NEXT.
#pragma once

#include <dlfcn.h>
#include <sys/stat.h>

namespace seam {

template <typename Function>
Function Real(const char* name) {
  return reinterpret_cast<Function>(dlsym(RTLD_NEXT, name));
}

// The real stat calls, never restated by the seam.
int RealStat(const char* path, struct stat* status);
int RealLstat(const char* path, struct stat* status);
int RealFstat(int fd, struct stat* status);

}  // namespace seam
