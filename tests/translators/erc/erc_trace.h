// Test helpers for the ERC and ERC2001 translators: the shared trace helpers
// they use, and an engine whose order, report, reads and writes a test
// scripts.
#pragma once

#include <cstdint>
#include <map>
#include <memory>
#include <set>
#include <string>
#include <vector>

#include "engine/form_translator.h"
#include "support/recording_engine.h"
#include "support/trace_calls.h"
#include "support/written_addresses.h"

namespace ombrel::erc_testing {

using testing::AddendaCalls;
using testing::Addr;
using testing::Between;
using testing::Calls;
using testing::Comp;
using testing::Contains;
using testing::CountByMember;
using testing::ExpectDistinctWellFormedAddresses;
using testing::IndexOf;
using testing::MainCalls;
using testing::Member;
using testing::Q;
using testing::Values;
using testing::WrittenAddresses;

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

// "LISTCOMP(n)item".
std::string ListComp(int n, const std::string& item);

}  // namespace ombrel::erc_testing
