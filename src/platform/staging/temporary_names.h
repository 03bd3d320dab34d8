// The names the program gives what it writes before it has its real name:
// ".ombrel-" and six random letters or digits. A clean-up looks only at such
// names, so it never meets a user's file.
#pragma once

#include <string>

#include "platform/errors/error.h"

namespace ombrel {

// How many new names are tried, each taken by another process at once,
// before making a temporary fails.
inline constexpr int kTemporaryNameAttempts = 100;

// A new name for a temporary.
std::string NewTemporaryName();
// Whether name has the form NewTemporaryName gives.
bool IsTemporaryName(const std::string& name);

// The failure once every name tried was taken: what (e.g. "Cannot create a
// file in") and the folder, as ErrnoCause says them, with that cause.
Error NoTemporaryNameLeft(const std::string& source, const std::string& what, const std::string& folder);

}  // namespace ombrel
