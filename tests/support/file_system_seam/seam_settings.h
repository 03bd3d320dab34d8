// Which file system the seam makes the folders under its root answer as, and
// what that file system does differently from a local disk; read once from
// the environment (OMBREL_FS_SEAM, OMBREL_FS_SEAM_ROOT, OMBREL_FS_SEAM_FORGET).
#pragma once

#include <string>

namespace seam {

enum class Personality { kLocal, kNfs, kVfat, kFuseFat, kFuseFatIno, kFuse, kSshfs, kWebDav, kRamfs };

struct Settings {
  Personality personality = Personality::kLocal;
  std::string name = "local";
  std::string root;
  // The kernel forgets every inode no process holds open between any two
  // calls (where the numbers are a FUSE library's node ids: "fusefat",
  // "fuse", "sshfs"; or with OMBREL_FS_SEAM_FORGET=1).
  bool forgetsAlways = false;
};

const Settings& TheSettings();
bool Is(Personality personality);

// Whether path (absolute) is the root or under it.
bool UnderRoot(const std::string& path);

// What the personality's file system does.
bool NoHardLinks();
bool LinksFailWithIoError();
bool NoRenameFlags();
bool NoTmpFile();
bool HidesOpenFiles();
bool StampsRenamedFiles();
bool NumbersByName();
bool EmptyFilesShareNumberZero();
bool NumbersAreForgotten();
bool StatesNoBlocks();
bool KeepsNoModes();

}  // namespace seam
