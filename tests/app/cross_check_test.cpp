// The cross-check runs stand-in provers: small shell scripts written here,
// and the tolvern command line itself behind a two-line wrapper.
#include "cross_check.h"

#include <gtest/gtest.h>

#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QTemporaryDir>
#include <QThread>

#include <fstream>
#include <sstream>
#include <string>
#include <vector>

#include "engine.h"

namespace tolvern::app {
namespace {

using Status = CrossCheckOutcome::Status;

QByteArray ReadAll(const QString& path) {
  QFile file(path);
  if (!file.open(QIODevice::ReadOnly)) return QByteArray("<missing>");
  return file.readAll();
}

void WriteFile(const QString& path, const QByteArray& bytes) {
  QFile file(path);
  ASSERT_TRUE(file.open(QIODevice::WriteOnly | QIODevice::Truncate));
  ASSERT_EQ(file.write(bytes), bytes.size());
}

// A process counts as ended once it is gone or a zombie waiting to be reaped.
bool ProcessAlive(const QByteArray& pidText) {
  const QByteArray stat = ReadAll(QStringLiteral("/proc/") + QString::fromLatin1(pidText.trimmed()) + "/stat");
  if (stat == "<missing>") return false;
  const int close = stat.lastIndexOf(')');
  return close < 0 || stat.mid(close + 2, 1) != "Z";
}

class CrossCheckTest : public ::testing::Test {
 protected:
  void SetUp() override {
    ASSERT_TRUE(start_.isValid());
    ASSERT_TRUE(QDir(start_.path()).mkdir("prover"));
    folder_ = start_.path() + "/prover/";
  }

  QString Script(const QString& name, const QByteArray& body) {
    const QString path = folder_ + name;
    WriteFile(path, "#!/bin/sh\n" + body);
    QFile::setPermissions(path, QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
    return path;
  }

  CrossCheckSetup Setup(const QString& executable, bool debug = false) const {
    return CrossCheckSetup{executable, folder_, start_.path(), debug};
  }

  bool Exists(const char* name) const { return QFile::exists(folder_ + name); }

  static bool Never() { return false; }

  QTemporaryDir start_;
  QString folder_;
};

// Two runs in a row, on a worker thread as the window runs them.
TEST_F(CrossCheckTest, ProverReadsTheInputFileAndWritesTheOutputFileInItsFolder) {
  const QString prover = Script("fake.sh", "cat - canned.txt\n");
  WriteFile(folder_ + "canned.txt", "canned\r\n");
  for (const QByteArray& input : {QByteArray("6 BELLS\r\nA = +x\r\n"), QByteArray("8 BELLS\r\n")}) {
    CrossCheckOutcome outcome;
    QThread* worker = QThread::create([&] { outcome = RunCrossCheck(Setup(prover), input, Never); });
    worker->start();
    ASSERT_TRUE(worker->wait(10000));
    delete worker;
    EXPECT_EQ(outcome.status, Status::Done);
    EXPECT_EQ(outcome.output, input + "canned\r\n");
    EXPECT_TRUE(outcome.sirilPageCleared);
    EXPECT_TRUE(outcome.memoLines.isEmpty());
    EXPECT_TRUE(ErrorBoxText(outcome).isEmpty());
    EXPECT_FALSE(Exists("PRV$In.txt"));
    EXPECT_FALSE(Exists("PRV$Out.txt"));
  }
}

TEST_F(CrossCheckTest, DebugWritesEveryStepInOrderAndKeepsTheFilesOfTheLastRun) {
  const QString prover = Script("fake.sh", "tr a-z A-Z\n");
  const QStringList expected = {
      "============ START OF CODE TO SPAWN PROVE.COM ============",
      "Try to save input file to = \"" + folder_ + "PRV$In.txt\"",
      ".. The file was created",
      "Try to change current working directory to \"" + folder_ + "\"",
      ".. current directory changed",
      "Clear the microSIRIL output window & setup status blocks to spawn process",
      ".. complete & ready to spawn process",
      "Spawn the prove engine with command line=\"fake.sh\" < PRV$In.txt  > PRV$Out.txt",
      ".. process spawned",
      "Get exit process code and wait until STILL_ACTIVE goes false",
      ".. spawned process has finished",
      "Set the working directory back to \"" + start_.path() + "\"",
      ".. have reset working directory",
      "Load the output file data into the window, from file \"" + folder_ + "PRV$Out.txt\"",
      "ALL FINISHED",
      ".. would now usually delete the PRV$Out.txt & PRV$In.txt but DEBUG mode leaves them for inspection",
      "============ END OF CODE TO SPAWN PROVE.COM ============",
  };
  for (const QByteArray& input : {QByteArray("first\r\n"), QByteArray("second\r\n")}) {
    const CrossCheckOutcome outcome = RunCrossCheck(Setup(prover, true), input, Never);
    EXPECT_EQ(outcome.status, Status::Done);
    EXPECT_EQ(outcome.memoLines, expected);
    EXPECT_EQ(outcome.output, input.toUpper());
    EXPECT_EQ(ReadAll(folder_ + "PRV$In.txt"), input);
    EXPECT_EQ(ReadAll(folder_ + "PRV$Out.txt"), input.toUpper());
  }
}

TEST_F(CrossCheckTest, AnOutputLeftFromAnEarlierRunIsNeverReadAsThisRuns) {
  WriteFile(folder_ + "PRV$Out.txt", "stale\r\n");
  const CrossCheckOutcome silent = RunCrossCheck(Setup(Script("silent.sh", "exit 0\n"), true), "x\r\n", Never);
  EXPECT_EQ(silent.status, Status::Done);
  EXPECT_EQ(silent.output, QByteArray());

  WriteFile(folder_ + "PRV$Out.txt", "stale\r\n");
  // A prover that removes its output: nothing is there to load.
  const CrossCheckOutcome removed =
      RunCrossCheck(Setup(Script("remove.sh", "rm -f 'PRV$Out.txt'\n"), true), "x\r\n", Never);
  EXPECT_EQ(removed.status, Status::CannotOpenOutput);
  EXPECT_EQ(removed.failedPath, folder_ + "PRV$Out.txt");
  EXPECT_EQ(ErrorBoxText(removed), "Cannot open file " + folder_ + "PRV$Out.txt.");
  EXPECT_EQ(removed.memoLines.last(),
            "Load the output file data into the window, from file \"" + folder_ + "PRV$Out.txt\"");
}

TEST_F(CrossCheckTest, AProverThatCannotBeStartedGivesAnErrorAndNoOutput) {
  const QString notExecutable = folder_ + "plain.txt";
  WriteFile(notExecutable, "#!/bin/sh\necho hello\n");
  // A bare name is not looked up on the search path, even when one exists there.
  for (const QString& prover : {folder_ + "missing.sh", notExecutable, QString("sh")}) {
    WriteFile(folder_ + "PRV$Out.txt", "stale\r\n");
    const CrossCheckOutcome outcome = RunCrossCheck(Setup(prover), "x\r\n", Never);
    EXPECT_EQ(outcome.status, Status::CannotStart) << prover.toStdString();
    EXPECT_EQ(outcome.failedPath, prover);
    EXPECT_EQ(ErrorBoxText(outcome), "Cannot start program " + prover + ".");
    EXPECT_TRUE(outcome.output.isEmpty());
    EXPECT_FALSE(Exists("PRV$In.txt"));
    EXPECT_FALSE(Exists("PRV$Out.txt"));
  }
}

TEST_F(CrossCheckTest, AnInputFileThatCannotBeWrittenStopsBeforeTheProverRuns) {
  const QString prover = Script("fake.sh", "cat\n");
  CrossCheckSetup setup = Setup(prover, true);
  setup.proverFolder = start_.path() + "/absent/";
  const CrossCheckOutcome outcome = RunCrossCheck(setup, "x\r\n", Never);
  EXPECT_EQ(outcome.status, Status::CannotCreateInput);
  EXPECT_EQ(ErrorBoxText(outcome), "Cannot create file " + start_.path() + "/absent/PRV$In.txt.");
  EXPECT_EQ(outcome.memoLines.size(), 2);
  EXPECT_FALSE(outcome.sirilPageCleared);
}

TEST_F(CrossCheckTest, RelativePathsAreTakenAgainstTheStartFolder) {
  Script("fake.sh", "cat\n");
  const CrossCheckOutcome outcome =
      RunCrossCheck(CrossCheckSetup{"prover/fake.sh", "prover/", start_.path(), true}, "rel\r\n", Never);
  EXPECT_EQ(outcome.status, Status::Done);
  EXPECT_EQ(outcome.output, QByteArray("rel\r\n"));
  EXPECT_EQ(ReadAll(folder_ + "PRV$In.txt"), QByteArray("rel\r\n"));
  EXPECT_EQ(outcome.memoLines[1], "Try to save input file to = \"prover/PRV$In.txt\"");
}

TEST_F(CrossCheckTest, StopKillsTheProverAndWhatItStartedPromptly) {
  const QString prover = Script("slow.sh", "echo $$ > pid\nsleep 60 &\necho $! > child\nwait\n");
  QElapsedTimer timer;
  timer.start();
  auto stopAfterAMoment = [&] { return timer.elapsed() > 300 && QFile::exists(folder_ + "child"); };
  const CrossCheckOutcome outcome = RunCrossCheck(Setup(prover), "x\r\n", stopAfterAMoment);
  EXPECT_LT(timer.elapsed(), 3000);
  EXPECT_EQ(outcome.status, Status::Stopped);
  EXPECT_EQ(outcome.memoLines, QStringList{"microSIRIL was stopped; no verdict"});
  EXPECT_TRUE(ErrorBoxText(outcome).isEmpty());
  EXPECT_FALSE(ProcessAlive(ReadAll(folder_ + "pid")));
  // The group is killed at once; the orphan may take a moment to be reaped.
  QElapsedTimer reaped;
  reaped.start();
  while (ProcessAlive(ReadAll(folder_ + "child")) && reaped.elapsed() < 2000) QThread::msleep(20);
  EXPECT_FALSE(ProcessAlive(ReadAll(folder_ + "child")));
  EXPECT_FALSE(Exists("PRV$In.txt"));
  EXPECT_FALSE(Exists("PRV$Out.txt"));
}

TEST(CrossCheckCompare, LinesMustMatchInNumberAndByteForByte) {
  const std::vector<std::string> page = {"1234567890 StMary", "5040 rows ending in 1234567890", "Touch is True"};
  EXPECT_TRUE(OutputsAgree(OutputLines("1234567890 StMary\r\n5040 rows ending in 1234567890\nTouch is True\r"), page));
  EXPECT_TRUE(OutputsAgree(OutputLines("1234567890 StMary\r\n5040 rows ending in 1234567890\r\nTouch is True"), page));
  EXPECT_FALSE(OutputsAgree(OutputLines("1234567890 StMary\r\n5040 rows ending in  1234567890\r\nTouch is True\r\n"), page));
  EXPECT_FALSE(OutputsAgree(OutputLines("1234567890 StMary\r\n5040 rows ending in 1234567890\r\nTouch is true\r\n"), page));
  EXPECT_FALSE(OutputsAgree(OutputLines("1234567890 StMary\r\n5040 rows ending in 1234567890\r\nTouch is True\r\n\r\n"), page));
  EXPECT_FALSE(OutputsAgree(OutputLines(""), page));
  EXPECT_TRUE(OutputsAgree(OutputLines(""), {}));
}

TEST_F(CrossCheckTest, TolvernAsTheOutsideProverAgreesWithTheEngine) {
  const QString prover = Script("tolvern.sh", "exec '" TOLVERN_BINARY
                                              "' prove --proof /dev/null --compatible - --progress /dev/null -\n");
  std::ifstream file(TOLVERN_EXAMPLES "/spliced-surprise-major.maj", std::ios::binary);
  std::stringstream text;
  text << file.rdbuf();
  const std::string bytes = text.str();
  ASSERT_FALSE(bytes.empty());

  Engine engine;
  LineList proof, compatible, progress;
  engine.Outputs.ProofOutput = &proof;
  engine.Outputs.CompatibleOutput = &compatible;
  engine.Outputs.ProgressOutput = &progress;
  const std::vector<std::string> lines = SplitLines(bytes);
  ASSERT_EQ(engine.RunProof(lines).outcome, ProofOutcome::RoundsFound);
  ASSERT_GT(compatible.lines.size(), 2u);

  const CrossCheckOutcome outcome =
      RunCrossCheck(Setup(prover), QByteArray::fromStdString(bytes), Never);
  ASSERT_EQ(outcome.status, Status::Done);
  EXPECT_TRUE(OutputsAgree(OutputLines(outcome.output), compatible.lines));
  std::vector<std::string> changed = compatible.lines;
  changed.back() += " ";
  EXPECT_FALSE(OutputsAgree(OutputLines(outcome.output), changed));
}

}  // namespace
}  // namespace tolvern::app
