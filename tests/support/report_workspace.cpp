#include "support/report_workspace.h"

#include <gtest/gtest.h>

#include <filesystem>

#include "engine/xml_reader.h"
#include "services/logger.h"
#include "shell/main_form.h"
#include "support/envelope_builder.h"

namespace ombrel::testing {

ReportWorkspace::ReportWorkspace(
    const std::string& aliases,
    std::function<std::unique_ptr<XmlEngine>(const EngineServices&)> createEngine)
    : windir_("WINDIR", dirs.File("settings")), components_(CreateRealComponents()) {
  dirs.Write("settings/QOR.INI", "[Directories]\r\nDataDir=" + dirs.File("corvana") +
                                     "\r\n[Vendor]\r\nKESTR=" + dirs.File("kestrov/Kestrov.exe") +
                                     "\r\n");
  dirs.Write("kestrov/Kestrov.exe", "");
  dirs.Write("kestrov/Alias/global.ali", aliases);
  for (const char* folder : {"corvana/DATA", "kestrov/Pix", "kestrov/XML", "bin"}) {
    std::filesystem::create_directories(dirs.File(folder));
  }

  MainServices services;
  services.ui = &ui;
  services.components = components_.get();
  services.executablePath = dirs.File("bin/Ombrel");
  services.createLogger = [](const EngineServices& reporter) {
    return std::make_unique<Logger>(reporter, CreateSystemClock(), CreateLocalFileSystem());
  };
  if (createEngine) {
    services.createEngine = std::move(createEngine);
  } else {
    services.createEngine = [this](const EngineServices& engineServices) {
      return std::make_unique<XmlReader>(engineServices, catalogue, targetFormDialog);
    };
  }
  main_ = std::make_unique<Main>(std::move(services));
}

ReportWorkspace::~ReportWorkspace() { main_->Form_Unload(); }

bool ReportWorkspace::Start() {
  started_ = true;
  return main_->Form_Load();
}

void ReportWorkspace::OpenEnvelope(const std::string& orderText,
                                   const std::vector<EnvelopePhoto>& photos,
                                   const std::optional<std::string>& saveAs) {
  if (!started_) {
    EXPECT_TRUE(Start()) << "the start-up ended the program";
  }
  EnvelopeBuilder envelope;
  envelope.Add("ORDER.XML", "OADI/XML", "", orderText);
  for (std::size_t i = 0; i < supplementalOrders.size(); ++i) {
    envelope.Add("SUPP" + std::to_string(i + 1) + ".XML", "OADI-SUP/XML", "",
                  supplementalOrders[i]);
  }
  for (const EnvelopePhoto& photo : photos) {
    envelope.Add(photo.name, "IMAGE/JPG", "PHOTO", photo.bytes);
  }
  const std::string envelopePath = dirs.File("kestrov/XML/ORDER.env");
  envelope.Write(envelopePath);

  ui.AnswerDialog(envelopePath);
  if (saveAs) ui.AnswerDialog(ReportPath(*saveAs));
  main_->Open_Click();
  EXPECT_TRUE(ui.AllAnswersUsed()) << "a scripted answer was never asked for";
}

std::optional<WrittenReport> ReportWorkspace::Convert(const std::string& orderText,
                                                      const std::vector<EnvelopePhoto>& photos,
                                                      const std::string& reportName) {
  OpenEnvelope(orderText, photos, reportName);
  return ReadReport(ReportPath(reportName));
}

std::string ReportWorkspace::ReportPath(const std::string& name) const {
  return dirs.File("corvana/DATA/" + name);
}

}  // namespace ombrel::testing
