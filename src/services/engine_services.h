// What the program hands its engine: how to reach the user, the log, the file
// system and the outside components, where the alias, data and picture
// folders are, and the files of the envelope being converted. The shell
// builds one at start-up and keeps it up to date; the engine and the error
// reporter read it. Nothing here is owned: a missing object is null, and the
// accessors below raise error 91 for it, which the calling procedure's
// handler reports like any other error.
#pragma once

#include <string>
#include <vector>

#include "platform/components.h"
#include "platform/errors/error.h"
#include "platform/files/file_system_object.h"
#include "platform/ui.h"
#include "services/app_title.h"
#include "services/file_record.h"
#include "services/logger.h"

namespace ombrel {

struct EngineServices {
  Ui* ui = nullptr;
  Logger* log = nullptr;
  FileSystemObject* fileSystem = nullptr;
  ComponentFactory* components = nullptr;

  // Each ends in "/" once set; empty until the start-up sets it.
  std::string aliasFolder;
  std::string dataFolder;
  std::string pixFolder;

  // The names in the picture folder that another user's unfinished step
  // left there and this window could not remove: no report takes them.
  std::vector<std::string> othersPictures;

  // The documents of the envelope being converted, in envelope order.
  const std::vector<FileRecord>* envelopeFiles = nullptr;

  Ui& TheUi() const { return Required(ui); }
  Logger& TheLog() const { return Required(log); }
  FileSystemObject& TheFileSystem() const { return Required(fileSystem); }
  ComponentFactory& TheComponents() const { return Required(components); }
  // No envelope is an envelope without files.
  const std::vector<FileRecord>& EnvelopeFiles() const {
    static const std::vector<FileRecord> kNone;
    return envelopeFiles != nullptr ? *envelopeFiles : kNone;
  }

 private:
  template <typename T>
  static T& Required(T* object) {
    if (object == nullptr) throw Error::ObjectNotSet(kAppTitle);
    return *object;
  }
};

}  // namespace ombrel
