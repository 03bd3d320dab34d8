// The program's shared state, one of each: set up by the start-up and the
// envelope step, read by the engine and the shared procedures.
#pragma once

#include <memory>
#include <string>
#include <vector>

#include "platform/components.h"
#include "platform/file_system_object.h"
#include "platform/ui.h"
#include "shell/file_record.h"
#include "shell/logger.h"

namespace ombrel {

inline constexpr const char* kAppTitle = "Ombrel";     // message-box titles
inline constexpr const char* kProductName = "Ombrel";  // the product name

struct Globals {
  // How the program reaches the user and the outside components. Not owned.
  Ui* ui = nullptr;
  ComponentFactory* components = nullptr;

  std::unique_ptr<Logger> EventLog;
  std::unique_ptr<FileSystemObject> FileSystem;
  std::vector<FileRecord> EnvelopeFiles;

  // Each ends in "/" once set; empty until the start-up sets it.
  std::string DataFolder;
  std::string AliasFolder;
  std::string PixFolder;
  std::string XmlFolder;
};

Globals& Global();

}  // namespace ombrel
