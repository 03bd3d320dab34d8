// Fuzzes the alias-file loader together with tag lookups: load the input as
// "global.ali" into an XML reader holding a fixed order, then ask the input's
// own tags, tags made from each alias line (its '#' filled with digits), and
// a few fixed ones.
#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "fuzz_input.h"
#include "platform/xml/pugi_xml_dom.h"
#include "scratch_folder.h"

namespace {

constexpr const char* kOrder =
    "<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n"
    "<ORDER><FORMNUM>1004</FORMNUM><BORROWER>Jordan Whitfield</BORROWER>"
    "<SUBJECT><CITY>Ames</CITY></SUBJECT><LENDER ID=\"L-7\"/>"
    "<COMPARABLES><COMP N=\"1\"><SALES PRICE=\"250000\"/><PHOTO N=\"1\">c1.jpg</PHOTO></COMP>"
    "<COMP N=\"12\"><SALES PRICE=\"199000\"/></COMP></COMPARABLES>"
    "<UNITS><UNIT N=\"0\"><RENT>900</RENT></UNIT></UNITS></ORDER>\n";

// The tag of each "TAG = PATH" line of the alias text, each '#' replaced by digits.
std::vector<std::string> TagsOfLines(std::string_view text, std::string_view digits) {
  std::vector<std::string> tags;
  std::size_t start = 0;
  while (start < text.size() && tags.size() < 64) {
    std::size_t end = text.find('\n', start);
    if (end == std::string_view::npos) end = text.size();
    const std::string_view line = text.substr(start, end - start);
    start = end + 1;
    const std::size_t equals = line.find('=');
    if (equals == std::string_view::npos) continue;
    std::string tag;
    for (char c : line.substr(0, equals)) {
      if (c == '#') {
        tag += digits;
      } else if (c != ' ' && c != '\t') {
        tag += c;
      }
    }
    tags.push_back(tag);
  }
  return tags;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, std::size_t size) {
  static const ombrel::fuzz::ScratchFolder scratch;
  static ombrel::PugiXmlDom dom;
  static const bool orderLoaded = (dom.LoadXml(kOrder), true);
  (void)orderLoaded;

  const ombrel::fuzz::FuzzInput input = ombrel::fuzz::SplitFuzzInput(data, size);
  const std::string path = scratch.Write("global.ali", input.body);
  dom.LoadAlias(path);

  for (const std::string& tag : input.queries) (void)dom.TagValue(tag, false);
  for (const char* digits : {"1", "12", "0", "007"}) {
    for (const std::string& tag : TagsOfLines(input.body, digits)) (void)dom.TagValue(tag, false);
  }
  for (const char* tag : {"BORROWERNAME", "COMP(1)SALESPRICE", "COMP(12)SALESPRICE", "CITY", "", "#"}) {
    (void)dom.TagValue(tag, false);
  }
  return 0;
}
