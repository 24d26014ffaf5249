// The fourteen file filters, one per stage, numbered from 1 as the Open menu
// and the file dialogs number them.
#pragma once

#include <QString>
#include <QStringList>
#include <array>

namespace tolvern::app {

struct StageFilter {
  const char* name;     // as the dialogs list it
  const char* pattern;  // "*.maj"
  const char* caption;  // the item under File > Open
  const char* item;     // the item's name
};

inline constexpr std::array<StageFilter, 14> StageFilters = {{
    {"Doubles (*.dou)", "*.dou", "Doubles", "Doubles2"},
    {"Minor (*.min)", "*.min", "Minor", "Minor2"},
    {"Triples (*.tri)", "*.tri", "Triples", "Triples2"},
    {"Major (*.maj)", "*.maj", "Major", "Major2"},
    {"Caters (*.cat)", "*.cat", "Caters", "Caters2"},
    {"Royal (*.roy)", "*.roy", "Royal", "Royal2"},
    {"Cinques (*.cin)", "*.cin", "Cinques", "Cinques1"},
    {"Maximus (*.max)", "*.max", "Maximus", "Maximus2"},
    {"Sextuples (*.sex)", "*.sex", "Sextuples", "Sextuples1"},
    {"Fourteen (*.fou)", "*.fou", "Fourteen", "Fourteen1"},
    {"Septuples (*.sep)", "*.sep", "Septuples", "Septuples1"},
    {"Sixteen (*.six)", "*.six", "Sixteen", "Sixteen1"},
    {"Other SIRIL (*.sir)", "*.sir", "Other SIRIL", "OtherSIRIL1"},
    {"All (*.*)", "*.*", "All", "All1"},
}};

inline constexpr int OtherSirilFilter = 13;
inline constexpr int AllFilter = 14;

inline QStringList StageFilterNames() {
  QStringList names;
  for (const StageFilter& filter : StageFilters) names << QString::fromLatin1(filter.name);
  return names;
}

// The filter whose extension a file has (letter case aside); All for others.
inline int StageFilterOf(const QString& path) {
  for (int i = 0; i < OtherSirilFilter; ++i) {
    const QString extension = QString::fromLatin1(StageFilters[i].pattern).mid(1);
    if (path.endsWith(extension, Qt::CaseInsensitive)) return i + 1;
  }
  return AllFilter;
}

}  // namespace tolvern::app
