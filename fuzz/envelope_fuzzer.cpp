// Fuzzes the envelope reader with whole envelope files: open, list every
// document's attributes, extract into a folder of its own. Beyond the
// sanitizers it checks what extraction must guarantee: nothing is written
// outside the folder, only the listed documents are written there, an
// existing file is never replaced, a failed extraction leaves nothing, and
// the envelope file itself is never changed.
#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <set>
#include <string>
#include <string_view>

#include "platform/error.h"
#include "platform/zip_envelope.h"
#include "scratch_folder.h"

namespace fs = std::filesystem;

namespace {

void Fail(const std::string& what) {
  std::fprintf(stderr, "ombrel envelope fuzzer: %s\n", what.c_str());
  std::abort();
}

std::string ReadFile(const fs::path& path) {
  std::ifstream in(path, std::ios::binary);
  return std::string(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
}

bool IsPlainFileName(const std::string& name) {
  return !name.empty() && name != "." && name != ".." &&
         name.find_first_of(std::string("/\\\0", 3)) == std::string::npos;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, std::size_t size) {
  static const ombrel::fuzz::ScratchFolder scratch;
  // The documents go two levels down, so a name climbing out ("../x",
  // "../../x") would still land in the scratch folder and be seen.
  const fs::path box = scratch.path() / "box";
  const fs::path folder = box / "inner";
  std::error_code ec;
  fs::remove_all(box, ec);
  fs::create_directories(folder);

  const std::string_view bytes(reinterpret_cast<const char*>(data), size);
  const std::string envelopePath = scratch.Write("input.env", bytes);

  ombrel::ZipEnvelope envelope;
  std::set<std::string> names;
  std::string kept;  // a file placed where the first document would go
  bool extracted = false;
  if (envelope.OpenEnvelope(envelopePath)) {
    const ombrel::EnvelopeDocuments& documents = envelope.Documents();
    for (std::size_t i = 0; i < documents.Count(); ++i) {
      const ombrel::EnvelopeDocument& document = documents.Item(i);
      for (const char* attribute : {"GUID", "EXT", "FILENAME", "TYPE", "DOCTYPE", "", "guid"}) {
        (void)document.Attribute(attribute);
      }
      const std::string name = document.Attribute("GUID") + document.Attribute("EXT");
      if (!IsPlainFileName(name) || !IsPlainFileName(document.Attribute("FILENAME"))) {
        Fail("an opened envelope names a document \"" + name + "\" / \"" +
             document.Attribute("FILENAME") + "\"");
      }
      names.insert(name);
    }
    try {
      (void)documents.Item(documents.Count());
      Fail("Item(Count()) gave a document");
    } catch (const ombrel::Error&) {
    }
    // Inputs of odd length find the first document's file already there.
    if (!names.empty() && size % 2 == 1) {
      kept = documents.Item(0).Attribute("GUID") + documents.Item(0).Attribute("EXT");
      std::ofstream(folder / kept, std::ios::binary) << "kept";
    }
    extracted = envelope.ExtractTo(folder.string() + "/", 0);
    if (extracted && !kept.empty()) Fail("extraction replaced the existing file " + kept);
  }

  // What the scratch folder holds now: the envelope, the two folders, and in
  // the inner one only the listed documents (all of them after a success, none
  // after a failure) and the kept file.
  std::set<std::string> seen;
  for (auto it = fs::recursive_directory_iterator(scratch.path()); it != fs::recursive_directory_iterator();
       ++it) {
    const fs::path relative = fs::relative(it->path(), scratch.path());
    const fs::file_status status = it->symlink_status();
    if (relative == "input.env" || relative == "box" || relative == fs::path("box") / "inner") continue;
    if (relative.parent_path() != fs::path("box") / "inner") Fail("written outside the folder: " + relative.string());
    const std::string name = relative.filename().string();
    if (!fs::is_regular_file(status)) Fail("extraction made something other than a file: " + name);
    if (name == kept) {
      if (ReadFile(it->path()) != "kept") Fail("the existing file " + name + " was changed");
      continue;
    }
    if (!extracted) Fail("a failed extraction left " + name);
    if (names.count(name) == 0) Fail("extraction wrote an unlisted file " + name);
    seen.insert(name);
  }
  if (extracted && seen != names) Fail("a successful extraction left documents out");
  if (ReadFile(envelopePath) != bytes) Fail("the envelope file was changed");
  return 0;
}
