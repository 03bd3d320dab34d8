// What the envelope harnesses check beyond the sanitizers, for one envelope
// file: open it, list every document's attributes, extract into a folder of
// its own, and then hold extraction to what it must guarantee: nothing is
// written outside the folder, only the listed documents are written there
// (no temporary is left), an existing file is never replaced or changed, a
// failed extraction leaves nothing, and the envelope file is never changed.
#pragma once

#include <sys/stat.h>

#include <cstddef>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <set>
#include <string>
#include <string_view>

#include "platform/envelope/zip_envelope.h"
#include "platform/errors/error.h"
#include "scratch_folder.h"

namespace ombrel::fuzz {

[[noreturn]] inline void Fail(const char* harness, const std::string& what) {
  std::fprintf(stderr, "ombrel %s fuzzer: %s\n", harness, what.c_str());
  std::abort();
}

inline std::string ReadWholeFile(const std::filesystem::path& path) {
  std::ifstream in(path, std::ios::binary);
  return std::string(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
}

inline bool IsPlainFileName(const std::string& name) {
  return !name.empty() && name.size() <= 255 && name != "." && name != ".." &&
         name.find_first_of(std::string("/\\\0", 3)) == std::string::npos;
}

// Runs the envelope at envelopePath (inside scratch) through the reader.
// With keepFirst, a file of other bytes is put where the first document
// would go before extracting.
inline void CheckEnvelope(const char* harness, const ScratchFolder& scratch,
                          const std::string& envelopePath, bool keepFirst) {
  namespace fs = std::filesystem;
  // The documents go two levels down, so a name climbing out ("../x",
  // "../../x") would still land in the scratch folder and be seen.
  const fs::path box = scratch.path() / "box";
  const fs::path folder = box / "inner";
  std::error_code ec;
  fs::remove_all(box, ec);
  fs::create_directories(folder);
  const std::string envelopeBytes = ReadWholeFile(envelopePath);
  const fs::path envelopeName = fs::relative(envelopePath, scratch.path());

  ZipEnvelope envelope;
  std::set<std::string> names;
  std::string kept;  // a file placed where the first document would go
  ino_t keptInode = 0;
  bool extracted = false;
  if (envelope.OpenEnvelope(envelopePath)) {
    if (envelope.Failure()) Fail(harness, "an opened envelope has a failure");
    const EnvelopeDocuments& documents = envelope.Documents();
    for (std::size_t i = 0; i < documents.Count(); ++i) {
      const EnvelopeDocument& document = documents.Item(i);
      for (const char* attribute : {"GUID", "EXT", "FILENAME", "TYPE", "DOCTYPE", "", "guid"}) {
        (void)document.Attribute(attribute);
      }
      const std::string name = document.EntryName();
      if (!IsPlainFileName(name) || !IsPlainFileName(document.Attribute("FILENAME"))) {
        Fail(harness, "an opened envelope names a document \"" + name + "\" / \"" +
                          document.Attribute("FILENAME") + "\"");
      }
      names.insert(name);
    }
    try {
      (void)documents.Item(documents.Count());
      Fail(harness, "Item(Count()) gave a document");
    } catch (const Error&) {
    }
    if (!names.empty() && keepFirst) {
      kept = documents.Item(0).EntryName();
      std::ofstream(folder / kept, std::ios::binary) << "kept";
      struct stat status {};
      if (::stat((folder / kept).c_str(), &status) == 0) keptInode = status.st_ino;
    }
    extracted = envelope.ExtractTo(folder.string() + "/", 0);
    if (extracted == envelope.Failure().has_value()) {
      Fail(harness, "ExtractTo's result and its failure disagree");
    }
  } else if (!envelope.Failure()) {
    Fail(harness, "a refused envelope says not why");
  }

  // What the scratch folder holds now: the envelope, the two folders, and in
  // the inner one only the listed documents (all of them after a success, none
  // after a failure) and the kept file, unchanged.
  std::set<std::string> seen;
  for (auto it = fs::recursive_directory_iterator(scratch.path());
       it != fs::recursive_directory_iterator(); ++it) {
    const fs::path relative = fs::relative(it->path(), scratch.path());
    const fs::file_status status = it->symlink_status();
    if (relative == envelopeName || relative == "box" || relative == fs::path("box") / "inner") continue;
    if (relative.parent_path() != fs::path("box") / "inner") {
      Fail(harness, "written outside the folder: " + relative.string());
    }
    const std::string name = relative.filename().string();
    if (!fs::is_regular_file(status)) Fail(harness, "extraction made something other than a file: " + name);
    if (name == kept) {
      struct stat now {};
      if (ReadWholeFile(it->path()) != "kept" || ::stat(it->path().c_str(), &now) != 0 ||
          now.st_ino != keptInode) {
        Fail(harness, "the existing file " + name + " was replaced or changed");
      }
      continue;
    }
    if (!extracted) Fail(harness, "a failed extraction left " + name);
    if (names.count(name) == 0) Fail(harness, "extraction wrote an unlisted file " + name);
    seen.insert(name);
  }
  if (extracted) {
    if (!kept.empty()) seen.insert(kept);
    if (seen != names) Fail(harness, "a successful extraction left documents out");
  }
  if (ReadWholeFile(envelopePath) != envelopeBytes) Fail(harness, "the envelope file was changed");
}

}  // namespace ombrel::fuzz
