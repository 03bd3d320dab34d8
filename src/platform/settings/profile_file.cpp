#include "platform/settings/profile_file.h"

#include <filesystem>
#include <fstream>
#include <iterator>

#include "platform/text/ascii_case.h"
#include "platform/text/text_encoding.h"

namespace ombrel {

namespace fs = std::filesystem;

namespace {

std::string_view TrimBlanks(std::string_view text) {
  const auto isBlank = [](char c) { return c == ' ' || c == '\t'; };
  while (!text.empty() && isBlank(text.front())) text.remove_prefix(1);
  while (!text.empty() && isBlank(text.back())) text.remove_suffix(1);
  return text;
}

}  // namespace

std::optional<std::string> ProfileSection::Value(std::string_view key) const {
  for (const auto& [name, value] : entries) {
    if (EqualsIgnoreCase(name, key)) return value;
  }
  return std::nullopt;
}

ProfileFile ProfileFile::Parse(std::string_view raw) {
  const std::string text = Utf8OrWindows1252(StripUtf8Bom(raw));
  ProfileFile file;
  ProfileSection* current = nullptr;  // entries before the first section belong to none
  std::size_t start = 0;
  while (start <= text.size()) {
    std::size_t end = text.find('\n', start);
    if (end == std::string::npos) end = text.size();
    std::string_view line(text.data() + start, end - start);
    start = end + 1;
    if (!line.empty() && line.back() == '\r') line.remove_suffix(1);
    line = TrimBlanks(line);
    if (line.empty() || line.front() == ';') continue;
    if (line.front() == '[') {
      const std::size_t close = line.find(']');
      const std::string_view name = line.substr(1, close == std::string_view::npos ? line.npos : close - 1);
      current = &file.sections_.emplace_back(ProfileSection{std::string(TrimBlanks(name)), {}});
      continue;
    }
    const std::size_t equals = line.find('=');
    if (current == nullptr || equals == std::string_view::npos) continue;
    std::string_view value = TrimBlanks(line.substr(equals + 1));
    if (value.size() >= 2 && value.front() == '"' && value.back() == '"') {
      value = value.substr(1, value.size() - 2);
    }
    current->entries.emplace_back(std::string(TrimBlanks(line.substr(0, equals))), std::string(value));
  }
  return file;
}

std::optional<ProfileFile> ProfileFile::Load(const std::string& path) {
  std::error_code ec;
  if (path.empty() || fs::is_directory(path, ec)) return std::nullopt;
  std::ifstream in(path, std::ios::binary);
  if (!in) return std::nullopt;
  const std::string text((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
  if (in.bad()) return std::nullopt;
  return Parse(text);
}

const ProfileSection* ProfileFile::FindSection(std::string_view name) const {
  for (const ProfileSection& section : sections_) {
    if (EqualsIgnoreCase(section.name, name)) return &section;
  }
  return nullptr;
}

std::string ResolveProfilePath(const std::string& fileName, const std::string& folderForBareNames) {
  if (fileName.empty()) return "";
  const fs::path given(fileName);
  const fs::path folder =
      fileName.find('/') == std::string::npos ? fs::path(folderForBareNames) : given.parent_path();
  const std::string name = given.filename().string();
  const fs::path exact = folder / name;
  std::error_code ec;
  if (fs::exists(exact, ec)) return exact.string();
  // Several names that differ only in case: take the first in name order, so
  // the choice does not depend on the order the folder lists them in.
  std::string best;
  for (auto it = fs::directory_iterator(folder.empty() ? fs::path(".") : folder, ec);
       !ec && it != fs::directory_iterator(); it.increment(ec)) {
    const std::string candidate = it->path().filename().string();
    if (EqualsIgnoreCase(candidate, name) && (best.empty() || candidate < best)) best = candidate;
  }
  return best.empty() ? exact.string() : (folder / best).string();
}

}  // namespace ombrel
