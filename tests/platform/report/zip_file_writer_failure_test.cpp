// Failures in the middle of an archive: a photo whose size is not the one it
// had when it was looked at, and a write the system refuses midway. Each says
// why, and leaves the earlier file at the path as it was and nothing else.
#include <signal.h>
#include <sys/resource.h>
#include <sys/stat.h>

#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <fstream>
#include <functional>
#include <iterator>
#include <random>
#include <string>
#include <vector>

#include "platform/errors/error.h"
#include "platform/errors/error_matchers.h"
#include "platform/report/zip_file_writer.h"
#include "support/temp_dir.h"

namespace ombrel {
namespace {

namespace fs = std::filesystem;
using testing::RaisedError;
using testing::Listing;
using testing::TempDir;

std::string RandomBytes(std::size_t size) {
  std::mt19937 random(1);
  std::string bytes(size, '\0');
  for (char& c : bytes) c = static_cast<char>(random());
  return bytes;
}

// A system file whose stated size is more than it holds ("" where there is
// none): to a writer that trusts the size, a file that shrank.
std::string FileHoldingLessThanItsSize() {
  const std::string path = "/sys/devices/system/cpu/online";
  struct stat status {};
  if (::stat(path.c_str(), &status) != 0 || !S_ISREG(status.st_mode)) return "";
  std::ifstream in(path, std::ios::binary);
  const std::string bytes{std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
  return bytes.size() < static_cast<std::size_t>(status.st_size) ? path : "";
}

// Files may grow no larger than limit bytes while it lives; the signal that
// would end the process is ignored, so the write fails with EFBIG instead.
class FileSizeLimit {
 public:
  explicit FileSizeLimit(rlim_t limit) {
    ::getrlimit(RLIMIT_FSIZE, &saved_);
    savedSignal_ = ::signal(SIGXFSZ, SIG_IGN);
    rlimit lowered = saved_;
    lowered.rlim_cur = limit;
    ::setrlimit(RLIMIT_FSIZE, &lowered);
  }
  ~FileSizeLimit() {
    ::setrlimit(RLIMIT_FSIZE, &saved_);
    ::signal(SIGXFSZ, savedSignal_);
  }
  FileSizeLimit(const FileSizeLimit&) = delete;
  FileSizeLimit& operator=(const FileSizeLimit&) = delete;

 private:
  rlimit saved_{};
  sighandler_t savedSignal_ = SIG_DFL;
};

TEST(ZipFileWriterFailureTest, SaysWhyAndLeavesTheEarlierFile) {
  const std::string shrinking = FileHoldingLessThanItsSize();
  const struct {
    const char* what;
    std::string photo;  // "" for one the test writes
    std::string text;
    std::function<std::unique_ptr<FileSizeLimit>()> during;
    int32_t number;
    std::string why;  // after "Cannot write <path>: "
  } cases[] = {
      // /proc states no size for what it holds.
      {"a photo that grew", "/proc/self/status", "<REPORT/>", [] { return nullptr; }, err::kPathFileAccessError,
       "/proc/self/status changed size while it was being copied"},
      {"a photo that shrank", shrinking, "<REPORT/>", [] { return nullptr; }, err::kPathFileAccessError,
       shrinking + " changed size while it was being copied"},
      // In the middle of deflating a text, after writes that went through;
      // and again while copying a photo.
      {"a write refused while deflating", "", RandomBytes(3 << 20),
       [] { return std::make_unique<FileSizeLimit>(1536 * 1024); }, err::kPathFileAccessError, "File too large"},
      {"a write refused while copying", "", "<REPORT/>",
       [] { return std::make_unique<FileSizeLimit>(1536 * 1024); }, err::kPathFileAccessError, "File too large"},
  };
  bool skipped = false;
  for (const auto& c : cases) {
    SCOPED_TRACE(c.what);
    if (c.what == std::string("a photo that shrank") && c.photo.empty()) {
      skipped = true;  // no such file on this system
      continue;
    }
    TempDir dir;
    const std::string earlier = dir.Write("SMITH.RPT", "the report written yesterday");
    const std::string photo = c.photo.empty() ? dir.Write("photo.jpg", std::string(3 << 20, 'p')) : c.photo;
    const std::vector<ZipTextEntry> texts = {{"REPORT.XML", c.text, 0}};
    const std::vector<ZipFileEntry> files = {{"IMAGES/IMAGE1.jpg", photo}};

    std::optional<Error> error;
    {
      const auto limit = c.during();
      error = RaisedError([&] { WriteZipFile(earlier, texts, files, "test"); });
    }
    ASSERT_TRUE(error);
    EXPECT_EQ(error->number(), c.number);
    EXPECT_EQ(error->source(), "test");
    EXPECT_EQ(error->description(), "Cannot write " + earlier + ": " + c.why);
    EXPECT_EQ(dir.Read("SMITH.RPT"), "the report written yesterday");
    std::vector<std::string> expected = {"SMITH.RPT"};
    if (c.photo.empty()) expected.push_back("photo.jpg");
    EXPECT_EQ(Listing(dir.path()), expected);
  }
  if (skipped) GTEST_SKIP() << "no system file here holds less than its size";
}

}  // namespace
}  // namespace ombrel
