// The property inspection translator's tables, checked through the calls they
// make on a recording engine: counts and the addenda with their photos,
// sketches and maps.
#include "translators/ba_short/pfi.h"

#include <gtest/gtest.h>

#include <map>
#include <memory>
#include <string>
#include <utility>
#include <vector>

#include "ba_trace.h"

namespace ombrel {
namespace {

using ba_testing::Calls;

// The two headed comments come first, while "PFI" is current; the photos,
// sketches and maps follow on the same form.
TEST(PFITest, AddendaPlaceTwoCommentsThenPhotosSketchesAndMaps) {
  Calls expected = {"AddExtended(\"1|1\")", "AddExtended(\"66|1\")"};
  for (const Calls& group : {ba_testing::SubjectPhotoCalls(), ba_testing::SketchAndMapCalls()}) {
    expected.insert(expected.end(), group.begin(), group.end());
  }
  PFI translator;
  EXPECT_EQ(ba_testing::AddendaCalls(translator), expected);
}

}  // namespace
}  // namespace ombrel
