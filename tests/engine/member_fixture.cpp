#include "member_fixture.h"

#include <memory>

#include "engine/common_forms.h"
#include "engine/xml_reader.h"
#include "shell/globals.h"

namespace ombrel::testing::enginetest {

namespace {

constexpr TranslatorConstants kMainTranslator{"TestTranslator", "TEST", "UA2", "UA2-3X5.RPT"};
constexpr const char* kMainText = "<ORDER>main</ORDER>";

}  // namespace

MemberTest::MemberTest() { dir.Write("Pix/.keep", ""); }

MemberTest::~MemberTest() { CurrentEngine().reset(); }

bool MemberTest::Run(const Table& entrainMain, const Table& appendAddenda) {
  components.documents[kMainText] = FakeOrder{{{"\\~FORMNUM", "TEST"}}, tags};
  const std::string orderPath = dir.Write("XML/order.xml", kMainText);
  selection.Add("TEST", kMainTranslator, TestTables{entrainMain, appendAddenda});

  auto engine = std::make_unique<XmlReader>(selection.Function());
  XmlEngine* translating = engine.get();
  CurrentEngine() = std::move(engine);
  std::string reportPath = dir.File("REPORT.RPT");
  return translating->Translate(reportPath, orderPath);
}

const FakeReportRecord& MemberTest::report() const {
  static const FakeReportRecord kNone;
  return components.lastReport ? *components.lastReport : kNone;
}

std::optional<std::string> MemberTest::Field(const std::string& formId,
                                             const std::string& addr) const {
  const FakeFormRecord* form = report().Form(formId);
  return form == nullptr ? std::nullopt : form->Field(addr);
}

std::optional<std::string> MemberTest::Title(const std::string& formId,
                                             const std::string& addr) const {
  const FakeFormRecord* form = report().Form(formId);
  return form == nullptr ? std::nullopt : form->Title(addr);
}

std::string MemberTest::AddPix(const std::string& name) { return dir.Write("Pix/" + name, "JPEG"); }

}  // namespace ombrel::testing::enginetest
