// The engine: reads one envelope's order documents through the XML reader and
// builds one report through the report document, running the translator of
// each document's form. One engine serves one Translate call. It reaches the
// user, the log, the file system and the components only through the
// services it is created with.
//
// The members are implemented by topic:
//   xml_reader.cpp          creation, release, Translate and its helpers
//   xml_reader_fields.cpp   the field-writing members
//   xml_reader_forms.cpp    SetForm, AddExtended, MapValue, SetPhoto
//   xml_reader_profile.cpp  ProcessOffscrn, ProcessAppraiserInfo
#pragma once

#include <cstdint>
#include <functional>
#include <memory>
#include <optional>
#include <string>
#include <string_view>

#include "engine/form_translator.h"
#include "engine/keyed_collection.h"
#include "engine/photo_file.h"
#include "engine/selector.h"
#include "engine/translator_catalogue.h"
#include "engine/xml_engine.h"
#include "platform/report/report_document.h"
#include "platform/xml/xml_dom.h"
#include "services/engine_services.h"

namespace ombrel {

class XmlReader final : public XmlEngine {
 public:
  // How the engine gets the translator of an order document's form number:
  // the program's translator selection, IncomingFormSelection over the
  // catalogue the program hands in, unless a test hands in its own.
  using FormSelection = std::function<std::unique_ptr<FormTranslator>(
      std::string& formNum, const std::string& altForm)>;

  // services and targetFormDialog must outlive the engine; the catalogue's
  // tables live as long as the program.
  XmlReader(const EngineServices& services, TranslatorCatalogue catalogue,
            Selector& targetFormDialog);
  XmlReader(const EngineServices& services, FormSelection selection);
  ~XmlReader() override;
  XmlReader(const XmlReader&) = delete;
  XmlReader& operator=(const XmlReader&) = delete;

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

  const EngineServices& Services() const override { return services_; }

 private:
  // Translate's steps, in the order it takes them. Each runs its statements
  // through step and returns False when Translate is to return False.
  class TranslateStep;
  bool LoadMainDocument(TranslateStep& step, const std::string& xmlFile, std::string& formNum,
                        std::string& altForm);
  bool SelectTranslator(TranslateStep& step, std::string& formNum, const std::string& altForm);
  bool LoadAliases(TranslateStep& step);
  bool StartReport(TranslateStep& step, const std::string& formNum);
  // Adds the current translator's form, makes it current and sets its
  // version; kind names it in the log ("main form", "addendum").
  bool AddTranslatorsForm(TranslateStep& step, const std::string& kind);
  bool RunTables(TranslateStep& step);
  // A supplemental document: skip is set when it has no form number.
  bool LoadSupplement(TranslateStep& step, const FileRecord& record, std::string& formNum,
                      bool& skip);
  bool AskReportPath(TranslateStep& step, std::string& rptFile);
  bool WriteReportFile(TranslateStep& step, const std::string& rptFile);

  // Translate's helpers.
  void AddStandardAddenda(const std::string& version);
  void SetProfileFileNumber(const std::string& fileNumber);
  std::string TextFrom(const std::string& path);
  void Log(const std::string& text, int32_t type) const;
  void Box(const std::string& text, MsgIcon icon) const;

  // The value of an order tag in the loaded document ("" when absent).
  std::string TagValue(const std::string& tag) const;
  // The same as a view, good until the next TagText or document load: for a
  // value that is only tested or copied into a field.
  std::string_view TagText(const std::string& tag) const;
  // The current form; raises error 91 when there is none.
  HostForm& Current() const;
  // The XML reader, the report document and the current translator; each
  // raises error 91 when it is not there.
  XmlDom& Dom() const;
  ReportDocument& Report() const;
  FormTranslator& RunningTranslator() const;
  // The picture folder, listed at most once while it stays the same folder.
  PictureFolder& Pictures(const std::string& folder);
  // The error place of a member: "XmlReader::" + member.
  std::string Place(const char* member) const { return ClassName + "::" + member; }

  const EngineServices& services_;
  FormSelection SelectForm_;

  std::string ClassName;
  int32_t AddendaIndex = 0;
  std::unique_ptr<FormTranslator> CurrentTranslator;
  HostForm* CurrentForm = nullptr;            // owned by ReportDocument
  HostForm* ExtendedCommentsForm = nullptr;   // owned by ReportDocument
  std::unique_ptr<KeyedCollection> UnexpectedElements;
  HostForm* ReportProfileForm = nullptr;      // owned by ReportDocument
  std::unique_ptr<ReportDocument> ReportDocument_;
  std::unique_ptr<XmlDom> XmlDom_;
  std::optional<PictureFolder> Pictures_;
};

}  // namespace ombrel
