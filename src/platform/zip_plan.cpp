#include "platform/zip_plan.h"

#include <sys/stat.h>
#include <zlib.h>

#include <algorithm>
#include <string>

namespace ombrel {

namespace {

constexpr std::uint64_t kLocalHeader = 30;
constexpr std::uint64_t kCentralHeader = 46;
constexpr std::uint64_t kEndRecord = 22;
// The end record counts entries in 16 bits; libzip goes to ZIP64 near there.
constexpr std::size_t kMostEntries = 0xFFFE;

// Bytes of the UTF-8 sequence that starts with lead, 0 for a byte that
// cannot start one.
std::size_t SequenceLength(unsigned char lead) {
  if (lead >= 0xC2 && lead <= 0xDF) return 2;
  if (lead >= 0xE0 && lead <= 0xEF) return 3;
  if (lead >= 0xF0 && lead <= 0xF4) return 4;
  return 0;
}

bool IsWellFormedSequence(std::string_view bytes) {
  const auto byte = [&](std::size_t i) { return static_cast<unsigned char>(bytes[i]); };
  for (std::size_t i = 1; i < bytes.size(); ++i) {
    if ((byte(i) & 0xC0) != 0x80) return false;
  }
  // No overlong forms, no surrogates, nothing past U+10FFFF.
  if (byte(0) == 0xE0 && byte(1) < 0xA0) return false;
  if (byte(0) == 0xED && byte(1) > 0x9F) return false;
  if (byte(0) == 0xF0 && byte(1) < 0x90) return false;
  if (byte(0) == 0xF4 && byte(1) > 0x8F) return false;
  return true;
}

}  // namespace

bool FitsWithoutZip64(const std::vector<ZipEntryShape>& entries, std::uint64_t limit) {
  if (entries.size() > kMostEntries) return false;
  std::uint64_t total = kEndRecord;
  for (const ZipEntryShape& entry : entries) {
    // Checked one by one first, so that the sum cannot wrap around.
    if (entry.size >= limit || entry.nameSize >= limit) return false;
    const std::uint64_t stored = entry.deflated ? compressBound(entry.size) : entry.size;
    total += kLocalHeader + kCentralHeader + 2 * entry.nameSize + stored;
  }
  return total < limit;
}

bool IsPlainEntryName(std::string_view name) {
  if (name.empty() || name.size() > 0xFFFF || name.back() == '/') return false;
  for (std::size_t i = 0; i < name.size();) {
    const auto c = static_cast<unsigned char>(name[i]);
    if (c >= 0x20 && c < 0x7F) {
      ++i;
      continue;
    }
    const std::size_t length = SequenceLength(c);
    if (length == 0 || i + length > name.size() || !IsWellFormedSequence(name.substr(i, length))) {
      return false;
    }
    i += length;
  }
  return true;
}

std::optional<std::vector<std::uint64_t>> PlanDirectWrite(const std::vector<ZipTextEntry>& texts,
                                                          const std::vector<ZipFileEntry>& files,
                                                          std::uint64_t limit) {
  if (texts.empty() && files.empty()) return std::nullopt;  // libzip writes no file then
  std::vector<ZipEntryShape> shapes;
  std::vector<std::string_view> names;
  shapes.reserve(texts.size() + files.size());
  names.reserve(texts.size() + files.size());
  for (const ZipTextEntry& text : texts) {
    if (!IsPlainEntryName(text.name)) return std::nullopt;
    shapes.push_back({text.name.size(), text.bytes.size(), true});
    names.push_back(text.name);
  }
  std::vector<std::uint64_t> sizes;
  sizes.reserve(files.size());
  for (const ZipFileEntry& file : files) {
    // By name, not opened: opening a pipe would connect to its writer, and
    // libzip, which writes any file that is not plain, opens it again.
    struct stat status {};
    if (!IsPlainEntryName(file.name) || ::stat(file.path.c_str(), &status) != 0 || !S_ISREG(status.st_mode)) {
      return std::nullopt;
    }
    sizes.push_back(static_cast<std::uint64_t>(status.st_size));
    shapes.push_back({file.name.size(), sizes.back(), false});
    names.push_back(file.name);
  }
  std::sort(names.begin(), names.end());
  if (std::adjacent_find(names.begin(), names.end()) != names.end()) return std::nullopt;
  if (!FitsWithoutZip64(shapes, limit)) return std::nullopt;
  return sizes;
}

}  // namespace ombrel
