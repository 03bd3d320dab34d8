#include "shell/qt/main_window.h"

#include <memory>
#include <optional>
#include <string>

#include <QAction>
#include <QGroupBox>
#include <QMenu>
#include <QMenuBar>
#include <QStatusBar>
#include <QToolBar>
#include <QToolButton>

#include <gtest/gtest.h>

#include "platform/components.h"
#include "shell/main_form.h"
#include "support/qt_application.h"
#include "support/scripted_ui.h"

namespace ombrel {
namespace {

using testing::ScriptedUi;

// While the Open dialog is up, the user tries the button and the menu again.
class ImpatientUi : public ScriptedUi {
 public:
  void ShowOpen(CommonDialog& dialog) override {
    if (window != nullptr) {
      enabledDuringStep = window->centralWidget()->isEnabled() || window->menuBar()->isEnabled();
      window->findChild<QToolButton*>(QStringLiteral("Open"))->click();
      window->findChild<QAction*>(QStringLiteral("mnuAbout"))->trigger();
    }
    ScriptedUi::ShowOpen(dialog);
  }
  QMainWindow* window = nullptr;
  bool enabledDuringStep = true;
};

class MainWindowTest : public ::testing::Test {
 protected:
  MainWindowTest() { testing::TestApplication(); }

  MainServices WindowServices() {
    MainServices services;
    services.ui = &ui;
    services.components = components.get();
    return services;
  }

  std::unique_ptr<ComponentFactory> components = CreateRealComponents();
  ImpatientUi ui;
  Main main{WindowServices()};
};

TEST_F(MainWindowTest, ShowsExactlyTheDesignedControls) {
  MainWindow window(main);
  EXPECT_EQ(window.windowTitle(), QStringLiteral("Tessarine"));

  const auto frames = window.findChildren<QGroupBox*>();
  ASSERT_EQ(frames.size(), 1);
  EXPECT_EQ(frames[0]->objectName(), QStringLiteral("Frame1"));
  EXPECT_EQ(frames[0]->title(), QStringLiteral("Envelope Converter"));

  const auto buttons = window.findChildren<QToolButton*>(Qt::FindDirectChildrenOnly);
  EXPECT_TRUE(buttons.isEmpty());
  const auto frameButtons = frames[0]->findChildren<QToolButton*>();
  ASSERT_EQ(frameButtons.size(), 1);
  const QToolButton* open = frameButtons[0];
  EXPECT_EQ(open->objectName(), QStringLiteral("Open"));
  EXPECT_EQ(open->text(), QStringLiteral("Create a report from an envelope file"));
  EXPECT_EQ(open->toolTip(), QStringLiteral("Make a report from an envelope file"));
  EXPECT_EQ(open->toolButtonStyle(), Qt::ToolButtonTextUnderIcon);
  EXPECT_FALSE(open->icon().isNull());

  const auto menus = window.menuBar()->actions();
  ASSERT_EQ(menus.size(), 1);
  EXPECT_EQ(menus[0]->text(), QStringLiteral("&Help"));
  ASSERT_NE(menus[0]->menu(), nullptr);
  const auto entries = menus[0]->menu()->actions();
  ASSERT_EQ(entries.size(), 1);
  EXPECT_EQ(entries[0]->text(), QStringLiteral("&About"));

  EXPECT_TRUE(window.findChildren<QToolBar*>().isEmpty());
  EXPECT_TRUE(window.findChildren<QStatusBar*>().isEmpty());
}

TEST_F(MainWindowTest, TheButtonRunsTheEnvelopeStepAndTheMenuTheAboutBox) {
  MainWindow window(main);
  ui.AnswerDialog(std::nullopt);
  window.findChild<QToolButton*>(QStringLiteral("Open"))->click();
  ASSERT_EQ(ui.dialogs.size(), 1U);
  EXPECT_EQ(ui.dialogs[0].properties.DialogTitle, "Open envelope file...");
  EXPECT_TRUE(ui.boxes.empty());

  ui.AnswerAbout(false);
  window.findChild<QAction*>(QStringLiteral("mnuAbout"))->trigger();
  ASSERT_EQ(ui.abouts.size(), 1U);
  EXPECT_EQ(ui.abouts[0].caption, "About Ombrel");
}

TEST_F(MainWindowTest, WhileAStepRunsTheWindowTakesNoOtherInput) {
  MainWindow window(main);
  ui.window = &window;
  ui.AnswerDialog(std::nullopt);
  window.findChild<QToolButton*>(QStringLiteral("Open"))->click();
  EXPECT_EQ(ui.dialogs.size(), 1U);  // the second press did not start another step
  EXPECT_TRUE(ui.abouts.empty());
  EXPECT_FALSE(ui.enabledDuringStep);
  EXPECT_TRUE(window.centralWidget()->isEnabled());  // and afterwards it takes input again
  EXPECT_TRUE(window.menuBar()->isEnabled());
}

}  // namespace
}  // namespace ombrel
