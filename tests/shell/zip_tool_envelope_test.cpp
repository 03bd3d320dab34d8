// An envelope a common ZIP tool wrote, taken the whole way through the
// envelope step with the real reader, engine and report writer: one the reader
// reads gives the report of the same documents packed plainly, and one it
// cannot read is refused with its cause in the log. Either way only the
// envelope is left in its folder, unchanged, and nothing in the picture
// folder. Which shapes read and which are refused is the envelope reader's
// table (tests/platform/envelope/envelope_zip_shapes_test.cpp); here one of
// each outcome shows what the step makes of it.
#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <functional>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "real_engine_shell_test.h"
#include "support/envelope_builder.h"
#include "support/report_reader.h"
#include "support/zip_layout.h"

namespace ombrel {
namespace {

namespace fs = std::filesystem;
using testing::EnvelopeBuilder;
using testing::Listing;
using testing::ReadReport;
using testing::RealEngineShellTest;
using testing::ShownBox;
using testing::WrittenReport;
using testing::ZipEntry;
using testing::ZipLayout;

const std::string kOrder =
    "<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n"
    "<ORDER><FORMNUM>1004</FORMNUM><BORROWER>Jordan Whitfield</BORROWER>"
    "<SUBJECTFRONTVIEW>front.jpg</SUBJECTFRONTVIEW></ORDER>\n";

class ZipToolEnvelopeTest : public RealEngineShellTest {
 protected:
  ZipToolEnvelopeTest() {
    builder_.Add("ORDER.XML", "OADI/XML", "", kOrder);
    builder_.Add("front.jpg", "IMAGE/JPG", "SUBJECT FRONT", "\xFF\xD8\xFF\xE0 the front photo").stored = true;
    builder_.Add("notes.pdf", "APPLICATION/PDF", "NOTES", "%PDF-1.4 notes");
    builder_.Write(dirs.File("plain.env"));
    plain_ = testing::ReadZipEntries(dirs.Read("plain.env"));
    fs::remove(dirs.File("plain.env"));
  }

  std::string PhotoEntry() { return builder_.documents()[1].guid + builder_.documents()[1].ext; }

  // Presses the button with the envelope shape writes, answering the Save
  // dialog with saveAs when given; returns the log lines the step wrote.
  std::vector<std::string> Convert(const std::string& path, const std::function<void(ZipLayout&)>& shape,
                                   const std::optional<std::string>& saveAs) {
    ZipLayout layout;
    layout.entries = plain_;
    shape(layout);
    dirs.Write(path, testing::WriteZip(layout));
    const std::string envelopeBytes = dirs.Read(path);
    Program();
    const std::size_t logged = LogTexts().size();
    ui.boxes.clear();
    ui.AnswerDialog(path);
    if (saveAs) ui.AnswerDialog(*saveAs);
    Program().Open_Click();
    EXPECT_TRUE(ui.AllAnswersUsed());
    EXPECT_EQ(Listing(XmlDir()), std::vector<std::string>{fs::path(path).filename().string()});
    EXPECT_TRUE(Listing(kestrovDir + "/Pix").empty());
    EXPECT_EQ(dirs.Read(path), envelopeBytes);
    const std::vector<std::string> texts = LogTexts();
    return std::vector<std::string>(texts.begin() + static_cast<std::ptrdiff_t>(logged), texts.end());
  }

  EnvelopeBuilder builder_;
  std::vector<ZipEntry> plain_;

};

// bsdtar, zip -fd and zip writing to a pipe stream every entry, with a data
// descriptor after it.
TEST_F(ZipToolEnvelopeTest, AStreamedEnvelopeGivesThePlainEnvelopesReport) {
  // The report's own name is written into it: one name for both.
  const std::string report = dataDir + "/DATA/SMITH.RPT";
  Convert(XmlDir() + "order.env", [](ZipLayout&) {}, report);
  const std::optional<WrittenReport> plain = ReadReport(report);
  ASSERT_TRUE(plain);
  // The plain envelope's report holds the order and the photo.
  EXPECT_TRUE(std::any_of(plain->forms.begin(), plain->forms.end(), [](const auto& form) {
    return std::any_of(form.fields.begin(), form.fields.end(),
                       [](const auto& field) { return field.second == "Jordan Whitfield"; });
  }));
  ASSERT_EQ(plain->images.size(), 1U);
  EXPECT_EQ(plain->images[0].bytes, builder_.documents()[1].bytes);
  fs::remove(report);

  Convert(
      XmlDir() + "order.env",
      [](ZipLayout& l) {
        for (ZipEntry& e : l.entries) e.streamed = true;
      },
      report);
  EXPECT_EQ(ui.boxes, std::vector<ShownBox>{});
  const std::optional<WrittenReport> written = ReadReport(report);
  ASSERT_TRUE(written);
  EXPECT_EQ(written->skeleton, plain->skeleton);
  EXPECT_EQ(written->FormIds(), plain->FormIds());
  for (std::size_t f = 0; f < std::min(written->forms.size(), plain->forms.size()); ++f) {
    EXPECT_EQ(written->forms[f].fields, plain->forms[f].fields) << written->forms[f].id;
    EXPECT_EQ(written->forms[f].titles, plain->forms[f].titles) << written->forms[f].id;
  }
  ASSERT_EQ(written->images.size(), plain->images.size());
  for (std::size_t m = 0; m < plain->images.size(); ++m) {
    EXPECT_EQ(written->images[m].frame, plain->images[m].frame);
    EXPECT_EQ(written->images[m].fileName, plain->images[m].fileName);
    EXPECT_EQ(written->images[m].bytes, plain->images[m].bytes);
  }
}

TEST_F(ZipToolEnvelopeTest, AnEntryThatCannotBeReadIsRefusedWithItsCauseInTheLog) {
  const std::string path = XmlDir() + "order.env";
  const std::vector<std::string> logged = Convert(
      path,
      [this](ZipLayout& l) {
        for (ZipEntry& e : l.entries) {
          if (e.name == PhotoEntry()) e.method = 9;  // Deflate64
        }
      },
      std::nullopt);
  EXPECT_EQ(logged, std::vector<std::string>{
                        "! Invalid envelope file: " + path + ": The envelope's entry " + PhotoEntry() +
                        " is compressed with Deflate64, which cannot be read: entries must be stored, "
                        "deflated or compressed with bzip2"});
  EXPECT_EQ(ui.boxes, (std::vector<ShownBox>{{"Invalid envelope file\n" + path, MsgButtons::kOk,
                                              MsgIcon::kInformation, "Ombrel"}}));
}

}  // namespace
}  // namespace ombrel
