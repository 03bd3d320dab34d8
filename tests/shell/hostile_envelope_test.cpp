// Hostile and failing envelopes, taken the whole way through the envelope
// step with the real envelope reader, XML reader, engine and report writer.
// Each case ends with its message, and afterwards the program's folders are
// as they were before the step: nothing written outside the envelope's folder
// and the picture folder, no extracted file left, the envelope file unchanged
// (only the log, and a report where one is made, may differ).
#include <gtest/gtest.h>

#include <unistd.h>

#include <algorithm>
#include <cstdint>
#include <filesystem>
#include <fstream>
#include <functional>
#include <map>
#include <memory>
#include <optional>
#include <random>
#include <set>
#include <string>
#include <vector>

#include "platform/workspace/record_file.h"
#include "platform/text/sender_text.h"
#include "platform/workspace/workspace_lock.h"
#include "real_engine_shell_test.h"
#include "support/envelope_builder.h"
#include "support/private_mount.h"
#include "support/report_reader.h"
#include "support/small_file_system.h"
#include "support/zip_size_claim.h"

namespace ombrel {
namespace {

namespace fs = std::filesystem;
using testing::EnvelopeBuilder;
using testing::EnvelopeEntry;
using testing::PrivateMount;
using testing::ReadReport;
using testing::RealEngineShellTest;
using testing::ShownBox;
using testing::SmallFileSystem;
using testing::WithStatedSize;

// What a path holds, compared without keeping the bytes: kind, size and a hash.
struct Fingerprint {
  std::string kind;  // "file", "folder" or "link to " + target
  uintmax_t size = 0;
  uint64_t hash = 0;
  bool operator==(const Fingerprint&) const = default;
};

uint64_t HashOfFile(const fs::path& path) {
  std::ifstream in(path, std::ios::binary);
  uint64_t hash = 1469598103934665603ULL;  // FNV-1a
  std::vector<char> buffer(1 << 16);
  while (in.read(buffer.data(), static_cast<std::streamsize>(buffer.size())) || in.gcount() > 0) {
    for (std::streamsize i = 0; i < in.gcount(); ++i) {
      hash = (hash ^ static_cast<unsigned char>(buffer[static_cast<std::size_t>(i)])) * 1099511628211ULL;
    }
  }
  return hash;
}

// Everything under root, by path relative to it. Links are not followed.
std::map<std::string, Fingerprint> Snapshot(const fs::path& root) {
  std::map<std::string, Fingerprint> tree;
  for (auto it = fs::recursive_directory_iterator(root); it != fs::recursive_directory_iterator(); ++it) {
    const fs::file_status status = it->symlink_status();
    Fingerprint print;
    if (fs::is_symlink(status)) {
      print.kind = "link to " + fs::read_symlink(it->path()).string();
    } else if (fs::is_directory(status)) {
      print.kind = "folder";
    } else {
      print.kind = "file";
      print.size = fs::file_size(it->path());
      print.hash = HashOfFile(it->path());
    }
    tree[fs::relative(it->path(), root).string()] = print;
  }
  return tree;
}

// Every difference between two snapshots, apart from the paths in allowed.
std::vector<std::string> Changes(const std::map<std::string, Fingerprint>& before,
                                 const std::map<std::string, Fingerprint>& after,
                                 const std::set<std::string>& allowed) {
  std::vector<std::string> changes;
  for (const auto& [path, print] : after) {
    if (allowed.count(path) != 0) continue;
    const auto old = before.find(path);
    if (old == before.end()) {
      changes.push_back("new: " + path);
    } else if (!(old->second == print)) {
      changes.push_back("changed: " + path);
    }
  }
  for (const auto& [path, print] : before) {
    if (allowed.count(path) == 0 && after.count(path) == 0) changes.push_back("gone: " + path);
  }
  return changes;
}

std::string RandomBytes(std::size_t size) {
  std::mt19937 generator(20260312);
  std::string bytes(size, '\0');
  for (char& c : bytes) c = static_cast<char>(generator());
  return bytes;
}

const std::string kOrder1004 =
    "<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n"
    "<ORDER><FORMNUM>1004</FORMNUM><BORROWER>Jordan Whitfield</BORROWER>"
    "<SUBJECTFRONTVIEW>front.jpg</SUBJECTFRONTVIEW></ORDER>\n";

// Hostile envelopes through a program whose engine is the real one.
class HostileEnvelopeTest : public RealEngineShellTest {
 protected:
  std::string Report(const std::string& name = "SMITH.RPT") const { return dataDir + "/DATA/" + name; }
  // The path of a file under the workspace as Snapshot names it.
  std::string Relative(const std::string& path) const {
    return fs::relative(fs::path(path), dirs.path()).string();
  }

  // An envelope of an order, a photo and a document of another type.
  static EnvelopeBuilder OrderPhotoAndNotes(const std::string& order = kOrder1004,
                                            const std::string& photo = "\xFF\xD8\xFF\xE0 a photo") {
    EnvelopeBuilder builder;
    builder.Add("ORDER.XML", "OADI/XML", "", order);
    builder.Add("front.jpg", "IMAGE/JPG", "SUBJECT FRONT", photo);
    builder.Add("notes.pdf", "APPLICATION/PDF", "NOTES", "%PDF-1.4 notes");
    return builder;
  }

  // Presses the button with the envelope at path, answering the Save dialog
  // with saveAs when given (no Save dialog is expected otherwise), and checks
  // that the workspace is as before but for the log, the workspace's lock
  // file and the allowed paths.
  void OpenAndCompare(const std::string& path, const std::optional<std::string>& saveAs,
                      std::set<std::string> allowed = {}) {
    Program();
    allowed.insert("bin/Ombrel.LOG");
    allowed.insert(std::string("kestrov/") + kWorkspaceLockFileName);
    allowed.insert("kestrov/" + RecordFileName(::geteuid()));
    const auto before = Snapshot(dirs.path());
    ui.AnswerDialog(path);
    if (saveAs) ui.AnswerDialog(*saveAs);
    Program().Open_Click();
    EXPECT_TRUE(ui.AllAnswersUsed());
    EXPECT_EQ(Changes(before, Snapshot(dirs.path()), allowed), std::vector<std::string>{});
    const std::vector<FileRecord>& files = Program().Services().EnvelopeFiles();
    EXPECT_TRUE(std::none_of(files.begin(), files.end(),
                             [](const FileRecord& rec) { return fs::exists(rec.Name); }));
  }

  // The log's texts written since the start-up's "->".
  std::vector<std::string> StepLog() const {
    std::vector<std::string> texts = LogTexts();
    if (!texts.empty() && texts.front() == "  ->") texts.erase(texts.begin());
    return texts;
  }

  static ShownBox Invalid(const std::string& path) {
    return {"Invalid envelope file\n" + path, MsgButtons::kOk, MsgIcon::kInformation, "Ombrel"};
  }
  static ShownBox Unpack(const std::string& path) {
    return {"Unable to unpack envelope file\n" + path, MsgButtons::kOk, MsgIcon::kCritical, "Ombrel"};
  }
  static ShownBox NoFormType() {
    return {"Can't determine form type in\nORDER.XML", MsgButtons::kOk, MsgIcon::kCritical, "Ombrel"};
  }
  static ShownBox Unwritable(const std::string& path) {
    return {"Unable to write report file\n" + path, MsgButtons::kOk, MsgIcon::kCritical, "Ombrel"};
  }
};

TEST_F(HostileEnvelopeTest, NamesThatLeaveTheEnvelopesFolderAreRefused) {
  const std::string inData = dataDir + "/DATA/escaped.xml";
  const auto first = [](EnvelopeBuilder& b) -> EnvelopeEntry& { return b.documents()[0]; };
  const struct {
    const char* name;
    std::function<void(EnvelopeBuilder&)> change;
  } cases[] = {
      {"FILENAME ../x", [&](EnvelopeBuilder& b) { first(b).fileName = "../x"; }},
      {"FILENAME two folders up", [&](EnvelopeBuilder& b) { first(b).fileName = "../../corvana/DATA/x.xml"; }},
      {"FILENAME /etc/x", [&](EnvelopeBuilder& b) { first(b).fileName = "/etc/x"; }},
      {"FILENAME absolute, in the workspace", [&](EnvelopeBuilder& b) { first(b).fileName = inData; }},
      {"FILENAME a/b", [&](EnvelopeBuilder& b) { first(b).fileName = "a/b"; }},
      {"FILENAME empty", [&](EnvelopeBuilder& b) { first(b).fileName = ""; }},
      {"photo FILENAME ../x", [&](EnvelopeBuilder& b) { b.documents()[1].fileName = "../x.jpg"; }},
      {"GUID ../x", [&](EnvelopeBuilder& b) { first(b).guid = "../x"; }},
      {"GUID absolute, in the workspace", [&](EnvelopeBuilder& b) { first(b).guid = dataDir + "/DATA/g"; }},
      {"EXT a/b", [&](EnvelopeBuilder& b) { first(b).ext = "a/b"; }},
      {"EXT climbing out", [&](EnvelopeBuilder& b) { first(b).ext = "/../../x"; }},
      {"GUID+EXT empty", [&](EnvelopeBuilder& b) { first(b).guid.clear(); first(b).ext.clear(); }},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.name);
    EnvelopeBuilder builder = OrderPhotoAndNotes();
    c.change(builder);
    const std::string path = XmlDir() + "order.env";
    builder.Write(path);
    ui.boxes.clear();
    OpenAndCompare(path, std::nullopt);
    EXPECT_EQ(ui.boxes, std::vector<ShownBox>{Invalid(path)});
    // The log names the document and why it is refused.
    ASSERT_FALSE(StepLog().empty());
    const std::string line = StepLog().back();
    EXPECT_EQ(line.rfind("! Invalid envelope file: " + path + ": Document ", 0), 0U) << line;
    EXPECT_NE(line.find("which is not a plain file name of at most 255 bytes"), std::string::npos)
        << line;
  }
  EXPECT_FALSE(fs::exists("/etc/x"));
}

TEST_F(HostileEnvelopeTest, BrokenEnvelopesAreReportedAndLeaveNothing) {
  const auto stored = [](const std::string& marker) {
    EnvelopeBuilder builder = OrderPhotoAndNotes(kOrder1004, std::string(50000, 'p') + marker);
    builder.documents()[1].stored = true;
    return builder;
  };
  const auto bytesOf = [&](const EnvelopeBuilder& builder) {
    builder.Write(dirs.File("scratch.env"));
    std::string bytes = dirs.Read("scratch.env");
    fs::remove(dirs.File("scratch.env"));
    return bytes;
  };
  const auto statingOf = [&](std::size_t zeros, uint64_t stated) {
    EnvelopeBuilder builder = OrderPhotoAndNotes(kOrder1004, std::string(zeros, '\0'));
    const EnvelopeEntry& photo = builder.documents()[1];
    return WithStatedSize(bytesOf(builder), photo.guid + photo.ext, stated);
  };
  enum Outcome { kInvalid, kUnpack };
  const struct {
    const char* name;
    std::function<std::string()> bytes;
    Outcome outcome;
    const char* cause;  // how the log's last line begins after the fixed words
  } cases[] = {
      {"truncated",
       [&] {
         const std::string whole = bytesOf(OrderPhotoAndNotes());
         return whole.substr(0, whole.size() * 2 / 3);
       },
       kInvalid, "it is cut short: "},
      {"manifest that is not XML",
       [&] {
         EnvelopeBuilder builder = OrderPhotoAndNotes();
         builder.SetEnvelopeXml("DOCUMENT GUID=1 EXT=.xml; this is no XML <<<");
         return bytesOf(builder);
       },
       kInvalid, "ENVELOPE.XML is not well-formed: "},
      {"manifest whose FILENAME holds a NUL written past 32 bits",
       [&] {
         EnvelopeBuilder builder = OrderPhotoAndNotes();
         std::string listing = builder.ListingXml();
         const std::string fileName = "FILENAME=\"ORDER.XML";
         listing.insert(listing.find(fileName) + fileName.size(), "&#4294967296;.exe");
         builder.SetEnvelopeXml(listing);
         return bytesOf(builder);
       },
       kInvalid, "ENVELOPE.XML holds a NUL character"},
      {"manifest with a CRC error",
       [&] {
         EnvelopeBuilder builder = OrderPhotoAndNotes();
         builder.SetEnvelopeXml(builder.ListingXml() + "<!-- MANIFESTMARK -->");
         std::string bytes = bytesOf(builder);
         // ENVELOPE.XML is compressed; damage its compressed bytes instead.
         const std::size_t at = bytes.find("ENVELOPE.XML") + 12 + 40;
         bytes[at] = static_cast<char>(bytes[at] ^ 0x55);
         return bytes;
       },
       kInvalid, "The envelope's entry ENVELOPE.XML is damaged: "},
      {"entry with a CRC error",
       [&] {
         std::string bytes = bytesOf(stored("PHOTOMARK"));
         bytes[bytes.find("PHOTOMARK")] = 'p';
         return bytes;
       },
       kUnpack, "The envelope's entry {photo} is damaged: CRC error"},
      {"bomb stating a petabyte", [&] { return statingOf(200000, uint64_t{1} << 50); }, kInvalid,
       "it is a ZIP bomb: its documents state "},
      {"bomb stating 1 KB and expanding to 16 MB", [&] { return statingOf(16 << 20, 1024); }, kUnpack,
       "The envelope's entry {photo} is damaged: it expands past its stated size"},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.name);
    const std::string path = dirs.Write("kestrov/XML/broken.env", c.bytes());
    ui.boxes.clear();
    const std::vector<std::string> logBefore = StepLog();
    OpenAndCompare(path, std::nullopt);
    std::vector<std::string> logged = StepLog();
    logged.erase(logged.begin(), logged.begin() + static_cast<std::ptrdiff_t>(logBefore.size()));
    // The specified box, and the log says why.
    if (c.outcome == kInvalid) {
      EXPECT_EQ(ui.boxes, std::vector<ShownBox>{Invalid(path)});
      ASSERT_EQ(logged.size(), 1U);
      EXPECT_EQ(logged[0].rfind("! Invalid envelope file: " + path + ": " + c.cause, 0), 0U)
          << logged[0];
    } else {
      EXPECT_EQ(ui.boxes, std::vector<ShownBox>{Unpack(path)});
      ASSERT_EQ(logged.size(), 2U);
      EXPECT_EQ(logged[0], "! Unable to unpack envelope file: " + path);
      // {photo} stands for the photo's entry, whose GUID is new in each envelope.
      const std::string cause = c.cause;
      const std::size_t at = cause.find("{photo}");
      EXPECT_EQ(logged[1].rfind("! " + cause.substr(0, at), 0), 0U) << logged[1];
      if (at != std::string::npos) {
        EXPECT_NE(logged[1].find(".jpg" + cause.substr(at + 7)), std::string::npos) << logged[1];
      }
    }
  }
}

// A real ZIP bomb on a real small disk: 1 MB, with the envelope on it.
TEST_F(HostileEnvelopeTest, AZipBombBiggerThanTheDiskIsStoppedAndReported) {
  const std::string disk = dirs.File("kestrov/XML/small");
  fs::create_directories(disk);
  SmallFileSystem small(disk, 1024 * 1024);
  if (!small.mounted()) GTEST_SKIP() << small.reason();

  for (const uint64_t stated : {uint64_t{0}, uint64_t{64 * 1024}}) {
    SCOPED_TRACE(stated == 0 ? "stating its 32 MB" : "stating 64 KB");
    EnvelopeBuilder builder = OrderPhotoAndNotes(kOrder1004, std::string(32 << 20, '\0'));
    const std::string path = disk + "/bomb.env";
    builder.Write(path);
    if (stated != 0) {
      const EnvelopeEntry& photo = builder.documents()[1];
      dirs.Write(path, WithStatedSize(dirs.Read(path), photo.guid + photo.ext, stated));
    }
    const std::size_t free = small.FreeBytes();
    ui.boxes.clear();
    OpenAndCompare(path, std::nullopt);
    EXPECT_EQ(ui.boxes, std::vector<ShownBox>{Unpack(path)});
    const std::vector<std::string> logged = StepLog();
    ASSERT_GE(logged.size(), 2U);
    EXPECT_EQ(logged[logged.size() - 2], "! Unable to unpack envelope file: " + path);
    EXPECT_EQ(logged.back().rfind(stated == 0 ? "! Disk full: " : "! The envelope's entry ", 0), 0U)
        << logged.back();
    EXPECT_EQ(small.FreeBytes(), free);
  }
}

TEST_F(HostileEnvelopeTest, HostileOrderDocumentsEndAsTheirTextAllows) {
  std::string laughs =
      "<?xml version=\"1.0\"?>\n<!DOCTYPE ORDER [\n<!ENTITY lol \"lol\">\n";
  for (int i = 1; i <= 9; ++i) {
    std::string entity = "<!ENTITY lol" + std::to_string(i) + " \"";
    for (int j = 0; j < 10; ++j) entity += "&lol" + (i == 1 ? std::string() : std::to_string(i - 1)) + ";";
    laughs += entity + "\">\n";
  }
  laughs += "]>\n<ORDER><FORMNUM>1004</FORMNUM><BORROWER>&lol9;</BORROWER></ORDER>\n";

  std::string deep = "<ORDER><FORMNUM>1004</FORMNUM>";
  for (int i = 0; i < 10000; ++i) deep += "<A>";
  for (int i = 0; i < 10000; ++i) deep += "</A>";
  deep += "</ORDER>";

  // No declaration, and windows-1252 bytes that are not UTF-8.
  const std::string windows1252 =
      "<ORDER><FORMNUM>1004</FORMNUM><BORROWER>Caf\xE9 \x93Smith\x94 \x85</BORROWER></ORDER>";

  std::string many = "<ORDER><FORMNUM>1004</FORMNUM>";
  for (int i = 0; i < 1000 * 1000; ++i) many += "<A/>";
  many += "</ORDER>";

  const struct {
    const char* name;
    std::string order;
    bool reportMade;
    const char* limit;  // the cause the log gives when no report is made
  } cases[] = {
      {"entity expansion", laughs, true, ""},
      {"10,000-deep nesting", deep, false, "too deep (more than 256 nested elements)"},
      {"a million elements and two", many, false,
       "too many elements (more than 1000000 elements and attributes)"},
      {"invalid UTF-8 without a declaration", windows1252, true, ""},
      {"a NUL written past 32 bits in the form number",
       "<ORDER><FORMNUM>1004&#4294967296;</FORMNUM><BORROWER>Smith</BORROWER></ORDER>", false,
       "holds a NUL character"},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.name);
    const std::string envelope = XmlDir() + "order.env";
    OrderPhotoAndNotes(c.order).Write(envelope);
    ui.boxes.clear();
    fs::remove(Report());
    if (c.reportMade) {
      OpenAndCompare(envelope, Report(), {"corvana/DATA/SMITH.RPT"});
      EXPECT_EQ(ui.boxes, std::vector<ShownBox>{});
    } else {
      OpenAndCompare(envelope, std::nullopt);
      EXPECT_EQ(ui.boxes, std::vector<ShownBox>{NoFormType()});
      EXPECT_EQ(StepLog().back(), std::string("! Can't determine form type in ORDER.XML: ") + c.limit);
    }
    EXPECT_EQ(fs::exists(Report()), c.reportMade);
  }

  // What the two reports hold: no entity expanded, the code page read.
  OrderPhotoAndNotes(laughs).Write(XmlDir() + "order.env");
  OpenAndCompare(XmlDir() + "order.env", Report("LAUGHS.RPT"), {"corvana/DATA/LAUGHS.RPT"});
  const auto laughsReport = ReadReport(Report("LAUGHS.RPT"));
  ASSERT_TRUE(laughsReport.has_value());
  EXPECT_LT(fs::file_size(Report("LAUGHS.RPT")), 64u * 1024);
  bool borrowerSeen = false;
  for (const auto& form : laughsReport->forms) {
    for (const auto& [addr, value] : form.fields) {
      EXPECT_EQ(value.find("lollol"), std::string::npos) << form.id << " " << addr;
      borrowerSeen = borrowerSeen || value == "&lol9;";
    }
  }
  EXPECT_TRUE(borrowerSeen) << "the unexpanded reference is the borrower's value";

  OrderPhotoAndNotes(windows1252).Write(XmlDir() + "order.env");
  OpenAndCompare(XmlDir() + "order.env", Report("CAFE.RPT"), {"corvana/DATA/CAFE.RPT"});
  const auto cafeReport = ReadReport(Report("CAFE.RPT"));
  ASSERT_TRUE(cafeReport.has_value());
  bool cafeSeen = false;
  for (const auto& form : cafeReport->forms) {
    for (const auto& [addr, value] : form.fields) {
      cafeSeen = cafeSeen || value == "Caf\xC3\xA9 \xE2\x80\x9CSmith\xE2\x80\x9D \xE2\x80\xA6";
    }
  }
  EXPECT_TRUE(cafeSeen);
}

// Just over the limit: an order of 100 MB of one letter would be refused
// earlier, as a ZIP bomb.
TEST_F(HostileEnvelopeTest, AnOrderOverSixtyFourMegabytesIsNotLoaded) {
  std::string order = "<ORDER><FORMNUM>1004</FORMNUM><COMMENTS>";
  order.append(65 * 1024 * 1024, 'x');
  order += "</COMMENTS></ORDER>";
  const std::string envelope = XmlDir() + "order.env";
  OrderPhotoAndNotes(order).Write(envelope);
  order.clear();
  order.shrink_to_fit();

  OpenAndCompare(envelope, std::nullopt);
  EXPECT_EQ(ui.boxes, std::vector<ShownBox>{NoFormType()});
  const std::vector<std::string> logged = StepLog();
  ASSERT_GE(logged.size(), 2u);
  EXPECT_EQ(logged[0], "  File " + XmlDir() + "notes.pdf has unexpected type: APPLICATION/PDF");
  EXPECT_EQ(logged[1].rfind("! Error 7 in XmlReader::TextFrom [Scripting.FileSystemObject]: Out of memory: ", 0), 0u)
      << logged[1];
  EXPECT_NE(logged[1].find("ORDER.XML is larger than 64 MB"), std::string::npos) << logged[1];
}

TEST_F(HostileEnvelopeTest, AReportFolderReplacedByAFileLosesNothing) {
  dirs.Write("corvana/DATA/sub", "a file where the folder was");
  const std::string target = dataDir + "/DATA/sub/SMITH.RPT";
  OrderPhotoAndNotes().Write(XmlDir() + "order.env");
  OpenAndCompare(XmlDir() + "order.env", target);
  EXPECT_EQ(ui.boxes, std::vector<ShownBox>{Unwritable(target)});
  // The box keeps to its words; the log says why.
  EXPECT_EQ(StepLog().back(), "! Unable to write report file: Cannot create a file in " + dataDir +
                                  "/DATA/sub: Not a directory");
}

// A form number of 60 MiB, opening with a line break: the box and the log
// show its start, cut, and the log gains no forged line. Laying out the
// whole number froze the window for minutes.
TEST_F(HostileEnvelopeTest, AHugeFormNumberGivesAShortBoxAndOneLogLine) {
  const std::string forged = "1004&#13;&#10;12/10/2026 1:05:09 PM     ! forged";
  std::string order = "<ORDER><FORMNUM>" + forged;
  order.append(60 * 1024 * 1024, '9');
  order += "</FORMNUM></ORDER>";
  OrderPhotoAndNotes(order).Write(XmlDir() + "order.env");
  OpenAndCompare(XmlDir() + "order.env", std::nullopt);

  const std::string shown = "1004\\r\\n12/10/2026 1:05:09 PM     ! forged";
  const std::string cut = shown + std::string(kSenderTextLimit - shown.size(), '9') + "\xE2\x80\xA6 [cut: " +
                          std::to_string(60 * 1024 * 1024 + 40) + " bytes in all]";
  EXPECT_EQ(ui.boxes, (std::vector<ShownBox>{{"This translator does not support the " + cut + " form.",
                                              MsgButtons::kOk, MsgIcon::kInformation, "Ombrel"}}));
  EXPECT_EQ(StepLog(), (std::vector<std::string>{
                           "  File " + XmlDir() + "notes.pdf has unexpected type: APPLICATION/PDF",
                           "* No translation available for " + cut + " form.",
                           "  No form selected."}));
}

// The report's folder on a small disk that holds an earlier report of the
// same name: the disk full, or the whole disk read-only.
TEST_F(HostileEnvelopeTest, AFullOrReadOnlyDiskKeepsTheEarlierReport) {
  const std::string disk = dataDir + "/DATA/small";
  fs::create_directories(disk);
  for (const bool readOnly : {false, true}) {
    SCOPED_TRACE(readOnly ? "read-only" : "full");
    SmallFileSystem small(disk, 1024 * 1024);
    if (!small.mounted()) GTEST_SKIP() << small.reason();
    const std::string earlier = RandomBytes(20000);
    const std::string target = disk + "/SMITH.RPT";
    dirs.Write(target, earlier);
    // The photo goes into the report as it is: more than the disk has left.
    dirs.Write(disk + "/filler", std::string(small.FreeBytes() - 300 * 1024, 'f'));
    if (readOnly) {
      ASSERT_TRUE(small.MakeReadOnly());
    }
    OrderPhotoAndNotes(kOrder1004, RandomBytes(600 * 1024)).Write(XmlDir() + "order.env");

    ui.boxes.clear();
    OpenAndCompare(XmlDir() + "order.env", target);
    EXPECT_EQ(ui.boxes, std::vector<ShownBox>{Unwritable(target)});
    EXPECT_EQ(StepLog().back(),
              readOnly ? "! Unable to write report file: Cannot create a file in " + disk +
                             ": Read-only file system"
                       : "! Unable to write report file: Cannot write " + target +
                             ": No space left on device");
    EXPECT_EQ(dirs.Read(target), earlier);
    std::vector<std::string> left;
    for (const auto& entry : fs::directory_iterator(disk)) left.push_back(entry.path().filename());
    std::sort(left.begin(), left.end());
    EXPECT_EQ(left, (std::vector<std::string>{"SMITH.RPT", "filler"}));
  }
}

// An envelope in a folder whose file system states no size (ramfs) is
// unpacked as anywhere; one in a read-only folder fails for that cause,
// whatever room its file system states, and the log says so.
TEST_F(HostileEnvelopeTest, AnEnvelopeWhereNoRoomIsStatedUnpacksAndOneOnAReadOnlyDiskSaysWhyNot) {
  const std::string disk = XmlDir() + "disk";
  fs::create_directories(disk);
  const struct {
    const char* name;
    const char* type;
    bool full;
    bool readOnly;
  } cases[] = {
      {"a ramfs", "ramfs", false, false},
      {"a read-only tmpfs with room", "tmpfs", false, true},
      {"a read-only tmpfs that states nothing free, as squashfs does", "tmpfs", true, true},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.name);
    PrivateMount mount(disk, c.type, c.type == std::string("tmpfs") ? "size=1048576" : "");
    if (!mount.mounted()) GTEST_SKIP() << mount.reason();
    const std::string path = disk + "/order.env";
    OrderPhotoAndNotes().Write(path);
    if (c.full) {
      ASSERT_TRUE(mount.Fill());
    }
    if (c.readOnly) {
      ASSERT_TRUE(mount.MakeReadOnly());
    }
    ui.boxes.clear();
    fs::remove(Report());
    const std::size_t logBefore = StepLog().size();
    if (c.readOnly) {
      OpenAndCompare(path, std::nullopt);
      EXPECT_EQ(ui.boxes, std::vector<ShownBox>{Unpack(path)});
      std::vector<std::string> logged = StepLog();
      logged.erase(logged.begin(), logged.begin() + static_cast<std::ptrdiff_t>(logBefore));
      EXPECT_EQ(logged, (std::vector<std::string>{"! Unable to unpack envelope file: " + path,
                                                  "! Cannot create a file in " + disk + "/: Read-only file system"}));
    } else {
      OpenAndCompare(path, Report(), {"corvana/DATA/SMITH.RPT"});
      EXPECT_EQ(ui.boxes, std::vector<ShownBox>{});
      EXPECT_TRUE(ReadReport(Report()).has_value());
    }
  }
}

// A control for the case above: the same envelope on a disk with room makes
// the report, with the photo in it.
TEST_F(HostileEnvelopeTest, TheSameEnvelopeWithRoomMakesTheReport) {
  OrderPhotoAndNotes(kOrder1004, RandomBytes(600 * 1024)).Write(XmlDir() + "order.env");
  OpenAndCompare(XmlDir() + "order.env", Report(), {"corvana/DATA/SMITH.RPT"});
  EXPECT_EQ(ui.boxes, std::vector<ShownBox>{});
  const auto report = ReadReport(Report());
  ASSERT_TRUE(report.has_value());
  EXPECT_NE(report->Image("SUB_1_3X5"), nullptr);
  EXPECT_GT(fs::file_size(Report()), 600u * 1024);
}

// A log that cannot be written: every line the program writes gives one box
// with Retry and Cancel; Retry tries the line again, Cancel gives it up, and
// the program goes on to the end of the step.
void ExpectLogBoxes(const std::vector<ShownBox>& boxes, const std::string& start, std::size_t count) {
  ASSERT_EQ(boxes.size(), count);
  for (const ShownBox& box : boxes) {
    EXPECT_EQ(box.text.rfind(start, 0), 0u) << box.text;
    EXPECT_EQ(box.buttons, MsgButtons::kRetryCancel);
    EXPECT_EQ(box.icon, MsgIcon::kInformation);
    EXPECT_EQ(box.title, "Ombrel");
  }
}

TEST_F(HostileEnvelopeTest, ALogOnAFullDiskLetsTheProgramGoOn) {
  SmallFileSystem small(binDir, 1024 * 1024);
  if (!small.mounted()) GTEST_SKIP() << small.reason();
  dirs.Write(binDir + "/filler", std::string(small.FreeBytes(), 'f'));
  ui.AnswerBox(MsgResult::kCancel);  // the start-up's "->"
  Program();
  ExpectLogBoxes(ui.boxes, "Error 61 in Logger::LogEvent:\nDisk full", 1);

  // The "unexpected type" line of notes.pdf: Retry, then Cancel.
  ui.AnswerBox(MsgResult::kRetry);
  ui.AnswerBox(MsgResult::kCancel);
  OrderPhotoAndNotes().Write(XmlDir() + "order.env");
  OpenAndCompare(XmlDir() + "order.env", Report(), {"corvana/DATA/SMITH.RPT"});
  ExpectLogBoxes(ui.boxes, "Error 61 in Logger::LogEvent:\nDisk full", 3);
  EXPECT_TRUE(ReadReport(Report()).has_value());
}

TEST_F(HostileEnvelopeTest, ALogOnAReadOnlyDiskLetsTheProgramGoOn) {
  SmallFileSystem small(binDir, 1024 * 1024);
  if (!small.mounted()) GTEST_SKIP() << small.reason();
  dirs.Write(LogPath(), "an earlier run's lines\r\n");
  ASSERT_TRUE(small.MakeReadOnly());
  ui.AnswerBox(MsgResult::kCancel);
  Program();
  ExpectLogBoxes(ui.boxes, "Error 70 in Logger::LogEvent:\nPermission denied", 1);

  ui.AnswerBox(MsgResult::kCancel);
  OrderPhotoAndNotes().Write(XmlDir() + "order.env");
  OpenAndCompare(XmlDir() + "order.env", Report(), {"corvana/DATA/SMITH.RPT"});
  ExpectLogBoxes(ui.boxes, "Error 70 in Logger::LogEvent:\nPermission denied", 2);
  EXPECT_TRUE(ReadReport(Report()).has_value());
  EXPECT_EQ(dirs.Read(LogPath()), "an earlier run's lines\r\n");
}

}  // namespace
}  // namespace ombrel
