// Finds the image files that an order names in the picture folder. The order
// programs wrote their file names on a system whose file names ignore letter
// case, so a file whose name differs from the order's only in letter case is
// the one meant.
#pragma once

#include <compare>
#include <cstddef>
#include <string>
#include <string_view>
#include <vector>

namespace ombrel {

class PictureFolder {
 public:
  // folder ends in "/".
  explicit PictureFolder(std::string folder) : folder_(std::move(folder)) {}

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
  static std::size_t KeyOf(std::string_view name);
  void List();

  std::string folder_;
  bool listed_ = false;
  struct Entry {
    std::size_t key;   // the hash of the name in capitals
    std::string name;
    auto operator<=>(const Entry&) const = default;
  };
  std::vector<Entry> byKey_;  // the folder's names by key, then in byte order
};

}  // namespace ombrel
