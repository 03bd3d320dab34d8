// Envelopes through the real layers: the shell's envelope step, the real
// envelope reader, XML reader and report document, and the engine; the report
// is read back from the .RPT archive.
#include <filesystem>
#include <memory>
#include <optional>
#include <string>
#include <utility>
#include <vector>

#include <gtest/gtest.h>

#include "engine/xml_reader.h"
#include "engine_fixture.h"
#include "support/report_reader.h"
#include "support/report_workspace.h"

namespace ombrel::testing::enginetest {
namespace {

std::string OrderXml(const std::string& formNumber) {
  return "<?xml version=\"1.0\"?>\n<ORDER><HEADER><FORMNUM>" + formNumber +
         "</FORMNUM></HEADER><SUBJECT><CITY>Springfield</CITY></SUBJECT>"
         "<FILENUM>ORDER-7</FILENUM></ORDER>\n";
}

// A program laid out in a temporary folder, with the real components and an
// engine whose selection knows the test form "TEST".
class EndToEndTest : public ::testing::Test {
 protected:
  EndToEndTest() {
    selection.Add("TEST", {"TESTMAIN", "TEST", "UA2", "UAR-3X5.RPT"},
                  {[](XmlEngine& e) {
                     e.SetAlias("CITY", "8|1");
                     e.ProcessOffscrn();
                   },
                   {}});
    EXPECT_TRUE(workspace.Start());
  }

  std::vector<LogLine> Log() const { return ReadLogLines(workspace.LogPath()); }

  TestSelection selection;
  ReportWorkspace workspace{"CITY = ~CITY\n", [this](const EngineServices& services) {
                              return std::make_unique<XmlReader>(
                                  services, selection.Function(services, workspace.catalogue,
                                                               workspace.targetFormDialog));
                            }};
  ScriptedUi& ui = workspace.ui;
};

TEST_F(EndToEndTest, AnUnsupportedFormIsToldAndMakesNoReport) {
  workspace.OpenEnvelope(OrderXml("9999"), {}, std::nullopt);
  EXPECT_EQ(Render(ui.boxes), (std::vector<std::string>{OkBox(
                                  "This translator does not support the 9999 form.",
                                  MsgIcon::kInformation)}));
  EXPECT_EQ(Log(), (std::vector<LogLine>{WarningLine("No translation available for 9999 form."),
                                         InfoLine("No form selected.")}));
  EXPECT_EQ(ui.dialogs.size(), 1u);  // the Open dialog only
  EXPECT_TRUE(std::filesystem::is_empty(workspace.dirs.File("corvana/DATA")));
  EXPECT_FALSE(std::filesystem::exists(workspace.dirs.File("kestrov/XML/ORDER.XML")));
}

TEST_F(EndToEndTest, ATranslatedOrderBecomesAReportFileAndTwoEnvelopesRunInARow) {
  workspace.OpenEnvelope(OrderXml("TEST"), {}, "SMITH.RPT");
  workspace.OpenEnvelope(OrderXml("TEST"), {}, "JONES.RPT");

  EXPECT_EQ(Render(ui.boxes), std::vector<std::string>{});
  EXPECT_EQ(Log(), std::vector<LogLine>{});
  ASSERT_EQ(ui.dialogs.size(), 4u);
  EXPECT_EQ(ui.dialogs[1].properties.InitDir, workspace.dirs.str() + "corvana/DATA/");

  for (const std::string baseName : {"SMITH", "JONES"}) {
    SCOPED_TRACE(baseName);
    const std::optional<WrittenReport> report =
        ReadReport(workspace.ReportPath(baseName + ".RPT"));
    ASSERT_TRUE(report.has_value());
    EXPECT_EQ(report->skeleton, "UAR-3X5.RPT");
    std::vector<std::pair<std::string, std::string>> forms;
    for (const ReportForm& form : report->forms) forms.emplace_back(form.id, form.version);
    EXPECT_EQ(forms, (std::vector<std::pair<std::string, std::string>>{
                         {"UA2", "2"}, {"Extended_Comments", "2"}, {"offscrn", "5"}}));
    ASSERT_NE(report->Form("UA2"), nullptr);
    EXPECT_EQ(report->Form("UA2")->Field("8|1"), std::optional<std::string>("Springfield"));
    ASSERT_NE(report->Form("offscrn"), nullptr);
    EXPECT_EQ(report->Form("offscrn")->Field("3|3"), std::optional<std::string>(baseName));
  }
  EXPECT_EQ(*selection.journal,
            (std::vector<std::string>{"EntrainMain UA2", "AppendAddenda UA2", "released UA2",
                                      "EntrainMain UA2", "AppendAddenda UA2"}));
}

}  // namespace
}  // namespace ombrel::testing::enginetest
