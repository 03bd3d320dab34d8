#include "shell/executable_path.h"

#include <filesystem>
#include <system_error>

#include "services/file_utils.h"

namespace ombrel {

std::string ExecutablePath() {
  std::error_code error;
  const std::filesystem::path path = std::filesystem::read_symlink("/proc/self/exe", error);
  return error ? std::string() : path.string();
}

std::string LogPathFor(const std::string& executablePath) {
  const std::filesystem::path exe(executablePath);
  return AddBackslash(exe.parent_path().string()) + exe.stem().string() + ".LOG";
}

}  // namespace ombrel
