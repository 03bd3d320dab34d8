// The names the program gives what it writes before it has its real name:
// ".ombrel-" and six random letters or digits. A clean-up looks only at such
// names, so it never meets a user's file.
#pragma once

#include <string>

namespace ombrel {

// A new name for a temporary.
std::string NewTemporaryName();
// Whether name has the form NewTemporaryName gives.
bool IsTemporaryName(const std::string& name);

}  // namespace ombrel
