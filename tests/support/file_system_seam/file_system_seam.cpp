// A preloaded library that makes the folders under one root answer as
// another file system would, so that the tests run the program's own calls
// against NFS or FAT without mounting either. Loaded with LD_PRELOAD; it
// replaces the C library's entry points that the program calls through its
// procedure linkage table, and calls the real ones through RTLD_NEXT.
//
//   OMBREL_FS_SEAM       the personality:
//     local    answers as it is; only counts (see below)
//     nfs      no O_TMPFILE (EOPNOTSUPP), no rename with flags (EINVAL),
//              flock() taken as the byte-range lock it becomes there (an
//              exclusive one through a descriptor not open for writing is
//              EBADF, so a folder can never be locked), and a file removed
//              while this process holds it open kept under a hidden name
//              (".nfs...") in its folder until it is closed
//     vfat     the kernel's vfat and exFAT: no hard links (EPERM), no
//              O_TMPFILE (EOPNOTSUPP)
//     fusefat  FAT through FUSE: no hard links (EPERM), no rename with flags
//              (EINVAL), no O_TMPFILE (EOPNOTSUPP), no chmod (ENOSYS), and a
//              file removed while open kept under a hidden name
//              (".fuse_hidden...") as on NFS; and, as fusefat does, once a
//              write into the middle of a file's last cluster (4 KiB here)
//              has ended before the file's end, every write through that
//              descriptor that would make the file longer is refused (EPERM)
//   OMBREL_FS_SEAM_ROOT  the folder under which these answers apply
//
// A test can also have locks refused and writes write nothing. It also
// counts the calls that name, rename or remove a file under the
// root (a file created, a folder made or removed, a link, a rename, an
// unlink), and can stop or kill the process right after the k-th: the test
// arms it with ombrel_seam_arm, found through dlsym.
#include <dirent.h>
#include <dlfcn.h>
#include <fcntl.h>
#include <limits.h>
#include <signal.h>
#include <stdarg.h>
#include <stdio.h>
#include <stdlib.h>
#include <string.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <string>
#include <vector>

namespace {

enum class Personality { kLocal, kNfs, kVfat, kFuseFat };

struct Settings {
  Personality personality = Personality::kLocal;
  std::string name = "local";
  std::string root;
};

const Settings& TheSettings() {
  static const Settings settings = [] {
    Settings s;
    if (const char* name = getenv("OMBREL_FS_SEAM")) {
      s.name = name;
      if (s.name == "nfs") s.personality = Personality::kNfs;
      if (s.name == "vfat") s.personality = Personality::kVfat;
      if (s.name == "fusefat") s.personality = Personality::kFuseFat;
    }
    if (const char* root = getenv("OMBREL_FS_SEAM_ROOT")) s.root = root;
    while (s.root.size() > 1 && s.root.back() == '/') s.root.pop_back();
    return s;
  }();
  return settings;
}

long counted = 0;
long stopAt = 0;
long killAt = 0;
bool refuseLocks = false;
bool writesNothing = false;

template <typename Function>
Function Real(const char* name) {
  return reinterpret_cast<Function>(dlsym(RTLD_NEXT, name));
}

// The folder fd names, or the working folder for AT_FDCWD.
std::string FolderOf(int fd) {
  char buffer[PATH_MAX];
  if (fd == AT_FDCWD) return getcwd(buffer, sizeof buffer) != nullptr ? buffer : "";
  char self[64];
  snprintf(self, sizeof self, "/proc/self/fd/%d", fd);
  const ssize_t n = readlink(self, buffer, sizeof buffer - 1);
  return n > 0 ? std::string(buffer, static_cast<size_t>(n)) : "";
}

bool UnderRoot(const std::string& path) {
  const std::string& root = TheSettings().root;
  return !root.empty() && (path == root || path.compare(0, root.size() + 1, root + "/") == 0);
}

bool Under(int folder, const char* path) {
  if (path == nullptr || TheSettings().root.empty()) return false;
  if (path[0] == '/') return UnderRoot(path);
  return UnderRoot(FolderOf(folder) + "/" + path);
}

bool Is(Personality personality) { return TheSettings().personality == personality; }
bool NoHardLinks() { return Is(Personality::kVfat) || Is(Personality::kFuseFat); }
bool NoRenameFlags() { return Is(Personality::kNfs) || Is(Personality::kFuseFat); }
bool NoTmpFile() { return !Is(Personality::kLocal); }
bool HidesOpenFiles() { return Is(Personality::kNfs) || Is(Personality::kFuseFat); }

constexpr off_t kFuseFatCluster = 4096;

// The descriptors through which fusefat would refuse to make a file longer.
std::vector<int> patchedLastCluster;

// Whether fusefat would refuse a write of size bytes at offset through fd
// (-1: at the descriptor's own position); one into the middle of the last
// cluster is noted.
bool FuseFatRefuses(int fd, off_t offset, size_t size) {
  struct stat status {};
  if (!Is(Personality::kFuseFat) || size == 0 || fstat(fd, &status) != 0 || !S_ISREG(status.st_mode) ||
      !UnderRoot(FolderOf(fd))) {
    return false;
  }
  if (offset < 0) offset = (fcntl(fd, F_GETFL) & O_APPEND) != 0 ? status.st_size : lseek(fd, 0, SEEK_CUR);
  const off_t end = offset + static_cast<off_t>(size);
  const bool patched = std::find(patchedLastCluster.begin(), patchedLastCluster.end(), fd) != patchedLastCluster.end();
  if (end > status.st_size) return patched;
  const off_t lastCluster = status.st_size == 0 ? 0 : (status.st_size - 1) / kFuseFatCluster * kFuseFatCluster;
  if (end < status.st_size && end > lastCluster && !patched) patchedLastCluster.push_back(fd);
  return false;
}

// A file removed while this process holds it open, kept under a hidden name
// in its folder until the last descriptor closes.
struct Hidden {
  dev_t device;
  ino_t inode;
  std::string path;
};
std::vector<Hidden> hidden;

// Whether a descriptor of this process other than except is open on the file.
bool HeldOpen(dev_t device, ino_t inode, int except) {
  DIR* folder = opendir("/proc/self/fd");
  if (folder == nullptr) return false;
  bool held = false;
  while (const dirent* entry = readdir(folder)) {
    const int fd = atoi(entry->d_name);
    struct stat status {};
    if (entry->d_name[0] == '.' || fd == except || fd == dirfd(folder) || fstat(fd, &status) != 0) continue;
    if (status.st_dev == device && status.st_ino == inode) held = true;
  }
  closedir(folder);
  return held;
}

// Removes the regular file path (in folder) as NFS and FUSE do one that is
// still open: renamed to a hidden name beside it (".nfs..." or
// ".fuse_hidden..."), so that its folder is not empty until it is closed.
// False when the file is not open here, to be removed as usual.
bool HideIfOpen(int folder, const char* path) {
  struct stat status {};
  if (!HidesOpenFiles() || fstatat(folder, path, &status, AT_SYMLINK_NOFOLLOW) != 0 ||
      !S_ISREG(status.st_mode) || !HeldOpen(status.st_dev, status.st_ino, -1)) {
    return false;
  }
  // The folder the file is in, as an absolute path.
  const std::string name = path[0] == '/' ? std::string(path) : FolderOf(folder) + "/" + path;
  std::string base = name.substr(0, name.rfind('/'));
  if (base.empty()) base = "/";
  char hiddenName[64];
  snprintf(hiddenName, sizeof hiddenName, Is(Personality::kNfs) ? ".nfs%016lx%08x" : ".fuse_hidden%08lx%08x",
           static_cast<unsigned long>(status.st_ino), static_cast<unsigned>(hidden.size()));
  const std::string target = base + "/" + hiddenName;
  using RenameAt = int (*)(int, const char*, int, const char*);
  if (Real<RenameAt>("renameat")(AT_FDCWD, name.c_str(), AT_FDCWD, target.c_str()) != 0) {
    return false;
  }
  hidden.push_back(Hidden{status.st_dev, status.st_ino, target});
  return true;
}

// Called after each counted call, with its result; errno is kept.
template <typename Result>
Result Counted(bool under, Result result) {
  if (!under) return result;
  const int error = errno;
  ++counted;
  if (counted == killAt) raise(SIGKILL);
  if (counted == stopAt) raise(SIGSTOP);
  errno = error;
  return result;
}

int Refuse(int error) {
  errno = error;
  return -1;
}

bool Creates(int flags) { return (flags & O_CREAT) != 0 || (flags & O_TMPFILE) == O_TMPFILE; }

int OpenAt(const char* symbol, int folder, const char* path, int flags, mode_t mode) {
  const bool under = Under(folder, path);
  if (under && (flags & O_TMPFILE) == O_TMPFILE && NoTmpFile()) return Refuse(EOPNOTSUPP);
  using OpenAtFunction = int (*)(int, const char*, int, ...);
  const int fd = Real<OpenAtFunction>(symbol)(folder, path, flags, mode);
  return Creates(flags) ? Counted(under, fd) : fd;
}

int Open(const char* symbol, const char* path, int flags, mode_t mode) {
  const bool under = Under(AT_FDCWD, path);
  if (under && (flags & O_TMPFILE) == O_TMPFILE && NoTmpFile()) return Refuse(EOPNOTSUPP);
  using OpenFunction = int (*)(const char*, int, ...);
  const int fd = Real<OpenFunction>(symbol)(path, flags, mode);
  return Creates(flags) ? Counted(under, fd) : fd;
}

mode_t ModeOf(int flags, va_list arguments) {
  return Creates(flags) ? static_cast<mode_t>(va_arg(arguments, int)) : 0;
}

bool IsLockRequest(int command) {
  return command == F_SETLK || command == F_SETLKW || command == F_OFD_SETLK || command == F_OFD_SETLKW;
}

int Fcntl(const char* symbol, int fd, int command, void* argument) {
  if (refuseLocks && IsLockRequest(command) && UnderRoot(FolderOf(fd))) return Refuse(ENOLCK);
  return Real<int (*)(int, int, ...)>(symbol)(fd, command, argument);
}

}  // namespace

extern "C" {

// The test's handle: the personality's name, and the counter.
const char* ombrel_seam_personality() {
  return TheSettings().name.c_str();
}

// Counts from 0 again; stops (SIGSTOP) the process right after call stop
// and kills it (SIGKILL) right after call kill, 0 for never.
void ombrel_seam_arm(long stop, long kill) {
  counted = 0;
  stopAt = stop;
  killAt = kill;
}

// The calls counted since ombrel_seam_arm.
long ombrel_seam_counted() { return counted; }

// While on, every lock asked for on a file under the root is refused
// (ENOLCK), as where no lock daemon answers.
void ombrel_seam_refuse_locks(int on) { refuseLocks = on != 0; }

// While on, every write to a file under the root writes nothing and reports
// no error (returns 0), as a file that takes no more bytes.
void ombrel_seam_write_nothing(int on) { writesNothing = on != 0; }

ssize_t write(int fd, const void* bytes, size_t size) {
  if (writesNothing && size > 0 && UnderRoot(FolderOf(fd))) return 0;
  if (FuseFatRefuses(fd, -1, size)) return Refuse(EPERM);
  return Real<ssize_t (*)(int, const void*, size_t)>("write")(fd, bytes, size);
}

ssize_t pwrite(int fd, const void* bytes, size_t size, off_t offset) {
  if (FuseFatRefuses(fd, offset, size)) return Refuse(EPERM);
  return Real<ssize_t (*)(int, const void*, size_t, off_t)>("pwrite")(fd, bytes, size, offset);
}

ssize_t pwrite64(int fd, const void* bytes, size_t size, off_t offset) {
  if (FuseFatRefuses(fd, offset, size)) return Refuse(EPERM);
  return Real<ssize_t (*)(int, const void*, size_t, off_t)>("pwrite64")(fd, bytes, size, offset);
}

int open(const char* path, int flags, ...) {
  va_list arguments;
  va_start(arguments, flags);
  const mode_t mode = ModeOf(flags, arguments);
  va_end(arguments);
  return Open("open", path, flags, mode);
}

int open64(const char* path, int flags, ...) {
  va_list arguments;
  va_start(arguments, flags);
  const mode_t mode = ModeOf(flags, arguments);
  va_end(arguments);
  return Open("open64", path, flags, mode);
}

int openat(int folder, const char* path, int flags, ...) {
  va_list arguments;
  va_start(arguments, flags);
  const mode_t mode = ModeOf(flags, arguments);
  va_end(arguments);
  return OpenAt("openat", folder, path, flags, mode);
}

int openat64(int folder, const char* path, int flags, ...) {
  va_list arguments;
  va_start(arguments, flags);
  const mode_t mode = ModeOf(flags, arguments);
  va_end(arguments);
  return OpenAt("openat64", folder, path, flags, mode);
}

int fcntl(int fd, int command, ...) {
  va_list arguments;
  va_start(arguments, command);
  void* argument = va_arg(arguments, void*);
  va_end(arguments);
  return Fcntl("fcntl", fd, command, argument);
}

int fcntl64(int fd, int command, ...) {
  va_list arguments;
  va_start(arguments, command);
  void* argument = va_arg(arguments, void*);
  va_end(arguments);
  return Fcntl("fcntl64", fd, command, argument);
}

int flock(int fd, int operation) {
  if (UnderRoot(FolderOf(fd))) {
    if (refuseLocks) return Refuse(ENOLCK);
    if (Is(Personality::kNfs) && (operation & LOCK_EX) != 0 &&
        (Real<int (*)(int, int, ...)>("fcntl")(fd, F_GETFL) & O_ACCMODE) == O_RDONLY) {
      return Refuse(EBADF);
    }
  }
  return Real<int (*)(int, int)>("flock")(fd, operation);
}

int linkat(int fromFolder, const char* from, int toFolder, const char* to, int flags) {
  const bool under = Under(toFolder, to);
  if (under && NoHardLinks()) return Counted(under, Refuse(EPERM));
  using Function = int (*)(int, const char*, int, const char*, int);
  const int result = Real<Function>("linkat")(fromFolder, from, toFolder, to, flags);
  return Counted(under, result);
}

int link(const char* from, const char* to) { return linkat(AT_FDCWD, from, AT_FDCWD, to, 0); }

int renameat2(int fromFolder, const char* from, int toFolder, const char* to, unsigned int flags) {
  const bool under = Under(toFolder, to) || Under(fromFolder, from);
  if (under && flags != 0 && NoRenameFlags()) return Counted(under, Refuse(EINVAL));
  using Function = int (*)(int, const char*, int, const char*, unsigned int);
  const int result = Real<Function>("renameat2")(fromFolder, from, toFolder, to, flags);
  return Counted(under, result);
}

int renameat(int fromFolder, const char* from, int toFolder, const char* to) {
  const bool under = Under(toFolder, to) || Under(fromFolder, from);
  using Function = int (*)(int, const char*, int, const char*);
  const int result = Real<Function>("renameat")(fromFolder, from, toFolder, to);
  return Counted(under, result);
}

int rename(const char* from, const char* to) {
  const bool under = Under(AT_FDCWD, to) || Under(AT_FDCWD, from);
  const int result = Real<int (*)(const char*, const char*)>("rename")(from, to);
  return Counted(under, result);
}

int unlinkat(int folder, const char* path, int flags) {
  const bool under = Under(folder, path);
  if (under && (flags & AT_REMOVEDIR) == 0 && HideIfOpen(folder, path)) return Counted(under, 0);
  const int result = Real<int (*)(int, const char*, int)>("unlinkat")(folder, path, flags);
  return Counted(under, result);
}

int unlink(const char* path) {
  const bool under = Under(AT_FDCWD, path);
  if (under && HideIfOpen(AT_FDCWD, path)) return Counted(under, 0);
  const int result = Real<int (*)(const char*)>("unlink")(path);
  return Counted(under, result);
}

// fusefat keeps no modes, and has no chmod at all.
int fchmod(int fd, mode_t mode) {
  if (Is(Personality::kFuseFat) && UnderRoot(FolderOf(fd))) return Refuse(ENOSYS);
  return Real<int (*)(int, mode_t)>("fchmod")(fd, mode);
}

// The last descriptor of a hidden file closed: the hidden name goes.
int close(int fd) {
  patchedLastCluster.erase(std::remove(patchedLastCluster.begin(), patchedLastCluster.end(), fd),
                           patchedLastCluster.end());
  struct stat status {};
  if (hidden.empty() || fstat(fd, &status) != 0) return Real<int (*)(int)>("close")(fd);
  const int result = Real<int (*)(int)>("close")(fd);
  const int error = errno;
  for (auto it = hidden.begin(); it != hidden.end(); ++it) {
    if (it->device == status.st_dev && it->inode == status.st_ino && !HeldOpen(it->device, it->inode, -1)) {
      Real<int (*)(const char*)>("unlink")(it->path.c_str());
      hidden.erase(it);
      break;
    }
  }
  errno = error;
  return result;
}

int rmdir(const char* path) {
  const bool under = Under(AT_FDCWD, path);
  const int result = Real<int (*)(const char*)>("rmdir")(path);
  return Counted(under, result);
}

int mkdirat(int folder, const char* path, mode_t mode) {
  const bool under = Under(folder, path);
  const int result = Real<int (*)(int, const char*, mode_t)>("mkdirat")(folder, path, mode);
  return Counted(under, result);
}

int mkdir(const char* path, mode_t mode) {
  const bool under = Under(AT_FDCWD, path);
  const int result = Real<int (*)(const char*, mode_t)>("mkdir")(path, mode);
  return Counted(under, result);
}

}  // extern "C"
