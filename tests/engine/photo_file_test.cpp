#include "engine/photo_file.h"

#include <gtest/gtest.h>

#include <string>

#include "support/temp_dir.h"

namespace ombrel {
namespace {

using ombrel::testing::TempDir;

TEST(PhotoFileTest, FindsTheExactFileElseOneDifferingOnlyInCase) {
  TempDir pix;
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
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    const std::string expected = *c.found == '\0' ? "" : pix.str() + c.found;
    EXPECT_EQ(FindPhotoFile(pix.str(), c.name), expected);
  }
}

TEST(PhotoFileTest, NeverReachesOutsideThePictureFolder) {
  TempDir root;
  root.Write("secret.txt", "key");
  root.Write("Pix/front.jpg", "jpeg");
  const std::string pix = root.str() + "Pix/";
  EXPECT_EQ(FindPhotoFile(pix, "../secret.txt"), "");
  EXPECT_EQ(FindPhotoFile(pix, root.File("secret.txt")), "");
  EXPECT_EQ(FindPhotoFile(root.str() + "Missing/", "front.jpg"), "");
}

}  // namespace
}  // namespace ombrel
