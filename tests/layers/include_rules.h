// The include rules of src/: each folder under src/ is a layer, and a file may
// include only its own layer and the layers it builds on: platform, services
// on platform, engine on services, translators and shell each on engine (not
// on each other), and main.cpp on top of all. Qt is included only in a qt/
// folder and in main.cpp, so everything else builds and runs headless. The
// system headers that reach the operating system are included only under
// platform/, and no file includes the C library's locale-bound case folding
// and character classes.
//
// An include is judged where the compiler would find it: a quoted path in the
// including file's folder first, then from src/ (the one include folder); an
// angled path from src/ when it names a file of the tree or a layer, else it
// is a library's or the system's. Every path is normalised first, so
// "platform/../shell/x.h" is the shell's.
#pragma once

#include <filesystem>
#include <optional>
#include <set>
#include <string>
#include <string_view>
#include <vector>

namespace ombrel::testing::layers {

// The rank of the layer that a path under src/ ('/'-separated, relative to
// src/) belongs to: its first folder, or main.cpp on top; none outside them.
std::optional<int> LayerRank(std::string_view relativePath);

// One #include line of a file.
struct Include {
  int line = 0;          // from 1, where the directive starts
  bool readable = true;  // false for a path the check cannot read (a macro)
  bool angled = false;   // <...> rather than "..."
  std::string path;      // as written; the directive's rest when not readable
};

// The #include (and #include_next, #import) directives of a file's text, read
// as the preprocessor reads them: lines joined at a backslash that ends them,
// comments taken for a space, string literals left whole.
std::vector<Include> ReadIncludes(std::string_view text);

enum class Rule {
  kNoLayer,     // the file is in no layer
  kClimbs,      // includes a layer its own does not build on
  kLeavesSrc,   // includes a path outside src/
  kQt,          // includes Qt, or a qt/ folder's code, outside qt/ and main.cpp
  kSystem,      // includes a system header outside platform/
  kLocale,      // includes the C library's locale-bound <cctype> and kin
  kUnreadable,  // an include the check cannot follow
};

// A broken rule, as "engine/selector.cpp:4: includes ...".
struct Violation {
  std::string file;  // relative to src/
  int line = 0;      // 0 for the file as a whole
  Rule rule = Rule::kNoLayer;
  std::string reason;
  std::string Text() const {
    return file + (line > 0 ? ":" + std::to_string(line) : "") + ": " + reason;
  }
};

// The violations in one file's text; file is its path relative to src/, tree
// the files under src/ (relative paths), which decides where a quoted include
// is found. With an empty tree a path is judged by its first folder alone.
std::vector<Violation> CheckFile(const std::string& file, std::string_view text,
                                 const std::set<std::string>& tree = {});

struct TreeCheck {
  int files = 0;     // files read
  int includes = 0;  // include directives among them
  std::vector<Violation> violations;
};

// Every file under srcDir, in any folder and of any name: a header of another
// extension can be included as well as a .h.
TreeCheck CheckTree(const std::filesystem::path& srcDir);

}  // namespace ombrel::testing::layers
