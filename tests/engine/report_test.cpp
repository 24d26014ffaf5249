#include <gtest/gtest.h>

#include <algorithm>

#include "helpers.h"
#include "prover.h"

namespace tolvern {
namespace {

using Lines = std::vector<std::string>;

TEST(Report, RightJustifyPadsToFourAndNeverCuts) {
  EXPECT_EQ(RightJustify("5"), "   5");
  EXPECT_EQ(RightJustify("-"), "   -");
  EXPECT_EQ(RightJustify("123"), " 123");
  EXPECT_EQ(RightJustify("1234"), "1234");
  EXPECT_EQ(RightJustify("123456"), "123456");
  EXPECT_EQ(RightJustify(""), "    ");
}

TEST(Report, RepetitionBlockOfTheTenChangeTouch) {
  // Rows 1243 1234 1243 1234 1243 1423 1432 1423 4123 4132: 1243 three times,
  // 1234 and 1423 twice, three rows once.
  const auto pages = testing::ProveText("4 BELLS\nT = +12.12.12.12.12.14.12.12.34.12\nCONFLICT =\n");
  EXPECT_EQ(pages.proof, (Lines{"ROUNDS found after 2 changes", "ROUNDS found after 4 changes",
                                "10 rows ending in 4132", "Touch is False in 4 rows", "",
                                "Some changes were repeated:  (Max number repetitions of a single change = 2)", "",
                                "  Number of different changes rung     = 6",
                                "  Number changes rung at least 2 times = 3",
                                "  Number changes rung at least 3 times = 1"}));
  EXPECT_EQ(pages.compatible, (Lines{"10 rows ending in 4132", "Touch is False in 4 rows"}));
  EXPECT_EQ(pages.progress, (Lines{"ROUNDS found after 2 changes", "ROUNDS found after 4 changes",
                                   "Conflicting rows were found", "Number changes generated=10"}));
}

TEST(Report, OnlyTheLastRowRepeated) {
  // Rows 2143, 1234, 1243, 1234: rounds reached twice.
  const auto pages = testing::ProveText("4 BELLS\nT = +xx12.12\nCONFLICT =\n");
  EXPECT_EQ(pages.proof, (Lines{"ROUNDS found after 2 changes", "4 rows ending in 1234", "Touch is False in 1 rows",
                                "", "Some changes were repeated:  (Max number repetitions of a single change = 1)",
                                "", "  Number of different changes rung     = 3",
                                "  Number changes rung at least 2 times = 1"}));
}

TEST(Report, NoRepeatsNoBlockAndNoChangesCountZero) {
  const auto none = testing::ProveText("4 BELLS\nT = \"nothing rung\"\n");
  EXPECT_EQ(none.proof, (Lines{"nothing rung", "0 rows ending in 1234", "Touch is True"}));
  EXPECT_EQ(none.progress.back(), "Number changes generated=0");

  // A true extent on four bells: every row once, rounds last.
  const auto extent = testing::ProveText("4 BELLS\nT = 3*L\nL = +x14x14x14x12\nCONFLICT =\n");
  EXPECT_EQ(extent.proof, (Lines{"24 rows ending in 1234", "Touch is True"}));
}

TEST(Report, SectionsInOrderAfterTheVerdict) {
  // Two plain courses of Plain Bob Minor: every row twice, then music, then
  // the leads.
  const auto pages = testing::ProveText("6 BELLS\nT = 10*P\nP = \"[PB]\", &x16x16x16,+12\nCONFLICT =\n");
  const auto at = [&](const std::string& line) {
    return std::find(pages.proof.begin(), pages.proof.end(), line) - pages.proof.begin();
  };
  const long verdict = at("Touch is False in 60 rows");
  const long block = at("Some changes were repeated:  (Max number repetitions of a single change = 1)");
  const long music = at("Touch contains:");
  const long leads = at("NumberLeads=10");
  const long size = static_cast<long>(pages.proof.size());
  EXPECT_EQ(at("ROUNDS found after 60 changes"), 0);
  EXPECT_EQ(at("120 rows ending in 123456"), 1);
  EXPECT_EQ(verdict, 2);
  EXPECT_EQ(block, 4);
  EXPECT_EQ(pages.proof[6], "  Number of different changes rung     = 60");
  EXPECT_EQ(pages.proof[7], "  Number changes rung at least 2 times = 60");
  EXPECT_EQ(music, 10);  // after two empty lines
  EXPECT_LT(music, leads);
  EXPECT_LT(leads, size);
  EXPECT_EQ(pages.proof[static_cast<size_t>(leads) + 3], "[PB]  10 leads   120 changes");
  EXPECT_EQ(pages.proof.back(), "0 change of method");
  // Nothing of the report reaches the compatible page.
  EXPECT_EQ(pages.compatible.size(), 10u + 2u);
  EXPECT_EQ(pages.progress, (Lines{"ROUNDS found after 60 changes", "Conflicting rows were found",
                                   "Number changes generated=120"}));
}

TEST(Report, RowEventHaltLeavesTheBlockOutWhateverTheTallies) {
  // The 61st row repeats the first: it is tallied as rung twice, but CONFLICT
  // halts the touch, so there is no block (and no music section, MUSIC being
  // empty).
  const auto halted = testing::ProveText(
      "6 BELLS\nT = 10*P\nP = &x16x16x16,+12\nCONFLICT = \"again #\", \"$$\"\nMUSIC =\n");
  EXPECT_EQ(halted.proof, (Lines{"ROUNDS found after 60 changes", "again 61", ""}));
  EXPECT_EQ(halted.compatible, (Lines{"again 61", ""}));
  EXPECT_EQ(halted.progress, (Lines{"ROUNDS found after 60 changes", "Number changes generated=61"}));
  EXPECT_EQ(halted.result.duplicates, 1);
}

}  // namespace
}  // namespace tolvern
