// What the engine's tests share: a log written to a temporary file and read
// back line by line, a translator whose tables run the test's code, a
// translator selection that hands out such translators, and a fixture that
// builds the services an engine is handed.
#pragma once

#include <functional>
#include <map>
#include <memory>
#include <optional>
#include <string>
#include <utility>
#include <vector>

#include <gtest/gtest.h>

#include "engine/selector.h"
#include "engine/translator.h"
#include "engine/translator_catalogue.h"
#include "engine/xml_reader.h"
#include "platform/errors/error.h"
#include "platform/files/file_system_object.h"
#include "services/engine_services.h"
#include "services/file_record.h"
#include "services/logger.h"
#include "support/fake_components.h"
#include "support/scoped_env.h"
#include "support/scripted_ui.h"
#include "support/temp_dir.h"
#include "translators/catalogue.h"

namespace ombrel::testing::enginetest {

// One log line: its mark ("!", "*", " ") and its text.
struct LogLine {
  std::string mark;
  std::string text;
  bool operator==(const LogLine&) const = default;
};
void PrintTo(const LogLine& line, std::ostream* os);

// A box as one line: "text" [title] buttons icon, for readable comparisons.
std::string Render(const ShownBox& box);
std::vector<std::string> Render(const std::vector<ShownBox>& boxes);
inline std::string OkBox(const std::string& text, MsgIcon icon, const std::string& title = "Ombrel") {
  return Render(ShownBox{text, MsgButtons::kOk, icon, title});
}
inline std::string ReporterBox(const std::string& text, const std::string& title) {
  return Render(ShownBox{text, MsgButtons::kRetryCancel, MsgIcon::kInformation, title});
}

inline LogLine ErrorLine(std::string text) { return {"!", std::move(text)}; }
inline LogLine WarningLine(std::string text) { return {"*", std::move(text)}; }
inline LogLine InfoLine(std::string text) { return {" ", std::move(text)}; }

// The lines of a log file after its "->" lines; lines end in CR LF, so a text
// holding a line feed stays one line.
std::vector<LogLine> ReadLogLines(const std::string& path);

// A log writer with a fixed clock, started on path, reporting its own failures
// through services.
std::unique_ptr<Logger> CreateTestLogger(const EngineServices& services, const std::string& path);

// Journal entries are "EntrainMain <FormName>", "AppendAddenda <FormName>"
// and "released <FormName>".
using Journal = std::shared_ptr<std::vector<std::string>>;

// What a test translator does in its two tables, through its Server.
struct TestTables {
  std::function<void(XmlEngine&)> entrainMain;
  std::function<void(XmlEngine&)> appendAddenda;
};

class TestTranslator final : public Translator {
 public:
  TestTranslator(const TranslatorConstants& constants, Journal journal, TestTables tables)
      : Translator(constants), journal_(std::move(journal)), tables_(std::move(tables)) {}
  ~TestTranslator() override;

  void EntrainMain() override;
  void AppendAddenda() override;

 private:
  Journal journal_;
  TestTables tables_;
};

// A translator selection for the engine: the form numbers it knows give test
// translators; any other number goes to the program's IncomingFormSelection
// (with the services, the catalogue and the target-form dialog given to
// Function), so unsupported numbers are reported as the program reports them.
class TestSelection {
 public:
  struct Form {
    TranslatorConstants constants;
    TestTables tables;
  };

  void Add(const std::string& formNumber, const TranslatorConstants& constants,
           TestTables tables = {}) {
    forms_[formNumber] = {constants, std::move(tables)};
  }
  Form& form(const std::string& formNumber) { return forms_.at(formNumber); }

  XmlReader::FormSelection Function(const EngineServices& services,
                                    const TranslatorCatalogue& catalogue,
                                    Selector& targetFormDialog);

  Journal journal = std::make_shared<std::vector<std::string>>();
  std::vector<std::pair<std::string, std::string>> calls;  // (form number, alternate form)

 private:
  std::map<std::string, Form> forms_;
};

// The services of one engine test: the scripted Ui, fake components, a log
// in the temporary folder, the real file system, the envelope's files (none
// until a test adds them), QOR.INI in the temporary folder (WINDIR), an alias
// file, the program's catalogue of translators, and a fresh target-form
// dialog.
class EngineTest : public ::testing::Test {
 protected:
  EngineTest();
  ~EngineTest() override;

  // Public, so that tables of cases can arrange a test.
 public:
  std::vector<LogLine> LogLines() const { return ReadLogLines(logPath); }
  // Writes QOR.INI's [Descriptions] section with these code=caption lines.
  void WriteDescriptions(const std::vector<std::pair<std::string, std::string>>& captions);
  // selection's Function on this test's services, catalogue and target-form
  // dialog.
  XmlReader::FormSelection Selection(TestSelection& selection) {
    return selection.Function(services, catalogue, targetFormDialog);
  }

  TempDir dir;
  std::string logPath;
  ScriptedUi ui;
  FakeComponents components;
  std::vector<FileRecord> envelopeFiles;
  TranslatorCatalogue catalogue = Catalogue();
  Selector targetFormDialog{catalogue.targetForms};
  // Refers to the members above; a test may point any of its members
  // elsewhere, or to nothing.
  EngineServices services;

 private:
  ScopedEnv windir_;
  std::unique_ptr<Logger> log_;
  std::unique_ptr<FileSystemObject> fileSystem_;
};

}  // namespace ombrel::testing::enginetest
