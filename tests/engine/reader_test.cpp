// The reader of SIRIL text: the stage line, statement heads, names, counts,
// strings, bracket groups, generated blocks, continuation lines, END, the
// DebugParse trace, and input that is not SIRIL at all.
#include <gtest/gtest.h>

#include <algorithm>
#include <chrono>
#include <functional>
#include <string>
#include <vector>

#include "helpers.h"
#include "engine.h"

namespace tolvern {
namespace {

using testing::Prove;
using Lines = std::vector<std::string>;

// Parses and resolves a text without proving it, so the proof page holds
// only the messages (and traces), and the table can be looked at.
class Parsed {
 public:
  explicit Parsed(Lines lines, int maxBells = 12, bool debugParse = false) : lines_(std::move(lines)) {
    engine_.Outputs.ProofOutput = &proof_;
    engine_.Outputs.CompatibleOutput = &compatible_;
    engine_.Outputs.ProgressOutput = &progress_;
    engine_.Options.MaxNumberBells = maxBells;
    engine_.Options.DebugParse = debugParse;
    engine_.Outputs.ShowWarning = [this](const std::string& text) { warnings_.push_back(text); };
    engine_.parser().ParseComposition(lines_);
    engine_.parser().ResolveNames();
  }

  const Lines& messages() const { return proof_.lines; }
  const Lines& compatible() const { return compatible_.lines; }
  const Lines& warnings() const { return warnings_; }
  int64_t errors() { return engine_.diagnostics().ErrorCount; }
  int64_t stage() { return engine_.parser().StageBells; }
  const TCompElement* Find(const std::string& name) { return engine_.table().FindDefinition(name); }

  // The listing line of a record, or "(none)".
  std::string Listed(const std::string& name) {
    const TCompElement* record = Find(name);
    return record ? engine_.parser().ListDefinition(*record) : "(none)";
  }

  // Names of all records, in table order.
  Lines Names() {
    Lines names;
    for (const TCompElement* r = engine_.table().Head(); r; r = r->Link) names.emplace_back(r->Text);
    return names;
  }

 private:
  Lines lines_;
  LineList proof_, compatible_, progress_;
  Lines warnings_;
  Engine engine_;
};

const std::string H1(int line) {
  return "Error in defining name on line " + std::to_string(line) + " of the method description.";
}
const std::string H3 = "The first line in the method description should be 4-12 BELLS.";
const std::string StageDetail =
    "      ... If microSIRIL compatibility is not needed then increase to 16 bells in TOLVERN.INI [";

// ---------------------------------------------------------------- stage line

TEST(ReaderStageLine, AcceptedForms) {
  for (const Lines& text : {Lines{"6 BELLS", "A = +12"}, Lines{"6 bells", "A = +12"},
                            Lines{"6 BELLS / any comment", "A = +12"}, Lines{"  6BELLS\t", "A = +12"},
                            Lines{"", "/ comment", "   / indented comment", "\t", "6 BELLS", "A = +12"}}) {
    Parsed p(text);
    EXPECT_EQ(p.errors(), 0) << text[0];
    EXPECT_TRUE(p.messages().empty()) << text[0];
    EXPECT_EQ(p.stage(), 6) << text[0];
    EXPECT_EQ(p.Names().front(), "A") << "the stage line is not entered in the table";
  }
  for (int bells : {4, 12}) {
    Parsed p({std::to_string(bells) + " BELLS", "A = +1"});
    EXPECT_EQ(p.errors(), 0) << bells;
    EXPECT_EQ(p.stage(), bells);
  }
}

TEST(ReaderStageLine, RefusedForms) {
  for (const std::string first : {"6 BELLS, x", "6 BELLS = x", "3 BELLS", "BELLS", "6 BELL", "6 BELLS A"}) {
    Parsed p({first, "A = B", "B = +1"});
    EXPECT_EQ(p.messages(), (Lines{H3, StageDetail + first + "]"})) << first;
    EXPECT_EQ(p.compatible(), (Lines{H3})) << "the compatible page gets the first header only";
    EXPECT_EQ(p.errors(), 1);
  }
  // The refused line still sets the stage, and parsing goes on.
  Parsed three({"3 BELLS", "A = +1"});
  EXPECT_EQ(three.stage(), 3);
  EXPECT_EQ(three.Listed("A"), "A{line 2} #1");
  Parsed one({"BELLS", "A = B"});
  EXPECT_EQ(one.stage(), 1);
}

TEST(ReaderStageLine, LimitComesFromMaxNumberBells) {
  Parsed at12({"14 BELLS", "A = +1"}, 12);
  EXPECT_EQ(at12.messages(), (Lines{H3, StageDetail + "14 BELLS]"}));
  Parsed at16({"14 BELLS", "A = +1"}, 16);
  EXPECT_EQ(at16.errors(), 0);
  EXPECT_EQ(at16.stage(), 14);
  Parsed sixteen({"16 BELLS", "A = +1"}, 16);
  EXPECT_EQ(sixteen.errors(), 0);
  Parsed seventeen({"17 BELLS", "A = +1"}, 16);
  EXPECT_EQ(seventeen.messages(), (Lines{H3, StageDetail + "17 BELLS]"}));
  Parsed thirteen({"13 BELLS", "A = +1"}, 12);
  EXPECT_EQ(thirteen.errors(), 1) << "the header says 4-12 whatever the limit";
}

TEST(ReaderStageLine, IllegalFirstCharacterHidesEverythingAfter) {
  // The first statement starts with a quote: one message, then silence.
  Parsed p({"\"x\" = A", "6 BELLS", "B = +17", "C = ("});
  EXPECT_EQ(p.messages(), (Lines{H3, "      ... Illegal character at start of name [\"]"}));
  EXPECT_GE(p.errors(), 99999);
  // Not even the suppression line appears, and no warning either.
  EXPECT_TRUE(p.warnings().empty());
  const auto pages = Prove({"#", "A = +1"});
  EXPECT_EQ(pages.proof, (Lines{H3, "      ... Illegal character at start of name [#]"}));
  EXPECT_EQ(pages.progress, (Lines{"Errors found; failed to generate composition"}));
}

// ---------------------------------------------------------------- names and heads

TEST(ReaderNames, BlanksDroppedAndUpperCased) {
  Parsed p({"6 BELLS", "My Touch = my lead, MY LEAD,\tm y\tl e a d", "my lead = +12", "a-b!c%d = +1"});
  EXPECT_EQ(p.errors(), 0);
  EXPECT_EQ(p.Listed("MYTOUCH"), "MYTOUCH{line 2} ~MYLEAD ~MYLEAD ~MYLEAD");
  EXPECT_EQ(p.Listed("MYLEAD"), "MYLEAD{line 3} #12");
  EXPECT_EQ(p.Listed("A-B!C%D"), "A-B!C%D{line 4} #16");
  EXPECT_EQ(p.Find("MyTouch"), nullptr) << "lookup itself is exact";
}

TEST(ReaderNames, HeadErrors) {
  Parsed number({"6 BELLS", "A = +1", "2 B = A"});
  EXPECT_EQ(number.messages(), (Lines{H1(3), "      ... Illegal number at start of line"}));
  EXPECT_EQ(number.Find("B"), nullptr) << "the line is ignored";

  Parsed lone({"6 BELLS", "A = +1", "5"});
  EXPECT_EQ(lone.messages(), (Lines{H1(3), "      ... A number should be followed by a name or bracket [5]"}));

  Parsed noEquals({"6 BELLS", "A = +1", "B C", "D, E = A"});
  EXPECT_EQ(noEquals.messages(), (Lines{H1(3), "      ... \"=\" expected [B C]", H1(4), "      ... \"=\" expected [D,]"}));

  Parsed quote({"6 BELLS", "A = +1", "\"x\" = A"});
  EXPECT_EQ(quote.messages(), (Lines{H1(3), "      ... Illegal character at start of name [\"]", H1(3),
                                     "      ... Illegal character in name [\"]"}));

  Parsed bracket({"6 BELLS", "A) = +1", "B = +1 / fine"});
  // The name is kept and the head then misses its "=".
  EXPECT_EQ(bracket.messages(), (Lines{H1(2), "      ... Additional right bracket unmatched to left bracket [A)]", H1(2),
                                       "      ... \"=\" expected [A) = +1]"}));

  Parsed twice({"6 BELLS", "A = +12", "A = +14"});
  EXPECT_EQ(twice.messages(), (Lines{"Name defined a second time on line 3 of the method description.",
                                     "      ... Duplicate definition of name [A]"}));
  EXPECT_EQ(twice.Listed("A"), "A{line 3} #14") << "the second body replaces the first";
}

TEST(ReaderNames, ElementNameErrors) {
  Parsed start({"6 BELLS", "A = #B"});
  EXPECT_EQ(start.messages(), (Lines{H1(2), "      ... Illegal character at start of name [#]", H1(2),
                                     "      ... Illegal character in name [A = #]"}));

  Parsed quoteAfter({"6 BELLS", "A = B \"x\"", "B = +1"});
  EXPECT_EQ(quoteAfter.messages(), (Lines{H1(2), "      ... Illegal character in name [A = B \"]"}));
  EXPECT_EQ(quoteAfter.Listed("A"), "A{line 2} ~B") << "the reference is still appended";

  Parsed equals({"6 BELLS", "A = B = C", "B = +1"});
  EXPECT_EQ(equals.messages(), (Lines{H1(2), "      ... Illegal character in name [A = B =]"}));

  Parsed right({"6 BELLS", "A = B), C", "B = +1"});
  EXPECT_EQ(right.messages(), (Lines{H1(2), "      ... Additional right bracket unmatched to left bracket [A = B)]"}));
  EXPECT_EQ(right.Listed("A"), "A{line 2} ~B") << "the rest of the line is skipped";
}

// ---------------------------------------------------------------- counts and stars

TEST(ReaderCounts, FormsOfACount) {
  Parsed p({"6 BELLS", "A = 3*B, 3 * B, 3B, 1 2 B, 0B, 2147483647B", "B = +1"});
  EXPECT_EQ(p.errors(), 0);
  EXPECT_EQ(p.Listed("A"), "A{line 2} 3~B 3~B 3~B 12~B ~B 2147483647~B");
}

TEST(ReaderCounts, TooLargeIsReportedAndCountsOne) {
  Parsed p({"6 BELLS", "A = 4294967297P, 2147483648 P, 42 949 67297 (P)", "P = +1"});
  EXPECT_EQ(p.messages(), (Lines{H1(2), "      ... Number too large [4294967297]", H1(2),
                                 "      ... Number too large [2147483648]", H1(2),
                                 "      ... Number too large [4294967297]"}));
  EXPECT_EQ(p.Listed("A"), "A{line 2} ~P ~P ~%BLOCK1");
  // The count is 1 from then on, so a star after it is in order.
  Parsed star({"6 BELLS", "A = 4294967297*P", "P = +1"});
  EXPECT_EQ(star.messages(), (Lines{H1(2), "      ... Number too large [4294967297]"}));
  EXPECT_EQ(star.Listed("A"), "A{line 2} ~P");
  Parsed stage({"99999999999 BELLS", "A = +1"});
  EXPECT_EQ(stage.messages(), (Lines{H1(1), "      ... Number too large [99999999999]", H3,
                                     StageDetail + "99999999999 BELLS]"}));
  EXPECT_EQ(stage.stage(), 1);
}

TEST(ReaderCounts, StarErrors) {
  Parsed lead({"6 BELLS", "A = *B, 2**B", "B = +1"});
  EXPECT_EQ(lead.messages(), (Lines{H1(2), "      ... A number should preceed a * [*B, 2**B]", H1(2),
                                    "      ... Additional \"*\" found in [A = *B, 2**]"}));
  EXPECT_EQ(lead.Listed("A"), "A{line 2} ~B 2~B");

  // A star alone, or a zero alone, is not "a number with nothing after it";
  // a comment is only seen where an element starts, not after a count.
  Parsed alone({"6 BELLS", "A = *", "B = 0", "C = 0 / zero"});
  EXPECT_EQ(alone.messages(), (Lines{H1(2), "      ... A number should preceed a * [*]", H1(4),
                                     "      ... Illegal character at start of name [/]"}));
  EXPECT_EQ(alone.Listed("B"), "B{line 3} <null>");
  EXPECT_EQ(alone.Listed("C"), "C{line 4} <null>");

  Parsed dangling({"6 BELLS", "A = B, 3*", "B = +1"});
  EXPECT_EQ(dangling.messages(), (Lines{H1(2), "      ... A number should be followed by a name or bracket [3]",
                                        H1(3), "      ... Probably additional comma at end of previous line [ = +1]"}));
}

// ---------------------------------------------------------------- strings

TEST(ReaderStrings, StringsAndMarkers) {
  Parsed p({"6 BELLS", "A = \"x\", 2\"Two words, here\", \"[PB]\", \"[PB\", \"\", 3\"[\"", "B ="});
  EXPECT_EQ(p.errors(), 0);
  EXPECT_EQ(p.Listed("A"), "A{line 2} \"x\" 2\"Two words, here\" [PB] \"[PB\" \"\" 3\"[\"");
  EXPECT_EQ(p.Listed("B"), "B{line 3} <null>");
}

TEST(ReaderStrings, Errors) {
  Parsed open({"6 BELLS", "A = B", "B = +1", "", "/ note", "C = B", "D = \"abc"});
  EXPECT_EQ(open.messages(), (Lines{"Unmatched \" on line 7 of the method description.",
                                    "      ... String should end with a \""}));

  Parsed after({"6 BELLS", "A = \"x\" B", "C = \"x\"y"});
  EXPECT_EQ(after.messages(), (Lines{H1(2), "      ... Additional text found at end of line [B]", H1(3),
                                     "      ... Additional text found at end of line [y]"}));
  EXPECT_EQ(after.Listed("A"), "A{line 2} \"x\"");
}

// ---------------------------------------------------------------- bracket groups and blocks

TEST(ReaderBlocks, GroupsBecomeNumberedBlocks) {
  Parsed p({"4 BELLS", "A = 2(B, Q), 4 &-1-1", "B = +1", "Q = +1"});
  EXPECT_EQ(p.errors(), 0);
  EXPECT_EQ(p.Listed("A"), "A{line 2} 2~%BLOCK1 4~%BLOCK2");
  EXPECT_EQ(p.Listed("%BLOCK1"), "%BLOCK1{line 2} ~B ~Q");
  EXPECT_EQ(p.Listed("%BLOCK2"), "%BLOCK2{line 2} #- #14 #- #14 #- #14 #-");
  const Lines names = p.Names();
  EXPECT_EQ(Lines(names.begin(), names.begin() + 5), (Lines{"A", "%BLOCK1", "B", "Q", "%BLOCK2"}));
}

TEST(ReaderBlocks, NestedGroupsNumberedFromTheOutside) {
  Parsed p({"6 BELLS", "X = ((A,B),Q), (Q)", "A = +1", "B = +1", "Q = +1"});
  EXPECT_EQ(p.errors(), 0);
  EXPECT_EQ(p.Listed("X"), "X{line 2} ~%BLOCK1 ~%BLOCK3");
  EXPECT_EQ(p.Listed("%BLOCK1"), "%BLOCK1{line 2} ~%BLOCK2 ~Q");
  EXPECT_EQ(p.Listed("%BLOCK2"), "%BLOCK2{line 2} ~A ~B");
  EXPECT_EQ(p.Listed("%BLOCK3"), "%BLOCK3{line 2} ~Q");
  const Lines names = p.Names();
  EXPECT_EQ(Lines(names.begin(), names.begin() + 7), (Lines{"X", "%BLOCK1", "%BLOCK2", "A", "B", "Q", "%BLOCK3"}));
}

TEST(ReaderBlocks, StringsInsideGroups) {
  // The group closes normally after a string.
  Parsed closes({"6 BELLS", "A = (\"a\"), 2(\"b\",\"c\")"});
  EXPECT_EQ(closes.errors(), 0);
  EXPECT_EQ(closes.Listed("%BLOCK1"), "%BLOCK1{line 2} \"a\"");
  EXPECT_EQ(closes.Listed("%BLOCK2"), "%BLOCK2{line 2} \"b\" \"c\"");
  EXPECT_EQ(closes.Listed("A"), "A{line 2} ~%BLOCK1 2~%BLOCK2");

  // A bracket inside a string does not count.
  Parsed inner({"6 BELLS", "A = (\"(\", B)", "B = +1"});
  EXPECT_EQ(inner.errors(), 0);
  EXPECT_EQ(inner.Listed("%BLOCK1"), "%BLOCK1{line 2} \"(\" ~B");

  // A marker after a name keeps its quotes inside the group, then loses
  // them when the block is parsed.
  Parsed marker({"6 BELLS", "A = (B, \"[PB]\")", "B = +1"});
  EXPECT_EQ(marker.errors(), 0);
  EXPECT_EQ(marker.Listed("%BLOCK1"), "%BLOCK1{line 2} ~B [PB]");

  // A group that starts with a marker loses the quotes at once, and its
  // block starts with a bracket.
  Parsed leading({"6 BELLS", "A = (\"[PB]\", B)", "B = +1"});
  EXPECT_EQ(leading.messages(), (Lines{H1(2), "      ... Illegal character at start of name [[]", H1(2),
                                       "      ... Illegal character in name [%BLOCK1=[]"}));
}

TEST(ReaderBlocks, GroupErrors) {
  Parsed open({"6 BELLS", "A = (B,Q", "B = +1", "Q = +1"});
  EXPECT_EQ(open.messages(), (Lines{H1(2), "      ... Insufficient right brackets to match left brackets"}));
  EXPECT_EQ(open.Listed("%BLOCK1"), "%BLOCK1{line 2} ~B ~Q");

  Parsed empty({"6 BELLS", "A = B, ( ), B", "B = +1"});
  EXPECT_EQ(empty.messages(), (Lines{H1(2), "      ... Empty brackets with nothing inside them"}));
  EXPECT_EQ(empty.Find("%BLOCK1"), nullptr);
  // Control characters are no more content than blanks.
  Parsed control({"6 BELLS", "A = (\x01\x1F)"});
  EXPECT_EQ(control.messages(), (Lines{H1(2), "      ... Empty brackets with nothing inside them"}));

  Parsed comma({"6 BELLS", "A = (B,)", "B = +1"});
  EXPECT_EQ(comma.messages(), (Lines{H1(2), "      ... Additional comma found inside parentheses [,)]"}));
  EXPECT_EQ(comma.Listed("%BLOCK1"), "%BLOCK1{line 2} ~B");

  // A line that ends at the opening bracket: both faults are reported.
  Parsed bare({"6 BELLS", "A = B, ("});
  EXPECT_EQ(bare.messages(), (Lines{H1(2), "      ... Insufficient right brackets to match left brackets", H1(2),
                                    "      ... Empty brackets with nothing inside them"}));

  // Blocks are generated lines; a user cannot write one.
  Parsed percent({"6 BELLS", "A = %BLOCK1"});
  EXPECT_EQ(percent.messages(), (Lines{H1(2), "      ... Illegal character at start of name [%]"}));
}

// ---------------------------------------------------------------- continuation lines

TEST(ReaderContinuation, CommaAtEndOfLineContinues) {
  Parsed p({"6 BELLS", "A = B, / note", "", "   / only a comment", "\t", "  C,", "D", "B = +1", "C = +1", "D = +1"});
  EXPECT_EQ(p.errors(), 0);
  EXPECT_EQ(p.Listed("A"), "A{line 2} ~B ~C ~D");
  EXPECT_EQ(p.Listed("B"), "B{line 8} #16");
  // No comma: the next line is a statement of its own.
  Parsed q({"6 BELLS", "A = B / note", "B = +1"});
  EXPECT_EQ(q.errors(), 0);
  EXPECT_EQ(q.Listed("A"), "A{line 2} ~B");
}

TEST(ReaderContinuation, LaterMessagesCarryTheContinuationLine) {
  Parsed p({"6 BELLS", "A = B,", "", "  C D \"x\"", "B = +1"});
  EXPECT_EQ(p.messages(), (Lines{H1(4), "      ... Illegal character in name [  C D \"]"}));
  Parsed undefined({"6 BELLS", "A = B,", "", "  C", "B = +1"});
  EXPECT_EQ(undefined.messages(), (Lines{"One or more undefined names in the method description.",
                                         "      ... Undefined name in line 4 is [C]"}));
}

TEST(ReaderContinuation, CommaFollowedByOtherTextEndsTheStatement) {
  Parsed p({"6 BELLS", "A = B,,C", "D = +1", "B = +1"});
  EXPECT_EQ(p.messages(), (Lines{H1(2), "      ... Illegal character at start of name [,]"}));
  EXPECT_EQ(p.Listed("A"), "A{line 2} ~B");
  EXPECT_EQ(p.Find("C"), nullptr);
  EXPECT_EQ(p.Listed("D"), "D{line 3} #16") << "the next line is a statement of its own";
}

TEST(ReaderContinuation, MissingContinuation) {
  Parsed last({"6 BELLS", "B = +1", "A = B,"});
  EXPECT_EQ(last.messages(), (Lines{H1(3), "      ... Comma at end of last line with no continuation line"}));
  Parsed blanks({"6 BELLS", "B = +1", "A = B,", "", "/ nothing more", "   "});
  EXPECT_EQ(blanks.messages(), (Lines{H1(6), "      ... Comma at end of last line with no continuation line"}));
}

TEST(ReaderContinuation, ProbablyAdditionalComma) {
  Parsed p({"6 BELLS", "A = B,", "Q = D", "B = +1", "D = +1"});
  EXPECT_EQ(p.messages(), (Lines{H1(3), "      ... Probably additional comma at end of previous line [ = D]"}));
  EXPECT_EQ(p.Find("Q")->Next, nullptr) << "line 3 was taken as part of A, not as a statement";
  Parsed tight({"6 BELLS", "A = B,", "Q=D", "B = +1"});
  EXPECT_EQ(tight.messages(), (Lines{H1(3), "      ... Probably additional comma at end of previous line [Q=D]"}));
}

// ---------------------------------------------------------------- END

TEST(ReaderEnd, EndFirst) {
  const auto pages = Prove({"6 BELLS", "END", "A = +1", "junk"});
  EXPECT_EQ(pages.proof, (Lines{"Nothing happens!", "      ... \"END\" was found as the first statement"}));
  EXPECT_TRUE(pages.warnings.empty()) << "lines after it are ignored without warnings once an error is counted";
  EXPECT_EQ(pages.progress, (Lines{"Errors found; failed to generate composition"}));
}

TEST(ReaderEnd, LinesAfterEndWarnWhileNoError) {
  Parsed p({"6 BELLS", "A = +12", "END", "", "   ", "/ a comment", "B = C", "END"});
  const std::string header = "WARNING additional line beyond the \"END\" statement";
  EXPECT_EQ(p.messages(), (Lines{header, "        ...Line ignored", header, "        ...Line ignored", header,
                                 "        ...Line ignored"}));
  EXPECT_EQ(p.warnings(), (Lines(3, header + "\r...Line ignored")));
  EXPECT_EQ(p.errors(), 0);
  EXPECT_EQ(p.Find("B"), nullptr) << "lines after END are not parsed";
  EXPECT_EQ(p.Listed("END"), "END{line 0}");
  // They still count as lines: the defaults carry the number of lines.
  EXPECT_EQ(p.Listed("ROUNDS"), "ROUNDS{line 9} <null>");

  Parsed afterError({"6 BELLS", "A = B)", "END", "junk"});
  EXPECT_EQ(afterError.messages(),
            (Lines{H1(2), "      ... Additional right bracket unmatched to left bracket [A = B)]"}));
  EXPECT_TRUE(afterError.warnings().empty());
}

TEST(ReaderEnd, EndUsedAsAName) {
  // A statement head END with "=" is an ordinary definition.
  Parsed p({"6 BELLS", "A = END", "END = +1"});
  EXPECT_EQ(p.errors(), 0);
  EXPECT_EQ(p.Listed("END"), "END{line 3} #16");
}

// ---------------------------------------------------------------- traces

TEST(ReaderTrace, GroupAndPlaceNotation) {
  Parsed p({"4 BELLS / four", "A = 2(B, +1)", "B = +14"}, 12, true);
  const Lines& trace = p.messages();
  const Lines expected = {
      "1:4 BELLS / four",
      ">> Looking for ELEMENT but found /",
      ">> Repcount=4   >> Text=\"BELLS\"",
      "2:A = 2(B, +1)",
      ">> Repcount=1   >> Text=\"A\"",
      "1:%BLOCK1=B,+1",
      ">> Repcount=1   >> Text=\"%BLOCK1\"",
      ">> RHS Repcount=1   >> Text=\"B\"",
      ">> RHS Repcount=1   >> Text=\"+1\"",
      "",
      "PLACE NOTATION    =\"+1\"",
      "PLACE NOTATION (E)=\"+1\"",
      "PLACE NOTATION (T)=\"+1\"",
      "PN> \"1\" i=1",
      "PN> \"14\" i=3  PNDigit=5",
      ">> RHS Repcount=2   >> Text=\"%BLOCK1\"",
      "3:B = +14",
      ">> Repcount=1   >> Text=\"B\"",
      ">> RHS Repcount=1   >> Text=\"+14\"",
      "",
      "PLACE NOTATION    =\"+14\"",
      "PLACE NOTATION (E)=\"+14\"",
      "PLACE NOTATION (T)=\"+14\"",
      "PN> \"14\" i=1",
      "PN> \"14\" i=2",
      "PN> \"14\" i=3  PNDigit=5",
      "1:true     =\"# rows ending in @\", \"Touch is True$$\"",
      ">> Repcount=1   >> Text=\"TRUE\"",
      ">> RHS Repcount=1   >> Text=\"\"# rows ending in @\"\"",
      ">> RHS Repcount=1   >> Text=\"\"Touch is True$$\"\"",
  };
  ASSERT_GE(trace.size(), expected.size());
  EXPECT_EQ(Lines(trace.begin(), trace.begin() + static_cast<long>(expected.size())), expected);
  // The remaining defaults follow, and the empty ones have no RHS line.
  EXPECT_EQ(trace.back(), ">> RHS Repcount=1   >> Text=\"\"DEFAULT\"\"");
  EXPECT_TRUE(testing::Contains(trace, "1:rounds   ="));
}

TEST(ReaderTrace, ContinuationAndStrings) {
  Parsed p({"6 BELLS", "A = 3 * B,", "", "  \"@\" / row", "B = +1"}, 12, true);
  const Lines expected = {
      "1:6 BELLS",
      ">> Repcount=6   >> Text=\"BELLS\"",
      "2:A = 3 * B,",
      ">> Repcount=1   >> Text=\"A\"",
      ">> RHS Repcount=3   >> Text=\"B\"",
      ">> Dangling comma .. continuation line found",
      ">> Dangling comma .. got next NAME=\"\"@\"\"",
      ">> RHS Repcount=1   >> Text=\"\"@\"\"",
      "5:B = +1",
  };
  const Lines& trace = p.messages();
  ASSERT_GE(trace.size(), expected.size());
  EXPECT_EQ(Lines(trace.begin(), trace.begin() + static_cast<long>(expected.size())), expected);
}

TEST(ReaderTrace, LinesAfterEndAreTracedButNotRead) {
  Parsed p({"6 BELLS", "A = +1", "END", "junk"}, 12, true);
  const Lines& trace = p.messages();
  const auto end = std::find(trace.begin(), trace.end(), "3:END");
  ASSERT_NE(end, trace.end());
  EXPECT_EQ(*(end + 1), ">> Repcount=1   >> Text=\"END\"");
  EXPECT_EQ(*(end + 2), "4:junk");
  EXPECT_EQ(*(end + 3), "WARNING additional line beyond the \"END\" statement");
  EXPECT_EQ(*(end + 4), "        ...Line ignored");
  EXPECT_EQ(*(end + 5), "1:true     =\"# rows ending in @\", \"Touch is True$$\"");
}

// ---------------------------------------------------------------- input that is not SIRIL

double SecondsFor(const std::function<void()>& work) {
  const auto start = std::chrono::steady_clock::now();
  work();
  return std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
}

TEST(ReaderBadInput, ControlCharactersAndHighBytes) {
  // Every byte value in a name, in a string, in a count and after a name.
  for (int byte = 0; byte < 256; ++byte) {
    const char c = static_cast<char>(byte);
    const std::string b(1, c);
    const Lines text = {"6 BELLS" + b, "A" + b + "B = +1" + b + "2", "C = \"" + b + "\"" + b, b + "D = (" + b + ")",
                        "E = 1" + b + "2&" + b + "-", b, "Z = (", "END" + b};
    const auto pages = Prove(text);
    EXPECT_GT(pages.result.errors, 0) << byte << ": the open bracket of the last statement is always reported";
  }
  // Bytes above 127 are no letters: they start no name and belong to none.
  Parsed high({"6 BELLS", "A = \xC3\xA9t\xC3\xA9"});
  EXPECT_EQ(high.messages(), (Lines{H1(2), "      ... Illegal character at start of name [\xC3]", H1(2),
                                    "      ... Illegal character in name [A = \xC3]"}));
  // A string keeps them as they are.
  Parsed kept({"6 BELLS", "A = \"\xC3\xA9\x01\""});
  EXPECT_EQ(kept.errors(), 0);
  EXPECT_EQ(kept.Listed("A"), "A{line 2} \"\xC3\xA9\x01\"");
  // Trailing control characters are trimmed like blanks.
  Parsed trailing({"6 BELLS\r\x1A", "A = +1\x7F\r"});
  EXPECT_EQ(trailing.messages(), (Lines{H1(2), "      ... Additional text found at end of line [\x7F]"}));
}

TEST(ReaderBadInput, MegabyteLines) {
  const size_t megabyte = 1 << 20;
  const std::vector<Lines> texts = {
      {"6 BELLS", "A = " + std::string(megabyte, 'B')},
      {"6 BELLS", "A = \"" + std::string(megabyte, 'x')},
      {"6 BELLS", "A = +" + std::string(megabyte, '1')},
      {"6 BELLS", "A = &" + std::string(megabyte, '-') + "7"},
      {"6 BELLS", "A = " + std::string(megabyte, '(')},
      {"6 BELLS", "A = " + std::string(megabyte, ')')},
      {"6 BELLS", "A = " + std::string(megabyte, '9') + "B"},
      {std::string(megabyte, '6') + " BELLS"},
      {"6 BELLS", std::string(megabyte, '\x01')},
      {"6 BELLS", "A = B," + std::string(megabyte, ',')},
  };
  for (const Lines& text : texts) {
    const double seconds = SecondsFor([&] {
      const auto pages = Prove(text);
      EXPECT_GT(pages.result.errors, 0) << text.back().substr(0, 8);
    });
    EXPECT_LT(seconds, 10.0) << text.back().substr(0, 8);
  }
}

TEST(ReaderBadInput, RepeatedFaultsOnOneLongLineStayFast) {
  // Each of these raises a fault per few bytes; every detail quotes the line.
  const int n = 200000;
  std::string stars, doubles, dots, groups;
  for (int i = 0; i < n; ++i) stars += "*B,";
  for (int i = 0; i < n; ++i) doubles += "2**B,";
  for (int i = 0; i < n; ++i) dots += "1..";
  std::string opening(n, '[');
  for (int i = 0; i < n; ++i) groups += ",\"]\"";
  for (const Lines& text :
       {Lines{"6 BELLS", "A = " + stars + "B", "B = +1"}, Lines{"6 BELLS", "A = " + doubles + "B", "B = +1"},
        Lines{"6 BELLS", "A = &" + dots}, Lines{"6 BELLS", "A = (\"" + opening + "a\"" + groups + ")"},
        Lines{"2147483647 BELLS", "A = +41,+41,+41,+41,+41,+41,+41,+41,+41,+41"}}) {
    const double seconds = SecondsFor([&] {
      const auto pages = Prove(text);
      EXPECT_GT(pages.result.errors, 0);
      // Only ten errors are shown in full, then the suppression line.
      EXPECT_LE(pages.proof.size(), 21u);
      if (pages.result.errors > 10 && pages.result.errors < 99999) {
        EXPECT_EQ(pages.proof.size(), 21u);
        EXPECT_EQ(pages.proof.back(), "<< Further error messages suppressed >>");
      }
    });
    EXPECT_LT(seconds, 10.0) << text.back().substr(0, 12);
  }
}

TEST(ReaderBadInput, DeepNestingIsRefused) {
  const auto nest = [](int depth) {
    return "A = " + std::string(static_cast<size_t>(depth), '(') + "B" + std::string(static_cast<size_t>(depth), ')');
  };
  // As deep as allowed: one block per level, the innermost holding B.
  Parsed deepest({"6 BELLS", nest(MaxBlockNesting), "B = +1"});
  EXPECT_EQ(deepest.errors(), 0);
  EXPECT_EQ(deepest.Listed("%BLOCK" + std::to_string(MaxBlockNesting)),
            "%BLOCK" + std::to_string(MaxBlockNesting) + "{line 2} ~B");
  EXPECT_EQ(deepest.Listed("%BLOCK1"), "%BLOCK1{line 2} ~%BLOCK2");

  // One level more, or thousands: one error line, no block at all.
  for (int depth : {MaxBlockNesting + 1, 5000, 400000}) {
    const double seconds = SecondsFor([&] {
      Parsed p({"6 BELLS", nest(depth), "B = +1"});
      EXPECT_EQ(p.messages(), (Lines{H1(2), "      ... Brackets nested more than 100 deep"})) << depth;
      EXPECT_EQ(p.Find("%BLOCK1"), nullptr);
    });
    EXPECT_LT(seconds, 10.0) << depth;
  }
  // Nesting inside a block counts from the outermost group.
  Parsed inner({"6 BELLS", "A = (B, " + nest(MaxBlockNesting).substr(4) + ")", "B = +1"});
  EXPECT_EQ(inner.messages(), (Lines{H1(2), "      ... Brackets nested more than 100 deep"}));
  // Unbalanced: thousands of open brackets with no close.
  Parsed open({"6 BELLS", "A = " + std::string(5000, '(') + "B"});
  EXPECT_EQ(open.messages(), (Lines{H1(2), "      ... Insufficient right brackets to match left brackets", H1(2),
                                    "      ... Brackets nested more than 100 deep"}));
}

}  // namespace
}  // namespace tolvern
