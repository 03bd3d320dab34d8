// A file-system service whose files opened to append are kept in memory and
// fail as a test scripts them: a write that stops part way with an error, a
// close that fails. Everything else is the local file system.
#pragma once

#include <cstddef>
#include <deque>
#include <map>
#include <memory>
#include <string>
#include <system_error>
#include <vector>

#include "platform/files/file_system_object.h"
#include "support/forwarding_file_system.h"

namespace ombrel::testing {

class ScriptedAppendFiles : public ForwardingFileSystem {
 public:
  // What the test sets and reads; shared with every file opened.
  struct Script {
    // Each write call takes the next failure: it writes `bytes` bytes, then
    // fails with `error`. With none left, writes succeed.
    struct WriteFailure {
      std::size_t bytes;
      std::error_code error;
    };
    std::deque<WriteFailure> writeFailures;
    // Each close takes the next one; with none left, closes succeed.
    std::deque<std::error_code> closeFailures;

    std::map<std::string, std::string> files;  // what was written, by path
    std::vector<std::string> calls;            // "open P", "write P", "close P"
  };

  ScriptedAppendFiles() : script_(std::make_shared<Script>()) {}

  Script& script() { return *script_; }

  std::unique_ptr<AppendStream> OpenForAppend(const std::string& path, std::error_code& error) override;

 private:
  std::shared_ptr<Script> script_;
};

}  // namespace ombrel::testing
