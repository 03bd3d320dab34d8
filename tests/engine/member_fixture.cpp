#include "member_fixture.h"

#include <memory>

#include "engine/xml_reader.h"

namespace ombrel::testing::enginetest {

namespace {

constexpr TranslatorConstants kMainTranslator{"TestTranslator", "TEST", "UA2", "UA2-3X5.RPT"};
constexpr const char* kMainText = "<ORDER>main</ORDER>";

}  // namespace

MemberTest::MemberTest() { dir.Write("Pix/.keep", ""); }

MemberTest::~MemberTest() = default;

bool MemberTest::Run(const Table& entrainMain, const Table& appendAddenda) {
  components.documents[kMainText] = FakeOrder{{{"\\~FORMNUM", "TEST"}}, tags};
  const std::string orderPath = dir.Write("XML/order.xml", kMainText);
  selection.Add("TEST", kMainTranslator, TestTables{entrainMain, appendAddenda});

  engine_ = std::make_unique<XmlReader>(services, Selection(selection));
  std::string reportPath = dir.File("REPORT.RPT");
  return engine_->Translate(reportPath, orderPath);
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
