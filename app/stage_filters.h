// The fourteen file filters, one per stage with a file type of its own, then
// Other SIRIL and All, numbered from 1 as the Open menu and the file dialogs
// number them.
#pragma once

#include <QString>
#include <QStringList>
#include <array>

#include "stages.h"

namespace tolvern::app {

inline constexpr int OtherSirilFilter = static_cast<int>(StagesWithFiles) + 1;
inline constexpr int AllFilter = OtherSirilFilter + 1;
inline constexpr int FilterCount = AllFilter;

// The names of the items under File > Open, filter by filter.
inline constexpr std::array<const char*, FilterCount> OpenItemNames = {
    "Doubles2", "Minor2",     "Triples2",  "Major2",     "Caters2",   "Royal2",      "Cinques1",
    "Maximus2", "Sextuples1", "Fourteen1", "Septuples1", "Sixteen1",  "OtherSIRIL1", "All1"};

// The caption of a filter's item under File > Open: "Major", "Other SIRIL", "All".
QString FilterCaption(int filter);
// The extension of a filter other than All, without its dot: "maj", "sir".
QString FilterExtension(int filter);
// As the dialogs list it: "Major (*.maj)".
QStringList StageFilterNames();
// The filter whose extension a file has (letter case aside); All for others.
int StageFilterOf(const QString& path);

}  // namespace tolvern::app
