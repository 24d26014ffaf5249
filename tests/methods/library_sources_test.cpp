// The sources of methods: the Central Council's methods library XML (a small
// hand-written file in its format, and broken or hostile ones), SIRIL library
// files, and their merging.
#include <gtest/gtest.h>

#include <unistd.h>

#include <filesystem>
#include <fstream>
#include <random>

#include "library_xml.h"
#include "method_sources.h"
#include "siril_library.h"

namespace tolvern::methods {
namespace {

namespace fs = std::filesystem;

const std::string Library = R"(<?xml version="1.0" encoding="UTF-8"?>
<collection xmlns="http://www.cccbr.org.uk/methods/schemas/2007/05/methods"
            xmlns:xsi="http://www.w3.org/2001/XMLSchema-instance" version="1">
  <collectionName>A few methods</collectionName>
  <methodSet>
    <notes>Surprise Major</notes>
    <properties>
      <stage>8</stage>
      <classification trebleDodging="true">Surprise</classification>
      <lengthOfLead>32</lengthOfLead>
      <numberOfHunts>1</numberOfHunts>
    </properties>
    <method id="m1">
      <name>Cambridge</name>
      <title>Cambridge Surprise Major</title>
      <notation>-38-14-1258-36-14-58-16-78,12</notation>
      <leadHeadCode>b</leadHeadCode>
      <leadHead>15738264</leadHead>
      <performances><firstTowerbellPeal><date>1908-01-01</date></firstTowerbellPeal></performances>
    </method>
    <method id="m2">
      <name>Misprint</name>
      <title>Misprint Surprise Major</title>
      <notation>-38-14-1258-36-14-58-16-18,12</notation>
      <leadHead>15738264</leadHead>
    </method>
  </methodSet>
  <methodSet>
    <properties>
      <stage>6</stage>
      <classification little="true" plain="true">Bob</classification>
    </properties>
    <method id="m3">
      <title>Z&#xFC;rich &amp; Little Bob Minor</title>
      <notation>x16x14,12</notation>
    </method>
  </methodSet>
  <methodSet>
    <properties><stage>18</stage></properties>
    <method id="m4"><title>Cambridge Surprise Eighteen</title><notation>x1x,12</notation></method>
  </methodSet>
</collection>
)";

TEST(LibraryXml, ReadsMethodsAndPassesOverThoseItCannotRing) {
  MethodLibrary library;
  const LibraryReadResult read = ReadLibraryXml(Library, "test.xml", library);
  ASSERT_EQ(read.error, "");
  EXPECT_EQ(read.added, 2u);
  EXPECT_EQ(read.skipped, 2u);
  EXPECT_EQ(read.firstSkipped, "Misprint Surprise Major: its notation rings the lead head 18463725, not 15738264");
  ASSERT_EQ(library.size(), 2u);
  const Method& cambridge = library.methods()[0];
  EXPECT_EQ(cambridge.title, "Cambridge Surprise Major");
  EXPECT_EQ(cambridge.name, "CambridgeSurpriseMajor");
  EXPECT_EQ(cambridge.stage, 8);
  EXPECT_EQ(cambridge.classification, "Surprise");
  EXPECT_EQ(cambridge.leadLength, 32);
  EXPECT_EQ(cambridge.leadHead, "15738264");
  EXPECT_EQ(cambridge.siril, "&-38-14-1258-36-14-58-16-78, +12");
  EXPECT_EQ(cambridge.source, "test.xml");
  const Method& little = library.methods()[1];
  EXPECT_EQ(little.title, "Z\xc3\xbcrich & Little Bob Minor");
  EXPECT_EQ(little.classification, "Little Bob");
  EXPECT_EQ(little.name, "ZrichLittleBobMinor");
}

TEST(LibraryXml, BrokenOrHostileFilesAddNothingAndSayWhy) {
  std::string junk(1 << 20, '\0');
  std::mt19937 random(7);
  for (char& c : junk) c = static_cast<char>(random());
  const std::string laughs =
      "<?xml version=\"1.0\"?>\n<!DOCTYPE collection [\n <!ENTITY lol \"lol\">\n"
      " <!ENTITY lol2 \"&lol;&lol;&lol;&lol;&lol;&lol;&lol;&lol;&lol;&lol;\">\n"
      " <!ENTITY lol3 \"&lol2;&lol2;&lol2;&lol2;&lol2;&lol2;&lol2;&lol2;&lol2;&lol2;\">\n"
      " <!ENTITY lol9 \"&lol3;&lol3;&lol3;&lol3;&lol3;&lol3;&lol3;&lol3;&lol3;&lol3;\">\n]>\n"
      "<collection xmlns=\"http://www.cccbr.org.uk/methods/schemas/2007/05/methods\"><methodSet><method>"
      "<title>&lol9;</title></method></methodSet></collection>\n";
  std::string otherSpace = Library;
  otherSpace.replace(otherSpace.find("cccbr.org.uk"), 12, "example.org");
  const struct {
    const char* what;
    std::string bytes;
    std::string error;
  } Broken[] = {
      {"truncated", Library.substr(0, Library.size() / 2), "f.xml: line 19, column 41: unclosed token"},
      {"wrong namespace", otherSpace,
       "f.xml: not a methods library: its root element is <collection> in namespace "
       "http://www.example.org/methods/schemas/2007/05/methods, where <collection> in namespace "
       "http://www.cccbr.org.uk/methods/schemas/2007/05/methods was expected"},
      {"entity expansion", laughs, "f.xml: line 3: declares an entity, which a methods library never does"},
      {"junk", junk, "f.xml: line 1, column 1: not well-formed (invalid token)"},
      {"empty", "", "f.xml: line 1, column 1: no element found"},
  };
  for (const auto& broken : Broken) {
    MethodLibrary library;
    const LibraryReadResult read = ReadLibraryXml(broken.bytes, "f.xml", library);
    EXPECT_EQ(read.error, broken.error) << broken.what;
    EXPECT_EQ(library.size(), 0u) << broken.what;
  }
}

class LibraryFiles : public ::testing::Test {
 protected:
  void SetUp() override {
    dir_ = fs::temp_directory_path() / ("tolvern-methods-" + std::to_string(::getpid()));
    fs::create_directories(dir_ / "lib");
  }
  void TearDown() override { fs::remove_all(dir_); }
  std::string Write(const std::string& name, const std::string& bytes) {
    std::ofstream(dir_ / name, std::ios::binary) << bytes;
    return (dir_ / name).string();
  }
  fs::path dir_;
};

TEST_F(LibraryFiles, SirilLibrariesAndTheXmlMergeLaterSourcesFirst) {
  Write("lib/surprise.maj",
        "/ Surprise Major methods\r\n"
        "CambridgeSurpriseMajor = &-38-14-1258-36-14-58-16-78, +12   / as rung at Cambridge\r\n"
        "Yorkshire = &-38-14-58-16-12-38-14-78,\r\n"
        "            +12\r\n"
        "p = Lead, +12\r\n"
        "Bad = &-38-13, +12\r\n");
  Write("lib/bob.dou", "PlainBob = &5.1.5.1.5, +125\n");
  Write("lib/notes.txt", "NotAMethod = &x1x1\n");
  const std::string xml = Write("library.xml", Library);

  MethodLibrary library;
  LoadReport report;
  LoadMethods({{(dir_ / "lib").string(), xml}, true}, library, report);
  EXPECT_TRUE(report.errors.empty());
  ASSERT_EQ(report.warnings.size(), 2u);
  EXPECT_EQ(report.warnings[1], (dir_ / "lib").string() + ": 1 method passed over (the first: " +
                                    (dir_ / "lib/surprise.maj").string() + ": Bad: impossible change '13' on 8 bells)");

  // The XML was given later: its Cambridge wins over the SIRIL library's.
  const Method* cambridge = library.Search("cambridge surprise major").front();
  EXPECT_EQ(cambridge->source, xml);
  const Method* yorkshire = library.Search("yorkshire", 8).front();
  EXPECT_EQ(yorkshire->source, (dir_ / "lib/surprise.maj").string());
  EXPECT_EQ(yorkshire->siril, "&-38-14-58-16-12-38-14-78, +12");
  EXPECT_EQ(yorkshire->leadHead, "15738264");
  const Method* bob = library.Search("plain bob", 5).front();
  EXPECT_EQ(bob->title, "Plain Bob");
  EXPECT_EQ(bob->stage, 5);
  EXPECT_EQ(bob->leadHead, "13524");
  EXPECT_TRUE(library.Search("not a method").empty());
  // The built-in set comes last.
  EXPECT_EQ(library.Search("stedman triples").front()->source, "built-in");

  LoadReport refused;
  const std::string junk = Write("junk.bin", std::string(100000, '\x9b'));
  LoadMethods({{(dir_ / "none.xml").string(), junk}, false}, library, refused);
  EXPECT_EQ(refused.errors,
            (std::vector<std::string>{junk + ": neither a methods library XML nor a SIRIL library file (.dou to .six, .sir)",
                                      (dir_ / "none.xml").string() + ": no such file or folder"}));
}

}  // namespace
}  // namespace tolvern::methods
