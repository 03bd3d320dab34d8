#include "support/translator_frame_checks.h"

#include <gtest/gtest.h>

#include "platform/error.h"
#include "support/recording_engine.h"

namespace ombrel::testing {

void ExpectTranslatorFrame(FormTranslator& translator, const ExpectedFrame& expected) {
  EXPECT_EQ(translator.FormNumber(), expected.formNumber);
  EXPECT_EQ(translator.FormName(), expected.formName);
  EXPECT_EQ(translator.Skeleton(), expected.skeleton);
  EXPECT_EQ(translator.Server(), nullptr);

  RecordingEngine engine;
  translator.SetServer(&engine);
  try {
    translator.SetServer(nullptr);
    ADD_FAILURE() << "no error for an empty engine";
  } catch (const Error& e) {
    EXPECT_EQ(e.number(), err::kInvalidServerObject);
    EXPECT_EQ(e.source(), expected.source);
    EXPECT_EQ(e.description(), "Invalid Server Object");
  }
  EXPECT_EQ(translator.Server(), &engine);
}

}  // namespace ombrel::testing
