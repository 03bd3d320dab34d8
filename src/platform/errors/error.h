// The one error type of the program: what the error reporter shows and logs.
// Every layer raises it for its own failures, with its component's name as
// source and a description the user can act on.
#pragma once

#include <cstdint>
#include <stdexcept>
#include <string>

namespace ombrel {

// Classic error numbers, so boxes read as users of such programs expect.
namespace err {
inline constexpr int32_t kOutOfMemory = 7;
inline constexpr int32_t kSubscriptOutOfRange = 9;
inline constexpr int32_t kFileNotFound = 53;
inline constexpr int32_t kFileAlreadyExists = 58;
inline constexpr int32_t kDiskFull = 61;
inline constexpr int32_t kPermissionDenied = 70;
inline constexpr int32_t kPathFileAccessError = 75;
inline constexpr int32_t kPathNotFound = 76;
inline constexpr int32_t kObjectNotSet = 91;
inline constexpr int32_t kDuplicateKey = 457;
inline constexpr int32_t kCancelError = 32755;           // the common dialog's cancel
inline constexpr int32_t kInvalidServerObject = static_cast<int32_t>(0x8004791CU);
}  // namespace err

class Error : public std::runtime_error {
 public:
  Error(int32_t number, std::string source, std::string description)
      : std::runtime_error(description),
        number_(number),
        source_(std::move(source)),
        description_(std::move(description)) {}

  int32_t number() const { return number_; }
  const std::string& source() const { return source_; }
  const std::string& description() const { return description_; }

  // Error 91: a member reached for an object that is not there.
  static Error ObjectNotSet(std::string source) {
    return Error(err::kObjectNotSet, std::move(source),
                 "Object variable or With block variable not set");
  }
  // Error 9: an index outside a list.
  static Error SubscriptOutOfRange(std::string source) {
    return Error(err::kSubscriptOutOfRange, std::move(source), "Subscript out of range");
  }

 private:
  int32_t number_;
  std::string source_;
  std::string description_;
};

}  // namespace ombrel
