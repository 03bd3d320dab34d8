// A symbolic link under a document's name in the order program's folder is a
// file that was there before the step: never taken for the document.
#include <filesystem>
#include <string>

#include <gtest/gtest.h>

#include "shell/main_form.h"
#include "shell_fixture.h"
#include "support/envelope_builder.h"

namespace ombrel {
namespace {

namespace fs = std::filesystem;
using testing::EnvelopeBuilder;
using testing::EnvelopeEntry;
using testing::ShellTest;

class EnvelopeStepLinkTest : public ShellTest {};

// The link points at the very file the envelope unpacked: followed, it is
// "the same file" as the document, and the step used to translate through it,
// delete the link and leave the document.
TEST_F(EnvelopeStepLinkTest, ALinkUnderTheOrdersNameStopsTheStepAndStays) {
  Main& main = StartedMain();
  EnvelopeBuilder builder;
  EnvelopeEntry& order = builder.Add("main.xml", "OADI/XML", "", "<ORDER>new</ORDER>");
  order.guid = "{ORDER}";
  const std::string xml = kestrovDir + "/XML/";
  builder.Write(xml + "order.env");
  ui.AnswerDialog(xml + "order.env");
  fs::create_symlink("{ORDER}.xml", xml + "main.xml");
  ui.AnswerBox(MsgResult::kCancel);
  main.Open_Click();

  ASSERT_EQ(ui.boxes.size(), 1U);
  EXPECT_EQ(ui.boxes[0].text, "Error 58 in Open:\nFile already exists: " + xml + "main.xml");
  EXPECT_TRUE(translations.empty());
  EXPECT_TRUE(fs::is_symlink(xml + "main.xml"));
  EXPECT_EQ(fs::read_symlink(xml + "main.xml"), "{ORDER}.xml");
  EXPECT_EQ(dirs.Read("kestrov/XML/{ORDER}.xml"), "<ORDER>new</ORDER>");
}

}  // namespace
}  // namespace ombrel
