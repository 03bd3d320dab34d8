// A process killed right after any call of an unpacking that names, renames
// or removes a file: after the next clean-up, the envelope's documents are
// all under their names or none is, and no file of the user's is touched.
// The calls are counted by the file-system seam, so this runs only under it
// (the seam.* tests), as every file system it stands for.
#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <vector>

#include "support/seam_control.h"
#include "support/temp_dir.h"
#include "support/unpacking_kills.h"

namespace ombrel {
namespace {

TEST(UnpackingKillTest, AfterAKillAtAnyCallAllDocumentsOrNoneAreNamed) {
  if (!testing::SeamLoaded()) GTEST_SKIP() << "counts calls through the file-system seam: run by the seam.* tests";
  std::vector<std::unique_ptr<testing::TempDir>> folders;
  testing::CheckKillsDuringUnpacking(
      [&] {
        folders.push_back(std::make_unique<testing::TempDir>());
        return folders.back()->str();
      });
}

}  // namespace
}  // namespace ombrel
