// What every class of the factory shares, checked over the factory table in
// one place: its constants, the addenda of a supplemental form making no call,
// and a main table that never looks at the order running whole on an empty
// one. The calls each table makes are pinned by the trace fixtures.
#include <gtest/gtest.h>

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
  bool mainReadsOrder;  // the main table's calls depend on the order's values
};

// clang-format off
const Shape kShapes[] = {
    // class    form number    form name   skeleton        the main table reads the order
    {"BA2071",   "2071",        "EPI",      "EPI-3X5.RPT",  false},
    {"AUL",      "BAAPUPDATE",  "AUL",      "AULSKEL.RPT",  true},
    {"BAR",      "BAAPREVIEW",  "BAR",      "BARSKEL.RPT",  true},
    {"PFI",      "BA3370_44",   "PFI",      "PFISKEL.RPT",  false},
    {"CLI",      "BA3370_46",   "CLI",      "CLI-3X5.RPT",  false},
    {"DTV",      "BADESKTOP",   "DT2",      "DT2SKEL.RPT",  false},
    {"VIE",      "BAVIE",       "VIE",      "VIESKEL.RPT",  false},
    {"FM2000",   "2000",        "FRR",      "FRR-3X5.RPT",  false},
    {"FM2006",   "2006",        "2006",     "2006-3X5.RPT", false},
    // Nine city lines, each joined only after a read finds one of its parts.
    {"ERC2001",  "ERC2001",     "ERS",      "ERS-3X5.RPT",  true},
    {"FM465S",   "465S",        "EQI",      "",             false},
    {"FM1004",   "1004",        "UA2",      "UAR-3X5.RPT",  false},
    // The market rent date read and written whole.
    {"FM1007",   "1007",        "rent2",    "",             true},
    {"FM1025",   "1025",        "MUL",      "MUL-3X5.RPT",  false},
    {"FM1073",   "1073",        "CN2",      "CND-3X5.RPT",  false},
    {"FM1075",   "1075",        "CIA",      "CIA-3X5.RPT",  false},
    {"FM2055",   "2055",        "DUQ",      "2055-3X5.RPT", false},
    {"QAR",      "2055",        "QAR",      "QAR-3X5.RPT",  false},
    {"DAWI",     "2055_WOI",    "DAWI",     "DAWI-3X5.RPT", false},
    {"FM2065",   "2065",        "2065",     "2065-3X5.RPT", false},
    {"FM2070",   "2070",        "CMR",      "CMR-3X5.RPT",  false},
    {"FM2075",   "2075",        "2075",     "2075-3X5.RPT", false},
    // The two phone numbers are read and, as no pattern fits a tag's own name,
    // written whole into their number fields.
    {"ERC",      "ERC",         "ER3",      "ERC-3X5.RPT",  true},
    {"LAND",     "LAND",        "LAR",      "VL-3X5.RPT",   true},
    // Read and written: the interior description and the two split dates.
    {"MHAR",     "MHAR",        "MOB",      "MOB-3X5.RPT",  true},
    {"FM216",    "216",         "ois",      "",             false},
    // The signing date read and, its tag's own text being no date, written whole.
    {"FM442",    "442",         "compl",    "",             true},
    // Three dates read and written whole.
    {"CNA",      "465",         "cna",      "",             true},
    {"INVOICE",  "INVOICE",     "invoice",  "",             true},
    {"FHAVC",    "FHAVC",       "VC01",     "",             false},
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
