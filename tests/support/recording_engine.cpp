#include "support/recording_engine.h"

#include <memory>
#include <utility>


namespace ombrel::testing {

namespace {

std::string List(const TextList& items) {
  std::string out = "[";
  for (std::size_t i = 0; i < items.size(); ++i) {
    if (i != 0) out += ", ";
    out += TraceQuote(items[i]);
  }
  return out + "]";
}

std::string Bool(bool value) { return value ? "True" : "False"; }

}  // namespace

std::string TraceQuote(const std::string& text) {
  std::string out = "\"";
  for (char c : text) {
    switch (c) {
      case '\\': out += "\\\\"; break;
      case '"': out += "\\\""; break;
      case '\r': out += "\\r"; break;
      case '\n': out += "\\n"; break;
      default: out += c;
    }
  }
  return out + "\"";
}

void RecordingEngine::AddExtended(const std::string& fieldAddr) {
  calls_.push_back("AddExtended(" + TraceQuote(fieldAddr) + ")");
}

void RecordingEngine::CheckAlias(const std::string& ifxTag, const std::string& fieldAddr,
                                 const std::string& fieldTag, const TextList& fieldAttr) {
  calls_.push_back("CheckAlias(" + TraceQuote(ifxTag) + ", " + TraceQuote(fieldAddr) + ", " +
                   TraceQuote(fieldTag) + ", " + List(fieldAttr) + ")");
}

void RecordingEngine::Combine(const std::string& fieldAddr, const std::string& delimiter,
                              int32_t pickIndex, const TextList& tagList) {
  calls_.push_back("Combine(" + TraceQuote(fieldAddr) + ", " + TraceQuote(delimiter) + ", " +
                   std::to_string(pickIndex) + ", " + List(tagList) + ")");
}

void RecordingEngine::Compare(const std::string& fieldOne, const std::string& fieldTwo,
                              const std::string& addr, const std::string& delimiter) {
  calls_.push_back("Compare(" + TraceQuote(fieldOne) + ", " + TraceQuote(fieldTwo) + ", " +
                   TraceQuote(addr) + ", " + TraceQuote(delimiter) + ")");
}

void RecordingEngine::ParsePhone(const std::string& ifxTag, const std::string& areaCode,
                                 const std::string& phoneNumber) {
  calls_.push_back("ParsePhone(" + TraceQuote(ifxTag) + ", " + TraceQuote(areaCode) + ", " +
                   TraceQuote(phoneNumber) + ")");
}

int32_t RecordingEngine::Licensing(int16_t aprIndex) {
  calls_.push_back("Licensing(" + std::to_string(aprIndex) + ")");
  return licensing_;
}

void RecordingEngine::LoadSignature(int16_t nType, int16_t nIndex, const std::string& ifxTag) {
  calls_.push_back("LoadSignature(" + std::to_string(nType) + ", " + std::to_string(nIndex) +
                   ", " + TraceQuote(ifxTag) + ")");
}

void RecordingEngine::MapValue(const std::string& ifxTag, const std::string& tagVal) {
  calls_.push_back("MapValue(" + TraceQuote(ifxTag) + ", " + TraceQuote(tagVal) + ")");
}

void RecordingEngine::ParseAddress(const std::string& fieldAddr, const std::string& cityTag,
                                   const std::string& stateTag, const std::string& zipTag,
                                   const std::string& streetTag, const std::string& defaultTag) {
  calls_.push_back("ParseAddress(" + TraceQuote(fieldAddr) + ", " + TraceQuote(cityTag) + ", " +
                   TraceQuote(stateTag) + ", " + TraceQuote(zipTag) + ", " +
                   TraceQuote(streetTag) + ", " + TraceQuote(defaultTag) + ")");
}

void RecordingEngine::ParseExtended(const std::string& ifxTag, const std::string& fieldAddr,
                                    bool bLaunchable) {
  calls_.push_back("ParseExtended(" + TraceQuote(ifxTag) + ", " + TraceQuote(fieldAddr) + ", " +
                   Bool(bLaunchable) + ")");
}

std::string RecordingEngine::Value(const std::string& tag) const {
  auto it = answers_->values.find(tag);
  return it == answers_->values.end() ? "" : it->second;
}

std::string RecordingEngine::ReadDirect(const std::string& addr) {
  calls_.push_back("ReadDirect(" + TraceQuote(addr) + ")");
  return answers_ ? Value(addr) : addr;
}

std::string RecordingEngine::ReadExtendedDirect(const std::string& addr) {
  calls_.push_back("ReadExtendedDirect(" + TraceQuote(addr) + ")");
  return addr;
}

bool RecordingEngine::SetAlias(const std::string& ifxTag, const std::string& fieldAddr) {
  calls_.push_back("SetAlias(" + TraceQuote(ifxTag) + ", " + TraceQuote(fieldAddr) + ")");
  return !(answers_ && answers_->aliasNeedsValue) || !Value(ifxTag).empty();
}

bool RecordingEngine::SetForm(const std::string& formID) {
  calls_.push_back("SetForm(" + TraceQuote(formID) + ")");
  return !answers_ || answers_->refusedForms.count(formID) == 0;
}

bool RecordingEngine::SetPhoto(const std::string& ifxTag, std::string& frameID) {
  calls_.push_back("SetPhoto(" + TraceQuote(ifxTag) + ", " + TraceQuote(frameID) + ")");
  return false;
}

bool RecordingEngine::Translate(std::string& rptFile, const std::string& xmlFile) {
  calls_.push_back("Translate(" + TraceQuote(rptFile) + ", " + TraceQuote(xmlFile) + ")");
  return false;
}

void RecordingEngine::WriteDirect(const std::string& addr, const std::string& value) {
  calls_.push_back("WriteDirect(" + TraceQuote(addr) + ", " + TraceQuote(value) + ")");
}

void RecordingEngine::ProcessAppraiserInfo(int16_t AppraiserNum, int16_t AppraiserType,
                                           const std::string& NextForm) {
  calls_.push_back("ProcessAppraiserInfo(" + std::to_string(AppraiserNum) + ", " +
                   std::to_string(AppraiserType) + ", " + TraceQuote(NextForm) + ")");
}

void RecordingEngine::ProcessOffscrn() { calls_.push_back("ProcessOffscrn()"); }

std::vector<std::string> TraceTranslator(FormTranslator& translator, int32_t licensing) {
  return TraceTranslator(translator, TraceTables::kBoth,
                         std::make_unique<RecordingEngine>(licensing));
}

std::vector<std::string> TraceTranslator(FormTranslator& translator, TraceTables tables,
                                         std::unique_ptr<RecordingEngine> engine) {
  translator.SetServer(engine.get());
  if (tables != TraceTables::kAddenda) translator.EntrainMain();
  if (tables != TraceTables::kMain) translator.AppendAddenda();
  return engine->calls();
}

}  // namespace ombrel::testing
