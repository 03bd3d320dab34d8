#include "engine/keyed_collection.h"

#include "engine/text_compare.h"
#include "platform/errors/error.h"
#include "services/app_title.h"

namespace ombrel {

void KeyedCollection::Add(const std::string& item, const std::string& key) {
  if (!items_.try_emplace(UpperText(key), item).second) {
    throw Error(err::kDuplicateKey, kAppTitle,
                "This key is already associated with an element of this collection.");
  }
}

std::optional<std::string> KeyedCollection::Item(const std::string& key) const {
  auto found = items_.find(UpperText(key));
  if (found == items_.end()) return std::nullopt;
  return found->second;
}

bool KeyedCollection::Remove(const std::string& key) { return items_.erase(UpperText(key)) != 0; }

}  // namespace ombrel
