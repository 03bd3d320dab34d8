// The program laid out in a temporary folder and run as a user runs it, for
// tests that take an envelope the whole way to a report file: the start-up,
// the envelope step, the real components, the real engine and report writer.
//   settings/QOR.INI     WINDIR points here while the workspace lives;
//                        DataDir names corvana/, KESTR kestrov/Kestrov.exe
//   corvana/DATA/        where reports are saved (ReportPath)
//   kestrov/             Kestrov.exe, Alias/global.ali, Pix/ and XML/
//   bin/Ombrel           the executable; its log is bin/Ombrel.LOG (LogPath)
// The workspace's Main is handed its ui and components; the engine of each
// envelope gets Main's services, the program's catalogue of translators and
// the workspace's target-form dialog.
//
//   ReportWorkspace workspace;
//   OrderXml order;
//   order.Set("FORMNUM", "1004");
//   std::optional<WrittenReport> report = workspace.Convert(order.Text(), {"front.jpg"});
//   EXPECT_TRUE(workspace.ui.boxes.empty());
#pragma once

#include <functional>
#include <memory>
#include <optional>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

#include "engine/selector.h"
#include "engine/translator_catalogue.h"
#include "engine/xml_engine.h"
#include "platform/components.h"
#include "platform/ui.h"
#include "services/engine_services.h"
#include "support/report_reader.h"
#include "support/scoped_env.h"
#include "support/scripted_ui.h"
#include "support/temp_dir.h"
#include "translators/catalogue.h"

namespace ombrel {
class Main;
}

namespace ombrel::testing {

// A few bytes that begin as a JPEG does.
inline constexpr std::string_view kTestJpeg{"\xFF\xD8\xFF\xE0" "a small photo", 17};

// One photo of an envelope: its file name and bytes. A name alone is a
// photo of kTestJpeg, so lists can be written {"front.jpg", "rear.jpg"}.
struct EnvelopePhoto {
  EnvelopePhoto(const char* name) : name(name) {}
  EnvelopePhoto(std::string name) : name(std::move(name)) {}
  EnvelopePhoto(std::string name, std::string bytes)
      : name(std::move(name)), bytes(std::move(bytes)) {}

  std::string name;
  std::string bytes{kTestJpeg};
};

class ReportWorkspace {
 public:
  // The alias file of a workspace made without one: no aliases, so every
  // order tag is read as a path (see OrderXml).
  static constexpr const char* kNoAliases = "; every tag of these orders is read as a path\n";

  // aliases: the text of kestrov/Alias/global.ali. createEngine: makes the
  // engine of each envelope; empty for the program's own XmlReader.
  explicit ReportWorkspace(
      const std::string& aliases = kNoAliases,
      std::function<std::unique_ptr<XmlEngine>(const EngineServices&)> createEngine = {});
  ~ReportWorkspace();
  ReportWorkspace(const ReportWorkspace&) = delete;
  ReportWorkspace& operator=(const ReportWorkspace&) = delete;

  // Runs the start-up (the main window's Form_Load) and returns its result.
  // OpenEnvelope runs it once, expecting true, when the test did not.
  bool Start();

  // Writes kestrov/XML/ORDER.env holding orderText as ORDER.XML and the
  // photos, and presses the window's button: the Open dialog is answered
  // with the envelope, a Save dialog with ReportPath(*saveAs). Without
  // saveAs the test expects no Save dialog. Expects every answer used.
  void OpenEnvelope(const std::string& orderText, const std::vector<EnvelopePhoto>& photos,
                    const std::optional<std::string>& saveAs);

  // OpenEnvelope saving the report as reportName, then the report read
  // back; nothing when no readable report was written there.
  std::optional<WrittenReport> Convert(const std::string& orderText,
                                       const std::vector<EnvelopePhoto>& photos = {},
                                       const std::string& reportName = "SMITH.RPT");

  // corvana/DATA/name: where the Save dialog's answer puts a report.
  std::string ReportPath(const std::string& name = "SMITH.RPT") const;
  std::string LogPath() const { return dirs.File("bin/Ombrel.LOG"); }

  TempDir dirs;
  ScriptedUi ui;
  TranslatorCatalogue catalogue = Catalogue();
  Selector targetFormDialog{catalogue.targetForms};
  // Supplemental order documents ("OADI-SUP/XML") that OpenEnvelope puts in
  // the envelope after the main order, in this order.
  std::vector<std::string> supplementalOrders;

 private:
  ScopedEnv windir_;
  std::unique_ptr<ComponentFactory> components_;
  std::unique_ptr<Main> main_;
  bool started_ = false;
};

}  // namespace ombrel::testing
