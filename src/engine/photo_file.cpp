#include "engine/photo_file.h"

#include <algorithm>
#include <filesystem>
#include <system_error>

#include "engine/text_compare.h"
#include "shell/file_utils.h"

namespace ombrel {

namespace {

bool IsPlainFileName(const std::string& name) {
  return !name.empty() && name != "." && name != ".." &&
         name.find_first_of(std::string("/\\\0", 3)) == std::string::npos;
}

}  // namespace

std::string PictureFolder::Find(const std::string& fileName) {
  if (!IsPlainFileName(fileName)) return "";
  const std::string exact = folder_ + fileName;
  if (CanReadFile(exact)) return exact;

  if (!listed_) {
    listed_ = true;
    std::error_code ec;
    for (auto it = std::filesystem::directory_iterator(folder_, ec);
         !ec && it != std::filesystem::directory_iterator(); it.increment(ec)) {
      std::string name = it->path().filename().string();
      byCapitals_[UpperText(name)].push_back(std::move(name));
    }
    for (auto& [capitals, names] : byCapitals_) std::sort(names.begin(), names.end());
  }
  const auto found = byCapitals_.find(UpperText(fileName));
  if (found == byCapitals_.end()) return "";
  for (const std::string& name : found->second) {
    if (CanReadFile(folder_ + name)) return folder_ + name;
  }
  return "";
}

}  // namespace ombrel
