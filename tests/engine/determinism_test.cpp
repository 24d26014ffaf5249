// The same text gives the same pages however it is proved: twice in one
// engine, after other texts in the same engine, or in engines on several
// threads at once. Runs over every file in examples/ and a few texts that
// reach the parts examples do not (errors, warnings, stops, traces).
#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>
#include <thread>
#include <vector>

#include "engine.h"

namespace tolvern {
namespace {

namespace fs = std::filesystem;

struct Pages {
  std::vector<std::string> proof, compatible, progress, warnings;
  ProofOutcome outcome = ProofOutcome::Refused;
  int64_t changes = 0, duplicates = 0, errors = 0;

  bool operator==(const Pages&) const = default;
};

struct Case {
  std::string name;
  std::vector<std::string> lines;
  bool traced = false;  // all three debug traces on
};

Pages Prove(Engine& engine, const Case& c) {
  Pages pages;
  LineList proof, compatible, progress;
  engine.Outputs.ProofOutput = &proof;
  engine.Outputs.CompatibleOutput = &compatible;
  engine.Outputs.ProgressOutput = &progress;
  engine.Options.DebugParse = engine.Options.DebugSymTab = engine.Options.DebugProof = c.traced;
  engine.Options.MaxNumberBells = 16;
  engine.Options.MaxChanges = 500000;
  engine.Outputs.ShowWarning = [&pages](const std::string& text) { pages.warnings.push_back(text); };
  const RunResult result = engine.RunProof(c.lines);
  pages.proof = std::move(proof.lines);
  pages.compatible = std::move(compatible.lines);
  pages.progress = std::move(progress.lines);
  pages.outcome = result.outcome;
  pages.changes = result.changes;
  pages.duplicates = result.duplicates;
  pages.errors = result.errors;
  return pages;
}

Pages ProveFresh(const Case& c) {
  Engine engine;
  return Prove(engine, c);
}

std::vector<Case> ExampleCases() {
  std::vector<fs::path> files;
  for (const auto& entry : fs::directory_iterator(TOLVERN_EXAMPLES))
    if (entry.is_regular_file()) files.push_back(entry.path());
  std::sort(files.begin(), files.end());
  std::vector<Case> cases;
  for (const fs::path& file : files) {
    std::ifstream in(file, std::ios::binary);
    const std::string bytes((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
    cases.push_back({file.filename().string(), SplitLines(bytes), false});
  }
  return cases;
}

std::vector<Case> OwnCases() {
  using namespace std::string_literals;
  const auto text = [](std::string name, const std::string& body, bool traced = false) {
    return Case{std::move(name), SplitLines(body), traced};
  };
  return {
      text("true", "4 BELLS\nT = 3 L\nL = &x14x14,+12\n"),
      text("traced", "6 BELLS\nT = 2 (P, B)\nP = \"[P]\", &x16x16x16,+12\nB = \"[B]\", &x16x16x16,+14\n", true),
      text("errors", "6 BELLS\n2 A = B\nT = (B,)\nB = \"x\" Q\nC = &x1..4\nD = +17\n\"abc\nE = 2147483648 F\n"),
      text("warnings", "8 BELLS\nT = +8, +128, +124, &x18\nMUSIC = \"12*\"\nEND\nmore\n"),
      text("halted", "4 BELLS\nT = 4 L\nL = &x14x14,+12\n"),
      text("repeats", "6 BELLS\nT = 3 C\nC = 60 L\nL = &x16x16x16,+12\nCONFLICT =\n"),
      text("depth", "4 BELLS\nA = \"x\", +x, A\nCONFLICT =\n"),
      text("idle", "6 BELLS\nA = 2147483647 B\nB = 2147483647 C\nC =\n"),
      text("stopped", "6 BELLS\nT = 1000000 L\nL = &x16x16x16,+12\nCONFLICT =\n"),
      text("strings", "7 BELLS\nT = \"_a_ @ # $\\\", 3 +3.1.7.1.7.1.7, \"\\@\\#$$\"\nTRUE = \"ok\", A\nA = +1\n"),
      text("bytes", "6 BELLS\nT = \"\xE9\0\xFF\", +x\n\xE9 = +x\n"s),
  };
}

std::vector<Case> AllCases() {
  std::vector<Case> cases = ExampleCases();
  EXPECT_FALSE(cases.empty()) << "no examples in " << TOLVERN_EXAMPLES;
  for (Case& c : OwnCases()) cases.push_back(std::move(c));
  // The examples traced as well: the traces must not differ either.
  const size_t examples = cases.size() - OwnCases().size();
  for (size_t i = 0; i < examples; ++i) cases.push_back({cases[i].name + " traced", cases[i].lines, true});
  return cases;
}

TEST(Determinism, TheOwnTextsReachEveryOutcome) {
  // Otherwise the other tests would compare less than they claim.
  std::vector<ProofOutcome> seen;
  for (const Case& c : OwnCases()) seen.push_back(ProveFresh(c).outcome);
  for (const ProofOutcome outcome : {ProofOutcome::Refused, ProofOutcome::RoundsFound, ProofOutcome::Conflicting,
                                     ProofOutcome::NotRound, ProofOutcome::HaltedAtRow, ProofOutcome::Stopped})
    EXPECT_NE(std::find(seen.begin(), seen.end(), outcome), seen.end()) << static_cast<int>(outcome);
  const Pages warnings = ProveFresh(OwnCases()[3]);
  EXPECT_GE(warnings.warnings.size(), 4u);
}

TEST(Determinism, SameTextTwiceInOneEngine) {
  for (const Case& c : AllCases()) {
    SCOPED_TRACE(c.name);
    Engine engine;
    const Pages first = Prove(engine, c);
    const Pages second = Prove(engine, c);
    EXPECT_TRUE(first == second);
    EXPECT_FALSE(first.proof.empty() && first.progress.empty());
  }
}

TEST(Determinism, OneEngineForEveryTextInTurnGivesWhatFreshEnginesGive) {
  const std::vector<Case> cases = AllCases();
  std::vector<Pages> fresh;
  for (const Case& c : cases) fresh.push_back(ProveFresh(c));

  // Forwards and then backwards, so that each text follows a different one.
  Engine engine;
  for (size_t i = 0; i < cases.size(); ++i) EXPECT_TRUE(Prove(engine, cases[i]) == fresh[i]) << cases[i].name;
  for (size_t i = cases.size(); i-- > 0;) EXPECT_TRUE(Prove(engine, cases[i]) == fresh[i]) << cases[i].name;
}

TEST(Determinism, EnginesOnTwoThreadsGiveTheSamePages) {
  const std::vector<Case> cases = AllCases();
  std::vector<Pages> expected;
  for (const Case& c : cases) expected.push_back(ProveFresh(c));

  // Both threads prove every text at the same time, in opposite orders, so
  // different texts are in flight together.
  std::vector<std::vector<Pages>> got(2, std::vector<Pages>(cases.size()));
  std::vector<std::thread> threads;
  for (int t = 0; t < 2; ++t) {
    threads.emplace_back([&, t] {
      Engine engine;
      for (size_t k = 0; k < cases.size(); ++k) {
        const size_t i = t == 0 ? k : cases.size() - 1 - k;
        got[static_cast<size_t>(t)][i] = Prove(engine, cases[i]);
      }
    });
  }
  for (std::thread& thread : threads) thread.join();
  for (int t = 0; t < 2; ++t)
    for (size_t i = 0; i < cases.size(); ++i)
      EXPECT_TRUE(got[static_cast<size_t>(t)][i] == expected[i]) << "thread " << t << ": " << cases[i].name;
}

}  // namespace
}  // namespace tolvern
