// The frame every translator class repeats around its two tables: the class's
// constants, the Server back reference, short forwarding calls so that a
// table reads as a list of engine calls, and the runs of calls that several
// forms share (the licence select, the report profile block). The texts a
// table builds for its repeated rows are in engine/table_text.h.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>

#include "engine/form_translator.h"
#include "engine/xml_engine.h"

namespace ombrel {

struct TranslatorConstants {
  std::string_view className;   // the source of the class's errors
  std::string_view formNumber;  // the order form number it handles
  std::string_view formName;    // the id of its main host form
  std::string_view skeleton;    // the skeleton report; empty for supplemental forms
};

class Translator : public FormTranslator {
 public:
  std::string FormNumber() const final { return std::string(constants_.formNumber); }
  std::string FormName() const final { return std::string(constants_.formName); }
  std::string Skeleton() const final { return std::string(constants_.skeleton); }
  XmlEngine* Server() const final { return server_; }
  void SetServer(XmlEngine* newSvr) final;

  std::string_view ClassName() const { return constants_.className; }

 protected:
  explicit Translator(const TranslatorConstants& constants) : constants_(constants) {}

  // The engine the tables write through; raises error 91 when there is none.
  XmlEngine& Server_() const;

  // The engine's members, as the tables call them.
  void AddExtended(const std::string& fieldAddr) { Server_().AddExtended(fieldAddr); }
  void CheckAlias(const std::string& ifxTag, const std::string& fieldAddr,
                  const std::string& fieldTag, const TextList& fieldAttr) {
    Server_().CheckAlias(ifxTag, fieldAddr, fieldTag, fieldAttr);
  }
  void Combine(const std::string& fieldAddr, const std::string& delimiter, int32_t pickIndex,
               const TextList& tagList) {
    Server_().Combine(fieldAddr, delimiter, pickIndex, tagList);
  }
  void Compare(const std::string& fieldOne, const std::string& fieldTwo, const std::string& addr,
               const std::string& delimiter = "") {
    Server_().Compare(fieldOne, fieldTwo, addr, delimiter);
  }
  void ParsePhone(const std::string& ifxTag, const std::string& areaCode,
                  const std::string& phoneNumber) {
    Server_().ParsePhone(ifxTag, areaCode, phoneNumber);
  }
  int32_t Licensing(int16_t aprIndex) { return Server_().Licensing(aprIndex); }
  void LoadSignature(int16_t nType, int16_t nIndex, const std::string& ifxTag) {
    Server_().LoadSignature(nType, nIndex, ifxTag);
  }
  void MapValue(const std::string& ifxTag, const std::string& tagVal) {
    Server_().MapValue(ifxTag, tagVal);
  }
  void ParseAddress(const std::string& fieldAddr, const std::string& cityTag,
                    const std::string& stateTag, const std::string& zipTag,
                    const std::string& streetTag = "", const std::string& defaultTag = "") {
    Server_().ParseAddress(fieldAddr, cityTag, stateTag, zipTag, streetTag, defaultTag);
  }
  void ParseExtended(const std::string& ifxTag, const std::string& fieldAddr,
                     bool bLaunchable = false) {
    Server_().ParseExtended(ifxTag, fieldAddr, bLaunchable);
  }
  std::string ReadDirect(const std::string& addr) { return Server_().ReadDirect(addr); }
  std::string ReadExtendedDirect(const std::string& addr) {
    return Server_().ReadExtendedDirect(addr);
  }
  bool SetAlias(const std::string& ifxTag, const std::string& fieldAddr) {
    return Server_().SetAlias(ifxTag, fieldAddr);
  }
  bool SetForm(const std::string& formID) { return Server_().SetForm(formID); }
  bool SetPhoto(const std::string& ifxTag, std::string frameID) {
    return Server_().SetPhoto(ifxTag, frameID);
  }
  void WriteDirect(const std::string& addr, const std::string& value) {
    Server_().WriteDirect(addr, value);
  }
  void ProcessAppraiserInfo(int16_t AppraiserNum, int16_t AppraiserType,
                            const std::string& NextForm) {
    Server_().ProcessAppraiserInfo(AppraiserNum, AppraiserType, NextForm);
  }
  void ProcessOffscrn() { Server_().ProcessOffscrn(); }

  // City, state and zip joined into the one field fieldAddr, only when the
  // order holds at least one of the three: ParseAddress alone writes the
  // empty join, where an order without any of them leaves the field unwritten.
  void ParseCityLine(const std::string& fieldAddr, const std::string& cityTag,
                     const std::string& stateTag, const std::string& zipTag);

  // The licence select of the appraiser (k 1) or the supervisory appraiser
  // (k 2): one Licensing(k). With the licence number only (-1), the licence's
  // state and number go into stateCell and numberCell; with the certificate
  // number only (0), the certificate's; with both or neither, each cell gets
  // the Compare of the two with delimiter, in the order given, or with
  // kLicenceAlone the licence's values as for -1. Either cell may be "", and
  // each arm writes its cells in the order cells gives.
  enum LicenceOrder { kLicenceFirst, kCertificateFirst, kLicenceAlone };
  enum CellOrder { kStateCellFirst, kNumberCellFirst };
  static constexpr const char* kNoNumberCell = "";
  static constexpr const char* kNoDelimiter = "";
  void LicenceSelect(int16_t k, const std::string& stateCell, const std::string& numberCell,
                     const std::string& delimiter, LicenceOrder order,
                     CellOrder cells = kStateCellFirst);

  // The report profile block: when SetForm "offscrn" succeeds, the borrower
  // (or the tag a form puts in its place), the property's address and the
  // lender's. Returns SetForm's result, for a form that adds rows under the
  // same guard.
  bool ReportProfileBlock(const std::string& borrowerTag = "BORROWER");

 private:
  TranslatorConstants constants_;
  XmlEngine* server_ = nullptr;
};

}  // namespace ombrel
