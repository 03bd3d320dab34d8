// The name parts of a path as the file-system service gives them, and the
// rule for a plain file name: pure text work on "/"-separated paths, the file
// system is not asked.
#pragma once

#include <cstddef>
#include <string>
#include <string_view>

namespace ombrel {

// "/a/b/c.txt" -> "/a/b"; "/a" -> "/"; "/" and "c.txt" -> "". Trailing "/" ignored.
std::string ParentFolderName(const std::string& path);
// "/a/b/c.txt" -> "c.txt"; "/a/b/" -> "b"; "/" -> "".
std::string FileNamePart(const std::string& path);
// The file name without its last extension: "a.b.txt" -> "a.b".
std::string BaseNamePart(const std::string& path);
// The file name's last extension without the dot: "a.b.txt" -> "txt"; "" when none.
std::string ExtensionPart(const std::string& path);
// name inside folder (not empty): "/a" or "/a/" and "b" -> "/a/b".
std::string InFolder(const std::string& folder, const std::string& name);

// The longest file name, in bytes, that the file systems the program runs on
// take.
inline constexpr std::size_t kMaxFileNameBytes = 255;

// True when name can only mean a file directly inside a folder, and a file can
// have it: not empty, no "/", "\" or NUL, not "." or "..", at most
// kMaxFileNameBytes bytes. A name an envelope or an order gives must pass
// before it is joined to a folder, or it could reach outside that folder. The
// backslash is refused too: the programs that write envelopes and orders
// separate folders with it.
bool IsPlainFileName(std::string_view name);

}  // namespace ombrel
