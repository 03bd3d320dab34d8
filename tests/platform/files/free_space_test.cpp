// The room the local file system states for a folder: its free bytes, in
// whole blocks of the unit the file system gives files space in, as statvfs
// tells them.
#include <gtest/gtest.h>
#include <sys/statvfs.h>

#include "platform/files/file_system_object.h"
#include "support/temp_dir.h"

namespace ombrel {
namespace {

TEST(FreeSpaceTest, TheLocalFileSystemStatesItsFreeBytesAndItsBlock) {
  testing::TempDir dir;
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

}  // namespace
}  // namespace ombrel
