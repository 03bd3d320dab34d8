// The Open and Save As dialogs. Both return the chosen path, or "" when the
// user cancelled.
#pragma once

#include <string>

namespace ombrel {

std::string FindFile(const std::string& FileType, const std::string& cdlFilter,
                     const std::string& cdlExt, const std::string& cdlDir,
                     const std::string& fileSpec);

std::string SaveFile(const std::string& FileType, const std::string& cdlFilter,
                     const std::string& cdlExt, const std::string& cdlDir,
                     const std::string& fileSpec);

}  // namespace ombrel
