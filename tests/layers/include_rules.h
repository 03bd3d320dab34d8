// The include rules of src/: each folder under src/ is a layer, and a file may
// include only its own layer and the layers below it (platform, services,
// engine, translators, shell, then main.cpp on top). Qt is included only in a
// qt/ folder and in main.cpp, so everything else builds and runs headless.
#pragma once

#include <filesystem>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace ombrel::testing::layers {

// The rank of the layer that a path under src/ ('/'-separated, relative to
// src/) belongs to: its first folder, or main.cpp on top; none outside them.
std::optional<int> LayerRank(std::string_view relativePath);

// One #include line of a file.
struct Include {
  int line = 0;         // from 1
  bool angled = false;  // <...> rather than "..."
  std::string path;
};

// The #include lines of a file's text.
std::vector<Include> ReadIncludes(std::string_view text);

// A broken rule, as "engine/selector.cpp:4: includes ...".
struct Violation {
  std::string file;  // relative to src/
  int line = 0;      // 0 for the file as a whole
  std::string reason;
  std::string Text() const {
    return file + (line > 0 ? ":" + std::to_string(line) : "") + ": " + reason;
  }
};

// The violations in one file's text; file is its path relative to src/.
std::vector<Violation> CheckFile(const std::string& file, std::string_view text);

struct TreeCheck {
  int files = 0;     // source files read
  int includes = 0;  // include lines among them
  std::vector<Violation> violations;
};

// Every source file (.h, .cpp) under srcDir, in any folder.
TreeCheck CheckTree(const std::filesystem::path& srcDir);

}  // namespace ombrel::testing::layers
