// One settings file parsed by the profile reader's rules: sections and keys
// match without regard to case, the first match wins, ';' starts a comment
// line, a value is the text after the first '=', blanks around it and one
// pair of surrounding double quotes removed.
#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

namespace ombrel {

struct ProfileSection {
  std::string name;
  std::vector<std::pair<std::string, std::string>> entries;  // key, value; file order

  // The value of the first entry whose key matches; nothing when there is none.
  std::optional<std::string> Value(std::string_view key) const;
};

class ProfileFile {
 public:
  // Parses settings text (UTF-8, or windows-1252 when it is not valid UTF-8).
  static ProfileFile Parse(std::string_view text);
  // Reads and parses the file; nothing when it cannot be read.
  static std::optional<ProfileFile> Load(const std::string& path);

  // The first section of that name; nullptr when there is none.
  const ProfileSection* FindSection(std::string_view name) const;

 private:
  std::vector<ProfileSection> sections_;
};

// The file the profile reader reads for fileName: a bare name is taken from
// folderForBareNames. The file name itself matches without regard to case
// (QOR.INI finds qor.ini) when no file of exactly that name exists.
std::string ResolveProfilePath(const std::string& fileName, const std::string& folderForBareNames);

}  // namespace ombrel
