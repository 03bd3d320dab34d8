#include "platform/staging/temporary_names.h"

#include <cstddef>
#include <random>

#include "platform/text/sender_text.h"

namespace ombrel {

namespace {

constexpr char kPrefix[] = ".ombrel-";
constexpr std::size_t kRandomLength = 6;

}  // namespace

std::string NewTemporaryName() {
  static constexpr char kCharacters[] =
      "ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz0123456789";
  static std::mt19937_64 engine{std::random_device{}()};
  std::string name = kPrefix;
  for (std::size_t i = 0; i < kRandomLength; ++i) name += kCharacters[engine() % 62];
  return name;
}

bool IsTemporaryName(const std::string& name) {
  return name.size() == sizeof(kPrefix) - 1 + kRandomLength && name.rfind(kPrefix, 0) == 0;
}

Error NoTemporaryNameLeft(const std::string& source, const std::string& what, const std::string& folder) {
  return Error(err::kPathFileAccessError, source,
               what + " " + SenderText(folder) + ": each of " + std::to_string(kTemporaryNameAttempts) +
                   " new temporary names was taken by another process at once");
}

}  // namespace ombrel
