#include "seam_settings.h"

#include <stdlib.h>
#include <string.h>

namespace seam {

namespace {

struct Named {
  const char* name;
  Personality personality;
};

constexpr Named kPersonalities[] = {
    {"local", Personality::kLocal},       {"nfs", Personality::kNfs},     {"vfat", Personality::kVfat},
    {"fusefat", Personality::kFuseFat},   {"fusefat-ino", Personality::kFuseFatIno},
    {"fuse", Personality::kFuse},         {"sshfs", Personality::kSshfs}, {"webdav", Personality::kWebDav},
    {"ramfs", Personality::kRamfs},
};

bool FatThroughFuse() { return Is(Personality::kFuseFat) || Is(Personality::kFuseFatIno); }

}  // namespace

const Settings& TheSettings() {
  static const Settings settings = [] {
    Settings s;
    if (const char* name = getenv("OMBREL_FS_SEAM")) {
      s.name = name;
      for (const Named& named : kPersonalities) {
        if (s.name == named.name) s.personality = named.personality;
      }
    }
    if (const char* root = getenv("OMBREL_FS_SEAM_ROOT")) s.root = root;
    while (s.root.size() > 1 && s.root.back() == '/') s.root.pop_back();
    const char* forget = getenv("OMBREL_FS_SEAM_FORGET");
    // A FUSE library's node ids are forgotten with the kernel's inodes.
    const bool nodeIds = s.personality == Personality::kFuse || s.personality == Personality::kFuseFat ||
                         s.personality == Personality::kSshfs;
    s.forgetsAlways = nodeIds || (forget != nullptr && strcmp(forget, "1") == 0);
    return s;
  }();
  return settings;
}

bool Is(Personality personality) { return TheSettings().personality == personality; }

bool UnderRoot(const std::string& path) {
  const std::string& root = TheSettings().root;
  return !root.empty() && (path == root || path.compare(0, root.size() + 1, root + "/") == 0);
}

bool NoHardLinks() { return Is(Personality::kVfat) || FatThroughFuse(); }
bool LinksFailWithIoError() { return Is(Personality::kWebDav); }
bool NoRenameFlags() {
  return Is(Personality::kNfs) || FatThroughFuse() || Is(Personality::kSshfs) || Is(Personality::kWebDav);
}
bool NoTmpFile() { return !Is(Personality::kLocal) && !Is(Personality::kRamfs); }
bool HidesOpenFiles() {
  return Is(Personality::kNfs) || FatThroughFuse() || Is(Personality::kFuse) || Is(Personality::kSshfs);
}
bool StampsRenamedFiles() { return Is(Personality::kVfat) || FatThroughFuse(); }
bool NumbersByName() { return Is(Personality::kSshfs); }
bool EmptyFilesShareNumberZero() { return Is(Personality::kFuseFatIno); }
// With its own numbers (use_ino) a file system states the same number after
// the kernel forgets; a FUSE library's node ids are given again.
bool NumbersAreForgotten() { return !Is(Personality::kFuseFatIno); }
bool StatesNoBlocks() { return Is(Personality::kRamfs); }
bool KeepsNoModes() { return FatThroughFuse(); }

}  // namespace seam
