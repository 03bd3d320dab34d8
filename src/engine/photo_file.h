// Finds the image file that an order names in the picture folder. The order
// programs wrote their file names on a system whose file names ignore letter
// case, so a file whose name differs from the order's only in letter case is
// the one meant.
#pragma once

#include <string>

namespace ombrel {

// The full path of the readable file in pixFolder (which ends in "/") that
// fileName names: pixFolder + fileName when that can be read, else the file
// of the folder whose name differs only in letter case (the first in byte
// order when there are several). "" when there is none, and for a fileName
// that is not a plain file name, so an order cannot reach outside the folder.
std::string FindPhotoFile(const std::string& pixFolder, const std::string& fileName);

}  // namespace ombrel
