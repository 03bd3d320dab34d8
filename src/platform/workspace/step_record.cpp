#include "platform/workspace/step_record.h"

#include <charconv>
#include <cstdio>
#include <optional>

namespace ombrel {

namespace {

// An entry: "<path length>:<path> <size> <crc32 in 8 hex digits>\n".
constexpr std::size_t kCrcDigits = 8;

// Reads a number in base from the front of rest, which it then starts after.
template <typename Number>
std::optional<Number> TakeNumber(std::string_view& rest, int base) {
  Number value = 0;
  const auto [end, error] = std::from_chars(rest.data(), rest.data() + rest.size(), value, base);
  if (error != std::errc() || end == rest.data()) return std::nullopt;
  rest.remove_prefix(static_cast<std::size_t>(end - rest.data()));
  return value;
}

bool TakeChar(std::string_view& rest, char c) {
  if (rest.empty() || rest.front() != c) return false;
  rest.remove_prefix(1);
  return true;
}

// The entry at the front of rest, which then starts after it; nothing when
// rest does not start with a whole entry.
std::optional<RecordedFile> TakeEntry(std::string_view& rest) {
  RecordedFile file;
  const std::optional<std::size_t> length = TakeNumber<std::size_t>(rest, 10);
  if (!length || *length == 0 || !TakeChar(rest, ':') || rest.size() < *length) return std::nullopt;
  file.path.assign(rest.substr(0, *length));
  rest.remove_prefix(*length);
  if (!TakeChar(rest, ' ')) return std::nullopt;
  const std::optional<uint64_t> size = TakeNumber<uint64_t>(rest, 10);
  if (!size || !TakeChar(rest, ' ') || rest.size() < kCrcDigits) return std::nullopt;
  std::string_view digits = rest.substr(0, kCrcDigits);
  const std::optional<uint32_t> crc = TakeNumber<uint32_t>(digits, 16);
  if (!crc || !digits.empty()) return std::nullopt;
  rest.remove_prefix(kCrcDigits);
  if (!TakeChar(rest, '\n')) return std::nullopt;
  file.size = *size;
  file.crc32 = *crc;
  return file;
}

}  // namespace

std::string EncodeRecord(const std::vector<RecordedFile>& files) {
  std::string bytes;
  for (const RecordedFile& file : files) {
    char crc[kCrcDigits + 1];
    std::snprintf(crc, sizeof crc, "%08x", static_cast<unsigned>(file.crc32));
    bytes += std::to_string(file.path.size()) + ":" + file.path + " " + std::to_string(file.size) + " " +
             crc + "\n";
  }
  return bytes;
}

std::vector<RecordedFile> DecodeRecord(std::string_view bytes) {
  std::vector<RecordedFile> files;
  while (!bytes.empty()) {
    std::optional<RecordedFile> file = TakeEntry(bytes);
    if (!file) break;
    files.push_back(std::move(*file));
  }
  return files;
}

}  // namespace ombrel
