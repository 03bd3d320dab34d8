// QAR's tables are FM2055's tag for tag: the traces of the two translators
// differ only in the main form's id that the signer blocks return to and in
// the ids of the overflow forms.
#include "translators/form2055/qar.h"

#include <gtest/gtest.h>

#include "family_trace.h"
#include "translators/form2055/fm2055.h"

namespace ombrel {
namespace {

using namespace form2055_testing;

TEST(QAR, MainTableIsFM2055sReturningToQAR) {
  for (int32_t licensing : {-2, -1, 0, 1}) {
    SCOPED_TRACE(licensing);
    FM2055 fm2055;
    QAR qar;
    const Calls expected = Renamed(MainCalls(fm2055, licensing), "DUQ", "QAR");
    const Calls calls = MainCalls(qar, licensing);
    EXPECT_EQ(calls, expected);
    EXPECT_GE(IndexOf(calls, R"(ProcessAppraiserInfo(2, 2, "QAR"))"), 0);
  }
}

TEST(QAR, AddendaAreFM2055sWithItsOverflowForms) {
  FM2055 fm2055;
  QAR qar;
  const Calls expected =
      Renamed(Renamed(AddendaCalls(fm2055), "DUQCMP46", "QARCMP46"), "duqcmp79", "qarcmp79");
  const Calls calls = AddendaCalls(qar);
  EXPECT_EQ(calls, expected);
  EXPECT_GE(IndexOf(calls, R"(SetForm("QARCMP46"))"), 0);
  EXPECT_GE(IndexOf(calls, R"(SetForm("qarcmp79"))"), 0);
}

}  // namespace
}  // namespace ombrel
