#include <gtest/gtest.h>

#include "helpers.h"
#include "row_register.h"

namespace tolvern {
namespace {

using Lines = std::vector<std::string>;

// One lead on four bells: x 14 x 14 x 14 x 12. Its rows are 2143 2413 4231
// 4321 3412 3142 1324 1342; the lead heads of the course are 1342, 1423, 1234.
const std::string FourBellLead = "LEAD = +x14x14x14x12\n";

TEST(Truth, ThreeLeadsComeRoundTrue) {
  const auto pages = testing::ProveText("4 BELLS\nTOUCH = 3*LEAD\n" + FourBellLead);
  EXPECT_EQ(pages.proof, (Lines{"24 rows ending in 1234", "Touch is True"}));
  EXPECT_EQ(pages.compatible, (Lines{"24 rows ending in 1234", "Touch is True"}));
  EXPECT_EQ(pages.progress, (Lines{"Rounds were found", "Number changes generated=24"}));
  EXPECT_EQ(pages.result.outcome, ProofOutcome::RoundsFound);
  EXPECT_EQ(pages.result.changes, 24);
  EXPECT_EQ(pages.result.duplicates, 0);
}

TEST(Truth, FourLeadsHaltAtTheFirstRepeatedRow) {
  // Rounds after 24 changes; the 25th row, 2143, repeats the first.
  const auto pages = testing::ProveText("4 BELLS\nTOUCH = 4*LEAD\n" + FourBellLead);
  EXPECT_EQ(pages.proof, (Lines{"ROUNDS found after 24 changes", "25 rows ending in 2143",
                                "Touch not completed due to False row"}));
  EXPECT_EQ(pages.compatible, (Lines{"25 rows ending in 2143", "Touch not completed due to False row"}));
  // CONFLICT halted the row away from rounds: no verdict line at all.
  EXPECT_EQ(pages.progress, (Lines{"ROUNDS found after 24 changes", "Number changes generated=25"}));
  EXPECT_EQ(pages.result.outcome, ProofOutcome::HaltedAtRow);
  EXPECT_EQ(pages.result.changes, 25);
  EXPECT_EQ(pages.result.duplicates, 1);
}

TEST(Truth, FourLeadsWithConflictEmptyAreFalseInEightRows) {
  const auto pages = testing::ProveText("4 BELLS\nTOUCH = 4*LEAD\n" + FourBellLead + "CONFLICT =\n");
  EXPECT_EQ(pages.proof, (Lines{"ROUNDS found after 24 changes", "32 rows ending in 1342", "Touch is False in 8 rows",
                                "",
                                "Some changes were repeated:  (Max number repetitions of a single change = 1)", "",
                                "  Number of different changes rung     = 24",
                                "  Number changes rung at least 2 times = 8"}));
  EXPECT_EQ(pages.compatible, (Lines{"32 rows ending in 1342", "Touch is False in 8 rows"}));
  EXPECT_EQ(pages.progress, (Lines{"ROUNDS found after 24 changes", "Conflicting rows were found",
                                   "Number changes generated=32"}));
  EXPECT_EQ(pages.result.outcome, ProofOutcome::Conflicting);
  EXPECT_EQ(pages.result.duplicates, 8);
}

TEST(Truth, VerdictsForNoChangeAndForATouchShortOfRounds) {
  const auto none = testing::ProveText("4 BELLS\nT = \"start\"\n");
  EXPECT_EQ(none.proof, (Lines{"start", "0 rows ending in 1234", "Touch is True"}));
  EXPECT_EQ(none.progress, (Lines{"Rounds were found", "Number changes generated=0"}));

  const auto shortTouch = testing::ProveText("4 BELLS\nT = 2*LEAD\n" + FourBellLead);
  EXPECT_EQ(shortTouch.proof, (Lines{"16 rows ending in 1423", "Is this okay?"}));
  EXPECT_EQ(shortTouch.compatible, shortTouch.proof);
  EXPECT_EQ(shortTouch.progress,
            (Lines{"Rounds were NOT found as last change of composition", "Number changes generated=16"}));
  EXPECT_EQ(shortTouch.result.outcome, ProofOutcome::NotRound);
}

TEST(Truth, SecondRoundsIsARepeatAndHaltsBeforeTheRoundsTest) {
  // Rows 2143, 1234, 1243, 1234: the second rounds is the first repeat.
  const auto pages = testing::ProveText("4 BELLS\nT = +xx12.12\n");
  EXPECT_EQ(pages.proof, (Lines{"ROUNDS found after 2 changes", "4 rows ending in 1234",
                                "Touch not completed due to False row"}));
  // AtRounds stayed false, so not even "Rounds were found" is written.
  EXPECT_EQ(pages.progress, (Lines{"ROUNDS found after 2 changes", "Number changes generated=4"}));
  EXPECT_EQ(pages.result.outcome, ProofOutcome::HaltedAtRow);
}

TEST(Truth, PerRowOrderIsConflictThenRoundsThenEveryRow) {
  // Rows 2143, 1234, 2143; CONFLICT does not halt here.
  const auto pages = testing::ProveText(
      "4 BELLS\nT = +xxx\nCONFLICT = \"C@ #\"\nROUNDS = \"R@ #\"\nEVERYROW = \"E@ #\"\n");
  EXPECT_EQ(pages.proof, (Lines{"E2143 1", "R1234 2", "E1234 2", "ROUNDS found after 2 changes", "C2143 3", "E2143 3",
                                "3 rows ending in 2143", "Touch is False in 1 rows", "",
                                "Some changes were repeated:  (Max number repetitions of a single change = 1)", "",
                                "  Number of different changes rung     = 2",
                                "  Number changes rung at least 2 times = 1"}));
  EXPECT_EQ(pages.compatible, (Lines{"E2143 1", "R1234 2", "E1234 2", "C2143 3", "E2143 3", "3 rows ending in 2143",
                                     "Touch is False in 1 rows"}));
}

TEST(Truth, HaltFromTheCompositionKeepsTheVerdict) {
  // Not a row event: the full verdict follows, and with it the repetition block.
  const auto own = testing::ProveText("4 BELLS\nT = +x, \"stop$$\", +x\n");
  EXPECT_EQ(own.proof, (Lines{"stop", "1 rows ending in 2143", "Is this okay?"}));
  EXPECT_EQ(own.progress,
            (Lines{"Rounds were NOT found as last change of composition", "Number changes generated=1"}));

  const auto afterRepeat =
      testing::ProveText("4 BELLS\nT = +xxx, X, +x\nX = \"end$$\"\nCONFLICT = \"dup at #\"\n");
  EXPECT_EQ(afterRepeat.proof, (Lines{"ROUNDS found after 2 changes", "dup at 3", "end", "3 rows ending in 2143",
                                      "Touch is False in 1 rows", "",
                                      "Some changes were repeated:  (Max number repetitions of a single change = 1)",
                                      "", "  Number of different changes rung     = 2",
                                      "  Number changes rung at least 2 times = 1"}));
  EXPECT_EQ(afterRepeat.progress, (Lines{"ROUNDS found after 2 changes", "Conflicting rows were found",
                                         "Number changes generated=3"}));
  EXPECT_EQ(afterRepeat.result.outcome, ProofOutcome::Conflicting);
}

TEST(Truth, HaltFromConflictRoundsOrEveryRowIsARowEvent) {
  // The same touch, halted inside CONFLICT: no verdict and no repetition block.
  const auto conflict = testing::ProveText("4 BELLS\nT = +xxx, \"end$$\", +x\nCONFLICT = \"dup at #$$\"\n");
  EXPECT_EQ(conflict.proof, (Lines{"ROUNDS found after 2 changes", "dup at 3"}));
  EXPECT_EQ(conflict.compatible, (Lines{"dup at 3"}));
  EXPECT_EQ(conflict.progress, (Lines{"ROUNDS found after 2 changes", "Number changes generated=3"}));
  EXPECT_EQ(conflict.result.outcome, ProofOutcome::HaltedAtRow);

  // ROUNDS halting at rounds: the verdict is the single line "Rounds were found".
  const auto rounds = testing::ProveText("4 BELLS\nT = 4*LEAD\n" + FourBellLead + "ROUNDS = \"round at #$$\"\n");
  EXPECT_EQ(rounds.proof, (Lines{"round at 24"}));
  EXPECT_EQ(rounds.compatible, (Lines{"round at 24"}));
  EXPECT_EQ(rounds.progress, (Lines{"Rounds were found", "Number changes generated=24"}));
  EXPECT_EQ(rounds.result.outcome, ProofOutcome::RoundsFound);

  // EVERYROW halting away from rounds: nothing at all.
  const auto everyRow = testing::ProveText("4 BELLS\nT = 3*LEAD\n" + FourBellLead + "EVERYROW = (\"row #\", \"@$$\")\n");
  EXPECT_EQ(everyRow.proof, (Lines{"row 1", "2143"}));
  EXPECT_EQ(everyRow.progress, (Lines{"Number changes generated=1"}));
  EXPECT_EQ(everyRow.result.outcome, ProofOutcome::HaltedAtRow);

  // Rows 2143, 2413, 2143, 1234 with CONFLICT empty: a row was repeated, but
  // ROUNDS halted the touch, so neither FALSE nor the repetition block appears.
  const auto afterRepeats = testing::ProveText("4 BELLS\nT = +x14.14x\nCONFLICT =\nROUNDS = \"R$$\"\n");
  EXPECT_EQ(afterRepeats.proof, (Lines{"R"}));
  EXPECT_EQ(afterRepeats.progress, (Lines{"Rounds were found", "Number changes generated=4"}));
  EXPECT_EQ(afterRepeats.result.duplicates, 1);
  // The verdict line says rounds, but a touch with a repeated row is not true.
  EXPECT_EQ(afterRepeats.result.outcome, ProofOutcome::HaltedAtRow);
}

TEST(Truth, ARowRungThreeHundredTimesStopsTheTallyAtLevelNinetyNine) {
  // 2143 is rung 1 + 99 + 200 = 300 times, 2413 99 times and 2134 200 times.
  const auto pages = testing::ProveText(
      "4 BELLS\nT = +x, 99*L, 200*M\nL = +14.14\nM = +12.12\nCONFLICT =\n");
  EXPECT_EQ(pages.result.changes, 599);
  EXPECT_EQ(pages.result.duplicates, 299 + 98 + 199);
  Lines expected = {"599 rows ending in 2143", "Touch is False in 596 rows", "",
                    "Some changes were repeated:  (Max number repetitions of a single change = 299)", "",
                    "  Number of different changes rung     = 3"};
  for (int n = 1; n <= 98; ++n)
    expected.push_back("  Number changes rung at least " + std::to_string(n + 1) + " times = 3");
  expected.push_back("  Number changes rung at least 100 times = 2");
  EXPECT_EQ(pages.proof, expected);
}


TEST(RowRegister, CountsPastThirtyOneBitsMoveAsideAndStayExact) {
  // Two billion ringings of one row take minutes; the counts are set instead.
  RowRegister table;
  const uint64_t row = 0x0123456789ABCDEFULL;
  const uint64_t half = uint64_t{1} << 31;
  table.SetCounts(row, half - 1, 5);
  EXPECT_EQ(table.Ring(row, RowRegister::EvenChange), half + 4);
  EXPECT_EQ(table.Ring(row, RowRegister::EvenChange), half + 5);
  EXPECT_EQ(table.Ring(row, RowRegister::OddChange), half + 6);
  table.SetCounts(2, uint64_t{5} << 32, 0);
  EXPECT_EQ(table.Ring(2, RowRegister::OddChange), uint64_t{5} << 32);
  // Growing the table keeps every count.
  for (uint64_t other = 3; other < 5000; ++other) EXPECT_EQ(table.Ring(other, RowRegister::OddChange), 0u);
  EXPECT_EQ(table.Ring(row, RowRegister::OddChange), half + 7);
  uint64_t seen = 0;
  table.ForEachSlot([&](uint64_t r, uint64_t even, uint64_t odd) {
    if (r == row) {
      EXPECT_EQ(even, half + 1);
      EXPECT_EQ(odd, 7u);
    } else if (r == 2) {
      EXPECT_EQ(even, uint64_t{5} << 32);
      EXPECT_EQ(odd, 1u);
    } else if (r != 0) {
      EXPECT_EQ(even + odd, 1u);
    }
    if (r != 0) ++seen;
  });
  EXPECT_EQ(seen, 4999u);
  EXPECT_EQ(table.DistinctRows(), 4999u);
  table.Clear();
  EXPECT_EQ(table.Ring(row, RowRegister::EvenChange), 0u);
}

TEST(RowRegister, MadeSmallWhenAskedGrowsAtOnceToTheExpectedSize) {
  // A touch a window may stop starts with a small table; once that fills it
  // grows straight to the size the whole touch needs, keeping every row.
  RowRegister table;
  table.Clear(1000000, 1000);
  const size_t small = table.CapacityBytes();
  RowRegister full;
  full.Clear(1000000);
  EXPECT_LT(small * 64, full.CapacityBytes());
  for (uint64_t row = 1; row <= 2000; ++row) EXPECT_EQ(table.Ring(row, RowRegister::EvenChange), 0u);
  EXPECT_EQ(table.CapacityBytes(), full.CapacityBytes());
  EXPECT_EQ(table.DistinctRows(), 2000u);
  EXPECT_EQ(table.Ring(1, RowRegister::OddChange), 1u);
}

}  // namespace
}  // namespace tolvern
