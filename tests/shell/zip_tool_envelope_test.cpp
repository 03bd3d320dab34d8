// Envelopes in the shapes that common ZIP tools write, taken the whole way
// through the envelope step with the real reader, engine and report writer:
// each gives the report of the same documents packed plainly, and one the
// reader cannot read is refused with its cause in the log. Either way only
// the envelope is left in its folder, unchanged, and nothing in the picture
// folder.
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

TEST_F(ZipToolEnvelopeTest, EachShapeGivesThePlainEnvelopesReport) {
  const auto streamAll = [](ZipLayout& l) {
    for (ZipEntry& e : l.entries) e.streamed = true;
  };
  const struct {
    const char* name;
    std::function<void(ZipLayout&)> shape;
  } cases[] = {
      {"plain", [](ZipLayout&) {}},
      {"streamed (bsdtar, zip -fd, zip to a pipe)", streamAll},
      {"streamed with ZIP64 records (bsdtar's zip64)",
       [&](ZipLayout& l) {
         streamAll(l);
         l.zip64 = true;
       }},
      {"100 zero bytes after the archive", [](ZipLayout& l) { l.after.assign(100, '\0'); }},
  };
  std::optional<WrittenReport> plain;
  for (std::size_t i = 0; i < std::size(cases); ++i) {
    SCOPED_TRACE(cases[i].name);
    // The report's own name is written into it: one name for all.
    const std::string report = dataDir + "/DATA/SMITH.RPT";
    fs::remove(report);
    Convert(XmlDir() + "order.env", cases[i].shape, report);
    EXPECT_EQ(ui.boxes, std::vector<ShownBox>{});
    std::optional<WrittenReport> written = ReadReport(report);
    ASSERT_TRUE(written);
    ASSERT_FALSE(written->forms.empty());
    if (!plain) {
      // The plain envelope's report holds the order and the photo.
      EXPECT_TRUE(std::any_of(written->forms.begin(), written->forms.end(), [](const auto& form) {
        return std::any_of(form.fields.begin(), form.fields.end(),
                           [](const auto& field) { return field.second == "Jordan Whitfield"; });
      }));
      ASSERT_EQ(written->images.size(), 1U);
      EXPECT_EQ(written->images[0].bytes, builder_.documents()[1].bytes);
      plain = std::move(written);
      continue;
    }
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
}

TEST_F(ZipToolEnvelopeTest, WhatCannotBeReadIsRefusedWithItsCauseInTheLog) {
  const auto photo = [this](ZipLayout& l) -> ZipEntry& {
    return *std::find_if(l.entries.begin(), l.entries.end(), [&](const ZipEntry& e) { return e.name == PhotoEntry(); });
  };
  const struct {
    const char* name;
    std::function<void(ZipLayout&)> shape;
    std::string cause;
  } cases[] = {
      {"the photo's entry twice",
       [&](ZipLayout& l) { l.entries.push_back(photo(l)); }, "it holds two entries named " + PhotoEntry()},
      {"the photo in Deflate64", [&](ZipLayout& l) { photo(l).method = 9; },
       "The envelope's entry " + PhotoEntry() +
           " is compressed with Deflate64, which cannot be read: entries must be stored, deflated or compressed "
           "with bzip2"},
      {"the photo protected by a password", [&](ZipLayout& l) { photo(l).flags |= 1; },
       "The envelope's entry " + PhotoEntry() + " is protected by a password, so it cannot be read"},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.name);
    const std::string path = XmlDir() + "order.env";
    EXPECT_EQ(Convert(path, c.shape, std::nullopt),
              std::vector<std::string>{"! Invalid envelope file: " + path + ": " + c.cause});
    EXPECT_EQ(ui.boxes, (std::vector<ShownBox>{{"Invalid envelope file\n" + path, MsgButtons::kOk,
                                                MsgIcon::kInformation, "Ombrel"}}));
  }
}

}  // namespace
}  // namespace ombrel
