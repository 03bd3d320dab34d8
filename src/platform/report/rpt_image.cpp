#include "platform/report/rpt_image.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <filesystem>

#include "platform/errors/errno_error.h"
#include "platform/posix/file_descriptor.h"
#include "platform/text/sender_text.h"

namespace ombrel {

void RptImage::AttachFile(const std::string& path) {
  int error = 0;
  const FileDescriptor fd(path.empty() ? -1 : ::open(path.c_str(), O_RDONLY | O_CLOEXEC));
  if (!fd) {
    error = path.empty() ? ENOENT : errno;
  } else {
    struct stat status {};
    if (::fstat(fd.get(), &status) != 0) error = errno;
    else if (S_ISDIR(status.st_mode)) error = EISDIR;
  }
  if (error != 0) {
    const int32_t number = ClassicErrorNumber(error);
    throw Error(number, "QorFile.DOCUMENT",
                ClassicErrorText(number) + ": cannot attach the image file " + SenderText(path));
  }
  // The report may be written after the current folder has changed.
  std::error_code ec;
  const std::filesystem::path absolute = std::filesystem::absolute(path, ec);
  attachedPath_ = ec ? path : absolute.string();
}

}  // namespace ombrel
