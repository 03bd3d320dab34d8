#include "support/written_addresses.h"

#include <gtest/gtest.h>

#include <map>
#include <regex>

#include "support/trace_calls.h"

namespace ombrel::testing {

std::vector<std::string> WrittenAddresses(const std::string& call) {
  static const std::regex kQuoted("\"((?:[^\"\\\\]|\\\\.)*)\"");
  std::vector<std::string> texts;
  for (auto it = std::sregex_iterator(call.begin(), call.end(), kQuoted);
       it != std::sregex_iterator(); ++it) {
    texts.push_back((*it)[1]);
  }
  const std::string member = Member(call);
  if (member == "SetAlias" || member == "ParseExtended") return {texts.at(1)};
  if (member == "Combine" || member == "ParseAddress" || member == "WriteDirect") {
    return {texts.at(0)};
  }
  if (member == "Compare") return {texts.at(2)};
  if (member == "CheckAlias") {
    std::vector<std::string> out = {texts.at(1)};
    for (std::size_t i = 3; i < texts.size(); i += 2) out.push_back(texts[i]);
    return out;
  }
  return {};
}

void ExpectDistinctWellFormedAddresses(const std::vector<std::string>& calls,
                                       const std::set<std::string>& allowedTwice) {
  static const std::regex kAddress("[1-9][0-9]*\\|[1-9][0-9]*");
  std::map<std::string, std::string> writer;
  for (const std::string& call : calls) {
    for (const std::string& addr : WrittenAddresses(call)) {
      EXPECT_TRUE(std::regex_match(addr, kAddress)) << "not an address: " << addr << " in " << call;
      auto [it, fresh] = writer.emplace(addr, call);
      if (allowedTwice.count(addr) != 0) continue;
      EXPECT_TRUE(fresh) << addr << " written by " << it->second << " and " << call;
    }
  }
}

}  // namespace ombrel::testing
