#include "layers/include_rules.h"

#include <algorithm>
#include <array>
#include <fstream>
#include <iterator>

namespace ombrel::testing::layers {

namespace {

namespace fs = std::filesystem;

constexpr std::array<std::string_view, 5> kLayers{"platform", "services", "engine",
                                                  "translators", "shell"};
constexpr std::string_view kMain = "main.cpp";
constexpr int kMainRank = static_cast<int>(kLayers.size());

// The layers each layer builds on, its own among them. The translators and
// the shell both stand on the engine and know nothing of each other: the
// program (main.cpp) hands the translators' catalogue to the shell.
constexpr std::array<std::array<bool, kLayers.size()>, kLayers.size() + 1> kBuildsOn{{
    //  platform services engine translators shell
    {true, false, false, false, false},  // platform
    {true, true, false, false, false},   // services
    {true, true, true, false, false},    // engine
    {true, true, true, true, false},     // translators
    {true, true, true, false, true},     // shell
    {true, true, true, true, true},      // main.cpp
}};

// The headers of the operating system's interfaces: only the platform reaches
// the system, so that tests can stand in for it. A folder counts with all its
// headers.
constexpr std::string_view kSystemFolders[] = {"sys", "arpa", "net", "netinet", "linux", "asm"};
constexpr std::string_view kSystemHeaders[] = {
    "aio.h",     "csignal",  "dirent.h", "dlfcn.h",  "fcntl.h",  "fts.h",       "ftw.h",
    "glob.h",    "grp.h",    "ifaddrs.h", "mntent.h", "mqueue.h", "netdb.h",    "poll.h",
    "pthread.h", "pty.h",    "pwd.h",    "sched.h",  "semaphore.h", "shadow.h", "signal.h",
    "spawn.h",   "syslog.h", "termios.h", "unistd.h", "utime.h",  "utmp.h",     "utmpx.h",
    "wordexp.h"};

// The C library's case folding and character classes follow the locale the
// window takes from the user (toupper('i') is not 'I' in Turkish), as do
// strcasecmp and the C++ locale; platform/text/ascii_case.h does not.
constexpr std::string_view kLocaleHeaders[] = {"cctype",  "ctype.h",  "cwctype", "wctype.h",
                                               "clocale", "locale.h", "locale",  "strings.h",
                                               "langinfo.h"};

template <typename List>
bool Listed(const List& list, std::string_view name) {
  return std::find(std::begin(list), std::end(list), name) != std::end(list);
}

std::string LayerName(int rank) {
  return rank == kMainRank ? std::string(kMain) : std::string(kLayers[rank]);
}

std::string_view FirstPart(std::string_view path) { return path.substr(0, path.find('/')); }

bool IsIdentifierChar(char c) {
  return (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z') || (c >= '0' && c <= '9') || c == '_';
}

char Lower(char c) { return (c >= 'A' && c <= 'Z') ? static_cast<char>(c - 'A' + 'a') : c; }

std::string Lowered(std::string_view text) {
  std::string out(text);
  for (char& c : out) c = Lower(c);
  return out;
}

std::vector<std::string_view> Parts(std::string_view path) {
  std::vector<std::string_view> parts;
  while (true) {
    const std::size_t slash = path.find('/');
    parts.push_back(path.substr(0, slash));
    if (slash == std::string_view::npos) return parts;
    path.remove_prefix(slash + 1);
  }
}

// True when one of the folders on path is a qt/ folder.
bool InQtFolder(std::string_view path) {
  const std::size_t slash = path.rfind('/');
  if (slash == std::string_view::npos) return false;
  const std::string folders = "/" + std::string(path.substr(0, slash)) + "/";
  return folders.find("/qt/") != std::string::npos;
}

// A Qt header in any letter case: in a Qt folder (<QtCore/qstring.h>,
// <qt6/QtWidgets/QLabel>), or by itself a class header (<QString>) or a
// lower-case one (<qstring.h>; <queue> has no ".h").
bool IsQtHeader(std::string_view path) {
  const std::vector<std::string_view> parts = Parts(path);
  for (std::size_t i = 0; i + 1 < parts.size(); ++i) {
    if (Lowered(parts[i]).starts_with("qt")) return true;
  }
  if (parts.size() > 1) return false;
  const std::string name = Lowered(path);
  return path.starts_with('Q') || (name.starts_with('q') && name.ends_with(".h"));
}

bool IsSystemHeader(std::string_view path) {
  return Listed(kSystemHeaders, path) || (path.find('/') != std::string_view::npos &&
                                          Listed(kSystemFolders, FirstPart(path)));
}

std::string Normal(std::string_view path) {
  std::string text = fs::path(path).lexically_normal().generic_string();
  // "engine/" and "engine/." name the folder, as "engine" does.
  while (text.size() > 1 && text.back() == '/') text.pop_back();
  return text;
}

bool LeavesSrc(const std::string& normal) {
  return normal.empty() || normal == ".." || normal.starts_with("../") || normal.starts_with('/');
}

bool StartsWithLayer(const std::string& normal) {
  return normal == kMain || Listed(kLayers, FirstPart(normal));
}

// Where an include is found under src/, relative to src/: a quoted path in
// the including file's folder when the tree holds it there, else from src/,
// as the compiler looks; an angled path from src/ only. A path the tree does
// not hold is still ours when it starts with a layer or with "." or "..".
// "" for a header of a library or the system, or for a path outside src/
// (leavesSrc set).
std::string ProjectPath(const std::string& file, const Include& include,
                        const std::set<std::string>& tree, bool& leavesSrc) {
  leavesSrc = false;
  if (include.path.starts_with('/')) {
    leavesSrc = true;
    return "";
  }
  const std::string fromSrc = Normal(include.path);
  const std::string fromFolder =
      include.angled ? fromSrc : Normal((fs::path(file).parent_path() / include.path).generic_string());
  if (!LeavesSrc(fromFolder) && tree.contains(fromFolder)) return fromFolder;
  if (!LeavesSrc(fromSrc) && (tree.contains(fromSrc) || StartsWithLayer(fromSrc))) return fromSrc;
  const std::string& resolved = include.path.starts_with('.') ? fromFolder : fromSrc;
  if (LeavesSrc(resolved)) {
    leavesSrc = true;
    return "";
  }
  return include.path.starts_with('.') ? resolved : "";
}

// A logical line of a file: its text as the preprocessor reads directives,
// and the physical line it starts on.
struct LogicalLine {
  int number = 0;
  std::string text;
};

// The lines of text after the preprocessor's first steps: a backslash that
// ends a line joins it to the next, a comment becomes one space (a block
// comment over several lines too), and string and character literals, raw
// ones included, stay whole so that "/*" in them opens nothing.
std::vector<LogicalLine> LogicalLines(std::string_view text) {
  std::string joined;
  std::vector<int> lineOf;  // the physical line of each byte of joined
  int physical = 1;
  for (std::size_t i = 0; i < text.size(); ++i) {
    if (text[i] == '\\') {
      const std::size_t next = i + 1 < text.size() && text[i + 1] == '\r' ? i + 2 : i + 1;
      if (next < text.size() && text[next] == '\n') {
        i = next;
        ++physical;
        continue;
      }
    }
    joined += text[i];
    lineOf.push_back(physical);
    if (text[i] == '\n') ++physical;
  }

  std::vector<LogicalLine> lines;
  LogicalLine current;
  const auto put = [&](char c, std::size_t at) {
    if (current.number == 0 && c != ' ' && c != '\t') current.number = lineOf[at];
    current.text += c;
  };
  const auto endLine = [&](std::size_t at) {
    if (current.number == 0) current.number = lineOf[at];
    lines.push_back(std::move(current));
    current = LogicalLine{};
  };
  bool inNumber = false;  // in a pp-number, where ' separates digits
  std::size_t i = 0;
  while (i < joined.size()) {
    const char c = joined[i];
    const char next = i + 1 < joined.size() ? joined[i + 1] : '\0';
    if (c == '\n') {
      endLine(i);
      inNumber = false;
      ++i;
    } else if (c == '/' && next == '/') {
      i = std::min(joined.find('\n', i), joined.size());
    } else if (c == '/' && next == '*') {
      const std::size_t close = joined.find("*/", i + 2);
      put(' ', i);
      i = close == std::string::npos ? joined.size() : close + 2;
      inNumber = false;
    } else if (c == '"' || (c == '\'' && !inNumber)) {
      std::size_t start = i;
      std::size_t prefix = i;
      while (prefix > 0 && IsIdentifierChar(joined[prefix - 1])) --prefix;
      const std::string_view before(joined.data() + prefix, i - prefix);
      std::size_t end;
      if (c == '"' && (before == "R" || before == "u8R" || before == "uR" || before == "UR" ||
                        before == "LR")) {
        const std::size_t open = joined.find('(', i);
        const std::string close =
            ")" + (open == std::string::npos ? "" : joined.substr(i + 1, open - i - 1)) + "\"";
        const std::size_t found = open == std::string::npos ? open : joined.find(close, open);
        end = found == std::string::npos ? joined.size() : found + close.size();
      } else {
        end = i + 1;
        while (end < joined.size() && joined[end] != c && joined[end] != '\n') {
          end += joined[end] == '\\' ? 2 : 1;
        }
        end = std::min(end + (end < joined.size() && joined[end] == c ? 1 : 0), joined.size());
      }
      for (; start < end; ++start) {
        if (joined[start] != '\n') put(joined[start], start);
      }
      i = end;
      inNumber = false;
    } else {
      if (c >= '0' && c <= '9' && !inNumber) {
        inNumber = i == 0 || !IsIdentifierChar(joined[i - 1]);
      } else if (inNumber) {
        const char prev = joined[i - 1];
        inNumber = IsIdentifierChar(c) || c == '.' || c == '\'' ||
                   ((c == '+' || c == '-') && (Lower(prev) == 'e' || Lower(prev) == 'p'));
      }
      put(c, i);
      ++i;
    }
  }
  if (!current.text.empty()) endLine(joined.empty() ? 0 : joined.size() - 1);
  return lines;
}

std::string_view Trimmed(std::string_view text) {
  const auto blank = [](char c) { return c == ' ' || c == '\t' || c == '\r' || c == '\v' || c == '\f'; };
  while (!text.empty() && blank(text.front())) text.remove_prefix(1);
  while (!text.empty() && blank(text.back())) text.remove_suffix(1);
  return text;
}

// The include a logical line holds, if it is an include directive.
std::optional<Include> IncludeOn(std::string_view line, int number) {
  line = Trimmed(line);
  if (line.starts_with('#')) {
    line.remove_prefix(1);
  } else if (line.starts_with("%:")) {  // the digraph of '#'
    line.remove_prefix(2);
  } else {
    return std::nullopt;
  }
  line = Trimmed(line);
  std::size_t nameEnd = 0;
  while (nameEnd < line.size() && IsIdentifierChar(line[nameEnd])) ++nameEnd;
  const std::string_view name = line.substr(0, nameEnd);
  if (name != "include" && name != "include_next" && name != "import") return std::nullopt;
  line = Trimmed(line.substr(nameEnd));
  if (!line.empty() && (line.front() == '"' || line.front() == '<')) {
    const bool angled = line.front() == '<';
    const std::size_t close = line.find(angled ? '>' : '"', 1);
    if (close != std::string_view::npos) {
      return Include{number, true, angled, std::string(line.substr(1, close - 1))};
    }
  }
  return Include{number, false, false, std::string(line)};
}

}  // namespace

std::vector<Include> ReadIncludes(std::string_view text) {
  std::vector<Include> includes;
  for (const LogicalLine& line : LogicalLines(text)) {
    if (std::optional<Include> include = IncludeOn(line.text, line.number)) {
      includes.push_back(std::move(*include));
    }
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

std::vector<Violation> CheckFile(const std::string& file, std::string_view text,
                                 const std::set<std::string>& tree) {
  std::vector<Violation> violations;
  const std::optional<int> rank = LayerRank(file);
  if (!rank) {
    violations.push_back({file, 0, Rule::kNoLayer,
                          "is in no layer (its first folder under src/ is none of "
                          "platform, services, engine, translators, shell)"});
    return violations;
  }
  const bool mayUseQt = *rank == kMainRank || InQtFolder(file);
  const bool isPlatform = *rank == 0;

  for (const Include& include : ReadIncludes(text)) {
    const auto add = [&](Rule rule, const std::string& reason) {
      violations.push_back({file, include.line, rule, reason});
    };
    if (!include.readable) {
      add(Rule::kUnreadable, "has an include the check cannot read (" + include.path +
                                 "): write the path itself");
      continue;
    }
    const std::string written =
        include.angled ? "<" + include.path + ">" : "\"" + include.path + "\"";
    bool leavesSrc = false;
    const std::string path = ProjectPath(file, include, tree, leavesSrc);
    if (leavesSrc) {
      add(Rule::kLeavesSrc, "includes " + written + " from outside src/");
      continue;
    }
    if (!path.empty()) {
      const std::optional<int> target = LayerRank(path);
      if (target && *target < kMainRank && !kBuildsOn[*rank][*target]) {
        add(Rule::kClimbs, "includes " + written + " of " + LayerName(*target) + ", a layer " +
                               LayerName(*rank) + " does not build on");
      } else if (target == kMainRank && *rank != kMainRank) {
        add(Rule::kClimbs, "includes " + written + ", the program itself");
      }
      if (!mayUseQt && InQtFolder(path)) {
        add(Rule::kQt, "includes the Qt code " + written + " outside a qt/ folder");
      }
      continue;
    }
    // A header of a library or of the system.
    const std::string header = Normal(include.path);
    if (!mayUseQt && IsQtHeader(header)) {
      add(Rule::kQt, "includes Qt " + written + " outside a qt/ folder");
    }
    if (!isPlatform && IsSystemHeader(header)) {
      add(Rule::kSystem, "includes the system header " + written +
                             " outside platform/, whose interfaces alone reach the system");
    }
    if (Listed(kLocaleHeaders, header)) {
      add(Rule::kLocale, "includes " + written +
                             ", which follows the user's locale: use platform/text/ascii_case.h");
    }
  }
  return violations;
}

TreeCheck CheckTree(const fs::path& srcDir) {
  TreeCheck check;
  std::vector<fs::path> files;
  for (const auto& entry : fs::recursive_directory_iterator(srcDir)) {
    if (entry.is_regular_file()) files.push_back(entry.path());
  }
  std::sort(files.begin(), files.end());
  std::set<std::string> tree;
  for (const fs::path& path : files) tree.insert(path.lexically_relative(srcDir).generic_string());

  for (const fs::path& path : files) {
    std::ifstream in(path, std::ios::binary);
    const std::string text((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
    ++check.files;
    check.includes += static_cast<int>(ReadIncludes(text).size());
    for (Violation& violation :
         CheckFile(path.lexically_relative(srcDir).generic_string(), text, tree)) {
      check.violations.push_back(std::move(violation));
    }
  }
  return check;
}

}  // namespace ombrel::testing::layers
