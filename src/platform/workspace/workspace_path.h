// A place inside a workspace as a step's record names it: the folders from
// the workspace's own folder down, each a plain name, then the file's plain
// name, joined by "/" ("XML/order.xml", "Pix/front.jpg"). No "..", no ".",
// no empty part and no absolute path: a record can name nothing outside the
// workspace, and one place has one spelling.
#pragma once

#include <cstddef>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace ombrel {

// The deepest folder a record names: the step records only the workspace's
// own folders (XML/, Pix/) and an envelope's folder inside it.
inline constexpr std::size_t kMaxWorkspaceDepth = 8;

struct WorkspacePath {
  std::vector<std::string> folders;
  std::string name;

  // The folders joined by "/", each followed by it: "" for the workspace's
  // own folder, "XML/" for its XML folder. One folder, one spelling.
  std::string Folder() const;
  // Folder() + name.
  std::string Joined() const;
};

// The place relative names; nothing when it is not one (see above) or is
// more than kMaxWorkspaceDepth folders deep.
std::optional<WorkspacePath> ParseWorkspacePath(std::string_view relative);

// The place path names in the workspace whose folder is workspace ("" or
// ending in "/"), spelled as the window spells both: path must start with
// workspace. Nothing when it does not, or the rest is not a place.
std::optional<WorkspacePath> PlaceInWorkspace(const std::string& workspace, const std::string& path);

// The folders from the workspace's own folder down to folder (ending in
// "/"), spelled as the window spells both; nothing when folder is not inside
// the workspace, or is more than kMaxWorkspaceDepth folders deep.
std::optional<std::vector<std::string>> FolderInWorkspace(const std::string& workspace, const std::string& folder);

}  // namespace ombrel
