#include "shell/main_form.h"

#include "engine/common_forms.h"
#include "platform/error.h"
#include "platform/profile.h"
#include "shell/about.h"
#include "shell/error_handler.h"
#include "shell/executable_path.h"
#include "shell/file_utils.h"
#include "shell/globals.h"
#include "shell/program_launcher.h"
#include "shell/required_globals.h"

namespace ombrel {

namespace {

constexpr const char* kSettingsFile = "QOR.INI";

}  // namespace

MainServices RealMainServices(std::function<std::unique_ptr<XmlEngine>()> createEngine) {
  MainServices services;
  services.executablePath = ExecutablePath();
  services.createLogger = [] { return std::make_unique<Logger>(CreateSystemClock()); };
  services.createEngine = std::move(createEngine);
  services.openRegistry = [] { return CreateIniRegistry(WindowsDirectory()); };
  services.startProgram = StartDetached;
  return services;
}

Main::Main(MainServices services) : services_(std::move(services)) {}

bool Main::Form_Load() {
  Globals& g = Global();
  // A failure row shows its box and ends the program: the shutdown runs and
  // no window is shown.
  bool ended = false;
  auto end = [&](const std::string& text, MsgIcon icon, const std::string& title) {
    TheUi().MessageBox(text, MsgButtons::kOk, icon, title);
    ended = true;
  };

  const std::function<void()> steps[] = {
      // 1. The log writer.
      [&] {
        g.EventLog = services_.createLogger ? services_.createLogger() : nullptr;
        if (!g.EventLog) {
          TheUi().Beep();
          end("Unable to create Error Log object.", MsgIcon::kCritical, "Object Error");
        }
      },
      // 2. The log, beside the executable and named after it.
      [&] { TheLog().StartLogging(LogPathFor(services_.executablePath), 2); },
      // 3. The file-system service.
      [&] {
        g.FileSystem = g.components ? g.components->CreateFileSystem() : nullptr;
        if (!g.FileSystem) {
          TheLog().LogEvent("Unable to create Scripting.FileSystemObject.", kLogError);
          end("Unable to create File System object.", MsgIcon::kCritical, "Object Error");
        }
      },
      // 4. Corvana's data folder; reports are saved in its DATA subfolder.
      [&] {
        g.DataFolder = ReadIniValue(kSettingsFile, "Directories", "DataDir");
        if (TheFileSystem().FolderExists(g.DataFolder)) {
          g.DataFolder = AddBackslash(g.DataFolder) + "DATA/";
        } else {
          end("", MsgIcon::kNone, kAppTitle);
        }
      },
      // 5. Kestrov's folder, which holds the Alias, Pix and XML folders.
      [&] {
        const std::string kestrov = ReadIniValue(kSettingsFile, "Vendor", "KESTR");
        if (TheFileSystem().FileExists(kestrov)) {
          const std::string folder = AddBackslash(TheFileSystem().GetParentFolderName(kestrov));
          g.AliasFolder = folder + "Alias/";
          g.PixFolder = folder + "Pix/";
          g.XmlFolder = folder + "XML/";
        } else {
          end("This software is meant to be used with Kestrov.exe.", MsgIcon::kInformation,
              kAppTitle);
        }
      },
  };

  // An error raised here is reported under "Loading"; Retry goes on with the
  // next step, Cancel leaves the start-up with the window shown all the same.
  ErrorHandler handler("Loading");
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
  Globals& g = Global();
  CurrentEngine().reset();
  g.EnvelopeFiles.clear();
  g.FileSystem.reset();
  g.EventLog.reset();
}

void Main::mnuAbout_Click() {
  Ui* ui = Global().ui;
  if (ui == nullptr) return;
  std::unique_ptr<Registry> registry;
  try {
    if (services_.openRegistry) registry = services_.openRegistry();
  } catch (...) {
    // No registry: the About box then finds no system-information tool.
  }
  About about(*ui, registry.get(), Global().FileSystem.get(), services_.startProgram);
  about.Show();
}

}  // namespace ombrel
