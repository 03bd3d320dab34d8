// A preloaded library that makes the folders under one root answer as
// another file system would, so that the tests run the program's own calls
// against NFS, FAT or FUSE mounts without mounting any. Loaded with
// LD_PRELOAD; it replaces the C library's entry points that the program
// calls through its procedure linkage table, and calls the real ones through
// RTLD_NEXT.
//
//   OMBREL_FS_SEAM       the personality:
//     local    answers as it is; only counts (see below)
//     nfs      no O_TMPFILE (EOPNOTSUPP), no rename with flags (EINVAL),
//              flock() taken as the byte-range lock it becomes there (an
//              exclusive one through a descriptor not open for writing is
//              EBADF, so a folder can never be locked), and a file removed
//              while a process of the test holds it open kept under a
//              hidden name (".nfs...") in its folder until it is closed
//     vfat     the kernel's vfat and exFAT: no hard links (EPERM), no
//              O_TMPFILE (EOPNOTSUPP); a rename stamps the file's time
//     fusefat  FAT through FUSE: no hard links (EPERM), no rename with flags
//              (EINVAL), no O_TMPFILE (EOPNOTSUPP), no chmod (ENOSYS), a
//              file removed while open kept under a hidden name
//              (".fuse_hidden...") as on NFS; a rename stamps the file's
//              time; inode numbers forgotten as on "fuse"; and, as fusefat
//              does, once a write into the middle of a file's last cluster
//              (4 KiB here) has ended before the file's end, every write
//              through that descriptor that would make the file longer is
//              refused (EPERM)
//     fusefat-ino  fusefat mounted with its own inode numbers, which it
//              keeps when the kernel forgets: every empty file states inode 0
//     fuse     a disk file system through FUSE: hard links, no O_TMPFILE,
//              removed open files hidden, and the kernel forgets every
//              inode no process holds open between any two calls, so such a
//              file states another number at each look
//     sshfs    hard links whose names each state their own number (the
//              FUSE library's node of the name, forgotten as on "fuse"), no
//              rename with flags, no O_TMPFILE, removed open files hidden
//     webdav   a network mount whose link() fails (EIO), no rename with
//              flags (EINVAL), no O_TMPFILE
//     ramfs    states no blocks at all (statvfs: 0 blocks, 0 free)
//   OMBREL_FS_SEAM_ROOT  the folder under which these answers apply
//   OMBREL_FS_SEAM_FORGET=1  the kernel forgets between any two calls, as on
//              "fuse", under any personality
//
// Under any personality but fusefat-ino a test can also make the kernel
// forget at a moment of its choosing: every file no process of the test
// holds open then states a new inode number. A rename that stamps the time
// moves the file's time to the next 2-second step after it, never to the
// clock's.
//
// A test can also have locks refused and writes write nothing. It also
// counts the calls that name, rename or remove a file under the root (a
// file created, a folder made or removed, a link, a rename, an unlink), and
// can stop or kill the process right after the k-th: the test arms it with
// ombrel_seam_arm, found through dlsym.
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
#include <sys/statvfs.h>
#include <sys/sysmacros.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <string>
#include <vector>

#include "real_calls.h"
#include "reported_status.h"
#include "seam_settings.h"
#include "shared_state.h"

namespace {

using seam::Is;
using seam::Personality;
using seam::Real;
using seam::TheSettings;
using seam::UnderRoot;

long counted = 0;
long stopAt = 0;
long killAt = 0;
bool refuseLocks = false;
bool writesNothing = false;

// The folder fd names, or the working folder for AT_FDCWD.
std::string FolderOf(int fd) {
  char buffer[PATH_MAX];
  if (fd == AT_FDCWD) return getcwd(buffer, sizeof buffer) != nullptr ? buffer : "";
  char self[64];
  snprintf(self, sizeof self, "/proc/self/fd/%d", fd);
  const ssize_t n = readlink(self, buffer, sizeof buffer - 1);
  return n > 0 ? std::string(buffer, static_cast<size_t>(n)) : "";
}

// path made absolute against folder (AT_FDCWD: the working folder), with
// its "." and ".." and doubled slashes resolved as names, not as links.
std::string AbsoluteName(int folder, const char* path) {
  const std::string joined = path[0] == '/' ? std::string(path) : FolderOf(folder) + "/" + path;
  std::vector<std::string> parts;
  size_t start = 0;
  while (start <= joined.size()) {
    size_t end = joined.find('/', start);
    if (end == std::string::npos) end = joined.size();
    const std::string part = joined.substr(start, end - start);
    if (part == "..") {
      if (!parts.empty()) parts.pop_back();
    } else if (!part.empty() && part != ".") {
      parts.push_back(part);
    }
    start = end + 1;
  }
  std::string name;
  for (const std::string& part : parts) name += "/" + part;
  return name.empty() ? "/" : name;
}

// The name the descriptor fd names now, without the mark of a removed file.
std::string NameOf(int fd) {
  std::string name = FolderOf(fd);
  constexpr char kDeleted[] = " (deleted)";
  constexpr size_t kDeletedSize = sizeof kDeleted - 1;
  if (name.size() > kDeletedSize && name.compare(name.size() - kDeletedSize, kDeletedSize, kDeleted) == 0) {
    name.resize(name.size() - kDeletedSize);
  }
  return name;
}

bool Under(int folder, const char* path) {
  if (path == nullptr || TheSettings().root.empty()) return false;
  return UnderRoot(AbsoluteName(folder, path));
}

constexpr off_t kFuseFatCluster = 4096;

// The descriptors through which fusefat would refuse to make a file longer.
std::vector<int> patchedLastCluster;

// Whether fusefat would refuse a write of size bytes at offset through fd
// (-1: at the descriptor's own position); one into the middle of the last
// cluster is noted.
bool FuseFatRefuses(int fd, off_t offset, size_t size) {
  struct stat status {};
  if (!seam::KeepsNoModes() || size == 0 || seam::RealFstat(fd, &status) != 0 || !S_ISREG(status.st_mode) ||
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

// Removes the regular file path (in folder) as NFS and FUSE do one that is
// still open: renamed to a hidden name beside it (".nfs..." or
// ".fuse_hidden..."), so that its folder is not empty until it is closed.
// False when no process of the test holds it open, to be removed as usual.
bool HideIfOpen(int folder, const char* path) {
  const std::string name = AbsoluteName(folder, path);
  struct stat status {};
  if (!seam::HidesOpenFiles() || seam::RealLstat(name.c_str(), &status) != 0 || !S_ISREG(status.st_mode) ||
      !seam::HeldOpen(status.st_dev, status.st_ino, -1)) {
    return false;
  }
  static unsigned hiddenCount = 0;
  std::string base = name.substr(0, name.rfind('/'));
  if (base.empty()) base = "/";
  char hiddenName[64];
  snprintf(hiddenName, sizeof hiddenName, Is(Personality::kNfs) ? ".nfs%016lx%08x" : ".fuse_hidden%08lx%08x",
           static_cast<unsigned long>(status.st_ino), static_cast<unsigned>(getpid()) << 12 ^ hiddenCount++);
  const std::string target = base + "/" + hiddenName;
  using RenameAt = int (*)(int, const char*, int, const char*);
  if (Real<RenameAt>("renameat")(AT_FDCWD, name.c_str(), AT_FDCWD, target.c_str()) != 0) {
    return false;
  }
  seam::NoteHidden(status.st_dev, status.st_ino, target);
  if (seam::NumbersByName()) seam::RenameName(name, target);
  return true;
}

// What a call that names, renames or removes a file did to the names, once
// it has done it: numbers of names follow them, a renamed file is stamped.
void Renamed(int fromFolder, const char* from, int toFolder, const char* to) {
  if (!seam::NumbersByName() && !seam::StampsRenamedFiles()) return;
  const std::string target = AbsoluteName(toFolder, to);
  if (seam::NumbersByName()) seam::RenameName(AbsoluteName(fromFolder, from), target);
  seam::StampRenamed(target);
}

void Removed(int folder, const char* path) {
  if (seam::NumbersByName()) seam::DropName(AbsoluteName(folder, path));
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
  if (under && (flags & O_TMPFILE) == O_TMPFILE && seam::NoTmpFile()) return Refuse(EOPNOTSUPP);
  using OpenAtFunction = int (*)(int, const char*, int, ...);
  const int fd = Real<OpenAtFunction>(symbol)(folder, path, flags, mode);
  if (under && fd >= 0) {
    const int error = errno;
    seam::NoteOpened(fd, AbsoluteName(folder, path));
    errno = error;
  }
  return Creates(flags) ? Counted(under, fd) : fd;
}

int Open(const char* symbol, const char* path, int flags, mode_t mode) {
  const bool under = Under(AT_FDCWD, path);
  if (under && (flags & O_TMPFILE) == O_TMPFILE && seam::NoTmpFile()) return Refuse(EOPNOTSUPP);
  using OpenFunction = int (*)(const char*, int, ...);
  const int fd = Real<OpenFunction>(symbol)(path, flags, mode);
  if (under && fd >= 0) {
    const int error = errno;
    seam::NoteOpened(fd, AbsoluteName(AT_FDCWD, path));
    errno = error;
  }
  return Creates(flags) ? Counted(under, fd) : fd;
}

// A stat call's answer as the personality's file system gives it. Status is
// a struct stat or struct stat64 (one layout here).
template <typename Status>
void Restated(Status* status, const std::string& name, int fd) {
  if (!UnderRoot(name)) return;
  const int error = errno;
  seam::Stated stated{status->st_dev, status->st_ino, status->st_mode, status->st_size, status->st_mtim,
                      status->st_ctim};
  seam::Restate(stated, name, fd);
  status->st_ino = stated.inode;
  status->st_mtim = stated.modified;
  status->st_ctim = stated.changed;
  errno = error;
}

// The answer of a stat call through folder and path (AT_EMPTY_PATH: the
// descriptor folder itself).
template <typename Status>
void RestatedAt(Status* status, int folder, const char* path, int flags) {
  if (TheSettings().root.empty()) return;
  if ((flags & AT_EMPTY_PATH) != 0 && path[0] == '\0') {
    Restated(status, NameOf(folder), folder);
  } else {
    Restated(status, AbsoluteName(folder, path), -1);
  }
}

template <typename Status>
int Statvfs(int result, Status* status) {
  if (result == 0 && seam::StatesNoBlocks()) status->f_blocks = status->f_bfree = status->f_bavail = 0;
  return result;
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
  if (under && seam::NoHardLinks()) return Counted(under, Refuse(EPERM));
  if (under && seam::LinksFailWithIoError()) return Counted(under, Refuse(EIO));
  using Function = int (*)(int, const char*, int, const char*, int);
  const int result = Real<Function>("linkat")(fromFolder, from, toFolder, to, flags);
  if (under && result == 0) Removed(toFolder, to);
  return Counted(under, result);
}

int link(const char* from, const char* to) { return linkat(AT_FDCWD, from, AT_FDCWD, to, 0); }

int renameat2(int fromFolder, const char* from, int toFolder, const char* to, unsigned int flags) {
  const bool under = Under(toFolder, to) || Under(fromFolder, from);
  if (under && flags != 0 && seam::NoRenameFlags()) return Counted(under, Refuse(EINVAL));
  using Function = int (*)(int, const char*, int, const char*, unsigned int);
  const int result = Real<Function>("renameat2")(fromFolder, from, toFolder, to, flags);
  if (under && result == 0) Renamed(fromFolder, from, toFolder, to);
  return Counted(under, result);
}

int renameat(int fromFolder, const char* from, int toFolder, const char* to) {
  const bool under = Under(toFolder, to) || Under(fromFolder, from);
  using Function = int (*)(int, const char*, int, const char*);
  const int result = Real<Function>("renameat")(fromFolder, from, toFolder, to);
  if (under && result == 0) Renamed(fromFolder, from, toFolder, to);
  return Counted(under, result);
}

int rename(const char* from, const char* to) {
  const bool under = Under(AT_FDCWD, to) || Under(AT_FDCWD, from);
  const int result = Real<int (*)(const char*, const char*)>("rename")(from, to);
  if (under && result == 0) Renamed(AT_FDCWD, from, AT_FDCWD, to);
  return Counted(under, result);
}

int unlinkat(int folder, const char* path, int flags) {
  const bool under = Under(folder, path);
  if (under && (flags & AT_REMOVEDIR) == 0 && HideIfOpen(folder, path)) return Counted(under, 0);
  const int result = Real<int (*)(int, const char*, int)>("unlinkat")(folder, path, flags);
  if (under && result == 0) Removed(folder, path);
  return Counted(under, result);
}

int unlink(const char* path) {
  const bool under = Under(AT_FDCWD, path);
  if (under && HideIfOpen(AT_FDCWD, path)) return Counted(under, 0);
  const int result = Real<int (*)(const char*)>("unlink")(path);
  if (under && result == 0) Removed(AT_FDCWD, path);
  return Counted(under, result);
}

// The C library's remove, which libzip and the standard library call: not
// counted (the program names nothing through it), but a file it removes is
// gone as it would be through unlink.
int remove(const char* path) {
  const bool under = Under(AT_FDCWD, path);
  if (under && HideIfOpen(AT_FDCWD, path)) return 0;
  const int result = Real<int (*)(const char*)>("remove")(path);
  if (under && result == 0) Removed(AT_FDCWD, path);
  return result;
}

// fusefat keeps no modes, and has no chmod at all.
int fchmod(int fd, mode_t mode) {
  if (seam::KeepsNoModes() && UnderRoot(FolderOf(fd))) return Refuse(ENOSYS);
  return Real<int (*)(int, mode_t)>("fchmod")(fd, mode);
}

// The last descriptor of a hidden file closed: the hidden name goes.
int close(int fd) {
  static const auto real = Real<int (*)(int)>("close");
  patchedLastCluster.erase(std::remove(patchedLastCluster.begin(), patchedLastCluster.end(), fd),
                           patchedLastCluster.end());
  seam::NoteClosed(fd);
  struct stat status {};
  if (!seam::AnyHidden() || seam::RealFstat(fd, &status) != 0) return real(fd);
  const int result = real(fd);
  const int error = errno;
  seam::RemoveHiddenIfReleased(status.st_dev, status.st_ino);
  errno = error;
  return result;
}

int rmdir(const char* path) {
  const bool under = Under(AT_FDCWD, path);
  const int result = Real<int (*)(const char*)>("rmdir")(path);
  if (under && result == 0) Removed(AT_FDCWD, path);
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

// The stat calls the program and its libraries reach (the C library routes
// none of these through another of them by its linkage table).
int stat(const char* path, struct stat* status) {
  static const auto real = Real<int (*)(const char*, struct stat*)>("stat");
  const int result = real(path, status);
  if (result == 0) RestatedAt(status, AT_FDCWD, path, 0);
  return result;
}

int stat64(const char* path, struct stat64* status) {
  static const auto real = Real<int (*)(const char*, struct stat64*)>("stat64");
  const int result = real(path, status);
  if (result == 0) RestatedAt(status, AT_FDCWD, path, 0);
  return result;
}

int lstat(const char* path, struct stat* status) {
  static const auto real = Real<int (*)(const char*, struct stat*)>("lstat");
  const int result = real(path, status);
  if (result == 0) RestatedAt(status, AT_FDCWD, path, 0);
  return result;
}

int lstat64(const char* path, struct stat64* status) {
  static const auto real = Real<int (*)(const char*, struct stat64*)>("lstat64");
  const int result = real(path, status);
  if (result == 0) RestatedAt(status, AT_FDCWD, path, 0);
  return result;
}

int fstat(int fd, struct stat* status) {
  static const auto real = Real<int (*)(int, struct stat*)>("fstat");
  const int result = real(fd, status);
  if (result == 0 && !TheSettings().root.empty()) Restated(status, NameOf(fd), fd);
  return result;
}

int fstat64(int fd, struct stat64* status) {
  static const auto real = Real<int (*)(int, struct stat64*)>("fstat64");
  const int result = real(fd, status);
  if (result == 0 && !TheSettings().root.empty()) Restated(status, NameOf(fd), fd);
  return result;
}

int fstatat(int folder, const char* path, struct stat* status, int flags) {
  static const auto real = Real<int (*)(int, const char*, struct stat*, int)>("fstatat");
  const int result = real(folder, path, status, flags);
  if (result == 0) RestatedAt(status, folder, path, flags);
  return result;
}

int fstatat64(int folder, const char* path, struct stat64* status, int flags) {
  static const auto real = Real<int (*)(int, const char*, struct stat64*, int)>("fstatat64");
  const int result = real(folder, path, status, flags);
  if (result == 0) RestatedAt(status, folder, path, flags);
  return result;
}

int statx(int folder, const char* path, int flags, unsigned int mask, struct statx* status) {
  static const auto real = Real<int (*)(int, const char*, int, unsigned int, struct statx*)>("statx");
  const int result = real(folder, path, flags, mask, status);
  if (result != 0 || TheSettings().root.empty()) return result;
  const bool descriptor = (flags & AT_EMPTY_PATH) != 0 && path[0] == '\0';
  const std::string name = descriptor ? NameOf(folder) : AbsoluteName(folder, path);
  if (!UnderRoot(name)) return result;
  const int error = errno;
  seam::Stated stated{makedev(status->stx_dev_major, status->stx_dev_minor),
                      status->stx_ino,
                      status->stx_mode,
                      static_cast<off_t>(status->stx_size),
                      {status->stx_mtime.tv_sec, status->stx_mtime.tv_nsec},
                      {status->stx_ctime.tv_sec, status->stx_ctime.tv_nsec}};
  seam::Restate(stated, name, descriptor ? folder : -1);
  status->stx_ino = stated.inode;
  status->stx_mtime.tv_sec = stated.modified.tv_sec;
  status->stx_mtime.tv_nsec = static_cast<__u32>(stated.modified.tv_nsec);
  status->stx_ctime.tv_sec = stated.changed.tv_sec;
  status->stx_ctime.tv_nsec = static_cast<__u32>(stated.changed.tv_nsec);
  errno = error;
  return result;
}

int statvfs(const char* path, struct statvfs* status) {
  const int result = Real<int (*)(const char*, struct statvfs*)>("statvfs")(path, status);
  return Under(AT_FDCWD, path) ? Statvfs(result, status) : result;
}

int statvfs64(const char* path, struct statvfs64* status) {
  const int result = Real<int (*)(const char*, struct statvfs64*)>("statvfs64")(path, status);
  return Under(AT_FDCWD, path) ? Statvfs(result, status) : result;
}

int fstatvfs(int fd, struct statvfs* status) {
  const int result = Real<int (*)(int, struct statvfs*)>("fstatvfs")(fd, status);
  return UnderRoot(FolderOf(fd)) ? Statvfs(result, status) : result;
}

int fstatvfs64(int fd, struct statvfs64* status) {
  const int result = Real<int (*)(int, struct statvfs64*)>("fstatvfs64")(fd, status);
  return UnderRoot(FolderOf(fd)) ? Statvfs(result, status) : result;
}

// Whether the kernel forgets between any two calls.
int ombrel_seam_forgets_always() { return TheSettings().forgetsAlways ? 1 : 0; }

// The kernel forgets every inode that no process of the test holds open:
// each such file states a new number from now on.
void ombrel_seam_forget_inodes() { seam::ForgetInodes(); }

}  // extern "C"
