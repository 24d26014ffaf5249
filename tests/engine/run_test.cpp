#include <gtest/gtest.h>

#include <algorithm>
#include <thread>

#include "helpers.h"

namespace tolvern {
namespace {

const char* FourBellTouch = "4 BELLS\nTOUCH = 3 LEAD\nLEAD = &x14x14,+12\n";

TEST(RunProof, ProvesAGoodTouch) {
  const auto pages = testing::ProveText(FourBellTouch);
  EXPECT_EQ(pages.result.outcome, ProofOutcome::RoundsFound);
  EXPECT_EQ(pages.result.changes, 24);
  EXPECT_EQ(pages.proof, (std::vector<std::string>{"24 rows ending in 1234", "Touch is True"}));
  EXPECT_EQ(pages.compatible, pages.proof);
  EXPECT_EQ(pages.progress, (std::vector<std::string>{"Rounds were found", "Number changes generated=24"}));
}

TEST(RunProof, AnErrorStopsTheRunAtTheGate) {
  const auto pages = testing::ProveText("4 BELLS\nTOUCH = LEAD\nLEAD = &x14x14,+12 Q\n");
  EXPECT_EQ(pages.result.outcome, ProofOutcome::Refused);
  EXPECT_EQ(pages.progress, std::vector<std::string>{"Errors found; failed to generate composition"});
  EXPECT_FALSE(testing::Contains(pages.proof, "Touch is True"));
}

TEST(RunProof, EmptyTextIsRefused) {
  const auto pages = testing::ProveText("");
  EXPECT_EQ(pages.result.outcome, ProofOutcome::Refused);
  EXPECT_EQ(pages.proof,
            (std::vector<std::string>{"The first line in the method description should be 4-12 BELLS.",
                                      "      ... If microSIRIL compatibility is not needed then increase to 16 "
                                      "bells in TOLVERN.INI [Null file]"}));
  EXPECT_EQ(pages.progress, std::vector<std::string>{"Errors found; failed to generate composition"});
}

TEST(RunProof, TracesFollowTheOrderOfTheStages) {
  RunOptions options;
  options.DebugParse = options.DebugSymTab = options.DebugProof = true;
  const auto pages = testing::ProveText(FourBellTouch, options);
  const auto index = [&](const std::string& line) {
    return std::find(pages.proof.begin(), pages.proof.end(), line) - pages.proof.begin();
  };
  EXPECT_LT(index("1:4 BELLS"), index("DATA ELEMENT DEFINITIONS"));
  EXPECT_LT(index("DATA ELEMENT DEFINITIONS"), index("HEAD Element:TOUCH"));
  EXPECT_LT(index("HEAD Element:TOUCH"), static_cast<long>(pages.proof.size()));

  const auto quiet = testing::ProveText(FourBellTouch);
  EXPECT_FALSE(testing::Contains(quiet.proof, "HEAD Element:TOUCH"));
  EXPECT_FALSE(testing::Contains(quiet.proof, "DATA ELEMENT DEFINITIONS"));
}

TEST(RunProof, OneEngineRunsTwiceFromTheResetState) {
  LineList first, second, progress;
  Engine engine;
  engine.Outputs.ProgressOutput = &progress;
  engine.Outputs.ProofOutput = &first;
  engine.RunProof(SplitLines("6 BELLS\n2 A = B\n"));  // refused
  engine.Outputs.ProofOutput = &second;
  const RunResult result = engine.RunProof(SplitLines(FourBellTouch));
  EXPECT_EQ(result.outcome, ProofOutcome::RoundsFound);
  EXPECT_EQ(second.lines, (std::vector<std::string>{"24 rows ending in 1234", "Touch is True"}));
  EXPECT_EQ(engine.parser().StageBells, 0);
  EXPECT_TRUE(engine.parser().ExpectBellsLine);
  EXPECT_EQ(engine.diagnostics().ErrorCount, 0);
  EXPECT_TRUE(engine.table().Empty());
}

TEST(RunProof, EnginesInParallelThreadsDoNotDisturbEachOther) {
  // Different stages, limits and options in each thread: any shared state
  // would show in the pages.
  const std::string minor = "6 BELLS\nT = 60 L\nL = &x16x16x16,+12\nCONFLICT =\n";
  const std::string major = "8 BELLS\nT = 7 L\nL = &x18x18x18x18,+12, \"@\"\n";
  const auto expectedMinor = testing::ProveText(minor);
  const auto expectedMajor = testing::ProveText(major);
  std::vector<std::thread> threads;
  std::vector<int> failures(4, 0);
  for (int t = 0; t < 4; ++t) {
    threads.emplace_back([&, t] {
      for (int round = 0; round < 20; ++round) {
        const auto pages = testing::ProveText(t % 2 ? minor : major);
        const auto& expected = t % 2 ? expectedMinor : expectedMajor;
        if (pages.proof != expected.proof || pages.progress != expected.progress ||
            pages.compatible != expected.compatible)
          ++failures[t];
      }
    });
  }
  for (auto& thread : threads) thread.join();
  EXPECT_EQ(failures, std::vector<int>(4, 0));
  EXPECT_EQ(expectedMajor.result.changes, 112);
  EXPECT_EQ(expectedMinor.result.outcome, ProofOutcome::Conflicting);
}

TEST(RunControl, AnotherThreadStopsAnEndlessTouchInOrder) {
  // 10^12 changes of repeated rows: nothing else would stop it for hours.
  const std::string endless = "6 BELLS\nT = 1000000 A\nA = 1000000 L\nL = &x16x16x16,+12\nCONFLICT =\n";
  LineList proof, compatible, progress;
  RunControl control;
  Engine engine;
  engine.Outputs.ProofOutput = &proof;
  engine.Outputs.CompatibleOutput = &compatible;
  engine.Outputs.ProgressOutput = &progress;
  engine.Outputs.Control = &control;
  std::thread stopper([&] {
    while (control.ChangesRung() < 100000) std::this_thread::yield();
    control.RequestStop("Proof stopped by the user");
    control.RequestStop("a later request is not the one shown");
  });
  const RunResult result = engine.RunProof(SplitLines(endless));
  stopper.join();
  EXPECT_EQ(result.outcome, ProofOutcome::Stopped);
  EXPECT_GE(result.changes, 100000);
  EXPECT_EQ(std::count(proof.lines.begin(), proof.lines.end(), "Proof stopped by the user"), 1);
  EXPECT_EQ(progress.lines[progress.lines.size() - 2], "Proof stopped by the user");
  EXPECT_EQ(progress.lines.back(), "Number changes generated=" + std::to_string(result.changes));
  EXPECT_FALSE(testing::Contains(progress.lines, "Rounds were found"));
  EXPECT_FALSE(testing::Contains(progress.lines, "Conflicting rows were found"));
}

TEST(RunControl, AStopAlsoEndsWorkWithNoChangeRung) {
  // Strings printed a billion times ring nothing; the idle limit is lifted.
  LineList proof, progress;
  RunControl control;
  control.RequestStop("Proof stopped by the user");
  Engine engine;
  engine.Outputs.ProofOutput = &proof;
  engine.Outputs.ProgressOutput = &progress;
  engine.Outputs.Control = &control;
  engine.Options.MaxIdleWork = 0;
  engine.Options.ShowMusic = false;
  const RunResult result = engine.RunProof(SplitLines("6 BELLS\nT = 1000000000 S\nS = \"x\"\n"));
  EXPECT_EQ(result.outcome, ProofOutcome::Stopped);
  EXPECT_EQ(proof.lines.front(), "Proof stopped by the user");
  EXPECT_FALSE(testing::Contains(proof.lines, "x"));
}

TEST(SplitLines, AcceptsEveryLineEnd) {
  EXPECT_EQ(SplitLines("a\r\nb\nc\rd"), (std::vector<std::string>{"a", "b", "c", "d"}));
  EXPECT_EQ(SplitLines("a\n"), std::vector<std::string>{"a"});
  EXPECT_EQ(SplitLines("a\n\n"), (std::vector<std::string>{"a", ""}));
  EXPECT_EQ(SplitLines("a\r\r\n"), (std::vector<std::string>{"a", ""}));
  EXPECT_TRUE(SplitLines("").empty());
  EXPECT_TRUE(SplitLines(std::string_view()).empty()) << "no bytes at all, not even a place for them";
  EXPECT_EQ(SplitLines(std::string("\xE9t\xC3\xA9\0x", 6)), std::vector<std::string>{std::string("\xE9t\xC3\xA9\0x", 6)});
}

}  // namespace
}  // namespace tolvern
