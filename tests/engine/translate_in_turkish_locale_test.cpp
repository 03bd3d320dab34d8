// Whole translations in a Turkish locale, through the real start-up, envelope
// step, engine, translators and report writer. The window runs in the user's
// locale; there toupper('i') is not 'I', and an order whose forms have an 'i'
// in their ids ("ois", "invoice", "siteplan", "location") must still give the
// report it gives in any other locale, without a box.
#include <cctype>
#include <optional>
#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "engine_fixture.h"
#include "support/order_xml.h"
#include "support/report_reader.h"
#include "support/report_workspace.h"
#include "support/turkish_locale.h"

namespace ombrel::testing::enginetest {
namespace {

std::string Order(const std::string& formNumber, const std::vector<std::pair<std::string, std::string>>& values) {
  OrderXml order;
  order.Set("FORMNUM", formNumber);
  order.Set("FILENUM", formNumber + "-7");
  for (const auto& [tag, value] : values) order.Set(tag, value);
  return order.Text();
}

struct Envelope {
  const char* name;
  std::string mainOrder;
  std::vector<std::string> supplementalOrders;
  std::vector<EnvelopePhoto> photos;
  std::vector<std::string> formsWithAnI;  // forms of the report whose ids fold differently there
};

// The report the workspace writes for envelope, with the boxes it showed.
std::optional<WrittenReport> Convert(const Envelope& envelope, std::vector<std::string>& boxes) {
  ReportWorkspace workspace;
  workspace.supplementalOrders = envelope.supplementalOrders;
  std::optional<WrittenReport> report = workspace.Convert(envelope.mainOrder, envelope.photos);
  boxes = Render(workspace.ui.boxes);
  return report;
}

TEST(TranslateInTurkishLocaleTest, GivesTheReportOfTheCLocaleWithoutABox) {
  const Envelope envelopes[] = {
      {"1004 with the rent schedule 1007 and the operating income 216",
       Order("1004", {{"BORROWER", "Jordan Whitfield"}}),
       {Order("1007", {{"RENTCOMP(1)STREET", "1 Oak"}}), Order("216", {{"RENTUTILSELECT", "OWNER"}})},
       {},
       {"ois"}},
      {"1025 with FHAVC, INVOICE and 465S", Order("1025", {{"BORROWER", "Jordan Whitfield"}}),
       {Order("FHAVC", {{"SINKHOLEHAZARD", "YES"}}), Order("INVOICE", {{"LENDERCLIENTCITY", "Ames"}}),
        Order("465S", {{"GENERALBUILDINGTYPE", "GARDEN"}})},
       {},
       {"invoice"}},
      {"1004 with a site plan and a location map",
       Order("1004", {{"PLATMAP", "plat.jpg"}, {"LOCATIONMAP", "map.jpg"}}),
       {},
       {"plat.jpg", "map.jpg"},
       {"siteplan", "location"}},
  };
  for (const Envelope& envelope : envelopes) {
    SCOPED_TRACE(envelope.name);
    std::vector<std::string> boxes;
    const std::optional<WrittenReport> expected = Convert(envelope, boxes);
    ASSERT_TRUE(expected.has_value());
    ASSERT_EQ(boxes, std::vector<std::string>{});
    for (const std::string& id : envelope.formsWithAnI) EXPECT_NE(expected->Form(id), nullptr) << id;

    std::optional<WrittenReport> turkishReport;
    {
      TurkishLocale turkish;
      ASSERT_TRUE(turkish.active()) << TurkishLocale::kMissing;
      ASSERT_NE(std::toupper('i'), 'I') << "this tr_TR.UTF-8 folds 'i' as English does: the test proves nothing";
      turkishReport = Convert(envelope, boxes);
    }
    EXPECT_EQ(boxes, std::vector<std::string>{});
    ASSERT_TRUE(turkishReport.has_value());
    EXPECT_EQ(turkishReport->skeleton, expected->skeleton);
    ASSERT_EQ(turkishReport->FormIds(), expected->FormIds());
    for (std::size_t f = 0; f < expected->forms.size(); ++f) {
      const ReportForm& want = expected->forms[f];
      const ReportForm& got = turkishReport->forms[f];
      EXPECT_EQ(got.version, want.version) << want.id;
      EXPECT_EQ(got.fields, want.fields) << want.id;
      EXPECT_EQ(got.titles, want.titles) << want.id;
    }
    ASSERT_EQ(turkishReport->images.size(), expected->images.size());
    for (std::size_t i = 0; i < expected->images.size(); ++i) {
      EXPECT_EQ(turkishReport->images[i].frame, expected->images[i].frame);
      EXPECT_EQ(turkishReport->images[i].fileName, expected->images[i].fileName);
      EXPECT_EQ(turkishReport->images[i].bytes, expected->images[i].bytes);
    }
  }
}

}  // namespace
}  // namespace ombrel::testing::enginetest
