#include <gtest/gtest.h>

#include <algorithm>

#include "helpers.h"

namespace tolvern {
namespace {

using Lines = std::vector<std::string>;

RunOptions NoMusic() {
  RunOptions options;
  options.ShowMusic = false;
  return options;
}

// The lead section: from the two empty lines before "NumberLeads=" to the end.
Lines LeadSection(const Lines& proof) {
  const auto at = std::find_if(proof.begin(), proof.end(),
                               [](const std::string& line) { return line.rfind("NumberLeads=", 0) == 0; });
  if (at == proof.end() || at - proof.begin() < 2) return {};
  return Lines(at - 2, proof.end());
}

// Plain Bob Minor, one lead: x16x16x16x16x16x12. Its lead head from rounds is
// 135264, so its lead heads in the plain course are 123456, 135264, 156342,
// 164523, 142635.
const std::string PlainBobLead = "&x16x16x16,+12";

// One lead on four bells (8 changes) taking rounds to 1342.
const std::string FourBellLead = "L = +x14x14x14x12\n";

TEST(Leads, PlainBobCourseOnSixBells) {
  const auto pages = testing::ProveText("6 BELLS\nT = 5*P\nP = \"[PB]\", " + PlainBobLead + "\n", NoMusic());
  EXPECT_EQ(pages.proof, (Lines{"60 rows ending in 123456",
                                "Touch is True",
                                "",
                                "",
                                "NumberLeads=5",
                                "",
                                "",
                                "[PB]  5 leads   60 changes",
                                "",
                                "      1pb 2pb 3pb 4pb 5pb 6pb",
                                "  1:   5   -   -   -   -   -",
                                "  2:   -   1   1   1   1   1",
                                "  3:   -   1   1   1   1   1",
                                "  4:   -   1   1   1   1   1",
                                "  5:   -   1   1   1   1   1",
                                "  6:   -   1   1   1   1   1",
                                "",
                                "0 change of method"}));
  EXPECT_EQ(pages.compatible,
            (Lines{"[PB]", "[PB]", "[PB]", "[PB]", "[PB]", "60 rows ending in 123456", "Touch is True"}));
}

TEST(Leads, MarkersDifferingOnlyInCaseAreOneMethod) {
  const std::string methods = "A = \"[StMary]\", " + PlainBobLead + "\nB = \"[STMARY]\", " + PlainBobLead + "\n";
  // Printed under the most recent marker's text.
  const auto lastUpper = testing::ProveText("6 BELLS\nT = A, B\n" + methods, NoMusic());
  EXPECT_EQ(LeadSection(lastUpper.proof), (Lines{"",
                                                 "",
                                                 "NumberLeads=2",
                                                 "",
                                                 "",
                                                 "[STMARY]  2 leads   24 changes",
                                                 "",
                                                 "      1pb 2pb 3pb 4pb 5pb 6pb",
                                                 "  1:   2   -   -   -   -   -",
                                                 "  2:   -   1   -   1   -   -",
                                                 "  3:   -   1   1   -   -   -",
                                                 "  4:   -   -   -   1   -   1",
                                                 "  5:   -   -   1   -   1   -",
                                                 "  6:   -   -   -   -   1   1",
                                                 "",
                                                 "0 change of method"}));

  const auto lastMixed = testing::ProveText("6 BELLS\nT = A, B, A, B, A\n" + methods, NoMusic());
  const Lines section = LeadSection(lastMixed.proof);
  ASSERT_EQ(section.size(), 16u);
  EXPECT_EQ(section[2], "NumberLeads=5");
  EXPECT_EQ(section[5], "[StMary]  5 leads   60 changes");
  EXPECT_EQ(section[15], "0 change of method");
}

TEST(Leads, AlternatingMethodsMakeTwoGroupsAndCountEverySwitch) {
  // [A] is a Plain Bob lead, [B] the two changes x and 16. Lead heads:
  // [A] 123456, [B] 135264, [A] 321456, [B] 315264; the last lead is [B].
  const auto pages = testing::ProveText("6 BELLS\nT = A, B, A, B\nA = \"[A]\", " + PlainBobLead +
                                            "\nB = \"[B]\", +x16\nCONFLICT =\n",
                                        NoMusic());
  EXPECT_EQ(LeadSection(pages.proof), (Lines{"",
                                             "",
                                             "NumberLeads=4",
                                             "",
                                             "",
                                             "[B]  2 leads   4 changes",
                                             "",
                                             "      1pb 2pb 3pb 4pb 5pb 6pb",
                                             "  1:   1   1   -   -   -   -",
                                             "  2:   -   -   -   2   -   -",
                                             "  3:   1   1   -   -   -   -",
                                             "  4:   -   -   -   -   -   2",
                                             "  5:   -   -   2   -   -   -",
                                             "  6:   -   -   -   -   2   -",
                                             "",
                                             "",
                                             "[A]  2 leads   24 changes",
                                             "",
                                             "      1pb 2pb 3pb 4pb 5pb 6pb",
                                             "  1:   1   -   1   -   -   -",
                                             "  2:   -   2   -   -   -   -",
                                             "  3:   1   -   1   -   -   -",
                                             "  4:   -   -   -   2   -   -",
                                             "  5:   -   -   -   -   2   -",
                                             "  6:   -   -   -   -   -   2",
                                             "",
                                             "3 changes of method"}));
  // The touch ends in rounds: 315264 with x gives 132546, then 16 gives 123456.
  EXPECT_EQ(pages.result.changes, 28);

  // One switch only: "1 change of method", without the s.
  const auto once = testing::ProveText("6 BELLS\nT = A, B\nA = \"[A]\", " + PlainBobLead +
                                           "\nB = \"[B]\", +x16\n",
                                       NoMusic());
  EXPECT_EQ(LeadSection(once.proof).back(), "1 change of method");
}

TEST(Leads, MarkerWithACountAfterChangesOutsideAnyLead) {
  // The first lead's 8 changes come before any marker and belong to no lead;
  // both markers then stand at 1342, the first with 0 changes.
  const auto pages = testing::ProveText("4 BELLS\nT = L, 2\"[A]\", L\n" + FourBellLead);
  EXPECT_EQ(LeadSection(pages.proof), (Lines{"",
                                             "",
                                             "NumberLeads=2",
                                             "",
                                             "",
                                             "[A]  2 leads   8 changes",
                                             "",
                                             "      1pb 2pb 3pb 4pb",
                                             "  1:   2   -   -   -",
                                             "  2:   -   -   -   2",
                                             "  3:   -   2   -   -",
                                             "  4:   -   -   2   -",
                                             "",
                                             "0 change of method"}));
  EXPECT_EQ(pages.compatible, (Lines{"[A]", "[A]", "16 rows ending in 1423", "Is this okay?"}));
}

TEST(Leads, MarkerAsTheLastElementMakesALeadOfNoChanges) {
  const auto pages = testing::ProveText("4 BELLS\nT = \"[A]\", L, \"[A]\"\n" + FourBellLead);
  EXPECT_EQ(LeadSection(pages.proof), (Lines{"",
                                             "",
                                             "NumberLeads=2",
                                             "",
                                             "",
                                             "[A]  2 leads   8 changes",
                                             "",
                                             "      1pb 2pb 3pb 4pb",
                                             "  1:   2   -   -   -",
                                             "  2:   -   1   -   1",
                                             "  3:   -   1   1   -",
                                             "  4:   -   -   1   1",
                                             "",
                                             "0 change of method"}));
}

TEST(Leads, OneLeadOnly) {
  const auto pages = testing::ProveText("4 BELLS\nT = \"[A]\", L\n" + FourBellLead);
  EXPECT_EQ(pages.proof, (Lines{"8 rows ending in 1342",
                                "Is this okay?",
                                "",
                                "",
                                "NumberLeads=1",
                                "",
                                "",
                                "[A]  1 lead   8 changes",
                                "",
                                "      1pb 2pb 3pb 4pb",
                                "  1:   1   -   -   -",
                                "  2:   -   1   -   -",
                                "  3:   -   -   1   -",
                                "  4:   -   -   -   1",
                                "",
                                "0 change of method"}));
}

TEST(Leads, ConsecutiveMarkersOfDifferentCaseAndOfDifferentNames) {
  // No change between the markers: each is a lead of its own.
  const auto caseOnly = testing::ProveText("4 BELLS\nT = \"[a]\", \"[A]\", L\n" + FourBellLead);
  EXPECT_EQ(LeadSection(caseOnly.proof)[5], "[A]  2 leads   8 changes");
  EXPECT_EQ(LeadSection(caseOnly.proof).back(), "0 change of method");

  const auto names = testing::ProveText("4 BELLS\nT = \"[B]\", \"[A]\", L\n" + FourBellLead);
  const Lines section = LeadSection(names.proof);
  EXPECT_EQ(section[5], "[A]  1 lead   8 changes");
  EXPECT_EQ(section[14], "[B]  1 lead   0 changes");
  EXPECT_EQ(section.back(), "1 change of method");
}

TEST(Leads, ManyRepeatedMarkersAndWideCounts) {
  // Counts wider than four characters are written whole.
  const auto pages = testing::ProveText("4 BELLS\nT = 100000\"[A]\"\n");
  EXPECT_EQ(pages.compatible.size(), 100000u + 2u);
  EXPECT_EQ(LeadSection(pages.proof), (Lines{"",
                                             "",
                                             "NumberLeads=100000",
                                             "",
                                             "",
                                             "[A]  100000 leads   0 changes",
                                             "",
                                             "      1pb 2pb 3pb 4pb",
                                             "  1:100000   -   -   -",
                                             "  2:   -100000   -   -",
                                             "  3:   -   -100000   -",
                                             "  4:   -   -   -100000",
                                             "",
                                             "0 change of method"}));
}

TEST(Leads, NoSectionWithoutMarkersOrWithTheOptionOff) {
  const auto none = testing::ProveText("4 BELLS\nT = 3*L\n" + FourBellLead);
  EXPECT_EQ(none.proof, (Lines{"24 rows ending in 1234", "Touch is True"}));

  RunOptions off;
  off.ShowWorkDone = false;
  const auto hidden = testing::ProveText("6 BELLS\nT = 5*P\nP = \"[PB]\", " + PlainBobLead + "\n", off);
  EXPECT_TRUE(LeadSection(hidden.proof).empty());
  EXPECT_FALSE(testing::Contains(hidden.proof, "0 change of method"));
  // The markers still reach the compatible page.
  EXPECT_EQ(std::count(hidden.compatible.begin(), hidden.compatible.end(), "[PB]"), 5);
}

}  // namespace
}  // namespace tolvern
