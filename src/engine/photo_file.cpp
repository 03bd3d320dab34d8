#include "engine/photo_file.h"

#include <algorithm>

#include "engine/text_compare.h"
#include "platform/files/path_names.h"

namespace ombrel {

void PictureFolder::List() {
  listed_ = true;
  std::vector<std::string> names = files_.ListFolder(folder_);
  byCapitals_.reserve(names.size());
  for (std::string& name : names) {
    std::string capitals = UpperText(name);
    byCapitals_.emplace_back(std::move(capitals), std::move(name));
  }
  std::sort(byCapitals_.begin(), byCapitals_.end());
}

std::string PictureFolder::Find(const std::string& fileName) {
  if (!IsPlainFileName(fileName)) return "";
  const auto passedOver = [&](const std::string& name) {
    return std::find(passedOver_.begin(), passedOver_.end(), name) != passedOver_.end();
  };
  const std::string exact = folder_ + fileName;
  if (!passedOver(fileName) && files_.CanReadFile(exact)) return exact;

  if (!listed_) List();
  const std::string capitals = UpperText(fileName);
  auto it = std::lower_bound(byCapitals_.begin(), byCapitals_.end(), capitals,
                             [](const auto& entry, const std::string& key) { return entry.first < key; });
  for (; it != byCapitals_.end() && it->first == capitals; ++it) {
    if (passedOver(it->second)) continue;
    std::string candidate = folder_ + it->second;
    if (files_.CanReadFile(candidate)) return candidate;
  }
  return "";
}

}  // namespace ombrel
