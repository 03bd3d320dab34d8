// The Open and Save As dialogs, shown through services' Ui. Both return the
// chosen path, or "" when the user cancelled.
#pragma once

#include <string>

namespace ombrel {

struct EngineServices;

std::string FindFile(const EngineServices& services, const std::string& FileType, const std::string& cdlFilter,
                     const std::string& cdlExt, const std::string& cdlDir,
                     const std::string& fileSpec);

std::string SaveFile(const EngineServices& services, const std::string& FileType, const std::string& cdlFilter,
                     const std::string& cdlExt, const std::string& cdlDir,
                     const std::string& fileSpec);

}  // namespace ombrel
