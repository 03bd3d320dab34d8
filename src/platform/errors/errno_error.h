// Turns an operating-system failure (errno) into the program's error with the
// classic number that fits it, naming the file the user has to look at.
#pragma once

#include <string>

#include "platform/errors/error.h"

namespace ombrel {

// The classic number for errno: 53 file not found, 58 file already exists,
// 61 disk full, 70 permission denied, 76 path not found, else 75.
int32_t ClassicErrorNumber(int errnoValue);

// The classic description of a classic number ("File not found", ...).
std::string ClassicErrorText(int32_t number);

// Error(ClassicErrorNumber(errnoValue), source, ClassicErrorText + ": " + path),
// the path as SenderText shows it: a name from an envelope may be anything.
Error ErrnoError(int errnoValue, const std::string& source, const std::string& path);

// The cause of a failed operation in the system's own words, for the log:
// Error(ClassicErrorNumber(errnoValue), source,
//       what + " " + path + ": " + the system's text for errnoValue),
// for example "Cannot create a file in /data: No space left on device".
Error ErrnoCause(int errnoValue, const std::string& source, const std::string& what,
                 const std::string& path);

}  // namespace ombrel
