#include <gtest/gtest.h>

#include <sys/wait.h>
#include <unistd.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <sstream>
#include <string>
#include <vector>

#include "check.h"

namespace {

namespace fs = std::filesystem;
using Lines = std::vector<std::string>;

// Four bells: the lead x14x14x14x12 three times is a true 24; once more and
// the 25th row repeats the first; two leads stop short of rounds.
constexpr const char* TrueTouch = "4 BELLS\nT = 3 L\nL = +x14x14x14x12\n";
constexpr const char* FalseTouch = "4 BELLS\nT = 4 L\nL = +x14x14x14x12\n";
constexpr const char* ShortTouch = "4 BELLS\nT = 2 L\nL = +x14x14x14x12\n";
constexpr const char* FaultyTouch = "4 BELLS\nT = 3 L, X\nL = +x14x14x14x12\n";

class Check : public ::testing::Test {
 protected:
  void SetUp() override {
    dir_ = fs::temp_directory_path() / ("tolvern-check-" + std::to_string(::getpid()) + "-" +
                                        ::testing::UnitTest::GetInstance()->current_test_info()->name());
    fs::create_directories(dir_);
  }
  void TearDown() override { fs::remove_all(dir_); }

  std::string Write(const std::string& name, const std::string& text) const {
    const fs::path path = dir_ / name;
    fs::create_directories(path.parent_path());
    std::ofstream(path, std::ios::binary) << text;
    return path.string();
  }
  std::string Path(const std::string& name) const { return (dir_ / name).string(); }

  // Runs the command; fills the printed lines and the error text.
  int Run(const Lines& arguments) {
    std::ostringstream out, err;
    const int status = tolvern::RunCheck(arguments, out, err);
    lines_.clear();
    std::istringstream printed(out.str());
    for (std::string line; std::getline(printed, line);) lines_.push_back(line);
    err_ = err.str();
    return status;
  }

  fs::path dir_;
  Lines lines_;
  std::string err_;
};

TEST_F(Check, OneLinePerFileWithVerdictChangesAndFirstError) {
  const std::string t = Write("true.min", TrueTouch);
  const std::string f = Write("false.min", FalseTouch);
  const std::string n = Write("short.min", ShortTouch);
  const std::string e = Write("faulty.min", FaultyTouch);
  const std::string u = Path("missing.min");

  EXPECT_EQ(Run({"--jobs", "1", t, f, n, e, u}), 1);
  EXPECT_EQ(lines_, (Lines{
                        t + ": true, 24 changes",
                        f + ": false, 25 changes",
                        n + ": not round, 16 changes",
                        e + ": errors, 0 changes: One or more undefined names in the method description. "
                            "... Undefined name in line 2 is [X]",
                        u + ": errors, 0 changes: cannot read file",
                    }));
  EXPECT_EQ(err_, "");
}

TEST_F(Check, ExitsZeroOnlyWhenEveryFileIsTrue) {
  const std::string t1 = Write("a.min", TrueTouch);
  const std::string t2 = Write("b.min", TrueTouch);
  EXPECT_EQ(Run({t1, t2}), 0);
  EXPECT_EQ(lines_, (Lines{t1 + ": true, 24 changes", t2 + ": true, 24 changes"}));

  EXPECT_EQ(Run({t1, Write("c.min", ShortTouch)}), 1);
  EXPECT_EQ(Run({t1, Path("nowhere.min")}), 1);
}

TEST_F(Check, FalseWhenRowsRepeatWithConflictEmpty) {
  const std::string f = Write("twice.min", "4 BELLS\nT = 4 L\nL = +x14x14x14x12\nCONFLICT =\n");
  EXPECT_EQ(Run({f}), 1);
  EXPECT_EQ(lines_, (Lines{f + ": false, 32 changes"}));
}

TEST_F(Check, AStoppedTouchGivesItsReason) {
  const std::string t = Write("true.min", TrueTouch);
  EXPECT_EQ(Run({"--max-changes", "10", t}), 1);
  ASSERT_EQ(lines_.size(), 1u);
  const std::string start = t + ": stopped, 10 changes: ";
  EXPECT_EQ(lines_[0].substr(0, start.size()), start);
  EXPECT_GT(lines_[0].size(), start.size());
}

TEST_F(Check, OrderIsKeptWithSeveralJobs) {
  // The first file takes far longer than the rest, so later files finish
  // first; the lines must still come out in the order given.
  Lines arguments = {"--jobs", "4",
                     Write("slow.min", "4 BELLS\nT = 200000 L\nL = +x14x14x14x12\nCONFLICT =\n")};
  Lines expected = {arguments.back() + ": false, 1600000 changes"};
  for (int i = 0; i < 40; ++i) {
    const bool isTrue = i % 3 != 0;
    const std::string path = Write(std::string("f").append(std::to_string(i)).append(".min"), isTrue ? TrueTouch : ShortTouch);
    arguments.push_back(path);
    expected.push_back(path + (isTrue ? ": true, 24 changes" : ": not round, 16 changes"));
  }
  EXPECT_EQ(Run(arguments), 1);
  EXPECT_EQ(lines_, expected);
}

TEST_F(Check, AFolderStandsForItsCompositionFilesSortedByName) {
  const std::string c = Write("lib/c.min", TrueTouch);
  const std::string a = Write("lib/a.maj", ShortTouch);
  const std::string b = Write("lib/B.SIR", TrueTouch);
  Write("lib/notes.txt", "not a composition");
  Write("lib/inner.min/deeper.min", TrueTouch);  // a folder is not a file of the folder
  const std::string after = Write("after.dou", TrueTouch);

  EXPECT_EQ(Run({Path("lib"), after}), 1);
  EXPECT_EQ(lines_, (Lines{
                        b + ": true, 24 changes",
                        a + ": not round, 16 changes",
                        c + ": true, 24 changes",
                        after + ": true, 24 changes",
                    }));
  EXPECT_EQ(tolvern::CompositionFilesIn(Path("lib")), (Lines{b, a, c}));
}

TEST_F(Check, UsageErrors) {
  const std::string t = Write("true.min", TrueTouch);
  EXPECT_EQ(Run({}), 3);
  EXPECT_NE(err_.find("no composition FILE given"), std::string::npos);
  EXPECT_EQ(Run({"--frobnicate", t}), 3);
  EXPECT_NE(err_.find("unknown option '--frobnicate'"), std::string::npos);
  EXPECT_EQ(Run({"--jobs", "0", t}), 3);
  EXPECT_EQ(Run({"--jobs", "many", t}), 3);
  EXPECT_EQ(Run({t, "--jobs"}), 3);
  EXPECT_EQ(Run({"--max-changes", "-5", t}), 3);
  fs::create_directories(dir_ / "empty");
  EXPECT_EQ(Run({Path("empty")}), 3);
  EXPECT_TRUE(lines_.empty());

  EXPECT_EQ(Run({"--help"}), 0);
  EXPECT_FALSE(lines_.empty());
  EXPECT_EQ(Run({"--", "--jobs"}), 1);  // after "--" every argument is a file
  EXPECT_EQ(lines_, (Lines{"--jobs: errors, 0 changes: cannot read file"}));
}

TEST_F(Check, TheCommandLineRunsItWithItsExitStatus) {
  const std::string t = Write("true.min", TrueTouch);
  const std::string f = Write("false.min", FalseTouch);
  const auto status = [&](const std::string& arguments) {
    const std::string command = std::string(TOLVERN_BINARY) + " check " + arguments + " >" +
                                Path("out.txt") + " 2>" + Path("err.txt");
    const int raw = std::system(command.c_str());
    return WIFEXITED(raw) ? WEXITSTATUS(raw) : -1;
  };
  EXPECT_EQ(status(t), 0);
  EXPECT_EQ(status(t + " " + f), 1);
  std::ifstream out(Path("out.txt"));
  std::string first, second;
  std::getline(out, first);
  std::getline(out, second);
  EXPECT_EQ(first, t + ": true, 24 changes");
  EXPECT_EQ(second, f + ": false, 25 changes");
  EXPECT_EQ(status("--jobs"), 3);
}

}  // namespace

TEST(CheckJson, OneObjectALineWithMessageOrNull) {
  const struct {
    tolvern::CheckedFile file;
    const char* json;
  } cases[] = {
      {{"a.maj", "true", 5056, ""}, R"({"file":"a.maj","verdict":"true","changes":5056,"message":null})"},
      {{"caf\xe9.min", "errors", 0, "Undefined name in line 4 is [\"B\"]"},
       "{\"file\":\"caf\xc3\xa9.min\",\"verdict\":\"errors\",\"changes\":0,\"message\":\"Undefined name in line 4 is [\\\"B\\\"]\"}"},
  };
  for (const auto& c : cases) {
    std::ostringstream out;
    tolvern::WriteCheckJson(out, c.file);
    EXPECT_EQ(out.str(), c.json);
  }
}
