// Report building: every outcome of a translation with its boxes and log
// lines, the supplemental documents, the Save loop, the report profile's file
// number and the Retry/Cancel convention of Translate's handler.
#include <functional>
#include <ostream>
#include <string>

#include <gtest/gtest.h>

#include "engine/xml_reader.h"
#include "engine_fixture.h"

namespace ombrel::testing::enginetest {
namespace {

constexpr TranslatorConstants kMainForm{"TESTMAIN", "TEST", "UA2", "UAR-3X5.RPT"};
constexpr TranslatorConstants kSupplementForm{"TESTSUP", "SUP", "rent2", ""};

const std::string kFormNumberPath = "\\~FORMNUM";
const std::string kAltFormPath = "\\~ALTFORM";

class TranslateTest : public EngineTest {
 public:
  TranslateTest() {
    selection.Add("TEST", kMainForm);
    selection.Add("SUP", kSupplementForm);
    mainPath = dir.Write("order.xml", "MAIN");
    components.documents["MAIN"].paths[kFormNumberPath] = "TEST";
    reportPath = dir.File("DATA/SMITH.RPT");
  }

  // Runs one engine's Translate and releases the engine.
  bool Translate(std::string rptFile = "") {
    bool result = false;
    {
      XmlReader engine(services, Selection(selection));
      result = engine.Translate(rptFile, mainPath);
    }
    rptFileAfter = rptFile;
    return result;
  }

  // Adds an envelope record of this classification whose file holds text.
  void AddRecord(int32_t classification, const std::string& fileName, const std::string& text) {
    FileRecord record;
    record.Classification = classification;
    record.Name = dir.Write(fileName, text);
    envelopeFiles.push_back(record);
  }
  // A supplemental order document of this form number.
  void AddSupplement(const std::string& fileName, const std::string& text,
                     const std::string& formNumber) {
    AddRecord(FileRecord::kSupplementalOrder, fileName, text);
    if (!formNumber.empty()) components.documents[text].paths[kFormNumberPath] = formNumber;
  }

  const FakeReportRecord& Report() const { return *components.lastReport; }
  bool Written() const {
    return components.lastReport && !components.lastReport->writtenPaths.empty();
  }

  TestSelection selection;
  std::string mainPath;
  std::string reportPath;
  std::string rptFileAfter;
};

// One row of the outcomes: how the translation is set up, what the user saw
// and what the log holds. "{report}" in a box stands for the report's path.
struct Outcome {
  const char* name;
  std::function<void(TranslateTest&)> arrange;
  std::vector<std::string> boxes;
  std::vector<LogLine> log;
  bool reachesSave;  // the Save dialog is shown (and answered with the report's path)
  bool result;
};

// GoogleTest prints a parameter when it lists or reports a test; the row's name
// says all, where its bytes would say nothing.
void PrintTo(const Outcome& outcome, std::ostream* os) { *os << outcome.name; }

std::string Unsupported(const std::string& number) {
  return OkBox("This translator does not support the " + number + " form.",
               MsgIcon::kInformation);
}

const Outcome kOutcomes[] = {
    {"XmlReaderNotCreated",
     [](TranslateTest& t) { t.components.xmlDomCreation = Creation::kGivesNothing; },
     {},
     {ErrorLine("Can't create FastXML.XMLDOM object.")},
     false,
     false},
    {"MainDocumentWithoutFormNumber",
     [](TranslateTest& t) { t.components.documents["MAIN"].paths.clear(); },
     {OkBox("Can't determine form type in\norder.xml", MsgIcon::kCritical)},
     {},
     false,
     false},
    {"NoTranslatorForTheMainDocument",
     [](TranslateTest& t) { t.components.documents["MAIN"].paths[kFormNumberPath] = "9999"; },
     {Unsupported("9999")},
     {WarningLine("No translation available for 9999 form."), InfoLine("No form selected.")},
     false,
     false},
    {"AliasFileNotReadable",
     [](TranslateTest& t) { std::filesystem::remove(t.dir.File("Alias/global.ali")); },
     {OkBox("Can't find alias file.", MsgIcon::kCritical)},
     {},
     false,
     false},
    {"ReportDocumentNotCreated",
     [](TranslateTest& t) { t.components.reportCreation = Creation::kGivesNothing; },
     {},
     {ErrorLine("Can't create QorFile.DOCUMENT.")},
     false,
     false},
    {"TranslatorWithoutSkeleton",
     [](TranslateTest& t) { t.selection.form("TEST").constants.skeleton = ""; },
     {OkBox("Can't find skeleton for TEST form.", MsgIcon::kNone)},
     {},
     false,
     false},
    {"MainFormNotAdded",
     [](TranslateTest& t) { t.components.reportBehaviour.refusedForms = {"UA2"}; },
     {},
     {ErrorLine("Unable to add main form UA2 to QorFile form object.")},
     false,
     false},
    {"ExtendedCommentsNotAdded",
     [](TranslateTest& t) { t.components.reportBehaviour.refusedForms = {"Extended_Comments"}; },
     {},
     {WarningLine("Unable to create extended comments addendum.")},
     true,
     true},
    {"ReportProfileNotAdded",
     [](TranslateTest& t) { t.components.reportBehaviour.refusedForms = {"offscrn"}; },
     {},
     {WarningLine("Unable to create Report Profile addendum.")},
     true,
     true},
    {"SupplementWithoutFormNumber",
     [](TranslateTest& t) { t.AddSupplement("supp.xml", "SUPP", ""); },
     {},
     {ErrorLine("Can't read form type in\nsupp.xml")},
     true,
     true},
    {"NoTranslatorForASupplement",
     [](TranslateTest& t) { t.AddSupplement("supp.xml", "SUPP", "8888"); },
     {Unsupported("8888")},
     {WarningLine("No translation available for 8888 form."), InfoLine("No form selected.")},
     false,
     false},
    {"SupplementalFormNotAdded",
     [](TranslateTest& t) {
       t.AddSupplement("supp.xml", "SUPP", "SUP");
       t.components.reportBehaviour.refusedForms = {"rent2"};
     },
     {},
     {ErrorLine("Unable to add addendum rent2 to QorFile form object.")},
     false,
     false},
    {"ReportFileNotWritten",
     [](TranslateTest& t) { t.components.reportBehaviour.writeSucceeds = false; },
     {OkBox("Unable to write report file\n{report}", MsgIcon::kCritical)},
     {ErrorLine("Unable to write report file: Cannot write the report: No space left on device")},
     true,
     false},
    {"ReportWritten", [](TranslateTest&) {}, {}, {}, true, true},
};

class TranslateOutcomeTest : public TranslateTest,
                             public ::testing::WithParamInterface<Outcome> {};

TEST_P(TranslateOutcomeTest, ShowsAndLogsWhatTheOutcomeCallsFor) {
  const Outcome& outcome = GetParam();
  outcome.arrange(*this);
  if (outcome.reachesSave) ui.AnswerDialog(reportPath);

  EXPECT_EQ(Translate(), outcome.result);

  std::vector<std::string> boxes;
  for (std::string box : outcome.boxes) {
    const auto at = box.find("{report}");
    if (at != std::string::npos) box.replace(at, 8, reportPath);
    boxes.push_back(box);
  }
  EXPECT_EQ(Render(ui.boxes), boxes);
  EXPECT_EQ(LogLines(), outcome.log);
  EXPECT_EQ(ui.dialogs.size(), outcome.reachesSave ? 1u : 0u);
  EXPECT_EQ(Written(), outcome.result);
  if (Written()) {
    EXPECT_EQ(Report().writtenPaths, std::vector<std::string>{reportPath});
  }
}

INSTANTIATE_TEST_SUITE_P(EveryOutcome, TranslateOutcomeTest, ::testing::ValuesIn(kOutcomes),
                         [](const ::testing::TestParamInfo<Outcome>& info) {
                           return std::string(info.param.name);
                         });

TEST_F(TranslateTest, AWrittenReportHoldsTheSkeletonTheMainFormAndBothAddenda) {
  std::vector<std::string> aliasPaths;
  selection.form("TEST").tables.entrainMain = [&](XmlEngine&) {
    aliasPaths = components.lastXmlDom->aliasPaths;
  };
  ui.AnswerDialog(reportPath);
  ASSERT_TRUE(Translate());

  EXPECT_EQ(Report().skeleton, "UAR-3X5.RPT");
  ASSERT_EQ(Report().forms.size(), 3u);
  EXPECT_EQ(Report().forms[0]->id, "UA2");
  EXPECT_EQ(Report().forms[0]->version, "2");
  EXPECT_EQ(Report().forms[1]->id, "Extended_Comments");
  EXPECT_EQ(Report().forms[1]->version, "2");  // the main form's
  EXPECT_EQ(Report().forms[2]->id, "offscrn");
  EXPECT_EQ(Report().calls.front(), "Skeleton(UAR-3X5.RPT)");
  EXPECT_EQ(Report().calls.back(), "WriteReport(" + reportPath + ")");
  EXPECT_EQ(*selection.journal, (std::vector<std::string>{"EntrainMain UA2", "AppendAddenda UA2",
                                                          "released UA2"}));
  EXPECT_EQ(rptFileAfter, reportPath);
  EXPECT_EQ(aliasPaths, std::vector<std::string>{dir.str() + "Alias/global.ali"});
  EXPECT_EQ(components.creations, (std::vector<std::string>{"XMLDOM", "DOCUMENT"}));
}

TEST_F(TranslateTest, TheSaveDialogAsksInTheDataFolderUntilTheUserDecides) {
  ui.AnswerDialog(std::nullopt);
  ui.AnswerBox(MsgResult::kNo);
  ui.AnswerDialog(std::nullopt);
  ui.AnswerBox(MsgResult::kYes);

  EXPECT_FALSE(Translate());

  ASSERT_EQ(ui.dialogs.size(), 2u);
  for (const ShownDialog& dialog : ui.dialogs) {
    EXPECT_EQ(dialog.kind, ShownDialog::kSave);
    EXPECT_EQ(dialog.properties.DialogTitle, "Save Report As...");
    EXPECT_EQ(dialog.properties.Filter, "Appraisal Report|*.RPT|All Files|*.*");
    EXPECT_EQ(dialog.properties.DefaultExt, "*.rpt");
    EXPECT_EQ(dialog.properties.InitDir, dir.str() + "DATA/");
    EXPECT_EQ(dialog.properties.FileName, "");
  }
  const std::string question =
      Render(ShownBox{"Quit without saving report?", MsgButtons::kYesNo, MsgIcon::kQuestion,
                      kProductName});
  EXPECT_EQ(Render(ui.boxes), (std::vector<std::string>{question, question}));
  EXPECT_EQ(LogLines(), (std::vector<LogLine>{InfoLine("Download aborted by user.")}));
  EXPECT_FALSE(Written());
  EXPECT_EQ(rptFileAfter, "");
}

TEST_F(TranslateTest, AnsweringNoAndThenChoosingAFileWritesTheReport) {
  ui.AnswerDialog(std::nullopt);
  ui.AnswerBox(MsgResult::kNo);
  ui.AnswerDialog(reportPath);
  EXPECT_TRUE(Translate());
  EXPECT_EQ(ui.dialogs.size(), 2u);
  EXPECT_EQ(Report().writtenPaths, std::vector<std::string>{reportPath});
  EXPECT_EQ(rptFileAfter, reportPath);
}

TEST_F(TranslateTest, AGivenReportPathIsUsedWithoutADialog) {
  const std::string given = dir.File("given/JONES.RPT");
  EXPECT_TRUE(Translate(given));
  EXPECT_TRUE(ui.dialogs.empty());
  EXPECT_EQ(Report().writtenPaths, std::vector<std::string>{given});
  EXPECT_EQ(Report().Form("offscrn")->Field("3|3"), "JONES");
  EXPECT_EQ(rptFileAfter, given);
}

TEST_F(TranslateTest, TheReportsBaseNameReplacesTheOrdersFileNumber) {
  // The table writes the order's file number where the report profile keeps it.
  selection.form("TEST").tables.entrainMain = [](XmlEngine& engine) {
    engine.SetForm("offscrn");
    engine.WriteDirect("3|3", "ORDER-0042");
    engine.SetForm("UA2");
  };
  ui.AnswerDialog(reportPath);
  ASSERT_TRUE(Translate());
  EXPECT_EQ(Report().Form("offscrn")->Field("3|3"), "SMITH");
}

TEST_F(TranslateTest, WithoutTheReportProfileNoFileNumberIsWritten) {
  components.reportBehaviour.refusedForms = {"offscrn"};
  ui.AnswerDialog(reportPath);
  ASSERT_TRUE(Translate());
  EXPECT_EQ(Report().Form("offscrn"), nullptr);
  for (const auto& form : Report().forms) {
    EXPECT_FALSE(form->Field("3|3").has_value()) << form->id;
  }
}

TEST_F(TranslateTest, SupplementsRunInEnvelopeOrderWithTheMainDocumentsAlternateForm) {
  components.documents["MAIN"].paths[kAltFormPath] = "FHLMC";
  selection.Add("2055", {"TESTQAR", "2055", "QAR", "QAR-3X5.RPT"});
  AddSupplement("first.xml", "FIRST", "2055");
  AddRecord(FileRecord::kImage, "photo.jpg", "IMAGE");
  AddRecord(FileRecord::kMainOrder, "earlier.xml", "EARLIER");
  AddRecord(FileRecord::kOther, "notes.txt", "NOTES");
  AddSupplement("second.xml", "SECOND", "SUP");
  components.documents["SECOND"].paths[kAltFormPath] = "OTHER";  // never read
  ui.AnswerDialog(reportPath);

  ASSERT_TRUE(Translate());

  EXPECT_EQ(selection.calls, (std::vector<std::pair<std::string, std::string>>{
                                 {"TEST", "FHLMC"}, {"2055", "FHLMC"}, {"SUP", "FHLMC"}}));
  EXPECT_EQ(*selection.journal,
            (std::vector<std::string>{"EntrainMain UA2", "AppendAddenda UA2", "released UA2",
                                      "EntrainMain QAR", "AppendAddenda QAR", "released QAR",
                                      "EntrainMain rent2", "AppendAddenda rent2",
                                      "released rent2"}));
  ASSERT_EQ(Report().forms.size(), 5u);
  EXPECT_EQ(Report().forms[3]->id, "QAR");
  EXPECT_EQ(Report().forms[3]->version, "1");
  EXPECT_EQ(Report().forms[4]->id, "rent2");
  EXPECT_EQ(Report().forms[4]->version, "1");
}

TEST_F(TranslateTest, OnlyOrderDocumentsOfTheEnvelopeAreLoaded) {
  AddRecord(FileRecord::kMainOrder, "earlier.xml", "EARLIER");
  AddSupplement("supp.xml", "SUPP", "SUP");
  AddRecord(FileRecord::kOther, "notes.txt", "NOTES");
  // The XML reader of the translation is watched through a table.
  std::vector<std::string> loaded;
  selection.form("SUP").tables.entrainMain = [&](XmlEngine&) {
    loaded = components.lastXmlDom->loadedTexts;
  };
  ui.AnswerDialog(reportPath);
  ASSERT_TRUE(Translate());
  EXPECT_EQ(loaded, (std::vector<std::string>{"MAIN", "SUPP"}));
}

TEST_F(TranslateTest, ATablesWritesGoToTheFormMadeCurrentForItsDocument) {
  selection.form("TEST").tables.entrainMain = [](XmlEngine& e) { e.WriteDirect("1|1", "main"); };
  selection.form("SUP").tables.entrainMain = [](XmlEngine& e) { e.WriteDirect("1|1", "supp"); };
  AddSupplement("supp.xml", "SUPP", "SUP");
  ui.AnswerDialog(reportPath);
  ASSERT_TRUE(Translate());
  EXPECT_EQ(Report().Form("UA2")->Field("1|1"), "main");
  EXPECT_EQ(Report().Form("rent2")->Field("1|1"), "supp");
}

TEST_F(TranslateTest, ASupplementForOrxdataShowsTheDialogAgain) {
  AddSupplement("supp.xml", "SUPP", "ORXDATA");
  ui.AnswerSelector(SelectorAnswer::kClosed);
  EXPECT_FALSE(Translate());
  EXPECT_EQ(ui.selectors.size(), 1u);
  EXPECT_TRUE(ui.boxes.empty());
  EXPECT_EQ(LogLines(), (std::vector<LogLine>{InfoLine("No form selected.")}));
  EXPECT_TRUE(ui.dialogs.empty());
}

TEST_F(TranslateTest, AnUnreadableMainDocumentIsLoggedAndItsFormNumberMissed) {
  mainPath = dir.File("missing.xml");
  EXPECT_FALSE(Translate());
  const std::vector<LogLine> log = LogLines();
  ASSERT_EQ(log.size(), 2u);
  EXPECT_EQ(log[0].mark, "!");
  EXPECT_EQ(log[0].text.rfind("Error 53 in XmlReader::TextFrom [", 0), 0u) << log[0].text;
  EXPECT_EQ(log[1], ErrorLine("Can't open text file missing.xml"));
  EXPECT_EQ(Render(ui.boxes), (std::vector<std::string>{OkBox(
                                  "Can't determine form type in\nmissing.xml", MsgIcon::kCritical)}));
}

// An error raised in a table: Translate's handler reports it.
const Error kTableError(1004, "TESTMAIN", "Application-defined or object-defined error");
const std::string kTableErrorBox =
    ReporterBox("Error 1004 in XmlReader::Translate:\nApplication-defined or object-defined error",
                "TESTMAIN");
const LogLine kTableErrorLine = ErrorLine(
    "Error 1004 in XmlReader::Translate [TESTMAIN]: Application-defined or object-defined error");

TEST_F(TranslateTest, RetryAfterAnErrorInEntrainMainGoesOnWithAppendAddenda) {
  selection.form("TEST").tables.entrainMain = [](XmlEngine& e) {
    e.WriteDirect("1|1", "before");
    throw kTableError;
  };
  ui.AnswerBox(MsgResult::kRetry);
  ui.AnswerDialog(reportPath);

  EXPECT_TRUE(Translate());

  EXPECT_EQ(Render(ui.boxes), std::vector<std::string>{kTableErrorBox});
  EXPECT_EQ(LogLines(), std::vector<LogLine>{kTableErrorLine});
  EXPECT_EQ(*selection.journal, (std::vector<std::string>{"EntrainMain UA2", "AppendAddenda UA2",
                                                          "released UA2"}));
  EXPECT_EQ(Report().Form("UA2")->Field("1|1"), "before");
  EXPECT_TRUE(Written());
}

TEST_F(TranslateTest, RetryAfterAnErrorInAppendAddendaGoesOnWithTheSupplements) {
  selection.form("TEST").tables.appendAddenda = [](XmlEngine&) { throw kTableError; };
  AddSupplement("supp.xml", "SUPP", "SUP");
  ui.AnswerBox(MsgResult::kRetry);
  ui.AnswerDialog(reportPath);
  EXPECT_TRUE(Translate());
  EXPECT_EQ(*selection.journal,
            (std::vector<std::string>{"EntrainMain UA2", "AppendAddenda UA2", "released UA2",
                                      "EntrainMain rent2", "AppendAddenda rent2",
                                      "released rent2"}));
}

TEST_F(TranslateTest, CancelAfterAnErrorReturnsAtOnceAndWritesNothing) {
  selection.form("TEST").tables.entrainMain = [](XmlEngine&) { throw kTableError; };
  AddSupplement("supp.xml", "SUPP", "SUP");
  ui.AnswerBox(MsgResult::kCancel);
  EXPECT_FALSE(Translate());
  EXPECT_EQ(Render(ui.boxes), std::vector<std::string>{kTableErrorBox});
  EXPECT_EQ(*selection.journal, (std::vector<std::string>{"EntrainMain UA2", "released UA2"}));
  EXPECT_TRUE(ui.dialogs.empty());
  EXPECT_FALSE(Written());
}

TEST_F(TranslateTest, ComponentsThatRaiseAsTheyAreCreatedAreReportedFirst) {
  const struct {
    const char* name;
    Creation FakeComponents::*creation;
    const char* source;
    const char* missing;
  } kCases[] = {
      {"XMLDOM", &FakeComponents::xmlDomCreation, "FastXML.XMLDOM",
       "Can't create FastXML.XMLDOM object."},
      {"DOCUMENT", &FakeComponents::reportCreation, "QorFile.DOCUMENT",
       "Can't create QorFile.DOCUMENT."},
  };
  for (const auto& c : kCases) {
    for (MsgResult answer : {MsgResult::kRetry, MsgResult::kCancel}) {
      SCOPED_TRACE(std::string(c.name) + (answer == MsgResult::kRetry ? " Retry" : " Cancel"));
      ScriptedUi local;
      services.ui = &local;
      FakeComponents fresh;
      fresh.documents = components.documents;
      fresh.*(c.creation) = Creation::kRaises;
      services.components = &fresh;
      std::filesystem::remove(logPath);
      local.AnswerBox(answer);

      std::string rptFile;
      {
        XmlReader engine(services, Selection(selection));
        EXPECT_FALSE(engine.Translate(rptFile, mainPath));
      }

      const std::string source = c.source;
      EXPECT_EQ(Render(local.boxes),
                std::vector<std::string>{ReporterBox(
                    "Error 429 in XmlReader::Translate:\nActiveX component can't create object",
                    source)});
      std::vector<LogLine> log{ErrorLine("Error 429 in XmlReader::Translate [" + source +
                                         "]: ActiveX component can't create object")};
      if (answer == MsgResult::kRetry) log.push_back(ErrorLine(c.missing));
      EXPECT_EQ(LogLines(), log);
      EXPECT_TRUE(local.dialogs.empty());
      EXPECT_TRUE(local.AllAnswersUsed());
    }
  }
  services.ui = &ui;
  services.components = &components;
}

}  // namespace
}  // namespace ombrel::testing::enginetest
