#include "services/error_handler.h"

namespace ombrel {

namespace {
const Error* g_pending = nullptr;
}  // namespace

const Error* PendingError() { return g_pending; }

PendingErrorScope::PendingErrorScope(const Error& error) : previous_(g_pending) {
  g_pending = &error;
}

PendingErrorScope::~PendingErrorScope() { g_pending = previous_; }

}  // namespace ombrel
