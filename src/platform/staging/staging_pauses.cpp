#include "platform/staging/staging_pauses.h"

namespace ombrel {

namespace {

StagingPauseHook hook = nullptr;

}  // namespace

void SetStagingPauseHook(StagingPauseHook newHook) { hook = newHook; }

void PauseForTests(StagingPause at) {
  if (hook != nullptr) hook(at);
}

}  // namespace ombrel
