// Where the running program lives: the log is written beside the executable
// and named after it.
#pragma once

#include <string>

namespace ombrel {

// The full path of the running executable; "" when it cannot be found.
std::string ExecutablePath();

// The log file for an executable: its folder + its name without extension +
// ".LOG" (/opt/ombrel/Ombrel gives /opt/ombrel/Ombrel.LOG).
std::string LogPathFor(const std::string& executablePath);

}  // namespace ombrel
