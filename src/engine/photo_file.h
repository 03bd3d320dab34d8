// Finds the image files that an order names in the picture folder. The order
// programs wrote their file names on a system whose file names ignore letter
// case, so a file whose name differs from the order's only in letter case is
// the one meant.
#pragma once

#include <string>
#include <utility>
#include <vector>

#include "platform/files/file_system_object.h"

namespace ombrel {

class PictureFolder {
 public:
  // folder ends in "/"; files is how it is read, and must outlive this.
  // A name in passedOver is never found, in any letter case it is listed
  // in: a file another user's unfinished step left that no report of this
  // window may take.
  PictureFolder(FileSystemObject& files, std::string folder, std::vector<std::string> passedOver = {})
      : files_(files), folder_(std::move(folder)), passedOver_(std::move(passedOver)) {}

  const std::string& folder() const { return folder_; }

  // The full path of the readable file of the folder that fileName names:
  // folder + fileName when that can be read, else the file whose name
  // differs only in letter case (the first in byte order when there are
  // several). "" when there is none, and for a fileName that is not a plain
  // file name, so an order cannot reach outside the folder. The folder is
  // listed once, at the first name that needs it: an order may name many
  // photos its envelope did not send, and the folder may hold many files.
  std::string Find(const std::string& fileName);

 private:
  void List();

  FileSystemObject& files_;
  std::string folder_;
  std::vector<std::string> passedOver_;
  bool listed_ = false;
  // The folder's names, each after its text in capitals, sorted: the names
  // that differ only in letter case stand together, in byte order.
  std::vector<std::pair<std::string, std::string>> byCapitals_;
};

}  // namespace ombrel
