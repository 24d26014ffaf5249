// The texts of the four help boxes. Lines are separated by '\n'; tabs line up
// the columns. Shown as plain text, so an ampersand is written once.
#pragma once

#include <QString>

namespace tolvern::app {

QString AboutText();
QString PredefinedNamesText();
QString SpecialCharactersText();
// A complete composition that proves true and comes round.
QString ExampleText();

}  // namespace tolvern::app
