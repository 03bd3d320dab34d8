#include "engine/photo_file.h"

#include <gtest/gtest.h>

#include <memory>
#include <string>

#include "platform/files/file_system_object.h"
#include "support/temp_dir.h"

namespace ombrel {
namespace {

using ombrel::testing::TempDir;

TEST(PhotoFileTest, FindsTheExactFileElseOneDifferingOnlyInCase) {
  TempDir pix;
  const std::unique_ptr<FileSystemObject> files = CreateLocalFileSystem();
  pix.Write("front.jpg", "jpeg");
  pix.Write("REAR.JPG", "jpeg");
  pix.Write("Side.Jpg", "jpeg");
  pix.Write("side.jpg", "jpeg");
  pix.Write("sub/inner.jpg", "jpeg");
  pix.Write("outside.jpg", "jpeg");

  struct Case {
    const char* name;
    const char* found;  // "" for none
  };
  const Case cases[] = {
      {"front.jpg", "front.jpg"},
      {"FRONT.JPG", "front.jpg"},
      {"rear.jpg", "REAR.JPG"},
      {"SIDE.JPG", "Side.Jpg"},  // two candidates: the first in byte order
      {"side.jpg", "side.jpg"},  // the exact one wins
      {"back.jpg", ""},
      {"front.jp", ""},
      {"", ""},
      {".", ""},
      {"..", ""},
      {"sub", ""},  // a folder is no photo
      {"sub/inner.jpg", ""},
      {"../outside.jpg", ""},
      {"sub\\inner.jpg", ""},
  };
  PictureFolder folder(*files, pix.str());
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    const std::string expected = *c.found == '\0' ? "" : pix.str() + c.found;
    EXPECT_EQ(folder.Find(c.name), expected);
    EXPECT_EQ(PictureFolder(*files, pix.str()).Find(c.name), expected);  // before any listing
  }
}

// The folder is listed once, at the first name that needs it; a name found
// exactly is still read from the disk each time.
TEST(PhotoFileTest, ListsTheFolderOnceForNamesDifferingInCase) {
  TempDir pix;
  const std::unique_ptr<FileSystemObject> files = CreateLocalFileSystem();
  pix.Write("front.jpg", "jpeg");
  PictureFolder folder(*files, pix.str());
  EXPECT_EQ(folder.Find("rear.jpg"), "");
  pix.Write("REAR.JPG", "jpeg");
  pix.Write("side.jpg", "jpeg");
  EXPECT_EQ(folder.Find("rear.jpg"), "");
  EXPECT_EQ(folder.Find("side.jpg"), pix.str() + "side.jpg");
  EXPECT_EQ(folder.Find("FRONT.JPG"), pix.str() + "front.jpg");
  EXPECT_EQ(PictureFolder(*files, pix.str()).Find("rear.jpg"), pix.str() + "REAR.JPG");
}

TEST(PhotoFileTest, NeverReachesOutsideThePictureFolder) {
  TempDir root;
  const std::unique_ptr<FileSystemObject> files = CreateLocalFileSystem();
  root.Write("secret.txt", "key");
  root.Write("Pix/front.jpg", "jpeg");
  const std::string pix = root.str() + "Pix/";
  PictureFolder folder(*files, pix);
  EXPECT_EQ(folder.Find("../secret.txt"), "");
  EXPECT_EQ(folder.Find(root.File("secret.txt")), "");
  EXPECT_EQ(PictureFolder(*files, root.str() + "Missing/").Find("front.jpg"), "");
}

// A photo another user's unfinished step left is passed over in any letter
// case, exact or listed: the report holds no photo rather than theirs.
TEST(PhotoFileTest, PassesOverWhatAnotherUsersStepLeft) {
  TempDir pix;
  const std::unique_ptr<FileSystemObject> files = CreateLocalFileSystem();
  pix.Write("front.jpg", "their photo");
  pix.Write("REAR.JPG", "their photo");
  pix.Write("side.jpg", "our photo");
  PictureFolder folder(*files, pix.str(), {"front.jpg", "REAR.JPG"});
  EXPECT_EQ(folder.Find("front.jpg"), "");
  EXPECT_EQ(folder.Find("FRONT.JPG"), "");
  EXPECT_EQ(folder.Find("rear.jpg"), "");
  EXPECT_EQ(folder.Find("side.jpg"), pix.str() + "side.jpg");
}

}  // namespace
}  // namespace ombrel
