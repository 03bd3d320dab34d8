// The shapes of ZIP archive that ZIP tools other than libzip write, and those
// the envelope reader cannot read: each envelope holds the same documents,
// laid out byte by byte in one shape. One that reads gives exactly the plain
// envelope's documents; one that does not is refused with its cause named,
// and either way nothing is left beside the envelope and it is not changed.
#include <gtest/gtest.h>
#include <zip.h>

#include <algorithm>
#include <cstdint>
#include <filesystem>
#include <functional>
#include <stdexcept>
#include <string>
#include <vector>

#include "platform/envelope/zip_envelope.h"
#include "support/envelope_builder.h"
#include "support/temp_dir.h"
#include "support/zip_layout.h"

namespace ombrel {
namespace {

using testing::EnvelopeBuilder;
using testing::EnvelopeEntry;
using testing::Listing;
using testing::TempDir;
using testing::ZipEntry;
using testing::ZipLayout;

// Little-endian bytes, for the extra fields below.
std::string Le(uint64_t value, int width) {
  std::string out;
  for (int i = 0; i < width; ++i) out += static_cast<char>((value >> (8 * i)) & 0xFF);
  return out;
}

// The extra fields Info-ZIP's zip writes: a time stamp and the owner.
const std::string kInfoZipExtras = Le(0x5455, 2) + Le(5, 2) + Le(3, 1) + Le(0x6B1B553E, 4) +
                                   Le(0x7875, 2) + Le(11, 2) + Le(1, 1) + Le(4, 1) + Le(1000, 4) +
                                   Le(4, 1) + Le(1000, 4);
// What WinZip's AES encryption writes beside an entry it encrypted: AE-2,
// 256-bit key, the entry deflated.
const std::string kAesExtra = Le(0x9901, 2) + Le(7, 2) + Le(2, 2) + "AE" + Le(3, 1) + Le(8, 2);

std::string Order() {
  std::string order = "<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n<ORDER><FORMNUM>1004</FORMNUM>";
  for (int i = 1; i <= 40; ++i) order += "<COMP N=\"" + std::to_string(i) + "\"><PRICE>2" + std::to_string(i) + "0000</PRICE></COMP>";
  return order + "</ORDER>\n";
}

class EnvelopeZipShapesTest : public ::testing::Test {
 protected:
  // An order and a supplemental order (deflated), and a photo (stored), in
  // the envelope's own folder.
  EnvelopeZipShapesTest() {
    builder_.Add("order.xml", "OADI/XML", "APPRAISAL", Order());
    builder_.Add("rent.xml", "OADI-SUP/XML", "", "<ORDER><FORMNUM>1007</FORMNUM></ORDER>");
    std::string photo("\xFF\xD8\xFF\xE0\0\x10JFIF", 10);
    for (int i = 0; i < 3000; ++i) photo += static_cast<char>((i * 7919) >> 3);
    builder_.Add("front.jpg", "IMAGE/JPG", "SUBJECTFRONTVIEW", photo).stored = true;
    builder_.Write(dir_.File("plain.env"));
    plain_ = dir_.Read("plain.env");
    std::filesystem::remove(dir_.File("plain.env"));
  }

  std::string EntryName(std::size_t document) {
    const EnvelopeEntry& d = builder_.documents()[document];
    return d.guid + d.ext;
  }

  // An entry named name holding bytes stored as they are, with their
  // checksum, as a ZIP tool stores what does not compress.
  ZipEntry StoredEntry(const std::string& name, const std::string& bytes) {
    EnvelopeBuilder one;
    EnvelopeEntry& document = one.Add(name, "IMAGE/JPG", "", bytes);
    document.stored = true;
    one.Write(dir_.File("one.env"));
    for (ZipEntry e : testing::ReadZipEntries(dir_.Read("one.env"))) {
      if (e.name != document.guid + document.ext) continue;
      std::filesystem::remove(dir_.File("one.env"));
      e.name = name;
      return e;
    }
    throw std::runtime_error("no entry " + name);
  }

  EnvelopeBuilder builder_;
  std::string plain_;
  TempDir dir_;
};

TEST_F(EnvelopeZipShapesTest, EachShapeReadsAsThePlainEnvelopeOrIsRefusedForItsCause) {
  const std::string order = EntryName(0);
  const std::string photo = EntryName(2);
  const auto entry = [](ZipLayout& layout, const std::string& name) -> ZipEntry& {
    for (ZipEntry& e : layout.entries) {
      if (e.name == name) return e;
    }
    throw std::runtime_error("no entry " + name);
  };
  // The archive's end record as WriteZip gives it, its comment's length set.
  const auto endRecord = [](const ZipLayout& layout, std::size_t commentLength) {
    ZipLayout bare = layout;
    bare.comment.clear();
    bare.after.clear();
    const std::string archive = testing::WriteZip(bare);
    std::string record = archive.substr(archive.size() - 22);
    record[20] = static_cast<char>(commentLength & 0xFF);
    record[21] = static_cast<char>(commentLength >> 8);
    return record;
  };
  const auto copies = [](const std::string& bytes, int count) {
    std::string out;
    for (int i = 0; i < count; ++i) out += bytes;
    return out;
  };
  const auto streamAll = [](ZipLayout& layout) {
    for (ZipEntry& e : layout.entries) e.streamed = true;
  };
  // Little-endian fields of an end record and a ZIP64 locator and record.
  const auto record = [](uint64_t entries, uint64_t directorySize, uint64_t directoryOffset) {
    return Le(0x06054b50, 4) + Le(0, 4) + Le(entries, 2) + Le(entries, 2) + Le(directorySize, 4) +
           Le(directoryOffset, 4) + Le(0, 2);
  };
  const auto zip64Record = [](uint64_t entries, uint64_t directorySize, uint64_t directoryOffset) {
    return Le(0x06064b50, 4) + Le(44, 8) + Le(45, 2) + Le(45, 2) + Le(0, 4) + Le(0, 4) + Le(entries, 8) +
           Le(entries, 8) + Le(directorySize, 8) + Le(directoryOffset, 8);
  };
  const auto zip64Locator = [](uint64_t recordOffset) {
    return Le(0x07064b50, 4) + Le(0, 4) + Le(recordOffset, 8) + Le(1, 4);
  };
  ZipLayout base;
  base.entries = testing::ReadZipEntries(plain_);
  const uint64_t baseSize = testing::WriteZip(base).size();
  // A small ZIP archive of one text file, as a document of an order may be.
  const auto smallZip = [&](int i) {
    ZipLayout inner;
    inner.entries.push_back(StoredEntry("page" + std::to_string(i) + ".txt", "page " + std::to_string(i)));
    return testing::WriteZip(inner);
  };
  // A photo's bytes that do not compress, holding the end-record signature 20
  // times near its end, each followed by other photo bytes.
  std::string signedPhoto("\xFF\xD8\xFF\xE0\0\x10JFIF", 10);
  for (uint32_t seed = 11, i = 0; i < 6000; ++i) {
    seed = seed * 1664525 + 1013904223;
    signedPhoto += static_cast<char>(seed >> 24);
    if (i >= 4000 && i % 100 == 0) signedPhoto += "PK\x05\x06";
  }
  // A photo whose JPEG comment (a segment of big-endian length) holds 16 end
  // records of an empty archive: the signature and 18 zero bytes each.
  std::string emptyRecord("PK\x05\x06", 4);
  emptyRecord.append(18, '\0');
  const std::string jpegComment = copies(emptyRecord, 16);
  std::string commentedPhoto("\xFF\xD8\xFF\xFE", 4);
  commentedPhoto += static_cast<char>((jpegComment.size() + 2) >> 8);
  commentedPhoto += static_cast<char>((jpegComment.size() + 2) & 0xFF);
  commentedPhoto += jpegComment;
  for (int i = 0; i < 3000; ++i) commentedPhoto += static_cast<char>((i * 7919) >> 3);
  commentedPhoto += "\xFF\xD9";
  enum Outcome { kReads, kRefused, kUnpackFails };
  const struct {
    const char* name;
    std::function<void(ZipLayout&)> shape;
    Outcome outcome;
    std::string cause;  // Failure()'s description, for the two failures
  } cases[] = {
      // What common tools write.
      {"every entry streamed, its local header giving CRC and compressed size 0 and the true size "
       "(bsdtar, zip -fd, zip to a pipe)",
       [&](ZipLayout& l) {
         streamAll(l);
         for (ZipEntry& e : l.entries) e.extra = kInfoZipExtras;
       },
       kReads, ""},
      {"streamed with ZIP64 records (bsdtar's zip64)",
       [&](ZipLayout& l) {
         streamAll(l);
         l.zip64 = true;
       },
       kReads, ""},
      {"100 zero bytes after the end record (a padded transfer)", [](ZipLayout& l) { l.after.assign(100, '\0'); },
       kReads, ""},
      {"streamed and padded to a whole block (bsdtar to a pipe)",
       [&](ZipLayout& l) {
         streamAll(l);
         l.after.assign(4000, '\0');
       },
       kReads, ""},
      // A ZIP reader looks for the end record only near the end of the file:
      // libzip and Python's zipfile up to 65,536 bytes before it, one more
      // than a comment holds.
      {"65,536 zero bytes after the end record", [](ZipLayout& l) { l.after.assign(65536, '\0'); }, kReads, ""},
      {"65,537 zero bytes after the end record", [](ZipLayout& l) { l.after.assign(65537, '\0'); }, kRefused,
       "its ZIP archive's end record is followed by 65537 bytes, and a ZIP reader looks for that record only in "
       "the last 65558 bytes of a file"},
      {"streamed with ZIP64 records, and a mebibyte of zero bytes after them",
       [&](ZipLayout& l) {
         streamAll(l);
         l.zip64 = true;
         l.after.assign(1 << 20, '\0');
       },
       kRefused,
       "its ZIP archive's end record is followed by 1048576 bytes, and a ZIP reader looks for that record only in "
       "the last 65558 bytes of a file"},
      // The central directory is what counts.
      {"a local header stating another compression method than the central directory",
       [&](ZipLayout& l) { entry(l, photo).localMethod = ZIP_CM_DEFLATE; }, kReads, ""},
      // Entries no document names are never read, whatever they hold.
      {"an entry no document names, compressed with LZMA and protected by a password",
       [](ZipLayout& l) {
         ZipEntry notes = l.entries.front();
         notes.name = "notes.txt";
         notes.method = 14;
         notes.flags |= 1;
         l.entries.push_back(notes);
       },
       kReads, ""},
      // Which of two entries of one name is meant is up to the reader.
      {"a document's entry twice, holding other bytes the second time",
       [&](ZipLayout& l) {
         ZipEntry copy = entry(l, photo);
         copy.data = "other bytes";
         copy.size = copy.data.size();
         l.entries.push_back(copy);
       },
       kRefused, "it holds two entries named " + photo},
      {"an entry no document names, twice",
       [](ZipLayout& l) {
         ZipEntry notes = l.entries.front();
         notes.name = "notes.txt";
         l.entries.push_back(notes);
         l.entries.push_back(notes);
       },
       kRefused, "it holds two entries named notes.txt"},
      {"two entries with an empty name",
       [](ZipLayout& l) {
         ZipEntry unnamed = l.entries.front();
         unnamed.name = "";
         l.entries.push_back(unnamed);
         l.entries.push_back(unnamed);
       },
       kRefused, "it holds two entries with an empty name"},
      // libzip reads the whole central directory for every end record in the
      // last 64 KiB: a few are read, more are refused before libzip looks.
      {"15 copies of the end record after it", [&](ZipLayout& l) { l.after = copies(endRecord(l, 0), 15); },
       kReads, ""},
      {"16 copies of the end record after it", [&](ZipLayout& l) { l.after = copies(endRecord(l, 0), 16); },
       kRefused,
       "it ends in 17 end records of a ZIP archive, where an archive has one; more than 16 are not read"},
      {"100 copies of the end record after it", [&](ZipLayout& l) { l.after = copies(endRecord(l, 0), 100); },
       kRefused,
       "it ends in 101 end records of a ZIP archive, where an archive has one; more than 16 are not read"},
      {"2,900 copies of the end record after it", [&](ZipLayout& l) { l.after = copies(endRecord(l, 0), 2900); },
       kRefused,
       "it ends in 2901 end records of a ZIP archive, where an archive has one; more than 16 are not read"},
      // Only a record that could be the archive's end counts: one whose
      // directory is there.
      {"17 small ZIP archives stored after the documents (zip stores a .zip as it is)",
       [&](ZipLayout& l) {
         for (int i = 1; i <= 17; ++i) {
           l.entries.push_back(StoredEntry("part" + std::to_string(i) + ".zip", smallZip(i)));
         }
       },
       kReads, ""},
      {"a stored photo holding the end record's signature 20 times near its end",
       [&](ZipLayout& l) { l.entries.push_back(StoredEntry("signed.jpg", signedPhoto)); }, kReads, ""},
      // Nor does one of no entries and no directory, an empty archive's: libzip
      // reads nothing for it.
      {"16 empty ZIP archives of 22 bytes stored after the documents",
       [&](ZipLayout& l) {
         for (int i = 1; i <= 16; ++i) {
           l.entries.push_back(StoredEntry("empty" + std::to_string(i) + ".zip", testing::WriteZip(ZipLayout())));
         }
       },
       kReads, ""},
      {"a stored photo whose JPEG comment holds 16 end records of no entries and no directory",
       [&](ZipLayout& l) { l.entries.push_back(StoredEntry("commented.jpg", commentedPhoto)); }, kReads, ""},
      {"2,900 records after it that state no entries and no directory",
       [&](ZipLayout& l) { l.after = copies(record(0, 0, 0), 2900); }, kReads, ""},
      {"1,400 ZIP64 locators and records after it that state no entries and no directory",
       [&](ZipLayout& l) {
         l.after = zip64Record(0, 0, 0);
         for (int i = 0; i < 1400; ++i) l.after += zip64Locator(baseSize) + record(0xFFFF, 0xFFFFFFFF, 0xFFFFFFFF);
       },
       kReads, ""},
      // libzip takes a record of no entries but a directory for Info-ZIP's
      // count of 65,536 entries wrapped to 0, and makes room for them.
      {"2,900 records after it that state no entries but a directory of 46 bytes where none begins",
       [&](ZipLayout& l) { l.after = copies(record(0, 46, 0), 2900); }, kRefused,
       "it ends in end records of a ZIP archive that state 190054400 entries where no directory lists them, "
       "more than its " +
           std::to_string(baseSize + 2900 * 22) + " bytes can hold; they are not read"},
      {"2,900 records after it that state 65,535 entries and no directory",
       [&](ZipLayout& l) { l.after = copies(record(65535, 0, 0), 2900); }, kRefused,
       "it ends in end records of a ZIP archive that state 190051500 entries where no directory lists them, "
       "more than its " +
           std::to_string(baseSize + 2900 * 22) + " bytes can hold; they are not read"},
      {"1,400 ZIP64 locators and records after it that state the whole file a directory of entries it is not",
       [&](ZipLayout& l) {
         l.after = zip64Record(baseSize / 46, baseSize, 0);
         for (int i = 0; i < 1400; ++i) l.after += zip64Locator(baseSize) + record(0xFFFF, 0xFFFFFFFF, 0xFFFFFFFF);
       },
       kRefused,
       "it ends in end records of a ZIP archive that state " + std::to_string(1400 * (baseSize / 46)) +
           " entries where no directory lists them, more than its " +
           std::to_string(baseSize + 56 + 1400 * 42) + " bytes can hold; they are not read"},
      {"100 end records, each in the comment of the one before, to the end of the file",
       [&](ZipLayout& l) {
         for (std::size_t left = 0; left < 99; ++left) l.comment = endRecord(l, l.comment.size()) + l.comment;
       },
       kRefused,
       "it ends in 100 end records of a ZIP archive, where an archive has one; more than 16 are not read"},
      // What cannot be read, named before anything is written.
      {"a document in Deflate64", [&](ZipLayout& l) { entry(l, photo).method = 9; }, kRefused,
       "The envelope's entry " + photo +
           " is compressed with Deflate64, which cannot be read: entries must be stored, deflated or compressed "
           "with bzip2"},
      {"ENVELOPE.XML in LZMA", [&](ZipLayout& l) { entry(l, "ENVELOPE.XML").method = 14; }, kRefused,
       "The envelope's entry ENVELOPE.XML is compressed with LZMA, which cannot be read: entries must be stored, "
       "deflated or compressed with bzip2"},
      {"a document in XZ", [&](ZipLayout& l) { entry(l, order).method = 95; }, kRefused,
       "The envelope's entry " + order +
           " is compressed with XZ, which cannot be read: entries must be stored, deflated or compressed with bzip2"},
      {"a document in PPMd", [&](ZipLayout& l) { entry(l, order).method = 98; }, kRefused,
       "The envelope's entry " + order +
           " is compressed with PPMd, which cannot be read: entries must be stored, deflated or compressed with "
           "bzip2"},
      {"a document in a method of no name", [&](ZipLayout& l) { entry(l, photo).method = 77; }, kRefused,
       "The envelope's entry " + photo +
           " is compressed with method 77, which cannot be read: entries must be stored, deflated or compressed "
           "with bzip2"},
      {"a document protected by a password (ZIP's own encryption)",
       [&](ZipLayout& l) { entry(l, photo).flags |= 1; }, kRefused,
       "The envelope's entry " + photo + " is protected by a password, so it cannot be read"},
      {"ENVELOPE.XML protected by a password (WinZip's AES)",
       [&](ZipLayout& l) {
         ZipEntry& e = entry(l, "ENVELOPE.XML");
         e.flags |= 1;
         e.method = 99;
         e.extra = kAesExtra;
       },
       kRefused, "The envelope's entry ENVELOPE.XML is protected by a password, so it cannot be read"},
      // libzip finds no central directory where the end record says it is;
      // unchanged by the reader's change, kept to show the decision.
      {"bytes before the archive that its offsets do not count (a self-extractor's stub)",
       [](ZipLayout& l) { l.before = "MZ a program that unpacks the archive after it"; }, kRefused,
       "it is not a readable ZIP archive: Not a zip archive"},
      // Damage in a streamed entry is still found as it is unpacked, after
      // the documents before it were written.
      {"a streamed document whose bytes are damaged",
       [&](ZipLayout& l) {
         streamAll(l);
         entry(l, photo).data[2000] ^= 0x20;
       },
       kUnpackFails, "The envelope's entry " + photo + " is damaged: CRC error"},
      {"a streamed document cut short, its sizes stating the whole",
       [&](ZipLayout& l) {
         streamAll(l);
         entry(l, photo).data.resize(1000);
       },
       kUnpackFails, "The envelope's entry " + photo + " is damaged: CRC error"},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.name);
    ZipLayout layout;
    layout.entries = testing::ReadZipEntries(plain_);
    c.shape(layout);
    const std::filesystem::path folder = dir_.path() / c.name;
    const std::string path = dir_.Write((folder / "MY.ENV").string(), testing::WriteZip(layout));
    const std::string bytes = dir_.Read(path);

    ZipEnvelope envelope;
    const bool opened = envelope.OpenEnvelope(path);
    EXPECT_EQ(opened, c.outcome != kRefused);
    if (opened) {
      EXPECT_EQ(envelope.Documents().Count(), 3U);
      EXPECT_EQ(envelope.ExtractTo(folder.string(), 0), c.outcome == kReads);
    } else {
      EXPECT_EQ(envelope.Documents().Count(), 0U);
    }
    if (c.outcome == kReads) {
      EXPECT_FALSE(envelope.Failure());
      std::vector<std::string> expected = {"MY.ENV"};
      for (std::size_t i = 0; i < builder_.documents().size(); ++i) {
        EXPECT_EQ(dir_.Read((folder / EntryName(i)).string()), builder_.documents()[i].bytes);
        expected.push_back(EntryName(i));
      }
      std::sort(expected.begin(), expected.end());
      EXPECT_EQ(Listing(folder), expected);
    } else if (!envelope.Failure()) {
      ADD_FAILURE() << "no failure";
    } else {
      EXPECT_EQ(envelope.Failure()->source(), "EnvKit.Envelope");
      EXPECT_EQ(envelope.Failure()->description(), c.cause);
      EXPECT_EQ(Listing(folder), std::vector<std::string>{"MY.ENV"});
    }
    EXPECT_EQ(dir_.Read(path), bytes);
  }
}

// ZIP tools that predate the UTF-8 flag write a name in CP437, the code page
// of DOS; libzip gives it as UTF-8, which may take more bytes. The entries
// are held to the file by the bytes the archive holds, and the document is
// found and unpacked by the name its listing gives.
TEST_F(EnvelopeZipShapesTest, ADocumentWhoseEntryIsNamedInCp437ReadsByItsListedName) {
  EnvelopeBuilder builder;
  builder.Add("order.xml", "OADI/XML", "", "<ORDER><FORMNUM>1004</FORMNUM></ORDER>");
  EnvelopeEntry& photo = builder.Add("front.jpg", "IMAGE/JPG", "", "\xFF\xD8\xFF\xE0 a photo");
  photo.guid = "Fa\xC3\xA7" "ade-\xC3\xA9t\xC3\xA9";  // "Façade-été" in UTF-8, as the listing gives it
  builder.Write(dir_.File("utf8.env"));
  ZipLayout layout;
  layout.entries = testing::ReadZipEntries(dir_.Read("utf8.env"));
  const std::string listed = photo.guid + photo.ext;
  const std::string cp437 = "Fa\x87" "ade-\x82t\x82.jpg";
  uint64_t least = 22;  // what the entries take, headers and the end record included
  bool renamed = false;
  for (ZipEntry& e : layout.entries) {
    if (e.name == listed) {
      ASSERT_TRUE(e.flags & 0x800) << "libzip marks a UTF-8 name";
      e.name = cp437;
      e.flags &= ~0x800;
      renamed = true;
    }
    least += 30 + 46 + 2 * e.name.size() + e.data.size();
  }
  ASSERT_TRUE(renamed);
  const std::string path = dir_.Write("MY.ENV", testing::WriteZip(layout));
  // An honest archive of no extra fields takes exactly that: the boundary of
  // the rule for overlapping entries.
  ASSERT_EQ(std::filesystem::file_size(path), least);

  ZipEnvelope envelope;
  const auto why = [&] { return envelope.Failure() ? envelope.Failure()->description() : "no failure"; };
  ASSERT_TRUE(envelope.OpenEnvelope(path)) << why();
  ASSERT_EQ(envelope.Documents().Count(), 2U);
  EXPECT_EQ(envelope.Documents().Item(1).EntryName(), listed);
  std::filesystem::create_directory(dir_.path() / "out");
  ASSERT_TRUE(envelope.ExtractTo(dir_.File("out"), 0)) << why();
  EXPECT_EQ(dir_.Read("out/" + listed), photo.bytes);
  const EnvelopeEntry& order = builder.documents()[0];
  std::vector<std::string> expected = {order.guid + order.ext, listed};
  std::sort(expected.begin(), expected.end());
  EXPECT_EQ(Listing(dir_.path() / "out"), expected);
}

}  // namespace
}  // namespace ombrel
