// Points between two calls of a pending folder's maker or of a clean-up
// where a test steps in, to force an interleaving with another process that
// timing alone would seldom give, or makes a call fail as a disk that
// cannot be read would. Nothing happens there unless a test set a hook.
#pragma once

namespace ombrel {

enum class StagingPause {
  kFolderMade,   // a new pending folder made, before anything in it
  kNoLockFound,  // a clean-up found a pending folder without a lock file
};

enum class StagingFault {
  kKeptMarkLookedAt,  // a clearing looks whether the names were marked kept
  kClaimLookedAt,     // a clearing looks at a name its record claims
  kFreeNameLookedAt,  // a maker looks whether a name is free, to claim it
};

using StagingPauseHook = void (*)(StagingPause);
// The errno the call at fails with; 0 for none.
using StagingFaultHook = int (*)(StagingFault);

// Sets the hook (nullptr: none), for this process.
void SetStagingPauseHook(StagingPauseHook hook);
void SetStagingFaultHook(StagingFaultHook hook);

// Calls the hook, if any, with at.
void PauseForTests(StagingPause at);
// The errno the fault hook makes the call at fail with; 0 without a hook.
int FaultForTests(StagingFault at);

}  // namespace ombrel
