#include "help_texts.h"

#include <QStringList>

#include "version.h"

namespace tolvern::app {

namespace {

QString Lines(const QStringList& lines) { return lines.join(QLatin1Char('\n')); }

}  // namespace

QString AboutText() {
  return Lines({
      QStringLiteral("TOLVERN  version " TOLVERN_VERSION "  December 2026"),
      QString(),
      QStringLiteral("Beyond what microSIRIL does, TOLVERN offers:"),
      QStringLiteral("\t- better error diagnostics"),
      QStringLiteral("\t- up to 16 bells"),
      QStringLiteral("\t- proving touches such as 1440s of Minor, where rows are meant to repeat"),
      QStringLiteral("\t- a search for common musical changes, through the MUSIC definition"),
      QStringLiteral("\t- a search for changes off the back or the front, given as patterns"),
      QStringLiteral("\t- a table of the place bells rung in each method, from the bracketed"),
      QStringLiteral("\t  lead-head markers of the method definitions"),
      QStringLiteral("\t- running microSIRIL to check that both give the same results"),
      QString(),
      QStringLiteral("Written by the TOLVERN developers"),
      QStringLiteral("Free to use and share"),
  });
}

QString PredefinedNamesText() {
  return Lines({
      QStringLiteral("The following names are pre-defined as defaults:"),
      QString(),
      QStringLiteral("\tTRUE\t= \"# rows ending in @\", \"Touch is True$$\""),
      QStringLiteral("\tNOTROUND\t= \"# rows ending in @\", \"Is this okay?\""),
      QStringLiteral("\tFALSE\t= \"# rows ending in @\", \"Touch is False in $ rows\""),
      QStringLiteral("\tCONFLICT\t= \"# rows ending in @\", \"Touch not completed due to False row$$\""),
      QStringLiteral("\tROUNDS\t="),
      QStringLiteral("\tEVERYROW\t="),
      QStringLiteral("\tMUSIC\t= \"DEFAULT\""),
      QString(),
      QStringLiteral("also, you can set:\tMUSIC = \"DEFAULT\",\"7890s\"\tto list music \"off the front\" in Royal"),
      QStringLiteral("and, you can set:\tCONFLICT =\tto \"prove\" 1440s, etc. of Minor"),
      QString(),
      QStringLiteral("Also, a comma at the end of an input line indicates a continuation onto the next line"),
  });
}

QString SpecialCharactersText() {
  return Lines({
      QStringLiteral("The following symbols in text strings have a special meaning:"),
      QString(),
      QStringLiteral("\t@\tDisplays the curent change"),
      QStringLiteral("\t#\tDisplays the number of changes so far"),
      QStringLiteral("\t$\tDisplay the number of duplicated changes found so far"),
      QStringLiteral("\t\\\tDisplays the following character, even if it is a @ # $ or \\"),
      QStringLiteral("\t\tIt is also used just before the closing quote to suppress the usual line feed"),
      QStringLiteral("\t$$\tHalts further processing of the input file"),
      QStringLiteral("\t_\tTurns on/off underlining from this point onwards on this output line"),
      QString(),
      QStringLiteral("\t[METHOD]\tDefines the current change as first in the next lead of METHOD"),
  });
}

// Found by a search over sequences of the five course blocks, checked row by
// row. PartA and PartB are 1680 changes each and both end at 1342567890, so the
// peal comes round at 5040. Each lead prints its lead head and method; the mark
// before the row is the call that made it (blank, - or s).
QString ExampleText() {
  return Lines({
      QStringLiteral("/ A 5040 of spliced Royal in two methods, StMary and StMichael"),
      QStringLiteral("10 BELLS"),
      QString(),
      QStringLiteral("Peal = \" \\\", PartA, PartB, PartB, \"@\""),
      QString(),
      QStringLiteral("PartA = C4, C1, C2, C1, C4, C2, C3, C5, 2 C1, C5, 2 C4, C2, 2 C1, C5, C1"),
      QStringLiteral("PartB = C5, C4, C2, C3, C1, C3,"),
      QStringLiteral("        C1, 3 C5, 2 C1, C5, C1,"),
      QStringLiteral("        C5, 2 C1, C4, C5"),
      QString(),
      QStringLiteral("C1 = 3(StMichael, P), StMichael, S"),
      QStringLiteral("C2 = StMary, P, 2(StMichael, P), StMary, P, StMichael, P, StMichael, S"),
      QStringLiteral("C3 = StMary, P, 4(StMichael, P), StMichael, B"),
      QStringLiteral("C4 = 4(StMary, P), StMary, B"),
      QStringLiteral("C5 = 3(StMary, P), StMary, B"),
      QString(),
      QStringLiteral("MUSIC = \"DEFAULT\",\"7890s\"    / and the 7890 combinations off the front"),
      QString(),
      QStringLiteral("P = +12, \" \\\""),
      QStringLiteral("B = +14, \"-\\\""),
      QStringLiteral("S = +1234, \"s\\\""),
      QString(),
      QStringLiteral("StMary    = \"@ StMary\", \"[StMary]\", &x14x36x58x70x10"),
      QStringLiteral("StMichael = \"@ StMichael\", \"[StMichael]\", &x14x16x18x10x10"),
      QStringLiteral("END"),
  });
}

}  // namespace tolvern::app
