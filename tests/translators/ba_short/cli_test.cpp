// The construction loan inspection translator's tables, checked through the
// calls they make on a recording engine: counts, the header and the draw
// schedule on both forms, the guard of the continuation form, the split of
// the inspector's comment, and how that split reports its own errors.
#include "translators/ba_short/cli.h"

#include <gtest/gtest.h>

#include <map>
#include <memory>
#include <set>
#include <string>
#include <utility>
#include <vector>

#include "ba_trace.h"
#include "platform/errors/error.h"
#include "support/scripted_ui.h"

namespace ombrel {
namespace {

using ba_testing::Calls;
using testing::RecordingEngine;

// The SetAlias calls of one line's draws firstDraw to lastDraw, in
// consecutive fields from firstField on.
Calls DrawRun(const std::string& category, int line, int firstDraw, int lastDraw,
              int firstField) {
  Calls calls;
  for (int k = firstDraw; k <= lastDraw; ++k) {
    calls.push_back("SetAlias(\"CONSTR" + category + "DRAW" + std::to_string(k) + "\", \"" +
                    std::to_string(line) + "|" + std::to_string(firstField + k - firstDraw) +
                    "\")");
  }
  return calls;
}

Calls Concat(Calls a, const Calls& b) {
  a.insert(a.end(), b.begin(), b.end());
  return a;
}

// The schedule's first and last lines, and a pool line, call by call; draws 6
// to 10 are never read for the main form.
TEST(CLITest, MainDrawScheduleHoldsDrawsOneToFive) {
  CLI translator;
  Calls calls = ba_testing::MainCalls(translator);
  // From the first line's contract cost to the last pool line's fifth draw.
  const Calls schedule = ba_testing::Between(calls, "SetAlias(\"CONSTRPERMITSCCOST\", \"21|2\")",
                                             "SetAlias(\"CONSTRPOOLTOTALDRAW5\", \"56|6\")");
  ASSERT_EQ(schedule.size(), 206u);
  EXPECT_EQ(Calls(schedule.begin(), schedule.begin() + 6),
            Concat({"SetAlias(\"CONSTRPERMITSCCOST\", \"21|2\")"},
                   DrawRun("PERMITS", 21, 1, 5, 3)));
  const Calls totalContract = Concat({"SetAlias(\"CONSTRTOTALCONTRACTCCOST\", \"51|2\")"},
                                     DrawRun("TOTALCONTRACT", 51, 1, 5, 3));
  EXPECT_EQ(ba_testing::Between(schedule, totalContract.front(), totalContract.back()),
            totalContract);
  // The pool lines follow the contract total directly: no line 52, and field
  // 2 of a pool line is its first draw.
  EXPECT_EQ(schedule[31 * 6], "SetAlias(\"CONSTRPOOLEXCAVATIONDRAW1\", \"53|2\")");
  EXPECT_EQ(Calls(schedule.end() - 5, schedule.end()), DrawRun("POOLTOTAL", 56, 1, 5, 2));
  // A line between, and the category whose word begins with a digit.
  const Calls plumbing = Concat({"SetAlias(\"CONSTR2NDPLUMBINGCCOST\", \"30|2\")"},
                                DrawRun("2NDPLUMBING", 30, 1, 5, 3));
  EXPECT_EQ(ba_testing::Between(schedule, plumbing.front(), plumbing.back()), plumbing);

  int contractCosts = 0;
  for (const std::string& call : schedule) {
    if (call.find("CCOST\"") != std::string::npos) ++contractCosts;
    for (int k = 6; k <= 10; ++k) {
      EXPECT_EQ(call.find("DRAW" + std::to_string(k) + "\""), std::string::npos) << call;
    }
  }
  EXPECT_EQ(contractCosts, 31);
}

TEST(CLITest, AddendaOfAnOrderWithExtraDraws) {
  CLI translator;
  Calls calls = ba_testing::AddendaCalls(translator);
  ASSERT_GE(calls.size(), 7u);
  EXPECT_EQ(Calls(calls.begin(), calls.begin() + 7),
            (Calls{"AddExtended(\"2|1\")", "AddExtended(\"68|1\")",
                   "ReadDirect(\"CONSTRTOTALCONTRACTDRAW6\")",
                   "ReadDirect(\"CONSTRPOOLTOTALDRAW6\")", "SetForm(\"CLIXDRAW\")",
                   "SetAlias(\"CASE_NO\", \"2|1\")", "SetAlias(\"FILENUM\", \"3|1\")"}));
  // 175 draws, then the comment, then the photos, sketches and maps.
  const Calls draws(calls.begin() + 7, calls.begin() + 7 + 175);
  EXPECT_EQ(ba_testing::CountByMember(draws), (std::map<std::string, int>{{"SetAlias", 175}}));
  EXPECT_EQ(Calls(draws.begin(), draws.begin() + 5), DrawRun("PERMITS", 21, 6, 10, 3));
  const Calls totalContract = DrawRun("TOTALCONTRACT", 51, 6, 10, 3);
  EXPECT_EQ(Calls(draws.begin() + 150, draws.begin() + 155), totalContract);
  EXPECT_EQ(Calls(draws.begin() + 155, draws.begin() + 160),
            DrawRun("POOLEXCAVATION", 53, 6, 10, 2));
  EXPECT_EQ(Calls(draws.end() - 5, draws.end()), DrawRun("POOLTOTAL", 56, 6, 10, 2));
  EXPECT_TRUE(ba_testing::FieldsWrittenTwice(draws, "CLIXDRAW").empty());

  Calls tail = {"ReadDirect(\"INSPECTORCOMMENT\")"};
  tail = Concat(Concat(tail, ba_testing::SubjectPhotoCalls()), ba_testing::SketchAndMapCalls());
  EXPECT_EQ(Calls(calls.begin() + 182, calls.end()), tail);
}

// Only a contract total or a pool total for draws 6 to 10 adds the
// continuation form, and only a form that SetForm could give its version is
// filled; the photos, sketches and maps come last in every case. Both totals
// of a draw are read before either decides.
TEST(CLITest, ContinuationFormIsGuardedByTheDrawTotalsAndSetForm) {
  auto reads = [](int upTo) {
    Calls calls;
    for (int i = 6; i <= upTo; ++i) {
      calls.push_back("ReadDirect(\"CONSTRTOTALCONTRACTDRAW" + std::to_string(i) + "\")");
      calls.push_back("ReadDirect(\"CONSTRPOOLTOTALDRAW" + std::to_string(i) + "\")");
    }
    return calls;
  };
  struct Case {
    const char* name;
    std::map<std::string, std::string> values;
    std::set<std::string> refusedForms;
    Calls reads;
    bool formAdded, filled;
  };
  const std::vector<Case> cases = {
      {"no draw total beyond the fifth", {}, {}, reads(10), false, false},
      {"a permit draw 6 without a total",
       {{"CONSTRPERMITSDRAW6", "1200"}, {"CONSTRTOTALCONTRACTDRAW5", "9000"}},
       {},
       reads(10),
       false,
       false},
      {"the pool total of draw 7 only",
       {{"CONSTRPOOLTOTALDRAW7", "800"}},
       {},
       reads(7),
       true,
       true},
      {"the contract total of draw 10 only",
       {{"CONSTRTOTALCONTRACTDRAW10", "5000"}},
       {},
       reads(10),
       true,
       true},
      {"a continuation form without a version",
       {{"CONSTRTOTALCONTRACTDRAW6", "5000"}},
       {"CLIXDRAW"},
       reads(6),
       true,
       false},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    CLI translator;
    Calls calls =
        ba_testing::AddendaCalls(translator, ba_testing::OrderEngine(c.values, c.refusedForms));
    Calls expected = Concat({"AddExtended(\"2|1\")", "AddExtended(\"68|1\")"}, c.reads);
    if (c.formAdded) expected.push_back("SetForm(\"CLIXDRAW\")");
    ASSERT_GE(calls.size(), expected.size());
    EXPECT_EQ(Calls(calls.begin(), calls.begin() + static_cast<long>(expected.size())), expected);
    const std::size_t filledCalls = c.filled ? 2 + 175 + 1 : 0;
    const Calls photos = Concat(ba_testing::SubjectPhotoCalls(), ba_testing::SketchAndMapCalls());
    EXPECT_EQ(calls.size(), expected.size() + filledCalls + photos.size());
    EXPECT_EQ(Calls(calls.end() - static_cast<long>(photos.size()), calls.end()), photos);
  }
}

// The calls the comment split makes, from its read of the comment on.
Calls SplitCalls(std::unique_ptr<RecordingEngine> engine) {
  CLI translator;
  Calls calls = ba_testing::AddendaCalls(translator, std::move(engine));
  std::ptrdiff_t at = ba_testing::IndexOf(calls, "ReadDirect(\"INSPECTORCOMMENT\")");
  if (at < 0) return {};
  std::ptrdiff_t photos = ba_testing::IndexOf(calls, ba_testing::SubjectPhotoCalls().front());
  if (photos < at) return {};
  return Calls(calls.begin() + at + 1, calls.begin() + photos);
}

Calls Split(const std::string& head, const std::string& rest) {
  return {"SetForm(\"CLI\")", "WriteDirect(\"64|1\", " + ba_testing::Q(head) + ")",
          "SetForm(\"CLIXDRAW\")", "WriteDirect(\"58|1\", " + ba_testing::Q(rest) + ")"};
}

TEST(CLITest, CommentIsSplitAtItsSecondSeparator) {
  const std::string longPiece(40000, 'x');
  struct Case {
    const char* name;
    std::string comment;
    Calls calls;
  };
  const std::vector<Case> cases = {
      {"no comment", "", {}},
      {"no separator", "Framing complete.", {}},
      {"one separator", "Framing complete.  \nRoof on.", {}},
      {"three pieces", "Framing.  \nRoof.  \nDrywall.", Split("Framing.  \nRoof.", "Drywall.")},
      {"ending with the second separator", "Framing.  \nRoof.  \n", Split("Framing.  \nRoof.", "")},
      {"three separators", "A  \nB  \nC  \nD", Split("A  \nB", "C  \nD")},
      {"separators at the very start", "  \n  \nrest", Split("  \n", "rest")},
      {"a carriage return between blanks and line feed", "A  \r\nB  \r\nC", {}},
      {"one blank before the line feed", "A \nB \nC", {}},
      {"separators far beyond 32767 characters",
       longPiece + "  \n" + longPiece + "  \ntail",
       Split(longPiece + "  \n" + longPiece, "tail")},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    EXPECT_EQ(SplitCalls(ba_testing::OrderEngine(
                  {{"CONSTRPOOLTOTALDRAW6", "1"}, {"INSPECTORCOMMENT", c.comment}})),
              c.calls);
  }
}

TEST(CLITest, CommentSplitWritesOnlyTheFormsThatSetFormAccepts) {
  EXPECT_EQ(SplitCalls(ba_testing::OrderEngine(
                {{"CONSTRPOOLTOTALDRAW6", "1"}, {"INSPECTORCOMMENT", "A  \nB  \nC"}}, {"CLI"})),
            (Calls{"SetForm(\"CLI\")", "SetForm(\"CLIXDRAW\")", "WriteDirect(\"58|1\", \"C\")"}));
}

// An engine whose writes to the given cells fail.
class FailingEngine : public RecordingEngine {
 public:
  FailingEngine(std::map<std::string, std::string> values, std::set<std::string> failingCells)
      : RecordingEngine(testing::EngineAnswers{std::move(values), true, {}}),
        failingCells_(std::move(failingCells)) {}

  void WriteDirect(const std::string& addr, const std::string& value) override {
    RecordingEngine::WriteDirect(addr, value);
    if (failingCells_.count(addr) != 0) {
      throw Error(1004, "QorFile.DOCUMENT", "Cannot write field " + addr);
    }
  }

 private:
  std::set<std::string> failingCells_;
};

// The split reports its own error as "CLI::HandleClixdrawComment": Retry goes
// on with its next step, Cancel ends it; either way the addenda go on with
// the photos, sketches and maps.
TEST(CLITest, CommentSplitReportsItsOwnErrors) {
  const testing::ShownBox box{"Error 1004 in CLI::HandleClixdrawComment:\nCannot write field 64|1",
                              MsgButtons::kRetryCancel, MsgIcon::kInformation,
                              "QorFile.DOCUMENT"};
  struct Case {
    MsgResult answer;
    Calls split;
  };
  const std::vector<Case> cases = {
      {MsgResult::kRetry,
       {"SetForm(\"CLI\")", "WriteDirect(\"64|1\", \"A  \\nB\")", "SetForm(\"CLIXDRAW\")",
        "WriteDirect(\"58|1\", \"C\")"}},
      {MsgResult::kCancel, {"SetForm(\"CLI\")", "WriteDirect(\"64|1\", \"A  \\nB\")"}},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.answer == MsgResult::kRetry ? "Retry" : "Cancel");
    testing::ScriptedUi ui;
    ui.AnswerBox(c.answer);

    auto engine = std::make_unique<FailingEngine>(
        std::map<std::string, std::string>{{"CONSTRTOTALCONTRACTDRAW8", "1"},
                                           {"INSPECTORCOMMENT", "A  \nB  \nC"}},
        std::set<std::string>{"64|1"});
    engine->services.ui = &ui;
    Calls split;
    EXPECT_NO_THROW(split = SplitCalls(std::move(engine)));

    EXPECT_EQ(split, c.split);
    EXPECT_EQ(ui.boxes, std::vector<testing::ShownBox>{box});
    EXPECT_TRUE(ui.AllAnswersUsed());
  }
}

}  // namespace
}  // namespace ombrel
