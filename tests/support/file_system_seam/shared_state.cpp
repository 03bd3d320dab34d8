#include "shared_state.h"

#include <dirent.h>
#include <errno.h>
#include <limits.h>
#include <pthread.h>
#include <stdint.h>
#include <stdio.h>
#include <stdlib.h>
#include <string.h>
#include <sys/mman.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <vector>

#include "real_calls.h"
#include "seam_settings.h"

namespace seam {

namespace {

constexpr int kProcesses = 1024;
constexpr int kPins = 4096;
constexpr int kHidden = 256;
constexpr uint64_t kNames = uint64_t{1} << 16;
// Numbers the seam gives lie above any a disk gives here, so that a given
// number never equals the disk's number of another file.
constexpr int kGivenShift = 40;
constexpr uint64_t kFree = 0;
constexpr uint64_t kUsedBefore = 1;

struct Pin {
  dev_t device;
  ino_t inode;
  ino_t number;
};

struct HiddenFile {
  dev_t device;
  ino_t inode;
  char path[PATH_MAX];
};

struct NameSlot {
  uint64_t hash;
  ino_t number;
};

// Lives in memory mapped shared before the test forks its first child, so
// the test and every child it forks see one.
struct State {
  pthread_mutex_t mutex;
  uint64_t forgotten;
  uint64_t namesGiven;
  int processCount;
  pid_t processes[kProcesses];
  int pinCount;
  Pin pins[kPins];
  int hiddenCount;
  HiddenFile hidden[kHidden];
  uint64_t slotsTaken;
  NameSlot names[kNames];
};

State* state = nullptr;

// The state's lock; one whose holder was killed is taken over as it is.
class Locked {
 public:
  Locked() {
    if (pthread_mutex_lock(&state->mutex) == EOWNERDEAD) pthread_mutex_consistent(&state->mutex);
  }
  ~Locked() { pthread_mutex_unlock(&state->mutex); }
  Locked(const Locked&) = delete;
  Locked& operator=(const Locked&) = delete;
};

void Register(pid_t pid) {
  if (state == nullptr) return;
  Locked locked;
  if (state->processCount == kProcesses) {
    // Forget the processes that are gone.
    int kept = 0;
    for (int i = 0; i < state->processCount; ++i) {
      char folder[64];
      snprintf(folder, sizeof folder, "/proc/%d", static_cast<int>(state->processes[i]));
      if (access(folder, F_OK) == 0) state->processes[kept++] = state->processes[i];
    }
    state->processCount = kept;
  }
  if (state->processCount < kProcesses) state->processes[state->processCount++] = pid;
}

void RegisterChild() { Register(getpid()); }

__attribute__((constructor)) void Start() {
  void* memory = mmap(nullptr, sizeof(State), PROT_READ | PROT_WRITE, MAP_SHARED | MAP_ANONYMOUS, -1, 0);
  if (memory == MAP_FAILED) return;
  state = static_cast<State*>(memory);
  pthread_mutexattr_t attributes;
  pthread_mutexattr_init(&attributes);
  pthread_mutexattr_setpshared(&attributes, PTHREAD_PROCESS_SHARED);
  pthread_mutexattr_setrobust(&attributes, PTHREAD_MUTEX_ROBUST);
  pthread_mutex_init(&state->mutex, &attributes);
  pthread_mutexattr_destroy(&attributes);
  state->processes[state->processCount++] = getpid();
  pthread_atfork(nullptr, nullptr, RegisterChild);
}

// Calls visit(status, name) for each descriptor that a process of this test
// holds open on a file under the root, but descriptor except of this one.
// Processes that are gone are dropped from the list.
template <typename Visit>
void ForEachHeld(int except, Visit visit) {
  const pid_t self = getpid();
  int kept = 0;
  for (int i = 0; i < state->processCount; ++i) {
    const pid_t pid = state->processes[i];
    char folderName[64];
    snprintf(folderName, sizeof folderName, "/proc/%d/fd", static_cast<int>(pid));
    DIR* folder = opendir(folderName);
    if (folder == nullptr) continue;
    state->processes[kept++] = pid;
    while (const dirent* entry = readdir(folder)) {
      if (entry->d_name[0] == '.') continue;
      const int fd = atoi(entry->d_name);
      if (pid == self && (fd == except || fd == dirfd(folder))) continue;
      const std::string link = std::string(folderName) + "/" + entry->d_name;
      char target[PATH_MAX];
      const ssize_t n = readlink(link.c_str(), target, sizeof target - 1);
      if (n <= 0) continue;
      std::string name(target, static_cast<size_t>(n));
      constexpr char kDeleted[] = " (deleted)";
      if (name.size() > sizeof kDeleted - 1 &&
          name.compare(name.size() - (sizeof kDeleted - 1), std::string::npos, kDeleted) == 0) {
        name.resize(name.size() - (sizeof kDeleted - 1));
      }
      struct stat status {};
      if (!UnderRoot(name) || RealStat(link.c_str(), &status) != 0) continue;
      visit(status, name);
    }
    closedir(folder);
  }
  state->processCount = kept;
}

bool HeldLocked(dev_t device, ino_t inode, int except) {
  bool held = false;
  ForEachHeld(except, [&](const struct stat& status, const std::string&) {
    if (status.st_dev == device && status.st_ino == inode) held = true;
  });
  return held;
}

ino_t NumberLocked(dev_t device, ino_t inode) {
  for (int i = 0; i < state->pinCount; ++i) {
    if (state->pins[i].device == device && state->pins[i].inode == inode) return state->pins[i].number;
  }
  if (state->forgotten == 0) return inode;
  const uint64_t times = (state->forgotten - 1) % ((uint64_t{1} << (63 - kGivenShift)) - 1) + 1;
  return static_cast<ino_t>((times << kGivenShift) ^ inode);
}

uint64_t Hash(const std::string& path) {
  uint64_t hash = 14695981039346656037ULL;
  for (const char c : path) {
    hash ^= static_cast<unsigned char>(c);
    hash *= 1099511628211ULL;
  }
  return hash <= kUsedBefore ? hash + 2 : hash;
}

NameSlot* FindName(uint64_t hash) {
  for (uint64_t i = 0; i < kNames; ++i) {
    NameSlot& slot = state->names[(hash + i) % kNames];
    if (slot.hash == kFree) return nullptr;
    if (slot.hash == hash) return &slot;
  }
  return nullptr;
}

void DropNameLocked(uint64_t hash) {
  if (NameSlot* slot = FindName(hash)) slot->hash = kUsedBefore;
}

void PutName(uint64_t hash, ino_t number) {
  DropNameLocked(hash);
  if (state->slotsTaken + 1 > kNames / 4 * 3) {
    // Full: the kernel forgets every name at once.
    memset(state->names, 0, sizeof state->names);
    state->slotsTaken = 0;
  }
  for (uint64_t i = 0;; ++i) {
    NameSlot& slot = state->names[(hash + i) % kNames];
    if (slot.hash == kFree || slot.hash == kUsedBefore) {
      if (slot.hash == kFree) ++state->slotsTaken;
      slot = NameSlot{hash, number};
      return;
    }
  }
}

ino_t NumberOfNameLocked(const std::string& path) {
  const uint64_t hash = Hash(path);
  if (const NameSlot* slot = FindName(hash)) return slot->number;
  const ino_t number = static_cast<ino_t>((uint64_t{1} << kGivenShift) + ++state->namesGiven);
  PutName(hash, number);
  return number;
}

}  // namespace

bool HeldOpen(dev_t device, ino_t inode, int except) {
  if (state == nullptr) return false;
  Locked locked;
  return HeldLocked(device, inode, except);
}

ino_t ReportedNumber(dev_t device, ino_t inode) {
  if (state == nullptr) return inode;
  Locked locked;
  return NumberLocked(device, inode);
}

ino_t NumberOfName(const std::string& path) {
  if (state == nullptr) return 0;
  Locked locked;
  return NumberOfNameLocked(path);
}

void RenameName(const std::string& from, const std::string& to) {
  if (state == nullptr) return;
  Locked locked;
  const ino_t number = NumberOfNameLocked(from);
  DropNameLocked(Hash(from));
  PutName(Hash(to), number);
}

void DropName(const std::string& path) {
  if (state == nullptr) return;
  Locked locked;
  DropNameLocked(Hash(path));
}

void ForgetInodes() {
  if (state == nullptr) return;
  Locked locked;
  std::vector<Pin> pins;
  std::vector<std::pair<uint64_t, ino_t>> names;
  ForEachHeld(-1, [&](const struct stat& status, const std::string& name) {
    const auto same = [&](const Pin& pin) { return pin.device == status.st_dev && pin.inode == status.st_ino; };
    if (std::none_of(pins.begin(), pins.end(), same)) {
      pins.push_back(Pin{status.st_dev, status.st_ino, NumberLocked(status.st_dev, status.st_ino)});
    }
    if (NumbersByName()) {
      if (const NameSlot* slot = FindName(Hash(name))) names.emplace_back(slot->hash, slot->number);
    }
  });
  state->pinCount = static_cast<int>(std::min<size_t>(pins.size(), kPins));
  std::copy_n(pins.begin(), state->pinCount, state->pins);
  ++state->forgotten;
  if (NumbersByName() && state->slotsTaken > 0) {
    memset(state->names, 0, sizeof state->names);
    state->slotsTaken = 0;
    for (const auto& [hash, number] : names) PutName(hash, number);
  }
}

void NoteHidden(dev_t device, ino_t inode, const std::string& path) {
  if (state == nullptr || path.size() >= PATH_MAX) return;
  Locked locked;
  if (state->hiddenCount == kHidden) return;
  HiddenFile& hidden = state->hidden[state->hiddenCount];
  hidden.device = device;
  hidden.inode = inode;
  memcpy(hidden.path, path.c_str(), path.size() + 1);
  __atomic_store_n(&state->hiddenCount, state->hiddenCount + 1, __ATOMIC_RELEASE);
}

bool AnyHidden() { return state != nullptr && __atomic_load_n(&state->hiddenCount, __ATOMIC_ACQUIRE) > 0; }

void RemoveHiddenIfReleased(dev_t device, ino_t inode) {
  if (state == nullptr) return;
  Locked locked;
  for (int i = 0; i < state->hiddenCount; ++i) {
    HiddenFile& hidden = state->hidden[i];
    if (hidden.device != device || hidden.inode != inode || HeldLocked(device, inode, -1)) continue;
    Real<int (*)(const char*)>("unlink")(hidden.path);
    if (NumbersByName()) DropNameLocked(Hash(hidden.path));
    if (i != state->hiddenCount - 1) hidden = state->hidden[state->hiddenCount - 1];
    __atomic_store_n(&state->hiddenCount, state->hiddenCount - 1, __ATOMIC_RELEASE);
    return;
  }
}

}  // namespace seam
