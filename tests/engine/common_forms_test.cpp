// The shared procedures on an engine that records their calls: which members
// they call, in which order, with which tags, frames and fields.
#include "engine/common_forms.h"

#include <gtest/gtest.h>

#include <map>
#include <memory>
#include <set>
#include <string>
#include <vector>

#include "platform/errors/error.h"
#include "support/recording_engine.h"
#include "support/scripted_ui.h"

namespace ombrel {
namespace {

using ombrel::testing::RecordingEngine;
using ombrel::testing::ScriptedUi;
using Calls = std::vector<std::string>;

// A recording engine that answers like an order: tag values, photos that can
// be attached, forms that can be switched to, and a member that fails.
class OrderEngine : public RecordingEngine {
 public:
  std::string ReadDirect(const std::string& addr) override {
    RecordingEngine::ReadDirect(addr);
    auto found = values.find(addr);
    return found == values.end() ? "" : found->second;
  }
  bool SetPhoto(const std::string& ifxTag, std::string& frameID) override {
    RecordingEngine::SetPhoto(ifxTag, frameID);
    if (!renumberTo.empty()) frameID = renumberTo;  // what the caller passed must not carry over
    return attachable.count(ifxTag) != 0;
  }
  bool SetForm(const std::string& formID) override {
    RecordingEngine::SetForm(formID);
    return formsWithVersion.count(formID) != 0;
  }
  void WriteDirect(const std::string& addr, const std::string& value) override {
    RecordingEngine::WriteDirect(addr, value);
    if (failingWrites.count(addr) != 0) throw Error(91, "Ombrel", "Object variable not set");
  }

  std::map<std::string, std::string> values;
  std::set<std::string> attachable;
  std::set<std::string> formsWithVersion;
  std::set<std::string> failingWrites;
  std::string renumberTo;
};

class CommonFormsTest : public ::testing::Test {
 protected:
  CommonFormsTest() { order->services.ui = &ui; }

  const Calls& calls() const { return order->calls(); }

  ScriptedUi ui;
  std::unique_ptr<OrderEngine> order = std::make_unique<OrderEngine>();
};

TEST_F(CommonFormsTest, CountedPhotoFamiliesAskEachTagIntoItsFrame) {
  struct Case {
    const char* name;
    void (*procedure)(XmlEngine&, int16_t);
    int16_t count;
    Calls expected;
  };
  const Case cases[] = {
      {"comparables, none", AddCompPhotos, 0, {}},
      {"comparables, negative", AddCompPhotos, -1, {}},
      {"comparables",
       AddCompPhotos,
       2,
       {R"~(SetPhoto("COMP(1)PHOTO", "CMP_1_3X5"))~", R"~(SetPhoto("COMP(2)PHOTO", "CMP_2_3X5"))~"}},
      {"listing",
       AddListingPhotos,
       2,
       {R"~(SetPhoto("LISTPHOTO(1)", "LCMP_1_3X5"))~", R"~(SetPhoto("LISTPHOTO(2)", "LCMP_2_3X5"))~"}},
      {"rental",
       AddRentalPhotos,
       1,
       {R"~(SetPhoto("RENTPHOTO(1)", "RCMP_1_3X5"))~"}},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    auto engine = std::make_unique<OrderEngine>();
    const OrderEngine* fresh = engine.get();
    c.procedure(*engine, c.count);
    EXPECT_EQ(fresh->calls(), c.expected);
  }
}

TEST_F(CommonFormsTest, GeneralPhotosRunToEighteenWithTwoDigitNumbers) {
  AddGeneralPhotos(*order, 18);
  ASSERT_EQ(calls().size(), 18u);
  EXPECT_EQ(calls().front(), R"~(SetPhoto("ADDPHOTO(1)", "GN_1_3X5"))~");
  EXPECT_EQ(calls()[11], R"~(SetPhoto("ADDPHOTO(12)", "GN_12_3X5"))~");
  EXPECT_EQ(calls().back(), R"~(SetPhoto("ADDPHOTO(18)", "GN_18_3X5"))~");
}

TEST_F(CommonFormsTest, OnlyAnAttachedPhotoHasItsNumberChecked) {
  order->attachable = {"COMP(2)PHOTO"};
  AddCompPhotos(*order, 9);
  std::size_t setPhotos = 0;
  Calls mapValues;
  for (const std::string& call : calls()) {
    if (call.rfind("SetPhoto(", 0) == 0) ++setPhotos;
    if (call.rfind("MapValue(", 0) == 0) mapValues.push_back(call);
  }
  EXPECT_EQ(setPhotos, 9u);
  EXPECT_EQ(mapValues, Calls{R"~(MapValue("COMP(2)PHOTONUM", "2"))~"});
  // The check follows its own photo at once.
  EXPECT_EQ(calls()[2], R"~(MapValue("COMP(2)PHOTONUM", "2"))~");

  struct Family {
    void (*procedure)(XmlEngine&, int16_t);
    const char* tag;
    const char* check;
  };
  const Family families[] = {
      {AddGeneralPhotos, "ADDPHOTO(1)", R"~(MapValue("ADDPHOTO(1)NUM", "1"))~"},
      {AddListingPhotos, "LISTPHOTO(1)", R"~(MapValue("LISTPHOTO(1)NUM", "1"))~"},
      {AddRentalPhotos, "RENTPHOTO(1)", R"~(MapValue("RENTPHOTO(1)NUM", "1"))~"},
  };
  for (const auto& [family, tag, numberTag] : families) {
    SCOPED_TRACE(tag);
    auto engine = std::make_unique<OrderEngine>();
    engine->attachable = {tag};
    const OrderEngine* fresh = engine.get();
    family(*engine, 1);
    ASSERT_EQ(fresh->calls().size(), 2u);
    EXPECT_EQ(fresh->calls()[1], numberTag);
  }
}

TEST_F(CommonFormsTest, EachPhotoGetsAFreshFrameId) {
  order->renumberTo = "CMP_7_3X5";  // the engine rewrites every frame it is given
  AddCompPhotos(*order, 3);
  EXPECT_EQ(calls(), (Calls{R"~(SetPhoto("COMP(1)PHOTO", "CMP_1_3X5"))~",
                            R"~(SetPhoto("COMP(2)PHOTO", "CMP_2_3X5"))~",
                            R"~(SetPhoto("COMP(3)PHOTO", "CMP_3_3X5"))~"}));
}

TEST_F(CommonFormsTest, SubjectPhotosGoToTheirThreeFrames) {
  order->attachable = {"SUBJECTFRONTVIEW", "SUBJECTREARVIEW", "SUBJECTSTREETVIEW"};
  AddSubjectPhotos(*order);
  EXPECT_EQ(calls(), (Calls{R"~(SetPhoto("SUBJECTFRONTVIEW", "SUB_1_3X5"))~",
                            R"~(SetPhoto("SUBJECTREARVIEW", "SUB_2_3X5"))~",
                            R"~(SetPhoto("SUBJECTSTREETVIEW", "SUB_3_3X5"))~"}));
}

TEST_F(CommonFormsTest, SketchesAndMapsFillTheAddendumOfEachAttachedImage) {
  struct Case {
    const char* name;
    std::set<std::string> attachable;
    std::set<std::string> formsWithVersion;
    Calls expectedAfterPhotos;  // the calls other than SetPhoto, in order
  };
  const Case cases[] = {
      {"nothing attached", {}, {}, {}},
      {"flood map only",
       {"FLOODMAP"},
       {"floodmap"},
       {R"~(WriteDirect("FLOODMAPNUM", "1"))~", R"~(SetForm("floodmap"))~",
        R"~(SetAlias("FLOODMAPNAME", "5|1"))~"}},
      {"sketch and location map",
       {"FLOORPLAN", "LOCATIONMAP"},
       {"sketch", "location"},
       {R"~(WriteDirect("FLOORPLANNUM", "1"))~", R"~(SetForm("sketch"))~",
        R"~(SetAlias("FLOORPLANNAME", "5|1"))~", R"~(WriteDirect("LOCATIONMAPNUM", "1"))~",
        R"~(SetForm("location"))~", R"~(SetAlias("LOCATIONMAPNAME", "5|1"))~"}},
      {"addenda without version get the default title",
       {"PLATMAP", "GENERALMAP"},
       {},
       {R"~(WriteDirect("PLATMAPNUM", "1"))~", R"~(SetForm("siteplan"))~",
        R"~(WriteDirect("PLATMAPNAME", "SITE PLAN"))~", R"~(WriteDirect("GENERALMAPNUM", "1"))~",
        R"~(SetForm("xmapa"))~", R"~(WriteDirect("GENERALMAPNAME", "GENERAL MAP"))~"}},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    auto engine = std::make_unique<OrderEngine>();
    engine->attachable = c.attachable;
    engine->formsWithVersion = c.formsWithVersion;
    const OrderEngine* fresh = engine.get();
    AddSketchesAndMaps(*engine);

    Calls photos;
    Calls others;
    for (const std::string& call : fresh->calls()) {
      (call.rfind("SetPhoto(", 0) == 0 ? photos : others).push_back(call);
    }
    EXPECT_EQ(photos, (Calls{R"~(SetPhoto("FLOORPLAN", "SKETCH_SUBJECT"))~",
                             R"~(SetPhoto("PLATMAP", "SKETCH_SITE"))~",
                             R"~(SetPhoto("LOCATIONMAP", "MAP_LOCATION"))~",
                             R"~(SetPhoto("GENERALMAP", "MAP_GENERAL_1"))~",
                             R"~(SetPhoto("FLOODMAP", "MAP_FLOOD"))~"}));
    EXPECT_EQ(others, c.expectedAfterPhotos);
  }
}

TEST_F(CommonFormsTest, AnErrorInSketchesAndMapsEndsItAndPassesToTheCaller) {
  order->attachable = {"FLOORPLAN", "FLOODMAP"};
  order->failingWrites = {"FLOORPLANNAME"};  // SetForm("sketch") gave False
  EXPECT_THROW(AddSketchesAndMaps(*order), Error);
  EXPECT_EQ(calls().back(), R"~(WriteDirect("FLOORPLANNAME", "SKETCH ADDENDUM"))~");
  EXPECT_TRUE(ui.boxes.empty());
}

TEST_F(CommonFormsTest, AnyTagPresentStopsAtTheFirstValue) {
  order->values = {{"COMP(5)ADDRSTREET", "12 Oak St"}, {"COMP(6)ADDRSTREET", "9 Elm St"}};
  EXPECT_TRUE(AnyTagPresent(*order, {"COMP(4)ADDRSTREET", "COMP(5)ADDRSTREET",
                                     "COMP(6)ADDRSTREET"}));
  EXPECT_EQ(calls(), (Calls{R"~(ReadDirect("COMP(4)ADDRSTREET"))~",
                            R"~(ReadDirect("COMP(5)ADDRSTREET"))~"}));

  OrderEngine empty;
  EXPECT_FALSE(AnyTagPresent(empty, {"COMP(4)ADDRSTREET", "COMP(5)ADDRSTREET"}));
  EXPECT_EQ(empty.calls().size(), 2u);
  EXPECT_FALSE(AnyTagPresent(empty, {}));
  EXPECT_EQ(empty.calls().size(), 2u);

  OrderEngine blank;  // one blank is a value
  blank.values = {{"A", " "}};
  EXPECT_TRUE(AnyTagPresent(blank, {"A"}));
}

TEST_F(CommonFormsTest, SplitY2KDateWritesMonthDayAndYearOnlyForADate) {
  struct Case {
    const char* value;  // nullptr: the tag is absent
    Calls writes;
  };
  const Case cases[] = {
      {"9/13/2002",
       {R"~(WriteDirect("1|1", "September 13"))~", R"~(WriteDirect("1|2", "2002"))~"}},
      {"2001-03-05", {R"~(WriteDirect("1|1", "March 5"))~", R"~(WriteDirect("1|2", "2001"))~"}},
      {"12:30", {R"~(WriteDirect("1|1", "12:30"))~"}},  // a time alone is no date
      {"2001", {R"~(WriteDirect("1|1", "2001"))~"}},    // nor is a bare number
      {"2/30/2001", {R"~(WriteDirect("1|1", "2/30/2001"))~"}},
      {"PENDING", {R"~(WriteDirect("1|1", "PENDING"))~"}},
      {nullptr, {R"~(WriteDirect("1|1", ""))~"}},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.value == nullptr ? "absent" : c.value);
    auto engine = std::make_unique<OrderEngine>();
    if (c.value != nullptr) engine->values = {{"DT", c.value}};
    const OrderEngine* fresh = engine.get();
    SplitY2KDate(*engine, "DT", "1|1", "1|2");
    Calls expected{R"~(ReadDirect("DT"))~"};
    expected.insert(expected.end(), c.writes.begin(), c.writes.end());
    EXPECT_EQ(fresh->calls(), expected);
  }
}

TEST_F(CommonFormsTest, AnErrorInSplitY2KDateStaysInItsOwnHandler) {
  order->values = {{"DT", "9/13/2002"}};
  order->failingWrites = {"1|1"};

  ui.AnswerBox(MsgResult::kRetry);  // Retry goes on with the year
  EXPECT_NO_THROW(SplitY2KDate(*order, "DT", "1|1", "1|2"));
  ASSERT_EQ(ui.boxes.size(), 1u);
  EXPECT_EQ(ui.boxes[0].text, "Error 91 in SplitY2KDate:\nObject variable not set");
  EXPECT_EQ(ui.boxes[0].buttons, MsgButtons::kRetryCancel);
  EXPECT_EQ(calls().back(), R"~(WriteDirect("1|2", "2002"))~");

  ui.AnswerBox(MsgResult::kCancel);  // Cancel leaves at once
  const std::size_t before = calls().size();
  EXPECT_NO_THROW(SplitY2KDate(*order, "DT", "1|1", "1|2"));
  EXPECT_EQ(ui.boxes.size(), 2u);
  EXPECT_EQ(calls().size(), before + 2);  // the read and the failed write only
  EXPECT_TRUE(ui.AllAnswersUsed());
}

TEST(LongDateTest, FormatsDatesAndReturnsAnythingElseUnchanged) {
  struct Case {
    const char* text;
    const char* expected;
  };
  const Case cases[] = {
      {"3/5/2001", "March 5, 2001"},
      {"5 March 2001", "March 5, 2001"},
      {"2001-12-31", "December 31, 2001"},
      {"", ""},
      {"12:30", "12:30"},
      {"2001", "2001"},
      {"2/30/2001", "2/30/2001"},
      {"soon", "soon"},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.text);
    EXPECT_EQ(LongDate(c.text), c.expected);
  }
}

}  // namespace
}  // namespace ombrel
