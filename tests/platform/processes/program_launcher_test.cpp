#include "platform/processes/program_launcher.h"

#include <chrono>
#include <filesystem>
#include <string>
#include <thread>

#include <gtest/gtest.h>

#include "platform/errors/error.h"
#include "support/temp_dir.h"

namespace ombrel {
namespace {

namespace fs = std::filesystem;
using testing::TempDir;

// The real start: the tool runs on its own while the program goes on. The
// tool leaves its marker only once the test lets it go on (or after ten
// seconds): a start that waited for it would return with the marker there.
TEST(StartDetachedTest, StartsTheProgramWithoutWaitingForIt) {
  TempDir dir;
  const std::string go = dir.File("go");
  const std::string marker = dir.File("started");
  const std::string tool = dir.Write("tool.sh", "#!/bin/sh\n"
                                                "i=0\n"
                                                "while [ ! -e '" + go + "' ] && [ $i -lt 100 ]; do\n"
                                                "  sleep 0.1; i=$((i + 1))\n"
                                                "done\n"
                                                "touch '" + marker + "'\n");
  fs::permissions(tool, fs::perms::owner_all);

  StartDetached(tool);
  EXPECT_FALSE(fs::exists(marker));  // still waiting: nobody waited for it

  dir.Write("go", "");
  for (int i = 0; i < 200 && !fs::exists(marker); ++i) {
    std::this_thread::sleep_for(std::chrono::milliseconds(50));
  }
  EXPECT_TRUE(fs::exists(marker));
}

TEST(StartDetachedTest, AProgramThatCannotStartRaisesAnError) {
  TempDir dir;
  const std::string notExecutable = dir.Write("plain.txt", "text");
  fs::permissions(notExecutable, fs::perms::owner_read | fs::perms::owner_write);
  for (const std::string& path : {dir.File("missing"), notExecutable, std::string()}) {
    SCOPED_TRACE(path);
    EXPECT_THROW(StartDetached(path), Error);
  }
}

}  // namespace
}  // namespace ombrel
