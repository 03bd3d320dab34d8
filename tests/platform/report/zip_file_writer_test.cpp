// What WriteZipFile puts in an archive, read back: every entry in the order
// given, with its bytes, the texts deflated and the files stored, each marked
// as a plain Unix file of mode 0644, a file with its own time. And failures in
// the middle of an archive: a photo whose size is not the one it had when it
// was looked at, and a write the system refuses midway. Each says why, and
// leaves the earlier file at the path as it was and nothing else.
#include "platform/report/zip_file_writer.h"

#include <fcntl.h>
#include <pthread.h>
#include <signal.h>
#include <sys/resource.h>
#include <sys/stat.h>
#include <unistd.h>
#include <zip.h>

#include <gtest/gtest.h>

#include <cstdint>
#include <ctime>
#include <fstream>
#include <functional>
#include <iterator>
#include <memory>
#include <optional>
#include <random>
#include <string>
#include <thread>
#include <vector>

#include "platform/errors/error.h"
#include "platform/errors/error_matchers.h"
#include "support/temp_dir.h"

namespace ombrel {
namespace {

using testing::Listing;
using testing::RaisedError;
using testing::TempDir;

struct ReadEntry {
  std::string name;
  std::string bytes;
  zip_uint16_t method = 0;
  zip_uint8_t system = 0;
  zip_uint32_t mode = 0;  // the upper half of the external attributes
  std::time_t modified = 0;
};

// Every entry of the archive in its order, read by libzip, which checks the
// archive's consistency and each entry's CRC; nothing with a failure added
// when it cannot be read.
std::vector<ReadEntry> ReadArchive(const std::string& path) {
  std::vector<ReadEntry> entries;
  int code = 0;
  zip_t* archive = zip_open(path.c_str(), ZIP_RDONLY | ZIP_CHECKCONS, &code);
  if (archive == nullptr) {
    ADD_FAILURE() << path << " does not open: libzip error " << code;
    return entries;
  }
  for (zip_int64_t i = 0; i < zip_get_num_entries(archive, 0); ++i) {
    const auto index = static_cast<zip_uint64_t>(i);
    zip_stat_t stat;
    zip_uint32_t attributes = 0;
    ReadEntry& entry = entries.emplace_back();
    if (zip_stat_index(archive, index, 0, &stat) != 0 ||
        zip_file_get_external_attributes(archive, index, 0, &entry.system, &attributes) != 0) {
      ADD_FAILURE() << "entry " << i << ": " << zip_strerror(archive);
      break;
    }
    entry.name = stat.name;
    entry.method = stat.comp_method;
    entry.mode = attributes >> 16;
    entry.modified = stat.mtime;
    entry.bytes.resize(stat.size);
    zip_file_t* file = zip_fopen_index(archive, index, 0);
    const bool read = file != nullptr && zip_fread(file, entry.bytes.data(), stat.size) ==
                                             static_cast<zip_int64_t>(stat.size);
    // The read to the end is where libzip compares the CRC.
    char beyond = 0;
    const bool ended = file != nullptr && zip_fread(file, &beyond, 1) == 0;
    if (file != nullptr) zip_fclose(file);
    if (!read || !ended) ADD_FAILURE() << entry.name << " does not read back";
  }
  zip_discard(archive);
  return entries;
}

// Text shaped like REPORT.XML: compresses as a report does.
std::string ReportLikeText(std::size_t size, unsigned seed) {
  std::mt19937 random(seed);
  std::string text = "<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n<REPORT SKELETON=\"UAR-3X5.RPT\">\n";
  while (text.size() < size) {
    text += "    <FIELD ADDR=\"" + std::to_string(random() % 400 + 1) + "|" + std::to_string(random() % 9 + 1) +
            "\">" + std::to_string(random() % 100000) + " Larkspur Lane</FIELD>\n";
  }
  text.resize(size);
  return text;
}

std::string RandomBytes(std::size_t size, unsigned seed) {
  std::mt19937 random(seed);
  std::string bytes(size, '\0');
  for (char& c : bytes) c = static_cast<char>(random());
  return bytes;
}

struct Photo {
  std::string name;
  std::string bytes;
  std::time_t modified;
};

struct ArchiveCase {
  const char* what;
  std::vector<ZipTextEntry> texts;
  std::vector<Photo> photos;
};

// An odd second: the archive keeps times to two seconds.
constexpr std::time_t kWritten = 1733836089;  // 2024-12-10
constexpr std::time_t kTaken = 1600000001;    // 2020-09-13

std::vector<ArchiveCase> Cases() {
  return {
      {"empty text, no photo", {{"REPORT.XML", "", kWritten}}, {}},
      {"typical report", {{"REPORT.XML", ReportLikeText(52 * 1024, 1), kWritten}}, {}},
      {"several MiB of report", {{"REPORT.XML", ReportLikeText(5 * 1024 * 1024 + 17, 2), kWritten}}, {}},
      {"incompressible text", {{"REPORT.XML", RandomBytes(3 * 1024 * 1024 + 5, 3), kWritten}}, {}},
      {"several texts, kept in their order",
       {{"B.XML", ReportLikeText(32768, 5), kWritten},
        {"A.XML", RandomBytes(65536, 8), kWritten + 60},
        {"C.XML", std::string(131073, 'a'), kWritten + 3600}},
       {}},
      {"photos, kept in their order",
       {{"REPORT.XML", ReportLikeText(20000, 12), kWritten}},
       {{"IMAGES/IMAGE1.jpg", RandomBytes(70000, 13), kTaken},
        {"IMAGES/IMAGE2.jpg", "", kTaken + 2},
        {"IMAGES/Caf\xC3\xA9 \xE2\x80\x9C" "front\xE2\x80\x9D.jpg", RandomBytes(100, 14), kTaken + 86400},
        {"IMAGES/IMAGE10.JPG", RandomBytes(3 * 1024 * 1024, 17), kWritten},
        {"IMAGES/IMAGE4.jpg", RandomBytes(5000, 15), kTaken}}},
      {"a UTF-8 text name", {{"R\xC3\x89PORT.XML", "<REPORT/>", kWritten}}, {}},
      {"no text", {}, {{"IMAGES/IMAGE1.jpg", RandomBytes(10, 19), kTaken}}},
  };
}

TEST(ZipFileWriterTest, EveryEntryReadsBackAsGiven) {
  for (const ArchiveCase& c : Cases()) {
    SCOPED_TRACE(c.what);
    TempDir dir;
    std::vector<ReadEntry> expected;
    for (const ZipTextEntry& text : c.texts) {
      expected.push_back({text.name, text.bytes, ZIP_CM_DEFLATE, ZIP_OPSYS_UNIX, S_IFREG | 0644, text.modified});
    }
    std::vector<ZipFileEntry> files;
    for (const Photo& photo : c.photos) {
      const std::string path = dir.Write("photo" + std::to_string(files.size()), photo.bytes);
      const timespec times[2] = {{photo.modified, 0}, {photo.modified, 0}};
      ASSERT_EQ(::utimensat(AT_FDCWD, path.c_str(), times, 0), 0);
      files.push_back({photo.name, path});
      expected.push_back({photo.name, photo.bytes, ZIP_CM_STORE, ZIP_OPSYS_UNIX, S_IFREG | 0644, photo.modified});
    }

    WriteZipFile(dir.File("written.zip"), c.texts, files, "test");
    const std::vector<ReadEntry> entries = ReadArchive(dir.File("written.zip"));
    ASSERT_EQ(entries.size(), expected.size());
    for (std::size_t i = 0; i < entries.size(); ++i) {
      SCOPED_TRACE(expected[i].name);
      EXPECT_EQ(entries[i].name, expected[i].name);
      EXPECT_TRUE(entries[i].bytes == expected[i].bytes) << "the bytes differ";
      EXPECT_EQ(entries[i].method, expected[i].method);
      EXPECT_EQ(entries[i].system, expected[i].system);
      EXPECT_EQ(entries[i].mode, expected[i].mode);
      // Two-second steps of local time.
      EXPECT_LE(expected[i].modified - entries[i].modified, 1);
      EXPECT_GE(expected[i].modified - entries[i].modified, 0);
    }
  }
}

// A photo that is a stream states no size: it is copied to its end, however
// long, and not taken for a file that changed size.
TEST(ZipFileWriterTest, APipeIsCopiedToItsEnd) {
  TempDir dir;
  const std::string pipe = dir.File("front.jpg");
  ASSERT_EQ(::mkfifo(pipe.c_str(), 0600), 0);
  const std::string bytes = RandomBytes(300000, 20);
  std::thread feeder([&] {
    // A reader that stops early makes the write fail, not end the tests.
    sigset_t pipeSignal;
    sigemptyset(&pipeSignal);
    sigaddset(&pipeSignal, SIGPIPE);
    pthread_sigmask(SIG_BLOCK, &pipeSignal, nullptr);
    const int fd = ::open(pipe.c_str(), O_WRONLY);  // waits for the writer to open it
    for (std::size_t done = 0; fd >= 0 && done < bytes.size();) {
      const ssize_t n = ::write(fd, bytes.data() + done, bytes.size() - done);
      if (n <= 0) break;
      done += static_cast<std::size_t>(n);
    }
    if (fd >= 0) ::close(fd);
  });
  const std::optional<Error> error = RaisedError([&] {
    WriteZipFile(dir.File("written.zip"), {{"REPORT.XML", "<REPORT/>", kWritten}}, {{"IMAGES/IMAGE1.jpg", pipe}},
                 "test");
  });
  // Lets the feeder go if the write never opened the pipe.
  const int release = ::open(pipe.c_str(), O_RDONLY | O_NONBLOCK);
  feeder.join();
  if (release >= 0) ::close(release);
  ASSERT_FALSE(error) << error->description();
  const std::vector<ReadEntry> entries = ReadArchive(dir.File("written.zip"));
  ASSERT_EQ(entries.size(), 2U);
  EXPECT_EQ(entries[1].name, "IMAGES/IMAGE1.jpg");
  EXPECT_TRUE(entries[1].bytes == bytes) << "the bytes differ";
  EXPECT_EQ(entries[1].method, ZIP_CM_STORE);
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
      {"a write refused while deflating", "", RandomBytes(3 << 20, 1),
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
