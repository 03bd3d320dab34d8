// The program laid out in a scratch folder and started, as a user runs it:
// settings with DataDir and KESTR, the order program's Alias/ (the demo's
// global.ali), Pix/ and XML/ folders, the real components, and the main
// window's logic. The step's engine writes its report to reportPath().
#pragma once

#include <memory>
#include <string>

#include "bench_ui.h"
#include "engine/selector.h"
#include "engine/translator_catalogue.h"
#include "platform/components.h"
#include "scratch_folder.h"
#include "services/engine_services.h"
#include "shell/main_form.h"
#include "translators/catalogue.h"

namespace ombrel::bench {

// The demo's alias file, read from the source tree.
std::string DemoAliasPath();

class BenchWorkspace {
 public:
  // components: the factory to run with; nullptr for the real one.
  explicit BenchWorkspace(const std::string& base,
                          std::unique_ptr<ComponentFactory> components = nullptr);
  ~BenchWorkspace();
  BenchWorkspace(const BenchWorkspace&) = delete;
  BenchWorkspace& operator=(const BenchWorkspace&) = delete;

  // Each ends in "/".
  std::string XmlFolder() const { return folder_.File("Kestrov/XML/"); }
  std::string PixFolder() const { return folder_.File("Kestrov/Pix/"); }
  std::string DataFolder() const { return folder_.File("Corvana/DATA/"); }
  std::string ReportPath() const { return DataFolder() + "BENCH.RPT"; }
  std::string LogPath() const { return folder_.File("bin/Ombrel.LOG"); }
  std::string File(const std::string& name) const { return folder_.File(name); }

  BenchUi& ui() { return ui_; }
  ComponentFactory& components() { return *components_; }
  // The started program's services, its catalogue of translators and its
  // target-form dialog.
  const EngineServices& services() const { return main_->Services(); }
  const TranslatorCatalogue& catalogue() const { return catalogue_; }
  Selector& targetFormDialog() { return targetFormDialog_; }

  // Presses the window's button with the Open dialog answering envelopePath.
  // True when the engine wrote the report.
  bool RunEnvelopeStep(const std::string& envelopePath);

  // Empty when the program has shown and logged nothing; else what it did.
  std::string Complaints() const;

 private:
  ScratchFolder folder_;
  BenchUi ui_;
  std::unique_ptr<ComponentFactory> components_;
  TranslatorCatalogue catalogue_ = Catalogue();
  Selector targetFormDialog_{catalogue_.targetForms};
  std::unique_ptr<Main> main_;
  bool translated_ = false;
};

}  // namespace ombrel::bench
