#include <gtest/gtest.h>

#include "proof_job.h"

namespace tolvern::app {
namespace {

ProofRequest RequestFor(const std::string& text) {
  ProofRequest request;
  request.lines = SplitLines(text);
  return request;
}

TEST(ProofJob, AFullPageStopsTheTouchInOrder) {
  // Every row printed, endlessly: the page limit ends it, with no verdict.
  ProofRequest request = RequestFor(
      "6 BELLS\nT = B, 1000000 A\nA = 1000000 P\nB = &x16x16x16,+14\nP = &x16x16x16,+12\nCONFLICT =\n"
      "EVERYROW = \"@\"\n");
  request.pageLineLimit = 1000;
  request.options.ShowMusic = false;
  JobControl control;
  const ProofResult result = RunProofJob(request, control, {});
  EXPECT_EQ(result.run.outcome, ProofOutcome::Stopped);
  EXPECT_EQ(result.run.changes, 1000);
  EXPECT_EQ(result.progress, (QStringList{"Proof stopped: a page reached 1000 lines", "Number changes generated=1000"}));
  EXPECT_LE(result.proof.lines, 1010u);
}

TEST(ProofJob, PagesAreShownInTheDocumentsEncoding) {
  // A Latin-1 text: its bytes reach the prover unchanged and are shown as
  // the characters they were.
  ProofRequest request = RequestFor("4 BELLS\nT = \"caf\xE9 _b\xE9_ll\"\n");
  request.encoding = TextEncoding::Latin1;
  JobControl control;
  const ProofResult result = RunProofJob(request, control, {});
  EXPECT_EQ(result.proof.utf8.split('\n').first(), QByteArray("caf\xC3\xA9 b\xC3\xA9ll"));
  ASSERT_EQ(result.proof.underlined.size(), 1u);
  EXPECT_EQ(result.proof.underlined[0].start, 6u);   // bytes of "café "
  EXPECT_EQ(result.proof.underlined[0].length, 3u);  // "bé"
  EXPECT_EQ(result.compatible.utf8.split('\n').first(), QByteArray("caf\xC3\xA9 _b\xC3\xA9_ll"));
}

TEST(UnderlineMarkers, EachSearchStartsAgainFromTheFront) {
  std::vector<Stretch> stretches;
  std::string line = "ab\"_cd\"_ef\"_gh";
  TakeOutUnderlineMarkers(line, 100, stretches);
  EXPECT_EQ(line, "abcdefgh");
  ASSERT_EQ(stretches.size(), 2u);
  EXPECT_EQ(stretches[0].start, 102u);
  EXPECT_EQ(stretches[0].length, 2u);
  EXPECT_EQ(stretches[1].start, 106u);
  EXPECT_EQ(stretches[1].length, 2u);
  // A marker joined from the pieces around a removed one is a marker too.
  std::string joined = "x\"\"__y";
  stretches.clear();
  TakeOutUnderlineMarkers(joined, 0, stretches);
  EXPECT_EQ(joined, "xy");
  EXPECT_TRUE(stretches.empty());
}

}  // namespace
}  // namespace tolvern::app
