#include "engine/photo_file.h"

#include <dirent.h>

#include <algorithm>
#include <cstring>
#include <functional>

#include "engine/text_compare.h"
#include "services/file_utils.h"

namespace ombrel {

namespace {

bool IsPlainFileName(const std::string& name) {
  return !name.empty() && name != "." && name != ".." &&
         name.find_first_of(std::string("/\\\0", 3)) == std::string::npos;
}

// A hash of name in capitals; names that are the same text have the same.
uint64_t CapitalsKey(std::string_view name, std::string& buffer) {
  buffer.assign(name);
  const bool ascii = std::all_of(name.begin(), name.end(), [](char c) { return static_cast<unsigned char>(c) < 0x80; });
  if (ascii) {
    for (char& c : buffer) {
      if (c >= 'a' && c <= 'z') c = static_cast<char>(c - 'a' + 'A');
    }
  } else {
    buffer = UpperText(name);
  }
  return std::hash<std::string_view>()(buffer);
}

}  // namespace

void PictureFolder::List() {
  listed_ = true;
  DIR* folder = ::opendir(folder_.c_str());
  if (folder == nullptr) return;
  std::string buffer;
  while (const dirent* entry = ::readdir(folder)) {
    const std::string_view name(entry->d_name);
    if (name == "." || name == "..") continue;
    byKey_.push_back(Entry{CapitalsKey(name, buffer), static_cast<uint32_t>(names_.size()),
                           static_cast<uint32_t>(name.size())});
    names_ += name;
  }
  ::closedir(folder);
  std::sort(byKey_.begin(), byKey_.end(), [this](const Entry& a, const Entry& b) {
    return a.key != b.key ? a.key < b.key : NameOf(a) < NameOf(b);
  });
}

std::string PictureFolder::Find(const std::string& fileName) {
  if (!IsPlainFileName(fileName)) return "";
  const std::string exact = folder_ + fileName;
  if (CanReadFile(exact)) return exact;

  if (!listed_) List();
  std::string buffer;
  const uint64_t key = CapitalsKey(fileName, buffer);
  auto it = std::lower_bound(byKey_.begin(), byKey_.end(), key,
                             [](const Entry& entry, uint64_t at) { return entry.key < at; });
  for (; it != byKey_.end() && it->key == key; ++it) {
    const std::string_view name = NameOf(*it);
    if (!SameText(name, fileName)) continue;
    std::string candidate = folder_ + std::string(name);
    if (CanReadFile(candidate)) return candidate;
  }
  return "";
}

}  // namespace ombrel
