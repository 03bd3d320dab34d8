#include "engine/photo_file.h"

#include <dirent.h>

#include <algorithm>
#include <string_view>
#include <vector>

#include "engine/text_compare.h"
#include "services/file_utils.h"

namespace ombrel {

namespace {

bool IsPlainFileName(const std::string& name) {
  return !name.empty() && name != "." && name != ".." &&
         name.find_first_of(std::string("/\\\0", 3)) == std::string::npos;
}

}  // namespace

void PictureFolder::List() {
  listed_ = true;
  DIR* folder = ::opendir(folder_.c_str());
  if (folder == nullptr) return;
  while (const dirent* entry = ::readdir(folder)) {
    const std::string_view name(entry->d_name);
    if (name == "." || name == "..") continue;
    byCapitals_.emplace(UpperText(name), name);
  }
  ::closedir(folder);
}

std::string PictureFolder::Find(const std::string& fileName) {
  if (!IsPlainFileName(fileName)) return "";
  const std::string exact = folder_ + fileName;
  if (CanReadFile(exact)) return exact;

  if (!listed_) List();
  const auto [first, last] = byCapitals_.equal_range(UpperText(fileName));
  std::vector<std::string> names;
  for (auto it = first; it != last; ++it) names.push_back(it->second);
  std::sort(names.begin(), names.end());  // of several, the first in byte order
  for (const std::string& name : names) {
    std::string candidate = folder_ + name;
    if (CanReadFile(candidate)) return candidate;
  }
  return "";
}

}  // namespace ombrel
