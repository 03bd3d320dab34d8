// The folders the record-clearing figures clear: a workspace holding a
// record of this user's that a dead step seems to have left, or a folder
// holding a pending folder of this user's that no run holds. Each is made
// again before every clearing (a clearing removes what it may), and first
// checked against what the last clearing had to leave: a genuine record's
// files all gone, every file a hostile record names still there.
#pragma once

#include <cstddef>
#include <cstdint>
#include <functional>
#include <string>

namespace ombrel::bench {

// What clears a fixture.
enum class Clearing {
  kWorkspaceLock,     // taking a fresh lock of the workspace
  kStaleTemporaries,  // RemoveStaleTemporaries of the folder
};

struct RecordFixture {
  std::string folder;  // the workspace's, or the one the pending folder is in; no final "/"
  Clearing clearing = Clearing::kWorkspaceLock;
  // Makes what the clearing finds; from the second call on, first checks
  // what the last clearing left and throws std::runtime_error when it
  // removed too much or too little.
  std::function<void()> remake;
};

// A workspace whose XML/ holds files small documents, each named by the
// record as "XML/a<i>" with its size and CRC-32: all of them are removed.
RecordFixture GenuineWorkspaceRecord(const std::string& folder, std::size_t files);

// A workspace whose XML/ holds files small documents, each named by the
// record with its size and CRC-32 but spelled so that no two entries spell
// its folder alike ("XML//./a1", "./XML/./a2", an absolute path,
// "XML/../XML//a3"): none is a plain place, so none is removed.
RecordFixture SpelledWorkspaceRecord(const std::string& folder, std::size_t files);

// A workspace whose XML/ holds one file of bytes bytes, named by every one
// of entries entries with its size and a CRC-32 it does not have: it stays.
RecordFixture OneFileManyEntries(const std::string& folder, std::size_t entries, uint64_t bytes);

// A folder holding files small documents and a stale pending folder of
// this user's whose record claims each: all of them, and the pending
// folder, are removed.
RecordFixture GenuinePendingFolder(const std::string& folder, std::size_t files);

// A folder holding a stale pending folder of this user's whose record is a
// sparse file of bytes bytes. Past the largest record the program writes it
// is refused unread, and the pending folder stays; within it, it is read
// (and, holding no entry, claims nothing) and the pending folder goes.
RecordFixture SparsePendingRecord(const std::string& folder, uint64_t bytes);

}  // namespace ombrel::bench
