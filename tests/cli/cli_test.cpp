#include <gtest/gtest.h>

#include <sys/wait.h>

#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <sstream>
#include <string>

#include "version.h"

namespace {

namespace fs = std::filesystem;

class CommandLine : public ::testing::Test {
 protected:
  void SetUp() override {
    dir_ = fs::temp_directory_path() / ("tolvern-cli-" + std::to_string(::getpid()) + "-" +
                                        ::testing::UnitTest::GetInstance()->current_test_info()->name());
    fs::create_directories(dir_);
  }
  void TearDown() override { fs::remove_all(dir_); }

  std::string Path(const std::string& name) const { return (dir_ / name).string(); }

  std::string Write(const std::string& name, const std::string& bytes) const {
    std::ofstream(Path(name), std::ios::binary) << bytes;
    return Path(name);
  }

  static std::string Read(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    std::stringstream text;
    text << in.rdbuf();
    return text.str();
  }

  // Runs tolvern with `args` (already quoted), standard output and error to files.
  int Run(const std::string& args, const std::string& stdinFile = "") {
    std::string command = std::string(TOLVERN_BINARY) + " " + args + " >" + Path("stdout") + " 2>" + Path("stderr");
    if (runInTestFolder_) command = "cd " + dir_.string() + " && " + command;
    if (!stdinFile.empty()) command += " <" + stdinFile;
    const int status = std::system(command.c_str());
    out_ = Read(Path("stdout"));
    err_ = Read(Path("stderr"));
    return WIFEXITED(status) ? WEXITSTATUS(status) : -1;
  }

  fs::path dir_;
  bool runInTestFolder_ = false;  // else the test program's current folder
  std::string out_, err_;
};

const char* TrueTouch = "4 BELLS\nTOUCH = 3 LEAD\nLEAD = &x14x14,+12\n";

TEST_F(CommandLine, TrueTouchExitsZeroWithPagesWhereAsked) {
  const std::string file = Write("touch.sir", TrueTouch);
  EXPECT_EQ(Run("prove " + file), 0);
  EXPECT_EQ(out_, "24 rows ending in 1234\nTouch is True\n");
  EXPECT_EQ(err_, "Rounds were found\nNumber changes generated=24\n");

  EXPECT_EQ(Run("prove --proof " + Path("p") + " --compatible " + Path("c") + " --progress " + Path("g") + " " + file), 0);
  EXPECT_EQ(out_, "");
  EXPECT_EQ(err_, "");
  EXPECT_EQ(Read(Path("p")), "24 rows ending in 1234\nTouch is True\n");
  EXPECT_EQ(Read(Path("c")), "24 rows ending in 1234\nTouch is True\n");
  EXPECT_EQ(Read(Path("g")), "Rounds were found\nNumber changes generated=24\n");

  // "-" sends the progress lines to standard output too.
  EXPECT_EQ(Run("prove --progress - " + file), 0);
  EXPECT_EQ(out_, "24 rows ending in 1234\nTouch is True\nRounds were found\nNumber changes generated=24\n");
}

TEST_F(CommandLine, ExitStatusFollowsTheOutcome) {
  EXPECT_EQ(Run("prove " + Write("false.sir", "4 BELLS\nT = 4 L\nL = &x14x14,+12\n")), 1);
  EXPECT_EQ(Run("prove " + Write("short.sir", "4 BELLS\nT = L\nL = &x14x14,+12\n")), 1);
  EXPECT_EQ(Run("prove " + Write("bad.sir", "4 BELLS\nT = L Q\nL = &x14x14,+12\n")), 2);
  EXPECT_EQ(err_, "Errors found; failed to generate composition\n");
  EXPECT_EQ(Run("prove " + Write("empty.sir", "")), 2);
}

TEST_F(CommandLine, ReadsStandardInputAndEveryLineEnd) {
  EXPECT_EQ(Run("prove -", Write("in.sir", "4 BELLS\r\nTOUCH = 3 LEAD\rLEAD = &x14x14,+12")), 0);
  EXPECT_EQ(out_, "24 rows ending in 1234\nTouch is True\n");
}

TEST_F(CommandLine, BytesPassThroughUnchanged) {
  const std::string latin1 = "4 BELLS\nT = \"caf\xE9 \xC3\xA9\", 3 L\nL = &x14x14,+12\n";
  EXPECT_EQ(Run("prove " + Write("bytes.sir", latin1)), 0);
  EXPECT_EQ(out_, "caf\xE9 \xC3\xA9\n24 rows ending in 1234\nTouch is True\n");
}

TEST_F(CommandLine, OptionsReachTheEngine) {
  const std::string major = Write("major.maj", "8 BELLS\nT = 7 L\nL = &x18x18x18x18,+12\n");
  EXPECT_EQ(Run("prove " + major), 0);
  EXPECT_NE(out_.find("Touch contains:"), std::string::npos);
  EXPECT_EQ(Run("prove --no-music " + major), 0);
  EXPECT_EQ(out_.find("Touch contains:"), std::string::npos);

  const std::string marked = Write("marked.min", "6 BELLS\nT = 5 L\nL = \"[PB]\", &x16x16x16,+12\n");
  EXPECT_EQ(Run("prove --no-music " + marked), 0);
  EXPECT_NE(out_.find("NumberLeads=5"), std::string::npos);
  EXPECT_EQ(Run("prove --no-music --no-work " + marked), 0);
  EXPECT_EQ(out_.find("NumberLeads="), std::string::npos);

  EXPECT_EQ(Run("prove --debug parse,symtab,proof " + Write("t.sir", TrueTouch)), 0);
  EXPECT_NE(out_.find("1:4 BELLS\n"), std::string::npos);
  EXPECT_NE(out_.find("DATA ELEMENT DEFINITIONS\n"), std::string::npos);
  EXPECT_NE(out_.find("HEAD Element:TOUCH\n"), std::string::npos);
}

TEST_F(CommandLine, MaxBellsGovernsTheStageLine) {
  const std::string fourteen = Write("f.sir", "14 BELLS\nT = +x, +x\n");
  EXPECT_EQ(Run("prove " + fourteen), 2);
  EXPECT_EQ(Run("prove --max-bells 16 " + fourteen), 0);
  EXPECT_EQ(Run("prove --max-bells 0x10 " + fourteen), 0);
  EXPECT_EQ(Run("prove --max-bells 20 " + fourteen), 0);  // brought down to 16
  EXPECT_EQ(Run("prove --max-bells 13 " + fourteen), 2);
  EXPECT_EQ(Run("prove --max-bells 8 " + Write("t.tri", "12 BELLS\nT = +x, +x\n")), 0);  // brought up to 12
  EXPECT_EQ(Run("prove --max-bells many " + fourteen), 3);
}

TEST_F(CommandLine, SettingsFileInTheCurrentFolderGivesTheStageLimit) {
  runInTestFolder_ = true;
  const std::string sixteen = Write("s.six", "16 BELLS\nT = +x, +x\n");
  EXPECT_EQ(Run("prove " + sixteen), 2);  // no settings file: 12
  Write("TOLVERN.INI", "[TOLVERN]\r\nMaxNumberBells=16\r\n");
  EXPECT_EQ(Run("prove " + sixteen), 0);
  EXPECT_EQ(err_, "Rounds were found\nNumber changes generated=2\n");
  EXPECT_EQ(Run("check " + sixteen), 0);
  EXPECT_EQ(Run("prove --max-bells 12 " + sixteen), 2);
  EXPECT_EQ(Run("check --max-bells 12 " + sixteen), 1);

  Write("TOLVERN.INI", "[TOLVERN]\nMaxNumberBells=20\n");
  EXPECT_EQ(Run("prove --progress " + Path("g") + " " + sixteen), 0);
  EXPECT_EQ(err_,
            "tolvern: Error in \"TOLVERN.INI\" file, MaxNumberBells is out of range; "
            "MaxNumberBells has been set to 16\n");
  EXPECT_EQ(Run("check " + sixteen), 0);
  EXPECT_EQ(err_.rfind("tolvern: Error in \"TOLVERN.INI\" file", 0), 0u);
}

TEST_F(CommandLine, MaxChangesStopsARunaway) {
  EXPECT_EQ(Run("prove --max-changes 1000 " + Write("r.sir", "6 BELLS\nA = +x, A\nCONFLICT =\n")), 1);
  EXPECT_NE(err_.find("Proof stopped after 1000 changes\n"), std::string::npos);
  EXPECT_NE(err_.find("Number changes generated=1000\n"), std::string::npos);
}

TEST_F(CommandLine, MaxIdleBoundsWorkWithNoChange) {
  const std::string flood = Write("flood.sir", "6 BELLS\nT = 3000 (1000 \"\")\n");
  EXPECT_EQ(Run("prove --progress - --proof " + Path("p") + " " + flood), 1);
  EXPECT_EQ(out_, "Proof stopped: 2000000 steps of work with no change rung\nNumber changes generated=0\n");
  EXPECT_EQ(Run("prove --max-idle 0 --progress - --proof " + Path("p") + " " + flood), 0);
  EXPECT_EQ(out_, "Rounds were found\nNumber changes generated=0\n");
  EXPECT_EQ(Run("prove --max-idle 500 --progress - --proof " + Path("p") + " " + flood), 1);
  EXPECT_EQ(out_, "Proof stopped: 500 steps of work with no change rung\nNumber changes generated=0\n");
  EXPECT_EQ(Run("prove --max-idle lots " + flood), 3);
}

TEST_F(CommandLine, UsageAndFileProblemsExitThree) {
  EXPECT_EQ(Run("prove " + Path("missing.sir")), 3);
  EXPECT_NE(err_.find(Path("missing.sir")), std::string::npos);
  EXPECT_EQ(std::count(err_.begin(), err_.end(), '\n'), 1);
  EXPECT_EQ(Run("prove " + dir_.string()), 3);
  EXPECT_NE(err_.find(dir_.string()), std::string::npos);

  const std::string file = Write("t.sir", TrueTouch);
  EXPECT_EQ(Run("prove --proof " + Path("no/such/folder/p") + " " + file), 3);
  EXPECT_NE(err_.find(Path("no/such/folder/p")), std::string::npos);

  EXPECT_EQ(Run("prove --proof /dev/full " + file), 3);
  EXPECT_NE(err_.find("/dev/full"), std::string::npos);

  EXPECT_EQ(Run(""), 3);
  EXPECT_EQ(Run("prove"), 3);
  EXPECT_EQ(Run("prove --frobnicate " + file), 3);
  EXPECT_EQ(Run("prove --debug parse,noise " + file), 3);
  EXPECT_EQ(Run("prove " + file + " " + file), 3);
  EXPECT_EQ(Run("prove --proof"), 3);
  EXPECT_EQ(Run("sing " + file), 3);
}

TEST_F(CommandLine, HelpAndVersion) {
  EXPECT_EQ(Run("--help"), 0);
  EXPECT_NE(out_.find("tolvern prove [options] FILE"), std::string::npos);
  EXPECT_NE(out_.find("--max-bells N"), std::string::npos);
  EXPECT_EQ(Run("--version"), 0);
  EXPECT_EQ(out_, "tolvern " TOLVERN_VERSION "\n");
  for (const char* command : {"prove --help", "draw -h"}) {
    EXPECT_EQ(Run(command), 0) << command;
    EXPECT_NE(out_.find("tolvern draw FILE"), std::string::npos) << command;
  }
}

}  // namespace
