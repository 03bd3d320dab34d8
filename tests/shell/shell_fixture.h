// What the shell's tests share: a component factory whose creations can be
// made to fail, an engine that lets a test watch its Translate, and a fixture
// that lays out a settings folder, the order program's folders and the
// program's own folder in temporary folders.
#pragma once

#include <functional>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "engine/xml_engine.h"
#include "platform/components.h"
#include "services/engine_services.h"
#include "services/logger.h"
#include "shell/main_form.h"
#include "support/fake_components.h"
#include "support/hooked_ui.h"
#include "support/pinned_clock.h"
#include "support/scoped_env.h"
#include "support/scripted_ui.h"
#include "support/temp_dir.h"

namespace ombrel::testing {

// The real components, with the file system's, the envelope reader's and the
// workspace lock's creation under the test's control.
class ShellComponents : public ComponentFactory {
 public:
  std::unique_ptr<FileSystemObject> CreateFileSystem() override;
  std::unique_ptr<Envelope> CreateEnvelope() override;
  std::unique_ptr<XmlDom> CreateXmlDom() override { return real_->CreateXmlDom(); }
  std::unique_ptr<ReportDocument> CreateReportDocument() override {
    return real_->CreateReportDocument();
  }
  std::unique_ptr<WorkspaceLock> CreateWorkspaceLock(const std::string& folder) override;

  Creation fileSystemCreation = Creation::kSucceeds;
  Creation envelopeCreation = Creation::kSucceeds;
  Creation workspaceLockCreation = Creation::kSucceeds;
  // When set, envelopes come from here instead of the real reader.
  std::function<std::unique_ptr<Envelope>()> envelopeOverride;

 private:
  std::unique_ptr<ComponentFactory> real_ = CreateRealComponents();
};

// An engine whose Translate calls the test's function; every other member
// does nothing. It records each Translate's arguments, and keeps the services
// it was created with.
class ObservingEngine : public XmlEngine {
 public:
  struct Call {
    std::string rptFile;
    std::string xmlFile;
  };
  ObservingEngine(const EngineServices& services, std::vector<Call>* calls,
                  std::function<void(const Call&)> onTranslate)
      : services_(services), calls_(calls), onTranslate_(std::move(onTranslate)) {}

  bool Translate(std::string& rptFile, const std::string& xmlFile) override {
    calls_->push_back({rptFile, xmlFile});
    if (onTranslate_) onTranslate_(calls_->back());
    return true;
  }

  void AddExtended(const std::string&) override {}
  void CheckAlias(const std::string&, const std::string&, const std::string&,
                  const TextList&) override {}
  void Combine(const std::string&, const std::string&, int32_t, const TextList&) override {}
  void Compare(const std::string&, const std::string&, const std::string&,
               const std::string&) override {}
  void ParsePhone(const std::string&, const std::string&, const std::string&) override {}
  int32_t Licensing(int16_t) override { return 0; }
  void LoadSignature(int16_t, int16_t, const std::string&) override {}
  void MapValue(const std::string&, const std::string&) override {}
  void ParseAddress(const std::string&, const std::string&, const std::string&,
                    const std::string&, const std::string&, const std::string&) override {}
  void ParseExtended(const std::string&, const std::string&, bool) override {}
  std::string ReadDirect(const std::string&) override { return ""; }
  std::string ReadExtendedDirect(const std::string&) override { return ""; }
  bool SetAlias(const std::string&, const std::string&) override { return false; }
  bool SetForm(const std::string&) override { return false; }
  bool SetPhoto(const std::string&, std::string&) override { return false; }
  void WriteDirect(const std::string&, const std::string&) override {}
  void ProcessAppraiserInfo(int16_t, int16_t, const std::string&) override {}
  void ProcessOffscrn() override {}
  const EngineServices& Services() const override { return services_; }

 private:
  const EngineServices& services_;
  std::vector<Call>* calls_;
  std::function<void(const Call&)> onTranslate_;
};

// A program laid out in temporary folders:
//   settings/QOR.INI            WINDIR points here
//   corvana/                    DataDir
//   kestrov/Kestrov.exe         KESTR, with Alias/, Pix/ and XML/
//   bin/Ombrel                  the executable; the log is bin/Ombrel.LOG
class ShellTest : public ::testing::Test {
 protected:
  ShellTest();
  ~ShellTest() override;

  // Writes QOR.INI with these values (nullopt: the key is left out).
  void WriteSettings(const std::optional<std::string>& dataDir,
                     const std::optional<std::string>& kestr);

  // ui, components, a logger on the pinned clock, ObservingEngines, the
  // registry in the settings folder, and programs recorded, not started.
  MainServices Services();
  // A Main on Services() whose start-up is run and expected to succeed.
  Main& StartedMain();

  std::string LogPath() const { return dirs.File("bin/Ombrel.LOG"); }
  std::string Log() const { return dirs.Read("bin/Ombrel.LOG"); }
  // The log's lines without the 25-character date field and its blank.
  std::vector<std::string> LogTexts() const;

  TempDir dirs;
  std::string settingsDir, dataDir, kestrovDir, kestrovExe, binDir;
  HookedUi ui;
  ShellComponents components;
  std::shared_ptr<DateTime> now = std::make_shared<DateTime>(TestNow());
  bool loggerCreated = true;
  std::vector<ObservingEngine::Call> translations;
  std::function<void(const ObservingEngine::Call&)> onTranslate;
  std::vector<std::string> startedPrograms;

 private:
  ScopedEnv windir_;
  std::unique_ptr<Main> main_;
};

}  // namespace ombrel::testing
