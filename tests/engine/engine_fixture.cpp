#include "engine_fixture.h"

#include <ostream>

#include "engine/incoming_form_selection.h"

namespace ombrel::testing::enginetest {

namespace {

class FixedClock : public Clock {
 public:
  DateTime Now() const override { return {{2026, 12, 10}, 13, 5, 9}; }
};

}  // namespace

void PrintTo(const LogLine& line, std::ostream* os) {
  *os << "[" << line.mark << "] \"" << line.text << "\"";
}

std::string Render(const ShownBox& box) {
  static const char* const kButtons[] = {"OK", "Retry/Cancel", "Yes/No"};
  static const char* const kIcons[] = {"no icon", "critical", "information", "question"};
  return "\"" + box.text + "\" [" + box.title + "] " + kButtons[static_cast<int>(box.buttons)] +
         " " + kIcons[static_cast<int>(box.icon)];
}

std::vector<std::string> Render(const std::vector<ShownBox>& boxes) {
  std::vector<std::string> out;
  for (const ShownBox& box : boxes) out.push_back(Render(box));
  return out;
}

std::vector<LogLine> ReadLogLines(const std::string& path) {
  const std::string log = TempDir().Read(path);
  std::vector<LogLine> lines;
  std::size_t start = 0;
  while (start < log.size()) {
    std::size_t end = log.find("\r\n", start);
    if (end == std::string::npos) end = log.size();
    const std::string line = log.substr(start, end - start);
    start = end + 2;
    // 25 characters of date and time, a blank, the mark, a blank, the text.
    if (line.size() < 28) {
      lines.push_back({"?", line});
      continue;
    }
    LogLine parsed{line.substr(26, 1), line.substr(28)};
    if (parsed.text != "->") lines.push_back(parsed);
  }
  return lines;
}

std::unique_ptr<Logger> CreateTestLogger(const EngineServices& services, const std::string& path) {
  auto logger = std::make_unique<Logger>(services, std::make_unique<FixedClock>(), CreateLocalFileSystem());
  logger->StartLogging(path, 2);
  return logger;
}

TestTranslator::~TestTranslator() { journal_->push_back("released " + FormName()); }

void TestTranslator::EntrainMain() {
  journal_->push_back("EntrainMain " + FormName());
  if (tables_.entrainMain) tables_.entrainMain(Server_());
}

void TestTranslator::AppendAddenda() {
  journal_->push_back("AppendAddenda " + FormName());
  if (tables_.appendAddenda) tables_.appendAddenda(Server_());
}

XmlReader::FormSelection TestSelection::Function(const EngineServices& services,
                                                 const TranslatorCatalogue& catalogue,
                                                 Selector& targetFormDialog) {
  return [this, &services, catalogue, &targetFormDialog](
             std::string& formNum, const std::string& altForm) -> std::unique_ptr<FormTranslator> {
    calls.emplace_back(formNum, altForm);
    auto found = forms_.find(formNum);
    if (found == forms_.end()) {
      return IncomingFormSelection(services, catalogue, targetFormDialog, formNum, altForm);
    }
    return std::make_unique<TestTranslator>(found->second.constants, journal,
                                            found->second.tables);
  };
}

EngineTest::EngineTest() : windir_("WINDIR", dir.path().string()) {
  logPath = dir.File("Ombrel.LOG");
  log_ = CreateTestLogger(services, logPath);
  fileSystem_ = CreateLocalFileSystem();
  services.ui = &ui;
  services.components = &components;
  services.log = log_.get();
  services.fileSystem = fileSystem_.get();
  services.dataFolder = dir.str() + "DATA/";
  services.aliasFolder = dir.str() + "Alias/";
  services.pixFolder = dir.str() + "Pix/";
  services.envelopeFiles = &envelopeFiles;
  dir.Write("Alias/global.ali", "; no aliases\n");
}

EngineTest::~EngineTest() {
  EXPECT_TRUE(ui.AllAnswersUsed()) << "a scripted answer was never asked for";
}

void EngineTest::WriteDescriptions(
    const std::vector<std::pair<std::string, std::string>>& captions) {
  std::string text = "[Directories]\r\nDataDir=" + dir.str() + "\r\n[Descriptions]\r\n";
  for (const auto& [code, caption] : captions) text += code + "=" + caption + "\r\n";
  dir.Write("QOR.INI", text);
}

}  // namespace ombrel::testing::enginetest
