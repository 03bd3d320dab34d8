#include "support/scripted_append_files.h"

#include <algorithm>
#include <utility>

namespace ombrel::testing {

namespace {

class ScriptedAppendStream : public AppendStream {
 public:
  ScriptedAppendStream(std::shared_ptr<ScriptedAppendFiles::Script> script, std::string path)
      : script_(std::move(script)), path_(std::move(path)) {}

  std::error_code Write(std::string_view bytes, std::size_t& written) override {
    script_->calls.push_back("write " + path_);
    std::size_t end = bytes.size();
    std::error_code error;
    if (!script_->writeFailures.empty()) {
      end = std::min(end, written + script_->writeFailures.front().bytes);
      error = script_->writeFailures.front().error;
      script_->writeFailures.pop_front();
    }
    if (end > written) script_->files[path_].append(bytes.substr(written, end - written));
    written = std::max(written, end);
    return error;
  }

  std::error_code Close() override {
    script_->calls.push_back("close " + path_);
    if (script_->closeFailures.empty()) return {};
    const std::error_code error = script_->closeFailures.front();
    script_->closeFailures.pop_front();
    return error;
  }

 private:
  std::shared_ptr<ScriptedAppendFiles::Script> script_;
  std::string path_;
};

}  // namespace

std::unique_ptr<AppendStream> ScriptedAppendFiles::OpenForAppend(const std::string& path,
                                                                 std::error_code& error) {
  script_->calls.push_back("open " + path);
  error.clear();
  return std::make_unique<ScriptedAppendStream>(script_, path);
}

}  // namespace ombrel::testing
