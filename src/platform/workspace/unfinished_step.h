// Clears what a step that did not finish left: the names its record lists,
// each only while it still holds what the step recorded for it.
#pragma once

#include <cstddef>
#include <optional>
#include <vector>

#include "platform/errors/error.h"
#include "platform/workspace/step_record.h"

namespace ombrel {

struct ClearedStep {
  // Names removed: each held the recorded bytes.
  std::size_t removed = 0;
  // Names that held the recorded bytes and could not be removed; they stay
  // recorded, so a later step tries again.
  std::vector<RecordedFile> left;
  // Why the first of them could not be removed.
  std::optional<Error> failure;
};

// First clears the stale temporaries (a killed copy's, a killed unpacking's)
// in each folder the record names; then removes each recorded name that is
// a regular file, not a link or a folder, of the recorded size and CRC-32.
// A name that is missing or holds anything else is not the step's any more
// and is left alone. Never raises.
ClearedStep ClearRecordedFiles(const std::vector<RecordedFile>& files);

}  // namespace ombrel
