// A pending folder's record (pending_record.h) as a clearing finds it on
// disk. It binds only when this process's user wrote it: a regular file of
// the user's with one link that no one else may write (own_file.h), opened
// without following a link and without waiting on a FIFO, no larger than
// the program ever writes one (kMaxPendingRecordBytes), claiming only plain
// file names. Anything else is not a record of the user's step: it is not
// acted on, and the clearing leaves its folder as it is, saying why.
#pragma once

#include <string>
#include <vector>

#include "platform/staging/pending_record.h"

namespace ombrel {

struct FoundRecord {
  std::vector<RecordedName> claims;  // none when the folder has no record
  std::string refusal;               // why it does not bind; "" when it does
};

// The record of the pending folder open as fd. Its bytes are read in
// chunks, once its size is known to be within the cap, and never past it.
// Raises nothing but std::bad_alloc.
FoundRecord ReadPendingRecord(int fd);

}  // namespace ombrel
