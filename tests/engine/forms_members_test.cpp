// SetForm, AddExtended, MapValue and SetPhoto inside a real translation, and
// the shared photo, sketch and map procedures on the real engine.
#include <gtest/gtest.h>

#include <optional>
#include <string>
#include <utility>
#include <vector>

#include "engine/common_forms.h"
#include "member_fixture.h"

namespace ombrel::testing::enginetest {
namespace {

using Fields = std::vector<std::pair<std::string, std::string>>;
using Boxes = std::vector<std::string>;
using Strings = std::vector<std::string>;

class FormsMembersTest : public MemberTest {
 protected:
  Fields FieldsOf(const std::string& formId) const {
    const FakeFormRecord* form = report().Form(formId);
    return form == nullptr ? Fields{} : form->fields;
  }
  Fields TitlesOf(const std::string& formId) const {
    const FakeFormRecord* form = report().Form(formId);
    return form == nullptr ? Fields{} : form->titles;
  }
  Strings FormIds() const {
    Strings ids;
    for (const auto& form : report().forms) ids.push_back(form->id);
    return ids;
  }
  Strings Frames() const {
    Strings frames;
    for (const FakeImageRecord& image : report().images) frames.push_back(image.frame);
    return frames;
  }
};

// --- SetForm ---------------------------------------------------------------

TEST_F(FormsMembersTest, SetForm) {
  components.reportBehaviour.refusedForms = {"cmps46"};
  std::vector<bool> results;
  ASSERT_TRUE(Run([&](XmlEngine& e) {
    results.push_back(e.SetForm("sketch"));
    e.WriteDirect("1|1", "first");
    results.push_back(e.SetForm("UA2"));
    results.push_back(e.SetForm("SKETCH"));  // found again, whatever the case
    e.WriteDirect("1|2", "second");
    results.push_back(e.SetForm("Offscrn"));  // the profile added as "offscrn"
    results.push_back(e.SetForm("NOVERSION"));
    e.WriteDirect("1|1", "current all the same");
    results.push_back(e.SetForm("cmps46"));
  }));
  EXPECT_EQ(results, (std::vector<bool>{true, true, true, true, false, false}));
  EXPECT_EQ(FormIds(), (Strings{"UA2", "Extended_Comments", "offscrn", "sketch", "NOVERSION"}));
  EXPECT_EQ(report().Form("sketch")->version, "2");
  EXPECT_EQ(report().Form("offscrn")->version, "5");
  EXPECT_EQ(report().Form("NOVERSION")->version, "");
  EXPECT_EQ(FieldsOf("sketch"), (Fields{{"1|1", "first"}, {"1|2", "second"}}));
  EXPECT_EQ(FieldsOf("NOVERSION"), (Fields{{"1|1", "current all the same"}}));
  EXPECT_EQ(Render(ui.boxes),
            (Boxes{OkBox("No version information is available for the NOVERSION form.",
                         MsgIcon::kInformation)}));
}

TEST_F(FormsMembersTest, AfterARefusedSetFormNoEarlierFormTakesTheWrites) {
  components.reportBehaviour.refusedForms = {"cmps46"};
  ui.AnswerBox(MsgResult::kRetry);
  ASSERT_TRUE(Run([&](XmlEngine& e) {
    e.SetForm("cmps46");
    e.WriteDirect("1|1", "lost");  // no handler: Translate reports it
  }));
  EXPECT_TRUE(FieldsOf("UA2").empty());
  EXPECT_EQ(Render(ui.boxes),
            (Boxes{ReporterBox("Error 91 in XmlReader::Translate:\nObject variable or With block "
                               "variable not set",
                               "Ombrel")}));
}

// --- AddExtended -----------------------------------------------------------

// The comment fields of "UA2" in the order of the form, with their headings.
const Strings kUa2CommentFields = {"4|1", "53|1", "61|1", "67|1", "150|1", "162|1"};

TEST_F(FormsMembersTest, AddExtendedPlacesEachEntryUnderItsHeading) {
  tags = {{"ADDENDA(1)NUM", "1"},
          {"ADDENDA(1)NAME", "SCOPE OF THE APPRAISAL"},
          {"ADDENDA(1)VALUE", "Exterior only."},
          {"ADDENDA(2)NUM", "2"},
          {"ADDENDA(2)NAME", "Additional Comments"},  // names match whatever their case
          {"ADDENDA(2)VALUE", "None."}};
  ASSERT_TRUE(Run([&](XmlEngine& e) {
    for (const std::string& field : kUa2CommentFields) e.AddExtended(field);
  }));
  EXPECT_EQ(FieldsOf("Extended_Comments"),
            (Fields{{"4|1", "Exterior only."}, {"162|1", "None."}}));
  EXPECT_EQ(TitlesOf("Extended_Comments"),
            (Fields{{"4|1", "SCOPE OF THE APPRAISAL"}, {"162|1", "Additional Comments"}}));
  EXPECT_TRUE(FieldsOf("UA2").empty());
}

TEST_F(FormsMembersTest, AddExtendedPastTheLastEntry) {
  tags = {{"ADDENDA(1)NUM", "1"},
          {"ADDENDA(1)NAME", "SCOPE OF THE APPRAISAL"},
          {"ADDENDA(1)VALUE", "Scope."},
          {"ADDENDA(2)NUM", "2"},
          {"ADDENDA(2)NAME", "ADDITIONAL COMMENTS"},
          {"ADDENDA(2)VALUE", "More."}};
  struct Case {
    const char* name;
    std::string extraField;  // offered after both entries were placed
    Fields comments;
    bool lastEntryOfferedAgain;
  };
  const Case cases[] = {
      // No entry 3 and no match: both step-backs, so entry 2 comes again.
      {"a field with a heading", "61|1", {{"4|1", "Scope."}, {"162|1", "More."}}, true},
      // The missing entry's empty name equals the empty heading: an empty
      // comment with an empty title, and only one step back.
      {"a field without a heading", "5|5",
       {{"4|1", "Scope."}, {"162|1", "More."}, {"5|5", ""}}, false},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    ASSERT_TRUE(Run([&](XmlEngine& e) {
      e.AddExtended("4|1");
      e.AddExtended("162|1");
      e.AddExtended(c.extraField);
      e.SetForm("MUL");  // "ADDITIONAL COMMENTS" stands at 336|1 there
      e.AddExtended("336|1");
    }));
    Fields expected = c.comments;
    if (c.lastEntryOfferedAgain) expected.emplace_back("336|1", "More.");
    EXPECT_EQ(FieldsOf("Extended_Comments"), expected);
    if (!c.lastEntryOfferedAgain) {
      EXPECT_EQ(Title("Extended_Comments", "5|5"), "");
    }
  }
}

TEST_F(FormsMembersTest, AddExtendedWithoutTheCommentAddendumDoesNothing) {
  components.reportBehaviour.refusedForms = {"Extended_Comments"};
  tags = {{"ADDENDA(1)NUM", "1"}, {"ADDENDA(1)NAME", "SCOPE OF THE APPRAISAL"}};
  ASSERT_TRUE(Run([&](XmlEngine& e) { e.AddExtended("4|1"); }));
  EXPECT_TRUE(FieldsOf("UA2").empty());
  EXPECT_TRUE(ui.boxes.empty());
}

// --- MapValue and SetPhoto -------------------------------------------------

TEST_F(FormsMembersTest, SetPhotoRenumbersAComparableFrame) {
  AddPix("c2.jpg");
  struct Case {
    const char* name;
    std::optional<std::string> comparableNumber;  // COMP(2)NUM, checked against "2"
    std::optional<std::string> photoNumber;       // COMP(2)PHOTONUM
    std::string frame;
  };
  const Case cases[] = {
      {"numbers agree", std::nullopt, "2", "CMP_2_3X5"},
      {"the comparable recorded elsewhere", "5", "3", "CMP_5_3X5"},
      {"nothing recorded", "2", "3", "CMP_3_3X5"},
      {"no photo number, nothing recorded", std::nullopt, std::nullopt, "CMP_2_3X5"},
      {"two-digit photo number", std::nullopt, "12", "CMP_1_3X5"},
      {"two-digit recorded number", "10", "3", "CMP_1_3X5"},
      {"recorded but the photo agrees", "5", "2", "CMP_2_3X5"},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    tags = {{"COMP(2)PHOTO", "c2.jpg"}};
    if (c.comparableNumber) tags["COMP(2)NUM"] = *c.comparableNumber;
    if (c.photoNumber) tags["COMP(2)PHOTONUM"] = *c.photoNumber;
    std::string frame = "CMP_2_3X5";
    bool attached = false;
    ASSERT_TRUE(Run([&](XmlEngine& e) {
      e.MapValue("COMP(2)NUM", "2");
      attached = e.SetPhoto("COMP(2)PHOTO", frame);
    }));
    EXPECT_TRUE(attached);
    EXPECT_EQ(frame, c.frame) << "the caller sees the frame used";
    EXPECT_EQ(Frames(), Strings{c.frame});
  }
}

TEST_F(FormsMembersTest, SetPhotoTakesARecordedNumberOnlyOnce) {
  AddPix("c2.jpg");
  tags = {{"COMP(2)PHOTO", "c2.jpg"}, {"COMP(2)NUM", "5"}, {"COMP(2)PHOTONUM", "3"},
          {"ADDPHOTO(2)NUM", "7"}};
  Strings frames;
  ASSERT_TRUE(Run([&](XmlEngine& e) {
    e.MapValue("COMP(2)NUM", "2");
    for (int i = 0; i < 2; ++i) {
      std::string frame = "CMP_2_3X5";
      e.SetPhoto("COMP(2)PHOTO", frame);
      frames.push_back(frame);
    }
    e.MapValue("ADDPHOTO(2)NUM", "2");  // the key is free again: no box
  }));
  EXPECT_EQ(frames, (Strings{"CMP_5_3X5", "CMP_3_3X5"}));
  EXPECT_TRUE(ui.boxes.empty());
}

TEST_F(FormsMembersTest, MapValueRecordsOnlyDifferencesAndKeepsTheFirstUnderAKey) {
  AddPix("c2.jpg");
  tags = {{"COMP(2)NUM", "5"},     {"LISTING(2)NUM", "7"}, {"SAME", "b"},
          {"OTHER", "z"},          {"EMPTYCHECK", ""},     {"COMP(2)PHOTO", "c2.jpg"},
          {"COMP(2)PHOTONUM", "3"}};
  ui.AnswerBox(MsgResult::kRetry);
  ASSERT_TRUE(Run([&](XmlEngine& e) {
    e.MapValue("SAME", "B");         // equal but for case: nothing recorded
    e.MapValue("OTHER", "b");        // so "b" is still free
    e.MapValue("EMPTYCHECK", "4");   // no value: nothing
    e.MapValue("ABSENT", "4");
    e.MapValue("COMP(2)NUM", "2");   // 5 under "2"
    e.MapValue("LISTING(2)NUM", "2");  // refused: the box, 5 kept
    e.WriteDirect("1|1", "goes on");
    std::string frame = "CMP_2_3X5";
    e.SetPhoto("COMP(2)PHOTO", frame);
  }));
  EXPECT_EQ(Render(ui.boxes),
            (Boxes{ReporterBox("Error 457 in XmlReader::MapValue:\nThis key is already associated "
                               "with an element of this collection.",
                               "Ombrel")}));
  EXPECT_EQ(FieldsOf("UA2"), (Fields{{"1|1", "goes on"}}));
  EXPECT_EQ(Frames(), Strings{"CMP_5_3X5"});
}

TEST_F(FormsMembersTest, SetPhotoAttachesTheFileFromThePixFolder) {
  const std::string front = AddPix("front.jpg");
  const std::string rear = AddPix("Rear.Photo.JPG");
  tags = {{"SUBJECTFRONTVIEW", "FRONT.JPG"},  // differs from the file only in case
          {"SUBJECTREARVIEW", "Rear.Photo.JPG"},
          {"SUBJECTSTREETVIEW", "missing.jpg"},
          {"COMP(10)PHOTO", "front.jpg"},
          {"COMP(10)PHOTONUM", "3"},
          {"ADDPHOTO(1)", "../Alias/global.ali"}};
  std::vector<bool> results;
  std::string tenth = "CMP_10_3X5";
  ASSERT_TRUE(Run([&](XmlEngine& e) {
    std::string frame = "SUB_1_3X5";
    results.push_back(e.SetPhoto("SUBJECTFRONTVIEW", frame));
    frame = "SUB_2_3X5";
    results.push_back(e.SetPhoto("SUBJECTREARVIEW", frame));
    frame = "SUB_3_3X5";
    results.push_back(e.SetPhoto("SUBJECTSTREETVIEW", frame));
    frame = "SUB_3_3X5";
    results.push_back(e.SetPhoto("ABSENT", frame));
    results.push_back(e.SetPhoto("COMP(10)PHOTO", tenth));  // not renumbered
    frame = "GN_1_3X5";
    results.push_back(e.SetPhoto("ADDPHOTO(1)", frame));  // outside the Pix folder
  }));
  EXPECT_EQ(results, (std::vector<bool>{true, true, false, false, true, false}));
  EXPECT_EQ(tenth, "CMP_10_3X5");
  ASSERT_EQ(Frames(), (Strings{"SUB_1_3X5", "SUB_2_3X5", "CMP_10_3X5"}));
  const FakeImageRecord& image = report().images[1];
  EXPECT_EQ(image.fileName, "Rear.Photo");
  EXPECT_EQ(image.extension, "JPG");
  EXPECT_EQ(image.width, 0);
  EXPECT_EQ(image.height, 0);
  EXPECT_EQ(image.attachedPath, rear);
  EXPECT_EQ(report().images[0].fileName, "front");
  EXPECT_EQ(report().images[0].attachedPath, front);
  EXPECT_TRUE(LogLines().empty()) << "a missing file is skipped silently";
  EXPECT_TRUE(ui.boxes.empty());
}

TEST_F(FormsMembersTest, AFrameTheReportCannotAddIsLogged) {
  AddPix("front.jpg");
  components.reportBehaviour.refusedFrames = {"SUB_1_3X5"};
  tags = {{"SUBJECTFRONTVIEW", "front.jpg"}};
  bool attached = true;
  ASSERT_TRUE(Run([&](XmlEngine& e) {
    std::string frame = "SUB_1_3X5";
    attached = e.SetPhoto("SUBJECTFRONTVIEW", frame);
  }));
  EXPECT_FALSE(attached);
  EXPECT_TRUE(report().images.empty());
  EXPECT_EQ(LogLines(), (std::vector<LogLine>{ErrorLine("Unable to attach image frame SUB_1_3X5")}));
}

// --- The shared procedures on the real engine ------------------------------

TEST_F(FormsMembersTest, ComparablePhotosAttachOnlyTheFilesPresent) {
  AddPix("c2.jpg");
  tags = {{"COMP(1)PHOTO", "c1.jpg"}, {"COMP(2)PHOTO", "c2.jpg"}, {"COMP(2)PHOTONUM", "2"}};
  ASSERT_TRUE(Run({}, [&](XmlEngine& e) { AddCompPhotos(e, 9); }));
  EXPECT_EQ(Frames(), Strings{"CMP_2_3X5"});
  EXPECT_TRUE(ui.boxes.empty());
}

TEST_F(FormsMembersTest, SketchesAndMapsLeaveTheLastAttachedAddendumCurrent) {
  struct Case {
    const char* name;
    std::map<std::string, std::string> images;  // image tag -> file
    Strings frames;
    Fields onMainForm;
    std::string currentAfter;
    Fields onCurrentAfter;
  };
  const Case cases[] = {
      {"a flood map only",
       {{"FLOODMAP", "flood.jpg"}},
       {"MAP_FLOOD"},
       {{"FLOODMAPNUM", "1"}},
       "floodmap",
       {{"5|1", "FLOOD MAP NAME"}, {"9|9", "after"}}},
      {"a sketch and a location map",
       {{"FLOORPLAN", "plan.jpg"}, {"LOCATIONMAP", "loc.jpg"}},
       {"SKETCH_SUBJECT", "MAP_LOCATION"},
       {{"FLOORPLANNUM", "1"}},
       "location",
       {{"5|1", "LOCATION MAP NAME"}, {"9|9", "after"}}},
      {"nothing attached", {}, {}, {{"9|9", "after"}}, "UA2", {{"9|9", "after"}}},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    tags = {{"FLOORPLANNAME", "FLOOR PLAN NAME"},
            {"LOCATIONMAPNAME", "LOCATION MAP NAME"},
            {"FLOODMAPNAME", "FLOOD MAP NAME"}};
    for (const auto& [tag, file] : c.images) {
      tags[tag] = file;
      AddPix(file);
    }
    ASSERT_TRUE(Run({}, [&](XmlEngine& e) {
      AddSketchesAndMaps(e);
      e.WriteDirect("9|9", "after");
    }));
    EXPECT_EQ(Frames(), c.frames);
    EXPECT_EQ(FieldsOf("UA2"), c.onMainForm);
    EXPECT_EQ(FieldsOf(c.currentAfter), c.onCurrentAfter);
    if (c.currentAfter == "location") {
      EXPECT_EQ(FieldsOf("sketch"), (Fields{{"5|1", "FLOOR PLAN NAME"}, {"LOCATIONMAPNUM", "1"}}));
    }
    if (c.currentAfter != "UA2") {
      EXPECT_EQ(report().Form(c.currentAfter)->version, "2");
    }
  }
}

TEST_F(FormsMembersTest, AnErrorInSketchesAndMapsReachesTranslatesHandler) {
  AddPix("plan.jpg");
  AddPix("flood.jpg");
  components.reportBehaviour.refusedForms = {"sketch"};
  tags = {{"FLOORPLAN", "plan.jpg"}, {"FLOODMAP", "flood.jpg"}};
  ui.AnswerBox(MsgResult::kRetry);
  Strings reached;
  ASSERT_TRUE(Run({}, [&](XmlEngine& e) {
    AddSketchesAndMaps(e);  // no "sketch": its default title has no form to go to
    reached.push_back("after AddSketchesAndMaps");
  }));
  EXPECT_TRUE(reached.empty());
  EXPECT_EQ(Render(ui.boxes),
            (Boxes{ReporterBox("Error 91 in XmlReader::Translate:\nObject variable or With block "
                               "variable not set",
                               "Ombrel")}));
  EXPECT_EQ(Frames(), Strings{"SKETCH_SUBJECT"}) << "the remaining rows are undone";
  EXPECT_EQ(FieldsOf("UA2"), (Fields{{"FLOORPLANNUM", "1"}}));
  EXPECT_EQ(report().writtenPaths.size(), 1u) << "Retry goes on to the report";
}

TEST_F(FormsMembersTest, AnErrorInSplitY2KDateStaysInItsOwnHandler) {
  components.reportBehaviour.refusedForms = {"cmps46"};
  tags = {{"SALEDATE", "9/13/2002"}};
  ui.AnswerBox(MsgResult::kCancel);
  Strings reached;
  ASSERT_TRUE(Run([&](XmlEngine& e) {
    SplitY2KDate(e, "SALEDATE", "1|1", "1|2");
    e.SetForm("cmps46");
    SplitY2KDate(e, "SALEDATE", "1|1", "1|2");  // no current form: its own box
    reached.push_back("table goes on");
  }));
  EXPECT_EQ(reached, Strings{"table goes on"});
  EXPECT_EQ(FieldsOf("UA2"), (Fields{{"1|1", "September 13"}, {"1|2", "2002"}}));
  EXPECT_EQ(Render(ui.boxes),
            (Boxes{ReporterBox(
                "Error 91 in SplitY2KDate:\nObject variable or With block variable not set",
                "Ombrel")}));
}

}  // namespace
}  // namespace ombrel::testing::enginetest
