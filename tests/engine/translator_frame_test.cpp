// The frame every translator shares: its constants, and Server as a
// non-owning reference that refuses nothing.
#include <memory>

#include <gtest/gtest.h>

#include "engine/translator.h"
#include "engine_fixture.h"
#include "support/recording_engine.h"
#include "translators/factory_table.h"

namespace ombrel::testing::enginetest {
namespace {

TEST(TranslatorFrameTest, ServerSetToNothingRaisesWithTheClassNameAndKeepsTheEngine) {
  for (const FactoryRow& row : FactoryTable()) {
    if (row.create == nullptr) continue;
    SCOPED_TRACE(std::string(row.className));
    std::unique_ptr<FormTranslator> translator = row.create();
    RecordingEngine engine;
    EXPECT_EQ(translator->Server(), nullptr);
    translator->SetServer(&engine);
    try {
      translator->SetServer(nullptr);
      ADD_FAILURE() << "no error raised";
    } catch (const Error& error) {
      EXPECT_EQ(error.number(), -2147190500);
      EXPECT_EQ(error.source(), row.className);
      EXPECT_EQ(error.description(), "Invalid Server Object");
    }
    EXPECT_EQ(translator->Server(), &engine);
  }
}

TEST(TranslatorFrameTest, ALaterEngineReplacesTheFirstAndTheConstantsStay) {
  Journal journal = std::make_shared<std::vector<std::string>>();
  TestTranslator translator({"TEST", "T1", "tst", "TST-3X5.RPT"}, journal, {});
  const std::string number = translator.FormNumber();
  const std::string name = translator.FormName();
  const std::string skeleton = translator.Skeleton();
  RecordingEngine first, second;
  translator.SetServer(&first);
  translator.SetServer(&second);
  EXPECT_EQ(translator.Server(), &second);
  EXPECT_EQ(translator.FormNumber(), number);
  EXPECT_EQ(translator.FormName(), name);
  EXPECT_EQ(translator.Skeleton(), skeleton);
  EXPECT_EQ(name, "tst");
}

TEST(TranslatorFrameTest, ATableWithoutAnEngineRaisesError91) {
  Journal journal = std::make_shared<std::vector<std::string>>();
  TestTranslator translator({"TEST", "T1", "tst", "TST-3X5.RPT"}, journal,
                            {[](XmlEngine& engine) { engine.SetAlias("CITY", "8|1"); }, {}});
  try {
    translator.EntrainMain();
    ADD_FAILURE() << "no error raised";
  } catch (const Error& error) {
    EXPECT_EQ(error.number(), 91);
    EXPECT_EQ(error.source(), "TEST");
  }
}

TEST(TranslatorFrameTest, ReleasingATranslatorLeavesItsEngineAlone) {
  auto engine = std::make_unique<RecordingEngine>();
  Journal journal = std::make_shared<std::vector<std::string>>();
  {
    TestTranslator translator({"TEST", "T1", "tst", ""}, journal,
                              {[](XmlEngine& e) { e.ProcessOffscrn(); }, {}});
    translator.SetServer(engine.get());
    translator.EntrainMain();
  }
  EXPECT_EQ(*journal, (std::vector<std::string>{"EntrainMain tst", "released tst"}));
  // The engine is still there and usable.
  engine->ProcessOffscrn();
  EXPECT_EQ(engine->calls(), (std::vector<std::string>{"ProcessOffscrn()", "ProcessOffscrn()"}));
}

}  // namespace
}  // namespace ombrel::testing::enginetest
