// The photos, sketches and maps of every class's addenda, checked once over
// the factory table with the class's row of the photos table: the shared
// procedures' SetPhoto calls in their one order (the subject's views, the
// comparables, the general photos, the listings, the rentals, then the sketch
// and the maps), and nothing after them, on a full order and on an empty one.
#include <gtest/gtest.h>

#include <algorithm>
#include <cstddef>
#include <memory>
#include <string>
#include <span>
#include <string_view>
#include <utility>
#include <vector>

#include "addenda_photos.h"
#include "factory_classes.h"
#include "support/recording_engine.h"
#include "support/trace_calls.h"

namespace ombrel::testing {
namespace {

const AddendaPhotos* PhotosOf(std::string_view className) {
  for (const AddendaPhotos& row : AddendaPhotosTable()) {
    if (row.className == className) return &row;
  }
  return nullptr;
}

// The calls a row stands for, in the order the shared procedures make them.
Calls PhotoCalls(const AddendaPhotos& row) {
  Calls calls;
  auto add = [&](const std::string& tag, const std::string& image) {
    calls.push_back("SetPhoto(" + Q(tag) + ", " + Q(image) + ")");
  };
  auto numbered = [&](int count, const char* tag, const char* image) {
    for (int i = 1; i <= count; ++i) {
      const std::string n = std::to_string(i);
      add(tag + ("(" + n + ")") + (std::string(tag) == "COMP" ? "PHOTO" : ""),
          image + ("_" + n + "_3X5"));
    }
  };
  if (row.subject) {
    add("SUBJECTFRONTVIEW", "SUB_1_3X5");
    add("SUBJECTREARVIEW", "SUB_2_3X5");
    add("SUBJECTSTREETVIEW", "SUB_3_3X5");
  }
  numbered(row.comparables, "COMP", "CMP");
  numbered(row.general, "ADDPHOTO", "GN");
  numbered(row.listings, "LISTPHOTO", "LCMP");
  numbered(row.rentals, "RENTPHOTO", "RCMP");
  if (row.sketchesAndMaps) {
    add("FLOORPLAN", "SKETCH_SUBJECT");
    add("PLATMAP", "SKETCH_SITE");
    add("LOCATIONMAP", "MAP_LOCATION");
    add("GENERALMAP", "MAP_GENERAL_1");
    add("FLOODMAP", "MAP_FLOOD");
  }
  return calls;
}

class AddendaPhotosTest : public ::testing::TestWithParam<std::string_view> {};

// An empty order adds no overflow form and a full one every form it can: the
// photos come last either way.
TEST_P(AddendaPhotosTest, ComeLastInTheSharedOrder) {
  const AddendaPhotos* row = PhotosOf(GetParam());
  ASSERT_NE(row, nullptr) << GetParam() << " has no row in the photos table";
  const Calls expected = PhotoCalls(*row);
  std::pair<const char*, std::unique_ptr<RecordingEngine>> orders[] = {
      {"a full order", std::make_unique<RecordingEngine>()},
      {"an empty order", OrderEngine({})},
  };
  for (auto& [name, engine] : orders) {
    SCOPED_TRACE(name);
    std::unique_ptr<FormTranslator> translator = FactoryRowOf(GetParam()).create();
    const Calls calls = AddendaCalls(*translator, std::move(engine));
    Calls photos;
    for (const std::string& call : calls) {
      if (Member(call) == "SetPhoto") photos.push_back(call);
    }
    // The first photo that differs names the slip: a kind short or over, or
    // two kinds turned round.
    for (std::size_t i = 0; i < std::max(photos.size(), expected.size()); ++i) {
      const std::string made = i < photos.size() ? photos[i] : "(none)";
      const std::string wanted = i < expected.size() ? expected[i] : "(none)";
      if (made != wanted) {
        ADD_FAILURE() << "photo " << i + 1 << " of " << expected.size() << ": " << wanted
                      << " expected, the addenda make " << made;
        break;
      }
    }
    ASSERT_GE(calls.size(), photos.size());
    const std::size_t first = calls.size() - photos.size();
    for (std::size_t i = first; i < calls.size(); ++i) {
      EXPECT_EQ(Member(calls[i]), "SetPhoto") << "call " << i + 1 << " " << calls[i]
                                              << " stands among the photos";
    }
  }
}

INSTANTIATE_TEST_SUITE_P(EveryClass, AddendaPhotosTest,
                         ::testing::ValuesIn(FactoryClassNames()), ClassName);

TEST(AddendaPhotosTableTest, OneRowPerClassInTheFactorysOrder) {
  const std::vector<std::string_view> classes = FactoryClassNames();
  const std::span<const AddendaPhotos> rows = AddendaPhotosTable();
  for (std::size_t i = 0; i < std::max(classes.size(), rows.size()); ++i) {
    const std::string_view row = i < rows.size() ? rows[i].className : "(none)";
    const std::string_view factory = i < classes.size() ? classes[i] : "(none)";
    EXPECT_EQ(row, factory) << "photos row " << i + 1;
  }
}

}  // namespace
}  // namespace ombrel::testing
