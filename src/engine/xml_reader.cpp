#include "engine/xml_reader.h"

#include <optional>
#include <utility>

#include "engine/form_version.h"
#include "engine/incoming_form_selection.h"
#include "platform/errors/error.h"
#include "platform/text/sender_text.h"
#include "services/error_handler.h"
#include "services/file_dialogs.h"
#include "services/file_utils.h"

namespace ombrel {

namespace {

// The order document's form number and alternate form, under its root node.
constexpr const char* kFormNumberPath = "\\~FORMNUM";
constexpr const char* kAltFormPath = "\\~ALTFORM";

}  // namespace

XmlReader::XmlReader(const EngineServices& services, TranslatorCatalogue catalogue,
                     Selector& targetFormDialog)
    : XmlReader(services, [&services, catalogue, &targetFormDialog](std::string& formNum,
                                                                    const std::string& altForm) {
        return IncomingFormSelection(services, catalogue, targetFormDialog, formNum, altForm);
      }) {}

XmlReader::XmlReader(const EngineServices& services, FormSelection selection)
    : services_(services),
      SelectForm_(std::move(selection)),
      ClassName("XmlReader"),
      AddendaIndex(0),
      UnexpectedElements(std::make_unique<KeyedCollection>()) {}

XmlReader::~XmlReader() {
  // The translator goes first, while the engine it refers back to still
  // stands; the forms before the report document that owns them; the XML
  // reader last. Nothing is called on the report document: only WriteReport
  // writes a file.
  CurrentTranslator.reset();
  UnexpectedElements.reset();
  ReportProfileForm = nullptr;
  ExtendedCommentsForm = nullptr;
  CurrentForm = nullptr;
  ReportDocument_.reset();
  XmlDom_.reset();
}

void XmlReader::Log(const std::string& text, int32_t type) const {
  services_.TheLog().LogEvent(text, type);
}

void XmlReader::Box(const std::string& text, MsgIcon icon) const {
  services_.TheUi().MessageBox(text, MsgButtons::kOk, icon, kAppTitle);
}

std::string XmlReader::TagValue(const std::string& tag) const {
  return Dom().TagValue(tag, false);
}

std::string_view XmlReader::TagText(const std::string& tag) const { return Dom().TagText(tag, false); }

HostForm& XmlReader::Current() const {
  if (CurrentForm == nullptr) throw Error::ObjectNotSet(kAppTitle);
  return *CurrentForm;
}

XmlDom& XmlReader::Dom() const {
  if (!XmlDom_) throw Error::ObjectNotSet(kAppTitle);
  return *XmlDom_;
}

ReportDocument& XmlReader::Report() const {
  if (!ReportDocument_) throw Error::ObjectNotSet(kAppTitle);
  return *ReportDocument_;
}

FormTranslator& XmlReader::RunningTranslator() const {
  if (!CurrentTranslator) throw Error::ObjectNotSet(kAppTitle);
  return *CurrentTranslator;
}

// Runs Translate's statements through its handler, one at a time. A
// statement that raises an error is reported: after Retry the next statement
// runs, after Cancel Translate returns False. A statement that finds the
// translation cannot go on calls Stop after its message, and Translate
// returns False after it too.
class XmlReader::TranslateStep {
 public:
  explicit TranslateStep(ErrorHandler& handler) : handler_(handler) {}

  // False when Translate is to return False now.
  template <typename Statement>
  bool operator()(Statement&& statement) {
    return handler_.Run(std::forward<Statement>(statement)) && !stopped_;
  }
  void Stop() { stopped_ = true; }

 private:
  ErrorHandler& handler_;
  bool stopped_ = false;
};

bool XmlReader::Translate(std::string& rptFile, const std::string& xmlFile) {
  ErrorHandler handler(services_, ClassName, "Translate");
  TranslateStep step(handler);

  // The main order document, its form number and alternate form; supplemental
  // documents take this alternate form too.
  std::string formNum;
  std::string altForm;
  if (!LoadMainDocument(step, xmlFile, formNum, altForm)) return false;
  if (!SelectTranslator(step, formNum, altForm)) return false;
  if (!LoadAliases(step)) return false;

  // The report from the translator's skeleton, its main form and the standard
  // addenda, then the translator's tables.
  if (!StartReport(step, formNum)) return false;
  if (!AddTranslatorsForm(step, "main form")) return false;
  if (!step([&] { AddStandardAddenda(Current().Version()); })) return false;
  if (!RunTables(step)) return false;

  // Every supplemental order document, in envelope order, adds its form to
  // the same report.
  for (std::size_t i = 0; i < services_.EnvelopeFiles().size(); ++i) {
    const FileRecord record = services_.EnvelopeFiles()[i];
    if (record.Classification != FileRecord::kSupplementalOrder) continue;
    std::string supplementNum;
    bool skip = false;
    if (!LoadSupplement(step, record, supplementNum, skip)) return false;
    if (skip) continue;
    if (!SelectTranslator(step, supplementNum, altForm)) return false;
    if (!AddTranslatorsForm(step, "addendum")) return false;
    if (!RunTables(step)) return false;
  }

  // Where to save it, the file number it gives the report profile, and the
  // report file.
  if (!AskReportPath(step, rptFile)) return false;
  if (!step([&] { SetProfileFileNumber(services_.TheFileSystem().GetBaseName(rptFile)); })) {
    return false;
  }
  return WriteReportFile(step, rptFile);
}

bool XmlReader::LoadMainDocument(TranslateStep& step, const std::string& xmlFile,
                                 std::string& formNum, std::string& altForm) {
  if (!step([&] { XmlDom_ = services_.TheComponents().CreateXmlDom(); })) return false;
  if (!step([&] {
        if (!XmlDom_) {
          step.Stop();
          Log("Can't create FastXML.XMLDOM object.", kLogError);
        }
      })) {
    return false;
  }
  if (!step([&] { Dom().LoadXml(TextFrom(xmlFile)); })) return false;
  if (!step([&] { formNum = Dom().Value(Dom().Root(), kFormNumberPath); })) return false;
  if (!step([&] {
        if (formNum.empty()) {
          step.Stop();
          const std::string fileName = SenderText(services_.TheFileSystem().GetFileName(xmlFile));
          // A document the reader refused (a limit, a NUL) reads as one
          // without a form number; the log says why.
          const std::string limit = Dom().LimitReached();
          if (!limit.empty()) {
            Log("Can't determine form type in " + fileName + ": " + limit, kLogError);
          }
          Box("Can't determine form type in\n" + fileName, MsgIcon::kCritical);
        }
      })) {
    return false;
  }
  return step([&] { altForm = Dom().Value(Dom().Root(), kAltFormPath); });
}

bool XmlReader::LoadSupplement(TranslateStep& step, const FileRecord& record,
                               std::string& formNum, bool& skip) {
  if (!step([&] { Dom().LoadXml(TextFrom(record.Name)); })) return false;
  if (!step([&] { formNum = Dom().Value(Dom().Root(), kFormNumberPath); })) return false;
  return step([&] {
    if (formNum.empty()) {
      skip = true;
      Log("Can't read form type in\n" +
              SenderText(services_.TheFileSystem().GetFileName(record.Name)),
          kLogError);
    }
  });
}

bool XmlReader::SelectTranslator(TranslateStep& step, std::string& formNum,
                                 const std::string& altForm) {
  if (!step([&] { CurrentTranslator = SelectForm_(formNum, altForm); })) return false;
  if (!step([&] {
        if (!CurrentTranslator) {
          step.Stop();
          Log("No form selected.", kLogInformation);
        }
      })) {
    return false;
  }
  return step([&] { RunningTranslator().SetServer(this); });
}

bool XmlReader::LoadAliases(TranslateStep& step) {
  std::string aliasPath;
  if (!step([&] {
        aliasPath =
            services_.TheFileSystem().GetAbsolutePathName(services_.aliasFolder + "global.ali");
      })) {
    return false;
  }
  return step([&] {
    if (!services_.TheFileSystem().CanReadFile(aliasPath)) {
      step.Stop();
      Box("Can't find alias file.", MsgIcon::kCritical);
    } else {
      Dom().LoadAlias(aliasPath);
    }
  });
}

bool XmlReader::StartReport(TranslateStep& step, const std::string& formNum) {
  if (!step([&] { ReportDocument_ = services_.TheComponents().CreateReportDocument(); })) {
    return false;
  }
  if (!step([&] {
        if (!ReportDocument_) {
          step.Stop();
          Log("Can't create QorFile.DOCUMENT.", kLogError);
        }
      })) {
    return false;
  }
  return step([&] {
    const std::string skeleton = RunningTranslator().Skeleton();
    if (skeleton.empty()) {
      step.Stop();
      services_.TheUi().MessageBox("Can't find skeleton for " + SenderText(formNum) + " form.",
                                   MsgButtons::kOk, MsgIcon::kNone, kAppTitle);
    } else {
      Report().SetSkeleton(skeleton);
    }
  });
}

bool XmlReader::AddTranslatorsForm(TranslateStep& step, const std::string& kind) {
  // Cleared first, so that a failed AddForm never leaves the previous form
  // current for this document's table.
  if (!step([&] {
        CurrentForm = nullptr;
        CurrentForm = Report().AddForm(RunningTranslator().FormName());
      })) {
    return false;
  }
  if (!step([&] {
        if (CurrentForm == nullptr) {
          step.Stop();
          Log("Unable to add " + kind + " " + RunningTranslator().FormName() +
                  " to QorFile form object.",
              kLogError);
        }
      })) {
    return false;
  }
  return step(
      [&] { Current().SetVersion(FormVersion(services_, RunningTranslator().FormName())); });
}

bool XmlReader::RunTables(TranslateStep& step) {
  // An error that a member does not handle itself ends the table; Retry goes
  // on with the next one.
  if (!step([&] { RunningTranslator().EntrainMain(); })) return false;
  return step([&] { RunningTranslator().AppendAddenda(); });
}

bool XmlReader::AskReportPath(TranslateStep& step, std::string& rptFile) {
  // Asked until the user names a file or gives up.
  while (rptFile.empty()) {
    if (!step([&] {
          rptFile = SaveFile(services_, "report", "Appraisal Report|*.RPT|All Files|*.*", "*.rpt",
                             services_.dataFolder, services_.TheFileSystem().GetFileName(rptFile));
        })) {
      return false;
    }
    if (!rptFile.empty()) break;
    MsgResult answer = MsgResult::kNo;
    if (!step([&] {
          answer = services_.TheUi().MessageBox("Quit without saving report?",
                                                MsgButtons::kYesNo, MsgIcon::kQuestion,
                                                kProductName);
        })) {
      return false;
    }
    if (answer == MsgResult::kYes) {
      step([&] {
        step.Stop();
        Log("Download aborted by user.", kLogInformation);
      });
      return false;
    }
  }
  return true;
}

bool XmlReader::WriteReportFile(TranslateStep& step, const std::string& rptFile) {
  bool written = false;
  if (!step([&] { written = Report().WriteReport(rptFile); })) return false;
  return step([&] {
    if (!written) {
      step.Stop();
      // The box keeps to its words; the log says why.
      const std::optional<Error> failure = Report().WriteFailure();
      Log("Unable to write report file: " +
              (failure ? failure->description() : SenderText(rptFile)),
          kLogError);
      Box("Unable to write report file\n" + rptFile, MsgIcon::kCritical);
    }
  });
}

void XmlReader::AddStandardAddenda(const std::string& version) {
  ExtendedCommentsForm = Report().AddForm("Extended_Comments");
  if (ExtendedCommentsForm == nullptr) {
    Log("Unable to create extended comments addendum.", kLogWarning);
  } else {
    ExtendedCommentsForm->SetVersion(version);
  }
  // Its version is set when ProcessOffscrn fills it.
  ReportProfileForm = Report().AddForm("offscrn");
  if (ReportProfileForm == nullptr) {
    Log("Unable to create Report Profile addendum.", kLogWarning);
  }
}

void XmlReader::SetProfileFileNumber(const std::string& fileNumber) {
  // The report's own name replaces the order's file number; nothing here may
  // stop the report from being written.
  try {
    if (ReportProfileForm != nullptr) ReportProfileForm->AddField("3|3", fileNumber);
  } catch (const Error&) {
  }
}

std::string XmlReader::TextFrom(const std::string& path) {
  // Errors are logged, never shown, and the next statement runs.
  auto logged = [&](auto&& statement) {
    try {
      statement();
    } catch (const Error& error) {
      services_.TheLog().LogError(Place("TextFrom"), error);
    }
  };

  std::string text;
  std::unique_ptr<TextStream> stream;
  logged([&] { stream = services_.TheFileSystem().OpenTextFile(path); });
  if (!stream) {
    logged([&] { Log("Can't open text file " + SenderText(services_.TheFileSystem().GetFileName(path)), kLogError); });
    return text;
  }
  logged([&] { text = stream->ReadAll(); });
  logged([&] { stream->Close(); });
  return text;
}

}  // namespace ombrel
