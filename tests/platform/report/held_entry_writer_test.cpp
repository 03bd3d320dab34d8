// The archive's bytes on their way into a real file, driven as libzip drives
// them: each entry's header with no sizes, its data, the header again in
// place, then back to the end. The file grows only at its end, with bytes
// that are final, except the header of an entry too large to hold, which is
// written again in place far before the file's end; a write the system
// refuses is reported by the call whose bytes met it.
#include "platform/report/held_entry_writer.h"

#include <fcntl.h>
#include <unistd.h>

#include <gtest/gtest.h>

#include <cerrno>
#include <cstdint>
#include <functional>
#include <map>
#include <memory>
#include <string>
#include <vector>

#include "platform/posix/file_descriptor.h"
#include "support/temp_dir.h"

namespace ombrel {
namespace {

using testing::TempDir;

// libzip's chunk, and more than any cluster a file system gives a file.
constexpr std::size_t kChunk = 64 * 1024;

enum class Step { kHeader, kData, kBackToHeader, kFinalHeader, kBackToEnd, kDirectory, kFlush };

// One call made of the writer, as libzip makes it.
struct Call {
  std::string entry;  // "" for the directory and the flush
  Step step;
  std::function<int()> make;
};

// An entry's header: as long before its sizes are known as after.
std::string Header(const std::string& name, std::size_t size, bool final) {
  const std::string sizes = final ? std::to_string(size) : std::string();
  return "PK\x03\x04" + sizes + std::string(12 - sizes.size(), '\0') + name;
}

// Bytes that differ from those a chunk away, so a chunk out of place shows.
std::string Data(std::size_t size, char seed) {
  std::string bytes(size, '\0');
  for (std::size_t i = 0; i < size; ++i) bytes[i] = static_cast<char>(seed + i * 7 + i / 251);
  return bytes;
}

// An empty report file and the writer on it, with what a plain file would
// hold after the same calls.
class ArchiveRun {
 public:
  explicit ArchiveRun(const std::string& path)
      : path_(path), file_(::open(path.c_str(), O_RDWR | O_CREAT | O_EXCL | O_CLOEXEC, 0600)), writer_(file_.get()) {}

  int fd() const { return file_.get(); }
  const std::string& archive() const { return archive_; }
  std::size_t HeaderAt(const std::string& entry) const { return headers_.at(entry); }

  // A small order, a photo larger than the hold, a small photo, the central
  // directory, then the flush of libzip's commit.
  std::vector<Call> Calls() {
    std::vector<Call> calls;
    Entry("ORDER.XML", Data(3000, 'o'), calls);
    Entry("big.jpg", Data(HeldEntryWriter::kHoldBytes + 3 * kChunk + 17, 'b'), calls);
    Entry("small.jpg", Data(5000, 's'), calls);
    calls.push_back({"", Step::kDirectory, [this] { return Write("PK\x01\x02 three records PK\x05\x06"); }});
    calls.push_back({"", Step::kFlush, [this] { return writer_.Flush(); }});
    return calls;
  }

 private:
  int Write(const std::string& bytes) {
    if (archive_.size() < at_ + bytes.size()) archive_.resize(at_ + bytes.size());
    archive_.replace(at_, bytes.size(), bytes);
    at_ += bytes.size();
    return writer_.Write(bytes.data(), bytes.size());
  }
  int Seek(std::size_t position) {
    at_ = position;
    return writer_.Seek(position);
  }

  void Entry(const std::string& name, std::string bytes, std::vector<Call>& calls) {
    const std::size_t size = bytes.size();
    const auto data = std::make_shared<const std::string>(std::move(bytes));
    calls.push_back({name, Step::kHeader, [=, this] {
                       headers_[name] = at_;
                       return Write(Header(name, size, false));
                     }});
    for (std::size_t from = 0; from < size; from += kChunk) {
      calls.push_back({name, Step::kData, [=, this] { return Write(data->substr(from, kChunk)); }});
    }
    calls.push_back({name, Step::kBackToHeader, [=, this] { return Seek(headers_.at(name)); }});
    calls.push_back({name, Step::kFinalHeader, [=, this] { return Write(Header(name, size, true)); }});
    calls.push_back({name, Step::kBackToEnd, [this] { return Seek(archive_.size()); }});
  }

  std::string path_;
  FileDescriptor file_;
  HeldEntryWriter writer_;
  std::string archive_;
  std::size_t at_ = 0;
  std::map<std::string, std::size_t> headers_;
};

TEST(HeldEntryWriterTest, TheFileGrowsFrontToBackAndOnlyALargeEntrysHeaderIsWrittenAgainInPlace) {
  TempDir dir;
  ArchiveRun run(dir.File("report"));
  for (const Call& call : run.Calls()) {
    SCOPED_TRACE(call.entry + " step " + std::to_string(static_cast<int>(call.step)));
    const std::string before = dir.Read("report");
    ASSERT_EQ(call.make(), 0);
    const std::string file = dir.Read("report");
    // Always the archive so far, cut where its bytes are held; what is held
    // stays within the hold and a chunk.
    ASSERT_EQ(file, run.archive().substr(0, file.size()));
    EXPECT_LE(run.archive().size() - file.size(), HeldEntryWriter::kHoldBytes + kChunk);
    if (call.entry == "big.jpg" && call.step == Step::kFinalHeader) {
      // In place, at once, and more than a cluster before the file's end.
      EXPECT_EQ(file.size(), before.size());
      EXPECT_NE(file, before);
      EXPECT_GT(file.size() - run.HeaderAt("big.jpg"), kChunk);
      continue;
    }
    EXPECT_EQ(file.substr(0, before.size()), before) << "the file changed before its end";
    if (call.step == Step::kBackToEnd || call.step == Step::kFlush) {
      EXPECT_EQ(file, run.archive());
    } else if (call.entry != "big.jpg") {
      EXPECT_EQ(file, before) << "held until its header is final";
    }
  }
  EXPECT_EQ(dir.Read("report"), run.archive());
}

// From one call on, the file's descriptor refuses every write (/dev/full in
// its place): the call whose bytes first meet it reports the system's cause.
TEST(HeldEntryWriterTest, AWriteTheSystemRefusesIsReportedByTheCallWhoseBytesMeetIt) {
  const FileDescriptor full(::open("/dev/full", O_WRONLY | O_CLOEXEC));
  ASSERT_TRUE(full) << "no /dev/full";
  const struct {
    const char* name;
    std::string refusedFromEntry;
    Step refusedFrom;
    std::string reportedByEntry;
    Step reportedBy;
  } cases[] = {
      {"a small entry's bytes, when libzip goes back to the end", "ORDER.XML", Step::kHeader, "ORDER.XML",
       Step::kBackToEnd},
      {"a large entry's data, as it grows", "big.jpg", Step::kData, "big.jpg", Step::kData},
      {"a large entry's header, written again in place", "big.jpg", Step::kFinalHeader, "big.jpg",
       Step::kFinalHeader},
      {"the central directory, at the flush", "", Step::kDirectory, "", Step::kFlush},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.name);
    TempDir dir;
    ArchiveRun run(dir.File("report"));
    bool refused = false;
    bool reported = false;
    for (const Call& call : run.Calls()) {
      if (!refused && call.entry == c.refusedFromEntry && call.step == c.refusedFrom) {
        ASSERT_EQ(::dup2(full.get(), run.fd()), run.fd());
        refused = true;
      }
      const int failure = call.make();
      if (failure == 0) continue;
      EXPECT_EQ(failure, ENOSPC);
      EXPECT_EQ(call.entry, c.reportedByEntry);
      EXPECT_EQ(call.step, c.reportedBy);
      reported = true;
      break;
    }
    EXPECT_TRUE(refused);
    EXPECT_TRUE(reported);
  }
}

}  // namespace
}  // namespace ombrel
