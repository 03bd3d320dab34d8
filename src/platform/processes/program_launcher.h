// Starts another program as a separate process, detached from this one: the
// caller does not wait for it, and it outlives the program that started it.
#pragma once

#include <string>

namespace ombrel {

// Starts the executable at path without arguments. Raises an Error when it
// cannot be started (no such file, not executable).
void StartDetached(const std::string& path);

}  // namespace ombrel
