// Running one table of a translator on a RecordingEngine, looking things up
// in the calls it traced (by member, by position, by text), and writing the
// calls a test expects as the trace writes them:
// SetAliasCall(Comp(2, "SALESPRICE"), Addr(13, 3)).
#pragma once

#include <cstddef>
#include <cstdint>
#include <map>
#include <memory>
#include <set>
#include <string>
#include <vector>

#include "engine/form_translator.h"
#include "support/recording_engine.h"

namespace ombrel::testing {

using Calls = std::vector<std::string>;
using Values = std::map<std::string, std::string>;

// A recording engine whose order holds exactly values (SetAlias answers True
// only for a tag with a value, as the engine does) and whose report refuses
// refusedForms.
std::unique_ptr<RecordingEngine> OrderEngine(Values values, std::set<std::string> refusedForms = {});

// EntrainMain's calls on a recording engine, where every tag has its own text
// as value and Licensing answers licensing.
Calls MainCalls(FormTranslator& translator, int32_t licensing = -2);
// EntrainMain's calls on an order holding exactly values.
Calls MainCalls(FormTranslator& translator, const Values& values);
// AppendAddenda's calls on a recording engine, where every tag has a value.
Calls AddendaCalls(FormTranslator& translator);
// AppendAddenda's calls on an order holding exactly values, whose report
// refuses refusedForms.
Calls AddendaCalls(FormTranslator& translator, const Values& values,
                   const std::set<std::string>& refusedForms = {});
// One table's calls on engine, the translator's Server for the run (and so
// the engine of the shared procedures it calls).
Calls MainCalls(FormTranslator& translator, std::unique_ptr<RecordingEngine> engine);
Calls AddendaCalls(FormTranslator& translator, std::unique_ptr<RecordingEngine> engine);

// The calls from the first equal to first up to the first equal to last at or
// after it, both included; empty when either is missing.
Calls Between(const Calls& calls, const std::string& first, const std::string& last);
// The calls from the first equal to first up to, not including, the first
// equal to next after it; empty when either is missing.
Calls UpTo(const Calls& calls, const std::string& first, const std::string& next);

// The calls that are among kinds, in the order made: what a guarded part of a
// table wrote, whatever rows a deliberate change puts around it.
Calls Among(const Calls& calls, const Calls& kinds);

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
