#include "platform/staging/staging_pauses.h"

namespace ombrel {

namespace {

StagingPauseHook pauseHook = nullptr;
StagingFaultHook faultHook = nullptr;

}  // namespace

void SetStagingPauseHook(StagingPauseHook hook) { pauseHook = hook; }
void SetStagingFaultHook(StagingFaultHook hook) { faultHook = hook; }

void PauseForTests(StagingPause at) {
  if (pauseHook != nullptr) pauseHook(at);
}

int FaultForTests(StagingFault at) { return faultHook != nullptr ? faultHook(at) : 0; }

}  // namespace ombrel
