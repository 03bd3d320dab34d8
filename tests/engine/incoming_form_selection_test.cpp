// The translator factory: every form number of its table, the alternate
// forms of "2055", exact comparison, and its error handler.
#include <set>
#include <string>

#include <gtest/gtest.h>

#include "engine/incoming_form_selection.h"
#include "engine/translator.h"
#include "engine_fixture.h"
#include "platform/errors/error.h"
#include "platform/text/sender_text.h"
#include "translators/factory_table.h"

namespace ombrel::testing::enginetest {
namespace {

using IncomingFormSelectionTest = EngineTest;

std::string UnsupportedBox(const std::string& formText) {
  return OkBox("This translator does not support the " + formText + " form.",
               MsgIcon::kInformation);
}
LogLine UnsupportedLine(const std::string& formText) {
  return WarningLine("No translation available for " + formText + " form.");
}

std::string ClassOf(const FormTranslator& translator) {
  const auto* frame = dynamic_cast<const Translator*>(&translator);
  return frame == nullptr ? "" : std::string(frame->ClassName());
}

TEST_F(IncomingFormSelectionTest, EveryRowCreatesItsClass) {
  for (const FactoryRow& row : FactoryTable()) {
    if (row.formNumber == kTargetFormNumber) continue;
    // A row for any alternate form answers "" and anything else alike.
    std::vector<std::string> altForms{std::string(row.altForm)};
    if (row.altFormRule == AltFormRule::kAny) altForms.push_back("FHLMC");
    for (const std::string& altForm : altForms) {
      SCOPED_TRACE(std::string(row.formNumber) + ":" + altForm);
      std::string formNum(row.formNumber);
      auto translator =
          IncomingFormSelection(services, catalogue, targetFormDialog, formNum, altForm);
      EXPECT_EQ(formNum, row.formNumber);
      ASSERT_NE(translator, nullptr);
      EXPECT_EQ(ClassOf(*translator), row.className);
      EXPECT_EQ(translator->FormNumber(), row.formNumber);
      EXPECT_EQ(translator->FormName(), row.formName);
      EXPECT_EQ(translator->Server(), nullptr);
    }
  }
  EXPECT_TRUE(ui.boxes.empty());
  EXPECT_TRUE(LogLines().empty());
}

TEST(FactoryTableTest, ListsThirtyClassesAndTheDialog) {
  std::set<std::string_view> classes, numbers;
  int dialogRows = 0;
  for (const FactoryRow& row : FactoryTable()) {
    if (row.formNumber == kTargetFormNumber) {
      ++dialogRows;
      EXPECT_EQ(row.create, nullptr);
      continue;
    }
    SCOPED_TRACE(std::string(row.className));
    EXPECT_NE(row.create, nullptr) << "a row without its class";
    EXPECT_TRUE(classes.insert(row.className).second) << "class listed twice";
    if (row.formNumber != "2055") {
      EXPECT_TRUE(numbers.insert(row.formNumber).second) << "number listed twice";
      EXPECT_EQ(row.altFormRule, AltFormRule::kAny);
    }
  }
  EXPECT_EQ(dialogRows, 1);
  EXPECT_EQ(classes.size(), 30u);
}

TEST_F(IncomingFormSelectionTest, Form2055IsSplitByTheAlternateForm) {
  std::string formNum = "2055";
  auto plain = IncomingFormSelection(services, catalogue, targetFormDialog, formNum, "");
  ASSERT_NE(plain, nullptr);
  EXPECT_EQ(ClassOf(*plain), "FM2055");
  auto freddie = IncomingFormSelection(services, catalogue, targetFormDialog, formNum, "FHLMC");
  ASSERT_NE(freddie, nullptr);
  EXPECT_EQ(ClassOf(*freddie), "QAR");
  EXPECT_EQ(formNum, "2055");
  EXPECT_TRUE(ui.boxes.empty());
}

TEST_F(IncomingFormSelectionTest, NumbersAndAlternateFormsCompareExactly) {
  const struct {
    const char* formNum;
    const char* altForm;
    const char* named;  // how both messages name the form
  } kCases[] = {
      {" 1004", "", " 1004"},
      {"1004 ", "", "1004 "},
      {"orxdata", "", "orxdata"},
      {"", "", ""},
      {"9999", "FHLMC", "9999"},
      {"2055", "X", "2055:X"},
      {"2055", "fhlmc", "2055:fhlmc"},
      {"2055", " ", "2055: "},
      {"2055_woi", "", "2055_woi"},
  };
  std::vector<std::string> expectedBoxes;
  std::vector<LogLine> expectedLog;
  for (const auto& c : kCases) {
    SCOPED_TRACE(std::string(c.formNum) + "/" + c.altForm);
    std::string formNum = c.formNum;
    EXPECT_EQ(IncomingFormSelection(services, catalogue, targetFormDialog, formNum, c.altForm),
              nullptr);
    EXPECT_EQ(formNum, c.formNum);
    expectedBoxes.push_back(UnsupportedBox(c.named));
    expectedLog.push_back(UnsupportedLine(c.named));
  }
  EXPECT_EQ(Render(ui.boxes), expectedBoxes);
  EXPECT_EQ(LogLines(), expectedLog);
  // An empty number leaves two blanks together.
  EXPECT_EQ(ui.boxes[3].text, "This translator does not support the  form.");
}

TEST_F(IncomingFormSelectionTest, AHostileFormNumberIsShownShortAndOnOneLine) {
  // 60 MiB of form number (laying that out froze the window for minutes),
  // opening with a line break that would forge an entry of the log.
  const std::string forged = "1004\r\n12/10/2026 1:05:09 PM     ! forged";
  const std::string forgedShown = "1004\\r\\n12/10/2026 1:05:09 PM     ! forged";
  const std::string filler(60 * 1024 * 1024, 'X');
  const struct {
    std::string formNum, altForm, named;
  } kCases[] = {
      {forged + filler, "",
       forgedShown + std::string(kSenderTextLimit - forgedShown.size(), 'X') + "\xE2\x80\xA6 [cut: " +
           std::to_string(forged.size() + filler.size()) + " bytes in all]"},
      {"2055", "\nFHLMC", "2055:\\nFHLMC"},
  };
  std::vector<std::string> expectedBoxes;
  std::vector<LogLine> expectedLog;
  for (const auto& c : kCases) {
    std::string formNum = c.formNum;
    EXPECT_EQ(IncomingFormSelection(services, catalogue, targetFormDialog, formNum, c.altForm),
              nullptr);
    expectedBoxes.push_back(UnsupportedBox(c.named));
    expectedLog.push_back(UnsupportedLine(c.named));
  }
  EXPECT_EQ(Render(ui.boxes), expectedBoxes);
  EXPECT_EQ(LogLines(), expectedLog);
  EXPECT_LT(ui.boxes[0].text.size(), 2 * kSenderTextLimit);
}

TEST_F(IncomingFormSelectionTest, AnErrorIsReportedUnderItsPlaceAndCancelEndsTheSelection) {
  // Without a log the warning line fails; the box came first.
  services.log = nullptr;
  ui.AnswerBox(MsgResult::kOk);
  ui.AnswerBox(MsgResult::kCancel);
  std::string formNum = "9999";
  EXPECT_EQ(IncomingFormSelection(services, catalogue, targetFormDialog, formNum, ""), nullptr);
  EXPECT_EQ(Render(ui.boxes),
            (std::vector<std::string>{
                UnsupportedBox("9999"),
                ReporterBox("Error 91 in IncomingFormSelection:\n"
                            "Object variable or With block variable not set",
                            kAppTitle),
            }));
}

// A target-form dialog that fails as it is shown.
class FailingSelectorUi : public ScriptedUi {
 public:
  SelectorAnswer ShowSelector(const SelectorRequest&) override {
    throw Error(5, "Ombrel", "Invalid procedure call or argument");
  }
};

TEST_F(IncomingFormSelectionTest, AnErrorInTheDialogReachesTheSelectionsHandler) {
  FailingSelectorUi failing;
  services.ui = &failing;
  failing.AnswerBox(MsgResult::kRetry);
  std::string formNum = "ORXDATA";
  EXPECT_EQ(IncomingFormSelection(services, catalogue, targetFormDialog, formNum, ""), nullptr);
  EXPECT_EQ(Render(failing.boxes),
            (std::vector<std::string>{ReporterBox(
                "Error 5 in IncomingFormSelection:\nInvalid procedure call or argument",
                "Ombrel")}));
  EXPECT_EQ(LogLines(),
            (std::vector<LogLine>{ErrorLine("Error 5 in IncomingFormSelection [Ombrel]: "
                                            "Invalid procedure call or argument")}));
  services.ui = &ui;
}

// A translator that only a test's own catalogue lists.
class CatalogueOnlyTranslator final : public Translator {
 public:
  CatalogueOnlyTranslator() : Translator({"CatalogueOnly", "TEST", "TST", "TST.RPT"}) {}
  void EntrainMain() override {}
  void AppendAddenda() override {}
};

TEST_F(IncomingFormSelectionTest, TakesEveryTranslatorFromTheCatalogueItIsHanded) {
  static constexpr FactoryRow kRows[] = {
      {kTargetFormNumber, AltFormRule::kAny, "", "", "", nullptr},
      {"TEST", AltFormRule::kAny, "", "CatalogueOnly", "TST",
       &CreateTranslator<CatalogueOnlyTranslator>},
  };
  static constexpr TargetForm kForms[] = {
      {"TST", "CatalogueOnly", "TEST", &CreateTranslator<CatalogueOnlyTranslator>},
  };
  const TranslatorCatalogue own{kRows, kForms};
  Selector ownDialog(own.targetForms);

  std::string listed = "TEST";
  auto translator = IncomingFormSelection(services, own, ownDialog, listed, "");
  ASSERT_NE(translator, nullptr);
  EXPECT_EQ(ClassOf(*translator), "CatalogueOnly");

  // The program's own forms are unknown to a catalogue that does not list them.
  std::string unlisted = "1004";
  EXPECT_EQ(IncomingFormSelection(services, own, ownDialog, unlisted, ""), nullptr);
  EXPECT_EQ(Render(ui.boxes), (std::vector<std::string>{UnsupportedBox("1004")}));

  ui.AnswerSelector(0);
  std::string chosen = "ORXDATA";
  translator = IncomingFormSelection(services, own, ownDialog, chosen, "");
  ASSERT_NE(translator, nullptr);
  EXPECT_EQ(ClassOf(*translator), "CatalogueOnly");
  EXPECT_EQ(chosen, "TEST");
  ASSERT_EQ(ui.selectors.size(), 1u);
  EXPECT_EQ(ui.selectors[0].optionCaptions.size(), 1u);
}

}  // namespace
}  // namespace ombrel::testing::enginetest
