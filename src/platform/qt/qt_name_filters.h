// Turns the common dialog's filter ("desc|pattern|desc|pattern...") into the
// name filters of Qt's file dialog ("desc (pattern)").
#pragma once

#include <string>

#include <QStringList>

namespace ombrel {

// "Envelope Files|*.env|All Files|*.*" gives "Envelope Files (*.env)" and
// "All Files (*)": patterns joined by ";" become blank-separated, and "*.*"
// means every file, as it does in the common dialog. A description without a
// pattern is dropped.
QStringList QtNameFilters(const std::string& filter);

// The suffix Qt appends to a typed name without one: "*.env" and ".env" give
// "env"; "" and "*.*" give nothing.
QString QtDefaultSuffix(const std::string& defaultExt);

}  // namespace ombrel
