#include "services/file_dialogs.h"

#include <memory>
#include <optional>
#include <string>

#include <gtest/gtest.h>

#include "platform/errors/error.h"
#include "services/engine_services.h"
#include "support/hooked_ui.h"
#include "support/pinned_clock.h"
#include "support/temp_dir.h"
#include "support/turkish_locale.h"

namespace ombrel {
namespace {

using testing::HookedUi;
using testing::PinnedClock;
using testing::ShownDialog;
using testing::TempDir;

// A scripted UI whose next file dialog fails with an error other than cancel.
class FailingDialogUi : public HookedUi {
 public:
  void ShowOpen(CommonDialog& dialog) override {
    if (failures > 0) {
      --failures;
      dialogs.push_back({ShownDialog::kOpen, dialog});
      throw Error(err::kPathNotFound, "MSComDlg.CommonDialog", "Path not found: /gone");
    }
    HookedUi::ShowOpen(dialog);
  }
  void ShowSave(CommonDialog& dialog) override {
    if (failures > 0) {
      --failures;
      dialogs.push_back({ShownDialog::kSave, dialog});
      throw Error(err::kPathNotFound, "MSComDlg.CommonDialog", "Path not found: /gone");
    }
    HookedUi::ShowSave(dialog);
  }
  int failures = 0;
};

class FileDialogsTest : public ::testing::Test {
 protected:
  FileDialogsTest() {
    log_ = std::make_unique<Logger>(
        services, std::make_unique<PinnedClock>(std::make_shared<DateTime>(testing::TestNow())),
        CreateLocalFileSystem());
    services.ui = &ui;
    services.log = log_.get();
    log_->StartLogging(dir.File("Ombrel.LOG"), 2);
  }

  std::string Log() const { return dir.Read("Ombrel.LOG"); }

  TempDir dir;
  FailingDialogUi ui;
  EngineServices services;

 private:
  std::unique_ptr<Logger> log_;
};

const std::string kStartLine = "12/10/2026 1:05:09 PM    " + std::string("   ->\r\n");

TEST_F(FileDialogsTest, FindFileShowsTheOpenDialogAsTheEnvelopeStepAsks) {
  ui.AnswerDialog("/orders/XML/order.env");
  EXPECT_EQ(FindFile(services, "envelope", "Envelope Files|*.env|All Files|*.*", "*.env", "/orders/XML/",
                     "MY.ENV"),
            "/orders/XML/order.env");
  ASSERT_EQ(ui.dialogs.size(), 1U);
  const ShownDialog& shown = ui.dialogs[0];
  EXPECT_EQ(shown.kind, ShownDialog::kOpen);
  EXPECT_EQ(shown.properties.DialogTitle, "Open envelope file...");
  EXPECT_EQ(shown.properties.Filter, "Envelope Files|*.env|All Files|*.*");
  EXPECT_EQ(shown.properties.DefaultExt, "*.env");
  EXPECT_EQ(shown.properties.InitDir, "/orders/XML/");
  EXPECT_EQ(shown.properties.FileName, "MY.ENV");
  EXPECT_EQ(shown.properties.Flags, 0x100C);
  EXPECT_TRUE(ui.boxes.empty());
}

// The same title in the user's locale, whatever it is: in a Turkish one the
// C library's toupper('i') is not 'I' and its tolower('I') not 'i'.
TEST_F(FileDialogsTest, SaveFileTitlesTheKindInProperCaseInEveryLocale) {
  struct Case {
    std::string fileType, title;
  };
  const Case cases[] = {
      {"report", "Save Report As..."},
      {"REPORT", "Save Report As..."},
      {"appraisal rePORT", "Save Appraisal Report As..."},
      {"", "Save  As..."},
      {"invoice", "Save Invoice As..."},
      {"INVOICE ITEMS", "Save Invoice Items As..."},
      {"site\tplan", "Save Site\tPlan As..."},
  };
  for (const bool turkish : {false, true}) {
    SCOPED_TRACE(turkish ? "Turkish locale" : "C locale");
    std::optional<testing::TurkishLocale> locale;
    if (turkish) {
      locale.emplace();
      ASSERT_TRUE(locale->active()) << testing::TurkishLocale::kMissing;
    }
    for (const Case& c : cases) {
      SCOPED_TRACE(c.fileType);
      ui.AnswerDialog("/corvana/DATA/Main St.RPT");
      EXPECT_EQ(SaveFile(services, c.fileType, "Appraisal Report|*.RPT|All Files|*.*", "*.rpt",
                         "/corvana/DATA/", "Main St"),
                "/corvana/DATA/Main St.RPT");
      const ShownDialog& shown = ui.dialogs.back();
      EXPECT_EQ(shown.kind, ShownDialog::kSave);
      EXPECT_EQ(shown.properties.DialogTitle, c.title);
      EXPECT_EQ(shown.properties.Filter, "Appraisal Report|*.RPT|All Files|*.*");
      EXPECT_EQ(shown.properties.DefaultExt, "*.rpt");
      EXPECT_EQ(shown.properties.InitDir, "/corvana/DATA/");
      EXPECT_EQ(shown.properties.FileName, "Main St");
      EXPECT_EQ(shown.properties.Flags, 0x20080E);
    }
  }
}

TEST_F(FileDialogsTest, CancelGivesAnEmptyPathWithNothingShownOrLogged) {
  ui.AnswerDialog(std::nullopt);
  ui.AnswerDialog(std::nullopt);
  EXPECT_EQ(FindFile(services, "envelope", "Envelope Files|*.env", "*.env", "/x/", "MY.ENV"), "");
  EXPECT_EQ(SaveFile(services, "report", "Appraisal Report|*.RPT", "*.rpt", "/x/", "a"), "");
  EXPECT_EQ(ui.dialogs.size(), 2U);
  EXPECT_TRUE(ui.boxes.empty());
  EXPECT_EQ(Log(), kStartLine);
}

TEST_F(FileDialogsTest, AnotherErrorIsReportedUnderTheFunctionsPlace) {
  struct Case {
    bool save;
    std::string place;
  };
  for (const Case& c : {Case{false, "FindFile"}, Case{true, "SaveFile"}}) {
    SCOPED_TRACE(c.place);
    auto show = [&] {
      return c.save ? SaveFile(services, "report", "Appraisal Report|*.RPT", "*.rpt", "/x/", "a")
                    : FindFile(services, "envelope", "Envelope Files|*.env", "*.env", "/x/", "MY.ENV");
    };
    // Cancel in the error box: the function gives up with "".
    ui.boxes.clear();
    ui.dialogs.clear();
    ui.failures = 1;
    ui.AnswerBox(MsgResult::kCancel);
    EXPECT_EQ(show(), "");
    ASSERT_EQ(ui.boxes.size(), 1U);
    EXPECT_EQ(ui.boxes[0].text, "Error 76 in " + c.place + ":\nPath not found: /gone");
    EXPECT_EQ(ui.boxes[0].title, "MSComDlg.CommonDialog");
    EXPECT_EQ(ui.dialogs.size(), 1U);

    // Retry shows the dialog again, and the user's choice is the result.
    ui.failures = 1;
    ui.AnswerBox(MsgResult::kRetry);
    ui.AnswerDialog("/x/chosen");
    EXPECT_EQ(show(), "/x/chosen");
    EXPECT_EQ(ui.boxes.size(), 2U);
    EXPECT_EQ(ui.dialogs.size(), 3U);
    EXPECT_TRUE(ui.AllAnswersUsed());
  }
  EXPECT_NE(Log().find(" ! Error 76 in FindFile [MSComDlg.CommonDialog]: Path not found: /gone"),
            std::string::npos);
  EXPECT_NE(Log().find(" ! Error 76 in SaveFile [MSComDlg.CommonDialog]: Path not found: /gone"),
            std::string::npos);
}

}  // namespace
}  // namespace ombrel
