#include "platform/workspace/workspace_path.h"

#include "platform/files/path_names.h"

namespace ombrel {

std::string WorkspacePath::Folder() const {
  std::string folder;
  for (const std::string& part : folders) folder += part + "/";
  return folder;
}

std::string WorkspacePath::Joined() const { return Folder() + name; }

std::optional<WorkspacePath> ParseWorkspacePath(std::string_view relative) {
  WorkspacePath place;
  for (;;) {
    const std::size_t slash = relative.find('/');
    const std::string_view part = relative.substr(0, slash);
    if (!IsPlainFileName(part)) return std::nullopt;
    if (slash == std::string_view::npos) {
      place.name.assign(part);
      return place;
    }
    if (place.folders.size() == kMaxWorkspaceDepth) return std::nullopt;
    place.folders.emplace_back(part);
    relative.remove_prefix(slash + 1);
  }
}

std::optional<WorkspacePath> PlaceInWorkspace(const std::string& workspace, const std::string& path) {
  if (path.compare(0, workspace.size(), workspace) != 0) return std::nullopt;
  // An absolute path is inside the workspace only when the workspace's
  // folder is spelled too: "" stands for the current folder.
  if (workspace.empty() && !path.empty() && path.front() == '/') return std::nullopt;
  return ParseWorkspacePath(std::string_view(path).substr(workspace.size()));
}

std::optional<std::vector<std::string>> FolderInWorkspace(const std::string& workspace, const std::string& folder) {
  if (folder == workspace) return std::vector<std::string>{};
  if (folder.empty() || folder.back() != '/') return std::nullopt;
  std::optional<WorkspacePath> place = PlaceInWorkspace(workspace, folder.substr(0, folder.size() - 1));
  if (!place || place->folders.size() == kMaxWorkspaceDepth) return std::nullopt;
  place->folders.push_back(std::move(place->name));
  return std::move(place->folders);
}

}  // namespace ombrel
