// The shared objects as the shell's procedures use them: a missing one raises
// error 91, which the calling procedure's handler reports like any other.
#pragma once

#include "platform/error.h"
#include "shell/globals.h"

namespace ombrel {

inline Ui& TheUi() {
  if (Global().ui == nullptr) throw Error::ObjectNotSet(kAppTitle);
  return *Global().ui;
}

inline Logger& TheLog() {
  if (!Global().EventLog) throw Error::ObjectNotSet(kAppTitle);
  return *Global().EventLog;
}

inline FileSystemObject& TheFileSystem() {
  if (!Global().FileSystem) throw Error::ObjectNotSet(kAppTitle);
  return *Global().FileSystem;
}

}  // namespace ombrel
