// Whether two files hold the same bytes: how a document that an interrupted
// run left under its name is told from a different file that must not be
// touched.
#pragma once

#include <string>

namespace ombrel {

// True when path names a regular file (not followed through a symbolic
// link) whose bytes are exactly those of the open file fd. False on any
// failure to read either.
bool SameContents(int fd, const std::string& path);

// The same for two paths.
bool SameContents(const std::string& first, const std::string& second);

}  // namespace ombrel
