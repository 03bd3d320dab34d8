#include <gtest/gtest.h>
#include <signal.h>
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>

#include <filesystem>
#include <functional>

#include "platform/envelope/zip_envelope.h"
#include "platform/errors/error_matchers.h"
#include "support/envelope_builder.h"
#include "support/temp_dir.h"

namespace ombrel {
namespace {

namespace fs = std::filesystem;
using testing::EnvelopeBuilder;
using testing::EnvelopeEntry;
using testing::RaisedError;
using testing::Listing;
using testing::TempDir;

const std::string kOrder = "<?xml version=\"1.0\"?><ORDER><FORMNUM>1004</FORMNUM></ORDER>";
const std::string kPhoto("\xFF\xD8\xFF\xE0\0\0JFIF\0\x85 photo bytes", 24);

// The names in a folder, sorted.
// An envelope of a main order, a supplemental order and a photo.
EnvelopeBuilder ThreeDocuments() {
  EnvelopeBuilder builder;
  builder.Add("order.xml", "OADI/XML", "APPRAISAL", kOrder);
  builder.Add("rent.xml", "OADI-SUP/XML", "", "<ORDER><FORMNUM>1007</FORMNUM></ORDER>");
  builder.Add("front.jpg", "IMAGE/JPG", "SUBJECTFRONTVIEW", kPhoto);
  return builder;
}

class EnvelopeTest : public ::testing::Test {
 protected:
  std::string Write(const EnvelopeBuilder& builder) {
    const std::string path = dir_.File("MY.ENV");
    builder.Write(path);
    return path;
  }

  TempDir dir_;
  ZipEnvelope envelope_;
};

TEST_F(EnvelopeTest, RoundTrip) {
  EnvelopeBuilder builder = ThreeDocuments();
  ASSERT_TRUE(envelope_.OpenEnvelope(Write(builder)));

  const EnvelopeDocuments& documents = envelope_.Documents();
  ASSERT_EQ(documents.Count(), 3u);
  for (std::size_t i = 0; i < 3; ++i) {
    const EnvelopeEntry& expected = builder.documents()[i];
    const EnvelopeDocument& document = documents.Item(i);
    EXPECT_EQ(document.Attribute("GUID"), expected.guid);
    EXPECT_EQ(document.Attribute("EXT"), expected.ext);
    EXPECT_EQ(document.Attribute("FILENAME"), expected.fileName);
    EXPECT_EQ(document.Attribute("TYPE"), expected.type);
    EXPECT_EQ(document.Attribute("DOCTYPE"), expected.docType);
    EXPECT_EQ(document.Attribute("NOSUCH"), "");
  }
  auto error = RaisedError([&] { documents.Item(3); });
  ASSERT_TRUE(error);
  EXPECT_EQ(error->number(), 9);
  EXPECT_EQ(error->source(), "EnvKit.Envelope");

  ASSERT_TRUE(envelope_.ExtractTo(dir_.str(), 0));
  std::vector<std::string> expectedNames = {"MY.ENV"};
  for (const EnvelopeEntry& entry : builder.documents()) {
    EXPECT_EQ(dir_.Read(entry.guid + entry.ext), entry.bytes);
    expectedNames.push_back(entry.guid + entry.ext);
  }
  std::sort(expectedNames.begin(), expectedNames.end());
  EXPECT_EQ(Listing(dir_.path()), expectedNames);
}

TEST_F(EnvelopeTest, ExtractsLargeEntriesWhole) {
  std::string big(3 * 1024 * 1024 + 7, '\0');
  for (std::size_t i = 0; i < big.size(); ++i) big[i] = static_cast<char>((i * 7919) >> 5);
  EnvelopeBuilder builder;
  EnvelopeEntry& photo = builder.Add("big.jpg", "IMAGE/JPG", "", big);
  ASSERT_TRUE(envelope_.OpenEnvelope(Write(builder)));
  fs::create_directory(dir_.path() / "out");
  ASSERT_TRUE(envelope_.ExtractTo(dir_.File("out"), 0));  // no trailing "/"
  EXPECT_EQ(dir_.Read("out/" + photo.guid + ".jpg"), big);
}

TEST_F(EnvelopeTest, ReadsAListingInWindows1252) {
  EnvelopeBuilder builder;
  EnvelopeEntry& entry = builder.Add("x.xml", "OADI/XML", "", kOrder);
  builder.SetEnvelopeXml("<?xml version=\"1.0\" encoding=\"windows-1252\"?><ENVELOPE><DOCUMENT GUID=\"" +
                         entry.guid + "\" EXT=\".xml\" FILENAME=\"Caf\xE9.xml\" TYPE=\"OADI/XML\"/></ENVELOPE>");
  ASSERT_TRUE(envelope_.OpenEnvelope(Write(builder)));
  EXPECT_EQ(envelope_.Documents().Item(0).Attribute("FILENAME"), "Caf\xC3\xA9.xml");
  EXPECT_EQ(envelope_.Documents().Item(0).Attribute("DOCTYPE"), "");
}

TEST_F(EnvelopeTest, RejectsWhatIsNotASafeEnvelope) {
  using Change = std::function<void(EnvelopeBuilder&)>;
  const auto first = [](EnvelopeBuilder& b) -> EnvelopeEntry& { return b.documents()[0]; };
  const struct {
    const char* name;
    Change change;
  } cases[] = {
      {"FILENAME climbing out", [&](EnvelopeBuilder& b) { first(b).fileName = "../x"; }},
      {"FILENAME with a folder", [&](EnvelopeBuilder& b) { first(b).fileName = "sub/x.xml"; }},
      {"FILENAME absolute", [&](EnvelopeBuilder& b) { first(b).fileName = "/etc/passwd"; }},
      {"FILENAME with a backslash", [&](EnvelopeBuilder& b) { first(b).fileName = "..\\x.xml"; }},
      {"FILENAME empty", [&](EnvelopeBuilder& b) { first(b).fileName = ""; }},
      {"FILENAME dot", [&](EnvelopeBuilder& b) { first(b).fileName = "."; }},
      {"FILENAME dot dot", [&](EnvelopeBuilder& b) { first(b).fileName = ".."; }},
      {"FILENAME with NUL", [&](EnvelopeBuilder& b) { first(b).fileName = std::string("a\0/../b", 7); }},
      {"GUID climbing out", [&](EnvelopeBuilder& b) { first(b).guid = "../../x"; }},
      {"EXT with a folder", [&](EnvelopeBuilder& b) { first(b).ext = "/../x"; }},
      {"GUID+EXT dot dot", [&](EnvelopeBuilder& b) { first(b).guid = "."; first(b).ext = "."; }},
      {"GUID+EXT empty", [&](EnvelopeBuilder& b) { first(b).guid = ""; first(b).ext = ""; }},
      {"missing entry", [&](EnvelopeBuilder& b) { b.documents()[1].writeEntry = false; }},
      {"duplicate GUID",
       [&](EnvelopeBuilder& b) { b.documents()[1].guid = first(b).guid; b.documents()[1].ext = first(b).ext; }},
      {"no ENVELOPE.XML", [](EnvelopeBuilder& b) { b.OmitEnvelopeXml(); }},
      {"listing not well-formed", [](EnvelopeBuilder& b) { b.SetEnvelopeXml("<ENVELOPE><DOCUMENT"); }},
      {"listing of another kind", [](EnvelopeBuilder& b) { b.SetEnvelopeXml("<REPORT/>"); }},
      {"DOCUMENT without GUID",
       [&](EnvelopeBuilder& b) {
         b.SetEnvelopeXml("<ENVELOPE><DOCUMENT EXT=\"" + first(b).guid + first(b).ext +
                          "\" FILENAME=\"order.xml\" TYPE=\"OADI/XML\"/></ENVELOPE>");
       }},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.name);
    EnvelopeBuilder builder = ThreeDocuments();
    c.change(builder);
    EXPECT_FALSE(envelope_.OpenEnvelope(Write(builder)));
    EXPECT_EQ(envelope_.Documents().Count(), 0u);
    EXPECT_FALSE(envelope_.ExtractTo(dir_.str(), 0));
  }
}

TEST_F(EnvelopeTest, RejectsFilesThatAreNoEnvelope) {
  const std::string good = Write(ThreeDocuments());
  std::string bytes = dir_.Read("MY.ENV");
  const std::string truncated = dir_.Write("truncated.env", bytes.substr(0, bytes.size() / 2));
  const std::string cutEnd = dir_.Write("cut-end.env", bytes.substr(0, bytes.size() - 10));
  const std::string text = dir_.Write("text.env", "this is not a zip archive");
  const std::string empty = dir_.Write("empty.env", "");
  for (const std::string& path :
       {truncated, cutEnd, text, empty, dir_.File("missing.env"), dir_.path().string(), std::string()}) {
    SCOPED_TRACE(path);
    EXPECT_FALSE(envelope_.OpenEnvelope(path));
    EXPECT_EQ(envelope_.Documents().Count(), 0u);
  }
  EXPECT_TRUE(envelope_.OpenEnvelope(good));
}

TEST_F(EnvelopeTest, ExtractionNeverOverwritesAndLeavesNothingOnFailure) {
  EnvelopeBuilder builder = ThreeDocuments();
  ASSERT_TRUE(envelope_.OpenEnvelope(Write(builder)));
  const EnvelopeEntry& second = builder.documents()[1];
  dir_.Write(second.guid + second.ext, "the user's own file");

  EXPECT_FALSE(envelope_.ExtractTo(dir_.str(), 0));
  EXPECT_EQ(dir_.Read(second.guid + second.ext), "the user's own file");
  EXPECT_EQ(Listing(dir_.path()), (std::vector<std::string>{second.guid + second.ext, "MY.ENV"}));

  EXPECT_FALSE(envelope_.ExtractTo(dir_.File("no such folder"), 0));
}

TEST_F(EnvelopeTest, TheFailureSaysWhichDocumentAndWhy) {
  using Change = std::function<void(EnvelopeBuilder&)>;
  const auto first = [](EnvelopeBuilder& b) -> EnvelopeEntry& { return b.documents()[0]; };
  const struct {
    const char* name;
    Change change;
    std::string description;
  } cases[] = {
      {"a FILENAME longer than a name can be",
       [&](EnvelopeBuilder& b) { first(b).fileName = std::string(256, 'n'); },
       "Document 1 is named \"" + std::string(256, 'n') +
           "\", which is not a plain file name of at most 255 bytes"},
      {"a FILENAME as long as a name can be", [&](EnvelopeBuilder& b) { first(b).fileName = std::string(255, 'n'); },
       ""},
      {"a repeated entry",
       [&](EnvelopeBuilder& b) {
         b.documents()[2].guid = first(b).guid;
         b.documents()[2].ext = first(b).ext;
         b.documents()[2].writeEntry = false;
       },
       "Document 3 repeats the entry {first}"},
      {"a manifest of a million attributes",
       [](EnvelopeBuilder& b) {
         std::string listing = "<ENVELOPE><DOCUMENT";
         for (int i = 0; i < 1000 * 1000; ++i) listing += " a" + std::to_string(i) + "=''";
         b.SetEnvelopeXml(listing + "/></ENVELOPE>");
       },
       "ENVELOPE.XML has too many elements and attributes (over 1000000)"},
      {"no manifest", [](EnvelopeBuilder& b) { b.OmitEnvelopeXml(); }, "it holds no ENVELOPE.XML"},
      // Two documents that would be one file in the folder they pass through.
      {"a FILENAME another document has", [](EnvelopeBuilder& b) { b.documents()[1].fileName = "order.xml"; },
       "Document 2 is named \"order.xml\", as is document 1 (letter case aside): they would be one file"},
      {"a FILENAME another document has, with the same bytes: one document twice",
       [](EnvelopeBuilder& b) {
         b.documents()[1].fileName = "order.xml";
         b.documents()[1].bytes = kOrder;
       },
       ""},
      {"a FILENAME another document has, in other letter case",
       [](EnvelopeBuilder& b) { b.documents()[2].fileName = "Order.XML"; },
       "Document 3 is named \"Order.XML\", as is document 1 (letter case aside): they would be one file"},
      {"the order's FILENAME is the photo's entry name",
       [&](EnvelopeBuilder& b) { first(b).fileName = b.documents()[2].guid + b.documents()[2].ext; },
       "Document 1 is named \"{photo}\", the name of the entry of document 3 (letter case aside): they would "
       "be one file"},
      {"two entry names that differ only in letter case",
       [&](EnvelopeBuilder& b) {
         first(b).guid = "6F9619FF-8B86-D011-B42D-00C04FC964FF";
         b.documents()[1].guid = "6f9619ff-8b86-d011-b42d-00c04fc964ff";
         b.documents()[1].ext = first(b).ext;
       },
       "The entries of document 1 and document 2 (6F9619FF-8B86-D011-B42D-00C04FC964FF.xml, "
       "6f9619ff-8b86-d011-b42d-00c04fc964ff.xml) differ only in letter case: they would be one file"},
      {"a document whose entry is ENVELOPE.XML itself, counted once",
       [&](EnvelopeBuilder& b) {
         b.documents()[1].guid = "ENVELOPE";
         b.documents()[1].ext = ".XML";
         b.documents()[1].writeEntry = false;
       },
       ""},
      {"a FILENAME that is the document's own entry name",
       [&](EnvelopeBuilder& b) { first(b).fileName = first(b).guid + first(b).ext; }, ""},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.name);
    EnvelopeBuilder builder = ThreeDocuments();
    c.change(builder);
    std::string description = c.description;
    if (const auto at = description.find("{first}"); at != std::string::npos) {
      description.replace(at, 7, first(builder).guid + first(builder).ext);
    }
    if (const auto at = description.find("{photo}"); at != std::string::npos) {
      description.replace(at, 7, builder.documents()[2].guid + builder.documents()[2].ext);
    }
    EXPECT_EQ(envelope_.OpenEnvelope(Write(builder)), description.empty());
    if (description.empty()) {
      EXPECT_FALSE(envelope_.Failure());
    } else if (envelope_.Failure()) {
      EXPECT_EQ(envelope_.Failure()->source(), "EnvKit.Envelope");
      EXPECT_EQ(envelope_.Failure()->description(), description);
    } else {
      ADD_FAILURE() << "no failure";
    }
  }
}

// What an interrupted run left under a document's name is used when it
// holds exactly the document's bytes, and never removed.
TEST_F(EnvelopeTest, ADocumentLeftByAnInterruptedRunIsUsed) {
  EnvelopeBuilder builder = ThreeDocuments();
  ASSERT_TRUE(envelope_.OpenEnvelope(Write(builder)));
  const EnvelopeEntry& order = builder.documents()[0];
  const EnvelopeEntry& photo = builder.documents()[2];
  dir_.Write(order.guid + order.ext, kOrder);
  ASSERT_TRUE(envelope_.ExtractTo(dir_.str(), 0));
  EXPECT_FALSE(envelope_.Failure());
  EXPECT_EQ(dir_.Read(order.guid + order.ext), kOrder);
  EXPECT_EQ(dir_.Read(photo.guid + photo.ext), kPhoto);
  EXPECT_EQ(Listing(dir_.path()).size(), 4U);

  // A later failure removes what this call wrote, not what it found.
  for (const EnvelopeEntry& d : builder.documents()) fs::remove(dir_.File(d.guid + d.ext));
  dir_.Write(order.guid + order.ext, kOrder);
  dir_.Write(photo.guid + photo.ext, "a different photo");
  EXPECT_FALSE(envelope_.ExtractTo(dir_.str(), 0));
  ASSERT_TRUE(envelope_.Failure());
  EXPECT_EQ(envelope_.Failure()->number(), err::kFileAlreadyExists);
  EXPECT_EQ(envelope_.Failure()->description(),
            "File already exists: " + dir_.File(photo.guid + photo.ext) +
                " holds other bytes than the envelope's document; it is left as it is");
  std::vector<std::string> expected = {order.guid + order.ext, photo.guid + photo.ext, "MY.ENV"};
  std::sort(expected.begin(), expected.end());
  EXPECT_EQ(Listing(dir_.path()), expected);
  EXPECT_EQ(dir_.Read(photo.guid + photo.ext), "a different photo");
}

// A document's name taken by a folder or a symbolic link (even to a file
// with the document's bytes) is never used: the error says what holds it,
// and every name given is taken back.
TEST_F(EnvelopeTest, ANameTakenByAFolderOrALinkSaysSoAndIsLeftAsItIs) {
  EnvelopeBuilder builder = ThreeDocuments();
  ASSERT_TRUE(envelope_.OpenEnvelope(Write(builder)));
  const EnvelopeEntry& photo = builder.documents()[2];
  const std::string name = photo.guid + photo.ext;
  struct Row {
    const char* what;
    std::function<void()> take;
  };
  const std::vector<Row> rows = {
      {"is a folder", [&] { fs::create_directory(dir_.File(name)); }},
      {"is a symbolic link", [&] { fs::create_symlink(dir_.Write("elsewhere.jpg", kPhoto), dir_.File(name)); }},
  };
  for (const Row& row : rows) {
    SCOPED_TRACE(row.what);
    row.take();
    EXPECT_FALSE(envelope_.ExtractTo(dir_.str(), 0));
    ASSERT_TRUE(envelope_.Failure());
    EXPECT_EQ(envelope_.Failure()->number(), err::kFileAlreadyExists);
    EXPECT_EQ(envelope_.Failure()->description(),
              "File already exists: " + dir_.File(name) + " " + row.what + "; it is left as it is");
    std::vector<std::string> expected = {"MY.ENV", name};
    if (fs::exists(dir_.File("elsewhere.jpg"))) expected.push_back("elsewhere.jpg");
    std::sort(expected.begin(), expected.end());
    EXPECT_EQ(Listing(dir_.path()), expected);
    fs::remove(dir_.File(name));
  }
}

TEST_F(EnvelopeTest, ACorruptEntryFailsTheExtractionAndLeavesNothing) {
  EnvelopeBuilder builder = ThreeDocuments();
  EnvelopeEntry& photo = builder.documents()[2];
  photo.bytes = std::string(100000, 'p') + "MARKER" + std::string(100000, 'q');
  photo.stored = true;
  const std::string path = Write(builder);
  std::string bytes = dir_.Read("MY.ENV");
  const std::size_t marker = bytes.find("MARKER");
  ASSERT_NE(marker, std::string::npos);
  bytes[marker] = 'm';  // the checksum no longer fits
  dir_.Write("MY.ENV", bytes);

  ASSERT_TRUE(envelope_.OpenEnvelope(path));
  fs::create_directory(dir_.path() / "out");
  EXPECT_FALSE(envelope_.ExtractTo(dir_.File("out"), 0));
  EXPECT_TRUE(Listing(dir_.path() / "out").empty());
}

// A transfer that stopped early, or a file cut while it is read: the log
// says the envelope is cut short, though a ZIP archive it holds (a document
// that is itself a .zip, stored as it is) has an end record before the cut.
TEST_F(EnvelopeTest, AnEnvelopeCutShortSaysSo) {
  ThreeDocuments().Write(dir_.File("scans.zip"));
  EnvelopeBuilder builder = ThreeDocuments();
  builder.Add("scans.zip", "OTHER/ZIP", "", dir_.Read("scans.zip")).stored = true;
  EnvelopeEntry& photo = builder.Add("back.jpg", "IMAGE/JPG", "", std::string(300000, 'p'));
  photo.stored = true;
  const std::string path = Write(builder);
  const std::string bytes = dir_.Read("MY.ENV");
  for (const std::size_t cut : {bytes.size() - 10, bytes.size() / 2, std::size_t{100}}) {
    SCOPED_TRACE(cut);
    dir_.Write("MY.ENV", bytes.substr(0, cut));
    EXPECT_FALSE(envelope_.OpenEnvelope(path));
    ASSERT_TRUE(envelope_.Failure());
    EXPECT_EQ(envelope_.Failure()->description(), "it is cut short: the ZIP archive's end record is missing");
  }

  // Cut after it was opened: the photo's data now ends early.
  dir_.Write("MY.ENV", bytes);
  ASSERT_TRUE(envelope_.OpenEnvelope(path));
  fs::resize_file(path, bytes.find(std::string(1000, 'p')) + 1000);
  fs::create_directory(dir_.path() / "out");
  EXPECT_FALSE(envelope_.ExtractTo(dir_.File("out"), 0));
  ASSERT_TRUE(envelope_.Failure());
  EXPECT_EQ(envelope_.Failure()->description(),
            "The envelope's entry " + photo.guid + photo.ext +
                " is damaged: it is cut short: the file ends before the entry's data does");
  EXPECT_TRUE(Listing(dir_.path() / "out").empty());
}

// A real kill in the middle of the unpacking: the child may write files of
// at most 64 KiB, so the system kills it (SIGXFSZ) as it writes the photo,
// after the order is complete. No document is under its name then, and the
// next unpacking in the folder clears what the killed one left.
TEST_F(EnvelopeTest, AKillDuringTheUnpackingLeavesNoDocumentUnderItsName) {
  EnvelopeBuilder builder;
  builder.Add("order.xml", "OADI/XML", "APPRAISAL", kOrder);
  builder.Add("front.jpg", "IMAGE/JPG", "", std::string(200000, 'p')).stored = true;
  builder.Add("rent.xml", "OADI-SUP/XML", "", "<ORDER><FORMNUM>1007</FORMNUM></ORDER>");
  const std::string path = Write(builder);
  ASSERT_TRUE(envelope_.OpenEnvelope(path));

  const pid_t child = ::fork();
  ASSERT_GE(child, 0);
  if (child == 0) {
    const rlimit noCore{0, 0};
    const rlimit smallFiles{64 * 1024, 64 * 1024};
    ::setrlimit(RLIMIT_CORE, &noCore);
    ::setrlimit(RLIMIT_FSIZE, &smallFiles);
    envelope_.ExtractTo(dir_.str(), 0);
    ::_exit(0);
  }
  int status = 0;
  ::waitpid(child, &status, 0);
  ASSERT_TRUE(WIFSIGNALED(status));
  EXPECT_EQ(WTERMSIG(status), SIGXFSZ);
  const std::vector<std::string> left = Listing(dir_.path());
  ASSERT_EQ(left.size(), 2U);
  EXPECT_EQ(left[0].rfind(".ombrel-", 0), 0U);
  EXPECT_EQ(left[1], "MY.ENV");

  ASSERT_TRUE(envelope_.ExtractTo(dir_.str(), 0));
  std::vector<std::string> expected = {"MY.ENV"};
  for (const EnvelopeEntry& entry : builder.documents()) {
    EXPECT_EQ(dir_.Read(entry.guid + entry.ext), entry.bytes);
    expected.push_back(entry.guid + entry.ext);
  }
  std::sort(expected.begin(), expected.end());
  EXPECT_EQ(Listing(dir_.path()), expected);
}

TEST_F(EnvelopeTest, AFailedOpenForgetsTheEnvelopeBefore) {
  ASSERT_TRUE(envelope_.OpenEnvelope(Write(ThreeDocuments())));
  EXPECT_FALSE(envelope_.OpenEnvelope(dir_.File("missing.env")));
  EXPECT_EQ(envelope_.Documents().Count(), 0u);
  EXPECT_FALSE(envelope_.ExtractTo(dir_.str(), 0));
}

}  // namespace
}  // namespace ombrel
