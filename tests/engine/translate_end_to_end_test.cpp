// Envelopes through the real layers: the shell's envelope step, the real
// envelope reader, XML reader and report document, and the engine; the report
// is read back from the .RPT archive.
#include <zip.h>

#include <filesystem>
#include <memory>
#include <optional>
#include <string>

#include <gtest/gtest.h>
#include <pugixml.hpp>

#include "engine/common_forms.h"
#include "engine/xml_reader.h"
#include "engine_fixture.h"
#include "shell/globals.h"
#include "shell/main_form.h"
#include "support/envelope_builder.h"

namespace ombrel::testing::enginetest {
namespace {

// REPORT.XML of a written report, "" when the archive or the entry is missing.
std::string ReportXml(const std::string& path) {
  int error = 0;
  zip_t* archive = zip_open(path.c_str(), ZIP_RDONLY, &error);
  if (archive == nullptr) return "";
  std::string text;
  zip_stat_t stat;
  if (zip_stat(archive, "REPORT.XML", 0, &stat) == 0) {
    if (zip_file_t* entry = zip_fopen(archive, "REPORT.XML", 0)) {
      text.resize(stat.size);
      const zip_int64_t read = zip_fread(entry, text.data(), stat.size);
      text.resize(read < 0 ? 0 : static_cast<std::size_t>(read));
      zip_fclose(entry);
    }
  }
  zip_close(archive);
  return text;
}

std::string OrderXml(const std::string& formNumber) {
  return "<?xml version=\"1.0\"?>\n<ORDER><HEADER><FORMNUM>" + formNumber +
         "</FORMNUM></HEADER><SUBJECT><CITY>Springfield</CITY></SUBJECT>"
         "<FILENUM>ORDER-7</FILENUM></ORDER>\n";
}

// A program laid out in the temporary folder, its start-up run, with the
// real components and an engine whose selection knows the test form "TEST".
class EndToEndTest : public EngineTest {
 protected:
  EndToEndTest() : real_(CreateRealComponents()) {
    selection.Add("TEST", {"TESTMAIN", "TEST", "UA2", "UAR-3X5.RPT"},
                  {[](XmlEngine& e) {
                     e.SetAlias("CITY", "8|1");
                     e.ProcessOffscrn();
                   },
                   {}});
    // The start-up sets every global afresh.
    Global().EventLog.reset();
    Global().FileSystem.reset();
    Global().components = real_.get();
    dir.Write("QOR.INI", "[Directories]\nDataDir=" + dir.str() + "corvana\n[Vendor]\nKESTR=" +
                             dir.str() + "kestrov/Kestrov.exe\n");
    dir.Write("kestrov/Kestrov.exe", "");
    dir.Write("kestrov/Alias/global.ali", "CITY = ~CITY\n");
    std::filesystem::create_directories(dir.path() / "kestrov/Pix");
    std::filesystem::create_directories(dir.path() / "kestrov/XML");
    std::filesystem::create_directories(dir.path() / "corvana/DATA");

    MainServices services;
    services.executablePath = dir.File("bin/Ombrel");
    services.createLogger = [] { return std::make_unique<Logger>(CreateSystemClock()); };
    services.createEngine = [this] { return std::make_unique<XmlReader>(selection.Function()); };
    std::filesystem::create_directories(dir.path() / "bin");
    main_ = std::make_unique<Main>(std::move(services));
    EXPECT_TRUE(main_->Form_Load());
  }
  ~EndToEndTest() override { main_->Form_Unload(); }

  // Writes an envelope holding one main order document of this form number
  // and presses the window's button, answering the Open dialog with it and a
  // Save dialog, if one comes, with saveAs.
  void OpenEnvelope(const std::string& name, const std::string& formNumber,
                    const std::optional<std::string>& saveAs = std::nullopt) {
    EnvelopeBuilder envelope;
    envelope.Add("order.xml", "OADI/XML", "", OrderXml(formNumber));
    const std::string path = dir.File("kestrov/XML/" + name);
    envelope.Write(path);
    ui.AnswerDialog(path);
    if (saveAs) ui.AnswerDialog(*saveAs);
    main_->Open_Click();
  }

  std::vector<LogLine> Log() const { return ReadLogLines(dir.File("bin/Ombrel.LOG")); }

  TestSelection selection;

 private:
  std::unique_ptr<ComponentFactory> real_;
  std::unique_ptr<Main> main_;
};

TEST_F(EndToEndTest, AnUnsupportedFormIsToldAndMakesNoReport) {
  OpenEnvelope("ONE.ENV", "9999");
  EXPECT_EQ(Render(ui.boxes), (std::vector<std::string>{OkBox(
                                  "This translator does not support the 9999 form.",
                                  MsgIcon::kInformation)}));
  EXPECT_EQ(Log(), (std::vector<LogLine>{WarningLine("No translation available for 9999 form."),
                                         InfoLine("No form selected.")}));
  EXPECT_EQ(ui.dialogs.size(), 1u);  // the Open dialog only
  EXPECT_TRUE(std::filesystem::is_empty(dir.path() / "corvana/DATA"));
  EXPECT_FALSE(std::filesystem::exists(dir.path() / "kestrov/XML/order.xml"));
}

TEST_F(EndToEndTest, ATranslatedOrderBecomesAReportFileAndTwoEnvelopesRunInARow) {
  const std::string first = dir.File("corvana/DATA/SMITH.RPT");
  const std::string second = dir.File("corvana/DATA/JONES.RPT");
  OpenEnvelope("ONE.ENV", "TEST", first);
  OpenEnvelope("TWO.ENV", "TEST", second);

  EXPECT_EQ(Render(ui.boxes), std::vector<std::string>{});
  EXPECT_EQ(Log(), std::vector<LogLine>{});
  ASSERT_EQ(ui.dialogs.size(), 4u);
  EXPECT_EQ(ui.dialogs[1].properties.InitDir, dir.str() + "corvana/DATA/");

  for (const auto& [path, baseName] : {std::pair{first, "SMITH"}, std::pair{second, "JONES"}}) {
    SCOPED_TRACE(path);
    pugi::xml_document report;
    ASSERT_TRUE(report.load_string(ReportXml(path).c_str()));
    const pugi::xml_node root = report.child("REPORT");
    EXPECT_STREQ(root.attribute("SKELETON").value(), "UAR-3X5.RPT");
    std::vector<std::pair<std::string, std::string>> forms;
    for (pugi::xml_node form : root.children("FORM")) {
      forms.emplace_back(form.attribute("ID").value(), form.attribute("VERSION").value());
    }
    EXPECT_EQ(forms, (std::vector<std::pair<std::string, std::string>>{
                         {"UA2", "2"}, {"Extended_Comments", "2"}, {"offscrn", "5"}}));
    EXPECT_STREQ(root.find_child_by_attribute("FORM", "ID", "UA2")
                     .find_child_by_attribute("FIELD", "ADDR", "8|1")
                     .text()
                     .get(),
                 "Springfield");
    EXPECT_STREQ(root.find_child_by_attribute("FORM", "ID", "offscrn")
                     .find_child_by_attribute("FIELD", "ADDR", "3|3")
                     .text()
                     .get(),
                 baseName);
  }
  EXPECT_EQ(*selection.journal,
            (std::vector<std::string>{"EntrainMain UA2", "AppendAddenda UA2", "released UA2",
                                      "EntrainMain UA2", "AppendAddenda UA2"}));
}

}  // namespace
}  // namespace ombrel::testing::enginetest
