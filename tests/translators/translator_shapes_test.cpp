// What every class of the factory shares, checked over the factory table in
// one place: its constants, the number of calls of each member its main table
// makes, the addenda of a supplemental form making no call, and a main table
// that never looks at the order running whole on an empty one.
#include <gtest/gtest.h>

#include <map>
#include <memory>
#include <set>
#include <string>
#include <string_view>

#include "support/recording_engine.h"
#include "support/trace_calls.h"
#include "translators/factory_table.h"

namespace ombrel::testing {
namespace {

struct Shape {
  std::string_view className, formNumber, formName, skeleton;  // skeleton "": supplemental
  std::map<std::string, int> mainCounts;                        // Licensing -2
  bool mainReadsOrder;  // the main table's calls depend on the order's values
};

// clang-format off
const Shape kShapes[] = {
    {"BA2071", "2071", "EPI", "EPI-3X5.RPT",
     {{"SetAlias", 13}, {"CheckAlias", 34}, {"Compare", 2}, {"Licensing", 1}, {"ParseAddress", 1},
      {"ParseExtended", 1}, {"ProcessAppraiserInfo", 1}, {"ProcessOffscrn", 1}}, false},
    {"AUL", "BAAPUPDATE", "AUL", "AULSKEL.RPT",
     {{"SetAlias", 26}, {"CheckAlias", 2}, {"ParseAddress", 3}, {"ParseExtended", 1},
      {"ProcessAppraiserInfo", 2}, {"ProcessOffscrn", 1}}, true},
    {"BAR", "BAAPREVIEW", "BAR", "BARSKEL.RPT",
     {{"SetAlias", 17}, {"CheckAlias", 12}, {"ParseAddress", 1}, {"SetForm", 1},
      {"ProcessAppraiserInfo", 1}, {"ProcessOffscrn", 1}}, true},
    {"PFI", "BA3370_44", "PFI", "PFISKEL.RPT",
     {{"SetAlias", 17}, {"CheckAlias", 6}, {"ParseExtended", 3}, {"ProcessAppraiserInfo", 1},
      {"ProcessOffscrn", 1}}, false},
    // 19 header rows, 206 draws with contract costs, 3 closing rows.
    {"CLI", "BA3370_46", "CLI", "CLI-3X5.RPT",
     {{"SetAlias", 19 + 206 + 3}, {"ParseExtended", 1}, {"ProcessAppraiserInfo", 1},
      {"ProcessOffscrn", 1}}, false},
    {"DTV", "BADESKTOP", "DT2", "DT2SKEL.RPT",
     {{"SetAlias", 53}, {"CheckAlias", 4}, {"Combine", 4}, {"Compare", 2}, {"Licensing", 1},
      {"MapValue", 3}, {"ParseAddress", 5}, {"ParseExtended", 4}, {"ProcessAppraiserInfo", 1},
      {"ProcessOffscrn", 1}}, false},
    {"VIE", "BAVIE", "VIE", "VIESKEL.RPT",
     {{"SetAlias", 29}, {"CheckAlias", 4}, {"Combine", 1}, {"Compare", 2}, {"Licensing", 1},
      {"ParseAddress", 1}, {"ParseExtended", 5}, {"ProcessAppraiserInfo", 1},
      {"ProcessOffscrn", 1}}, false},
    {"FM2000", "2000", "FRR", "FRR-3X5.RPT",
     {{"SetAlias", 45}, {"CheckAlias", 13}, {"MapValue", 5}, {"ParseAddress", 1},
      {"ParseExtended", 16}, {"ProcessAppraiserInfo", 2}, {"ProcessOffscrn", 1}}, false},
    {"FM2006", "2006", "2006", "2006-3X5.RPT",
     {{"SetAlias", 32}, {"CheckAlias", 44 + 4}, {"MapValue", 12}, {"ParseAddress", 4},
      {"ParseExtended", 5}, {"ProcessAppraiserInfo", 2}, {"ProcessOffscrn", 1}}, false},
    // Nine city lines, each joined only after a read finds one of its parts.
    {"ERC2001", "ERC2001", "ERS", "ERS-3X5.RPT",
     {{"SetAlias", 495}, {"CheckAlias", 117}, {"Licensing", 2}, {"MapValue", 6},
      {"ParseAddress", 9}, {"ParseExtended", 27}, {"ParsePhone", 3}, {"ReadDirect", 9},
      {"ProcessAppraiserInfo", 2}, {"ProcessOffscrn", 1}}, true},
    {"FM465S", "465S", "EQI", "",
     {{"SetAlias", 25}, {"CheckAlias", 4}, {"ParseAddress", 2}}, false},
    {"FM1004", "1004", "UA2", "UAR-3X5.RPT",
     {{"SetAlias", 427}, {"CheckAlias", 62}, {"Combine", 3}, {"MapValue", 3}, {"ParseAddress", 6},
      {"ParseExtended", 14}, {"ProcessAppraiserInfo", 2}, {"ProcessOffscrn", 1}}, false},
    // Three rent comparables of 47 calls; the market rent date read and written whole.
    {"FM1007", "1007", "rent2", "",
     {{"SetAlias", 172}, {"CheckAlias", 4}, {"MapValue", 3}, {"ParseAddress", 4},
      {"ReadDirect", 1}, {"WriteDirect", 1}}, true},
    {"FM1025", "1025", "MUL", "MUL-3X5.RPT",
     {{"SetAlias", 809}, {"CheckAlias", 75}, {"Combine", 6}, {"MapValue", 9}, {"ParseAddress", 14},
      {"ParseExtended", 22}, {"ProcessAppraiserInfo", 2}, {"ProcessOffscrn", 1}}, false},
    {"FM1073", "1073", "CN2", "CND-3X5.RPT",
     {{"SetAlias", 438}, {"CheckAlias", 77}, {"Combine", 8}, {"MapValue", 3}, {"ParseAddress", 2},
      {"ParseExtended", 18}, {"ProcessAppraiserInfo", 2}, {"ProcessOffscrn", 1}}, false},
    {"FM1075", "1075", "CIA", "CIA-3X5.RPT",
     {{"SetAlias", 424}, {"CheckAlias", 82}, {"Combine", 10}, {"MapValue", 3}, {"ParseAddress", 6},
      {"ParseExtended", 27}, {"WriteDirect", 4}, {"ProcessAppraiserInfo", 2},
      {"ProcessOffscrn", 1}}, false},
    {"FM2055", "2055", "DUQ", "2055-3X5.RPT",
     {{"SetAlias", 242}, {"CheckAlias", 48}, {"Combine", 3}, {"Compare", 2}, {"Licensing", 2},
      {"MapValue", 3}, {"ParseAddress", 7}, {"ParseExtended", 16}, {"ProcessAppraiserInfo", 2},
      {"ProcessOffscrn", 1}}, false},
    {"QAR", "2055", "QAR", "QAR-3X5.RPT",
     {{"SetAlias", 242}, {"CheckAlias", 48}, {"Combine", 3}, {"Compare", 2}, {"Licensing", 2},
      {"MapValue", 3}, {"ParseAddress", 7}, {"ParseExtended", 16}, {"ProcessAppraiserInfo", 2},
      {"ProcessOffscrn", 1}}, false},
    {"DAWI", "2055_WOI", "DAWI", "DAWI-3X5.RPT",
     {{"SetAlias", 247}, {"CheckAlias", 48}, {"Combine", 3}, {"Compare", 2}, {"Licensing", 2},
      {"MapValue", 3}, {"ParseAddress", 7}, {"ParseExtended", 16}, {"ProcessAppraiserInfo", 2},
      {"ProcessOffscrn", 1}}, false},
    {"FM2065", "2065", "2065", "2065-3X5.RPT",
     {{"SetAlias", 230}, {"CheckAlias", 48}, {"Combine", 3}, {"Compare", 2}, {"Licensing", 2},
      {"MapValue", 3}, {"ParseAddress", 7}, {"ParseExtended", 16}, {"ProcessAppraiserInfo", 2},
      {"ProcessOffscrn", 1}}, false},
    {"FM2070", "2070", "CMR", "CMR-3X5.RPT",
     {{"SetAlias", 45}, {"CheckAlias", 65}, {"Compare", 4}, {"Licensing", 2}, {"ParseAddress", 2},
      {"ParseExtended", 5}, {"ProcessAppraiserInfo", 2}, {"ProcessOffscrn", 1}}, false},
    {"FM2075", "2075", "2075", "2075-3X5.RPT",
     {{"SetAlias", 52}, {"CheckAlias", 32}, {"Compare", 2}, {"Licensing", 2}, {"ParseAddress", 2},
      {"ParseExtended", 11}, {"ProcessAppraiserInfo", 2}, {"ProcessOffscrn", 1}}, false},
    // The two phone numbers are read and, as no pattern fits a tag's own name,
    // written whole into their number fields.
    {"ERC", "ERC", "ER3", "ERC-3X5.RPT",
     {{"SetAlias", 504}, {"CheckAlias", 111}, {"Combine", 11}, {"Compare", 4}, {"Licensing", 2},
      {"MapValue", 6}, {"ParseAddress", 13}, {"ParseExtended", 24}, {"ReadDirect", 2},
      {"WriteDirect", 2}, {"ProcessAppraiserInfo", 2}, {"ProcessOffscrn", 1}}, true},
    {"LAND", "LAND", "LAR", "VL-3X5.RPT",
     {{"SetAlias", 152}, {"CheckAlias", 41}, {"Combine", 1}, {"Compare", 4}, {"Licensing", 2},
      {"MapValue", 3}, {"ParseAddress", 5}, {"ParseExtended", 6}, {"ReadDirect", 1},
      {"WriteDirect", 1}, {"ProcessAppraiserInfo", 2}, {"ProcessOffscrn", 1}}, true},
    // Read and written: the interior description and the two split dates.
    {"MHAR", "MHAR", "MOB", "MOB-3X5.RPT",
     {{"SetAlias", 283}, {"CheckAlias", 97}, {"MapValue", 3}, {"ParseExtended", 9},
      {"ReadDirect", 3}, {"WriteDirect", 3}, {"ProcessAppraiserInfo", 2}, {"ProcessOffscrn", 1}},
     true},
    {"FM216", "216", "ois", "",
     {{"SetAlias", 128}, {"CheckAlias", 6}, {"MapValue", 50}}, false},
    // The signing date read and, its tag's own text being no date, written whole.
    {"FM442", "442", "compl", "",
     {{"SetAlias", 9}, {"CheckAlias", 1}, {"MapValue", 1}, {"ParseAddress", 1}, {"ReadDirect", 1},
      {"WriteDirect", 1}}, true},
    // Three dates read and written whole.
    {"CNA", "465", "cna", "",
     {{"SetAlias", 117}, {"CheckAlias", 1}, {"Combine", 8}, {"MapValue", 8}, {"ReadDirect", 3},
      {"WriteDirect", 3}, {"ProcessAppraiserInfo", 2}, {"ProcessOffscrn", 1}}, true},
    {"INVOICE", "INVOICE", "invoice", "",
     {{"SetAlias", 30}, {"MapValue", 9}, {"ParseAddress", 3}}, true},
    // 85 items of two calls, 13 plain values, 32 descriptions of four calls.
    {"FHAVC", "FHAVC", "VC01", "",
     {{"SetAlias", 13 + 32 * 3}, {"CheckAlias", 85}, {"MapValue", 85 + 32}}, false},
};
// clang-format on

const Shape* ShapeOf(std::string_view className) {
  for (const Shape& shape : kShapes) {
    if (shape.className == className) return &shape;
  }
  return nullptr;
}

Calls Main(FormTranslator& translator, std::unique_ptr<RecordingEngine> engine) {
  return TraceTranslator(translator, TraceTables::kMain, std::move(engine));
}

TEST(TranslatorShapesTest, EveryClassHasItsConstantsAndItsFactoryRow) {
  std::set<std::string_view> seen;
  for (const FactoryRow& row : FactoryTable()) {
    if (row.create == nullptr) continue;
    SCOPED_TRACE(std::string(row.className));
    const Shape* shape = ShapeOf(row.className);
    ASSERT_NE(shape, nullptr);
    seen.insert(row.className);
    EXPECT_EQ(row.formNumber, shape->formNumber);
    EXPECT_EQ(row.formName, shape->formName);
    std::unique_ptr<FormTranslator> translator = row.create();
    EXPECT_EQ(translator->FormNumber(), shape->formNumber);
    EXPECT_EQ(translator->FormName(), shape->formName);
    EXPECT_EQ(translator->Skeleton(), shape->skeleton);
  }
  EXPECT_EQ(seen.size(), std::size(kShapes));
}

TEST(TranslatorShapesTest, MainTablesMakeTheirCallsOfEachMember) {
  for (const FactoryRow& row : FactoryTable()) {
    if (row.create == nullptr) continue;
    SCOPED_TRACE(std::string(row.className));
    const Shape* shape = ShapeOf(row.className);
    ASSERT_NE(shape, nullptr);
    std::unique_ptr<FormTranslator> translator = row.create();
    EXPECT_EQ(CountByMember(Main(*translator, std::make_unique<RecordingEngine>())),
              shape->mainCounts);
  }
}

// A supplemental form is added to a report that its main form has finished:
// it has no addenda of its own.
TEST(TranslatorShapesTest, SupplementalFormsAddendaMakeNoCall) {
  int supplemental = 0;
  for (const FactoryRow& row : FactoryTable()) {
    if (row.create == nullptr) continue;
    std::unique_ptr<FormTranslator> translator = row.create();
    if (!translator->Skeleton().empty()) continue;
    SCOPED_TRACE(std::string(row.className));
    ++supplemental;
    EXPECT_EQ(TraceTranslator(*translator, TraceTables::kAddenda,
                              std::make_unique<RecordingEngine>()),
              Calls{});
  }
  EXPECT_EQ(supplemental, 7);
}

// A main table that decides nothing by the order makes the same calls on an
// order without values, where every SetAlias answers False, as on a full one;
// the others guard rows or write back what they read.
TEST(TranslatorShapesTest, UnguardedMainTablesRunWholeOnAnEmptyOrder) {
  for (const FactoryRow& row : FactoryTable()) {
    if (row.create == nullptr) continue;
    SCOPED_TRACE(std::string(row.className));
    const Shape* shape = ShapeOf(row.className);
    ASSERT_NE(shape, nullptr);
    std::unique_ptr<FormTranslator> full = row.create();
    std::unique_ptr<FormTranslator> empty = row.create();
    EngineAnswers nothing;
    nothing.aliasNeedsValue = true;
    const bool same = Main(*empty, std::make_unique<RecordingEngine>(nothing)) ==
                      Main(*full, std::make_unique<RecordingEngine>());
    EXPECT_EQ(same, !shape->mainReadsOrder);
  }
}

}  // namespace
}  // namespace ombrel::testing
