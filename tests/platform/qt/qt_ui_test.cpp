#include "platform/qt/qt_ui.h"

#include <functional>
#include <string>

#include <QAbstractButton>
#include <QDir>
#include <QFileDialog>
#include <QLabel>
#include <QMessageBox>
#include <QPushButton>
#include <QTimer>

#include <gtest/gtest.h>

#include "platform/errors/error.h"
#include "platform/qt/qt_about_box.h"
#include "platform/qt/qt_name_filters.h"
#include "platform/text/sender_text.h"
#include "support/qt_application.h"
#include "support/temp_dir.h"

namespace ombrel {
namespace {

using testing::TempDir;

// Runs act on the modal window once it is up, from inside its own event loop.
template <typename Window>
void WhenShown(std::function<void(Window*)> act) {
  QTimer::singleShot(0, [act] {
    auto* window = qobject_cast<Window*>(QApplication::activeModalWidget());
    ASSERT_NE(window, nullptr) << "no modal window of the expected kind";
    act(window);
  });
}

class QtUiTest : public ::testing::Test {
 protected:
  QtUiTest() { testing::TestApplication(); }
  QtUi ui;
};

TEST(QtNameFiltersTest, TurnsTheCommonDialogFilterIntoQtNameFilters) {
  struct Case {
    std::string filter;
    QStringList expected;
  };
  const Case cases[] = {
      {"Envelope Files|*.env|All Files|*.*", {"Envelope Files (*.env)", "All Files (*)"}},
      {"Appraisal Report|*.RPT|All Files|*.*", {"Appraisal Report (*.RPT)", "All Files (*)"}},
      {"Pictures|*.jpg;*.jpeg", {"Pictures (*.jpg *.jpeg)"}},
      {"Odd|*.x|Dangling", {"Odd (*.x)"}},
      {"", {}},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.filter);
    EXPECT_EQ(QtNameFilters(c.filter), c.expected);
  }
  EXPECT_EQ(QtDefaultSuffix("*.env"), QStringLiteral("env"));
  EXPECT_EQ(QtDefaultSuffix(".rpt"), QStringLiteral("rpt"));
  EXPECT_EQ(QtDefaultSuffix("rpt"), QStringLiteral("rpt"));
  EXPECT_EQ(QtDefaultSuffix("*.*"), QString());
  EXPECT_EQ(QtDefaultSuffix(""), QString());
}

TEST_F(QtUiTest, MessageBoxShowsTextIconTitleAndButtons) {
  struct Case {
    MsgButtons buttons;
    MsgIcon icon;
    QMessageBox::StandardButtons qtButtons;
    QMessageBox::Icon qtIcon;
    QMessageBox::StandardButton press;
    MsgResult expected;
  };
  const Case cases[] = {
      {MsgButtons::kOk, MsgIcon::kNone, QMessageBox::Ok, QMessageBox::NoIcon, QMessageBox::Ok,
       MsgResult::kOk},
      {MsgButtons::kOk, MsgIcon::kCritical, QMessageBox::Ok, QMessageBox::Critical,
       QMessageBox::Ok, MsgResult::kOk},
      {MsgButtons::kRetryCancel, MsgIcon::kInformation, QMessageBox::Retry | QMessageBox::Cancel,
       QMessageBox::Information, QMessageBox::Retry, MsgResult::kRetry},
      {MsgButtons::kRetryCancel, MsgIcon::kInformation, QMessageBox::Retry | QMessageBox::Cancel,
       QMessageBox::Information, QMessageBox::Cancel, MsgResult::kCancel},
      {MsgButtons::kYesNo, MsgIcon::kQuestion, QMessageBox::Yes | QMessageBox::No,
       QMessageBox::Question, QMessageBox::No, MsgResult::kNo},
      {MsgButtons::kYesNo, MsgIcon::kQuestion, QMessageBox::Yes | QMessageBox::No,
       QMessageBox::Question, QMessageBox::Yes, MsgResult::kYes},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(static_cast<int>(c.press));
    QString text, title;
    QMessageBox::StandardButtons shownButtons;
    QMessageBox::Icon shownIcon = QMessageBox::NoIcon;
    WhenShown<QMessageBox>([&](QMessageBox* box) {
      text = box->text();
      title = box->windowTitle();
      shownButtons = box->standardButtons();
      shownIcon = box->icon();
      box->button(c.press)->click();
    });
    // Text that looks like markup is shown as it is.
    EXPECT_EQ(ui.MessageBox("Error 58 in Open:\n<b>x</b>", c.buttons, c.icon,
                            "Scripting.FileSystemObject"),
              c.expected);
    EXPECT_EQ(text, QStringLiteral("Error 58 in Open:\n<b>x</b>"));
    EXPECT_EQ(title, QStringLiteral("Scripting.FileSystemObject"));
    EXPECT_EQ(shownButtons, c.qtButtons);
    EXPECT_EQ(shownIcon, c.qtIcon);
  }
}

// The box for an unsupported 60 MiB form number, as the engine words it:
// the real box is up and shows the number cut short, not sixty megabytes to
// lay out.
TEST_F(QtUiTest, TheBoxForAHugeFormNumberShowsItCut) {
  const std::string formNumber(60 * 1024 * 1024, '9');
  bool shown = false;
  QString text;
  WhenShown<QMessageBox>([&](QMessageBox* box) {
    shown = box->isVisible();
    text = box->text();
    box->button(QMessageBox::Ok)->click();
  });
  ui.MessageBox("This translator does not support the " + SenderText(formNumber) + " form.",
                MsgButtons::kOk, MsgIcon::kInformation, "Ombrel");
  EXPECT_TRUE(shown);
  EXPECT_EQ(text.toStdString(), "This translator does not support the " + std::string(kSenderTextLimit, '9') +
                                    "\xE2\x80\xA6 [cut: 62914560 bytes in all] form.");
}

TEST_F(QtUiTest, AMessageBoxClosedOtherwiseAnswersItsEscapeButton) {
  WhenShown<QMessageBox>([](QMessageBox* box) { box->reject(); });
  EXPECT_EQ(ui.MessageBox("?", MsgButtons::kRetryCancel, MsgIcon::kInformation, "t"),
            MsgResult::kCancel);
  WhenShown<QMessageBox>([](QMessageBox* box) { box->reject(); });
  EXPECT_EQ(ui.MessageBox("?", MsgButtons::kYesNo, MsgIcon::kQuestion, "t"), MsgResult::kNo);
}

TEST_F(QtUiTest, TheOpenDialogIsSetUpFromTheCommonDialogProperties) {
  TempDir dir;
  const std::string envelope = dir.Write("order.env", "x");
  CommonDialog properties;
  properties.DialogTitle = "Open envelope file...";
  properties.Filter = "Envelope Files|*.env|All Files|*.*";
  properties.DefaultExt = "*.env";
  properties.InitDir = dir.str();
  properties.FileName = "MY.ENV";
  properties.Flags = cdl::kFileMustExist | cdl::kNoChangeDir | cdl::kHideReadOnly;

  WhenShown<QFileDialog>([&](QFileDialog* dialog) {
    EXPECT_EQ(dialog->windowTitle(), QStringLiteral("Open envelope file..."));
    EXPECT_EQ(dialog->acceptMode(), QFileDialog::AcceptOpen);
    EXPECT_EQ(dialog->fileMode(), QFileDialog::ExistingFile);
    EXPECT_EQ(dialog->nameFilters(),
              (QStringList{"Envelope Files (*.env)", "All Files (*)"}));
    EXPECT_EQ(dialog->defaultSuffix(), QStringLiteral("env"));
    EXPECT_EQ(QDir(dialog->directory()).canonicalPath(),
              QDir(QString::fromStdString(dir.str())).canonicalPath());
    dialog->selectFile(QString::fromStdString(envelope));
    static_cast<QDialog*>(dialog)->accept();  // QFileDialog::accept checks the choice
  });
  ui.ShowOpen(properties);
  EXPECT_EQ(properties.FileName, envelope);
}

TEST_F(QtUiTest, CancellingEitherDialogRaisesTheCancelError) {
  for (bool save : {false, true}) {
    SCOPED_TRACE(save ? "Save" : "Open");
    CommonDialog properties;
    properties.DialogTitle = "t";
    properties.FileName = "kept";
    WhenShown<QFileDialog>([](QFileDialog* dialog) { dialog->reject(); });
    try {
      save ? ui.ShowSave(properties) : ui.ShowOpen(properties);
      ADD_FAILURE() << "no error raised";
    } catch (const Error& error) {
      EXPECT_EQ(error.number(), 32755);
      EXPECT_EQ(error.source(), "MSComDlg.CommonDialog");
    }
    EXPECT_EQ(properties.FileName, "kept");
  }
}

TEST_F(QtUiTest, TheSaveDialogAsksBeforeOverwritingOnlyWhenTheFlagsSaySo) {
  TempDir dir;
  for (bool prompt : {true, false}) {
    SCOPED_TRACE(prompt ? "with the prompt" : "without");
    CommonDialog properties;
    properties.DialogTitle = "Save Report As...";
    properties.Filter = "Appraisal Report|*.RPT|All Files|*.*";
    properties.DefaultExt = "*.rpt";
    properties.InitDir = dir.str();
    properties.FileName = "Main St";
    properties.Flags = cdl::kLongNames | cdl::kPathMustExist | cdl::kNoChangeDir |
                       cdl::kHideReadOnly | (prompt ? cdl::kOverwritePrompt : 0);
    WhenShown<QFileDialog>([&](QFileDialog* dialog) {
      EXPECT_EQ(dialog->acceptMode(), QFileDialog::AcceptSave);
      EXPECT_EQ(dialog->fileMode(), QFileDialog::AnyFile);
      EXPECT_EQ(dialog->testOption(QFileDialog::DontConfirmOverwrite), !prompt);
      EXPECT_EQ(dialog->defaultSuffix(), QStringLiteral("rpt"));
      dialog->selectFile(QString::fromStdString(dir.File("Main St.rpt")));
      static_cast<QDialog*>(dialog)->accept();  // QFileDialog::accept checks the choice
    });
    ui.ShowSave(properties);
    EXPECT_EQ(properties.FileName, dir.File("Main St.rpt"));
  }
}

TEST_F(QtUiTest, TheSaveDialogRefusesAPathInAMissingFolder) {
  TempDir dir;
  CommonDialog properties;
  properties.DialogTitle = "Save Report As...";
  properties.InitDir = dir.str();
  properties.Flags = cdl::kPathMustExist | cdl::kOverwritePrompt;
  QString warning;
  bool dialogStillUp = false;
  WhenShown<QFileDialog>([&](QFileDialog* dialog) {
    // The user types a name in a folder that does not exist and presses Save;
    // a warning comes up, then the user gives up.
    WhenShown<QMessageBox>([&](QMessageBox* box) {
      warning = box->text();
      box->button(QMessageBox::Ok)->click();
      WhenShown<QFileDialog>([&](QFileDialog* again) {
        dialogStillUp = true;
        again->reject();
      });
    });
    dialog->selectFile(QString::fromStdString(dir.File("missing/Main St.rpt")));
    static_cast<QDialog*>(dialog)->accept();
  });
  EXPECT_THROW(ui.ShowSave(properties), Error);
  EXPECT_FALSE(warning.isEmpty());
  EXPECT_TRUE(dialogStillUp);
  EXPECT_EQ(properties.FileName, "");
}

TEST_F(QtUiTest, TheAboutBoxShowsItsTextsAndRunsSystemInfo) {
  AboutContent content{"About Ombrel", "Ombrel", "Version 1.2.3", "September 13, 2002",
                       "Ombrel unpacks envelope files.", "Notice."};
  int systemInfoPresses = 0;
  bool stillOpenAfterSystemInfo = false;
  QString caption, version, date, description, disclaimer, sysInfoText;
  WhenShown<QDialog>([&](QDialog* box) {
    caption = box->windowTitle();
    version = box->findChild<QLabel*>("lblVersion")->text();
    date = box->findChild<QLabel*>("lblDate")->text();
    description = box->findChild<QLabel*>("lblDescription")->text();
    disclaimer = box->findChild<QLabel*>("lblDisclaimer")->text();
    auto* sysInfo = box->findChild<QPushButton*>("cmdSysInfo");
    sysInfoText = sysInfo->text();
    sysInfo->click();
    stillOpenAfterSystemInfo = box->isVisible();
    box->findChild<QPushButton*>("cmdOK")->click();
  });
  ui.ShowAbout(content, [&] { ++systemInfoPresses; });
  EXPECT_EQ(caption, QStringLiteral("About Ombrel"));
  EXPECT_EQ(version, QStringLiteral("Version 1.2.3"));
  EXPECT_EQ(date, QStringLiteral("September 13, 2002"));
  EXPECT_EQ(description, QStringLiteral("Ombrel unpacks envelope files."));
  EXPECT_EQ(disclaimer, QStringLiteral("Notice."));
  EXPECT_EQ(sysInfoText, QStringLiteral("&System Info..."));
  EXPECT_EQ(systemInfoPresses, 1);
  EXPECT_TRUE(stillOpenAfterSystemInfo);
}

TEST_F(QtUiTest, WithoutASelectorTheTargetFormDialogCountsAsClosed) {
  EXPECT_EQ(ui.ShowSelector(SelectorRequest{}).index, SelectorAnswer::kClosed);
  int asked = 0;
  ui.SetSelector([&](const SelectorRequest&, QWidget*) {
    ++asked;
    return SelectorAnswer{5};
  });
  EXPECT_EQ(ui.ShowSelector(SelectorRequest{}).index, 5);
  EXPECT_EQ(asked, 1);
}

}  // namespace
}  // namespace ombrel
