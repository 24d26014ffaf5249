// Texts nobody should write but anybody may paste: each ends in an error line,
// a warning or an orderly stop, never a crash or a hang. Every case is quick
// in a Release build.
#include <gtest/gtest.h>

#include <algorithm>
#include <cstdio>
#include <set>
#include <string>
#include <string_view>
#include <vector>

#include "helpers.h"

namespace tolvern {
namespace {

using Lines = std::vector<std::string>;

const std::string NullFileDetail =
    "      ... If microSIRIL compatibility is not needed then increase to 16 bells in TOLVERN.INI [Null file]";
const std::string StageHeader = "The first line in the method description should be 4-12 BELLS.";
const std::string GateLine = "Errors found; failed to generate composition";
const std::string DepthLine = "Expansion too deep: a definition refers to itself without end";
const std::string IdleLine = "Proof stopped: 2000000 steps of work with no change rung";

bool Has(const Lines& lines, const std::string& line) { return testing::Contains(lines, line); }

long CountOf(const Lines& lines, const std::string& line) { return std::count(lines.begin(), lines.end(), line); }

// Lines that begin with `prefix`.
long CountStarting(const Lines& lines, const std::string& prefix) {
  return std::count_if(lines.begin(), lines.end(), [&](const std::string& l) { return l.rfind(prefix, 0) == 0; });
}

void ExpectRefusedWith(const testing::Pages& pages, const std::string& line) {
  EXPECT_EQ(pages.result.outcome, ProofOutcome::Refused);
  EXPECT_GT(pages.result.errors, 0);
  EXPECT_TRUE(Has(pages.proof, line)) << "missing: " << line.substr(0, 200);
  EXPECT_EQ(pages.progress, Lines{GateLine});
}

// Proves with a small limit on work with no change rung, so that floods of
// printed lines stay short; the default limit is tested on silent loops.
struct IdlePages {
  LineList proof, compatible, progress;
  RunResult result;
};
IdlePages ProveWithIdleLimit(const std::string& text, int64_t limit) {
  IdlePages pages;
  Engine engine;
  engine.Outputs.ProofOutput = &pages.proof;
  engine.Outputs.CompatibleOutput = &pages.compatible;
  engine.Outputs.ProgressOutput = &pages.progress;
  engine.Options.MaxIdleWork = limit;
  pages.result = engine.RunProof(SplitLines(text));
  return pages;
}

RunOptions ConflictAllowed(long long maxChanges) {
  RunOptions options;
  options.MaxChanges = maxChanges;
  return options;
}

TEST(Hostile, EmptyAndWhitespaceOnlyTexts) {
  for (const std::string& text : {std::string(), std::string("\n"), std::string("   \n\t\t\n \r\n\r"),
                                 std::string("\v\f \x01\x1F"), std::string(10000, '\n')}) {
    const auto pages = testing::ProveText(text);
    EXPECT_EQ(pages.proof, (Lines{StageHeader, NullFileDetail}));
    EXPECT_EQ(pages.result.outcome, ProofOutcome::Refused);
    EXPECT_EQ(pages.result.errors, 1);
    EXPECT_EQ(pages.progress, Lines{GateLine});
  }
  // Control characters are trimmed only at a line's end; elsewhere the first
  // one is an illegal first character, which hides every later message.
  const auto control = testing::ProveText("\x01 6 BELLS\nA = Q\n");
  EXPECT_EQ(control.proof, (Lines{StageHeader, "      ... Illegal character at start of name [\x01]"}));
  EXPECT_GE(control.result.errors, 99999);
}

TEST(Hostile, NulBytes) {
  using namespace std::string_literals;
  // Trailing control characters are trimmed, so a NUL at a line's end is harmless.
  const auto trailing = testing::ProveText("4 BELLS\0\nA = +x14x14x14x12\0\0\n"s);
  EXPECT_EQ(trailing.result.outcome, ProofOutcome::NotRound);

  // Inside a string it is printed like any other byte.
  const auto inString = testing::ProveText("4 BELLS\nA = \"a\0b\"\nTRUE =\n"s);
  EXPECT_EQ(inString.proof, Lines{"a\0b"s});
  EXPECT_EQ(inString.compatible, Lines{"a\0b"s});

  // Inside a name or notation it is an illegal character.
  ExpectRefusedWith(testing::ProveText("4 BELLS\nA\0B = +x\n"s), "      ... Illegal character in name [A\0]"s);
  ExpectRefusedWith(testing::ProveText("4 BELLS\nA = +x1\0x\n"s), "      ... Additional text found at end of line [\0x]"s);

  // At the very start it is an illegal first character, which hides every later message.
  const auto first = testing::ProveText("\0 4 BELLS\nA = Q\n"s);
  EXPECT_EQ(first.proof, (Lines{StageHeader, "      ... Illegal character at start of name [\0]"s}));
  EXPECT_GE(first.result.errors, 99999);
}

TEST(Hostile, HighBytesInNamesStringsAndNotation) {
  std::string high;
  for (int c = 0x80; c <= 0xFF; ++c) high.push_back(static_cast<char>(c));

  // A string passes every byte through unchanged.
  const auto printed = testing::ProveText("6 BELLS\nA = \"" + high + "\"\nTRUE =\n");
  EXPECT_EQ(printed.proof.front(), high);
  EXPECT_EQ(printed.compatible, Lines{high});
  EXPECT_EQ(printed.result.outcome, ProofOutcome::RoundsFound);

  // So does a lead-head marker, into the lead table.
  const auto marker = testing::ProveText("6 BELLS\nA = \"[" + high + "]\", +x16x16x16x16x16x12\n");
  EXPECT_EQ(marker.compatible.front(), "[" + high + "]");
  EXPECT_TRUE(Has(marker.proof, "[" + high + "]  1 lead   12 changes"));

  for (int c = 0x80; c <= 0xFF; ++c) {
    const std::string b(1, static_cast<char>(c));
    SCOPED_TRACE(c);
    // In a name: the name stops there.
    ExpectRefusedWith(testing::ProveText("6 BELLS\nA = B" + b + "\nB = +x\n"),
                      "      ... Illegal character in name [A = B" + b + "]");
    // At the start of a name.
    ExpectRefusedWith(testing::ProveText("6 BELLS\n" + b + "A = +x\n"),
                      "      ... Illegal character at start of name [" + b + "]");
    // In notation: the notation stops there.
    ExpectRefusedWith(testing::ProveText("6 BELLS\nA = +x1" + b + "6\n"),
                      "      ... Additional text found at end of line [" + b + "6]");
    // In a music pattern: the pattern is left out with a warning.
    const auto music = testing::ProveText("6 BELLS\nA = +x\nMUSIC = \"12" + b + "\"\n");
    EXPECT_EQ(music.result.outcome, ProofOutcome::NotRound);
    EXPECT_TRUE(Has(music.proof, "        ...Definition of change ignored [" + b + "]"));
    EXPECT_EQ(music.warnings.size(), 1u);
  }
}

TEST(Hostile, LinesOfOneMegabyte) {
  const size_t mb = 1 << 20;

  // A comment.
  const auto comment = testing::ProveText("4 BELLS / " + std::string(mb, 'c') + "\nA = +x14x14x14x12 /" +
                                          std::string(mb, '/') + "\n");
  EXPECT_EQ(comment.result.outcome, ProofOutcome::NotRound);
  EXPECT_EQ(comment.result.changes, 8);

  // A string: printed as one line, every "@" a row.
  const auto string = testing::ProveText("4 BELLS\nA = \"" + std::string(mb, '@') + "\"\nTRUE =\n");
  ASSERT_EQ(string.proof.size(), 1u);
  EXPECT_EQ(string.proof[0].size(), 4 * mb);
  EXPECT_EQ(string.proof[0].substr(0, 8), "12341234");

  // A name, defined and used.
  const std::string name(mb, 'N');
  const auto longName = testing::ProveText("4 BELLS\nA = 3 " + name + "\n" + name + " = +x14x14x14x12\n");
  EXPECT_EQ(longName.result.outcome, ProofOutcome::RoundsFound);
  EXPECT_EQ(longName.result.changes, 24);

  // A name that is too long to end well: an illegal character at its end.
  ExpectRefusedWith(testing::ProveText("4 BELLS\nA = " + name + "?\n"), "      ... Illegal character in name [A = " + name + "?]");

  // Notation: a million crosses ring a million changes, the third a repeat.
  const auto crosses = testing::ProveText("4 BELLS\nA = +" + std::string(mb, 'x') + "\n");
  EXPECT_EQ(crosses.result.outcome, ProofOutcome::HaltedAtRow);
  EXPECT_EQ(crosses.result.changes, 3);

  // One change of a million places.
  const auto places = testing::ProveText("4 BELLS\nA = +" + std::string(mb, '1') + "\n");
  EXPECT_EQ(places.result.outcome, ProofOutcome::Refused);
  EXPECT_GT(places.result.errors, 0);

  // A million digits of count.
  const auto digits = testing::ProveText("4 BELLS\nA = " + std::string(mb, '9') + " B\nB = +x\n");
  EXPECT_EQ(digits.result.outcome, ProofOutcome::Refused);
  EXPECT_EQ(digits.result.errors, 1);

  // A million commas and a million stars.
  const auto commas = testing::ProveText("4 BELLS\nA = +x" + std::string(mb, ',') + "\n");
  ExpectRefusedWith(commas, "      ... Illegal character at start of name [,]");
  EXPECT_EQ(commas.result.errors, 1);
  const auto stars = testing::ProveText("4 BELLS\nA = " + std::string(mb, '*') + "\n");
  EXPECT_EQ(stars.result.outcome, ProofOutcome::Refused);
}

TEST(Hostile, TenThousandNestedBrackets) {
  const std::string open(10000, '('), close(10000, ')');
  const auto pages = testing::ProveText("4 BELLS\nA = " + open + "+x14x14x14x12" + close + "\n");
  ExpectRefusedWith(pages, "      ... Brackets nested more than 100 deep");

  // Unbalanced the other way, and unclosed.
  ExpectRefusedWith(testing::ProveText("4 BELLS\nA = +x" + close + "\n"),
                    "      ... Additional text found at end of line [" + close + "]");
  const auto unclosed = testing::ProveText("4 BELLS\nA = " + open + "+x\n");
  EXPECT_EQ(unclosed.result.outcome, ProofOutcome::Refused);

  // Nesting within the limit still proves.
  const std::string open99(99, '('), close99(99, ')');
  const auto deep = testing::ProveText("4 BELLS\nA = 3 " + open99 + "+x14x14x14x12" + close99 + "\n");
  EXPECT_EQ(deep.result.outcome, ProofOutcome::RoundsFound);
  EXPECT_EQ(deep.result.changes, 24);
}

TEST(Hostile, TenThousandDefinitions) {
  // A chain of 10 000 names, each the next, down to a lead of Plain Bob Minor.
  std::string text = "6 BELLS\nT = 5 D1\n";
  for (int k = 1; k < 10000; ++k) text.append("D").append(std::to_string(k)).append(" = D").append(std::to_string(k + 1)).append("\n");
  text += "D10000 = &x16x16x16,+12\n";
  const auto chain = testing::ProveText(text);
  EXPECT_EQ(chain.result.outcome, ProofOutcome::RoundsFound);
  EXPECT_EQ(chain.result.changes, 60);
  EXPECT_EQ(chain.proof.front(), "60 rows ending in 123456");

  // 10 000 names used and none defined: ten messages, then one suppression line.
  std::string uses = "6 BELLS\nT = N1";
  for (int k = 2; k <= 10000; ++k) uses += ", N" + std::to_string(k);
  const auto undefined = testing::ProveText(uses + "\n");
  EXPECT_EQ(undefined.result.errors, 10000);
  EXPECT_EQ(undefined.proof.size(), 21u);
  EXPECT_EQ(undefined.proof[1], "      ... Undefined name in line 2 is [N1]");
  EXPECT_EQ(undefined.proof.back(), "<< Further error messages suppressed >>");

  // 10 000 definitions of one name.
  std::string again = "6 BELLS\nT = +x\n";
  for (int k = 0; k < 10000; ++k) again += "T = +x\n";
  const auto duplicates = testing::ProveText(again);
  EXPECT_EQ(duplicates.result.errors, 10000);
  EXPECT_EQ(duplicates.proof[1], "      ... Duplicate definition of name [T]");
}

TEST(Hostile, CountsAtTheLimitAndBeyond) {
  // The largest count rings until the first repeated row.
  const auto largest = testing::ProveText("4 BELLS\nA = 2147483647 B\nB = +x\n");
  EXPECT_EQ(largest.result.outcome, ProofOutcome::HaltedAtRow);
  EXPECT_EQ(largest.result.changes, 3);
  EXPECT_TRUE(Has(largest.proof, "Touch not completed due to False row"));

  // Two of them, nested, with repeats allowed: the change cap stops it.
  const auto nested = testing::ProveText("4 BELLS\nA = 2147483647 B\nB = 2147483647 +x14\nCONFLICT =\n",
                                         ConflictAllowed(50000));
  EXPECT_EQ(nested.result.outcome, ProofOutcome::Stopped);
  EXPECT_EQ(nested.result.changes, 50000);
  EXPECT_TRUE(Has(nested.progress, "Proof stopped after 50000 changes"));
  EXPECT_EQ(nested.progress.back(), "Number changes generated=50000");

  // One more than the largest is refused, never wrapped into another count;
  // 4294967302 would wrap to 6.
  for (const std::string count : {"2147483648", "4294967302", "99999999999999999999999999", "2 147 483 648"}) {
    SCOPED_TRACE(count);
    const auto pages = testing::ProveText("6 BELLS\nA = " + count + " B\nB = +x\n");
    EXPECT_EQ(pages.result.outcome, ProofOutcome::Refused);
    EXPECT_EQ(pages.result.errors, 1);
    const auto stage = testing::ProveText(count + " BELLS\nA = +x\n");
    EXPECT_EQ(stage.result.outcome, ProofOutcome::Refused);
    EXPECT_TRUE(Has(stage.proof, StageHeader));
  }
  const auto stage = testing::ProveText("2147483647 BELLS\nA = &x1x1,+12\n");
  ExpectRefusedWith(stage, "      ... If microSIRIL compatibility is not needed then increase to 16 bells in "
                           "TOLVERN.INI [2147483647 BELLS]");

  // Counts on things that ring nothing stop in order, by default after two
  // million steps of work with no change rung.
  for (const std::string body : {"2147483647 B\nB = 2147483647 C\nC =", "2147483647 (2147483647 B)\nB = C\nC =",
                                  "2147483647 B\nB ="}) {
    SCOPED_TRACE(body);
    const auto pages = testing::ProveText("6 BELLS\nA = " + body + "\n");
    EXPECT_EQ(pages.result.outcome, ProofOutcome::Stopped);
    EXPECT_EQ(pages.progress, (Lines{IdleLine, "Number changes generated=0"}));
    EXPECT_EQ(pages.proof.front(), IdleLine);
    EXPECT_FALSE(Has(pages.proof, "Touch is True"));
  }
}

TEST(Hostile, RepeatsThatPrintWithoutRingingStop) {
  // Each step counts one, and one more for every 16 characters of text.
  const std::string stop = "Proof stopped: 1000 steps of work with no change rung";
  for (const std::string body : {"2147483647 \"x\"", "2147483647 \"[X]\"", "2147483647 B\nB = \"[X]\", \"[Y]\"",
                                 "2147483647 (2147483647 B)\nB = \"\"", "2147483647 \"x\\\""}) {
    SCOPED_TRACE(body);
    const auto pages = ProveWithIdleLimit("6 BELLS\nA = " + body + "\n", 1000);
    EXPECT_EQ(pages.result.outcome, ProofOutcome::Stopped);
    EXPECT_EQ(pages.progress.lines, (Lines{stop, "Number changes generated=0"}));
    EXPECT_EQ(CountOf(pages.proof.lines, stop), 1);
    EXPECT_LE(pages.compatible.lines.size(), 1001u);
  }
  const auto strings = ProveWithIdleLimit("6 BELLS\nA = 2147483647 \"x\"\n", 1000);
  EXPECT_EQ(CountOf(strings.proof.lines, "x"), 1001);
  // A long string counts for its length: 1 + 160 / 16 = 11 steps a print.
  const auto longer = ProveWithIdleLimit("6 BELLS\nA = 2147483647 \"" + std::string(158, 'y') + "\"\n", 1000);
  EXPECT_EQ(CountOf(longer.proof.lines, std::string(158, 'y')), 91);

  // EVERYROW that prints without end stops at its first row; ringing a
  // change starts the count again.
  const auto everyRow = ProveWithIdleLimit("6 BELLS\nA = 3 +x\nEVERYROW = 2147483647 \"@\"\nCONFLICT =\n", 1000);
  EXPECT_EQ(everyRow.result.outcome, ProofOutcome::Stopped);
  EXPECT_EQ(everyRow.result.changes, 1);
  EXPECT_EQ(CountOf(everyRow.proof.lines, "214365"), 1001);
  const auto once = ProveWithIdleLimit("6 BELLS\nA = 3 +x\nEVERYROW = 900 \"@\"\nCONFLICT =\n", 1000);
  EXPECT_EQ(once.result.outcome, ProofOutcome::Conflicting);
  EXPECT_EQ(once.result.changes, 3);

  // A string of a megabyte printed once is not a flood.
  const auto big = testing::ProveText("6 BELLS\nA = \"" + std::string(1 << 20, 'z') + "\", +x\n");
  EXPECT_EQ(big.result.outcome, ProofOutcome::NotRound);
}

TEST(Hostile, SelfReference) {
  const auto bare = testing::ProveText("4 BELLS\nA = A\n");
  EXPECT_EQ(bare.result.outcome, ProofOutcome::Stopped);
  EXPECT_EQ(bare.proof, Lines{DepthLine});
  EXPECT_EQ(bare.progress, (Lines{DepthLine, "Number changes generated=0"}));

  const auto printing = testing::ProveText("4 BELLS\nA = \"x\", A\n");
  EXPECT_EQ(printing.result.outcome, ProofOutcome::Stopped);
  EXPECT_EQ(CountOf(printing.proof, "x"), 100000);
  EXPECT_EQ(printing.proof.back(), DepthLine);

  // Traced, the same stop comes from the depth, not from the idle limit.
  RunOptions traced;
  traced.DebugProof = true;
  const auto tracedPages = testing::ProveText("4 BELLS\nA = \"x\", A\n", traced);
  EXPECT_EQ(tracedPages.proof.back(), DepthLine);
  EXPECT_EQ(CountOf(tracedPages.proof, "HEAD Element:A"), 100000);

  // Ringing as it goes: the default CONFLICT halts at the first repeat.
  const auto ringing = testing::ProveText("4 BELLS\nA = +x, A\n");
  EXPECT_EQ(ringing.result.outcome, ProofOutcome::HaltedAtRow);
  EXPECT_EQ(ringing.result.changes, 3);
}

TEST(Hostile, MutualRecursion) {
  const auto silent = testing::ProveText("4 BELLS\nA = B\nB = C\nC = A\n");
  EXPECT_EQ(silent.result.outcome, ProofOutcome::Stopped);
  EXPECT_EQ(silent.proof, Lines{DepthLine});

  const auto ringing = testing::ProveText("4 BELLS\nA = +x, B\nB = +14, A\nCONFLICT =\n");
  EXPECT_EQ(ringing.result.outcome, ProofOutcome::Stopped);
  EXPECT_EQ(ringing.proof.back(), DepthLine);
  EXPECT_EQ(ringing.result.changes, 100000);

  // The predefined names cannot join a loop: naming a definition makes them
  // not text only, and the default takes their place.
  const auto viaConflict = testing::ProveText("4 BELLS\nA = +x, A\nCONFLICT = \"c\", A\n");
  EXPECT_TRUE(Has(viaConflict.proof, "WARNING in defining the predefined name \"CONFLICT\" in line 3"));
  EXPECT_EQ(viaConflict.result.outcome, ProofOutcome::HaltedAtRow);
  EXPECT_EQ(viaConflict.result.changes, 3);

  const auto everyRow = testing::ProveText("4 BELLS\nA = +x\nEVERYROW = A\n");
  EXPECT_TRUE(Has(everyRow.proof, "WARNING in defining the predefined name \"EVERYROW\" in line 3"));
  EXPECT_EQ(everyRow.result.outcome, ProofOutcome::NotRound);
}

TEST(Hostile, TouchOfAMillionMillionChangesStopsAtTheCap) {
  // More than 10^12 changes: a plain course rung over and over.
  const std::string text =
      "6 BELLS\nT = 1000000 U\nU = 1000000 P\nP = 5 L\nL = &x16x16x16,+12\nCONFLICT =\n";
  const auto pages = testing::ProveText(text, ConflictAllowed(1000000));
  EXPECT_EQ(pages.result.outcome, ProofOutcome::Stopped);
  EXPECT_EQ(pages.result.changes, 1000000);
  EXPECT_EQ(pages.progress.back(), "Number changes generated=1000000");
  EXPECT_TRUE(Has(pages.progress, "Proof stopped after 1000000 changes"));
  // Rounds every 60 changes: 16 666 full courses before the stop.
  EXPECT_EQ(CountStarting(pages.proof, "ROUNDS found after "), 16666);
  EXPECT_FALSE(Has(pages.proof, "Touch is True"));
  EXPECT_EQ(CountStarting(pages.proof, "Some changes were repeated"), 0);
}

// Plain Bob Major's plain course, worked out here without the engine.
Lines PlainBobMajorCourse() {
  std::string row = "12345678";
  Lines rows;
  const auto cross = [&] { for (int i = 0; i + 1 < 8; i += 2) std::swap(row[i], row[i + 1]); };
  const auto places = [&](int first, int last) {  // keeps places first and last, swaps the rest in pairs
    for (int i = 0; i + 1 < 8;) {
      if (i + 1 == first || i + 1 == last) { ++i; continue; }
      std::swap(row[i], row[i + 1]);
      i += 2;
    }
  };
  for (int lead = 0; lead < 7; ++lead) {
    for (int k = 0; k < 8; ++k) {
      cross();
      rows.push_back(row);
      if (k == 7) break;
      places(1, 8);
      rows.push_back(row);
    }
    places(1, 2);
    rows.push_back(row);
  }
  return rows;
}

TEST(Hostile, MusicWithTenThousandPatterns) {
  const Lines course = PlainBobMajorCourse();
  ASSERT_EQ(course.size(), 112u);
  ASSERT_EQ(course.back(), "12345678");

  // The 112 rows of the course first, then rows that the course never rings.
  const std::set<std::string> rung(course.begin(), course.end());
  Lines patterns = course;
  std::string row = "12345678";
  while (patterns.size() < 10000 && std::next_permutation(row.begin(), row.end()))
    if (!rung.count(row)) patterns.push_back(row);
  ASSERT_EQ(patterns.size(), 10000u);

  std::string music = "MUSIC = \"" + patterns[0] + "\"";
  for (size_t k = 1; k < patterns.size(); ++k) music += ",\n  \"" + patterns[k] + "\"";
  const auto pages =
      testing::ProveText("8 BELLS\nT = 7 L\nL = &x18x18x18x18,+12\n" + music + "\n");
  EXPECT_EQ(pages.result.outcome, ProofOutcome::RoundsFound);
  EXPECT_EQ(pages.result.changes, 112);

  // Each pattern has its line; the course's rows count once each, split
  // evenly between odd and even changes.
  long lines = 0, odd = 0, even = 0;
  for (const std::string& line : pages.proof) {
    if (line.size() < 8 || line.find(" = ") != 8) continue;
    if (!std::all_of(line.begin(), line.begin() + 8, [](char c) { return c >= '1' && c <= '8'; })) continue;
    ++lines;
    long o = 0, e = 0, t = 0;
    ASSERT_EQ(std::sscanf(line.c_str() + 11, "%ld  +  %ld    =  %ld", &o, &e, &t), 3) << line;
    EXPECT_EQ(o + e, t);
    odd += o;
    even += e;
  }
  EXPECT_EQ(lines, 10000);
  EXPECT_EQ(odd, 56);
  EXPECT_EQ(even, 56);
}

TEST(Hostile, AMarkerRepeatedAMillionTimes) {
  const auto pages = testing::ProveText("6 BELLS\nT = 1000000 \"[M]\", +x16x16x16x16x16x12\n");
  EXPECT_EQ(pages.result.outcome, ProofOutcome::NotRound);
  EXPECT_EQ(pages.compatible.size(), 1000000u + 2u);  // the markers, then NOTROUND's two lines
  EXPECT_EQ(pages.compatible[999999], "[M]");
  EXPECT_TRUE(Has(pages.proof, "NumberLeads=1000000"));
  EXPECT_TRUE(Has(pages.proof, "[M]  1000000 leads   12 changes"));

  // Two markers taking turns.
  const auto alternating = testing::ProveText("6 BELLS\nT = 100000 B, +x\nB = \"[X]\", \"[Y]\"\n");
  EXPECT_EQ(alternating.result.changes, 1);
  EXPECT_TRUE(Has(alternating.proof, "NumberLeads=200000"));
  EXPECT_TRUE(Has(alternating.proof, "199999 changes of method"));
}

// The place of a notation symbol after case folding, 0 for a cross or a dot.
int PlaceOf(char c) {
  if (c == 'e') c = 'E';
  if (c == 't') c = 'T';
  if (c >= 'A' && c <= 'D') c = static_cast<char>(c - 'A' + 'a');
  const size_t at = std::string_view("1234567890ETabcd").find(c);
  return at == std::string_view::npos ? 0 : static_cast<int>(at) + 1;
}

TEST(Hostile, EveryPlaceNotationCharacterInEveryPosition) {
  // Each symbol inserted at each position of a notation that is good on every
  // stage, on every stage, symmetric and not, alone and in a repeated block.
  // Exactly two things refuse it: a place above the stage, or two dots.
  const std::string symbols = "0123456789ABCDETXabcdetx-.";
  const std::string base = "x1x14.12x";
  int runs = 0, refused = 0;
  for (int stage = 4; stage <= 16; ++stage) {
    RunOptions options;
    options.MaxNumberBells = 16;
    options.MaxChanges = 1000;
    for (const char prefix : {'&', '+'}) {
      for (size_t position = 0; position <= base.size(); ++position) {
        for (const char c : symbols) {
          std::string notation = base;
          notation.insert(position, 1, c);
          const std::string text = std::to_string(stage) + " BELLS\nA = 2 " + prefix + notation + ", " + prefix +
                                   notation + "\nCONFLICT =\n";
          SCOPED_TRACE(text);
          const auto pages = testing::ProveText(text, options);
          ++runs;
          const bool shouldRefuse = PlaceOf(c) > stage || notation.find("..") != std::string::npos;
          if (shouldRefuse) {
            ++refused;
            EXPECT_EQ(pages.result.outcome, ProofOutcome::Refused);
            EXPECT_EQ(pages.progress, Lines{GateLine});
            continue;
          }
          EXPECT_EQ(pages.result.errors, 0);
          EXPECT_NE(pages.result.outcome, ProofOutcome::Refused);
          // The base alone rings 6 changes; each copy rings at least that.
          EXPECT_GE(pages.result.changes, 3 * 6);
          EXPECT_EQ(pages.progress.back(), "Number changes generated=" + std::to_string(pages.result.changes));
        }
      }
    }
  }
  EXPECT_EQ(runs, 13 * 2 * 10 * 26);
  EXPECT_GT(refused, 0);
  EXPECT_LT(refused, runs);
}

TEST(Hostile, StageLinesOfSeventeenAndZero) {
  for (const int limit : {12, 16}) {
    RunOptions options;
    options.MaxNumberBells = limit;
    for (const std::string stage : {"17", "0", "3", "1", "65536"}) {
      SCOPED_TRACE(stage + " with limit " + std::to_string(limit));
      const std::string line = stage + " BELLS";
      const auto pages = testing::ProveText(
          line + "\nA = &x1dx1d.e.T,+12d, \"@\"\nMUSIC = \"1234567890ETabcde\", \"DEFAULT\"\n", options);
      ExpectRefusedWith(pages, "      ... If microSIRIL compatibility is not needed then increase to 16 bells in "
                               "TOLVERN.INI [" + line + "]");
    }
  }
  // Sixteen, the largest accepted stage, rings.
  RunOptions sixteen;
  sixteen.MaxNumberBells = 16;
  const auto pages = testing::ProveText("16 BELLS\nA = +x1d\n", sixteen);
  EXPECT_EQ(pages.result.outcome, ProofOutcome::NotRound);
  EXPECT_EQ(pages.proof.front(), "2 rows ending in 241638507T9bEdac");
}


TEST(Hostile, IdleStepsBetweenChangesCountEveryDefinitionEntered) {
  // After each x the touch enters B, C and D before ringing 12: three steps
  // with no change rung, plus the string on the way back out.
  const std::string text = "6 BELLS\nT = 100 A\nA = +x, B\nB = C\nC = D, \"s\"\nD = +12\nCONFLICT =\n";
  const IdlePages two = ProveWithIdleLimit(text, 2);
  EXPECT_EQ(two.result.outcome, ProofOutcome::Stopped);
  EXPECT_EQ(two.result.changes, 1);
  EXPECT_EQ(two.proof.lines.front(), "Proof stopped: 2 steps of work with no change rung");
  const IdlePages three = ProveWithIdleLimit(text, 3);
  EXPECT_EQ(three.result.changes, 200);
  EXPECT_EQ(std::count(three.proof.lines.begin(), three.proof.lines.end(), "s"), 100);
  EXPECT_EQ(three.progress.lines[three.progress.lines.size() - 2], "Proof stopped: 3 steps of work with no change rung");
}

}  // namespace
}  // namespace tolvern
