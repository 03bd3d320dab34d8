// Reads a whole file as bytes, keeping the reason of a failure (errno) so the
// caller can raise the classic error that fits it.
#pragma once

#include <string>

namespace ombrel {

// True with the file's bytes in bytes; false with errno's value in error.
bool ReadFileBytes(const std::string& path, std::string& bytes, int& error);

}  // namespace ombrel
