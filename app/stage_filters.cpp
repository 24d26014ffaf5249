#include "stage_filters.h"

namespace tolvern::app {

namespace {

QString Latin1(std::string_view text) { return QString::fromLatin1(text.data(), static_cast<qsizetype>(text.size())); }

}  // namespace

QString FilterExtension(int filter) {
  return Latin1(filter == OtherSirilFilter ? OtherSirilExtension : StageWithFile(static_cast<size_t>(filter - 1)).extension);
}

QString FilterCaption(int filter) {
  if (filter == AllFilter) return QStringLiteral("All");
  if (filter == OtherSirilFilter) return Latin1(OtherSirilName);
  return Latin1(StageWithFile(static_cast<size_t>(filter - 1)).name);
}

QStringList StageFilterNames() {
  QStringList names;
  for (int filter = 1; filter < AllFilter; ++filter)
    names << FilterCaption(filter) + QStringLiteral(" (*.") + FilterExtension(filter) + QLatin1Char(')');
  names << QStringLiteral("All (*.*)");
  return names;
}

int StageFilterOf(const QString& path) {
  for (int filter = 1; filter < AllFilter; ++filter)
    if (path.endsWith(QLatin1Char('.') + FilterExtension(filter), Qt::CaseInsensitive)) return filter;
  return AllFilter;
}

}  // namespace tolvern::app
