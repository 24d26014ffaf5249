#include "settings_file.h"

#include <gtest/gtest.h>

#include <unistd.h>

#include <filesystem>
#include <fstream>
#include <string>

namespace tolvern {
namespace {

namespace fs = std::filesystem;

using Box = SettingsMessage::Box;

class SettingsFile : public ::testing::Test {
 protected:
  void SetUp() override {
    folder_ = fs::temp_directory_path() / ("tolvern-settings-" + std::to_string(::getpid()) + "-" +
                                           ::testing::UnitTest::GetInstance()->current_test_info()->name());
    fs::remove_all(folder_);
    fs::create_directories(folder_);
  }
  void TearDown() override { fs::remove_all(folder_); }

  std::string Folder() const { return folder_.string(); }

  void Write(const std::string& name, const std::string& bytes) const {
    std::ofstream(folder_ / name, std::ios::binary) << bytes;
  }

  // Reads a TOLVERN.INI holding `text`.
  SettingsReading Read(const std::string& text) const {
    Write("TOLVERN.INI", text);
    return ReadSettings(Folder());
  }

  fs::path folder_;
};

// A file that names a working folder, so that only the setting under test
// can give a message.
std::string WithWorking(const std::string& text) { return "[TOLVERN]\nWorking=work\n" + text; }

const std::string WorkingMissing = "Error in \"Working\" of TOLVERN.INI file\n\nThe working directory is not specified";

TEST(IniFile, KeepsTheMatchingRulesOfTheProfileFunctions) {
  const IniFile ini = IniFile::FromText(
      "; a comment line\r\n"
      "[ Tolvern ]\r\n"
      "  maxnumberbells  =  14  \r\n"
      "Quoted = \"  two words  \"\n"
      "Single='x'\n"
      "Unmatched=\"x'\n"
      "Lone=\"\n"
      "Empty=\n"
      ";Hidden=1\n"
      "  ; Indented=1\r"
      "Bare\r"
      "Bare=given later\r"
      "MAXNUMBERBELLS=15\n"
      "[microSIRIL]\n"
      "Executable=a=b\n"
      "[TOLVERN]\n"
      "Later=1\n");
  EXPECT_EQ(ini.Value("TOLVERN", "MaxNumberBells", "12"), "14");  // first occurrence wins
  EXPECT_EQ(ini.Value("tolvern", "QUOTED", ""), "  two words  ");
  EXPECT_EQ(ini.Value("TOLVERN", "Single", ""), "x");
  EXPECT_EQ(ini.Value("TOLVERN", "Unmatched", ""), "\"x'");
  EXPECT_EQ(ini.Value("TOLVERN", "Lone", ""), "\"");
  EXPECT_EQ(ini.Value("TOLVERN", "Empty", "default"), "");
  EXPECT_EQ(ini.Value("TOLVERN", "Hidden", "default"), "default");
  EXPECT_EQ(ini.Value("TOLVERN", "Indented", "default"), "default");
  EXPECT_EQ(ini.Value("TOLVERN", "Bare", "default"), "default");  // a key without '=' has no value
  EXPECT_EQ(ini.Value("microSIRIL", "Executable", ""), "a=b");
  EXPECT_EQ(ini.Value("TOLVERN", "Later", "default"), "default");  // only the first section of a name
  EXPECT_EQ(ini.Value("Nowhere", "Executable", "default"), "default");
  EXPECT_EQ(IniFile().Value("TOLVERN", "Working", "ERROR"), "ERROR");
}

TEST(IniFile, ReadsYesNoAndNumbers) {
  for (const char* yes : {"1", "T", "Y", "t", "y", "true", "Yes", "yes please"}) EXPECT_TRUE(IsYes(yes)) << yes;
  for (const char* no : {"", "0", "No", "no", "false", "F", "on", " yes"}) EXPECT_FALSE(IsYes(no)) << no;

  EXPECT_EQ(IntegerValue("14", 12), 14);
  EXPECT_EQ(IntegerValue("-3", 12), -3);
  EXPECT_EQ(IntegerValue("0x10", 12), 16);
  EXPECT_EQ(IntegerValue("0XfF", 12), 255);
  for (const char* bad : {"", "many", "14b", "1 4", "0x", "0x-1", "0x 1", "0xg", "99999999999", "1.5"})
    EXPECT_EQ(IntegerValue(bad, 12), 12) << bad;
  // The command lines read numbers the same way.
  for (const char* bad : {" 14", "0x 1", "+ 1", "14 "}) EXPECT_FALSE(ParseNumber(bad)) << bad;
  EXPECT_EQ(ParseNumber("-0x"), std::nullopt);
  EXPECT_EQ(ParseNumber("9000000000"), 9000000000LL);
}

TEST_F(SettingsFile, AMissingFileGivesTheDefaultsAndOneMessage) {
  const SettingsReading reading = ReadSettings(Folder());
  ASSERT_EQ(reading.messages.size(), 1u);
  EXPECT_EQ(reading.messages[0].box, Box::Error);
  EXPECT_EQ(reading.messages[0].title, "Error");
  EXPECT_EQ(reading.messages[0].text, WorkingMissing);

  const AppSettings& s = reading.settings;
  EXPECT_EQ(s.startFolder, Folder());
  EXPECT_FALSE(s.crossCheck);
  EXPECT_FALSE(s.crossCheckDebug);
  EXPECT_EQ(s.maxNumberBells, 12);
  EXPECT_EQ(s.workingFolder, Folder());
  EXPECT_EQ(s.libraryViewer, "xdg-open");
  EXPECT_EQ(s.methodLibFolder, Folder());
  EXPECT_FALSE(s.methodMenuVisible);
  EXPECT_EQ(s.methodLibraryXml, "");
  EXPECT_TRUE(MethodLibraries(s).empty());
  EXPECT_FALSE(s.debugMenu);
  EXPECT_FALSE(s.syntaxColours);
  EXPECT_FALSE(s.proveAsYouType);
}

TEST_F(SettingsFile, AGoodFileGivesItsValuesWithoutMessages) {
  fs::create_directories(folder_ / "prover");
  fs::create_directories(folder_ / "library");
  Write("prover/PROVE.COM", "");
  Write("library/CCCBR_methods.xml", "");
  const SettingsReading reading = Read(
      "[microSIRIL]\n"
      "RUNmicroSIRIL=Yes\n"
      "DEBUG=1\n"
      "OpenLibraryWith=\"mousepad\"\n"
      "Executable=prover/PROVE.COM\n"  // relative to the start folder
      "MethodLib=" + Folder() + "/library\n"
      "[TOLVERN]\n"
      "MaxNumberBells=14\n"
      "Working=compositions\n"
      "Debug=true\n"
      "SyntaxColours=Y\n"
      "ProveAsYouType=1\n"
      "MethodLibraryXML=library/CCCBR_methods.xml\n");
  EXPECT_TRUE(reading.messages.empty());
  const AppSettings& s = reading.settings;
  EXPECT_TRUE(s.crossCheck);
  EXPECT_TRUE(s.crossCheckDebug);
  EXPECT_EQ(s.maxNumberBells, 14);
  EXPECT_EQ(s.workingFolder, "compositions");  // not checked
  EXPECT_EQ(s.libraryViewer, "mousepad");
  EXPECT_EQ(s.proverExecutable, "prover/PROVE.COM");
  EXPECT_EQ(s.proverFolder, "prover/");
  EXPECT_EQ(s.methodLibFolder, Folder() + "/library");
  EXPECT_TRUE(s.methodMenuVisible);
  EXPECT_EQ(s.methodLibraryXml, "library/CCCBR_methods.xml");
  EXPECT_EQ(MethodLibraries(s),
            (std::vector<std::string>{Folder() + "/library", Folder() + "/library/CCCBR_methods.xml"}));
  EXPECT_TRUE(s.debugMenu);
  EXPECT_TRUE(s.syntaxColours);
  EXPECT_TRUE(s.proveAsYouType);
}

TEST_F(SettingsFile, YesNoSpellingsOfTheCrossCheck) {
  // Executable names a missing file, so "on" shows as the file's message.
  for (const char* yes : {"true", "1", "yes"}) {
    const SettingsReading reading =
        Read(WithWorking("[microSIRIL]\nExecutable=" + Folder() + "/none\nRUNmicroSIRIL=" + yes + "\n"));
    ASSERT_EQ(reading.messages.size(), 1u) << yes;
    EXPECT_EQ(reading.messages[0].text,
              "Error in \"Executable\" of TOLVERN.INI file\n\nThe file " + Folder() + "/none does not exist");
  }
  Write("PROVE.COM", "");
  for (const char* no : {"No", "0", "false", ""}) {
    const SettingsReading reading =
        Read(WithWorking("[microSIRIL]\nExecutable=" + Folder() + "/PROVE.COM\nRUNmicroSIRIL=" + no + "\n"));
    EXPECT_FALSE(reading.settings.crossCheck) << no;
    EXPECT_TRUE(reading.messages.empty()) << no;
  }
}

TEST_F(SettingsFile, MaxNumberBellsIsKeptFrom12To16) {
  const auto read = [&](const std::string& value) { return Read(WithWorking("MaxNumberBells=" + value + "\n")); };
  const std::pair<const char*, int> silent[] = {{"8", 12}, {"0x10", 16}, {"many", 12}, {"13", 13}, {"16", 16}};
  for (const auto& [value, expected] : silent) {
    const SettingsReading reading = read(value);
    EXPECT_EQ(reading.settings.maxNumberBells, expected) << value;
    EXPECT_TRUE(reading.messages.empty()) << value;
  }
  const SettingsReading reading = read("20");
  EXPECT_EQ(reading.settings.maxNumberBells, 16);
  ASSERT_EQ(reading.messages.size(), 1u);
  EXPECT_EQ(reading.messages[0].box, Box::Warning);
  EXPECT_EQ(reading.messages[0].title, "Warning");
  EXPECT_EQ(reading.messages[0].text,
            "Error in \"TOLVERN.INI\" file, MaxNumberBells is out of range\n\nMaxNumberBells has been set to 16");

  std::string warning;
  EXPECT_EQ(MaxNumberBellsSetting(Folder(), &warning), 16);
  EXPECT_EQ(warning, reading.messages[0].text);
  warning.clear();
  Write("TOLVERN.INI", "[TOLVERN]\nMaxNumberBells=0x0E\n");
  EXPECT_EQ(MaxNumberBellsSetting(Folder(), &warning), 14);
  EXPECT_EQ(warning, "");
  EXPECT_EQ(MaxNumberBellsSetting(Folder() + "/nowhere", &warning), 12);
}

TEST_F(SettingsFile, TheProverExecutableIsCheckedOnlyWhenTheCrossCheckIsOn) {
  const std::string on = "[microSIRIL]\nRUNmicroSIRIL=y\n";
  // A bare file name has an empty folder, which does not exist.
  SettingsReading reading = Read(WithWorking(on + "Executable=PROVE.COM\n"));
  ASSERT_EQ(reading.messages.size(), 1u);
  EXPECT_EQ(reading.messages[0].box, Box::Error);
  EXPECT_EQ(reading.messages[0].text, "Error in \"Executable\" of TOLVERN.INI file\n\nThe folder  does not exist");
  EXPECT_FALSE(reading.settings.crossCheck);
  EXPECT_EQ(reading.settings.proverFolder, "");

  reading = Read(WithWorking(on + "Executable=" + Folder() + "/missing/PROVE.COM\n"));
  ASSERT_EQ(reading.messages.size(), 1u);
  EXPECT_EQ(reading.messages[0].text,
            "Error in \"Executable\" of TOLVERN.INI file\n\nThe folder " + Folder() + "/missing/ does not exist");

  for (const std::string& unspecified : {std::string(), std::string("Executable=ERROR\n")}) {
    reading = Read(WithWorking(on + unspecified));
    ASSERT_EQ(reading.messages.size(), 1u);
    EXPECT_EQ(reading.messages[0].text,
              "Error in \"TOLVERN.INI\" file\n\nThe executable file is unspecified and you have \"RunSIRIL=Y\" set");
    EXPECT_FALSE(reading.settings.crossCheck);
    EXPECT_EQ(reading.settings.proverFolder, Folder() + "/");
  }

  // Off: a wrong path is not even read.
  reading = Read(WithWorking("[microSIRIL]\nRUNmicroSIRIL=No\nExecutable=/no/such/PROVE.COM\n"));
  EXPECT_TRUE(reading.messages.empty());
  EXPECT_EQ(reading.settings.proverExecutable, "");
}

TEST_F(SettingsFile, ErrorMeansNotSpecified) {
  SettingsReading reading = Read("[TOLVERN]\nWorking=ERROR\n[microSIRIL]\nMethodLib=ERROR\n");
  ASSERT_EQ(reading.messages.size(), 1u);
  EXPECT_EQ(reading.messages[0].text, WorkingMissing);
  EXPECT_EQ(reading.settings.workingFolder, Folder());
  EXPECT_FALSE(reading.settings.methodMenuVisible);

  // Only the exact capitals.
  reading = Read("[TOLVERN]\nWorking=Error\n");
  EXPECT_TRUE(reading.messages.empty());
  EXPECT_EQ(reading.settings.workingFolder, "Error");
}

TEST_F(SettingsFile, MessagesComeInTheOrderOfReading) {
  const SettingsReading reading = Read(
      "[microsiril]\n"
      "methodlib=no-library\n"
      "runmicrosiril=T\n"
      "executable=/no/such/PROVE.COM\n"
      "[tolvern]\n"
      "maxnumberbells=17\n"
      "debug=no\n"
      "methodlibraryxml=CCCBR_methods.xml\n");
  ASSERT_EQ(reading.messages.size(), 5u);
  EXPECT_EQ(reading.messages[0].box, Box::Warning);
  EXPECT_NE(reading.messages[0].text.find("MaxNumberBells is out of range"), std::string::npos);
  EXPECT_EQ(reading.messages[1].text, WorkingMissing);
  EXPECT_EQ(reading.messages[2].box, Box::Error);
  EXPECT_EQ(reading.messages[2].text,
            "Error in \"Executable\" of TOLVERN.INI file\n\nThe folder /no/such/ does not exist");
  EXPECT_EQ(reading.messages[3].box, Box::Warning);
  EXPECT_EQ(reading.messages[3].title, "Warning");
  EXPECT_EQ(reading.messages[3].text,
            "Error in \"MethodLib\" of TOLVERN.INI file\n\nThe folder no-library does not exist");
  EXPECT_EQ(reading.messages[4].box, Box::Warning);
  EXPECT_EQ(reading.messages[4].text,
            "Error in \"MethodLibraryXML\" of TOLVERN.INI file\n\nThe file CCCBR_methods.xml does not exist");
  EXPECT_EQ(reading.settings.methodLibFolder, Folder());
  EXPECT_FALSE(reading.settings.methodMenuVisible);
  EXPECT_EQ(reading.settings.methodLibraryXml, "");
  EXPECT_FALSE(reading.settings.crossCheck);
  EXPECT_FALSE(reading.settings.debugMenu);
}

TEST_F(SettingsFile, TheFileNameMatchesInAnyCase) {
  EXPECT_EQ(FindSettingsFile(Folder()), "");
  Write("Tolvern.ini", "[TOLVERN]\nWorking=from the lower-case file\n");
  EXPECT_EQ(FindSettingsFile(Folder()), Folder() + "/Tolvern.ini");
  EXPECT_EQ(ReadSettings(Folder()).settings.workingFolder, "from the lower-case file");

  Write("TOLVERN.INI", "[TOLVERN]\nWorking=from the exact name\n");
  EXPECT_EQ(FindSettingsFile(Folder()), Folder() + "/TOLVERN.INI");
  EXPECT_EQ(ReadSettings(Folder()).settings.workingFolder, "from the exact name");

  // A folder of that name is not the file.
  fs::remove(folder_ / "TOLVERN.INI");
  fs::remove(folder_ / "Tolvern.ini");
  fs::create_directories(folder_ / "tolvern.INI");
  EXPECT_EQ(FindSettingsFile(Folder()), "");
}

}  // namespace
}  // namespace tolvern
