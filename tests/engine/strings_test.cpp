#include <gtest/gtest.h>

#include "helpers.h"

namespace tolvern {
namespace {

using Lines = std::vector<std::string>;

TEST(Strings, EmptyStringWritesAnEmptyLineOnBothPages) {
  const auto pages = testing::ProveText("4 BELLS\nT = \"\", \"next\"\n");
  EXPECT_EQ(pages.proof, (Lines{"", "next", "0 rows ending in 1234", "Touch is True"}));
  EXPECT_EQ(pages.compatible, pages.proof);
}

TEST(Strings, RowAndCountsAreThoseOfTheMoment) {
  // Between two changes: the row made by the first, the count including it.
  const auto pages = testing::ProveText("4 BELLS\nT = +x, \"@ # $\", +x, \"@ # $\", +x, \"@ # $\"\nCONFLICT =\n");
  EXPECT_EQ(pages.compatible, (Lines{"2143 1 0", "1234 2 0", "2143 3 1", "3 rows ending in 2143",
                                     "Touch is False in 1 rows"}));
}

TEST(Strings, BackslashAtTheEndKeepsTheLineOpen) {
  const auto next = testing::ProveText("4 BELLS\nT = \"ab\\\", \"cd\", \"ef\"\n");
  EXPECT_EQ(next.proof, (Lines{"abcd", "ef", "0 rows ending in 1234", "Touch is True"}));
  EXPECT_EQ(next.compatible, next.proof);

  // The open line runs on into the first string of the verdict.
  const auto verdict = testing::ProveText("4 BELLS\nT = +x, \"open \\\"\n");
  EXPECT_EQ(verdict.proof, (Lines{"open 1 rows ending in 2143", "Is this okay?"}));
  EXPECT_EQ(verdict.compatible, verdict.proof);

  // With nothing printed after it, the end-of-run flush writes it.
  const auto flushed = testing::ProveText("4 BELLS\nT = +x, \"open\\\"\nNOTROUND =\n");
  EXPECT_EQ(flushed.proof, (Lines{"open"}));
  EXPECT_EQ(flushed.compatible, (Lines{"open"}));
  EXPECT_EQ(flushed.progress,
            (Lines{"Rounds were NOT found as last change of composition", "Number changes generated=1"}));

  // An escaped backslash before the quote prints one backslash and still
  // keeps the line open.
  const auto escaped = testing::ProveText("4 BELLS\nT = \"ab\\\\\", \"cd\"\n");
  EXPECT_EQ(escaped.proof, (Lines{"ab\\cd", "0 rows ending in 1234", "Touch is True"}));
}

TEST(Strings, LinesWrittenDirectlyComeBeforeThePendingText) {
  // The ROUNDS line of the third change goes out while "open" waits.
  const auto pages = testing::ProveText("4 BELLS\nT = +xx, \"open\\\", +12\n");
  EXPECT_EQ(pages.proof, (Lines{"ROUNDS found after 2 changes", "open3 rows ending in 1243", "Is this okay?"}));
  EXPECT_EQ(pages.compatible, (Lines{"open3 rows ending in 1243", "Is this okay?"}));
}

TEST(Strings, DoubleDollarAtTheEndHalts) {
  // The text before "$$" is written; the change after it is never rung.
  const auto pages = testing::ProveText("4 BELLS\nT = \"before #$$\", +x\n");
  EXPECT_EQ(pages.proof, (Lines{"before 0", "0 rows ending in 1234", "Touch is True"}));
  EXPECT_EQ(pages.compatible, pages.proof);
  EXPECT_EQ(pages.result.changes, 0);

  // A halt inside a referenced definition stops the whole composition.
  const auto nested = testing::ProveText("4 BELLS\nT = +x, X, +x\nX = Y\nY = \"stop\", \"$$\", \"never\"\n");
  EXPECT_EQ(nested.proof, (Lines{"stop", "", "1 rows ending in 2143", "Is this okay?"}));
  EXPECT_EQ(nested.result.changes, 1);
}

TEST(Strings, DollarsAwayFromTheEndPrintTheRepeatCount) {
  // Rows 2143, 1234, 2143: one repeat.
  const std::string touch = "4 BELLS\nT = +xxx, ";
  const std::string conflictEmpty = "\nCONFLICT =\n";
  const auto three = testing::ProveText(touch + "\"$$$\", \"never\"" + conflictEmpty);
  EXPECT_EQ(three.compatible, (Lines{"1", "3 rows ending in 2143", "Touch is False in 1 rows"}));

  const auto middle = testing::ProveText(touch + "\"a$$b$\"" + conflictEmpty);
  EXPECT_EQ(middle.compatible, (Lines{"a11b1", "3 rows ending in 2143", "Touch is False in 1 rows"}));

  // The escaped dollar is the second last character, but it was taken by the
  // escape: the last one prints the count and nothing halts.
  const auto escaped = testing::ProveText(touch + "\"\\$$\", \"more\"" + conflictEmpty);
  EXPECT_EQ(escaped.compatible, (Lines{"$1", "more", "3 rows ending in 2143", "Touch is False in 1 rows"}));
}

TEST(Strings, EscapesPrintTheCharacterItself) {
  const auto pages = testing::ProveText("4 BELLS\nT = +x, \"\\@\\#\\$\\_\\\\\\q\\x @\"\n");
  EXPECT_EQ(pages.proof, (Lines{"@#$_\\qx 2143", "1 rows ending in 2143", "Is this okay?"}));
  EXPECT_EQ(pages.compatible, pages.proof);
}

TEST(Strings, UnderscoreIsTheUnderlineMarkerOnTheProofPageOnly) {
  const auto pages = testing::ProveText("4 BELLS\nT = \"_title_ and a_b\"\n");
  EXPECT_EQ(pages.proof, (Lines{"\"_title\"_ and a\"_b", "0 rows ending in 1234", "Touch is True"}));
  EXPECT_EQ(pages.compatible, (Lines{"_title_ and a_b", "0 rows ending in 1234", "Touch is True"}));
}

TEST(Strings, RepeatedStringPrintsEachTime) {
  const auto pages = testing::ProveText("4 BELLS\nT = 3\"x#\", +x, 2\"y@\"\n");
  EXPECT_EQ(pages.proof, (Lines{"x0", "x0", "x0", "y2143", "y2143", "1 rows ending in 2143", "Is this okay?"}));
}

}  // namespace
}  // namespace tolvern
