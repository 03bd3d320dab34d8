// The alias table of "global.ali": which place in an order document an order
// tag names. Built once when the file is loaded, so the thousands of tags of a
// translation are each one or two hash lookups.
//
// The file is UTF-8 text with one "TAG = PATH" per line; ';' starts a comment
// line; blank and malformed lines are skipped. In TAG, '#' stands for a
// decimal index whose digits PATH receives, in the same order, wherever it
// has '#'. When several lines fit a tag, the first one in the file wins. A
// TAG with more than kMaxIndexes '#' is no alias a form could use: its line
// counts as malformed.
#pragma once

#include <cstddef>
#include <optional>
#include <string>
#include <string_view>
#include <unordered_map>
#include <vector>

#include "platform/xml/xml_path.h"

namespace ombrel {

class AliasTable {
 public:
  static constexpr std::ptrdiff_t kMaxIndexes = 16;

  static AliasTable Parse(std::string_view bytes);

  // The path the alias table gives tag: the exact alias's, else the first
  // fitting '#' pattern's, built in storage. nullptr when no line fits.
  const XmlPath* Find(const std::string& tag, std::optional<XmlPath>& storage) const;

  std::size_t size() const { return exact_.size() + patterns_.size(); }

  // How many lines with digits of their own the lookups so far have tried
  // against their tags, all told: a measure of their work, which must not
  // grow with the lines a file holds.
  std::size_t linesTried() const { return linesTried_; }

 private:
  struct Pattern {
    std::size_t line = 0;
    std::vector<std::string> tagParts;   // the literal text around each '#'
    std::vector<std::string> pathParts;  // the same around each '#' of the path
  };
  struct Exact {
    std::size_t line = 0;
    XmlPath path;
  };

  void AddLine(std::size_t line, std::string_view tag, std::string_view path);
  // The path of pattern with the digit runs filled in.
  static std::optional<XmlPath> Fill(const Pattern& pattern, const std::vector<std::string_view>& digits);
  // Matches tag against pattern, filling digits. Where a tag could be split
  // more than one way, each '#' takes the longest digit run that still lets
  // the rest match. Polynomial in the tag's length, however many '#' the
  // pattern has, and without recursion.
  static bool Match(const Pattern& pattern, std::string_view tag,
                    std::vector<std::string_view>& digits);

  std::unordered_map<std::string, Exact> exact_;
  std::vector<Pattern> patterns_;

  // Every run of digits in a tag that fits a pattern stands where the
  // pattern has a run of digits and '#' (the pattern's "run"), so both have
  // the same shape: the text with each run as one '#'. A tag is looked up by
  // its shape, and tries only the patterns of that shape.
  //
  // A pattern whose literals hold no digit and no "##" is "regular": it fits
  // every tag of its shape. Of the others, a run with no '#' must be the
  // tag's digits exactly; a run with '#' fixes the digits its tag run starts
  // and ends with. Patterns whose runs have the same form share a family,
  // where those fixed digits key a short list: a tag tries only the patterns
  // whose fixed digits it has, however many lines the file holds.
  struct RunForm {
    bool exact = false;      // no '#': the whole run is fixed
    std::size_t lead = 0;    // digits before the first '#'
    std::size_t trail = 0;   // digits after the last '#'
    bool operator==(const RunForm&) const = default;
  };
  struct Family {
    std::vector<RunForm> runs;
    std::unordered_map<std::string, std::vector<std::size_t>> byDigits;  // patterns in file order
  };
  struct ShapePatterns {
    std::optional<std::size_t> regular;  // the first regular line of the shape
    std::vector<Family> families;        // the other lines
  };
  // The key of the digits fixed by runs in a tag whose digit runs are
  // tagRuns; nothing when a run is too short to hold them.
  static std::optional<std::string> FixedDigits(const std::vector<RunForm>& runs,
                                                const std::vector<std::string_view>& tagRuns);
  std::unordered_map<std::string, ShapePatterns> byShape_;

  mutable std::string shapeScratch_;
  mutable std::vector<std::string_view> runsScratch_;
  mutable std::vector<std::string_view> digitsScratch_;
  mutable std::size_t linesTried_ = 0;
};

}  // namespace ombrel
