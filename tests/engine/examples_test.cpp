// Proves every composition in examples/ and checks its verdict and length.
// The expected figures come from the touches themselves: a plain course of
// Cambridge Royal is nine leads of 40 changes, an extent of Minor is 720
// changes, and so on.
#include <gtest/gtest.h>

#include <algorithm>
#include <cctype>
#include <filesystem>
#include <fstream>
#include <set>
#include <sstream>

#include "helpers.h"

namespace tolvern {
namespace {

std::string ExamplePath(const std::string& name) { return std::string(TOLVERN_EXAMPLES) + "/" + name; }

std::string ReadFile(const std::string& path) {
  std::ifstream in(path, std::ios::binary);
  std::ostringstream bytes;
  bytes << in.rdbuf();
  return bytes.str();
}

testing::Pages ProveExample(const std::string& name) {
  const std::string bytes = ReadFile(ExamplePath(name));
  EXPECT_FALSE(bytes.empty()) << "cannot read " << name;
  return testing::Prove(SplitLines(bytes));
}

std::string Rounds(int bells) { return std::string("1234567890ET").substr(0, bells); }

int CountPrefix(const std::vector<std::string>& lines, const std::string& prefix) {
  return static_cast<int>(std::count_if(lines.begin(), lines.end(),
                                        [&](const std::string& line) { return line.rfind(prefix, 0) == 0; }));
}

// No error or warning of any kind: none counted, none shown in the warning
// box, and no message line on the proof page.
void ExpectNoMessages(const testing::Pages& pages) {
  EXPECT_EQ(pages.result.errors, 0);
  EXPECT_TRUE(pages.warnings.empty()) << pages.warnings.front();
  for (const std::string& line : pages.proof) {
    EXPECT_NE(line.rfind("WARNING", 0), 0u) << line;
    EXPECT_NE(line.rfind("Error", 0), 0u) << line;
    EXPECT_EQ(line.find("..."), std::string::npos) << line;
  }
}

struct TrueTouch {
  const char* file;
  int bells;
  long long changes;
};

// One true touch for every stage the examples cover.
const TrueTouch TrueTouches[] = {
    {"plain-bob-minimus.sir", 4, 24},           // plain course = extent on four
    {"grandsire-doubles.dou", 5, 120},          // extent on five
    {"plain-bob-minor.min", 6, 720},            // extent on six
    {"grandsire-triples.tri", 7, 168},          // 12 leads of 14
    {"spliced-surprise-major.maj", 8, 448},     // 14 leads of 32
    {"grandsire-caters.cat", 9, 324},           // 18 leads of 18
    {"cambridge-surprise-royal.roy", 10, 360},  // 9 leads of 40
    {"cambridge-surprise-maximus.max", 12, 528},  // 11 leads of 48
};

const char* const Repeating = "plain-bob-minor-peal.min";
const char* const False = "false-plain-bob-minor.min";

class ExamplesTrue : public ::testing::TestWithParam<TrueTouch> {};

TEST_P(ExamplesTrue, ComesRoundTrue) {
  const TrueTouch& touch = GetParam();
  const auto pages = ProveExample(touch.file);
  ExpectNoMessages(pages);
  EXPECT_EQ(pages.result.outcome, ProofOutcome::RoundsFound);
  EXPECT_EQ(pages.result.changes, touch.changes);
  EXPECT_EQ(pages.result.duplicates, 0);
  EXPECT_EQ(pages.progress, (std::vector<std::string>{"Rounds were found", "Number changes generated=" +
                                                                                std::to_string(touch.changes)}));
  EXPECT_TRUE(testing::Contains(pages.proof, std::to_string(touch.changes) + " rows ending in " +
                                                 Rounds(touch.bells)));
  EXPECT_TRUE(testing::Contains(pages.proof, "Touch is True"));
  EXPECT_FALSE(testing::Contains(pages.proof, "Touch not completed due to False row"));
  EXPECT_EQ(CountPrefix(pages.proof, "Some changes were repeated"), 0);
  // Music is analysed from six bells up.
  EXPECT_EQ(testing::Contains(pages.proof, "Touch contains:"), touch.bells >= 6);
}

INSTANTIATE_TEST_SUITE_P(Examples, ExamplesTrue, ::testing::ValuesIn(TrueTouches),
                         [](const ::testing::TestParamInfo<TrueTouch>& info) {
                           std::string name;
                           for (const char* c = info.param.file; *c; ++c)
                             if (std::isalnum(static_cast<unsigned char>(*c))) name += *c;
                           return name;
                         });

TEST(Examples, LeadHeadsOfThePlainCourses) {
  // Plain Bob Minimus: the lead heads 1342, 1423, 1234.
  EXPECT_EQ(ProveExample("plain-bob-minimus.sir").proof,
            (std::vector<std::string>{"1342", "1423", "1234", "24 rows ending in 1234", "Touch is True"}));
  // Cambridge Royal and Maximus: the first lead head is 1573920486 and
  // 157392E4T608, the second-place lead end bringing the course back after
  // nine and eleven leads.
  const auto royal = ProveExample("cambridge-surprise-royal.roy");
  ASSERT_GE(royal.proof.size(), 9u);
  EXPECT_EQ(royal.proof[0], "1573920486");
  EXPECT_EQ(royal.proof[8], "1234567890");
  const auto maximus = ProveExample("cambridge-surprise-maximus.max");
  ASSERT_GE(maximus.proof.size(), 11u);
  EXPECT_EQ(maximus.proof[0], "157392E4T608");
  EXPECT_EQ(maximus.proof[10], "1234567890ET");
  EXPECT_TRUE(testing::Contains(maximus.proof, "[Cambridge]  11 leads   528 changes"));
}

TEST(Examples, SplicedTouchCountsEachMethod) {
  const auto pages = ProveExample("spliced-surprise-major.maj");
  // Fourteen leads, alternating: seven of each method, thirteen changes of
  // method, and the first lead of Cambridge ends in its lead head 15738264.
  ASSERT_FALSE(pages.proof.empty());
  EXPECT_EQ(pages.proof[0], "Cambridge  15738264");
  EXPECT_EQ(pages.proof[13], "Yorkshire  12345678  - H");
  EXPECT_TRUE(testing::Contains(pages.proof, "NumberLeads=14"));
  EXPECT_TRUE(testing::Contains(pages.proof, "[Cambridge]  7 leads   224 changes"));
  EXPECT_TRUE(testing::Contains(pages.proof, "[Yorkshire]  7 leads   224 changes"));
  EXPECT_TRUE(testing::Contains(pages.proof, "13 changes of method"));
  // The treble is the hunt bell: it starts every lead in first place.
  EXPECT_EQ(CountPrefix(pages.proof, "  1:   7   -   -   -   -   -   -   -"), 2);
  // On the compatible page every marker gives a line of its own.
  EXPECT_EQ(CountPrefix(pages.compatible, "[Cambridge]"), 7);
  EXPECT_EQ(CountPrefix(pages.compatible, "[Yorkshire]"), 7);
  EXPECT_TRUE(testing::Contains(pages.proof, "Touch contains:"));
  EXPECT_EQ(CountPrefix(pages.proof, "CRU      = "), 1);
}

TEST(Examples, PealOfMinorRingsEveryRowSevenTimes) {
  const auto pages = ProveExample(Repeating);
  ExpectNoMessages(pages);
  // Seven extents of 720: every row is rung seven times, 4320 of the 5040
  // rows are repeats, and rounds comes up after each extent.
  EXPECT_EQ(pages.result.outcome, ProofOutcome::Conflicting);
  EXPECT_EQ(pages.result.changes, 5040);
  EXPECT_EQ(pages.result.duplicates, 4320);
  std::vector<std::string> progress;
  for (int extent = 1; extent < 7; ++extent)
    progress.push_back("ROUNDS found after " + std::to_string(720 * extent) + " changes");
  progress.push_back("Conflicting rows were found");
  progress.push_back("Number changes generated=5040");
  EXPECT_EQ(pages.progress, progress);
  EXPECT_TRUE(testing::Contains(pages.proof, "5040 rows ending in 123456"));
  EXPECT_TRUE(testing::Contains(pages.proof, "Touch is False in 4320 rows"));
  EXPECT_TRUE(testing::Contains(pages.proof, "Extent ends at 2160: 1440 repeated rows so far"));
  EXPECT_TRUE(testing::Contains(pages.proof,
                                "Some changes were repeated:  (Max number repetitions of a single change = 6)"));
  EXPECT_TRUE(testing::Contains(pages.proof, "  Number of different changes rung     = 720"));
  for (int times = 2; times <= 7; ++times)
    EXPECT_TRUE(testing::Contains(pages.proof,
                                  "  Number changes rung at least " + std::to_string(times) + " times = 720"))
        << times;
  EXPECT_EQ(CountPrefix(pages.proof, "  Number changes rung at least "), 6);
  EXPECT_FALSE(testing::Contains(pages.proof, "Touch is True"));
}

TEST(Examples, FalseTouchStopsAtTheFirstRepeatedRow) {
  const auto pages = ProveExample(False);
  ExpectNoMessages(pages);
  // Three bobs at Home give rounds after three courses (180 changes); the
  // 181st row, 214365, is the first row of the touch again.
  EXPECT_EQ(pages.result.outcome, ProofOutcome::HaltedAtRow);
  EXPECT_EQ(pages.result.changes, 181);
  EXPECT_EQ(pages.result.duplicates, 1);
  EXPECT_TRUE(testing::Contains(pages.proof, "181 rows ending in 214365"));
  EXPECT_TRUE(testing::Contains(pages.proof, "Touch not completed due to False row"));
  EXPECT_FALSE(testing::Contains(pages.proof, "Touch is True"));
  EXPECT_EQ(pages.progress, (std::vector<std::string>{"ROUNDS found after 180 changes",
                                                      "Number changes generated=181"}));
}

TEST(Examples, EveryFileIsProvedHere) {
  std::set<std::string> expected{Repeating, False};
  for (const TrueTouch& touch : TrueTouches) expected.insert(touch.file);
  std::set<std::string> found;
  for (const auto& entry : std::filesystem::directory_iterator(TOLVERN_EXAMPLES))
    if (entry.is_regular_file()) found.insert(entry.path().filename().string());
  EXPECT_EQ(found, expected);
}

TEST(Examples, DefaultRunProvesAnExample) {
  // ./run with no arguments proves one of the examples above.
  const std::string script = ReadFile(std::string(TOLVERN_EXAMPLES) + "/../run");
  const std::string marker = "prove examples/";
  const auto at = script.find(marker);
  ASSERT_NE(at, std::string::npos);
  const auto start = at + marker.size();
  const std::string name = script.substr(start, script.find_first_of(" \n", start) - start);
  const auto pages = ProveExample(name);
  EXPECT_EQ(pages.result.outcome, ProofOutcome::RoundsFound);
  EXPECT_TRUE(testing::Contains(pages.proof, "Touch contains:"));
  EXPECT_EQ(CountPrefix(pages.proof, "NumberLeads="), 1);
}

}  // namespace
}  // namespace tolvern
