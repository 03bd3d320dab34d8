// The name parts of a path as the file-system service gives them: pure text
// work on "/"-separated paths, the file system is not asked.
#pragma once

#include <string>

namespace ombrel {

// "/a/b/c.txt" -> "/a/b"; "/a" -> "/"; "/" and "c.txt" -> "". Trailing "/" ignored.
std::string ParentFolderName(const std::string& path);
// "/a/b/c.txt" -> "c.txt"; "/a/b/" -> "b"; "/" -> "".
std::string FileNamePart(const std::string& path);
// The file name without its last extension: "a.b.txt" -> "a.b".
std::string BaseNamePart(const std::string& path);
// The file name's last extension without the dot: "a.b.txt" -> "txt"; "" when none.
std::string ExtensionPart(const std::string& path);

}  // namespace ombrel
