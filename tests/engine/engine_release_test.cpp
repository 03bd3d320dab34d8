// The engine's life: what a new engine holds, and the order in which it lets
// its translator, report document and XML reader go.
#include <functional>
#include <memory>
#include <string>

#include <gtest/gtest.h>

#include "engine/xml_reader.h"
#include "engine_fixture.h"
#include "platform/errors/error.h"

namespace ombrel::testing::enginetest {
namespace {

// Components that note in the journal when the engine releases them.
class WatchedXmlDom : public XmlDom {
 public:
  WatchedXmlDom(std::unique_ptr<XmlDom> inner, Journal journal)
      : inner_(std::move(inner)), journal_(std::move(journal)) {}
  ~WatchedXmlDom() override { journal_->push_back("released XmlDom"); }
  void LoadXml(std::string text) override { inner_->LoadXml(std::move(text)); }
  std::string LimitReached() const override { return inner_->LimitReached(); }
  XmlNode Root() const override { return inner_->Root(); }
  std::string Value(XmlNode node, const std::string& path) const override {
    return inner_->Value(node, path);
  }
  void LoadAlias(const std::string& path) override { inner_->LoadAlias(path); }
  std::string TagValue(const std::string& tag, bool skipAlias) const override {
    return inner_->TagValue(tag, skipAlias);
  }

 private:
  std::unique_ptr<XmlDom> inner_;
  Journal journal_;
};

// The report document notes its release too.
class WatchedReportDocument : public FakeReportDocument {
 public:
  WatchedReportDocument(std::shared_ptr<FakeReportRecord> record, Journal journal)
      : FakeReportDocument(std::move(record), {}), journal_(std::move(journal)) {}
  ~WatchedReportDocument() override { journal_->push_back("released ReportDocument"); }

 private:
  Journal journal_;
};

class WatchedComponents : public FakeComponents {
 public:
  explicit WatchedComponents(Journal journal) : journal_(std::move(journal)) {}
  std::unique_ptr<XmlDom> CreateXmlDom() override {
    return std::make_unique<WatchedXmlDom>(FakeComponents::CreateXmlDom(), journal_);
  }
  std::unique_ptr<ReportDocument> CreateReportDocument() override {
    creations.push_back("DOCUMENT");
    lastReport = std::make_shared<FakeReportRecord>();
    return std::make_unique<WatchedReportDocument>(lastReport, journal_);
  }

 private:
  Journal journal_;
};

class EngineReleaseTest : public EngineTest {
 protected:
  EngineReleaseTest() : watched(selection.journal) {
    services.components = &watched;
    selection.Add("TEST", {"TESTMAIN", "TEST", "UA2", "UAR-3X5.RPT"});
    mainPath = dir.Write("order.xml", "MAIN");
    watched.documents["MAIN"].paths["\\~FORMNUM"] = "TEST";
  }

  TestSelection selection;
  WatchedComponents watched;
  std::string mainPath;
};

TEST_F(EngineReleaseTest, ANewEngineHoldsNothingAndCreatesNothing) {
  {
    XmlReader engine(services, Selection(selection));
    // Members used before Translate find no XML reader and no form: error 91,
    // never a dereference of nothing.
    for (const auto& call : std::vector<std::function<void()>>{
             [&] { engine.ReadDirect("CITY"); },
             [&] { engine.WriteDirect("1|1", "x"); },
         }) {
      try {
        call();
        ADD_FAILURE() << "no error raised";
      } catch (const Error& error) {
        EXPECT_EQ(error.number(), 91);
      }
    }
  }
  EXPECT_TRUE(watched.creations.empty());
  EXPECT_TRUE(selection.journal->empty());
}

TEST_F(EngineReleaseTest, ReleaseOrderIsTranslatorReportDocumentXmlReader) {
  {
    XmlReader engine(services, Selection(selection));
    std::string rptFile = dir.File("DATA/SMITH.RPT");
    ASSERT_TRUE(engine.Translate(rptFile, mainPath));
    selection.journal->clear();
  }
  EXPECT_EQ(*selection.journal, (std::vector<std::string>{"released UA2", "released ReportDocument",
                                                          "released XmlDom"}));
  // Releasing wrote nothing more.
  EXPECT_EQ(watched.lastReport->writtenPaths.size(), 1u);
  EXPECT_TRUE(watched.lastReport->destroyed);
}

TEST_F(EngineReleaseTest, AnEngineThatStoppedEarlyReleasesWhatItHas) {
  std::filesystem::remove(dir.File("Alias/global.ali"));
  {
    XmlReader engine(services, Selection(selection));
    std::string rptFile;
    EXPECT_FALSE(engine.Translate(rptFile, mainPath));
    selection.journal->clear();
  }
  // No report document was created; the translator and the XML reader go.
  EXPECT_EQ(*selection.journal, (std::vector<std::string>{"released UA2", "released XmlDom"}));
  EXPECT_EQ(watched.creations, std::vector<std::string>{"XMLDOM"});
}

}  // namespace
}  // namespace ombrel::testing::enginetest
