// The symbol table: the listing, the seven predefined names with their
// defaults, refused predefined definitions, undefined names, texts with no
// composition, and the reset at the end of every run.
#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <vector>

#include "helpers.h"
#include "engine.h"

namespace tolvern {
namespace {

using testing::Prove;

using Lines = std::vector<std::string>;

RunOptions SymTab() {
  RunOptions options;
  options.DebugSymTab = true;
  options.ShowMusic = false;
  options.ShowWorkDone = false;
  return options;
}

RunOptions Quiet() {
  RunOptions options;
  options.ShowMusic = false;
  options.ShowWorkDone = false;
  return options;
}

// The first section of the listing: the lines after its underline and blank.
Lines DataSection(const Lines& proof) {
  auto at = std::find(proof.begin(), proof.end(), "DATA ELEMENT DEFINITIONS");
  if (at == proof.end() || proof.end() - at < 3) return {};
  at += 3;
  return Lines(at, std::find(at, proof.end(), ""));
}

Lines PredefinedSection(const Lines& proof) {
  auto at = std::find(proof.begin(), proof.end(), "PREDEFINED ELEMENT DEFINITIONS");
  if (at == proof.end() || proof.end() - at < 3) return {};
  at += 3;
  return Lines(at, std::min(at + 7, proof.end()));
}

// The seven default lines as listed, for a text of `lines` lines.
Lines Defaults(int lines) {
  const std::string at = "{line " + std::to_string(lines + 1) + "}";
  return {"TRUE" + at + " \"# rows ending in @\" \"Touch is True$$\"",
          "NOTROUND" + at + " \"# rows ending in @\" \"Is this okay?\"",
          "FALSE" + at + " \"# rows ending in @\" \"Touch is False in $ rows\"",
          "CONFLICT" + at + " \"# rows ending in @\" \"Touch not completed due to False row$$\"",
          "ROUNDS" + at + " <null>",
          "EVERYROW" + at + " <null>",
          "MUSIC" + at + " \"DEFAULT\""};
}

const std::string H3 = "The first line in the method description should be 4-12 BELLS.";
const std::string H5 = "One or more undefined names in the method description.";
const std::string Gate = "Errors found; failed to generate composition";

TEST(SymbolTableListing, WorkedExampleLineForLine) {
  const auto pages = Prove({"6 BELLS", "TOUCH = 3P", "P = &-16-16-16, LH,", "    \"@\"", "LH = +12", "END"}, SymTab());
  Lines expected = {"", "DATA ELEMENT DEFINITIONS", "========================", "",
                    "TOUCH{line 2} 3~P",
                    "P{line 3} #- #16 #- #16 #- #16 #- #16 #- #16 #- ~LH \"@\"",
                    "LH{line 5} #12",
                    "END{line 0}"};
  const Lines defaults = Defaults(6);
  expected.insert(expected.end(), defaults.begin(), defaults.end());
  for (const std::string line : {"", "PREDEFINED ELEMENT DEFINITIONS", "==============================", ""})
    expected.push_back(line);
  expected.insert(expected.end(), defaults.begin(), defaults.end());
  ASSERT_GE(pages.proof.size(), expected.size());
  EXPECT_EQ(Lines(pages.proof.begin(), pages.proof.begin() + static_cast<long>(expected.size())), expected);
  // TOUCH, the first record, is what is rung: 36 changes, and the lines it prints follow.
  EXPECT_EQ(pages.result.changes, 36);
  EXPECT_EQ(pages.proof[expected.size()], "135264");
  EXPECT_FALSE(testing::Contains(pages.progress, "PARSER: Errors found in parsing composition"));
}

TEST(SymbolTableListing, ListDefinitionForms) {
  const auto pages = Prove({"4 BELLS", "X = A", "A = 3*B, \"x\", &-1", "B = +1", "C =", "D = 2\"[PB]\", 1B"}, SymTab());
  Lines expected = {"X{line 2} ~A", "A{line 3} 3~B \"x\" #- #14 #-", "B{line 4} #14", "C{line 5} <null>",
                    "D{line 6} 2[PB] ~B"};
  const Lines defaults = Defaults(6);
  expected.insert(expected.end(), defaults.begin(), defaults.end());
  EXPECT_EQ(DataSection(pages.proof), expected);
  // A forward reference makes the record on the line of its first use;
  // its own statement moves it to its definition line.
  const auto undefined = Prove({"4 BELLS", "X = A", "", "A = B"}, SymTab());
  const Lines data = DataSection(undefined.proof);
  EXPECT_EQ(Lines(data.begin(), data.begin() + 3), (Lines{"X{line 2} ~A", "A{line 4} ~B", "B{line 4}"}));
}

TEST(SymbolTableListing, ListedEvenWithErrors) {
  const auto pages = Prove({"6 BELLS", "A = B)", "B = +1"}, SymTab());
  Lines expected = {"A{line 2} ~B", "B{line 3} #16"};
  const Lines defaults = Defaults(3);
  expected.insert(expected.end(), defaults.begin(), defaults.end());
  EXPECT_EQ(DataSection(pages.proof), expected);
  EXPECT_EQ(pages.progress, (Lines{"PARSER: Errors found in parsing composition", Gate}));
  // Without SymTab the progress line does not appear.
  EXPECT_EQ(Prove({"6 BELLS", "A = B)", "B = +1"}).progress, (Lines{Gate}));
}

TEST(PredefinedNames, TextOnlyDefinitionsAreAccepted) {
  const auto pages = Prove({"6 BELLS", "A = 6+x16", "TRUE = \"Well done\""}, Quiet());
  EXPECT_TRUE(pages.warnings.empty());
  EXPECT_EQ(pages.proof.front(), "Well done");
  EXPECT_FALSE(testing::Contains(pages.proof, "Touch is True"));
  EXPECT_EQ(pages.result.outcome, ProofOutcome::RoundsFound);

  const auto listed = Prove({"6 BELLS", "A = 6+x16", "TRUE = (\"a\", \"b\")", "ROUNDS = ((\"r\"), \"s\")"}, SymTab());
  EXPECT_TRUE(listed.warnings.empty());
  // %BLOCK1 is the counted notation of A.
  EXPECT_EQ(PredefinedSection(listed.proof)[0], "TRUE{line 3} ~%BLOCK2");
  EXPECT_EQ(PredefinedSection(listed.proof)[4], "ROUNDS{line 4} ~%BLOCK3");
  const Lines data = DataSection(listed.proof);
  EXPECT_TRUE(testing::Contains(data, "%BLOCK2{line 3} \"a\" \"b\""));
  EXPECT_TRUE(testing::Contains(data, "%BLOCK3{line 4} ~%BLOCK4 \"s\""));
  EXPECT_TRUE(testing::Contains(data, "%BLOCK4{line 4} \"r\""));
  // The user's definition wins silently over the default.
  EXPECT_FALSE(testing::Contains(listed.proof, "Name defined a second time on line 5 of the method description."));
}

TEST(PredefinedNames, OtherDefinitionsAreRefusedWithAWarning) {
  const auto pages = Prove({"6 BELLS", "A = 6+x16", "TRUE = \"ok\", A"}, SymTab());
  const std::string header = "WARNING in defining the predefined name \"TRUE\" in line 3";
  ASSERT_GE(pages.proof.size(), 2u);
  EXPECT_EQ(Lines(pages.proof.begin(), pages.proof.begin() + 2), (Lines{header, "        ...Line ignored"}));
  EXPECT_EQ(pages.warnings, (Lines{header + "\r...Line ignored"}));
  Lines expected = {"A{line 2} 6~%BLOCK1", "%BLOCK1{line 2} #x #16", "/Illegal/TRUE{line 3} \"ok\" ~A"};
  const Lines defaults = Defaults(3);
  expected.insert(expected.end(), defaults.begin(), defaults.end());
  EXPECT_EQ(DataSection(pages.proof), expected);
  EXPECT_EQ(PredefinedSection(pages.proof), defaults);
  EXPECT_EQ(pages.result.outcome, ProofOutcome::RoundsFound) << "a warning does not stop the proof";
  EXPECT_TRUE(testing::Contains(pages.proof, "Touch is True"));

  // Place notation, directly or inside a block, is refused too; the
  // warnings come in the order TRUE ... MUSIC whatever the text's order.
  const auto two = Prove({"6 BELLS", "A = 6+x16", "MUSIC = (\"x\", (+12))", "", "TRUE = &-1-1"}, Quiet());
  EXPECT_EQ(two.warnings, (Lines{"WARNING in defining the predefined name \"TRUE\" in line 5\r...Line ignored",
                                 "WARNING in defining the predefined name \"MUSIC\" in line 3\r...Line ignored"}));

  // After an error the warning is not shown, but the record is still renamed.
  const auto afterError = Prove({"6 BELLS", "A = B)", "B = +1", "TRUE = B"}, SymTab());
  EXPECT_TRUE(afterError.warnings.empty());
  EXPECT_TRUE(testing::Contains(DataSection(afterError.proof), "/Illegal/TRUE{line 4} ~B"));
}

TEST(PredefinedNames, ReferredToOnlyTakesTheDefault) {
  const auto pages = Prove({"6 BELLS", "A = 6+x16, ROUNDS"}, SymTab());
  EXPECT_EQ(pages.result.errors, 0);
  const Lines data = DataSection(pages.proof);
  ASSERT_GE(data.size(), 3u);
  EXPECT_EQ(data[2], "ROUNDS{line 3} <null>") << "the reference made the record; the default filled it";
  EXPECT_EQ(data.size(), 9u) << "no second ROUNDS record";
}

TEST(UndefinedNames, OneMessageEachWithTheLineOfFirstUse) {
  const auto pages = Prove({"6 BELLS", "A = D", "D = +1", "E = B, C, B", "F = C"});
  EXPECT_EQ(pages.proof, (Lines{H5, "      ... Undefined name in line 4 is [B]", H5,
                                "      ... Undefined name in line 4 is [C]"}));
  EXPECT_EQ(pages.compatible, (Lines{H5}));
  EXPECT_EQ(pages.progress, (Lines{Gate}));
  EXPECT_EQ(pages.result.errors, 2);
  // Not reported when another error came first.
  const auto earlier = Prove({"6 BELLS", "A = B, C)"});
  EXPECT_EQ(earlier.proof,
            (Lines{"Error in defining name on line 2 of the method description.",
                   "      ... Additional right bracket unmatched to left bracket [A = B, C)]"}));
}

TEST(UndefinedNames, EndStatementAndEndAsAName) {
  EXPECT_EQ(Prove({"6 BELLS", "A = +12", "END"}).result.errors, 0);
  EXPECT_EQ(Prove({"6 BELLS", "A = +12, END"}).proof, (Lines{H5, "      ... Undefined name in line 2 is [END]"}));
  // The END statement finds the record made by the reference, which keeps its line.
  EXPECT_EQ(Prove({"6 BELLS", "A = +12, END", "END"}).proof, (Lines{H5, "      ... Undefined name in line 2 is [END]"}));
}

TEST(NoComposition, EmptyTextAndStageOnly) {
  const Lines nullFile = {H3, "      ... If microSIRIL compatibility is not needed then increase to 16 bells in "
                              "TOLVERN.INI [Null file]"};
  for (const Lines& text : {Lines{}, Lines{""}, Lines{"/ only a comment", "   "}}) {
    const auto pages = Prove(text);
    EXPECT_EQ(pages.proof, nullFile);
    EXPECT_EQ(pages.compatible, (Lines{H3}));
    EXPECT_EQ(pages.progress, (Lines{Gate}));
  }
  for (const Lines& text : {Lines{"6 BELLS"}, Lines{"6 BELLS / no more", "", "/ nothing"}}) {
    const auto pages = Prove(text);
    EXPECT_EQ(pages.proof, (Lines{"Nothing happens!", "      ... No composition exists"}));
    EXPECT_EQ(pages.progress, (Lines{Gate}));
  }
  // With SymTab the listing is empty in both sections.
  const auto listed = Prove({"6 BELLS"}, SymTab());
  EXPECT_EQ(listed.proof, (Lines{"Nothing happens!", "      ... No composition exists", "", "DATA ELEMENT DEFINITIONS",
                                 "========================", "", "", "PREDEFINED ELEMENT DEFINITIONS",
                                 "==============================", ""}));
  EXPECT_EQ(listed.progress, (Lines{"PARSER: Errors found in parsing composition", Gate}));
  // A refused stage line and nothing else: that error only.
  EXPECT_EQ(Prove({"3 BELLS"}).proof,
            (Lines{H3, "      ... If microSIRIL compatibility is not needed then increase to 16 bells in "
                       "TOLVERN.INI [3 BELLS]"}));
}

TEST(ParserState, ResetAfterEveryRun) {
  LineList proof, compatible, progress;
  Engine engine;
  engine.Outputs.ProofOutput = &proof;
  engine.Outputs.CompatibleOutput = &compatible;
  engine.Outputs.ProgressOutput = &progress;
  engine.Options.ShowMusic = false;
  engine.Options.ShowWorkDone = false;
  const Lines refused = {"6 BELLS", "A = (B)", "END"};
  EXPECT_EQ(engine.RunProof(refused).outcome, ProofOutcome::Refused);
  Parser& parser = engine.parser();
  EXPECT_TRUE(engine.table().Empty());
  EXPECT_TRUE(parser.ExpectBellsLine);
  EXPECT_EQ(parser.StageBells, 0);
  EXPECT_EQ(parser.BlockCounter, 0);
  EXPECT_FALSE(parser.EndSeen);
  EXPECT_EQ(engine.diagnostics().ErrorCount, 0);
  EXPECT_FALSE(engine.diagnostics().SilentReporting);

  // The next run starts afresh: blocks are numbered from 1 again, and the
  // lines after END of the last run do not silence this one.
  proof.lines.clear();
  engine.Options.DebugSymTab = true;
  const Lines good = {"6 BELLS", "A = (+x16), 5%B", "%B = +x16"};
  const RunResult result = engine.RunProof(good);
  EXPECT_TRUE(testing::Contains(proof.lines, "%BLOCK1{line 2} #x #16"));
  EXPECT_EQ(result.errors, 2) << "% starts no name, in the body or at the head";

  proof.lines.clear();
  engine.Options.DebugSymTab = false;
  const Lines again = {"6 BELLS", "A = (+x16), 5(+x16)"};
  EXPECT_EQ(engine.RunProof(again).outcome, ProofOutcome::RoundsFound);
  EXPECT_EQ(engine.RunProof(again).changes, 12);
}

TEST(PredefinedNames, IsTextOnly) {
  LineList proof;
  Engine engine;
  engine.Outputs.ProofOutput = &proof;
  const Lines text = {"6 BELLS", "A = \"x\", \"[PB]\", (\"y\", (\"z\"))", "B =", "C = \"x\", D", "D = \"d\"",
                      "E = (\"x\", +12)", "F = ((D))"};
  engine.parser().ParseComposition(text);
  Parser& parser = engine.parser();
  EXPECT_TRUE(parser.IsTextOnly("A"));
  EXPECT_TRUE(parser.IsTextOnly("B"));
  EXPECT_FALSE(parser.IsTextOnly("C")) << "a reference to a user's name";
  EXPECT_TRUE(parser.IsTextOnly("D"));
  EXPECT_FALSE(parser.IsTextOnly("E")) << "a change inside a block";
  EXPECT_FALSE(parser.IsTextOnly("F")) << "a reference inside a block";
  EXPECT_TRUE(parser.IsTextOnly("NOSUCHNAME"));
  parser.FreeDefinitions();
}

}  // namespace
}  // namespace tolvern
