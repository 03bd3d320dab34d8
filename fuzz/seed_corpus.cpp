// fuzz-seeds: writes the seed corpus of every fuzz harness, so nothing binary
// is kept in the repository:
//
//   fuzz-seeds OUT [DEMO]
//
// OUT/envelope   valid envelopes (several documents, stored entries, a
//                listing in windows-1252 or UTF-16, an empty listing, entries
//                streamed with data descriptors as bsdtar and zip -fd write
//                them, ZIP64 records, bytes after the archive, documents that
//                are ZIP archives, a photo spelling the end record's
//                signature, an entry named in CP437) and hostile ones (names
//                leaving the folder, repeated entries, a symbolic-link entry,
//                a CRC error, truncated, oversized, an entry named twice, a
//                method that cannot be read, a password, entries sharing one
//                kernel, copies of the end record, end records stating
//                entries no directory lists or none at all, an end record
//                more than 64 KiB before the end)
// OUT/envelope_manifest
//                manifests with the entry names to put beside them, valid
//                and hostile
// OUT/xml_dom    order documents in each encoding the reader takes,
//                numeric references that wrap past 32 bits, and a listing
//                of an envelope
// OUT/alias      alias files
// OUT/profile    settings files
// DEMO, when given, is the folder of the demo order and alias file
// (tools/demo), which join the seeds.
#include <sys/stat.h>
#include <zip.h>

#include <cstdint>
#include <cstdio>
#include <exception>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <stdexcept>
#include <string>
#include <utility>
#include <vector>

#include "fuzz_input.h"
#include "support/envelope_builder.h"
#include "support/zip_layout.h"
#include "support/zip_size_claim.h"

namespace fs = std::filesystem;
using ombrel::fuzz::JoinFuzzInput;
using ombrel::testing::EnvelopeBuilder;
using ombrel::testing::EnvelopeEntry;
using ombrel::testing::WithStatedSize;
using ombrel::testing::ZipEntry;
using ombrel::testing::ZipLayout;

namespace {

std::string ReadFile(const fs::path& path) {
  std::ifstream in(path, std::ios::binary);
  return std::string(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
}

void WriteSeed(const fs::path& folder, const std::string& name, const std::string& bytes) {
  fs::create_directories(folder);
  std::ofstream out(folder / name, std::ios::binary | std::ios::trunc);
  out.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
  if (!out) throw std::runtime_error("cannot write seed " + (folder / name).string());
}

// Latin-1 text as UTF-16, with or without a byte-order mark.
std::string Utf16(const std::string& latin1, bool bigEndian, bool mark) {
  std::string out = mark ? (bigEndian ? "\xFE\xFF" : "\xFF\xFE") : "";
  for (char c : latin1) {
    out += bigEndian ? std::string{'\0', c} : std::string{c, '\0'};
  }
  return out;
}

const std::string kOrderBody =
    "<ORDER>\n"
    "  <FORMNUM>1004</FORMNUM><ALTFORM>FHLMC</ALTFORM>\n"
    "  <BORROWER>Jordan Whitfield</BORROWER><SUBJECT><CITY>Caf\xE9 &amp; Co \x85</CITY></SUBJECT>\n"
    "  <LENDER ID=\"L-7\"> </LENDER>\n"
    "  <COMPARABLES><COMP N=\"1\"><SALES PRICE=\"250000\"/><PHOTO N=\"1\">c1.jpg</PHOTO></COMP>\n"
    "  <COMP N=\"2\"><SALES PRICE=\"199000\"/><![CDATA[a <raw> value]]></COMP></COMPARABLES>\n"
    "  <COMMENT>line one&#13;&#10;line two&#x9;tab</COMMENT>\n"
    "</ORDER>\n";

// The same order as UTF-8 bytes (the body above is Latin-1).
std::string Latin1ToUtf8(const std::string& latin1) {
  std::string out;
  for (char ch : latin1) {
    const auto c = static_cast<unsigned char>(ch);
    if (c < 0x80) {
      out += ch;
    } else {
      out += static_cast<char>(0xC0 | (c >> 6));
      out += static_cast<char>(0x80 | (c & 0x3F));
    }
  }
  return out;
}

const std::vector<std::string> kXmlQueries = {"COMPARABLES\\COMP(2)\\SALES\\@PRICE", "COMP(1)SALESPRICE",
                                              "SUBJECT\\CITY", "~PHOTO(1)", "LENDER\\@ID"};

void XmlSeeds(const fs::path& out, const fs::path& demo) {
  const std::string utf8 = Latin1ToUtf8(kOrderBody);
  const std::string declared = "<?xml version=\"1.0\" encoding=\"";
  WriteSeed(out, "utf8", JoinFuzzInput(declared + "UTF-8\"?>\n" + utf8, kXmlQueries));
  WriteSeed(out, "utf8-bom", JoinFuzzInput("\xEF\xBB\xBF" + utf8, kXmlQueries));
  WriteSeed(out, "utf16le",
            JoinFuzzInput(Utf16(declared + "UTF-16\"?>\n" + kOrderBody, false, true), kXmlQueries));
  WriteSeed(out, "utf16be", JoinFuzzInput(Utf16(kOrderBody, true, true), kXmlQueries));
  WriteSeed(out, "utf16-nomark", JoinFuzzInput(Utf16(kOrderBody, false, false), kXmlQueries));
  WriteSeed(out, "latin1", JoinFuzzInput(declared + "ISO-8859-1\"?>\n" + kOrderBody, kXmlQueries));
  WriteSeed(out, "cp1252", JoinFuzzInput(declared + "windows-1252\"?>\n" + kOrderBody, kXmlQueries));
  WriteSeed(out, "undeclared-cp1252", JoinFuzzInput(kOrderBody, kXmlQueries));
  WriteSeed(out, "doctype",
            JoinFuzzInput("<?xml version=\"1.0\"?>\n<!DOCTYPE ORDER [<!ENTITY a \"aaaa\">"
                          "<!ENTITY b \"&a;&a;&a;\">]>\n<ORDER><FORMNUM>&b;</FORMNUM></ORDER>",
                          {"FORMNUM"}));
  std::string deep = "<ORDER>";
  for (int i = 0; i < 40; ++i) deep += "<A N=\"" + std::to_string(i) + "\">";
  deep += "<FORMNUM>2055</FORMNUM>";
  for (int i = 0; i < 40; ++i) deep += "</A>";
  WriteSeed(out, "nested", JoinFuzzInput(deep + "</ORDER>", {"~A(39)\\FORMNUM", "A(0)\\A(1)\\@N"}));
  // References whose digits pugixml adds up past 32 bits: to 0, and to "A".
  WriteSeed(out, "reference-wraps-to-nul",
            JoinFuzzInput("<ORDER><FORMNUM>1004&#4294967296;</FORMNUM><X A='&#x100000000;'/></ORDER>",
                          {"FORMNUM", "X\\@A"}));
  WriteSeed(out, "reference-wraps-to-a",
            JoinFuzzInput("<ORDER><FORMNUM>1004&#4294967361;</FORMNUM><X A='&#x100000041;'/></ORDER>",
                          {"FORMNUM", "X\\@A"}));
  // The same where they are no references, beside ones that are.
  WriteSeed(out, "references-not-expanded",
            JoinFuzzInput("<?xml version=\"1.0\"?><!DOCTYPE ORDER [<!ENTITY e \"&#4294967296;\">]>"
                          "<ORDER><!-- &#0; --><X A=\"<!--\"/><FORMNUM>1004&#x10FFFF;&#65;</FORMNUM>"
                          "<![CDATA[&#4294967296;]]><X A=\"-->\"/></ORDER>",
                          {"FORMNUM"}));
  {
    EnvelopeBuilder listing;
    listing.Add("ORDER.XML", "OADI/XML", "", "");
    listing.Add("front.jpg", "IMAGE/JPG", "SUBJECT FRONT", "");
    WriteSeed(out, "envelope-listing", JoinFuzzInput(listing.ListingXml(), {"~DOCUMENT\\@GUID"}));
  }
  if (!demo.empty() && fs::exists(demo / "order-1004.xml")) {
    WriteSeed(out, "demo-order", JoinFuzzInput(ReadFile(demo / "order-1004.xml"), {"COMP(4)PROPADDR"}));
  }
}

void AliasSeeds(const fs::path& out, const fs::path& demo) {
  const std::string aliases =
      "; comment line\r\n"
      "BORROWERNAME = BORROWER\r\n"
      "CITY = ~SUBJECT\\CITY\r\n"
      "\r\n"
      "LENDERID=LENDER\\@ID\r\n"
      "COMP(#)SALESPRICE = COMPARABLES\\COMP(#)\\SALES\\@PRICE\r\n"
      "COMP(#)PHOTO(#) = ~COMP(#)\\PHOTO(#)\r\n"
      "UNIT#RENT = UNITS\\UNIT(#)\\RENT\r\n"
      "A#1#B = ~A(#)\\B(#)\r\n"
      "malformed line without equals\r\n"
      "BAD(#) = X\\Y\r\n";
  WriteSeed(out, "aliases", JoinFuzzInput(aliases, {"COMP(3)SALESPRICE", "UNIT12RENT", "A212B"}));
  WriteSeed(out, "aliases-bom", JoinFuzzInput("\xEF\xBB\xBF" "CITY = SUBJECT\\CITY\n", {"CITY"}));
  WriteSeed(out, "aliases-cp1252", JoinFuzzInput("CAF\xC9 = SUBJECT\\CITY\n", {"CAF\xC9"}));
  if (!demo.empty() && fs::exists(demo / "global.ali")) {
    WriteSeed(out, "demo-aliases", JoinFuzzInput(ReadFile(demo / "global.ali"), {"COMP(2)CITY"}));
  }
}

void ProfileSeeds(const fs::path& out, const fs::path& demo) {
  WriteSeed(out, "qor", JoinFuzzInput("; Corvana settings\r\n[Directories]\r\nDataDir = \"/home/a/Corvana\" \r\n"
                                      "[Vendor]\r\nKESTR=/opt/kestrov/Kestrov.exe\r\n",
                                      {"vendor", "kestr"}));
  WriteSeed(out, "duplicates", JoinFuzzInput("top=level\n[A]\nK=1\nk=2\n[a]\nK=3\n[ B ]\n = empty key\nx=\"\n",
                                             {"A", "K"}));
  WriteSeed(out, "cp1252", JoinFuzzInput("\xEF\xBB\xBF[Descriptions]\nUA2=Caf\xE9 \x93report\x94\n[open",
                                         {"Descriptions", "UA2"}));
  WriteSeed(out, "registry", JoinFuzzInput("[HKEY_LOCAL_MACHINE\\SOFTWARE\\Microsoft\\Shared Tools\\MSINFO]\n"
                                           "PATH=/usr/bin/sysinfo\n",
                                           {"HKEY_LOCAL_MACHINE\\SOFTWARE\\Microsoft\\Shared Tools\\MSINFO", "PATH"}));
  if (!demo.empty() && fs::exists(demo / "QOR.INI.in")) {
    WriteSeed(out, "demo-qor", JoinFuzzInput(ReadFile(demo / "QOR.INI.in"), {"Descriptions", "QAR"}));
  }
}

void EnvelopeSeeds(const fs::path& out) {
  fs::create_directories(out);
  const std::string order = Latin1ToUtf8(kOrderBody);
  {
    EnvelopeBuilder builder;
    builder.Add("ORDER.XML", "OADI/XML", "", order);
    builder.Add("SUP.XML", "OADI-SUP/XML", "", "<ORDER><FORMNUM>1007</FORMNUM></ORDER>");
    builder.Add("front.jpg", "IMAGE/JPG", "SUBJECT FRONT", std::string("\xFF\xD8\xFF\xE0", 4) + "jpeg");
    builder.Add("notes.pdf", "APPLICATION/PDF", "NOTES", "%PDF-1.4");
    builder.Write((out / "full").string());
  }
  {
    EnvelopeBuilder builder;
    builder.Add("ORDER.XML", "OADI/XML", "", order).stored = true;
    builder.Add("rear.jpg", "IMAGE/JPG", "REAR", std::string(300, 'x')).stored = true;
    builder.Write((out / "stored").string());
  }
  {
    EnvelopeBuilder builder;
    builder.Add("ORDER.XML", "OADI/XML", "", order);
    std::string listing = builder.ListingXml();
    listing.replace(listing.find("UTF-8"), 5, "windows-1252");
    listing.replace(listing.find("FILENAME=\"ORDER.XML\""), 20, "FILENAME=\"ORD\xC9R.XML\"");
    builder.SetEnvelopeXml(listing);
    builder.Write((out / "cp1252-listing").string());
  }
  {
    EnvelopeBuilder builder;
    builder.Add("a.xml", "OADI/XML", "", "<ORDER/>");
    builder.SetEnvelopeXml(Utf16(builder.ListingXml(), false, true));
    builder.Write((out / "utf16-listing").string());
  }
  {
    EnvelopeBuilder builder;
    builder.SetEnvelopeXml("<ENVELOPE/>");
    builder.Write((out / "empty").string());
  }
  {
    // As ZIP tools write to a pipe: each local header gives CRC and compressed
    // size 0 and the true size, and a data descriptor follows the data.
    EnvelopeBuilder builder;
    builder.Add("ORDER.XML", "OADI/XML", "", order);
    builder.Add("front.jpg", "IMAGE/JPG", "SUBJECT FRONT", std::string(500, 'j')).stored = true;
    builder.Write((out / "streamed").string());
    ZipLayout layout;
    layout.entries = ombrel::testing::ReadZipEntries(ReadFile(out / "streamed"));
    for (ZipEntry& entry : layout.entries) entry.streamed = true;
    WriteSeed(out, "streamed", ombrel::testing::WriteZip(layout));
    layout.zip64 = true;
    layout.after.assign(1000, '\0');
    WriteSeed(out, "streamed-zip64-padded", ombrel::testing::WriteZip(layout));
  }
  {
    // Documents that are small ZIP archives, stored as they are, and a photo
    // whose bytes spell the end record's signature: a tail of end records
    // that are not this archive's.
    EnvelopeBuilder builder;
    builder.Add("ORDER.XML", "OADI/XML", "", order);
    std::string photo = std::string("\xFF\xD8\xFF\xE0", 4);
    for (int i = 0; i < 20; ++i) photo += "jpeg bytes PK\x05\x06 and more";
    builder.Add("front.jpg", "IMAGE/JPG", "SUBJECT FRONT", photo).stored = true;
    for (int i = 1; i <= 17; ++i) {
      EnvelopeBuilder part;
      part.Add("page.txt", "TEXT", "", "page " + std::to_string(i));
      part.Write((out / "part.tmp").string());
      builder.Add("part" + std::to_string(i) + ".zip", "APPLICATION/ZIP", "", ReadFile(out / "part.tmp")).stored =
          true;
      fs::remove(out / "part.tmp");
    }
    builder.Write((out / "stored-zips").string());
  }
  {
    // A document whose entry is named in CP437 without the UTF-8 flag, as
    // older ZIP tools write accented letters; the listing names it in UTF-8.
    EnvelopeBuilder builder;
    builder.Add("ORDER.XML", "OADI/XML", "", order);
    EnvelopeEntry& photo = builder.Add("front.jpg", "IMAGE/JPG", "", std::string(300, 'j'));
    photo.guid = "Fa\xC3\xA7" "ade";
    builder.Write((out / "cp437-entry").string());
    ZipLayout layout;
    layout.entries = ombrel::testing::ReadZipEntries(ReadFile(out / "cp437-entry"));
    for (ZipEntry& entry : layout.entries) {
      if (entry.name != photo.guid + photo.ext) continue;
      entry.name = "Fa\x87" "ade.jpg";
      entry.flags &= static_cast<uint16_t>(~0x800);
    }
    WriteSeed(out, "cp437-entry", ombrel::testing::WriteZip(layout));
  }
}

// A small envelope of an order and a photo, for the hostile variants.
EnvelopeBuilder OrderAndPhoto() {
  EnvelopeBuilder builder;
  builder.Add("ORDER.XML", "OADI/XML", "", "<ORDER><FORMNUM>1004</FORMNUM></ORDER>");
  builder.Add("front.jpg", "IMAGE/JPG", "SUBJECT FRONT", std::string(2000, 'j')).stored = true;
  return builder;
}

std::string BytesOf(const EnvelopeBuilder& builder, const fs::path& scratch) {
  builder.Write(scratch.string());
  std::string bytes = ReadFile(scratch);
  fs::remove(scratch);
  return bytes;
}

// Marks the archive's entry as a symbolic link, as a Unix zip tool stores one.
void MarkAsSymlink(const fs::path& archivePath, const std::string& entry) {
  int code = 0;
  zip_t* archive = zip_open(archivePath.c_str(), 0, &code);
  if (archive == nullptr) throw std::runtime_error("cannot reopen " + archivePath.string());
  const zip_int64_t index = zip_name_locate(archive, entry.c_str(), 0);
  if (index < 0 || zip_file_set_external_attributes(archive, static_cast<zip_uint64_t>(index), 0,
                                                    ZIP_OPSYS_UNIX, (S_IFLNK | 0777) << 16) != 0 ||
      zip_close(archive) != 0) {
    zip_discard(archive);
    throw std::runtime_error("cannot mark " + entry + " as a link");
  }
}

void HostileEnvelopeSeeds(const fs::path& out) {
  const fs::path scratch = out / "scratch.tmp";
  const auto first = [](EnvelopeBuilder& b) -> EnvelopeEntry& { return b.documents()[0]; };
  const struct {
    const char* name;
    void (*change)(EnvelopeBuilder&);
  } renamed[] = {
      {"traversal-filename", [](EnvelopeBuilder& b) { b.documents()[0].fileName = "../../x.xml"; }},
      {"absolute-filename", [](EnvelopeBuilder& b) { b.documents()[0].fileName = "/etc/x"; }},
      {"folder-filename", [](EnvelopeBuilder& b) { b.documents()[1].fileName = "a/b.jpg"; }},
      {"traversal-guid", [](EnvelopeBuilder& b) { b.documents()[0].guid = "../g"; }},
      {"long-filename", [](EnvelopeBuilder& b) { b.documents()[0].fileName = std::string(256, 'n'); }},
      {"control-filename", [](EnvelopeBuilder& b) { b.documents()[0].fileName = "a\r\nb.xml"; }},
      {"missing-entry", [](EnvelopeBuilder& b) { b.documents()[1].writeEntry = false; }},
  };
  for (const auto& r : renamed) {
    EnvelopeBuilder builder = OrderAndPhoto();
    r.change(builder);
    builder.Write((out / r.name).string());
  }
  {
    EnvelopeBuilder builder = OrderAndPhoto();
    builder.documents()[1].guid = first(builder).guid;
    builder.documents()[1].ext = first(builder).ext;
    builder.documents()[1].writeEntry = false;
    builder.Write((out / "duplicate-entry").string());
  }
  {
    EnvelopeBuilder builder = OrderAndPhoto();
    builder.Write((out / "symlink-entry").string());
    const EnvelopeEntry& photo = builder.documents()[1];
    MarkAsSymlink(out / "symlink-entry", photo.guid + photo.ext);
  }
  EnvelopeBuilder plain = OrderAndPhoto();
  const std::string bytes = BytesOf(plain, scratch);
  {
    std::string damaged = bytes;
    const std::size_t at = damaged.find(std::string(2000, 'j'));
    if (at != std::string::npos) damaged[at + 1000] = 'J';
    WriteSeed(out, "bad-crc", damaged);
  }
  WriteSeed(out, "truncated", bytes.substr(0, bytes.size() * 2 / 3));
  {
    const std::string photo = plain.documents()[1].guid + plain.documents()[1].ext;
    const auto variant = [&](const char* name, void (*change)(ZipEntry&), bool twice) {
      ZipLayout layout;
      layout.entries = ombrel::testing::ReadZipEntries(bytes);
      for (ZipEntry& entry : layout.entries) {
        if (entry.name == photo) change(entry);
      }
      if (twice) layout.entries.push_back(layout.entries.back());
      WriteSeed(out, name, ombrel::testing::WriteZip(layout));
    };
    variant("named-twice", [](ZipEntry&) {}, true);
    variant("deflate64", [](ZipEntry& entry) { entry.method = 9; }, false);
    variant("password", [](ZipEntry& entry) { entry.flags |= 1; }, false);
  }
  {
    const EnvelopeEntry& photo = plain.documents()[1];
    WriteSeed(out, "oversized", WithStatedSize(bytes, photo.guid + photo.ext, uint64_t{1} << 40));
    WriteSeed(out, "understated", WithStatedSize(bytes, photo.guid + photo.ext, 16));
  }
  {
    // Three more photos whose central records point at the first photo's
    // local header and data: overlapping entries sharing one kernel.
    EnvelopeBuilder builder = OrderAndPhoto();
    for (const char* name : {"a.jpg", "b.jpg", "c.jpg"}) builder.Add(name, "IMAGE/JPG", "", "");
    ZipLayout layout;
    layout.entries = ombrel::testing::ReadZipEntries(BytesOf(builder, scratch));
    const EnvelopeEntry& photo = builder.documents()[1];
    std::size_t kernel = 0;
    while (kernel < layout.entries.size() && layout.entries[kernel].name != photo.guid + photo.ext) ++kernel;
    for (std::size_t i = 2; i < builder.documents().size() && kernel < layout.entries.size(); ++i) {
      const EnvelopeEntry& shared = builder.documents()[i];
      for (ZipEntry& entry : layout.entries) {
        if (entry.name != shared.guid + shared.ext) continue;
        entry = layout.entries[kernel];
        entry.name = shared.guid + shared.ext;
        entry.sharesDataOf = kernel;
      }
    }
    WriteSeed(out, "overlap-bomb", ombrel::testing::WriteZip(layout));
  }
  {
    // Copies of the end record after it, and end records nested in each
    // other's comments to the end of the file.
    const std::string end = bytes.substr(bytes.size() - 22);
    std::string copies = bytes;
    for (int i = 0; i < 40; ++i) copies += end;
    WriteSeed(out, "end-record-copies", copies);
    ZipLayout layout;
    layout.entries = ombrel::testing::ReadZipEntries(bytes);
    for (std::size_t i = 0; i < 40; ++i) {
      std::string record = end;
      record[20] = static_cast<char>(layout.comment.size() & 0xFF);
      record[21] = static_cast<char>(layout.comment.size() >> 8);
      layout.comment = record + layout.comment;
    }
    WriteSeed(out, "end-records-nested", ombrel::testing::WriteZip(layout));
  }
  {
    // End records stating entries where no directory lists them, plain and
    // through ZIP64 locators to one ZIP64 record.
    const auto le = [](uint64_t value, int width) {
      std::string out;
      for (int i = 0; i < width; ++i) out += static_cast<char>((value >> (8 * i)) & 0xFF);
      return out;
    };
    const auto record = [&](uint64_t entries, uint64_t size, uint64_t offset) {
      return le(0x06054b50, 4) + le(0, 4) + le(entries, 2) + le(entries, 2) + le(size, 4) + le(offset, 4) +
             le(0, 2);
    };
    std::string plainRecords = bytes;
    for (int i = 0; i < 40; ++i) plainRecords += record(65535, 0, 0);
    WriteSeed(out, "end-records-without-directory", plainRecords);
    std::string zip64 = bytes + le(0x06064b50, 4) + le(44, 8) + le(45, 2) + le(45, 2) + le(0, 8) +
                        le(bytes.size() / 46, 8) + le(bytes.size() / 46, 8) + le(bytes.size(), 8) + le(0, 8);
    for (int i = 0; i < 40; ++i) {
      zip64 += le(0x07064b50, 4) + le(0, 4) + le(bytes.size(), 8) + le(1, 4) + record(0xFFFF, 0xFFFFFFFF, 0xFFFFFFFF);
    }
    WriteSeed(out, "zip64-end-records-without-directory", zip64);
    // Records of an empty archive, which cost libzip nothing, and records of
    // no entries but a directory, which it takes for 65,536 entries.
    std::string emptyRecords = bytes;
    std::string wrappedRecords = bytes;
    for (int i = 0; i < 40; ++i) {
      emptyRecords += record(0, 0, 0);
      wrappedRecords += record(0, 46, 0);
    }
    WriteSeed(out, "end-records-of-empty-archives", emptyRecords);
    WriteSeed(out, "end-records-of-wrapped-counts", wrappedRecords);
    // More bytes after the end record than a ZIP reader looks through.
    WriteSeed(out, "end-record-out-of-reach", bytes + std::string(65537, '\0'));
  }
}

void ManifestSeeds(const fs::path& out) {
  EnvelopeBuilder builder;
  builder.Add("ORDER.XML", "OADI/XML", "", "").guid = "G1";
  builder.Add("front.jpg", "IMAGE/JPG", "SUBJECT FRONT", "").guid = "G2";
  builder.Add("notes.pdf", "APPLICATION/PDF", "NOTES", "").guid = "G3";
  const std::vector<std::string> entries = {"G1.XML", "G2.jpg", "G3.pdf"};
  WriteSeed(out, "valid", JoinFuzzInput(builder.ListingXml(), entries));
  WriteSeed(out, "empty", JoinFuzzInput("<ENVELOPE/>", {}));

  const auto with = [&](void (*change)(EnvelopeBuilder&)) {
    EnvelopeBuilder copy = builder;
    change(copy);
    return copy.ListingXml();
  };
  WriteSeed(out, "traversal",
            JoinFuzzInput(with([](EnvelopeBuilder& b) { b.documents()[0].fileName = "../x"; }), entries));
  WriteSeed(out, "traversal-guid",
            JoinFuzzInput(with([](EnvelopeBuilder& b) { b.documents()[0].guid = "../G1"; }),
                          {"../G1.XML", "G2.jpg", "G3.pdf"}));
  WriteSeed(out, "duplicate",
            JoinFuzzInput(with([](EnvelopeBuilder& b) { b.documents()[1].guid = "G1"; b.documents()[1].ext = ".XML"; }),
                          entries));
  WriteSeed(out, "no-guid",
            JoinFuzzInput("<ENVELOPE><DOCUMENT EXT=\".XML\" FILENAME=\"a.xml\"/></ENVELOPE>", {".XML"}));
  WriteSeed(out, "backslash",
            JoinFuzzInput(with([](EnvelopeBuilder& b) { b.documents()[2].fileName = "..\\x.pdf"; }), entries));
  WriteSeed(out, "dots", JoinFuzzInput(with([](EnvelopeBuilder& b) {
                                         b.documents()[0].guid = ".";
                                         b.documents()[0].ext = ".";
                                       }),
                                       {"..", "G2.jpg", "G3.pdf"}));
  WriteSeed(out, "entity", JoinFuzzInput("<?xml version=\"1.0\"?><!DOCTYPE E [<!ENTITY n \"G1\">]>"
                                         "<ENVELOPE><DOCUMENT GUID=\"&n;\" EXT=\".XML\" "
                                         "FILENAME=\"a&#10;b\"/></ENVELOPE>",
                                         {"G1.XML"}));
  WriteSeed(out, "utf16", JoinFuzzInput(Utf16(builder.ListingXml(), false, true), entries));
  // A FILENAME that pugixml would cut at a NUL (2^32), or read as "ORDER.XML/x" (2^32 + 47).
  const std::pair<const char*, const char*> wrapping[] = {{"filename-reference-wraps", "&#4294967296;.exe"},
                                                         {"filename-reference-wraps-to-slash", "&#4294967343;x"}};
  for (const auto& [name, reference] : wrapping) {
    std::string listing = builder.ListingXml();
    const std::string fileName = "FILENAME=\"ORDER.XML";
    listing.insert(listing.find(fileName) + fileName.size(), reference);
    WriteSeed(out, name, JoinFuzzInput(listing, entries));
  }
}

}  // namespace

int main(int argc, char** argv) {
  if (argc < 2 || argc > 3) {
    std::fprintf(stderr, "usage: fuzz-seeds OUT [DEMO]\n");
    return 2;
  }
  try {
    const fs::path out = argv[1];
    const fs::path demo = argc > 2 ? fs::path(argv[2]) : fs::path();
    EnvelopeSeeds(out / "envelope");
    HostileEnvelopeSeeds(out / "envelope");
    ManifestSeeds(out / "envelope_manifest");
    XmlSeeds(out / "xml_dom", demo);
    AliasSeeds(out / "alias", demo);
    ProfileSeeds(out / "profile", demo);
  } catch (const std::exception& e) {
    std::fprintf(stderr, "fuzz-seeds: %s\n", e.what());
    return 1;
  }
  return 0;
}
