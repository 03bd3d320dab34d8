#include "shell/main_form.h"

#include "platform/errors/error.h"
#include "platform/processes/program_launcher.h"
#include "platform/settings/profile.h"
#include "services/app_title.h"
#include "services/error_handler.h"
#include "services/file_utils.h"
#include "shell/about.h"
#include "shell/executable_path.h"

namespace ombrel {

namespace {

constexpr const char* kSettingsFile = "QOR.INI";

}  // namespace

MainServices RealMainServices(
    Ui& ui, ComponentFactory& components,
    std::function<std::unique_ptr<XmlEngine>(const EngineServices&)> createEngine) {
  MainServices services;
  services.ui = &ui;
  services.components = &components;
  services.executablePath = ExecutablePath();
  services.createLogger = [](const EngineServices& reporter) {
    return std::make_unique<Logger>(reporter, CreateSystemClock(), CreateLocalFileSystem());
  };
  services.createEngine = std::move(createEngine);
  services.openRegistry = [] { return CreateIniRegistry(WindowsDirectory()); };
  services.startProgram = StartDetached;
  return services;
}

Main::Main(MainServices services) : services_(std::move(services)) {
  engineServices_.ui = services_.ui;
  engineServices_.components = services_.components;
  engineServices_.envelopeFiles = &envelopeFiles_;
}

bool Main::Form_Load() {
  EngineServices& g = engineServices_;
  // A failure row shows its box and ends the program: the shutdown runs and
  // no window is shown.
  bool ended = false;
  auto end = [&](const std::string& text, MsgIcon icon, const std::string& title) {
    g.TheUi().MessageBox(text, MsgButtons::kOk, icon, title);
    ended = true;
  };

  const std::function<void()> steps[] = {
      // 1. The log writer.
      [&] {
        eventLog_ = services_.createLogger ? services_.createLogger(g) : nullptr;
        g.log = eventLog_.get();
        if (!eventLog_) {
          g.TheUi().Beep();
          end("Unable to create Error Log object.", MsgIcon::kCritical, "Object Error");
        }
      },
      // 2. The log, beside the executable and named after it.
      [&] { g.TheLog().StartLogging(LogPathFor(services_.executablePath), 2); },
      // 3. The file-system service.
      [&] {
        fileSystem_ = g.components ? g.components->CreateFileSystem() : nullptr;
        g.fileSystem = fileSystem_.get();
        if (!fileSystem_) {
          g.TheLog().LogEvent("Unable to create Scripting.FileSystemObject.", kLogError);
          end("Unable to create File System object.", MsgIcon::kCritical, "Object Error");
        }
      },
      // 4. Corvana's data folder; reports are saved in its DATA subfolder.
      [&] {
        g.dataFolder = ReadIniValue(kSettingsFile, "Directories", "DataDir");
        if (g.TheFileSystem().FolderExists(g.dataFolder)) {
          g.dataFolder = AddBackslash(g.dataFolder) + "DATA/";
        } else {
          end("", MsgIcon::kNone, kAppTitle);
        }
      },
      // 5. Kestrov's folder, which holds the Alias, Pix and XML folders.
      [&] {
        const std::string kestrov = ReadIniValue(kSettingsFile, "Vendor", "KESTR");
        if (g.TheFileSystem().FileExists(kestrov)) {
          const std::string folder = AddBackslash(g.TheFileSystem().GetParentFolderName(kestrov));
          g.aliasFolder = folder + "Alias/";
          g.pixFolder = folder + "Pix/";
          xmlFolder_ = folder + "XML/";
          orderProgramFolder_ = folder;
        } else {
          end("This software is meant to be used with Kestrov.exe.", MsgIcon::kInformation,
              kAppTitle);
        }
      },
  };

  // An error raised here is reported under "Loading"; Retry goes on with the
  // next step, Cancel leaves the start-up with the window shown all the same.
  ErrorHandler handler(g, "Loading");
  for (const std::function<void()>& step : steps) {
    if (!handler.Run(step)) return true;
    if (ended) {
      Form_Unload();
      return false;
    }
  }
  // 6. The window is shown.
  return true;
}

void Main::Form_Unload() {
  engine_.reset();
  envelopeFiles_.clear();
  engineServices_.fileSystem = nullptr;
  fileSystem_.reset();
  engineServices_.log = nullptr;
  eventLog_.reset();
}

void Main::mnuAbout_Click() {
  Ui* ui = engineServices_.ui;
  if (ui == nullptr) return;
  std::unique_ptr<Registry> registry;
  try {
    if (services_.openRegistry) registry = services_.openRegistry();
  } catch (...) {
    // No registry: the About box then finds no system-information tool.
  }
  About about(*ui, registry.get(), fileSystem_.get(), services_.startProgram);
  about.Show();
}

}  // namespace ombrel
