#include <gtest/gtest.h>

#include <algorithm>

#include "helpers.h"

namespace tolvern {
namespace {

using Lines = std::vector<std::string>;

const std::string DepthLine = "Expansion too deep: a definition refers to itself without end";

RunOptions WithProofTrace() {
  RunOptions options;
  options.DebugProof = true;
  return options;
}

RunOptions WithMaxChanges(long long n) {
  RunOptions options;
  options.MaxChanges = n;
  return options;
}

long CountOf(const Lines& lines, const std::string& line) { return std::count(lines.begin(), lines.end(), line); }

TEST(Expansion, ProofTraceOfAReferenceRepeatedTwice) {
  const auto pages = testing::ProveText("4 BELLS\nT = 2*X\nX = +x\n", WithProofTrace());
  EXPECT_EQ(pages.proof, (Lines{"HEAD Element:T",
                                "Element:~X",
                                "HEAD Element:X",
                                "Element:#x",
                                "HEAD Element:EVERYROW",
                                "Element:~X",
                                "HEAD Element:X",
                                "Element:#x",
                                "HEAD Element:ROUNDS",
                                "HEAD Element:EVERYROW",
                                "HEAD Element:TRUE",
                                "Element:\"# rows ending in @\"",
                                "2 rows ending in 1234",
                                "Element:\"Touch is True$$\"",
                                "Touch is True"}));
  EXPECT_EQ(pages.compatible, (Lines{"2 rows ending in 1234", "Touch is True"}));
}

TEST(Expansion, ProofTraceOfARepeatedRowAndOfCountedElements) {
  // Rows 2143, 1234, 2143. CONFLICT is expanded (empty) right after the
  // repeated row is registered, before EVERYROW; the ROUNDS line comes at the
  // start of the change after rounds.
  const auto pages = testing::ProveText("4 BELLS\nT = +xx, 2\"s\", +x\nCONFLICT =\n", WithProofTrace());
  EXPECT_EQ(pages.proof, (Lines{"HEAD Element:T",
                                "Element:#x",
                                "HEAD Element:EVERYROW",
                                "Element:#x",
                                "HEAD Element:ROUNDS",
                                "HEAD Element:EVERYROW",
                                "Element:\"s\"",
                                "s",
                                "Element:\"s\"",
                                "s",
                                "Element:#x",
                                "ROUNDS found after 2 changes",
                                "HEAD Element:CONFLICT",
                                "HEAD Element:EVERYROW",
                                "HEAD Element:FALSE",
                                "Element:\"# rows ending in @\"",
                                "3 rows ending in 2143",
                                "Element:\"Touch is False in $ rows\"",
                                "Touch is False in 1 rows",
                                "",
                                "Some changes were repeated:  (Max number repetitions of a single change = 1)",
                                "",
                                "  Number of different changes rung     = 2",
                                "  Number changes rung at least 2 times = 1"}));
}

TEST(Expansion, RoundsLineOnlyWhenRingingGoesOnAfterRounds) {
  // Round after 24 changes and 8 more; a touch ending in rounds writes none.
  const std::string lead = "L = +x14x14x14x12\n";
  const auto more = testing::ProveText("4 BELLS\nT = 4*L\n" + lead + "CONFLICT =\n");
  EXPECT_EQ(CountOf(more.proof, "ROUNDS found after 24 changes"), 1);
  EXPECT_EQ(more.progress.front(), "ROUNDS found after 24 changes");

  const auto ending = testing::ProveText("4 BELLS\nT = 3*L\n" + lead);
  for (const auto& line : ending.progress) EXPECT_EQ(line.find("ROUNDS found"), std::string::npos) << line;

  // Rounds at the start is not a rounds found after any change.
  const auto start = testing::ProveText("4 BELLS\nT = \"a\", +x, \"b\"\n");
  EXPECT_EQ(start.proof, (Lines{"a", "b", "1 rows ending in 2143", "Is this okay?"}));
}

TEST(Expansion, MarkerGoesToTheCompatiblePageWithThePendingText) {
  const auto pages = testing::ProveText("4 BELLS\nT = \"abc\\\", \"[M]\", \"def\"\n", [] {
    RunOptions options;
    options.ShowWorkDone = false;
    return options;
  }());
  // The proof page keeps "abc" open; the compatible page closes it with the marker.
  EXPECT_EQ(pages.proof, (Lines{"abcdef", "0 rows ending in 1234", "Touch is True"}));
  EXPECT_EQ(pages.compatible, (Lines{"abc[M]", "def", "0 rows ending in 1234", "Touch is True"}));
}

TEST(Expansion, SelfReferenceStopsAtTheDepthLimit) {
  const auto bare = testing::ProveText("4 BELLS\nA = A\n");
  EXPECT_EQ(bare.proof, (Lines{DepthLine}));
  EXPECT_TRUE(bare.compatible.empty());
  EXPECT_EQ(bare.progress, (Lines{DepthLine, "Number changes generated=0"}));
  EXPECT_EQ(bare.result.outcome, ProofOutcome::Stopped);

  // 100 000 expansions print their string; the 100 001st is not started.
  const auto printing = testing::ProveText("4 BELLS\nA = \"x\", A\nCONFLICT =\n");
  ASSERT_EQ(printing.proof.size(), 100001u);
  EXPECT_EQ(CountOf(printing.proof, "x"), 100000);
  EXPECT_EQ(printing.proof.back(), DepthLine);
  EXPECT_EQ(printing.compatible, Lines(100000, "x"));
  EXPECT_EQ(printing.progress, (Lines{DepthLine, "Number changes generated=0"}));
  EXPECT_EQ(printing.result.outcome, ProofOutcome::Stopped);
}

TEST(Expansion, SelfReferenceRingingChangesStopsWithoutAVerdict) {
  // Expansion k rings change k. At change 100 000 the row repeats and the
  // (empty) CONFLICT would be the 100 001st expansion: the touch stops there.
  const auto pages = testing::ProveText("4 BELLS\nA = +x, A\nCONFLICT =\n");
  EXPECT_EQ(pages.result.changes, 100000);
  EXPECT_EQ(pages.result.outcome, ProofOutcome::Stopped);
  // Rounds after every even change: 2, 4, ..., 99 998 are reported.
  Lines expected;
  for (int n = 2; n <= 99998; n += 2) expected.push_back("ROUNDS found after " + std::to_string(n) + " changes");
  expected.push_back(DepthLine);
  EXPECT_EQ(pages.proof, expected);  // no verdict, no repetition block
  expected.push_back("Number changes generated=100000");
  EXPECT_EQ(pages.progress, expected);
  EXPECT_TRUE(pages.compatible.empty());
}

TEST(Expansion, MaxChangesStopsAfterTheRowsSteps) {
  const std::string lead = "L = +x14x14x14x12\n";
  const auto plain = testing::ProveText("4 BELLS\nT = 3*L\n" + lead, WithMaxChanges(10));
  EXPECT_EQ(plain.proof, (Lines{"Proof stopped after 10 changes"}));
  EXPECT_TRUE(plain.compatible.empty());
  EXPECT_EQ(plain.progress, (Lines{"Proof stopped after 10 changes", "Number changes generated=10"}));
  EXPECT_EQ(plain.result.outcome, ProofOutcome::Stopped);

  // Reaching the limit on the last change still stops: never read as true.
  const auto exact = testing::ProveText("4 BELLS\nT = 3*L\n" + lead, WithMaxChanges(24));
  EXPECT_EQ(exact.progress, (Lines{"Proof stopped after 24 changes", "Number changes generated=24"}));
  EXPECT_EQ(exact.result.outcome, ProofOutcome::Stopped);

  // Rows repeated before the stop: still no verdict and no repetition block.
  // EVERYROW runs for the last row before the stop line.
  const auto repeated =
      testing::ProveText("4 BELLS\nT = 10*L\n" + lead + "CONFLICT =\nEVERYROW = \"#\"\n", WithMaxChanges(30));
  Lines proof;
  for (int n = 1; n <= 24; ++n) proof.push_back(std::to_string(n));
  proof.push_back("ROUNDS found after 24 changes");
  for (int n = 25; n <= 30; ++n) proof.push_back(std::to_string(n));
  proof.push_back("Proof stopped after 30 changes");
  EXPECT_EQ(repeated.proof, proof);
  EXPECT_EQ(repeated.progress, (Lines{"ROUNDS found after 24 changes", "Proof stopped after 30 changes",
                                      "Number changes generated=30"}));

  // A row that halts the touch at the limit is a halt, not a stop.
  const auto halted = testing::ProveText("4 BELLS\nT = 4*L\n" + lead, WithMaxChanges(25));
  EXPECT_EQ(halted.proof, (Lines{"ROUNDS found after 24 changes", "25 rows ending in 2143",
                                 "Touch not completed due to False row"}));
  EXPECT_EQ(halted.result.outcome, ProofOutcome::HaltedAtRow);

  // A limit above the length changes nothing.
  const auto under = testing::ProveText("4 BELLS\nT = 3*L\n" + lead, WithMaxChanges(25));
  EXPECT_EQ(under.proof, (Lines{"24 rows ending in 1234", "Touch is True"}));
  EXPECT_EQ(under.result.outcome, ProofOutcome::RoundsFound);
}

TEST(Expansion, StoppedTouchStillWritesMusicAndLeads) {
  // Plain Bob Minor stopped in its third lead: lead heads 123456, 135264,
  // 156342, the last lead 6 changes long.
  const auto pages = testing::ProveText("6 BELLS\nT = 5*P\nP = \"[PB]\", &x16x16x16,+12\nMUSIC = \"?56\"\n",
                                        WithMaxChanges(30));
  const auto stop = std::find(pages.proof.begin(), pages.proof.end(), "Proof stopped after 30 changes");
  ASSERT_NE(stop, pages.proof.end());
  EXPECT_EQ(stop, pages.proof.begin());
  EXPECT_TRUE(testing::Contains(pages.proof, "Touch contains:"));
  EXPECT_TRUE(testing::Contains(pages.proof, "NumberLeads=3"));
  EXPECT_TRUE(testing::Contains(pages.proof, "[PB]  3 leads   30 changes"));
  EXPECT_FALSE(testing::Contains(pages.proof, "Touch is True"));
}

TEST(Expansion, OneEngineProvesTheSameTextTwiceAlike) {
  const auto text = SplitLines(
      "6 BELLS\nT = 5*P, +x\nP = \"[PB]\", &x16x16x16,+12\nCONFLICT =\nMUSIC = \"DEFAULT\", \"zz\"\n");
  LineList proof[2], compatible[2], progress[2];
  Engine engine;
  for (int run = 0; run < 2; ++run) {
    engine.Outputs.ProofOutput = &proof[run];
    engine.Outputs.CompatibleOutput = &compatible[run];
    engine.Outputs.ProgressOutput = &progress[run];
    engine.RunProof(text);
  }
  EXPECT_EQ(proof[0].lines, proof[1].lines);
  EXPECT_EQ(compatible[0].lines, compatible[1].lines);
  EXPECT_EQ(progress[0].lines, progress[1].lines);
  EXPECT_TRUE(testing::Contains(proof[1].lines, "NumberLeads=5"));
  EXPECT_EQ(CountOf(proof[1].lines, "Touch contains:"), 1);
  EXPECT_EQ(CountOf(proof[1].lines, "        ...Definition of change ignored [z]"), 1);
}

}  // namespace
}  // namespace tolvern

namespace tolvern {
namespace {

struct RecordingObserver : RowObserver {
  struct Seen {
    std::string row;
    int64_t change;
    uint64_t timesBefore;
    int64_t firstChange;
    std::vector<std::string> music;
  };
  void OnTouchStart(int s) override { stage = s; }
  void OnRow(const RowEvent& event) override {
    std::string row;
    for (int i = 0; i < event.stage; ++i) row += BellSymbol(event.bells[i] + 1);
    rows.push_back({row, event.change, event.timesBefore, event.firstChange, {event.music.begin(), event.music.end()}});
  }
  void OnLeadHead(std::string_view marker, int64_t change) override { markers.emplace_back(std::string(marker), change); }
  int stage = 0;
  std::vector<Seen> rows;
  std::vector<std::pair<std::string, int64_t>> markers;
};

TEST(RowObserver, SeesEveryRowItsRepeatsItsMusicAndTheMarkers) {
  // The plain course of Plain Bob Minor rung twice: the second sixty rows are
  // repeats of the first.
  const std::string text =
      "6 BELLS\nT = 2 C\nC = 5 L\nL = \"[PB]\", &x16x16x16,+12\nCONFLICT =\nMUSIC = \"----56\"\nEVERYROW = \"@\"\n";
  RecordingObserver observer;
  LineList proof, progress;
  Engine engine;
  engine.Outputs.ProofOutput = &proof;
  engine.Outputs.ProgressOutput = &progress;
  engine.Outputs.Observer = &observer;
  engine.RunProof(SplitLines(text));

  EXPECT_EQ(observer.stage, 6);
  ASSERT_EQ(observer.rows.size(), 120u);
  std::vector<std::string> printed;
  for (const std::string& line : proof.lines)
    if (line.size() == 6 && line.find_first_not_of("123456") == std::string::npos) printed.push_back(line);
  ASSERT_EQ(printed.size(), 120u);
  for (size_t i = 0; i < 120; ++i) {
    const auto& seen = observer.rows[i];
    EXPECT_EQ(seen.row, printed[i]);
    EXPECT_EQ(seen.change, static_cast<int64_t>(i) + 1);
    EXPECT_EQ(seen.timesBefore, i < 60 ? 0u : 1u) << i;
    EXPECT_EQ(seen.firstChange, i < 60 ? seen.change : seen.change - 60) << i;
    EXPECT_EQ(seen.row == printed[(i + 60) % 120] ? 1 : 0, 1);
    const bool ends56 = seen.row.substr(4) == "56";
    EXPECT_EQ(seen.music, ends56 ? std::vector<std::string>{"----56"} : std::vector<std::string>{}) << seen.row;
  }
  EXPECT_EQ(observer.rows[59].row, "123456");
  ASSERT_EQ(observer.markers.size(), 10u);
  for (size_t k = 0; k < 10; ++k) EXPECT_EQ(observer.markers[k], std::make_pair(std::string("[PB]"), int64_t(12 * k)));
}

}  // namespace
}  // namespace tolvern
