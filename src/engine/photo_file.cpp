#include "engine/photo_file.h"

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

std::string FindPhotoFile(const std::string& pixFolder, const std::string& fileName) {
  if (!IsPlainFileName(fileName)) return "";
  const std::string exact = pixFolder + fileName;
  if (CanReadFile(exact)) return exact;

  std::string found;
  std::error_code ec;
  for (auto it = std::filesystem::directory_iterator(pixFolder, ec);
       !ec && it != std::filesystem::directory_iterator(); it.increment(ec)) {
    const std::string name = it->path().filename().string();
    if (!SameText(name, fileName)) continue;
    const std::string candidate = pixFolder + name;
    if ((found.empty() || candidate < found) && CanReadFile(candidate)) found = candidate;
  }
  return found;
}

}  // namespace ombrel
