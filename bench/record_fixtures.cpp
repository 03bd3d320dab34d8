#include "record_fixtures.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>
#include <zlib.h>

#include <algorithm>
#include <cerrno>
#include <cstring>
#include <filesystem>
#include <memory>
#include <stdexcept>
#include <string_view>
#include <vector>

#include "platform/staging/pending_record.h"
#include "platform/workspace/record_file.h"
#include "platform/workspace/step_record.h"

namespace ombrel::bench {

namespace fs = std::filesystem;

namespace {

// About what a step's smaller documents hold.
constexpr std::size_t kDocumentBytes = 2048;
constexpr std::size_t kChunkBytes = 1 << 20;
constexpr char kPendingFolder[] = ".ombrel-XyZ789";
constexpr char kSparsePendingFolder[] = ".ombrel-AbC123";

[[noreturn]] void Fail(const std::string& what) {
  throw std::runtime_error(what + ": " + std::strerror(errno));
}

void Expect(bool holds, const std::string& what) {
  if (!holds) throw std::runtime_error(what);
}

// A document whose bytes no other file of the fixture holds.
std::string Document(std::size_t i) {
  std::string text = "<DOCUMENT N=\"" + std::to_string(i) + "\">";
  text.resize(kDocumentBytes, 'x');
  return text;
}

uint32_t Crc32Of(uint32_t crc, std::string_view bytes) {
  return static_cast<uint32_t>(
      ::crc32(crc, reinterpret_cast<const Bytef*>(bytes.data()), static_cast<uInt>(bytes.size())));
}

uint32_t Crc32Of(std::string_view bytes) { return Crc32Of(static_cast<uint32_t>(::crc32(0, Z_NULL, 0)), bytes); }

void WriteAll(int fd, std::string_view bytes, const std::string& path) {
  while (!bytes.empty()) {
    const ssize_t n = ::write(fd, bytes.data(), bytes.size());
    if (n < 0) {
      if (errno == EINTR) continue;
      Fail("cannot write " + path);
    }
    bytes.remove_prefix(static_cast<std::size_t>(n));
  }
}

// path holds bytes now, with mode when it is made here (the record's
// checks refuse a file others may write).
void WriteFile(const std::string& path, std::string_view bytes, mode_t mode = 0644) {
  const int fd = ::open(path.c_str(), O_WRONLY | O_CREAT | O_TRUNC | O_CLOEXEC, mode);
  if (fd < 0) Fail("cannot make " + path);
  WriteAll(fd, bytes, path);
  ::close(fd);
}

void MakeFolder(const std::string& path) {
  if (::mkdir(path.c_str(), 0700) != 0 && errno != EEXIST) Fail("cannot make " + path);
}

std::size_t NamesIn(const std::string& folder) {
  std::size_t names = 0;
  for ([[maybe_unused]] const auto& entry : fs::directory_iterator(folder)) ++names;
  return names;
}

// Written to the disk before a clearing is timed, so that no earlier write
// is flushed while it runs.
void Flush(const std::string& folder) {
  const int fd = ::open(folder.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
  if (fd < 0) Fail("cannot open " + folder);
  ::syncfs(fd);
  ::close(fd);
}

// This user's record in the workspace, as a dead step left it.
void WriteOwnRecord(const std::string& workspace, const std::vector<RecordedFile>& entries) {
  WriteFile(workspace + "/" + RecordFileName(::geteuid()), EncodeRecord(entries));
}

// A pending folder of this user's that no run holds, as a killed run left it.
std::string MakeStalePendingFolder(const std::string& folder, const char* name) {
  const std::string pending = folder + "/" + name;
  MakeFolder(pending);
  WriteFile(pending + "/lock", "", 0600);
  MakeFolder(pending + "/files");
  return pending;
}

// fixture's remake: check (from the second call on), then make.
std::function<void()> Remaking(std::function<void()> check, std::function<void()> make) {
  auto made = std::make_shared<bool>(false);
  return [made, check = std::move(check), make = std::move(make)] {
    if (*made) check();
    make();
    *made = true;
  };
}

// "XML" and as many separators as i has bits, each "/" or "/." by one of
// them, then "/": a spelling of XML/ that no other i gives.
std::string SpelledXmlFolder(std::size_t i, int bits) {
  std::string folder = "XML";
  for (int bit = 0; bit < bits; ++bit) folder += ((i >> bit) & 1) != 0 ? "/." : "/";
  return folder + "/";
}

}  // namespace

RecordFixture GenuineWorkspaceRecord(const std::string& folder, std::size_t files) {
  const std::string xml = folder + "/XML";
  fs::create_directories(xml);
  auto check = [xml] {
    const std::size_t left = NamesIn(xml);
    Expect(left == 0, xml + ": a genuine record's clearing left " + std::to_string(left) + " of its files");
  };
  auto make = [folder, xml, files] {
    std::vector<RecordedFile> entries;
    for (std::size_t i = 0; i < files; ++i) {
      const std::string document = Document(i);
      const std::string name = "a" + std::to_string(i);
      WriteFile(xml + "/" + name, document);
      entries.push_back(RecordedFile{"XML/" + name, document.size(), Crc32Of(document)});
    }
    WriteOwnRecord(folder, entries);
    Flush(folder);
  };
  return RecordFixture{folder, Clearing::kWorkspaceLock, Remaking(check, make)};
}

RecordFixture SpelledWorkspaceRecord(const std::string& folder, std::size_t files) {
  const std::string xml = folder + "/XML";
  fs::create_directories(xml);
  int bits = 1;
  while ((std::size_t{1} << bits) < files) ++bits;
  // Each entry has the size and CRC-32 of the file it spells: read as a
  // place, it would be removed.
  const std::string before[] = {"", "./", folder + "/", "XML/../"};
  std::vector<RecordedFile> entries;
  for (std::size_t i = 0; i < files; ++i) {
    const std::string document = Document(i);
    const std::string name = "a" + std::to_string(i);
    WriteFile(xml + "/" + name, document);
    const std::string spelled = before[i % 4] + SpelledXmlFolder(i, bits) + name;
    entries.push_back(RecordedFile{spelled, document.size(), Crc32Of(document)});
  }
  auto check = [xml, files] {
    const std::size_t left = NamesIn(xml);
    Expect(left == files, xml + ": a record of spellings removed " + std::to_string(files - left) + " files");
  };
  auto make = [folder, entries] {
    WriteOwnRecord(folder, entries);
    Flush(folder);
  };
  return RecordFixture{folder, Clearing::kWorkspaceLock, Remaking(check, make)};
}

RecordFixture OneFileManyEntries(const std::string& folder, std::size_t entries, uint64_t bytes) {
  const std::string xml = folder + "/XML";
  fs::create_directories(xml);
  const std::string big = xml + "/big";
  uint32_t crc = Crc32Of("");
  {
    const int fd = ::open(big.c_str(), O_WRONLY | O_CREAT | O_TRUNC | O_CLOEXEC, 0644);
    if (fd < 0) Fail("cannot make " + big);
    std::string chunk(kChunkBytes, '\0');
    for (uint64_t written = 0; written < bytes; written += chunk.size()) {
      for (std::size_t i = 0; i < chunk.size(); ++i) chunk[i] = static_cast<char>((written + i) * 131 % 251);
      chunk.resize(static_cast<std::size_t>(std::min<uint64_t>(kChunkBytes, bytes - written)));
      crc = Crc32Of(crc, chunk);
      WriteAll(fd, chunk, big);
    }
    ::close(fd);
  }
  // The right size and a wrong CRC-32: each entry matches until its bytes
  // are read.
  const std::vector<RecordedFile> record(entries, RecordedFile{"XML/big", bytes, crc ^ 1u});
  auto check = [big, bytes] {
    std::error_code error;
    Expect(fs::file_size(big, error) == bytes && !error, big + ": a record with a wrong CRC-32 removed or changed it");
  };
  auto make = [folder, record] {
    WriteOwnRecord(folder, record);
    Flush(folder);
  };
  return RecordFixture{folder, Clearing::kWorkspaceLock, Remaking(check, make)};
}

RecordFixture GenuinePendingFolder(const std::string& folder, std::size_t files) {
  fs::create_directories(folder);
  auto check = [folder] {
    const std::size_t left = NamesIn(folder);
    Expect(left == 0, folder + ": clearing a genuine pending folder left " + std::to_string(left) + " names");
  };
  auto make = [folder, files] {
    std::string record;
    for (std::size_t i = 0; i < files; ++i) {
      const std::string document = Document(i);
      const std::string name = "c" + std::to_string(i);
      WriteFile(folder + "/" + name, document);
      record += ClaimEntry(RecordedName{name, document.size(), Crc32Of(document)});
    }
    const std::string pending = MakeStalePendingFolder(folder, kPendingFolder);
    WriteFile(pending + "/record", record, 0600);
    Flush(folder);
  };
  return RecordFixture{folder, Clearing::kStaleTemporaries, Remaking(check, make)};
}

RecordFixture SparsePendingRecord(const std::string& folder, uint64_t bytes) {
  fs::create_directories(folder);
  const std::string pending = folder + "/" + kSparsePendingFolder;
  const bool refused = bytes > kMaxPendingRecordBytes;
  auto check = [pending, bytes, refused] {
    std::error_code error;
    const bool stays = fs::file_size(pending + "/record", error) == bytes && !error;
    Expect(stays == refused, pending + (refused ? ": an oversized record was not left as it was"
                                                : ": a record within the cap did not let its folder go"));
  };
  auto make = [folder, pending, bytes] {
    MakeStalePendingFolder(folder, kSparsePendingFolder);
    const std::string record = pending + "/record";
    const int fd = ::open(record.c_str(), O_WRONLY | O_CREAT | O_CLOEXEC, 0600);
    if (fd < 0) Fail("cannot make " + record);
    if (::ftruncate(fd, static_cast<off_t>(bytes)) != 0) Fail("cannot make " + record + " sparse");
    ::close(fd);
    Flush(folder);
  };
  return RecordFixture{folder, Clearing::kStaleTemporaries, Remaking(check, make)};
}

}  // namespace ombrel::bench
