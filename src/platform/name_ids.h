// Numbers for the distinct element names of one loaded document, so the
// element index sorts and compares integers instead of names. An open-address
// table of views into the document's own names: no allocation per name.
#pragma once

#include <cstdint>
#include <optional>
#include <string_view>
#include <vector>

namespace ombrel {

class NameIds {
 public:
  // The name's number, a new one (0, 1, 2...) for a name not seen yet. The
  // text must outlive the table.
  uint32_t Intern(std::string_view name);
  // The name's number; nothing for a name never interned.
  std::optional<uint32_t> Find(std::string_view name) const;
  void Clear();
  // How many names there are: their numbers run from 0 to size() - 1.
  uint32_t size() const { return count_; }

 private:
  struct Slot {
    std::string_view name;
    uint32_t id = 0;
    bool used = false;
  };
  std::size_t SlotOf(std::string_view name) const;  // its slot, or the free one where it belongs
  void Grow();

  std::vector<Slot> slots_;  // a power of two in size, at most half used
  uint32_t count_ = 0;
};

}  // namespace ombrel
