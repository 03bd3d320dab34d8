#include "platform/workspace/unfinished_step.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <new>

#include "platform/errors/errno_error.h"
#include "platform/posix/file_crc.h"
#include "platform/posix/file_descriptor.h"
#include "platform/posix/folder_without_links.h"
#include "platform/posix/own_file.h"
#include "platform/posix/retry_after_signal.h"
#include "platform/posix/user_rights.h"
#include "platform/text/sender_text.h"
#include "platform/workspace/workspace_path.h"

namespace ombrel {

namespace {

constexpr const char* kSource = "Ombrel";

struct Entry {
  WorkspacePath place;
  std::string folder;  // place.Folder(), kept for sorting
  const RecordedFile* file;
};

// What became of all the entries that name one file.
enum class Outcome { kRemoved, kNotTheStepsFile, kKept };

// Whether status describes a file writer's step may have left: a regular
// file of writer's with one link. Another user's file, or one linked
// elsewhere too, is never removed on writer's word. This user's own record
// may also remove a file with more links: a move by a hard link and an
// unlink that a kill cut in two leaves both its names recorded and linked
// to one file, and removing a name removes no file that has another.
bool MayBeWritersFile(const struct stat& status, uid_t writer) {
  return S_ISREG(status.st_mode) && status.st_uid == writer &&
         (status.st_nlink == 1 || writer == ProcessUser());
}

class Clearing {
 public:
  Clearing(const std::string& workspace, uid_t writer, ClearedRecord& cleared)
      : workspace_(workspace), writer_(writer), cleared_(cleared) {}

  // The entries [first, last), all naming files in one folder.
  void ClearFolder(std::vector<Entry>::const_iterator first, std::vector<Entry>::const_iterator last,
                   int workspaceFd) {
    const FileDescriptor folder = OpenFolderWithoutLinks(workspaceFd, first->place.folders);
    if (!folder) {
      const int error = errno;
      // Gone: nothing there is the record's any more. Reached through a
      // link now, it is not looked into; its names stay, and are told.
      if (error == ENOENT) return;
      Keep(first, last, ErrnoCause(error, kSource, "Cannot open", workspace_ + first->folder));
      return;
    }
    struct stat status {};
    if (::fstat(folder.get(), &status) != 0) {
      const int error = errno;
      Keep(first, last, ErrnoCause(error, kSource, "Cannot look at", workspace_ + first->folder));
      return;
    }
    const bool writerMay = CouldRemoveOwnFileIn(writer_, status);
    while (first != last) {
      const auto same = std::find_if(first, last, [&](const Entry& e) { return e.place.name != first->place.name; });
      ClearName(folder.get(), writerMay, first, same);
      first = same;
    }
  }

 private:
  // The entries [first, last), all naming one file in the folder open as fd.
  void ClearName(int fd, bool writerMay, std::vector<Entry>::const_iterator first,
                 std::vector<Entry>::const_iterator last) {
    const std::string& name = first->place.name;
    const std::string path = workspace_ + first->place.Joined();
    struct stat named {};
    if (::fstatat(fd, name.c_str(), &named, AT_SYMLINK_NOFOLLOW) != 0) {
      const int error = errno;
      if (error != ENOENT) Keep(first, last, ErrnoCause(error, kSource, "Cannot look at", path));
      return;
    }
    if (!MayBeWritersFile(named, writer_) || !Recorded(first, last, named.st_size)) return;
    std::optional<uint32_t> crc;
    {
      // Never waiting on a FIFO put there since; closed before the name
      // goes, so a FUSE mount keeps no hidden copy of an open file.
      constexpr int kFlags = O_RDONLY | O_NOFOLLOW | O_NONBLOCK | O_NOCTTY | O_CLOEXEC;
      const FileDescriptor file(RetryAfterSignal(-1, ::openat, fd, name.c_str(), kFlags));
      if (!file) {
        const int error = errno;
        if (error != ENOENT && error != ELOOP) Keep(first, last, ErrnoCause(error, kSource, "Cannot open", path));
        return;
      }
      // The decision rests on what is open, not on the name looked at before.
      struct stat opened {};
      if (::fstat(file.get(), &opened) != 0) {
        const int error = errno;
        Keep(first, last, ErrnoCause(error, kSource, "Cannot look at", path));
        return;
      }
      if (!MayBeWritersFile(opened, writer_) || !Recorded(first, last, opened.st_size)) return;
      crc = Crc32OfFile(file.get());
      if (!crc) {
        const int error = errno == 0 ? EIO : errno;
        Keep(first, last, ErrnoCause(error, kSource, "Cannot read", path));
        return;
      }
    }
    const bool holds = std::any_of(first, last, [&](const Entry& e) {
      return e.file->crc32 == *crc && e.file->size == static_cast<uint64_t>(named.st_size);
    });
    if (!holds) return;
    // A file the writer could not have removed is not removed for them; it
    // stays theirs, and is told.
    if (!writerMay) {
      Keep(first, last,
           Error(err::kPermissionDenied, kSource,
                 "Cannot delete " + SenderText(path) + " for user " + std::to_string(writer_) +
                     ", who may not delete it there"));
      return;
    }
    // Whoever may write this folder may rename files in it anyway: a file
    // swapped in under this name since it was read gains them nothing they
    // could not do themselves, and the folder is the one opened above.
    if (::unlinkat(fd, name.c_str(), 0) == 0) {
      cleared_.removed.push_back(path);
      return;
    }
    const int error = errno;
    if (error != ENOENT) Keep(first, last, ErrnoCause(error, kSource, "Cannot delete", path));
  }

  static bool Recorded(std::vector<Entry>::const_iterator first, std::vector<Entry>::const_iterator last,
                       off_t size) {
    return std::any_of(first, last, [&](const Entry& e) { return e.file->size == static_cast<uint64_t>(size); });
  }

  void Keep(std::vector<Entry>::const_iterator first, std::vector<Entry>::const_iterator last, Error why) {
    for (auto it = first; it != last; ++it) cleared_.kept.push_back(*it->file);
    if (!cleared_.failure) cleared_.failure = std::move(why);
  }

  const std::string& workspace_;
  uid_t writer_;
  ClearedRecord& cleared_;
};

}  // namespace

ClearedRecord ClearRecordedFiles(int workspaceFd, const std::string& workspace, uid_t writer,
                                 const std::vector<RecordedFile>& files) {
  ClearedRecord cleared;
  try {
    std::vector<Entry> entries;
    entries.reserve(files.size());
    for (const RecordedFile& file : files) {
      std::optional<WorkspacePath> place = ParseWorkspacePath(file.path);
      if (!place) {
        ++cleared.ignored;
        continue;
      }
      std::string folder = place->Folder();
      entries.push_back(Entry{std::move(*place), std::move(folder), &file});
    }
    // Folder by folder, name by name: each folder opened once, each file
    // looked at once, however often and in whatever order the record names
    // them.
    std::sort(entries.begin(), entries.end(), [](const Entry& a, const Entry& b) {
      return a.folder != b.folder ? a.folder < b.folder : a.place.name < b.place.name;
    });
    Clearing clearing(workspace, writer, cleared);
    for (auto first = entries.cbegin(); first != entries.cend();) {
      const auto last =
          std::find_if(first, entries.cend(), [&](const Entry& e) { return e.folder != first->folder; });
      clearing.ClearFolder(first, last, workspaceFd);
      first = last;
    }
  } catch (const std::bad_alloc&) {
    // What was not looked at stays for a later step.
    cleared.complete = false;
    cleared.failure = Error(err::kOutOfMemory, kSource, "Out of memory while clearing an unfinished step's files");
  }
  return cleared;
}

}  // namespace ombrel
