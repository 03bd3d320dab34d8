#include "platform/staging/pending_record.h"

#include <cstdio>
#include <deque>
#include <limits>
#include <optional>
#include <unordered_map>

namespace ombrel {

namespace {

constexpr std::string_view kClaim = "claim";
constexpr std::string_view kRelease = "release";
constexpr int kCrcDigits = 8;

// Reads the entries of a record front to back; every read fails from the
// first byte that is not what a complete entry holds there.
class RecordReader {
 public:
  explicit RecordReader(std::string_view text) : text_(text) {}

  bool AtEnd() const { return at_ == text_.size(); }

  // The bytes up to the next space, and the space.
  std::optional<std::string_view> Word() {
    const std::size_t space = text_.find(' ', at_);
    if (space == std::string_view::npos) return std::nullopt;
    const std::string_view word = text_.substr(at_, space - at_);
    at_ = space + 1;
    return word;
  }

  // A number written in base (10 or 16) digits, and the space after it.
  std::optional<uint64_t> Number(int base, std::size_t digits = 0) {
    const std::optional<std::string_view> word = Word();
    if (!word || word->empty() || (digits != 0 && word->size() != digits)) return std::nullopt;
    uint64_t value = 0;
    for (const char c : *word) {
      int digit = -1;
      if (c >= '0' && c <= '9') digit = c - '0';
      if (base == 16 && c >= 'a' && c <= 'f') digit = c - 'a' + 10;
      if (digit < 0) return std::nullopt;
      if (value > (std::numeric_limits<uint64_t>::max() - static_cast<uint64_t>(digit)) / base) return std::nullopt;
      value = value * static_cast<uint64_t>(base) + static_cast<uint64_t>(digit);
    }
    return value;
  }

  // A name of the length given before it, and the line break that ends it.
  std::optional<std::string> Name() {
    const std::optional<uint64_t> length = Number(10);
    if (!length || *length == 0 || *length >= text_.size() - at_ || text_[at_ + *length] != '\n') {
      return std::nullopt;
    }
    std::string name(text_.substr(at_, *length));
    at_ += *length + 1;
    return name;
  }

 private:
  std::string_view text_;
  std::size_t at_ = 0;
};

}  // namespace

std::string ClaimEntry(const RecordedName& file) {
  char crc[kCrcDigits + 1];
  std::snprintf(crc, sizeof crc, "%08x", static_cast<unsigned>(file.crc));
  return std::string(kClaim) + " " + std::to_string(file.size) + " " + crc + " " +
         std::to_string(file.name.size()) + " " + file.name + "\n";
}

std::string ReleaseEntry(const std::string& name) {
  return std::string(kRelease) + " " + std::to_string(name.size()) + " " + name + "\n";
}

std::vector<RecordedName> ClaimedNames(std::string_view record) {
  // A deque keeps each name where it is as more are added, so the index
  // may look them up by view rather than hold a second copy.
  std::deque<RecordedName> claims;
  std::vector<bool> released;
  std::unordered_map<std::string_view, std::size_t> index;
  RecordReader reader(record);
  while (!reader.AtEnd()) {
    const std::optional<std::string_view> kind = reader.Word();
    if (kind == kClaim) {
      const std::optional<uint64_t> size = reader.Number(10);
      const std::optional<uint64_t> crc = size ? reader.Number(16, kCrcDigits) : std::nullopt;
      std::optional<std::string> name = crc ? reader.Name() : std::nullopt;
      if (!name) break;
      RecordedName file{std::move(*name), *size, static_cast<uint32_t>(*crc)};
      if (const auto at = index.find(file.name); at != index.end()) {
        claims[at->second].size = file.size;
        claims[at->second].crc = file.crc;
        released[at->second] = false;
        continue;
      }
      claims.push_back(std::move(file));
      released.push_back(false);
      index.emplace(claims.back().name, claims.size() - 1);
    } else if (kind == kRelease) {
      const std::optional<std::string> name = reader.Name();
      if (!name) break;
      if (const auto at = index.find(*name); at != index.end()) released[at->second] = true;
    } else {
      break;
    }
  }
  index.clear();
  std::vector<RecordedName> claimed;
  for (std::size_t i = 0; i < claims.size(); ++i) {
    if (!released[i]) claimed.push_back(std::move(claims[i]));
  }
  return claimed;
}

}  // namespace ombrel
