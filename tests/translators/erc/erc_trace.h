// Test helpers for the ERC and ERC2001 translators: runs a table on a
// recording engine (or on one whose order and report a test scripts) and looks
// things up in the calls it recorded.
#pragma once

#include <cstdint>
#include <map>
#include <memory>
#include <set>
#include <string>
#include <vector>

#include "engine/form_translator.h"
#include "support/recording_engine.h"

namespace ombrel::erc_testing {

using Calls = std::vector<std::string>;

// A recording engine whose order holds only the values a test gives, whose
// report refuses the forms a test names, and whose reads and writes can be
// made to fail. Its trace is its base's, failing calls included.
class ScriptedEngine : public testing::RecordingEngine {
 public:
  explicit ScriptedEngine(int32_t licensing = -2) : RecordingEngine(licensing) {}

  std::map<std::string, std::string> values;
  std::set<std::string> refusedForms;
  std::set<std::string> failingReads;   // ReadDirect of these tags raises
  std::set<std::string> failingWrites;  // WriteDirect into these fields raises

  std::string ReadDirect(const std::string& addr) override;
  bool SetAlias(const std::string& ifxTag, const std::string& fieldAddr) override;
  bool SetForm(const std::string& formID) override;
  void WriteDirect(const std::string& addr, const std::string& value) override;

 private:
  std::string Value(const std::string& tag) const;
};

// The error a scripted read or write raises.
inline constexpr int32_t kScriptedErrorNumber = 1004;

enum class Table { kMain, kAddenda };

// Runs one table of translator on engine, which is also the shared
// procedures' current engine for the run, and returns the calls recorded.
Calls Run(FormTranslator& translator, Table table,
          std::unique_ptr<testing::RecordingEngine> engine);
// EntrainMain on a recording engine, where every tag has a value.
Calls MainCalls(FormTranslator& translator, int32_t licensing = -2);
// AppendAddenda on a recording engine, where every tag has a value.
Calls AddendaCalls(FormTranslator& translator);
// AppendAddenda on an order holding exactly values.
Calls AddendaCalls(FormTranslator& translator, const std::map<std::string, std::string>& values,
                   const std::set<std::string>& refusedForms = {});

// "SetAlias" for "SetAlias(...)".
std::string Member(const std::string& call);
std::map<std::string, int> CountByMember(const Calls& calls);
// Position of call in calls at or after from, or -1.
int IndexOf(const Calls& calls, const std::string& call, int from = 0);
bool Contains(const Calls& calls, const std::string& call);
// The calls from the one equal to first up to the one equal to last, both
// included; empty when either is missing.
Calls Between(const Calls& calls, const std::string& first, const std::string& last);
// The field addresses a traced call writes (a tick names one per box).
std::vector<std::string> WrittenAddresses(const std::string& call);
// Every written address is "line|field" and, but for those in allowedTwice,
// written once: a slip of one in a row's arithmetic lands on a neighbour's field.
void ExpectWellFormedAddressesWrittenOnce(const Calls& calls,
                                          const std::set<std::string>& allowedTwice = {});

std::string Q(const std::string& text);
std::string Addr(int line, int field);
std::string Comp(int n, const std::string& item);
std::string ListComp(int n, const std::string& item);

}  // namespace ombrel::erc_testing
