// One line of a translator trace ("SetAlias(\"CITY\", \"8|1\")") taken apart
// again: the member's name and its arguments, each a text or a list of texts
// (numbers and Booleans come as their text).
#pragma once

#include <optional>
#include <string>
#include <vector>

namespace ombrel::bench {

struct TraceArgument {
  std::string text;               // a single value
  std::vector<std::string> list;  // a bracketed list
  bool isList = false;
};

struct TraceCall {
  std::string member;
  std::vector<TraceArgument> arguments;

  // The argument's text; "" when there is no such argument or it is a list.
  std::string Text(std::size_t index) const;
  // The argument's list; empty when there is none.
  std::vector<std::string> List(std::size_t index) const;
};

// Nothing when the line is not a trace line.
std::optional<TraceCall> ParseTraceCall(const std::string& line);

}  // namespace ombrel::bench
