// Unpacking into a folder of a mount that takes no writes, where the file
// system states no free space but no read-only flag either (as a read-only
// FUSE mount does): the failure says why the first file could not be made,
// not that the disk is full.
#include <gtest/gtest.h>

#include <memory>
#include <string>

#include "platform/envelope/zip_envelope.h"
#include "support/envelope_builder.h"
#include "support/private_mount.h"
#include "support/stated_free_space.h"
#include "support/temp_dir.h"

namespace ombrel {
namespace {

using testing::EnvelopeBuilder;
using testing::Listing;
using testing::PrivateMount;
using testing::StatedFreeSpace;
using testing::TempDir;

TEST(ReadOnlyMountTest, UnpackingThereSaysTheMountTakesNoWrites) {
  TempDir dir;
  EnvelopeBuilder builder;
  builder.Add("order.xml", "OADI/XML", "APPRAISAL", "<?xml version=\"1.0\"?><ORDER><FORMNUM>1004</FORMNUM></ORDER>");
  builder.Add("front.jpg", "IMAGE/JPG", "SUBJECTFRONTVIEW", "photo bytes");
  builder.Write(dir.File("MY.ENV"));
  const std::string folder = dir.File("mount");
  std::filesystem::create_directory(folder);
  PrivateMount disk(folder, "tmpfs", "size=65536");
  if (!disk.mounted()) GTEST_SKIP() << disk.reason();
  ASSERT_TRUE(disk.MakeReadOnly());

  ZipEnvelope envelope(std::make_unique<StatedFreeSpace>(0));
  ASSERT_TRUE(envelope.OpenEnvelope(dir.File("MY.ENV")));
  EXPECT_FALSE(envelope.ExtractTo(folder + "/", 0));
  ASSERT_TRUE(envelope.Failure());
  EXPECT_EQ(envelope.Failure()->description(), "Cannot create a file in " + folder + "/: Read-only file system");
  EXPECT_TRUE(Listing(folder).empty());
}

}  // namespace
}  // namespace ombrel
