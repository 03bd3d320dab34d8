// Fuzzes the envelope reader's manifest and name checks. Whole envelopes
// mutate mostly into broken archives (ENVELOPE.XML is deflated and checked by
// its CRC), so here the input is the manifest's text and a few entry names,
// and the harness writes a fresh, valid ZIP around them:
//
//   ENVELOPE.XML text | name\nname\n... | n      (see fuzz_input.h)
//
// The archive holds ENVELOPE.XML (deflated or stored, by the input's length)
// and one entry per name given; for inputs whose length is a multiple of
// three, also one entry for every document the manifest lists, so the
// checks of names and entries are reached whatever the manifest says. The
// envelope then goes through the checks of envelope_checks.h; a manifest
// that parses holds no reference to NUL or past U+10FFFF in an attribute
// (see reference_oracle.h).
#include <zip.h>

#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "envelope_checks.h"
#include "fuzz_input.h"
#include "platform/envelope/envelope_listing.h"
#include "platform/xml/xml_text_decoder.h"
#include "reference_oracle.h"
#include "scratch_folder.h"

namespace {

// Adds name holding content; names libzip cannot store, or repeated ones, are left out.
void AddEntry(zip_t* archive, const std::string& name, const std::string& content, bool store) {
  if (name.empty() || name.find('\0') != std::string::npos) return;
  zip_source_t* source = zip_source_buffer(archive, content.data(), content.size(), 0);
  if (source == nullptr) return;
  const zip_int64_t index = zip_file_add(archive, name.c_str(), source, 0);
  if (index < 0) {
    zip_source_free(source);
    return;
  }
  if (store) zip_set_file_compression(archive, static_cast<zip_uint64_t>(index), ZIP_CM_STORE, 0);
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, std::size_t size) {
  static const ombrel::fuzz::ScratchFolder scratch;
  const ombrel::fuzz::FuzzInput input = ombrel::fuzz::SplitFuzzInput(data, size);
  const std::string manifest(input.body);

  std::vector<std::string> names = input.queries;
  const std::optional<ombrel::EnvelopeListing> listing = ombrel::EnvelopeListing::Parse(manifest);
  if (listing) {
    ombrel::fuzz::CheckReferenceVerdict("envelope_manifest", ombrel::DecodeXmlText(manifest), true, false);
  }
  if (size % 3 == 0 && listing) {
    for (std::size_t i = 0; i < listing->Count(); ++i) {
      names.push_back(listing->Document(i).EntryName());
    }
  }

  const std::string path = (scratch.path() / "input.env").string();
  int code = 0;
  zip_t* archive = zip_open(path.c_str(), ZIP_CREATE | ZIP_TRUNCATE, &code);
  if (archive == nullptr) ombrel::fuzz::Fail("envelope_manifest", "cannot write the archive");
  // Each entry holds its own name; the sources read manifest and names at zip_close.
  AddEntry(archive, "ENVELOPE.XML", manifest, size % 2 == 1);
  for (std::size_t i = 0; i < names.size(); ++i) AddEntry(archive, names[i], names[i], i % 2 == 0);
  if (zip_close(archive) != 0) {
    zip_discard(archive);
    ombrel::fuzz::Fail("envelope_manifest", "cannot write the archive");
  }
  ombrel::fuzz::CheckEnvelope("envelope_manifest", scratch, path, size % 5 == 0);
  return 0;
}
