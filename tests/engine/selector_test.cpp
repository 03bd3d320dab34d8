// The target-form dialog: its geometry in twips, its captions from QOR.INI,
// the choice and what is remembered of it within a run.
#include <string>

#include <gtest/gtest.h>

#include "engine/incoming_form_selection.h"
#include "engine/selector.h"
#include "engine/selector_layout.h"
#include "engine_fixture.h"
#include "translators/target_forms.h"

namespace ombrel::testing::enginetest {
namespace {

TEST(SelectorLayoutTest, PlacesNineteenOptionsAFrameAndTheButton) {
  std::vector<int32_t> widths(19, 900);
  widths[7] = 1500;  // the widest caption decides every option's width
  const SelectorLayout layout = LayoutSelector(widths, 0, 15360, 11520);

  ASSERT_EQ(layout.options.size(), 19u);
  for (std::size_t i = 0; i < layout.options.size(); ++i) {
    SCOPED_TRACE(i);
    EXPECT_EQ(layout.options[i], (TwipsRect{120, 240 + 420 * static_cast<int32_t>(i), 1860, 360}));
  }
  EXPECT_EQ(layout.options.back().top, 7800);
  EXPECT_EQ(layout.frame, (TwipsRect{60, 60, 2100, 8220}));
  EXPECT_EQ(layout.okay, (TwipsRect{2460, 240, 960, 480}));
  EXPECT_EQ(layout.dialog.width, 1860 + 1920);
  EXPECT_EQ(layout.dialog.height, 8340);
  EXPECT_EQ(layout.dialog.left, (15360 - 3780) / 2);
  EXPECT_EQ(layout.dialog.top, (11520 - 8340) / 2);
}

TEST(SelectorLayoutTest, TheWindowsBorderAddsToTheHeightOnly) {
  const SelectorLayout layout = LayoutSelector(std::vector<int32_t>(19, 0), 405, 15360, 11520);
  EXPECT_EQ(layout.options[0].width, 360);  // no captions: the bare option
  EXPECT_EQ(layout.dialog.width, 2280);
  EXPECT_EQ(layout.dialog.height, 405 + 8340);
  EXPECT_EQ(layout.frame.height, 8220);
}

TEST(SelectorLayoutTest, CentringHalvesByIntegerDivisionTowardZero) {
  const struct {
    int32_t screenWidth, screenHeight, left, top;
  } kCases[] = {
      {15360, 11520, 5790, 1590},
      {15361, 11521, 5790, 1590},  // odd differences lose their remainder
      {3780, 8340, 0, 0},
      {3000, 8000, -390, -170},    // a screen smaller than the dialog
      {2999, 7999, -390, -170},    // -781 / 2 and -341 / 2 toward zero
  };
  for (const auto& c : kCases) {
    SCOPED_TRACE(std::to_string(c.screenWidth) + "x" + std::to_string(c.screenHeight));
    const SelectorLayout layout =
        LayoutSelector(std::vector<int32_t>(19, 1500), 0, c.screenWidth, c.screenHeight);
    EXPECT_EQ(layout.dialog.width, 3780);
    EXPECT_EQ(layout.dialog.left, c.left);
    EXPECT_EQ(layout.dialog.top, c.top);
  }
}

class SelectTargetFormTest : public EngineTest {
 protected:
  std::unique_ptr<FormTranslator> Select(std::string& formNum) {
    return IncomingFormSelection(services, catalogue, targetFormDialog, formNum, "");
  }
};

TEST_F(SelectTargetFormTest, CaptionsComeFromDescriptionsAndTheLayoutFromTheirWidths) {
  WriteDescriptions({{"UA2", "Uniform Residential Appraisal Report"}, {"QAR", "  Quantitative  "},
                     {"VIE", "Valuation"}});
  ui.AnswerSelector(0);
  std::string formNum = "ORXDATA";
  Select(formNum);

  ASSERT_EQ(ui.selectors.size(), 1u);
  const SelectorRequest& request = ui.selectors[0];
  EXPECT_EQ(request.caption, "Select a Target Form");
  EXPECT_EQ(request.frameCaption, "Available Forms");
  ASSERT_EQ(request.optionCaptions.size(), 19u);
  EXPECT_EQ(request.optionCaptions[0], "Uniform Residential Appraisal Report");
  EXPECT_EQ(request.optionCaptions[5], "Quantitative");
  EXPECT_EQ(request.optionCaptions[18], "Valuation");
  EXPECT_EQ(request.optionCaptions[1], "");  // no key for "MUL"
  EXPECT_EQ(request.defaultIndex, 0);

  // The scripted window measures 120 twips a character.
  ASSERT_EQ(ui.selectorLayouts.size(), 1u);
  const SelectorLayout& layout = ui.selectorLayouts[0];
  EXPECT_EQ(layout.options[0].width, 36 * 120 + 360);
  EXPECT_EQ(layout.dialog.width, 36 * 120 + 360 + 1920);
  EXPECT_EQ(layout.dialog.left, (1024 * 15 - layout.dialog.width) / 2);
}

TEST_F(SelectTargetFormTest, WithoutDescriptionsEveryOptionIsBare) {
  ui.AnswerSelector(0);
  std::string formNum = "ORXDATA";
  Select(formNum);
  ASSERT_EQ(ui.selectors.size(), 1u);
  EXPECT_EQ(ui.selectors[0].optionCaptions, std::vector<std::string>(19, ""));
  ASSERT_EQ(ui.selectorLayouts.size(), 1u);
  EXPECT_EQ(ui.selectorLayouts[0].options[0].width, 360);
  EXPECT_EQ(ui.selectorLayouts[0].options.size(), 19u);
}

TEST_F(SelectTargetFormTest, EveryCodeCreatesItsTranslatorAndHandsBackItsNumber) {
  const auto forms = TargetForms();
  ASSERT_EQ(forms.size(), 19u);
  for (std::size_t i = 0; i < forms.size(); ++i) {
    const TargetForm& form = forms[i];
    SCOPED_TRACE(std::string(form.code));
    ui.AnswerSelector(static_cast<int32_t>(i));
    std::string formNum = "ORXDATA";
    auto translator = Select(formNum);
    ASSERT_NE(translator, nullptr);
    EXPECT_EQ(translator->FormName(), form.code);
    EXPECT_EQ(translator->FormNumber(), form.formNumber);
    EXPECT_EQ(formNum, form.formNumber);
  }
  EXPECT_TRUE(ui.boxes.empty());
  EXPECT_TRUE(LogLines().empty());
}

TEST_F(SelectTargetFormTest, QarLeaves2055InTheCallersNumber) {
  ui.AnswerSelector(5);
  std::string formNum = "ORXDATA";
  auto translator = Select(formNum);
  ASSERT_NE(translator, nullptr);
  EXPECT_EQ(translator->FormName(), "QAR");
  EXPECT_EQ(formNum, "2055");
}

TEST_F(SelectTargetFormTest, TheDialogIsBuiltOnceAndTheLastChoiceIsTheNextDefault) {
  WriteDescriptions({{"UA2", "Residential"}});
  ui.AnswerSelector(0);  // "O&k" without a click: the default, "UA2"
  ui.AnswerSelector(2);
  ui.AnswerSelector(SelectorAnswer::kClosed);
  ui.AnswerSelector(4);

  std::string first = "ORXDATA";
  EXPECT_EQ(Select(first)->FormName(), "UA2");
  // QOR.INI is not read again for a later showing.
  WriteDescriptions({{"UA2", "Something else"}});
  std::string second = "ORXDATA";
  EXPECT_EQ(Select(second)->FormName(), "CN2");
  std::string closed = "ORXDATA";
  EXPECT_EQ(Select(closed), nullptr);
  std::string fourth = "ORXDATA";
  EXPECT_EQ(Select(fourth)->FormName(), "DUQ");

  ASSERT_EQ(ui.selectors.size(), 4u);
  EXPECT_EQ(ui.selectors[0].defaultIndex, 0);
  EXPECT_EQ(ui.selectors[1].defaultIndex, 0);
  EXPECT_EQ(ui.selectors[2].defaultIndex, 2);
  EXPECT_EQ(ui.selectors[3].defaultIndex, 2);  // closing chose nothing
  for (const SelectorRequest& request : ui.selectors) {
    EXPECT_EQ(request.optionCaptions[0], "Residential");
  }
  EXPECT_TRUE(static_cast<bool>(ui.selectors[0].build));
  EXPECT_FALSE(static_cast<bool>(ui.selectors[1].build));
  EXPECT_EQ(ui.selectorLayouts.size(), 1u);
  EXPECT_EQ(targetFormDialog.SelectedItem(), 4);
}

TEST_F(SelectTargetFormTest, ClosingTheDialogIsNoChoiceAndShowsNothing) {
  ui.AnswerSelector(SelectorAnswer::kClosed);
  std::string formNum = "ORXDATA";
  EXPECT_EQ(Select(formNum), nullptr);
  EXPECT_EQ(formNum, "Invalid");
  EXPECT_TRUE(ui.boxes.empty());
  EXPECT_TRUE(LogLines().empty());
}

TEST_F(SelectTargetFormTest, AnAnswerNamingNoOptionIsReportedByTheSelection) {
  ui.AnswerSelector(19);
  ui.AnswerBox(MsgResult::kRetry);
  std::string formNum = "ORXDATA";
  EXPECT_EQ(Select(formNum), nullptr);
  EXPECT_EQ(Render(ui.boxes), (std::vector<std::string>{ReporterBox(
                                  "Error 9 in IncomingFormSelection:\nSubscript out of range",
                                  "Ombrel")}));
  EXPECT_EQ(targetFormDialog.SelectedItem(), 0);
}

}  // namespace
}  // namespace ombrel::testing::enginetest
