#include <gtest/gtest.h>

#include <algorithm>
#include <array>
#include <map>

#include "helpers.h"
#include "music.h"

namespace tolvern {
namespace {

using Lines = std::vector<std::string>;

const std::string MusicWarning = "WARNING invalid character found in a \"MUSIC=\" statement";

// The lines of the music section, from its heading to the end of the page
// (the tests below write no lead section).
Lines MusicSection(const Lines& proof) {
  const auto at = std::find(proof.begin(), proof.end(), "Touch contains:");
  if (at == proof.end()) return {};
  return Lines(at, proof.end());
}

std::string Heading(int stage) { return std::string(static_cast<size_t>(stage), ' ') + "     Odd     Even      Total"; }

std::string Line(const std::string& label, int odd, int even) {
  const auto field = [](int n) {
    std::string text = std::to_string(n);
    return std::string(text.size() < 4 ? 4 - text.size() : 0, ' ') + text;
  };
  return label + " = " + field(odd) + "  +  " + field(even) + "    =  " + field(odd + even);
}

TEST(Music, EightBellDefaultListInOrderThenCru) {
  // Rows 12436578, 12345678, 12436578, 12345678, 21436587, 12345678: the
  // 6578 row on changes 1 and 3 (odd), rounds on changes 2, 4 and 6 (even),
  // rounds at the end included.
  const auto pages = testing::ProveText("8 BELLS\nT = +1278.1278.1278.1278xx\nCONFLICT =\n");
  EXPECT_EQ(pages.proof, (Lines{"ROUNDS found after 2 changes",
                                "ROUNDS found after 4 changes",
                                "6 rows ending in 12345678",
                                "Touch is False in 3 rows",
                                "",
                                "Some changes were repeated:  (Max number repetitions of a single change = 2)",
                                "",
                                "  Number of different changes rung     = 3",
                                "  Number changes rung at least 2 times = 2",
                                "  Number changes rung at least 3 times = 1",
                                "",
                                "",
                                "Touch contains:",
                                "",
                                "             Odd     Even      Total",
                                "",
                                "xxxx5678 =    0  +     3    =     3",
                                "xxxx6578 =    2  +     0    =     2",
                                "xxxx4678 =    0  +     0    =     0",
                                "xxxx6478 =    0  +     0    =     0",
                                "xxxx4578 =    0  +     0    =     0",
                                "xxxx5478 =    0  +     0    =     0",
                                "13572468 =    0  +     0    =     0",
                                "12753468 =    0  +     0    =     0",
                                "15263748 =    0  +     0    =     0",
                                "75312468 =    0  +     0    =     0",
                                "",
                                "CRU      =    2  +     3    =     5"}));
  // Music goes to the proof page only.
  EXPECT_EQ(pages.compatible, (Lines{"6 rows ending in 12345678", "Touch is False in 3 rows"}));
}

TEST(Music, ColumnsOfTheHeadingEndOneRightOfTheNumbers) {
  const auto pages = testing::ProveText("8 BELLS\nT = +xx\n");
  const Lines section = MusicSection(pages.proof);
  ASSERT_GE(section.size(), 4u);
  const std::string& heading = section[2];
  const std::string& row = section[4];
  EXPECT_EQ(row, "xxxx5678 =    0  +     1    =     1");  // rounds at the end, change 2
  // The last digit of each number sits one column left of the heading's end.
  EXPECT_EQ(heading.find("Odd") + 2, row.find(" = ") + 3 + 4);
  EXPECT_EQ(heading.find("Even") + 3, row.find("  +  ") + 5 + 4);
  EXPECT_EQ(heading.find("Total") + 4, row.find("    =  ") + 7 + 4);
  EXPECT_EQ(heading.find("Total") + 5, row.size() + 1);
  // Numbers of more than four digits are written whole.
  EXPECT_EQ(Line("x", 12345, 0), "x = 12345  +     0    =  12345");
}

TEST(Music, SixBellsVoidTheKingsRowThatRepeatsWhittingtons) {
  // Rows 214365 (odd; 65 behind is the second CRU pattern on six bells) and
  // rounds (even).
  const auto pages = testing::ProveText("6 BELLS\nT = +xx\n");
  EXPECT_EQ(MusicSection(pages.proof), (Lines{"Touch contains:",
                                              "",
                                              Heading(6),
                                              "",
                                              "xxxx56 =    0  +     1    =     1",
                                              "xxxx65 =    1  +     0    =     1",
                                              "xxxx46 =    0  +     0    =     0",
                                              "xxxx64 =    0  +     0    =     0",
                                              "xxxx45 =    0  +     0    =     0",
                                              "xxxx54 =    0  +     0    =     0",
                                              "135246 =    0  +     0    =     0",
                                              "531246 =    0  +     0    =     0",
                                              "142536 =    0  +     0    =     0",
                                              "",
                                              "CRU    =    1  +     1    =     2"}));
}

TEST(Music, TenBellsWithDefaultAndCombinations) {
  // Nine changes bring 7890 to the front:
  // 1234576890 1234758690 1237485960 1273849506 1728394056
  // 7182930465 7819203465 7891023465 7890123465 (change 9, odd).
  const auto pages = testing::ProveText(
      "10 BELLS\nT = +12345890.123490.1230.12.10x1890.127890.12367890\nMUSIC = \"DEFAULT\", \"7890s\"\n");
  ASSERT_TRUE(pages.warnings.empty());
  EXPECT_EQ(pages.proof[0], "9 rows ending in 7890123465");
  Lines expected = {"Touch contains:", "", Heading(10), ""};
  for (const char* label : {"xxxx567890", "xxxx657890", "xxxx467890", "xxxx647890", "xxxx457890", "xxxx547890",
                            "1357924680", "3124975680", "1627384950", "9753124680"})
    expected.push_back(Line(label, 0, 0));
  for (const char* front : {"7890", "7809", "7980", "7908", "7089", "7098", "8790", "8709", "8970", "8907", "8079",
                            "8097", "9780", "9708", "9870", "9807", "9078", "9087", "0789", "0798", "0879", "0897",
                            "0978", "0987"})
    expected.push_back(Line(std::string(front) + "xxxxxx", front == std::string("7890") ? 1 : 0, 0));
  expected.push_back("");
  expected.push_back(Line("CRU       ", 0, 0));
  expected.push_back("");
  expected.push_back(Line("Comb 7890s", 1, 0));
  EXPECT_EQ(MusicSection(pages.proof), expected);
  EXPECT_EQ(expected.size(), 4u + 34u + 4u);

  // The letter O stands for the bell 0 in the keyword too.
  const auto letterO = testing::ProveText("10 BELLS\nT = +xx\nMUSIC = \"789os\"\n");
  EXPECT_TRUE(letterO.warnings.empty());
  EXPECT_EQ(MusicSection(letterO.proof).back(), Line("Comb 7890s", 0, 0));
  EXPECT_EQ(MusicSection(letterO.proof).size(), 4u + 24u + 2u);  // no CRU line without DEFAULT
}

TEST(Music, CombinationKeywordOnEightBellsIsABadPattern) {
  const auto pages = testing::ProveText("8 BELLS\nT = +xx\nMUSIC = \"7890s\"\n");
  EXPECT_EQ(pages.proof[0], MusicWarning);
  EXPECT_EQ(pages.proof[1], "        ...Definition of change ignored [s]");
  EXPECT_EQ(pages.warnings, Lines{MusicWarning + "\r...Definition of change ignored [s]"});
  // No pattern was added, so there is no music section.
  EXPECT_EQ(pages.proof, (Lines{pages.proof[0], pages.proof[1], "2 rows ending in 12345678", "Touch is True"}));
}

TEST(Music, PatternsAreAlignedAtTheFrontOrTheBack) {
  // Rows 21436587 (odd) and 12345678 (even).
  const auto pages = testing::ProveText(
      "8 BELLS\nT = +xx\nMUSIC = \"?2468\", \"8765?\", \"-5678\", \"?678\", \"2143?\", \"12\"\n");
  EXPECT_EQ(MusicSection(pages.proof), (Lines{"Touch contains:", "", Heading(8), "",
                                              Line("xxxx2468", 0, 0), Line("8765xxxx", 0, 0),
                                              Line("x5678xxx", 0, 0), Line("xxxxx678", 0, 1),
                                              Line("2143xxxx", 1, 0), Line("12xxxxxx", 0, 1)}));
  EXPECT_TRUE(pages.warnings.empty());
}

TEST(Music, KeywordAndBellLettersIgnoreCase) {
  const auto lower = testing::ProveText("8 BELLS\nT = +xx\nMUSIC = \"default\"\n");
  const auto mixed = testing::ProveText("8 BELLS\nT = +xx\nMUSIC = \"Default\"\n");
  const auto standard = testing::ProveText("8 BELLS\nT = +xx\n");
  EXPECT_EQ(MusicSection(lower.proof), MusicSection(standard.proof));
  EXPECT_EQ(MusicSection(mixed.proof), MusicSection(standard.proof));
  EXPECT_EQ(MusicSection(standard.proof).size(), 4u + 10u + 2u);

  // "ET" and "et" are the same pattern (printed once); "O" and "o" the bell 0.
  const auto letters = testing::ProveText("12 BELLS\nT = +xx\nMUSIC = \"ET?\", \"et?\", \"?O\", \"?o\", \"?0ET\"\n");
  EXPECT_TRUE(letters.warnings.empty());
  EXPECT_EQ(MusicSection(letters.proof),
            (Lines{"Touch contains:", "", Heading(12), "", Line("ETxxxxxxxxxx", 0, 0),
                   Line("xxxxxxxxxxx0", 0, 0), Line("xxxxxxxxx0ET", 0, 1)}));

  // Only the first o, e and t are bells; a second o is a bad character.
  const auto twice = testing::ProveText("12 BELLS\nT = +xx\nMUSIC = \"?oo\"\n");
  EXPECT_EQ(twice.warnings, Lines{MusicWarning + "\r...Definition of change ignored [o]"});

  // Bells are case-exact after those rules: an upper-case A is an a, a lower
  // case x no bell at all.
  const auto other = testing::ProveText("16 BELLS\nT = +xx\nMUSIC = \"?ABCD\", \"?abcx\"\n", [] {
    RunOptions options;
    options.MaxNumberBells = 16;
    return options;
  }());
  EXPECT_EQ(other.warnings, Lines{MusicWarning + "\r...Definition of change ignored [x]"});
  EXPECT_EQ(MusicSection(other.proof).back(), Line("xxxxxxxxxxxxabcd", 0, 1));
}

TEST(Music, BellsAboveTheStageAndLongPatterns) {
  // 9 on eight bells is a bell: accepted, and it never matches. A pattern
  // longer than the stage is cut without its tail being looked at.
  const auto pages = testing::ProveText("8 BELLS\nT = +xx\nMUSIC = \"9\", \"?9\", \"12345678xyz\"\n");
  EXPECT_TRUE(pages.warnings.empty());
  const Lines section = MusicSection(pages.proof);
  EXPECT_EQ(Lines(section.begin() + 4, section.end()),
            (Lines{Line("9xxxxxxx", 0, 0), Line("xxxxxxx9", 0, 0), Line("12345678", 0, 1)}));
}

TEST(Music, DuplicatePatternsArePrintedOnce) {
  // "?5678" is the first CRU pattern: voided, but still counted in CRU once.
  const auto pages = testing::ProveText("8 BELLS\nT = +xx\nMUSIC = \"?78\", \"------78\", \"DEFAULT\", \"?5678\"\n");
  const Lines section = MusicSection(pages.proof);
  EXPECT_EQ(Lines(section.begin() + 4, section.end()),
            (Lines{Line("xxxxxx78", 0, 1), Line("xxxx5678", 0, 1), Line("xxxx6578", 0, 0), Line("xxxx4678", 0, 0),
                   Line("xxxx6478", 0, 0), Line("xxxx4578", 0, 0), Line("xxxx5478", 0, 0), Line("13572468", 0, 0),
                   Line("12753468", 0, 0), Line("15263748", 0, 0), Line("75312468", 0, 0), "",
                   Line("CRU     ", 0, 1)}));
}

TEST(Music, UserPatternEqualToCruCountsInTheCruTotalOnlyWithDefault) {
  const auto pages = testing::ProveText("8 BELLS\nT = +xx\nMUSIC = \"?5678\"\n");
  const Lines section = MusicSection(pages.proof);
  EXPECT_EQ(Lines(section.begin() + 4, section.end()), (Lines{Line("xxxx5678", 0, 1)}));
}

TEST(Music, NestedBlocksAreWalkedAndEmptyPatternsSkipped) {
  const auto pages = testing::ProveText("8 BELLS\nT = +xx\nMUSIC = (\"?78\", (\"\", \"12?\")), \"\"\n");
  EXPECT_TRUE(pages.warnings.empty());
  const Lines section = MusicSection(pages.proof);
  EXPECT_EQ(Lines(section.begin() + 4, section.end()), (Lines{Line("xxxxxx78", 0, 1), Line("12xxxxxx", 0, 1)}));

  // A MUSIC with nothing in it writes no section.
  const auto empty = testing::ProveText("8 BELLS\nT = +xx\nMUSIC =\n");
  EXPECT_TRUE(MusicSection(empty.proof).empty());
}

TEST(Music, RowHaltedByConflictIsNotMatched) {
  // Rows 214365, 123456, 124365, 123456: the fourth repeats rounds.
  const std::string touch = "6 BELLS\nT = +xx12.12\nMUSIC = \"123456\"\n";
  const auto halted = testing::ProveText(touch);
  EXPECT_EQ(halted.proof, (Lines{"ROUNDS found after 2 changes", "4 rows ending in 123456",
                                 "Touch not completed due to False row", "", "", "Touch contains:", "",
                                 Heading(6), "", Line("123456", 0, 1)}));
  const auto counted = testing::ProveText(touch + "CONFLICT =\n");
  EXPECT_EQ(MusicSection(counted.proof).back(), Line("123456", 0, 2));
}

TEST(Music, ShowMusicOffAndFewerThanSixBells) {
  RunOptions off;
  off.ShowMusic = false;
  const auto hidden = testing::ProveText("8 BELLS\nT = +xx\nMUSIC = \"?78\", \"zz\"\n", off);
  // The table is still built: its warning shows.
  EXPECT_EQ(hidden.proof, (Lines{MusicWarning, "        ...Definition of change ignored [z]",
                                 "2 rows ending in 12345678", "Touch is True"}));

  // On five bells MUSIC is not even looked at.
  const auto five = testing::ProveText("5 BELLS\nT = +3\nMUSIC = \"zz\"\n");
  EXPECT_TRUE(five.warnings.empty());
  EXPECT_EQ(five.proof, (Lines{"1 rows ending in 21354", "Is this okay?"}));
}

TEST(Music, MoreThanTwoHundredPatternsAreAllKept) {
  // 250 different three-bell patterns at the front, one a line.
  std::string music = "MUSIC = ";
  Lines labels;
  int made = 0;
  for (char a = '1'; a <= '8' && made < 250; ++a)
    for (char b = '1'; b <= '8' && made < 250; ++b)
      for (char c = '1'; c <= '8' && made < 250; ++c, ++made) {
        music += std::string(made ? ",\n\"" : "\"") + a + b + c + "\"";
        labels.push_back(std::string{a, b, c} + "xxxxx");
      }
  const auto pages = testing::ProveText("8 BELLS\nT = +xx\n" + music + "\n");
  const Lines section = MusicSection(pages.proof);
  ASSERT_EQ(section.size(), 4u + 250u);
  for (size_t i = 0; i < labels.size(); ++i) {
    const int even = labels[i] == "123xxxxx" ? 1 : 0;  // rounds
    const int odd = labels[i] == "214xxxxx" ? 1 : 0;   // 21436587
    EXPECT_EQ(section[4 + i], Line(labels[i], odd, even));
  }
}

TEST(Music, DefaultRowsForEveryStage) {
  EXPECT_EQ(QueensRow(6), "135246");
  EXPECT_EQ(KingsRow(7), "7531246");
  EXPECT_EQ(WhittingtonsRow(11), "531246E9780");
  EXPECT_EQ(TittumsRow(13), "1829304E5T6a7");
  EXPECT_EQ(QueensRow(16), "13579Eac24680Tbd");
  for (int stage = 6; stage <= 16; ++stage) {
    EXPECT_EQ(QueensRow(stage).size(), static_cast<size_t>(stage));
    EXPECT_EQ(WhittingtonsRow(stage).size(), static_cast<size_t>(stage));
    EXPECT_EQ(TittumsRow(stage).size(), static_cast<size_t>(stage));
    EXPECT_EQ(KingsRow(stage).size(), static_cast<size_t>(stage));
  }
}


TEST(Music, ManyRowsRungOftenAreCountedExactly) {
  // Five thousand changes on ten bells and back again, rung three times: the
  // rows are rung over and over, and with patterns that fix no place in
  // common any row may be music, so the report reads the whole register back.
  // The rows are counted here the plain way, one at a time.
  constexpr int stage = 10;
  uint64_t state = 11;
  std::vector<std::string> changes;
  for (int c = 0; c < 5000; ++c) {
    std::string places;
    for (int p = 1; p <= stage;) {
      state = state * 6364136223846793005ULL + 1442695040888963407ULL;
      if (p == stage || (state >> 40) % 2 == 0) {
        places += std::string_view("1234567890")[static_cast<size_t>(p - 1)];
        p += 1;
      } else {
        p += 2;
      }
    }
    changes.push_back(places);
  }
  const std::vector<std::string> there = changes;
  changes.insert(changes.end(), there.rbegin(), there.rend());
  std::string notation = "+";
  for (size_t i = 0; i < changes.size(); ++i) notation.append(i ? "." : "").append(changes[i].empty() ? "x" : changes[i]);

  std::map<std::string, std::pair<int, int>> rung;  // row -> (odd, even)
  std::string row = "1234567890";
  int change = 0;
  for (int pass = 0; pass < 3; ++pass)
    for (const std::string& places : changes) {
      for (int p = 1; p < stage;) {
        if (places.find(std::string_view("1234567890")[static_cast<size_t>(p - 1)]) != std::string::npos) {
          p += 1;
        } else {
          std::swap(row[static_cast<size_t>(p - 1)], row[static_cast<size_t>(p)]);
          p += 2;
        }
      }
      ++change;
      (change % 2 ? rung[row].first : rung[row].second) += 1;
    }
  int leadOdd = 0, leadEven = 0, backOdd = 0, backEven = 0, most = 0;
  std::array<int, 100> atLeast{};
  for (const auto& [r, counts] : rung) {
    const int times = counts.first + counts.second;
    most = std::max(most, times);
    for (int n = 1; n < 100 && n < times; ++n) ++atLeast[static_cast<size_t>(n)];
    if (r[0] == '1') leadOdd += counts.first, leadEven += counts.second;
    if (r[9] == '0') backOdd += counts.first, backEven += counts.second;
  }

  RunOptions options;
  const auto pages = testing::ProveText(
      "10 BELLS\nT = 3 A\nA = " + notation + "\nCONFLICT =\nMUSIC = \"1\", \"?0\"\n", options);
  ASSERT_EQ(pages.result.changes, 30000);
  EXPECT_TRUE(testing::Contains(pages.proof, "Some changes were repeated:  (Max number repetitions of a single change = " +
                                                 std::to_string(most - 1) + ")"));
  EXPECT_TRUE(testing::Contains(pages.proof, "  Number of different changes rung     = " + std::to_string(rung.size())));
  for (int n = 1; n < 100 && n < most; ++n)
    EXPECT_TRUE(testing::Contains(pages.proof, "  Number changes rung at least " + std::to_string(n + 1) +
                                                   " times = " + std::to_string(atLeast[static_cast<size_t>(n)])))
        << n;
  const Lines music = MusicSection(pages.proof);
  EXPECT_TRUE(testing::Contains(music, Line("1xxxxxxxxx", leadOdd, leadEven)));
  EXPECT_TRUE(testing::Contains(music, Line("xxxxxxxxx0", backOdd, backEven)));
}

}  // namespace
}  // namespace tolvern
