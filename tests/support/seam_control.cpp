#include "support/seam_control.h"

#include <dlfcn.h>

namespace ombrel::testing {

namespace {

template <typename Function>
Function Find(const char* name) {
  return reinterpret_cast<Function>(::dlsym(RTLD_DEFAULT, name));
}

}  // namespace

bool SeamLoaded() { return Find<const char* (*)()>("ombrel_seam_personality") != nullptr; }

std::string SeamPersonality() {
  const auto personality = Find<const char* (*)()>("ombrel_seam_personality");
  return personality != nullptr ? personality() : "";
}

bool SeamHasHardLinks() {
  const std::string personality = SeamPersonality();
  return personality != "vfat" && personality != "fusefat" && personality != "fusefat-ino" &&
         personality != "webdav";
}

void ArmSeam(long stop, long kill) {
  if (const auto arm = Find<void (*)(long, long)>("ombrel_seam_arm")) arm(stop, kill);
}

long SeamCounted() {
  const auto counted = Find<long (*)()>("ombrel_seam_counted");
  return counted != nullptr ? counted() : 0;
}

void RefuseLocks(bool on) {
  if (const auto refuse = Find<void (*)(int)>("ombrel_seam_refuse_locks")) refuse(on ? 1 : 0);
}

void WriteNothing(bool on) {
  if (const auto writeNothing = Find<void (*)(int)>("ombrel_seam_write_nothing")) writeNothing(on ? 1 : 0);
}

void ForgetInodes() {
  if (const auto forget = Find<void (*)()>("ombrel_seam_forget_inodes")) forget();
}

bool SeamForgetsAlways() {
  const auto forgetsAlways = Find<int (*)()>("ombrel_seam_forgets_always");
  return forgetsAlways != nullptr && forgetsAlways() != 0;
}

}  // namespace ombrel::testing
