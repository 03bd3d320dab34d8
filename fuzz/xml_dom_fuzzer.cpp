// Fuzzes the XML reader with order documents in any encoding: load the text,
// then ask the paths the program asks, the input's own path and tags, and a
// set of tags that go through a fixed alias table (exact aliases, '#'
// patterns, and tags read as paths). A document of an earlier load must
// answer nothing. A document that loads holds no reference to NUL or past
// U+10FFFF in a value, and one refused for such a reference holds one in a
// value (see reference_oracle.h). The same text is read as an envelope's
// ENVELOPE.XML too, held to the same: inside a fuzzed ZIP archive it would
// rarely survive the checksum.
#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>

#include "fuzz_input.h"
#include "platform/envelope/envelope_listing.h"
#include "platform/xml/pugi_xml_dom.h"
#include "platform/xml/xml_character_fault.h"
#include "platform/xml/xml_text_decoder.h"
#include "reference_oracle.h"
#include "scratch_folder.h"

namespace {

constexpr const char* kAliases =
    "; tags as the order program names them\n"
    "BORROWERNAME = BORROWER\n"
    "CITY = ~SUBJECT\\CITY\n"
    "LENDERID = LENDER\\@ID\n"
    "COMP(#)SALESPRICE = COMPARABLES\\COMP(#)\\SALES\\@PRICE\n"
    "COMP(#)PHOTO(#) = ~COMP(#)\\PHOTO(#)\n"
    "UNIT#RENT = UNITS\\UNIT(#)\\RENT\n";

const char* const kTags[] = {"BORROWERNAME", "CITY",          "LENDERID",        "COMP(1)SALESPRICE",
                             "COMP(12)SALESPRICE", "COMP(2)PHOTO(3)", "UNIT0RENT", "FORMNUM",
                             "COMP(1)CITY", "ALTFORM", "", "(", "#", "COMP()SALESPRICE"};

// Whether a reader's reason for a refusal is a faulty character.
bool IsCharacterFault(const std::string& why, const std::string& prefix) {
  for (const ombrel::CharacterFault fault : {ombrel::CharacterFault::kNul, ombrel::CharacterFault::kBeyondUnicode}) {
    if (why == prefix + ombrel::CharacterFaultText(fault)) return true;
  }
  return false;
}

const char* const kPaths[] = {"\\~FORMNUM", "\\~ALTFORM", "ORDER", "~COMP(1)\\~CITY", "@N", "\\",
                              "COMPARABLES\\COMP(02)\\SALES\\@PRICE", "~A\\~A\\~A"};

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, std::size_t size) {
  static const ombrel::fuzz::ScratchFolder scratch;
  static const std::string aliasPath = scratch.Write("global.ali", kAliases);
  static ombrel::PugiXmlDom dom;
  static const bool aliasesLoaded = (dom.LoadAlias(aliasPath), true);
  (void)aliasesLoaded;

  const ombrel::fuzz::FuzzInput input = ombrel::fuzz::SplitFuzzInput(data, size);
  const ombrel::XmlNode before = dom.Root();
  dom.LoadXml(std::string(input.body));
  const ombrel::XmlNode root = dom.Root();

  for (const char* path : kPaths) (void)dom.Value(root, path);
  for (const char* tag : kTags) {
    (void)dom.TagValue(tag, false);
    (void)dom.TagValue(tag, true);
  }
  for (std::size_t i = 0; i < input.queries.size(); ++i) {
    if (i == 0) (void)dom.Value(root, input.queries[i]);
    (void)dom.TagValue(input.queries[i], false);
    (void)dom.TagValue(input.queries[i], true);
  }
  if (before.handle() != nullptr && before.handle() != root.handle() &&
      !dom.Value(before, "\\~FORMNUM").empty()) {
    __builtin_trap();  // a node of the previous document answered
  }
  const std::string text = ombrel::DecodeXmlText(input.body);
  ombrel::fuzz::CheckReferenceVerdict("xml_dom", text, root.handle() != nullptr,
                                      IsCharacterFault(dom.LimitReached(), ""));

  std::string why;
  const std::optional<ombrel::EnvelopeListing> listing = ombrel::EnvelopeListing::Parse(input.body, &why);
  if (listing) {
    for (std::size_t i = 0; i < listing->Count(); ++i) {
      for (const char* attribute : {"GUID", "EXT", "FILENAME", "TYPE", "DOCTYPE"}) {
        (void)listing->Item(i).Attribute(attribute);
      }
    }
  }
  ombrel::fuzz::CheckReferenceVerdict("xml_dom", text, listing.has_value(),
                                      !listing && IsCharacterFault(why, "ENVELOPE.XML "));
  return 0;
}
