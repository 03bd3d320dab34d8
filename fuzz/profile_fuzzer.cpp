// Fuzzes the profile reader with settings files: parse the input, look up
// the input's own section and key and the ones the program reads, and read
// the same through GetPrivateProfileString from a file. Both ways must agree.
#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>

#include "fuzz_input.h"
#include "platform/settings/profile.h"
#include "platform/settings/profile_file.h"
#include "scratch_folder.h"

namespace {

std::string Lookup(const ombrel::ProfileFile& file, const std::string& section, const std::string& key,
                   const std::string& defaultValue) {
  const ombrel::ProfileSection* found = file.FindSection(section);
  if (found == nullptr) return defaultValue;
  return found->Value(key).value_or(defaultValue);
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, std::size_t size) {
  static const ombrel::fuzz::ScratchFolder scratch;
  const ombrel::fuzz::FuzzInput input = ombrel::fuzz::SplitFuzzInput(data, size);
  const ombrel::ProfileFile file = ombrel::ProfileFile::Parse(input.body);
  const std::string path = scratch.Write("QOR.INI", input.body);

  const std::string section = input.queries.size() > 0 ? input.queries[0] : "Directories";
  const std::string key = input.queries.size() > 1 ? input.queries[1] : "DataDir";
  const std::string fromText = Lookup(file, section, key, "(default)");
  const std::string fromFile = ombrel::GetPrivateProfileString(section, key, "(default)", path);
  if (fromText != fromFile) __builtin_trap();  // the file read differently from its text

  (void)Lookup(file, "Vendor", "KESTR", "");
  (void)Lookup(file, "", "", "");
  return 0;
}
