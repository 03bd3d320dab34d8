// What the four translators of the 2055 family share: their frame, the guards
// of the overflow forms and the place of the photo, sketch and map calls, each
// checked for every member with its own form ids.
#include <gtest/gtest.h>

#include <functional>
#include <memory>
#include <string>

#include "family_trace.h"
#include "translators/form2055/dawi.h"
#include "translators/form2055/fm2055.h"
#include "translators/form2055/fm2065.h"
#include "translators/form2055/qar.h"

namespace ombrel {
namespace {

using namespace form2055_testing;

struct Member {
  std::function<std::unique_ptr<FormTranslator>()> make;
  std::string className, formNumber, formName, skeleton;
  std::string comparables46, comparables79, overflowComment;
  std::ptrdiff_t comparableCalls;  // calls of one overflow comparable
  int generalPhotos;
};

template <typename T>
std::unique_ptr<FormTranslator> Make() {
  return std::make_unique<T>();
}

const Member kMembers[] = {
    {Make<FM2055>, "FM2055", "2055", "DUQ", "2055-3X5.RPT", "DUQCMP46", "duqcmp79", "40|1", 48, 6},
    {Make<QAR>, "QAR", "2055", "QAR", "QAR-3X5.RPT", "QARCMP46", "qarcmp79", "40|1", 48, 6},
    {Make<DAWI>, "DAWI", "2055_WOI", "DAWI", "DAWI-3X5.RPT", "DAWIC46", "DAWIC79", "40|1", 48, 6},
    {Make<FM2065>, "FM2065", "2065", "2065", "2065-3X5.RPT", "2065_C46", "2065_C79", "39|1", 44,
     18},
};

std::string SetFormCall(const std::string& id) { return "SetForm(" + Q(id) + ")"; }
std::string ReadCall(const std::string& tag) { return "ReadDirect(" + Q(tag) + ")"; }

// Values of comparables 4 to 9 without a street add no overflow form.
TEST(Form2055Family, NoStreetNoOverflowForm) {
  for (const Member& m : kMembers) {
    SCOPED_TRACE(m.className);
    auto translator = m.make();
    const Calls calls = AddendaCalls(
        *translator, {{"COMP(4)SALESPRICE", "1"}, {"COMP(8)PROXIMITY", "2"}, {"COMP(9)NUM", "9"}});
    EXPECT_EQ(CountMember(calls, "SetForm"), 1u);  // "offscrn"
    for (int n = 4; n <= 9; ++n) EXPECT_GE(IndexOf(calls, ReadCall(Comp(n, "ADDRSTREET"))), 0);
    for (const char* absent : {"COMP(4)SALESPRICE", "COMP(8)PROXIMITY", "COMP(9)NUM",
                               "COMMENTSALESCOMPARE"}) {
      EXPECT_FALSE(Mentions(calls, absent)) << absent;
    }
    // Comment marks, the report profile, six street reads and the photos.
    EXPECT_EQ(calls.size(), 4u + 10u + 6u + (3u + 9u + m.generalPhotos + 5u));
  }
}

// A street for comparable 5 alone: the first overflow form with column 2
// filled; comparables 4 and 6 get only their street call.
TEST(Form2055Family, StreetForComparableFiveOnly) {
  for (const Member& m : kMembers) {
    SCOPED_TRACE(m.className);
    auto translator = m.make();
    const Calls calls = AddendaCalls(*translator, {{"COMP(5)ADDRSTREET", "12 Oak St"}});
    const std::ptrdiff_t form = IndexOf(calls, SetFormCall(m.comparables46));
    ASSERT_GE(form, 0);
    EXPECT_EQ(calls[form - 2], ReadCall("COMP(4)ADDRSTREET"));
    EXPECT_EQ(calls[form - 1], ReadCall("COMP(5)ADDRSTREET"));
    EXPECT_EQ(calls[form + 1], SetAliasCall("COMP(4)ADDRSTREET", "11|2"));
    EXPECT_EQ(calls[form + 2], SetAliasCall("COMP(5)ADDRSTREET", "11|3"));
    EXPECT_EQ(calls[form + 3], R"(MapValue("COMP(5)NUM", "5"))");
    const std::ptrdiff_t six = form + 2 + m.comparableCalls;
    ASSERT_LT(six + 1, static_cast<std::ptrdiff_t>(calls.size()));
    EXPECT_EQ(calls[six], SetAliasCall("COMP(6)ADDRSTREET", "11|4"));
    EXPECT_EQ(calls[six + 1], SetAliasCall("COMMENTSALESCOMPARETWO", m.overflowComment));
    for (const char* absent : {"COMP(4)NUM", "COMP(6)NUM", "COMP(4)SALESPRICE", "COMP(6)PROXIMITY"}) {
      EXPECT_FALSE(Mentions(calls, absent)) << absent;
    }
    EXPECT_EQ(IndexOf(calls, SetFormCall(m.comparables79)), -1);
    EXPECT_FALSE(Mentions(calls, "COMMENTSALESCOMPARETHREE"));
  }
}

TEST(Form2055Family, StreetForComparableSevenOnly) {
  for (const Member& m : kMembers) {
    SCOPED_TRACE(m.className);
    auto translator = m.make();
    const Calls calls = AddendaCalls(*translator, {{"COMP(7)ADDRSTREET", "3 Elm St"}});
    EXPECT_EQ(IndexOf(calls, SetFormCall(m.comparables46)), -1);
    const std::ptrdiff_t form = IndexOf(calls, SetFormCall(m.comparables79));
    ASSERT_GE(form, 0);
    EXPECT_EQ(calls[form + 1], SetAliasCall("COMP(7)ADDRSTREET", "11|2"));
    EXPECT_EQ(calls[form + 2], R"(MapValue("COMP(7)NUM", "7"))");
    EXPECT_GE(IndexOf(calls, SetAliasCall("COMMENTSALESCOMPARETHREE", m.overflowComment)), 0);
    EXPECT_FALSE(Mentions(calls, "COMMENTSALESCOMPARETWO"));
  }
}

// A form that SetForm refuses skips only the rows it guards.
TEST(Form2055Family, RefusedFormsSkipTheirRows) {
  const std::map<std::string, std::string> allStreets = {
      {"COMP(4)ADDRSTREET", "a"}, {"COMP(5)ADDRSTREET", "b"}, {"COMP(6)ADDRSTREET", "c"},
      {"COMP(7)ADDRSTREET", "d"}, {"COMP(8)ADDRSTREET", "e"}, {"COMP(9)ADDRSTREET", "f"},
  };
  for (const Member& m : kMembers) {
    SCOPED_TRACE(m.className);
    auto translator = m.make();

    Calls calls = AddendaCalls(*translator, allStreets, {m.comparables46});
    std::ptrdiff_t form = IndexOf(calls, SetFormCall(m.comparables46));
    ASSERT_GE(form, 0);
    EXPECT_EQ(calls[form + 1], ReadCall("COMP(7)ADDRSTREET"));
    EXPECT_FALSE(Mentions(calls, "COMP(4)NUM"));
    EXPECT_FALSE(Mentions(calls, "COMMENTSALESCOMPARETWO"));
    EXPECT_GE(IndexOf(calls, R"(MapValue("COMP(9)NUM", "9"))"), 0);
    EXPECT_GE(IndexOf(calls, SetAliasCall("COMMENTSALESCOMPARETHREE", m.overflowComment)), 0);

    calls = AddendaCalls(*translator, allStreets, {"offscrn"});
    form = IndexOf(calls, SetFormCall("offscrn"));
    ASSERT_GE(form, 0);
    EXPECT_EQ(calls[form + 1], ReadCall("COMP(4)ADDRSTREET"));
    EXPECT_FALSE(Mentions(calls, "BOGON"));
    EXPECT_GE(IndexOf(calls, SetAliasCall("COMMENTSALESCOMPARETWO", m.overflowComment)), 0);
  }
}

// The photo, sketch and map procedures follow the read of the last street
// guard directly, whichever forms were added.
TEST(Form2055Family, PhotosFollowTheLastStreetRead) {
  for (const Member& m : kMembers) {
    SCOPED_TRACE(m.className);
    auto translator = m.make();
    const Calls calls = AddendaCalls(*translator, testing::Values{});
    const std::ptrdiff_t photos = IndexOf(calls, R"(SetPhoto("SUBJECTFRONTVIEW", "SUB_1_3X5"))");
    ASSERT_GT(photos, 0);
    EXPECT_EQ(calls[photos - 1], ReadCall("COMP(9)ADDRSTREET"));
  }
}

}  // namespace
}  // namespace ombrel
