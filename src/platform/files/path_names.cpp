#include "platform/files/path_names.h"

namespace ombrel {

namespace {

// path without trailing separators; "/" itself stays "/".
std::string WithoutTrailingSlashes(const std::string& path) {
  std::string out = path;
  while (out.size() > 1 && out.back() == '/') out.pop_back();
  return out;
}

}  // namespace

std::string ParentFolderName(const std::string& path) {
  const std::string trimmed = WithoutTrailingSlashes(path);
  const std::size_t slash = trimmed.find_last_of('/');
  if (slash == std::string::npos || trimmed == "/") return "";
  std::string parent = trimmed.substr(0, slash);
  while (parent.size() > 1 && parent.back() == '/') parent.pop_back();
  return parent.empty() ? "/" : parent;
}

std::string FileNamePart(const std::string& path) {
  const std::string trimmed = WithoutTrailingSlashes(path);
  if (trimmed == "/") return "";
  const std::size_t slash = trimmed.find_last_of('/');
  return slash == std::string::npos ? trimmed : trimmed.substr(slash + 1);
}

std::string BaseNamePart(const std::string& path) {
  const std::string name = FileNamePart(path);
  const std::size_t dot = name.find_last_of('.');
  return dot == std::string::npos ? name : name.substr(0, dot);
}

std::string ExtensionPart(const std::string& path) {
  const std::string name = FileNamePart(path);
  const std::size_t dot = name.find_last_of('.');
  return dot == std::string::npos ? "" : name.substr(dot + 1);
}

std::string InFolder(const std::string& folder, const std::string& name) {
  return folder.back() == '/' ? folder + name : folder + "/" + name;
}

bool IsPlainFileName(std::string_view name) {
  return !name.empty() && name.size() <= kMaxFileNameBytes && name != "." && name != ".." &&
         name.find_first_of(std::string_view("/\\\0", 3)) == std::string_view::npos;
}

}  // namespace ombrel
