// Points between two calls of a pending folder's maker or of a clean-up
// where a test steps in, to force an interleaving with another process that
// timing alone would seldom give. Nothing happens there unless a test set a
// hook.
#pragma once

namespace ombrel {

enum class StagingPause {
  kFolderMade,   // a new pending folder made, before anything in it
  kNoLockFound,  // a clean-up found a pending folder without a lock file
};

using StagingPauseHook = void (*)(StagingPause);

// Sets the hook (nullptr: none), for this process.
void SetStagingPauseHook(StagingPauseHook hook);

// Calls the hook, if any, with at.
void PauseForTests(StagingPause at);

}  // namespace ombrel
