// Test helpers for the 2055 family: runs one table of a translator on a
// recording engine and looks things up in the calls it recorded.
#pragma once

#include <cstddef>
#include <cstdint>
#include <map>
#include <set>
#include <string>
#include <vector>

#include "engine/form_translator.h"
#include "support/recording_engine.h"

namespace ombrel::form2055_testing {

using Calls = std::vector<std::string>;

// A recording engine whose order holds only the values a test gives, and
// whose report refuses the forms a test names. Its trace is its base's.
class ScriptedEngine : public testing::RecordingEngine {
 public:
  std::map<std::string, std::string> values;
  std::set<std::string> refusedForms;

  std::string ReadDirect(const std::string& addr) override;
  bool SetAlias(const std::string& ifxTag, const std::string& fieldAddr) override;
  bool SetForm(const std::string& formID) override;

 private:
  std::string Value(const std::string& tag) const;
};

// EntrainMain's calls on a recording engine answering Licensing with licensing.
Calls MainCalls(FormTranslator& translator, int32_t licensing = -2);
// AppendAddenda's calls on a recording engine, where every tag has a value.
Calls AddendaCalls(FormTranslator& translator);
// AppendAddenda's calls on an order holding exactly values.
Calls AddendaCalls(FormTranslator& translator, const std::map<std::string, std::string>& values,
                   const std::set<std::string>& refusedForms = {});

std::size_t CountMember(const Calls& calls, const std::string& member);
// Position of call in calls, or -1.
std::ptrdiff_t IndexOf(const Calls& calls, const std::string& call);
bool Mentions(const Calls& calls, const std::string& text);
// calls with every whole quoted text from replaced by to ("DUQ" -> "QAR").
Calls Renamed(Calls calls, const std::string& from, const std::string& to);

std::string Q(const std::string& text);
std::string SetAliasCall(const std::string& tag, const std::string& addr);
std::string Comp(int n, const std::string& item);
std::string Addr(int line, int field);

}  // namespace ombrel::form2055_testing
