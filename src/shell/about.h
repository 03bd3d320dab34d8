// The About box: the program's name, version, date and purpose, and a button
// that starts the system-information tool found through the registry.
#pragma once

#include <cstdint>
#include <functional>
#include <memory>
#include <string>

#include "platform/settings/registry.h"
#include "platform/ui.h"

namespace ombrel {

class FileSystemObject;

class About {
 public:
  // registry and fileSystem may be nullptr (the tool is then unavailable);
  // startProgram starts a program detached and raises an Error on failure.
  About(Ui& ui, Registry* registry, FileSystemObject* fileSystem,
        std::function<void(const std::string&)> startProgram);

  // Loads the box afresh and shows it modally.
  void Show();

  // The texts of the box.
  static AboutContent Form_Load();

  void cmdSysInfo_Click() { StartSysInfo(); }

  // Starts the system-information tool, or tells the user it is unavailable.
  void StartSysInfo();

  // Reads one registry value into KeyVal; True when it was read.
  bool GetKeyValue(uint32_t KeyRoot, const std::string& KeyName, const std::string& SubKeyRef,
                   std::string& KeyVal);

 private:
  Ui& ui_;
  Registry* registry_;
  FileSystemObject* fileSystem_;
  std::function<void(const std::string&)> startProgram_;
};

}  // namespace ombrel
