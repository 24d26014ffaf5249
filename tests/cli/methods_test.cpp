// `tolvern methods`: the lines, the SIRIL definition and the JSON it prints,
// and its exit statuses.
#include <gtest/gtest.h>

#include <sys/wait.h>
#include <unistd.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <sstream>

#include "methods_command.h"

namespace tolvern {
namespace {

struct Output {
  int status;
  std::string out, err;
};

Output Methods(const std::vector<std::string>& args, const methods::MethodSources& defaults = {}) {
  std::ostringstream out, err;
  const int status = RunMethods(args, out, err, defaults);
  return {status, out.str(), err.str()};
}

TEST(MethodsCommand, TheSirilLineProvesATruePlainCourse) {
  const std::filesystem::path dir =
      std::filesystem::temp_directory_path() / ("tolvern-methods-cli-" + std::to_string(::getpid()));
  std::filesystem::create_directories(dir);
  const std::string out = (dir / "out").string(), touch = (dir / "course.maj").string();
  const auto run = [](const std::string& command) {
    const int status = std::system(command.c_str());
    return WIFEXITED(status) ? WEXITSTATUS(status) : -1;
  };
  ASSERT_EQ(run(std::string(TOLVERN_BINARY) + " methods --siril 'Cambridge Surprise Major' >" + out), 0);
  std::stringstream line;
  line << std::ifstream(out).rdbuf();
  EXPECT_EQ(line.str(), "CambridgeSurpriseMajor = &-38-14-1258-36-14-58-16-78, +12\n");
  std::ofstream(touch) << "8 BELLS\nCourse = 7 CambridgeSurpriseMajor\n" << line.str();
  EXPECT_EQ(run(std::string(TOLVERN_BINARY) + " prove --no-music --no-work " + touch + " >" + out + " 2>/dev/null"), 0);
  std::stringstream proof;
  proof << std::ifstream(out).rdbuf();
  EXPECT_EQ(proof.str(), "224 rows ending in 12345678\nTouch is True\n");
  std::filesystem::remove_all(dir);
}

TEST(MethodsCommand, ALineEachBestFirst) {
  const Output stedman = Methods({"stedman"});
  EXPECT_EQ(stedman.status, 0);
  EXPECT_EQ(stedman.out,
            "Stedman Triples   7  Principle  6347251      &3.1.7.3.1.3, +1\n"
            "Stedman Doubles   5  Principle  53412        &3.1.5.3.1.3, +1\n"
            "Stedman Caters    9  Principle  634829175    &3.1.9.3.1.3, +1\n"
            "Stedman Cinques  11  Principle  6348201E597  &3.1.E.3.1.3, +1\n");
  EXPECT_EQ(Methods({"--stage", "caters", "sted"}).out, "Stedman Caters  9  Principle  634829175  &3.1.9.3.1.3, +1\n");
  EXPECT_EQ(Methods({"grandsire", "9", "--siril"}).out, "GrandsireCaters = +3, &1.9.1.9.1.9.1.9.1\n");
}

TEST(MethodsCommand, Json) {
  const Output json = Methods({"--json", "grandsire 9"});
  EXPECT_EQ(json.status, 0);
  EXPECT_EQ(json.out,
            "{\n"
            "  \"query\": \"grandsire 9\",\n"
            "  \"stage\": null,\n"
            "  \"methods\": [\n"
            "    {\n"
            "      \"title\": \"Grandsire Caters\",\n"
            "      \"name\": \"GrandsireCaters\",\n"
            "      \"stage\": 9,\n"
            "      \"classification\": \"Bob\",\n"
            "      \"leadLength\": 18,\n"
            "      \"leadHead\": \"125374968\",\n"
            "      \"notation\": \"3,1.9.1.9.1.9.1.9.1\",\n"
            "      \"siril\": \"+3, &1.9.1.9.1.9.1.9.1\",\n"
            "      \"source\": \"built-in\"\n"
            "    }\n"
            "  ]\n"
            "}\n");
  EXPECT_EQ(Methods({"--json", "--stage", "8", "stedman"}).out,
            "{\n  \"query\": \"stedman\",\n  \"stage\": 8,\n  \"methods\": []\n}\n");
}

TEST(MethodsCommand, ExitStatuses) {
  const Output none = Methods({"stedman", "major"});
  EXPECT_EQ(none.status, 1);
  EXPECT_EQ(none.out, "");
  EXPECT_EQ(none.err, "tolvern: no method found for 'stedman major'\n");
  EXPECT_EQ(Methods({}).status, 3);
  EXPECT_EQ(Methods({"--stage", "17", "bob"}).status, 3);
  EXPECT_EQ(Methods({"--siril", "--json", "bob"}).status, 3);
  EXPECT_EQ(Methods({"--frobnicate", "bob"}).status, 3);
  const Output missing = Methods({"--library", "/nonexistent/CCCBR_methods.xml", "bob"});
  EXPECT_EQ(missing.status, 3);
  EXPECT_EQ(missing.err, "tolvern: /nonexistent/CCCBR_methods.xml: no such file or folder\n");
  // A library the settings name but that is missing is only a warning.
  const Output fromSettings = Methods({"stedman", "trip"}, {{"/nonexistent/CCCBR_methods.xml"}, true});
  EXPECT_EQ(fromSettings.status, 0);
  EXPECT_EQ(fromSettings.err, "tolvern: warning: /nonexistent/CCCBR_methods.xml: no such file or folder\n");
}

// The window's libraries: TOLVERN.INI in the current folder names them, and
// a missing one is a warning, as the window's box is.
TEST(MethodsCommand, SearchesTheLibrariesOfTolvernIni) {
  const std::filesystem::path dir =
      std::filesystem::temp_directory_path() / ("tolvern-methods-ini-" + std::to_string(::getpid()));
  std::filesystem::create_directories(dir / "lib");
  std::ofstream(dir / "TOLVERN.INI") << "[microSIRIL]\nMethodLib=lib\n[TOLVERN]\nMethodLibraryXML=gone.xml\n";
  std::ofstream(dir / "lib" / "own.min") << "6 BELLS\nOwnBobMinor = &-16-16-16, +12  / a copy of Plain Bob\n";
  const std::string command = "cd " + dir.string() + " && " + TOLVERN_BINARY + " methods --siril own bob >out 2>err";
  const int status = std::system(command.c_str());
  EXPECT_TRUE(WIFEXITED(status) && WEXITSTATUS(status) == 0);
  std::stringstream out, err;
  out << std::ifstream(dir / "out").rdbuf();
  err << std::ifstream(dir / "err").rdbuf();
  EXPECT_EQ(out.str(), "OwnBobMinor = &-16-16-16, +12\n");
  EXPECT_EQ(err.str(),
            "tolvern: warning: Error in \"MethodLibraryXML\" of TOLVERN.INI file; The file gone.xml does not exist\n");
  std::filesystem::remove_all(dir);
}

}  // namespace
}  // namespace tolvern
