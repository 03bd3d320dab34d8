// The limits the readers of untrusted input keep, and the inputs the fuzz
// harnesses under fuzz/ found, kept as regression cases: each must be read
// to its end quickly, without a crash, with the result given.
#include <gtest/gtest.h>

#include <unistd.h>

#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <functional>
#include <future>
#include <string>
#include <thread>

#include "platform/envelope/zip_envelope.h"
#include "platform/errors/error_matchers.h"
#include "platform/files/file_system_object.h"
#include "platform/settings/profile_file.h"
#include "platform/xml/alias_table.h"
#include "platform/xml/pugi_xml_dom.h"
#include "support/envelope_builder.h"
#include "support/temp_dir.h"

namespace ombrel {
namespace {

using testing::EnvelopeBuilder;
using testing::RaisedError;
using testing::TempDir;

// Runs call, ending the test program when it takes more than a generous
// minute: a case that used to take hours must fail, not hang the suite.
void WithinAMinute(const std::function<void()>& call) {
  std::packaged_task<void()> task(call);
  std::future<void> done = task.get_future();
  std::thread runner(std::move(task));
  if (done.wait_for(std::chrono::minutes(1)) == std::future_status::timeout) {
    std::fprintf(stderr, "still running after a minute: the input is read in exponential time\n");
    std::_Exit(1);
  }
  runner.join();
  done.get();
}

// Inputs of the fuzz harnesses that once failed. The bytes are the harness's
// input: the file under test, then query lines and one byte giving their
// length (fuzz/fuzz_input.h).
struct FoundInput {
  const char* name;
  const char* harness;  // "alias", "xml_dom", "profile"
  std::string bytes;
};

std::string Input(const std::string& body, const std::string& queries) {
  return body + queries + static_cast<char>(queries.size());
}

// An alias line whose tag mixes many '#' with digits of its own: matching a
// tag of zeros against it tried every way of cutting the zeros into sixteen
// runs, some ten billion of them.
std::string ManyIndexAlias() {
  std::string body = "A";
  for (int i = 0; i < 16; ++i) body += "#0";
  body += "B = ~X";
  for (int i = 0; i < 16; ++i) body += "\\Y(#)";
  return Input(body + "\n", "A" + std::string(48, '0'));
}

const FoundInput kFoundInputs[] = {
    {"alias tag of many indexes", "alias", ManyIndexAlias()},
};

// What the harness does with the input, with the outcome asserted.
void Replay(const FoundInput& input, const TempDir& dir) {
  const std::string all = input.bytes;
  const std::size_t tail = static_cast<unsigned char>(all.back());
  const std::string body = all.substr(0, all.size() - 1 - tail);
  const std::string query = all.substr(all.size() - 1 - tail, tail);
  const std::string harness = input.harness;
  if (harness == "alias") {
    PugiXmlDom dom;
    dom.LoadXml("<ORDER><X><Y N=\"0\">value</Y></X></ORDER>");
    dom.LoadAlias(dir.Write("global.ali", body));
    EXPECT_EQ(dom.TagValue(query, false), "");
  } else if (harness == "xml_dom") {
    PugiXmlDom dom;
    dom.LoadXml(body);
    (void)dom.Value(dom.Root(), query);
    (void)dom.TagValue(query, false);
  } else if (harness == "profile") {
    const ProfileFile file = ProfileFile::Parse(body);
    (void)file.FindSection(query);
  } else {
    ADD_FAILURE() << "no harness " << harness;
  }
}

TEST(FuzzFindings, EachIsReadQuicklyAndSafely) {
  TempDir dir;
  for (const FoundInput& input : kFoundInputs) {
    SCOPED_TRACE(input.name);
    WithinAMinute([&] { Replay(input, dir); });
  }
}

// Where a tag fits an alias pattern in more than one way, each '#' takes the
// longest run of digits that still lets the rest fit.
TEST(AliasPatterns, EachIndexTakesTheLongestRunThatLetsTheRestFit) {
  TempDir dir;
  PugiXmlDom dom;
  dom.LoadXml("<ORDER><G><R N=\"12\"><C N=\"3\">12-3</C></R><R N=\"1\"><C N=\"23\">1-23</C>"
              "<C N=\"2\">1-2</C></R><R N=\"10\"><C N=\"2\">10-2</C></R></G></ORDER>");
  dom.LoadAlias(dir.Write("global.ali",
                          "CELL## = G\\R(#)\\C(#)\n"      // two indexes side by side
                          "P#0# = G\\R(#)\\C(#)\n"));     // a digit of the pattern's own between
  EXPECT_EQ(dom.TagValue("CELL123", false), "12-3");
  EXPECT_EQ(dom.TagValue("P1002", false), "10-2");  // 10 | 0 | 2, not 1 | 0 | 02
  EXPECT_EQ(dom.TagValue("P102", false), "1-2");
  EXPECT_EQ(dom.TagValue("CELL1", false), "");      // one digit cannot feed two indexes
  EXPECT_EQ(dom.TagValue("P12", false), "");

  // Sixteen indexes make an alias; with a seventeenth the line is malformed
  // and the tag is read as a path.
  for (const std::ptrdiff_t indexes : {AliasTable::kMaxIndexes, AliasTable::kMaxIndexes + 1}) {
    SCOPED_TRACE(indexes);
    std::string tag = "T", concrete = "T", element = "V";
    for (std::ptrdiff_t i = 0; i < indexes; ++i) {
      tag += "#-";
      concrete += "7-";
      element += "7";
    }
    dom.LoadXml("<ORDER><" + element + ">reached</" + element + "></ORDER>");
    dom.LoadAlias(dir.Write("global.ali", tag + " = V" + std::string(static_cast<std::size_t>(indexes), '#') + "\n"));
    EXPECT_EQ(dom.TagValue(concrete, false), indexes <= AliasTable::kMaxIndexes ? "reached" : "");
  }
}

// Elements and attributes count together towards the limit; markup that is
// escaped, commented or quoted counts for nothing.
TEST(XmlLimits, ADocumentOfTooManyElementsAndAttributesLoadsAsEmpty) {
  constexpr std::size_t kMax = PugiXmlDom::kMaxElements;
  const std::string head = "<ORDER><FORMNUM>1004</FORMNUM>";  // two elements
  const std::string refused = "too many elements (more than 1000000 elements and attributes)";
  PugiXmlDom dom;
  const auto load = [&](const std::string& text) {
    dom.LoadXml(text);
    return dom.Value(dom.Root(), "\\~FORMNUM");
  };

  std::string elements = head;
  elements.reserve(kMax * 4 + 64);
  for (std::size_t i = 3; i < kMax; ++i) elements += "<a/>";
  EXPECT_EQ(load(elements + "<a/></ORDER>"), "1004");  // exactly the limit
  EXPECT_EQ(dom.LimitReached(), "");
  EXPECT_EQ(load(elements + "<a/><a/></ORDER>"), "");
  EXPECT_EQ(dom.LimitReached(), refused);
  elements.resize(elements.size() - 4);  // one element short of the limit
  EXPECT_EQ(load(elements + "<a b=\"=x=\"/></ORDER>"), "1004");
  EXPECT_EQ(load(elements + "<a b='1' c=\"2\"/></ORDER>"), "");
  EXPECT_EQ(dom.LimitReached(), refused);

  // One element packed with attributes: the attributes count.
  std::string attributes = head + "<a";
  attributes.reserve(kMax * 8 + 64);
  for (std::size_t i = 3; i < kMax; ++i) attributes += " a" + std::to_string(i) + "=''";
  EXPECT_EQ(load(attributes + "/></ORDER>"), "1004");
  EXPECT_EQ(load(attributes + " z=''/></ORDER>"), "");
  EXPECT_EQ(dom.LimitReached(), refused);

  // Escaped, commented, quoted and declared markup is no element.
  std::string text = "<!DOCTYPE ORDER [<!ELEMENT ORDER ANY><!ATTLIST ORDER a CDATA \"<b c='d'>\">]>" + head;
  text.reserve(kMax * 16 + 64);
  for (std::size_t i = 0; i < kMax; ++i) text += "&lt;a/><!--<b c=''/>--><![CDATA[<e f=''/>]]><?p <g/>?>";
  text += "<TEXT N=\"a='1' b=2 >\"/></ORDER>";
  EXPECT_EQ(load(text), "1004");
  EXPECT_EQ(dom.LimitReached(), "");
}

TEST(EnvelopeLimits, AListingOfTooManyElementsIsNoEnvelope) {
  TempDir dir;
  EnvelopeBuilder builder;
  builder.Add("order.xml", "OADI/XML", "", "<ORDER/>");
  std::string listing = builder.ListingXml();
  std::string filler;
  filler.reserve(1000 * 1000 * 4);
  for (int i = 0; i < 1000 * 1000; ++i) filler += "<X/>";
  listing.insert(listing.find("</ENVELOPE>"), filler);
  builder.SetEnvelopeXml(listing);
  builder.Write(dir.File("many.env"));
  ZipEnvelope envelope;
  EXPECT_FALSE(envelope.OpenEnvelope(dir.File("many.env")));

  // The same listing with a few of them is an envelope.
  listing.erase(listing.find(filler) + 40, filler.size() - 40);
  builder.SetEnvelopeXml(listing);
  builder.Write(dir.File("few.env"));
  EXPECT_TRUE(envelope.OpenEnvelope(dir.File("few.env")));
}

TEST(TextFileLimits, ReadAllStopsPastItsLimit) {
  TempDir dir;
  const std::unique_ptr<FileSystemObject> fso = CreateLocalFileSystem();
  for (const std::size_t size : {TextStream::kMaxTextSize, TextStream::kMaxTextSize + 1}) {
    SCOPED_TRACE(size);
    const std::string path = dir.File("order.xml");
    { std::ofstream(path, std::ios::trunc); }
    std::filesystem::resize_file(path, size);  // sparse: zeros that take no disk
    const std::unique_ptr<TextStream> stream = fso->OpenTextFile(path);
    if (size == TextStream::kMaxTextSize) {
      EXPECT_EQ(stream->ReadAll().size(), size);
    } else {
      const auto error = RaisedError([&] { stream->ReadAll(); });
      ASSERT_TRUE(error);
      EXPECT_EQ(error->number(), 7);
      EXPECT_EQ(error->source(), "Scripting.FileSystemObject");
      EXPECT_EQ(error->description(), "Out of memory: " + path + " is larger than 64 MB");
    }
  }
}

}  // namespace
}  // namespace ombrel
