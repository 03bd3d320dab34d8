// What a stat call under the root states of a file: its number and its
// times as the personality's file system states them, from what the disk
// states.
#pragma once

#include <sys/stat.h>
#include <time.h>

#include <string>

namespace seam {

struct Stated {
  dev_t device;
  ino_t inode;
  mode_t mode;
  off_t size;
  struct timespec modified;
  struct timespec changed;
};

// name: the absolute name the call looked up, or the one the descriptor fd
// (-1 for none) names now.
void Restate(Stated& stated, const std::string& name, int fd);

// Where each name is a node of its own, a descriptor states the number of
// the name it was opened by.
void NoteOpened(int fd, const std::string& name);
void NoteClosed(int fd);

// A file renamed to name is stamped, as FAT through FUSE stamps it, with the
// time of the rename in 2-second steps: here always the next step after its
// time, so that the time a rename gives never depends on the clock.
void StampRenamed(const std::string& name);

}  // namespace seam
