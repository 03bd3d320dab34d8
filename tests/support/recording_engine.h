// An engine that records every call made on it, one line per call in the
// form Member(args), for checking whole translator tables:
//   texts in double quotes (backslash, double quote escaped; CR as \r, LF as \n),
//   whole numbers bare, Booleans True/False, lists in brackets.
// ReadDirect answers the tag's own text, SetForm and SetAlias True, SetPhoto
// False, Licensing the number it was given; EngineAnswers script other
// answers for tests of guarded rows, the trace staying the same.
#pragma once

#include <cstdint>
#include <map>
#include <memory>
#include <optional>
#include <set>
#include <string>
#include <utility>
#include <vector>

#include "engine/form_translator.h"
#include "engine/xml_engine.h"
#include "services/engine_services.h"

namespace ombrel::testing {

// Answers a RecordingEngine gives in place of its defaults.
struct EngineAnswers {
  // The order: ReadDirect answers a tag's value here, "" for a tag not here.
  std::map<std::string, std::string> values;
  // True: SetAlias answers True only for a tag with a value in values.
  bool aliasNeedsValue = false;
  // SetForm answers False for these forms.
  std::set<std::string> refusedForms;
};

class RecordingEngine : public XmlEngine {
 public:
  explicit RecordingEngine(int32_t licensing = -2) : licensing_(licensing) {}
  explicit RecordingEngine(EngineAnswers answers, int32_t licensing = -2)
      : licensing_(licensing), answers_(std::move(answers)) {}

  void AddExtended(const std::string& fieldAddr) override;
  void CheckAlias(const std::string& ifxTag, const std::string& fieldAddr,
                  const std::string& fieldTag, const TextList& fieldAttr) override;
  void Combine(const std::string& fieldAddr, const std::string& delimiter, int32_t pickIndex,
               const TextList& tagList) override;
  void Compare(const std::string& fieldOne, const std::string& fieldTwo, const std::string& addr,
               const std::string& delimiter) override;
  void ParsePhone(const std::string& ifxTag, const std::string& areaCode,
                  const std::string& phoneNumber) override;
  int32_t Licensing(int16_t aprIndex) override;
  void LoadSignature(int16_t nType, int16_t nIndex, const std::string& ifxTag) override;
  void MapValue(const std::string& ifxTag, const std::string& tagVal) override;
  void ParseAddress(const std::string& fieldAddr, const std::string& cityTag,
                    const std::string& stateTag, const std::string& zipTag,
                    const std::string& streetTag, const std::string& defaultTag) override;
  void ParseExtended(const std::string& ifxTag, const std::string& fieldAddr,
                     bool bLaunchable) override;
  std::string ReadDirect(const std::string& addr) override;
  std::string ReadExtendedDirect(const std::string& addr) override;
  bool SetAlias(const std::string& ifxTag, const std::string& fieldAddr) override;
  bool SetForm(const std::string& formID) override;
  bool SetPhoto(const std::string& ifxTag, std::string& frameID) override;
  bool Translate(std::string& rptFile, const std::string& xmlFile) override;
  void WriteDirect(const std::string& addr, const std::string& value) override;
  void ProcessAppraiserInfo(int16_t AppraiserNum, int16_t AppraiserType,
                            const std::string& NextForm) override;
  void ProcessOffscrn() override;
  const EngineServices& Services() const override { return services; }

  const std::vector<std::string>& calls() const { return calls_; }

  // What the translators' own error handlers report through: nothing until a
  // test sets it, so such an error is neither shown nor logged.
  EngineServices services;

 private:
  std::string Value(const std::string& tag) const;

  int32_t licensing_;
  std::optional<EngineAnswers> answers_;
  std::vector<std::string> calls_;
};

// Text as the trace writes it: in double quotes, with \\ \" \r \n escaped.
std::string TraceQuote(const std::string& text);

// Runs the translator's two tables on a RecordingEngine and returns the calls
// made.
std::vector<std::string> TraceTranslator(FormTranslator& translator, int32_t licensing = -2);

enum class TraceTables { kMain, kAddenda, kBoth };

// Runs these tables of the translator on engine and returns the calls made.
std::vector<std::string> TraceTranslator(FormTranslator& translator, TraceTables tables,
                                         std::unique_ptr<RecordingEngine> engine);

}  // namespace ombrel::testing
