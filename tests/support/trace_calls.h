// Looking things up in the calls a RecordingEngine traced (by member, by
// position, by text), and writing the calls a test expects as the trace
// writes them: SetAliasCall(Comp(2, "SALESPRICE"), Addr(13, 3)).
#pragma once

#include <cstddef>
#include <map>
#include <string>
#include <vector>

namespace ombrel::testing {

using Calls = std::vector<std::string>;

// The member a call names: "SetAlias" of SetAlias("CITY", "8|1").
std::string Member(const std::string& call);
std::size_t CountMember(const Calls& calls, const std::string& member);
// How many calls each member got.
std::map<std::string, int> CountByMember(const Calls& calls);
// Position of call in calls at or after from, or -1.
std::ptrdiff_t IndexOf(const Calls& calls, const std::string& call, std::ptrdiff_t from = 0);
bool Contains(const Calls& calls, const std::string& call);
// Whether any call holds text.
bool Mentions(const Calls& calls, const std::string& text);

// Text as the trace quotes it (TraceQuote).
std::string Q(const std::string& text);
std::string SetAliasCall(const std::string& tag, const std::string& addr);
// "COMP(n)item".
std::string Comp(int n, const std::string& item);
// "line|field".
std::string Addr(int line, int field);

}  // namespace ombrel::testing
