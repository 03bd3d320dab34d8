// Envelopes whose entries lie about their size, or hold more than the disk
// can take: one stating far more than an order sends is refused when it is
// opened; otherwise extraction stops, removes what it wrote and answers False.
#include <gtest/gtest.h>

#include <algorithm>
#include <cstdint>
#include <filesystem>
#include <string>
#include <vector>

#include "platform/envelope/zip_envelope.h"
#include "support/envelope_builder.h"
#include "support/small_file_system.h"
#include "support/temp_dir.h"
#include "support/zip_size_claim.h"

namespace ombrel {
namespace {

namespace fs = std::filesystem;
using testing::EnvelopeBuilder;
using testing::EnvelopeEntry;
using testing::SmallFileSystem;
using testing::Listing;
using testing::TempDir;
using testing::WithStatedSize;

class ZipBombTest : public ::testing::Test {
 protected:
  // An order, then a photo of zeros, which compress to almost nothing.
  ZipBombTest() {
    builder_.Add("order.xml", "OADI/XML", "", "<ORDER><FORMNUM>1004</FORMNUM></ORDER>");
    builder_.Add("bomb.jpg", "IMAGE/JPG", "", "");
  }

  // Writes the envelope as folder/MY.ENV, its photo holding zeros bytes and
  // stating statedSize (its true size when 0).
  std::string WriteEnvelope(const fs::path& folder, std::size_t zeros, uint64_t statedSize = 0) {
    EnvelopeEntry& photo = builder_.documents()[1];
    photo.bytes.assign(zeros, '\0');
    const std::string honest = dir_.File("honest.env");
    builder_.Write(honest);
    std::string bytes = dir_.Read("honest.env");
    fs::remove(honest);
    if (statedSize != 0) bytes = WithStatedSize(bytes, photo.guid + photo.ext, statedSize);
    const std::string path = (folder / "MY.ENV").string();
    dir_.Write(path, bytes);
    return path;
  }

  EnvelopeBuilder builder_;
  TempDir dir_;
  ZipEnvelope envelope_;
};

TEST_F(ZipBombTest, AnEntryIsHeldToTheSizeItStates) {
  const struct {
    const char* name;
    std::size_t zeros;
    uint64_t stated;
    bool opens;
    bool extracts;
  } cases[] = {
      {"states its true size", 300000, 0, true, true},
      {"states more than any disk holds", 300000, uint64_t{1} << 50, false, false},
      {"expands past what it states", 4 * 1024 * 1024, 1000, true, false},
      {"ends short of what it states", 1000, 300000, true, false},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.name);
    const fs::path out = dir_.path() / c.name;
    fs::create_directory(out);
    const std::string path = WriteEnvelope(dir_.path(), c.zeros, c.stated);
    const std::string envelopeBytes = dir_.Read(path);
    ASSERT_EQ(envelope_.OpenEnvelope(path), c.opens);
    EXPECT_EQ(envelope_.ExtractTo(out.string(), 0), c.extracts);
    EXPECT_EQ(Listing(out).size(), c.extracts ? 2u : 0u);  // the order written first is gone too
    EXPECT_EQ(dir_.Read(path), envelopeBytes);
  }
}

// A real bomb on a real disk: a small tmpfs of 1 MB holding the envelope.
TEST_F(ZipBombTest, ABombLargerThanTheDiskIsStoppedAndCleanedUp) {
  const fs::path disk = dir_.path() / "disk";
  fs::create_directory(disk);
  SmallFileSystem small(disk.string(), 1024 * 1024);
  if (!small.mounted()) GTEST_SKIP() << small.reason();

  const struct {
    const char* name;
    std::size_t zeros;
    uint64_t stated;
  } cases[] = {
      {"states its 8 MB truly", 8 * 1024 * 1024, 0},
      {"states 100 KB and expands to 8 MB", 8 * 1024 * 1024, 100 * 1024},
      {"states 900 KB of a disk that has less", 900 * 1024, 0},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.name);
    const std::string path = WriteEnvelope(disk, c.zeros, c.stated);
    if (c.zeros == 900 * 1024) dir_.Write((disk / "filler").string(), std::string(300 * 1024, 'f'));
    const std::size_t free = small.FreeBytes();
    ASSERT_TRUE(envelope_.OpenEnvelope(path));
    EXPECT_FALSE(envelope_.ExtractTo(disk.string(), 0));
    std::vector<std::string> left = Listing(disk);
    left.erase(std::remove(left.begin(), left.end(), "filler"), left.end());
    EXPECT_EQ(left, std::vector<std::string>{"MY.ENV"});
    EXPECT_EQ(small.FreeBytes(), free);
    fs::remove(disk / "filler");
  }
}

}  // namespace
}  // namespace ombrel
