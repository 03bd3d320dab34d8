// How a fuzz input is laid out: a body (the file under test) followed by a
// few query lines and one last byte giving the length of those lines, so a
// mutation of the body keeps the queries and the other way round.
//
//   body | query\nquery\n... | n      (n = length of the query block, 0..255)
//
// An input whose last byte is larger than what precedes it is all body.
#pragma once

#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

namespace ombrel::fuzz {

struct FuzzInput {
  std::string_view body;
  std::vector<std::string> queries;
};

inline FuzzInput SplitFuzzInput(const uint8_t* data, std::size_t size) {
  FuzzInput input;
  const std::string_view all(reinterpret_cast<const char*>(data), size);
  if (all.empty()) return input;
  const std::size_t tail = static_cast<unsigned char>(all.back());
  if (tail > all.size() - 1) {
    input.body = all;
    return input;
  }
  input.body = all.substr(0, all.size() - 1 - tail);
  const std::string_view block = all.substr(all.size() - 1 - tail, tail);
  std::size_t start = 0;
  while (start < block.size()) {
    std::size_t end = block.find('\n', start);
    if (end == std::string_view::npos) end = block.size();
    input.queries.emplace_back(block.substr(start, end - start));
    start = end + 1;
  }
  return input;
}

// The inverse, for the seed corpus: body followed by the query lines.
inline std::string JoinFuzzInput(std::string_view body, const std::vector<std::string>& queries) {
  std::string block;
  for (const std::string& query : queries) {
    if (!block.empty()) block += '\n';
    block += query;
  }
  if (block.size() > 255) block.resize(255);
  std::string input(body);
  input += block;
  input += static_cast<char>(block.size());
  return input;
}

}  // namespace ombrel::fuzz
