// Place notation: splitting into changes, the mirror of a symmetric notation,
// implied places, odd/even correction, every warning and error, and the step
// masks the prover rings.
#include <gtest/gtest.h>

#include <string>
#include <utility>
#include <vector>

#include "helpers.h"
#include "engine.h"

namespace tolvern {
namespace {

using Lines = std::vector<std::string>;
using Change = std::pair<std::string, uint32_t>;  // Text and step mask
using Changes = std::vector<Change>;

// Parses "n BELLS" and "A = <notation>" and keeps what was built.
class Notation {
 public:
  Notation(int bells, const std::string& notation, bool debugParse = false)
      : lines_{std::to_string(bells) + " BELLS", "A = " + notation} {
    engine_.Outputs.ProofOutput = &proof_;
    engine_.Outputs.CompatibleOutput = &compatible_;
    engine_.Options.MaxNumberBells = 16;
    engine_.Options.DebugParse = debugParse;
    engine_.Outputs.ShowWarning = [this](const std::string& text) { warnings_.push_back(text); };
    engine_.parser().ParseComposition(lines_);
  }

  Changes changes() {
    Changes out;
    const TCompElement* a = engine_.table().FindDefinition("A");
    for (const TCompElement* e = a ? a->Next : nullptr; e; e = e->Next) out.emplace_back(e->Text, e->Places);
    return out;
  }
  Lines texts() {
    Lines out;
    for (const auto& [text, mask] : changes()) out.push_back(text);
    return out;
  }
  const Lines& messages() const { return proof_.lines; }
  const Lines& warnings() const { return warnings_; }
  int64_t errors() { return engine_.diagnostics().ErrorCount; }

 private:
  Lines lines_;
  LineList proof_, compatible_;
  Lines warnings_;
  Engine engine_;
};

const std::string W1 = "WARNING in place notation on line 2 of the method description.";
const std::string H2 = "Error in place notation on line 2 of the method description.";
const std::string H1 = "Error in defining name on line 2 of the method description.";

TEST(PlaceNotationWorkedExamples, SymmetricPlainHuntOnSix) {
  Notation n(6, "&-16-16-16");
  EXPECT_TRUE(n.messages().empty());
  const Change cross{"#-", 0}, place{"#16", 9};
  EXPECT_EQ(n.changes(), (Changes{cross, place, cross, place, cross, place, cross, place, cross, place, cross}));
  EXPECT_EQ(n.changes().size(), 11u);
}

TEST(PlaceNotationWorkedExamples, AsymmetricOnSix) {
  Notation n(6, "+12");
  EXPECT_TRUE(n.messages().empty());
  EXPECT_EQ(n.changes(), (Changes{{"#12", 3}}));
}

TEST(PlaceNotationMasks, TableOfChanges) {
  struct Case {
    int bells;
    std::string notation;
    Change change;
  };
  for (const Case& c : {Case{6, "+16", {"#16", 9}}, Case{6, "+12", {"#12", 3}}, Case{8, "+x", {"#x", 0}},
                        Case{8, "+18", {"#18", 17}}, Case{5, "+3", {"#3", 2}}, Case{5, "+125", {"#125", 11}},
                        Case{12, "+1T", {"#1T", 65}}, Case{6, "+14", {"#14", 5}}, Case{16, "+1d", {"#1d", 257}}, Case{12, "+ET", {"#ET", 96}},
                        Case{16, "+1234567890ETabcd", {"#1234567890ETabcd", 65535}}}) {
    Notation n(c.bells, c.notation);
    EXPECT_EQ(n.changes(), Changes{c.change}) << c.bells << " " << c.notation;
    EXPECT_EQ(n.errors(), 0);
  }
  // The mask on its own: a symbol the forward scan has passed is ignored.
  EXPECT_EQ(StepMaskOf("1416", 6), 5u);
  EXPECT_EQ(StepMaskOf("", 6), 0u);
  EXPECT_EQ(StepMaskOf("18", 8), 17u);
  EXPECT_EQ(StepMaskOf("1", 2147483647), 1u) << "a stage beyond sixteen has no further symbols";
}

TEST(PlaceNotationSplitting, CrossesDotsAndThePivot) {
  // Every change but the last segment is mirrored.
  EXPECT_EQ(Notation(6, "&x16.14.12").texts(), (Lines{"#x", "#16", "#14", "#12", "#14", "#16", "#x"}));
  // A final dot ends the pivot just as the end of the notation does.
  EXPECT_EQ(Notation(6, "&x1.").texts(), (Lines{"#x", "#16", "#x"}));
  // A notation ending with a cross stacks it too, so it is rung twice.
  EXPECT_EQ(Notation(6, "&-16-").texts(), (Lines{"#-", "#16", "#-", "#-", "#16", "#-"}));
  // Asymmetric: as written.
  EXPECT_EQ(Notation(6, "+x16.14x12").texts(), (Lines{"#x", "#16", "#14", "#x", "#12"}));
  // A dot with no symbols before it only separates.
  EXPECT_EQ(Notation(6, "&x.14").texts(), (Lines{"#x", "#14", "#x"}));
  EXPECT_EQ(Notation(6, "+x.").texts(), (Lines{"#x"}));
  EXPECT_EQ(Notation(6, "+.12").texts(), (Lines{"#12"}));
  EXPECT_EQ(Notation(6, "&.x.14.").texts(), (Lines{"#x", "#14", "#x"}));
  // Blanks inside a notation are dropped.
  EXPECT_EQ(Notation(6, "& x 1 6 x").texts(), Notation(6, "&x16x").texts());
  // The notation's count goes to a block; the changes inside have Repeat 1.
  Notation counted(6, "3&x16");
  EXPECT_EQ(counted.texts(), (Lines{"~%BLOCK1"}));
}

TEST(PlaceNotationSplitting, UpperCaseReadsAsLowerCase) {
  EXPECT_EQ(Notation(6, "&X1X1X1X1").changes(), Notation(6, "&x1x1x1x1").changes());
  EXPECT_EQ(Notation(12, "+1T").changes(), (Changes{{"#1T", 65}}));
  EXPECT_EQ(Notation(12, "+1t").changes(), (Changes{{"#1T", 65}}));
  EXPECT_EQ(Notation(12, "+et").changes(), (Changes{{"#ET", 96}}));
  EXPECT_EQ(Notation(16, "+1D").changes(), Notation(16, "+1d").changes());
  EXPECT_EQ(Notation(16, "&X1A").changes(), Notation(16, "&x1a").changes());
}

TEST(PlaceNotationCorrections, ImpliedPlacesWithoutMessage) {
  // A leading even place gets the lead; a missing back place is added.
  Notation four(8, "+4");
  EXPECT_EQ(four.changes(), (Changes{{"#14", 5}}));
  EXPECT_TRUE(four.messages().empty());
  EXPECT_EQ(Notation(8, "+1").texts(), (Lines{"#18"}));
  EXPECT_EQ(Notation(8, "+14").texts(), (Lines{"#14"}));
  EXPECT_EQ(Notation(7, "+1").texts(), (Lines{"#1"}));
  EXPECT_EQ(Notation(7, "+12").texts(), (Lines{"#127"}));
  EXPECT_EQ(Notation(7, "+3").texts(), (Lines{"#3"}));
  EXPECT_TRUE(Notation(7, "&-1-1-1").warnings().size() == 3) << "one warning per cross";
}

TEST(PlaceNotationCorrections, WarningsInTheirExactWords) {
  Notation odd(5, "+x");
  EXPECT_EQ(odd.messages(),
            (Lines{W1, "        ... \"x\" and \"-\" invalid for odd bell methods, place at lead assumed [x]"}));
  EXPECT_EQ(odd.changes(), (Changes{{"#1", 1}}));
  EXPECT_EQ(odd.warnings(), (Lines{W1 + "\r... \"x\" and \"-\" invalid for odd bell methods, place at lead assumed [x]"}));
  EXPECT_EQ(Notation(7, "+-").messages(),
            (Lines{W1, "        ... \"x\" and \"-\" invalid for odd bell methods, place at lead assumed [-]"}));
  // On an odd stage the cross becomes a lead place with no back place.
  EXPECT_EQ(Notation(7, "+-").changes(), (Changes{{"#1", 1}}));

  Notation lead(8, "+8");
  EXPECT_EQ(lead.messages(), (Lines{W1, "        ... Additional place at lead assumed [8]"}));
  EXPECT_EQ(lead.changes(), (Changes{{"#18", 17}}));

  Notation back(8, "+128");
  EXPECT_EQ(back.messages(), (Lines{W1, "        ... Consecutive places in last two positions assumed [128]"}));
  EXPECT_EQ(back.changes(), (Changes{{"#1278", 51}}));
  // Anything after the last bell is dropped.
  Notation dropped(8, "+12856");
  EXPECT_EQ(dropped.messages(), (Lines{W1, "        ... Consecutive places in last two positions assumed [12856]"}));
  EXPECT_EQ(dropped.texts(), (Lines{"#1278"}));
  // The last bell where an even place is due is an ordinary place.
  EXPECT_EQ(Notation(8, "+1856").texts(), (Lines{"#1856"}));

  Notation even(8, "+124");
  EXPECT_EQ(even.messages(), (Lines{W1, "        ... Places must be alternately odd and even [124] changed to [1234]"}));
  EXPECT_EQ(even.changes(), (Changes{{"#1234", 15}}));

  Notation oddPair(8, "+13");
  EXPECT_EQ(oddPair.messages(), (Lines{W1, "        ... Places must be alternately odd and even [13] changed to [123]"}));
  EXPECT_EQ(oddPair.texts(), (Lines{"#1238"}));

  // Place 1 where an even place is due: nothing to insert, the scan goes on.
  Notation zero(6, "+31");
  EXPECT_EQ(zero.messages(), (Lines{W1, "        ... Places must be alternately odd and even [31] changed to [31]"}));
  EXPECT_EQ(zero.changes(), (Changes{{"#316", 2}}));

  // Two corrections in one change give two messages, each quoting the
  // change as written and the change as it stood then.
  Notation thrice(8, "+1357");
  EXPECT_EQ(thrice.messages(),
            (Lines{W1, "        ... Places must be alternately odd and even [1357] changed to [12357]", W1,
                   "        ... Places must be alternately odd and even [1357] changed to [123457]", W1,
                   "        ... Places must be alternately odd and even [1357] changed to [1234567]"}));
  EXPECT_EQ(thrice.changes(), (Changes{{"#12345678", 255}}));
  EXPECT_EQ(thrice.warnings().size(), 3u);

  // Repeated or backward symbols are kept and then partly ignored by the mask.
  Notation backward(6, "+41");
  EXPECT_TRUE(backward.messages().empty());
  EXPECT_EQ(backward.changes(), (Changes{{"#1416", 5}}));
}

TEST(PlaceNotationCorrections, WarningsOnlyWhileNoError) {
  const auto pages = testing::Prove({"8 BELLS", "A = B)", "B = +8"});
  EXPECT_EQ(pages.proof, (Lines{H1, "      ... Additional right bracket unmatched to left bracket [A = B)]"}));
  EXPECT_TRUE(pages.warnings.empty());
}

TEST(PlaceNotationErrors, InTheirExactWords) {
  Notation missingSym(6, "&");
  EXPECT_EQ(missingSym.messages(), (Lines{H2, "      ... Place notation elements are missing [&]"}));
  EXPECT_TRUE(missingSym.changes().empty());
  Notation missingAsym(6, "+, B");
  EXPECT_EQ(missingAsym.messages(), (Lines{H2, "      ... Place notation elements are missing [+]"}));
  EXPECT_EQ(missingAsym.texts(), (Lines{"~B"}));

  Notation beyond(6, "+17");
  EXPECT_EQ(beyond.messages(), (Lines{H2, "      ... Place greater than number of bells [17]"}));
  Notation beyondTwice(6, "&x18.90");
  EXPECT_EQ(beyondTwice.messages(), (Lines{H2, "      ... Place greater than number of bells [18]", H2,
                                           "      ... Place greater than number of bells [90]", H2,
                                           "      ... Place greater than number of bells [90]"}));
  // Changes before the faulty one stay.
  EXPECT_EQ(Notation(6, "+x16x17").texts().front(), "#x");

  Notation dots(6, "&x1..4");
  EXPECT_EQ(dots.messages(), (Lines{H1, "      ... Consecutive dots in place notation [&x1..4]"}));
  EXPECT_EQ(Notation(6, "&X1..4").messages(), dots.messages()) << "the notation is quoted lower-cased";

  Notation tooLong(16, std::string("+").append(65, '1'));
  EXPECT_EQ(tooLong.messages(), (Lines{H2, "      ... Too many places in one change [" + std::string(65, '1') + "]"}));
  EXPECT_TRUE(tooLong.changes().empty());
  EXPECT_EQ(Notation(16, std::string("+").append(64, '1')).changes().size(), 1u) << "64 symbols are still read";
}

TEST(PlaceNotationTrace, SymmetricWithStackAndCase) {
  Notation n(4, "&X1", true);
  const Lines expected = {
      "1:4 BELLS",
      ">> Repcount=4   >> Text=\"BELLS\"",
      "2:A = &X1",
      ">> Repcount=1   >> Text=\"A\"",
      ">> RHS Repcount=1   >> Text=\"&X1\"",
      "",
      "PLACE NOTATION    =\"&x1\"",
      "PLACE NOTATION (E)=\"&x1\"",
      "PLACE NOTATION (T)=\"&x1\"",
      ">PN Stacked#x",
      "PN> \"x\" i=1  PNDigit=0",
      "PN> \"1\" i=1",
      "PN> \"14\" i=3  PNDigit=5",
      ">PN UNStacked#x",
  };
  EXPECT_EQ(n.messages(), expected);
}

TEST(PlaceNotationTrace, LetterStepsAndCorrections) {
  Notation n(12, "+1ET.4", true);
  const Lines expected = {
      "1:12 BELLS",
      ">> Repcount=12   >> Text=\"BELLS\"",
      "2:A = +1ET.4",
      ">> Repcount=1   >> Text=\"A\"",
      ">> RHS Repcount=1   >> Text=\"+1ET.4\"",
      "",
      "PLACE NOTATION    =\"+1et.4\"",
      "PLACE NOTATION (E)=\"+1Et.4\"",
      "PLACE NOTATION (T)=\"+1ET.4\"",
      "PN> \"1ET\" i=1",
      "PN> \"1ET\" i=2",
      W1,
      "        ... Places must be alternately odd and even [1ET] changed to [10ET]",
      "PN> \"10ET\" i=3",
      "PN> \"10ET\" i=4",
      "PN> \"10ET\" i=5  PNDigit=225",
      "PN> \"4\" i=1",
      "PN> \"14\" i=2",
      "PN> \"14\" i=3  PNDigit=5",
  };
  EXPECT_EQ(n.messages(), expected);
}


// Collects every error and warning as data.
class DiagnosticList : public DiagnosticSink {
 public:
  void Report(const Diagnostic& d) override {
    lines.push_back(std::to_string(static_cast<int>(d.kind)) + " " + std::to_string(d.line) + " " + d.header + " " +
                    d.detail);
  }
  Lines lines;
};

// Every definition read as (text, repeat, mask, permutation) lines.
Lines DefinitionLines(Engine& engine) {
  Lines out;
  for (const TCompElement* d = engine.table().Head(); d; d = d->Link) {
    out.emplace_back(d->Text);
    for (const TCompElement* e = d->Next; e; e = e->Next) {
      std::string line(e->Text);
      for (long long n : {static_cast<long long>(e->Repeat), static_cast<long long>(e->Places)})
        line.append(" ").append(std::to_string(n));
      for (uint8_t b : e->Permutation.source) line.append(" ").append(std::to_string(b));
      out.push_back(line);
      // The permutation rung is the one the mask means.
      const int stage = static_cast<int>(engine.parser().StageBells);
      if (e->Kind == ElementKind::Change && stage >= 1 && stage <= 16) {
        EXPECT_EQ(e->Permutation.source, PermutationOfMask(e->Places, stage).source) << e->Text << " " << stage;
      }
    }
  }
  return out;
}

// The same for a parsed text, with its messages.
Lines ReadChanges(const Lines& text, bool debugParse, Lines& diagnostics, Lines& warnings) {
  LineList proof;
  DiagnosticList list;
  Engine engine;
  engine.Outputs.ProofOutput = &proof;
  engine.Options.MaxNumberBells = 16;
  engine.Options.DebugParse = debugParse;
  engine.Outputs.DiagnosticOutput = &list;
  engine.Outputs.ShowWarning = [&](const std::string& box) { warnings.push_back(box); };
  engine.parser().ParseComposition(text);
  diagnostics = list.lines;
  return DefinitionLines(engine);
}

TEST(PlaceNotationReading, AnEngineReadingAgainReadsAsAFreshOne) {
  // Changes are made once for each set of places and kept while the
  // definitions last: a later text must neither ring the places as they
  // were on another stage nor show texts stored for the last one.
  const Lines first = {"6 BELLS", "A = &x16x16x16,+12", "B = +x.14.36"};
  const Lines second = {"8 BELLS", "A = &x18x18x18x18,+12", "B = +x.14.36.58"};
  const Lines third = {"8 BELLS", "Longer = +58.x.36", "A = &x18x18x18x18,+12"};
  LineList proof;
  Engine engine;
  engine.Outputs.ProofOutput = &proof;
  for (const Lines* text : {&first, &second, &third, &first}) {
    engine.parser().FreeDefinitions();
    engine.parser().ParseComposition(*text);
    Lines diagnostics, warnings;
    EXPECT_EQ(DefinitionLines(engine), ReadChanges(*text, false, diagnostics, warnings)) << (*text)[0];
  }
}

TEST(PlaceNotationReading, TheQuickReadingAgreesWithTheTracedOne) {
  // With the parse trace on, every segment is read symbol by symbol with all
  // its corrections; without it, plain segments are read at once. Both must
  // build the same changes and give the same messages, on every stage, for
  // every short segment and for long ones, right and wrong.
  const std::string symbols = "1234567890ETabcdxX-.et";
  std::vector<std::string> segments;
  for (char a : symbols) {
    segments.push_back(std::string(1, a));
    for (char b : symbols) {
      segments.push_back(std::string{a, b});
      for (char c : std::string("14Ex.")) segments.push_back(std::string{a, b, c});
    }
  }
  uint64_t state = 7;
  const auto next = [&](uint64_t n) {
    state = state * 6364136223846793005ULL + 1442695040888963407ULL;
    return (state >> 33) % n;
  };
  for (int i = 0; i < 2000; ++i) {
    // Rising places, odd and even in turn, now and then spoiled.
    std::string segment;
    for (int place = 1 + static_cast<int>(next(2)); place <= 16; place += 1 + 2 * static_cast<int>(next(3)))
      segment += std::string_view("1234567890ETabcd")[static_cast<size_t>(place - 1)];
    if (next(4) == 0 && !segment.empty()) segment[next(segment.size())] = symbols[next(symbols.size())];
    segments.push_back(segment);
  }
  for (int stage : {4, 5, 6, 7, 12, 16}) {
    Lines text = {std::to_string(stage) + " BELLS"};
    for (size_t i = 0; i < segments.size(); ++i) {
      std::string line = "A";
      line.append(std::to_string(i));
      line.append(i % 3 == 0 ? " = &" : " = +").append(segments[i]);
      if (i % 5 == 0) line.append("x").append(segments[(i * 7) % segments.size()]);
      text.push_back(line);
    }
    // Whole notations: blanks, cases, dots and signs where they are unusual.
    for (const char* whole : {"&x16x16x16", "+.12", "&.x.14.", "+x.", "+1 6", "& x1 6 x ", "+12..34", "+", "&",
                              "+x.14.", "&-16-", "+X1X", "+1e", "+1t", "+ 1 2 . 3 4", "&1.2.", "+12 . 14", "+..",
                              "+.", "&.", "+x x", "+1,2", "&1. ", "+14. x", "+4", "&T1", "+ET", "+1ET"})
      text.push_back(std::string("B").append(std::to_string(text.size())).append(" = ").append(whole));
    Lines quickDiagnostics, tracedDiagnostics, quickWarnings, tracedWarnings;
    const Lines quick = ReadChanges(text, false, quickDiagnostics, quickWarnings);
    const Lines traced = ReadChanges(text, true, tracedDiagnostics, tracedWarnings);
    EXPECT_EQ(quick, traced) << stage;
    EXPECT_EQ(quickDiagnostics, tracedDiagnostics) << stage;
    EXPECT_EQ(quickWarnings, tracedWarnings) << stage;
  }
}

}  // namespace
}  // namespace tolvern
