// Runs engine members the way the program does: inside Translate, from the
// tables of a test translator, on fake components. The order's tags come from
// a table, the report is recorded, the engine lives until the test ends, and
// photos are files in the Pix folder.
#pragma once

#include <functional>
#include <map>
#include <memory>
#include <optional>
#include <string>

#include "engine/xml_engine.h"
#include "engine_fixture.h"
#include "support/fake_components.h"

namespace ombrel::testing::enginetest {

class MemberTest : public EngineTest {
 protected:
  using Table = std::function<void(XmlEngine&)>;

  MemberTest();
  ~MemberTest() override;

  // Translates an order holding `tags` with a translator whose main form is
  // "UA2" and whose tables are the given ones; the report is written to a
  // file in the temporary folder, so no Save dialog shows. Translate's result.
  bool Run(const Table& entrainMain, const Table& appendAddenda = {});

  // The recorded report of the last Run.
  const FakeReportRecord& report() const;
  // A field of a form, nothing when the form or the field was never written.
  std::optional<std::string> Field(const std::string& formId, const std::string& addr) const;
  std::optional<std::string> Title(const std::string& formId, const std::string& addr) const;
  // Writes a photo file into the Pix folder and returns its full path.
  std::string AddPix(const std::string& name);

  std::map<std::string, std::string> tags;  // the main order's tag values
  TestSelection selection;

 private:
  std::unique_ptr<XmlReader> engine_;
};

}  // namespace ombrel::testing::enginetest
