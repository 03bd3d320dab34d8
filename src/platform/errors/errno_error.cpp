#include "platform/errors/errno_error.h"

#include <cerrno>
#include <cstring>

#include "platform/text/sender_text.h"

namespace ombrel {

int32_t ClassicErrorNumber(int errnoValue) {
  switch (errnoValue) {
    case ENOENT: return err::kFileNotFound;
    case EEXIST: return err::kFileAlreadyExists;
    case ENOSPC:
    case EDQUOT: return err::kDiskFull;
    case EACCES:
    case EPERM:
    case EROFS: return err::kPermissionDenied;
    case ENOTDIR: return err::kPathNotFound;
    default: return err::kPathFileAccessError;
  }
}

std::string ClassicErrorText(int32_t number) {
  switch (number) {
    case err::kFileNotFound: return "File not found";
    case err::kFileAlreadyExists: return "File already exists";
    case err::kDiskFull: return "Disk full";
    case err::kPermissionDenied: return "Permission denied";
    case err::kPathNotFound: return "Path not found";
    default: return "Path/File access error";
  }
}

Error ErrnoError(int errnoValue, const std::string& source, const std::string& path) {
  const int32_t number = ClassicErrorNumber(errnoValue);
  return Error(number, source, ClassicErrorText(number) + ": " + SenderText(path));
}

Error ErrnoCause(int errnoValue, const std::string& source, const std::string& what,
                 const std::string& path) {
  return Error(ClassicErrorNumber(errnoValue), source,
               what + " " + SenderText(path) + ": " + std::strerror(errnoValue));
}

}  // namespace ombrel
