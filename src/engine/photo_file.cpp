#include "engine/photo_file.h"

#include <dirent.h>

#include <algorithm>
#include <functional>
#include <string_view>

#include "engine/text_compare.h"
#include "services/file_utils.h"

namespace ombrel {

namespace {

bool IsPlainFileName(const std::string& name) {
  return !name.empty() && name != "." && name != ".." &&
         name.find_first_of(std::string("/\\\0", 3)) == std::string::npos;
}

}  // namespace

// The key of a name: a folder may hold many thousands of files, which are
// sorted by a number, not by their text.
std::size_t PictureFolder::KeyOf(std::string_view name) {
  return std::hash<std::string>()(UpperText(name));
}

void PictureFolder::List() {
  listed_ = true;
  DIR* folder = ::opendir(folder_.c_str());
  if (folder == nullptr) return;
  while (const dirent* entry = ::readdir(folder)) {
    const std::string_view name(entry->d_name);
    if (name == "." || name == "..") continue;
    byKey_.push_back(Entry{KeyOf(name), std::string(name)});
  }
  ::closedir(folder);
  std::sort(byKey_.begin(), byKey_.end());
}

std::string PictureFolder::Find(const std::string& fileName) {
  if (!IsPlainFileName(fileName)) return "";
  const std::string exact = folder_ + fileName;
  if (CanReadFile(exact)) return exact;

  if (!listed_) List();
  const std::size_t key = KeyOf(fileName);
  auto it = std::lower_bound(byKey_.begin(), byKey_.end(), key,
                             [](const Entry& entry, std::size_t at) { return entry.key < at; });
  for (; it != byKey_.end() && it->key == key; ++it) {
    if (!SameText(it->name, fileName)) continue;  // another name of the same key
    std::string candidate = folder_ + it->name;
    if (CanReadFile(candidate)) return candidate;
  }
  return "";
}

}  // namespace ombrel
