// The Qt target-form dialog: built once from the engine's layout, answered by
// its button or closed with its close box, kept with its last choice.
#include "engine/qt/selector_dialog.h"

#include <functional>
#include <string>

#include <QGroupBox>
#include <QPushButton>
#include <QRadioButton>
#include <QTimer>

#include <gtest/gtest.h>

#include "engine/selector_layout.h"
#include "support/qt_application.h"

namespace ombrel {
namespace {

// Runs action once the dialog's modal loop has started.
void WhenShown(std::function<void()> action) { QTimer::singleShot(0, std::move(action)); }

class SelectorDialogTest : public ::testing::Test {
 protected:
  SelectorDialogTest() {
    request.caption = "Select a Target Form";
    request.frameCaption = "Available Forms";
    for (int i = 0; i < 19; ++i) request.optionCaptions.push_back("Form " + std::to_string(i));
    request.optionCaptions[4] = "A much longer caption than the others";
    request.build = [this](const SelectorMetrics& metrics) {
      ++builds;
      measured = metrics;
      std::vector<int32_t> widths;
      for (const std::string& caption : request.optionCaptions) {
        widths.push_back(metrics.textWidth(caption));
      }
      layout = LayoutSelector(widths, metrics.borderHeight, metrics.screenWidth,
                              metrics.screenHeight);
      return layout;
    };
  }

  QApplication& application = testing::TestApplication();  // before any widget
  SelectorRequest request;
  SelectorDialog dialog;
  int builds = 0;
  SelectorMetrics measured;
  SelectorLayout layout;
};

TEST_F(SelectorDialogTest, IsBuiltFromTheEnginesLayoutAtFifteenTwipsAPixel) {
  WhenShown([this] { dialog.okay()->click(); });
  EXPECT_EQ(dialog.Choose(request).index, 0);

  EXPECT_EQ(builds, 1);
  EXPECT_EQ(dialog.windowTitle(), "Select a Target Form");
  EXPECT_EQ(dialog.frame()->title(), "Available Forms");
  EXPECT_EQ(dialog.okay()->text(), "O&k");
  ASSERT_EQ(dialog.options().size(), 19u);
  EXPECT_EQ(dialog.options()[4]->text(), "A much longer caption than the others");

  // Captions are measured in the dialog's font: the long one is the widest.
  EXPECT_GT(measured.textWidth("A much longer caption than the others"),
            measured.textWidth("Form 1"));
  EXPECT_EQ(measured.textWidth(""), 0);
  EXPECT_GT(measured.screenWidth, 0);

  for (std::size_t i = 0; i < 19; ++i) {
    SCOPED_TRACE(i);
    const QRect geometry = dialog.options()[i]->geometry();
    EXPECT_EQ(geometry.left(), 8);                       // 120 twips
    EXPECT_EQ(geometry.top(), 16 + 28 * static_cast<int>(i));  // 240 + 420 i
    EXPECT_EQ(geometry.height(), 24);                    // 360
    EXPECT_EQ(geometry.width(), SelectorDialog::TwipsToPixels(layout.options[0].width));
  }
  EXPECT_EQ(dialog.frame()->geometry(), QRect(4, 4, SelectorDialog::TwipsToPixels(layout.frame.width), 548));
  EXPECT_EQ(dialog.okay()->geometry().size(), QSize(64, 32));
  EXPECT_EQ(dialog.okay()->geometry().left(), SelectorDialog::TwipsToPixels(layout.okay.left));
  EXPECT_EQ(dialog.minimumSize(), dialog.maximumSize());  // not resizable
  EXPECT_FALSE(dialog.isVisible());                       // hidden after use
}

TEST_F(SelectorDialogTest, AnswersTheCheckedOptionAndKeepsItForTheNextShowing) {
  WhenShown([this] {
    dialog.options()[7]->click();
    dialog.okay()->click();
  });
  EXPECT_EQ(dialog.Choose(request).index, 7);

  // The engine asks again with the last choice as default and no build.
  const QRadioButton* seventh = dialog.options()[7];
  request.defaultIndex = 7;
  request.build = nullptr;
  WhenShown([this] { dialog.okay()->click(); });
  EXPECT_EQ(dialog.Choose(request).index, 7);
  EXPECT_EQ(dialog.options()[7], seventh);
  EXPECT_EQ(builds, 1);
}

TEST_F(SelectorDialogTest, TheCloseBoxIsNoChoice) {
  WhenShown([this] {
    dialog.options()[3]->click();
    dialog.close();
  });
  EXPECT_EQ(dialog.Choose(request).index, SelectorAnswer::kClosed);
  EXPECT_FALSE(dialog.isVisible());
  // Still built for the next showing.
  EXPECT_EQ(dialog.options().size(), 19u);
}

TEST(SelectorDialogPixelsTest, RoundsTwipsToTheNearestPixel) {
  EXPECT_EQ(SelectorDialog::TwipsToPixels(0), 0);
  EXPECT_EQ(SelectorDialog::TwipsToPixels(15), 1);
  EXPECT_EQ(SelectorDialog::TwipsToPixels(8220), 548);
  EXPECT_EQ(SelectorDialog::TwipsToPixels(7), 0);
  EXPECT_EQ(SelectorDialog::TwipsToPixels(8), 1);
  EXPECT_EQ(SelectorDialog::TwipsToPixels(-390), -26);
}

}  // namespace
}  // namespace ombrel
