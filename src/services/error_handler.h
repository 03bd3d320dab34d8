// The error-handling convention of the program's procedures. A procedure with
// a handler runs its statements through one ErrorHandler named after its
// place; an Error raised by a statement goes to ReportError(services, place,
// error):
//   Run:    Retry goes on with the next statement (Run returns true);
//   Repeat: Retry runs the failing statement again;
//   Cancel: Run/Repeat return false and the procedure leaves with its result
//           so far.
#pragma once

#include <string>
#include <utility>

#include "platform/errors/error.h"

namespace ombrel {

struct EngineServices;

// Shows error for place through services' Ui and logs it through its log;
// True when the user chose Retry. An error numbered 0 is no error: nothing is
// shown or logged, and the result is False.
bool ReportError(const EngineServices& services, const std::string& place, const Error& error);

class ErrorHandler {
 public:
  ErrorHandler(const EngineServices& services, std::string place)
      : services_(services), place_(std::move(place)) {}
  // The place owner + "::" + member, put together only when an error is
  // reported: a translation runs a handler for each of a thousand table
  // calls, nearly all without an error. owner must outlive the handler.
  ErrorHandler(const EngineServices& services, const std::string& owner, const char* member)
      : services_(services), owner_(&owner), member_(member) {}

  template <typename Statement>
  bool Run(Statement&& statement) {
    try {
      std::forward<Statement>(statement)();
      return true;
    } catch (const Error& error) {
      return Report(error);
    }
  }

  template <typename Statement>
  bool Repeat(Statement&& statement) {
    for (;;) {
      try {
        statement();
        return true;
      } catch (const Error& error) {
        if (!Report(error)) return false;
      }
    }
  }

  std::string place() const { return owner_ == nullptr ? place_ : *owner_ + "::" + member_; }

 private:
  bool Report(const Error& error) { return ReportError(services_, place(), error); }

  const EngineServices& services_;
  std::string place_;
  const std::string* owner_ = nullptr;
  const char* member_ = nullptr;
};

}  // namespace ombrel
