// A temporary folder for one test: created empty under the system's temporary
// folder, removed with everything in it when the object goes away.
#pragma once

#include <filesystem>
#include <string>
#include <vector>

namespace ombrel::testing {

class TempDir {
 public:
  TempDir();
  ~TempDir();
  TempDir(const TempDir&) = delete;
  TempDir& operator=(const TempDir&) = delete;

  const std::filesystem::path& path() const { return path_; }
  // The folder as text, ending in "/", ready to have a file name appended.
  std::string str() const { return path_.string() + "/"; }
  // The full path of name inside the folder (nothing is created).
  std::string File(const std::string& name) const { return (path_ / name).string(); }

  // Writes bytes to name inside the folder (creating subfolders), returns its full path.
  std::string Write(const std::string& name, const std::string& bytes) const;
  // The whole content of name inside the folder (or of an absolute path); "" when unreadable.
  std::string Read(const std::string& name) const;

 private:
  std::filesystem::path path_;
};

// The names of what folder holds, sorted.
std::vector<std::string> Listing(const std::filesystem::path& folder);

}  // namespace ombrel::testing
