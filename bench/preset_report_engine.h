// The engine of the benchmarked envelope step: the program's XmlReader, whose
// Translate is given the report path chosen beforehand, so no Save dialog
// comes between the order and the report. Every other member is passed on
// unchanged, for the translators and the shared procedures work through it.
#pragma once

#include <memory>
#include <string>

#include "engine/xml_engine.h"
#include "engine/xml_reader.h"

namespace ombrel::bench {

class PresetReportEngine final : public XmlEngine {
 public:
  PresetReportEngine(const EngineServices& services, const TranslatorCatalogue& catalogue,
                     Selector& targetFormDialog, std::string reportPath,
                     bool* translated = nullptr)
      : engine_(services, catalogue, targetFormDialog),
        reportPath_(std::move(reportPath)),
        translated_(translated) {}

  bool Translate(std::string& rptFile, const std::string& xmlFile) override;

  void AddExtended(const std::string& fieldAddr) override { engine_.AddExtended(fieldAddr); }
  void CheckAlias(const std::string& ifxTag, const std::string& fieldAddr,
                  const std::string& fieldTag, const TextList& fieldAttr) override {
    engine_.CheckAlias(ifxTag, fieldAddr, fieldTag, fieldAttr);
  }
  void Combine(const std::string& fieldAddr, const std::string& delimiter, int32_t pickIndex,
               const TextList& tagList) override {
    engine_.Combine(fieldAddr, delimiter, pickIndex, tagList);
  }
  void Compare(const std::string& fieldOne, const std::string& fieldTwo, const std::string& addr,
               const std::string& delimiter) override {
    engine_.Compare(fieldOne, fieldTwo, addr, delimiter);
  }
  void ParsePhone(const std::string& ifxTag, const std::string& areaCode,
                  const std::string& phoneNumber) override {
    engine_.ParsePhone(ifxTag, areaCode, phoneNumber);
  }
  int32_t Licensing(int16_t aprIndex) override { return engine_.Licensing(aprIndex); }
  void LoadSignature(int16_t nType, int16_t nIndex, const std::string& ifxTag) override {
    engine_.LoadSignature(nType, nIndex, ifxTag);
  }
  void MapValue(const std::string& ifxTag, const std::string& tagVal) override {
    engine_.MapValue(ifxTag, tagVal);
  }
  void ParseAddress(const std::string& fieldAddr, const std::string& cityTag,
                    const std::string& stateTag, const std::string& zipTag,
                    const std::string& streetTag, const std::string& defaultTag) override {
    engine_.ParseAddress(fieldAddr, cityTag, stateTag, zipTag, streetTag, defaultTag);
  }
  void ParseExtended(const std::string& ifxTag, const std::string& fieldAddr,
                     bool bLaunchable) override {
    engine_.ParseExtended(ifxTag, fieldAddr, bLaunchable);
  }
  std::string ReadDirect(const std::string& addr) override { return engine_.ReadDirect(addr); }
  std::string ReadExtendedDirect(const std::string& addr) override {
    return engine_.ReadExtendedDirect(addr);
  }
  bool SetAlias(const std::string& ifxTag, const std::string& fieldAddr) override {
    return engine_.SetAlias(ifxTag, fieldAddr);
  }
  bool SetForm(const std::string& formID) override { return engine_.SetForm(formID); }
  bool SetPhoto(const std::string& ifxTag, std::string& frameID) override {
    return engine_.SetPhoto(ifxTag, frameID);
  }
  void WriteDirect(const std::string& addr, const std::string& value) override {
    engine_.WriteDirect(addr, value);
  }
  void ProcessAppraiserInfo(int16_t AppraiserNum, int16_t AppraiserType,
                            const std::string& NextForm) override {
    engine_.ProcessAppraiserInfo(AppraiserNum, AppraiserType, NextForm);
  }
  void ProcessOffscrn() override { engine_.ProcessOffscrn(); }
  const EngineServices& Services() const override { return engine_.Services(); }

 private:
  XmlReader engine_;
  std::string reportPath_;
  bool* translated_;
};

}  // namespace ombrel::bench
