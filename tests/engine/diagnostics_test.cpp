#include <gtest/gtest.h>

#include "diagnostics.h"
#include "helpers.h"

namespace tolvern {
namespace {

struct Reporting {
  RunOutputs settings;
  LineList proof, compatible;
  std::vector<std::string> boxes;
  Diagnostics diagnostics{settings};
  Reporting() {
    settings.ProofOutput = &proof;
    settings.CompatibleOutput = &compatible;
    settings.ShowWarning = [this](const std::string& text) { boxes.push_back(text); };
  }
};

TEST(Diagnostics, TenErrorsShownThenOneSuppressionLine) {
  Reporting r;
  for (int i = 1; i <= 12; ++i) r.diagnostics.ReportError("Header " + std::to_string(i), "... detail " + std::to_string(i));
  EXPECT_EQ(r.diagnostics.ErrorCount, 12);
  ASSERT_EQ(r.proof.lines.size(), 21u);
  for (int i = 0; i < 10; ++i) {
    EXPECT_EQ(r.proof.lines[2 * i], "Header " + std::to_string(i + 1));
    EXPECT_EQ(r.proof.lines[2 * i + 1], "      ... detail " + std::to_string(i + 1));
  }
  EXPECT_EQ(r.proof.lines[20], "<< Further error messages suppressed >>");
  // Only the first error's header reaches the compatible page.
  EXPECT_EQ(r.compatible.lines, std::vector<std::string>{"Header 1"});
}

TEST(Diagnostics, WarningsAreIndentedByEightAndShownInABox) {
  Reporting r;
  r.diagnostics.ReportWarning("WARNING head", "...Line ignored");
  EXPECT_EQ(r.proof.lines, (std::vector<std::string>{"WARNING head", "        ...Line ignored"}));
  EXPECT_EQ(r.boxes, std::vector<std::string>{"WARNING head\r...Line ignored"});
  EXPECT_EQ(r.diagnostics.ErrorCount, 0);
  EXPECT_TRUE(r.compatible.lines.empty());
}

TEST(Diagnostics, WarningAfterAnErrorShowsNothing) {
  Reporting r;
  r.diagnostics.ReportError("E", "... e");
  r.diagnostics.ReportWarning("W", "... w");
  EXPECT_EQ(r.proof.lines.size(), 2u);
  EXPECT_TRUE(r.boxes.empty());
}

TEST(Diagnostics, SilentReportingDropsEverything) {
  Reporting r;
  r.diagnostics.SilentReporting = true;
  r.diagnostics.ReportError("E", "... e");
  r.diagnostics.ReportWarning("W", "... w");
  EXPECT_EQ(r.diagnostics.ErrorCount, 0);
  EXPECT_TRUE(r.proof.lines.empty());
  EXPECT_TRUE(r.boxes.empty());
}

TEST(Diagnostics, NothingShownOnceTheCountIsPastTen) {
  Reporting r;
  r.diagnostics.ErrorCount = 99999;
  r.diagnostics.ReportError("E", "... e");
  EXPECT_TRUE(r.proof.lines.empty());
  EXPECT_EQ(r.diagnostics.ErrorCount, 100000);
}

TEST(Diagnostics, TwelveErrorsInAComposition) {
  std::string text = "6 BELLS\n";
  for (int i = 0; i < 12; ++i) text += "2 A = B\n";
  const auto pages = testing::ProveText(text);
  EXPECT_EQ(pages.result.errors, 12);
  ASSERT_EQ(pages.proof.size(), 21u);
  EXPECT_EQ(pages.proof[0], "Error in defining name on line 2 of the method description.");
  EXPECT_EQ(pages.proof[1], "      ... Illegal number at start of line");
  EXPECT_EQ(pages.proof[18], "Error in defining name on line 11 of the method description.");
  EXPECT_EQ(pages.proof[20], "<< Further error messages suppressed >>");
  EXPECT_EQ(pages.compatible,
            std::vector<std::string>{"Error in defining name on line 2 of the method description."});
  EXPECT_EQ(pages.progress, std::vector<std::string>{"Errors found; failed to generate composition"});
}

TEST(Diagnostics, NotationWarningOnAGoodTouchAndAfterAnError) {
  const auto warned = testing::ProveText("6 BELLS\nA = +6, +x, +x, +x, +x, +x\n");
  ASSERT_GE(warned.proof.size(), 2u);
  EXPECT_EQ(warned.proof[0], "WARNING in place notation on line 2 of the method description.");
  EXPECT_EQ(warned.proof[1], "        ... Additional place at lead assumed [6]");
  EXPECT_EQ(warned.warnings.size(), 1u);

  const auto afterError = testing::ProveText("6 BELLS\n2 Q = R\nA = +6\n");
  EXPECT_FALSE(testing::Contains(afterError.proof, "WARNING in place notation on line 3 of the method description."));
  EXPECT_TRUE(afterError.warnings.empty());
}

}  // namespace
}  // namespace tolvern

namespace tolvern {
namespace {

struct CollectedDiagnostics : DiagnosticSink {
  void Report(const Diagnostic& d) override { all.push_back(d); }
  std::vector<Diagnostic> all;
};

std::vector<Diagnostic> DiagnosticsOf(const std::string& text, LineList* proof = nullptr) {
  CollectedDiagnostics collected;
  LineList ownProof;
  Engine engine;
  engine.Outputs.ProofOutput = proof ? proof : &ownProof;
  engine.Outputs.DiagnosticOutput = &collected;
  engine.RunProof(SplitLines(text));
  return collected.all;
}

TEST(DiagnosticsAsData, EveryErrorWithItsLineThoughThePageShowsTen) {
  std::string text = "6 BELLS\n";
  for (int i = 0; i < 12; ++i) text += "2 A" + std::to_string(i) + " = B\n";
  LineList proof;
  const auto given = DiagnosticsOf(text, &proof);
  ASSERT_EQ(given.size(), 12u);
  for (size_t i = 0; i < given.size(); ++i) {
    EXPECT_EQ(given[i].kind, Diagnostic::Kind::Error);
    EXPECT_EQ(given[i].line, static_cast<int64_t>(i) + 2);
    EXPECT_EQ(given[i].header, DefiningNameHeader(static_cast<int64_t>(i) + 2));
    EXPECT_EQ(given[i].detail, "... Illegal number at start of line");
  }
  // The page is as it was: ten shown, then the suppression line.
  EXPECT_EQ(proof.lines.size(), 21u);
  EXPECT_EQ(proof.lines[0], given[0].header);
  EXPECT_EQ(proof.lines[1], "      " + given[0].detail);
}

TEST(DiagnosticsAsData, ResolvedNamesAndMusicPointAtTheirDefinitions) {
  const auto undefined = DiagnosticsOf("6 BELLS\nT = L\n\nL = &x16x16x16, BOB\n");
  ASSERT_EQ(undefined.size(), 1u);
  EXPECT_EQ(undefined[0].line, 4);
  EXPECT_EQ(undefined[0].detail, "... Undefined name in line 4 is [BOB]");

  const auto warned = DiagnosticsOf("6 BELLS\nT = L\nL = &x16x16x16,+12\nMUSIC = \"DEFAULT\",\n  \"12Z\"\n");
  ASSERT_EQ(warned.size(), 1u);
  EXPECT_EQ(warned[0].kind, Diagnostic::Kind::Warning);
  EXPECT_EQ(warned[0].line, 4);
  EXPECT_EQ(warned[0].header, "WARNING invalid character found in a \"MUSIC=\" statement");

  const auto notation = DiagnosticsOf("6 BELLS\nT = L\nL = &x16x16x16,+12\nP = &x16x1..6\n");
  ASSERT_FALSE(notation.empty());
  EXPECT_EQ(notation[0].line, 4);
}

}  // namespace
}  // namespace tolvern
