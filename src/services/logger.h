// The log writer: one line per event, appended to the log file beside the
// executable; the file is opened and closed for every line. Its own failures
// go to the error reporter of the services it was given, never through the
// log itself. It writes through a file-system service of its own: the log
// starts before the program's file-system service is created, and ends after
// it is released.
#pragma once

#include <cstdint>
#include <memory>
#include <string>

#include "platform/errors/error.h"
#include "platform/files/file_system_object.h"
#include "platform/text/dates.h"

namespace ombrel {

struct EngineServices;

enum LogType : int32_t { kLogError = 1, kLogWarning = 2, kLogInformation = 4 };

// The time stamp of log lines; tests pin it.
class Clock {
 public:
  virtual ~Clock() = default;
  virtual DateTime Now() const = 0;
};
std::unique_ptr<Clock> CreateSystemClock();

class Logger {
 public:
  // services: how the log's own failures are reported; it must outlive the
  // Logger. files: how the log file is written; not null.
  Logger(const EngineServices& services, std::unique_ptr<Clock> clock,
         std::unique_ptr<FileSystemObject> files);
  ~Logger();

  void StartLogging(const std::string& newTarget, int32_t newMode);
  void LogEvent(const std::string& msgText, int32_t msgType = 0);
  // Logs error as "Error n in errModule [source]: description".
  void LogError(const std::string& errModule, const Error& error);

  const std::string& LogTarget() const { return logTarget_; }

 private:
  const EngineServices& services_;
  std::unique_ptr<Clock> clock_;
  std::unique_ptr<FileSystemObject> files_;
  std::string logTarget_;
  bool busy_ = false;  // a line is being written (or its failure reported)
};

}  // namespace ombrel
