#include "platform/qt/qt_name_filters.h"

namespace ombrel {

QStringList QtNameFilters(const std::string& filter) {
  QStringList result;
  const QStringList parts = QString::fromStdString(filter).split(QLatin1Char('|'));
  for (qsizetype i = 0; i + 1 < parts.size(); i += 2) {
    QStringList patterns;
    for (const QString& pattern : parts[i + 1].split(QLatin1Char(';'), Qt::SkipEmptyParts)) {
      const QString trimmed = pattern.trimmed();
      patterns << (trimmed == QLatin1String("*.*") ? QStringLiteral("*") : trimmed);
    }
    if (patterns.isEmpty()) continue;
    result << parts[i] + QStringLiteral(" (") + patterns.join(QLatin1Char(' ')) +
                  QLatin1Char(')');
  }
  return result;
}

QString QtDefaultSuffix(const std::string& defaultExt) {
  QString suffix = QString::fromStdString(defaultExt).trimmed();
  if (suffix.startsWith(QLatin1Char('*'))) suffix.remove(0, 1);
  if (suffix.startsWith(QLatin1Char('.'))) suffix.remove(0, 1);
  if (suffix.contains(QLatin1Char('*')) || suffix.contains(QLatin1Char('?'))) return {};
  return suffix;
}

}  // namespace ombrel
