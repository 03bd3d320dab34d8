#include "shell_fixture.h"

#include <filesystem>
#include <sstream>

#include "platform/errors/error.h"

namespace ombrel::testing {

namespace fs = std::filesystem;

std::unique_ptr<FileSystemObject> ShellComponents::CreateFileSystem() {
  switch (fileSystemCreation) {
    case Creation::kGivesNothing: return nullptr;
    case Creation::kRaises:
      throw Error(429, "Ombrel", "ActiveX component can't create object");
    case Creation::kSucceeds: break;
  }
  return real_->CreateFileSystem();
}

std::unique_ptr<Envelope> ShellComponents::CreateEnvelope() {
  switch (envelopeCreation) {
    case Creation::kGivesNothing: return nullptr;
    case Creation::kRaises:
      throw Error(429, "Ombrel", "ActiveX component can't create object");
    case Creation::kSucceeds: break;
  }
  if (envelopeOverride) return envelopeOverride();
  return real_->CreateEnvelope();
}

std::unique_ptr<WorkspaceLock> ShellComponents::CreateWorkspaceLock(const std::string& folder) {
  switch (workspaceLockCreation) {
    case Creation::kGivesNothing: return nullptr;
    case Creation::kRaises:
      throw Error(429, "Ombrel", "ActiveX component can't create object");
    case Creation::kSucceeds: break;
  }
  return real_->CreateWorkspaceLock(folder);
}

ShellTest::ShellTest()
    : settingsDir(dirs.File("settings")),
      dataDir(dirs.File("corvana")),
      kestrovDir(dirs.File("kestrov")),
      kestrovExe(dirs.File("kestrov/Kestrov.exe")),
      binDir(dirs.File("bin")),
      windir_("WINDIR", dirs.File("settings")) {
  for (const std::string& folder :
       {settingsDir, dataDir + "/DATA", kestrovDir + "/Alias", kestrovDir + "/Pix",
        kestrovDir + "/XML", binDir}) {
    fs::create_directories(folder);
  }
  dirs.Write("kestrov/Kestrov.exe", "");
  WriteSettings(dataDir, kestrovExe);
}

ShellTest::~ShellTest() {
  if (main_) main_->Form_Unload();
}

void ShellTest::WriteSettings(const std::optional<std::string>& dataDirValue,
                              const std::optional<std::string>& kestr) {
  std::string text = "[Directories]\r\n";
  if (dataDirValue) text += "DataDir=" + *dataDirValue + "\r\n";
  text += "[Vendor]\r\n";
  if (kestr) text += "KESTR=" + *kestr + "\r\n";
  dirs.Write("settings/QOR.INI", text);
}

MainServices ShellTest::Services() {
  MainServices services;
  services.ui = &ui;
  services.components = &components;
  services.executablePath = binDir + "/Ombrel";
  services.createLogger = [this](const EngineServices& reporter) -> std::unique_ptr<Logger> {
    if (!loggerCreated) return nullptr;
    return std::make_unique<Logger>(reporter, std::make_unique<PinnedClock>(now), CreateLocalFileSystem());
  };
  services.createEngine = [this](const EngineServices& engineServices) -> std::unique_ptr<XmlEngine> {
    return std::make_unique<ObservingEngine>(engineServices, &translations, onTranslate);
  };
  services.openRegistry = [this] { return CreateIniRegistry(settingsDir); };
  services.startProgram = [this](const std::string& path) { startedPrograms.push_back(path); };
  return services;
}

Main& ShellTest::StartedMain() {
  main_ = std::make_unique<Main>(Services());
  EXPECT_TRUE(main_->Form_Load());
  EXPECT_TRUE(ui.boxes.empty());
  return *main_;
}

std::vector<std::string> ShellTest::LogTexts() const {
  std::vector<std::string> texts;
  const std::string log = Log();
  std::size_t start = 0;
  while (start < log.size()) {
    std::size_t end = log.find("\r\n", start);
    if (end == std::string::npos) end = log.size();
    const std::string line = log.substr(start, end - start);
    texts.push_back(line.size() > 26 ? line.substr(26) : line);
    start = end + 2;
  }
  return texts;
}

}  // namespace ombrel::testing
