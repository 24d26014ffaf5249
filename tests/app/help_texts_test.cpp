#include "help_texts.h"

#include <gtest/gtest.h>

#include <QStringList>

#include <algorithm>
#include <string>
#include <vector>

#include "engine.h"
#include "version.h"

namespace tolvern::app {
namespace {

QStringList LinesOf(const QString& text) { return text.split('\n'); }

TEST(HelpTexts, PredefinedNamesBox) {
  const QStringList expected = {
      "The following names are pre-defined as defaults:",
      "",
      "\tTRUE\t= \"# rows ending in @\", \"Touch is True$$\"",
      "\tNOTROUND\t= \"# rows ending in @\", \"Is this okay?\"",
      "\tFALSE\t= \"# rows ending in @\", \"Touch is False in $ rows\"",
      "\tCONFLICT\t= \"# rows ending in @\", \"Touch not completed due to False row$$\"",
      "\tROUNDS\t=",
      "\tEVERYROW\t=",
      "\tMUSIC\t= \"DEFAULT\"",
      "",
      "also, you can set:\tMUSIC = \"DEFAULT\",\"7890s\"\tto list music \"off the front\" in Royal",
      "and, you can set:\tCONFLICT =\tto \"prove\" 1440s, etc. of Minor",
      "",
      "Also, a comma at the end of an input line indicates a continuation onto the next line",
  };
  EXPECT_EQ(LinesOf(PredefinedNamesText()), expected);
}

TEST(HelpTexts, SpecialPrintableCharactersBox) {
  const QStringList expected = {
      "The following symbols in text strings have a special meaning:",
      "",
      "\t@\tDisplays the curent change",
      "\t#\tDisplays the number of changes so far",
      "\t$\tDisplay the number of duplicated changes found so far",
      "\t\\\tDisplays the following character, even if it is a @ # $ or \\",
      "\t\tIt is also used just before the closing quote to suppress the usual line feed",
      "\t$$\tHalts further processing of the input file",
      "\t_\tTurns on/off underlining from this point onwards on this output line",
      "",
      "\t[METHOD]\tDefines the current change as first in the next lead of METHOD",
  };
  EXPECT_EQ(LinesOf(SpecialCharactersText()), expected);
}

TEST(HelpTexts, AboutNamesTheProgramVersionAndMonthFirst) {
  const QStringList lines = LinesOf(AboutText());
  EXPECT_EQ(lines.first(), "TOLVERN  version " TOLVERN_VERSION "  December 2026");
  EXPECT_TRUE(lines.contains("\t- running microSIRIL to check that both give the same results"));
}

TEST(HelpTexts, ExampleIsATrue5040ThatComesRound) {
  std::vector<std::string> lines;
  for (const QString& line : LinesOf(ExampleText())) lines.push_back(line.toStdString());
  ASSERT_EQ(lines.back(), "END");

  Engine engine;
  LineList proof, compatible, progress;
  engine.Outputs.ProofOutput = &proof;
  engine.Outputs.CompatibleOutput = &compatible;
  engine.Outputs.ProgressOutput = &progress;
  std::vector<std::string> warnings;
  engine.Outputs.ShowWarning = [&](const std::string& text) { warnings.push_back(text); };
  const RunResult result = engine.RunProof(lines);

  EXPECT_TRUE(warnings.empty()) << warnings.front();
  EXPECT_EQ(result.errors, 0);
  EXPECT_EQ(result.outcome, ProofOutcome::RoundsFound);
  EXPECT_EQ(result.changes, 5040);
  EXPECT_EQ(result.duplicates, 0);
  EXPECT_EQ(progress.lines, (std::vector<std::string>{"Rounds were found", "Number changes generated=5040"}));
  EXPECT_NE(std::find(proof.lines.begin(), proof.lines.end(), "Touch is True"), proof.lines.end());
  EXPECT_NE(std::find(proof.lines.begin(), proof.lines.end(), "[StMary]  123 leads   2460 changes"), proof.lines.end());
  EXPECT_NE(std::find(proof.lines.begin(), proof.lines.end(), "[StMichael]  129 leads   2580 changes"),
            proof.lines.end());
}

}  // namespace
}  // namespace tolvern::app
