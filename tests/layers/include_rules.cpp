#include "layers/include_rules.h"

#include <algorithm>
#include <array>
#include <fstream>
#include <iterator>

namespace ombrel::testing::layers {

namespace {

constexpr std::array<std::string_view, 5> kLayers{"platform", "services", "engine",
                                                  "translators", "shell"};
constexpr std::string_view kMain = "main.cpp";
constexpr int kMainRank = static_cast<int>(kLayers.size());

std::string LayerName(int rank) {
  return rank == kMainRank ? std::string(kMain) : std::string(kLayers[rank]);
}

std::string_view FirstPart(std::string_view path) { return path.substr(0, path.find('/')); }

// True when one of the folders on path is a qt/ folder.
bool InQtFolder(std::string_view path) {
  const std::size_t slash = path.rfind('/');
  if (slash == std::string_view::npos) return false;
  const std::string folders = "/" + std::string(path.substr(0, slash)) + "/";
  return folders.find("/qt/") != std::string::npos;
}

// Where a quoted include points, relative to src/: a path that starts with a
// layer is taken from src/ as the compiler finds it; any other is taken from
// the including file's folder. Empty when it leaves src/.
std::string IncludedPath(const std::string& file, const std::string& included) {
  if (std::find(kLayers.begin(), kLayers.end(), FirstPart(included)) != kLayers.end()) {
    return included;
  }
  const std::filesystem::path resolved =
      (std::filesystem::path(file).parent_path() / included).lexically_normal();
  const std::string text = resolved.generic_string();
  return text.starts_with("..") ? "" : text;
}

std::string_view SkipBlanks(std::string_view text) {
  while (!text.empty() && (text.front() == ' ' || text.front() == '\t')) text.remove_prefix(1);
  return text;
}

// The include on one line, if it is an #include line.
std::optional<Include> IncludeOn(std::string_view line, int number) {
  line = SkipBlanks(line);
  if (!line.starts_with('#')) return std::nullopt;
  line = SkipBlanks(line.substr(1));
  if (!line.starts_with("include")) return std::nullopt;
  line = SkipBlanks(line.substr(7));
  if (line.empty() || (line.front() != '"' && line.front() != '<')) return std::nullopt;
  const bool angled = line.front() == '<';
  const std::size_t close = line.find(angled ? '>' : '"', 1);
  if (close == std::string_view::npos) return std::nullopt;
  return Include{number, angled, std::string(line.substr(1, close - 1))};
}

}  // namespace

std::vector<Include> ReadIncludes(std::string_view text) {
  std::vector<Include> includes;
  int number = 0;
  while (!text.empty()) {
    const std::size_t end = text.find('\n');
    ++number;
    if (std::optional<Include> include = IncludeOn(text.substr(0, end), number)) {
      includes.push_back(std::move(*include));
    }
    text.remove_prefix(end == std::string_view::npos ? text.size() : end + 1);
  }
  return includes;
}

std::optional<int> LayerRank(std::string_view relativePath) {
  if (relativePath == kMain) return kMainRank;
  const auto layer = std::find(kLayers.begin(), kLayers.end(), FirstPart(relativePath));
  if (layer == kLayers.end() || relativePath.find('/') == std::string_view::npos) {
    return std::nullopt;
  }
  return static_cast<int>(layer - kLayers.begin());
}

std::vector<Violation> CheckFile(const std::string& file, std::string_view text) {
  std::vector<Violation> violations;
  const std::optional<int> rank = LayerRank(file);
  if (!rank) {
    violations.push_back({file, 0, "is in no layer (its first folder under src/ is none of "
                                   "platform, services, engine, translators, shell)"});
    return violations;
  }
  const bool mayUseQt = *rank == kMainRank || InQtFolder(file);

  for (const Include& include : ReadIncludes(text)) {
    const auto add = [&](const std::string& reason) {
      violations.push_back({file, include.line, reason});
    };
    if (include.angled) {
      if (!mayUseQt && include.path.starts_with("Q")) {
        add("includes Qt <" + include.path + "> outside a qt/ folder");
      }
      continue;
    }
    const std::string path = IncludedPath(file, include.path);
    if (path.empty()) {
      add("includes \"" + include.path + "\" from outside src/");
      continue;
    }
    const std::optional<int> target = LayerRank(path);
    if (target && *target > *rank) {
      add("includes \"" + include.path + "\" of " + LayerName(*target) + ", a layer above " +
          LayerName(*rank));
    }
    if (!mayUseQt && InQtFolder(path)) {
      add("includes the Qt code \"" + include.path + "\" outside a qt/ folder");
    }
  }
  return violations;
}

TreeCheck CheckTree(const std::filesystem::path& srcDir) {
  TreeCheck check;
  std::vector<std::filesystem::path> files;
  for (const auto& entry : std::filesystem::recursive_directory_iterator(srcDir)) {
    const std::string extension = entry.path().extension().string();
    if (entry.is_regular_file() && (extension == ".h" || extension == ".cpp")) {
      files.push_back(entry.path());
    }
  }
  std::sort(files.begin(), files.end());

  for (const std::filesystem::path& path : files) {
    std::ifstream in(path, std::ios::binary);
    const std::string text((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
    ++check.files;
    check.includes += static_cast<int>(ReadIncludes(text).size());
    for (Violation& violation :
         CheckFile(path.lexically_relative(srcDir).generic_string(), text)) {
      check.violations.push_back(std::move(violation));
    }
  }
  return check;
}

}  // namespace ombrel::testing::layers
