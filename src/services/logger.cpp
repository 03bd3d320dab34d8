#include "services/logger.h"

#include <cerrno>
#include <cstring>
#include <system_error>

#include "platform/errors/error.h"
#include "platform/text/sender_text.h"
#include "services/engine_services.h"
#include "services/error_handler.h"

namespace ombrel {

namespace {

constexpr std::size_t kDateFieldWidth = 25;

const char* Mark(int32_t msgType) {
  switch (msgType) {
    case kLogError: return "!";
    case kLogWarning: return "*";
    case kLogInformation: return " ";
    default: return "";
  }
}

// The program's own error for a failed operation on the log file.
Error LogFileError(std::error_code cause, const std::string& what, const std::string& path) {
  const int errorNumber = cause.value();
  int32_t number = err::kPathFileAccessError;
  std::string text = "Path/File access error";
  switch (errorNumber) {
    case ENOENT:
    case ENOTDIR:
      number = err::kPathNotFound;
      text = "Path not found";
      break;
    case EACCES:
    case EPERM:
    case EROFS:
      number = err::kPermissionDenied;
      text = "Permission denied";
      break;
    case ENOSPC:
    case EDQUOT:
      number = err::kDiskFull;
      text = "Disk full";
      break;
    default:
      break;
  }
  return Error(number, kAppTitle,
               text + ": cannot " + what + " the log file " + path + " (" +
                   std::strerror(errorNumber) + ")");
}

// Set while a Logger method runs, so that the error reporter, called for the
// log's own failure, does not write through the failing log again (it would
// report that failure in turn, without end).
class BusyScope {
 public:
  explicit BusyScope(bool& busy) : busy_(busy) { busy_ = true; }
  ~BusyScope() { busy_ = false; }
  BusyScope(const BusyScope&) = delete;
  BusyScope& operator=(const BusyScope&) = delete;

 private:
  bool& busy_;
};

}  // namespace

Logger::Logger(const EngineServices& services, std::unique_ptr<Clock> clock,
               std::unique_ptr<FileSystemObject> files)
    : services_(services), clock_(std::move(clock)), files_(std::move(files)) {}

Logger::~Logger() = default;

void Logger::StartLogging(const std::string& newTarget, int32_t newMode) {
  if (newMode != 2) return;
  ErrorHandler handler(services_, "Logger::StartLogging");
  if (!handler.Repeat([&] { logTarget_ = newTarget; })) return;
  handler.Repeat([&] { LogEvent("->", kLogInformation); });
}

void Logger::LogEvent(const std::string& msgText, int32_t msgType) {
  if (busy_) return;
  BusyScope busy(busy_);

  std::string line = GeneralDate(clock_->Now());
  if (line.size() < kDateFieldWidth) line.resize(kDateFieldWidth, ' ');
  line += " ";
  line += Mark(msgType);
  line += " ";
  line += msgText;
  line += "\r\n";

  // Opened and closed for every line, so the file is whole after each event
  // and free for others between events. Retry runs the failed operation again;
  // Cancel gives the line up.
  ErrorHandler handler(services_, "Logger::LogEvent");
  std::unique_ptr<AppendStream> file;
  if (!handler.Repeat([&] {
        std::error_code error;
        file = files_->OpenForAppend(logTarget_, error);
        if (!file) throw LogFileError(error, "open", logTarget_);
      })) {
    return;
  }
  std::size_t written = 0;
  const bool wrote = handler.Repeat([&] {
    if (const std::error_code error = file->Write(line, written)) {
      throw LogFileError(error, "write to", logTarget_);
    }
  });
  if (!wrote) return;  // the file closes as it goes
  handler.Repeat([&] {
    if (const std::error_code error = file->Close()) throw LogFileError(error, "close", logTarget_);
  });
}

void Logger::LogError(const std::string& errModule, const Error& error) {
  const std::string number = std::to_string(error.number());
  // An error's description often quotes a name or a value from an envelope;
  // whatever it holds, the error stays one line of the log.
  const std::string source = EscapeControlCharacters(error.source());
  const std::string description = EscapeControlCharacters(error.description());
  LogEvent("Error " + number + " in " + errModule + " [" + source + "]: " + description,
           kLogError);
}

}  // namespace ombrel
