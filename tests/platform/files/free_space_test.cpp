// The room the local file system states for a folder: its free bytes, in
// whole blocks of the unit the file system gives files space in, as statvfs
// tells them; none where the file system gives no figure to hold an envelope
// to.
#include <gtest/gtest.h>
#include <sys/statvfs.h>

#include "platform/files/file_system_object.h"
#include "support/private_mount.h"
#include "support/temp_dir.h"

namespace ombrel {
namespace {

using testing::PrivateMount;
using testing::TempDir;

TEST(FreeSpaceTest, TheLocalFileSystemStatesItsFreeBytesAndItsBlock) {
  TempDir dir;
  struct statvfs status {};
  ASSERT_EQ(::statvfs(dir.str().c_str(), &status), 0);
  ASSERT_GT(status.f_frsize, 1U);
  const std::optional<FileSystemObject::Room> room = CreateLocalFileSystem()->FreeSpace(dir.str());
  ASSERT_TRUE(room);
  EXPECT_EQ(room->blockSize, status.f_frsize);
  EXPECT_EQ(room->freeBytes % room->blockSize, 0U);
  EXPECT_GT(room->freeBytes, 0U);
  EXPECT_FALSE(CreateLocalFileSystem()->FreeSpace(dir.File("no such folder")));
}

// Real mounts: ramfs states no blocks at all; a read-only file system may
// state nothing free (squashfs does) though no write could fill it. Neither
// has a figure; a full disk that takes writes keeps its figure of nothing.
TEST(FreeSpaceTest, AFileSystemThatStatesNoBlocksOrTakesNoWritesHasNoFigure) {
  const struct {
    const char* name;
    const char* type;
    bool full;
    bool readOnly;
    bool figure;
  } cases[] = {
      {"a ramfs", "ramfs", false, false, false},
      {"a tmpfs with room, mounted again read-only", "tmpfs", false, true, false},
      {"a full tmpfs, mounted again read-only", "tmpfs", true, true, false},
      {"a full tmpfs that takes writes", "tmpfs", true, false, true},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.name);
    TempDir dir;
    PrivateMount disk(dir.str(), c.type, c.type == std::string("tmpfs") ? "size=65536" : "");
    if (!disk.mounted()) GTEST_SKIP() << disk.reason();
    if (c.full) {
      ASSERT_TRUE(disk.Fill());
    }
    if (c.readOnly) {
      ASSERT_TRUE(disk.MakeReadOnly());
    }

    const std::optional<FileSystemObject::Room> room = CreateLocalFileSystem()->FreeSpace(dir.str());
    EXPECT_EQ(room.has_value(), c.figure);
    if (room) {
      EXPECT_EQ(room->freeBytes, 0U);
    }
  }
}

}  // namespace
}  // namespace ombrel
