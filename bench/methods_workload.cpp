#include "methods_workload.h"

#include <algorithm>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <random>
#include <vector>

#include "method_sources.h"
#include "notation.h"
#include "stages.h"
#include "timing.h"

namespace tolvern::bench {

namespace {

constexpr const char* Syllables[] = {"ab", "bel", "cor", "dun", "el", "fen", "gar", "hol", "ing", "kel",
                                     "lam", "mor", "nor", "ock", "pen", "ros", "sal", "tor", "ul", "wen"};
constexpr const char* Towns[] = {"Cambridge", "York", "Bristol", "Norwich", "Lincoln", "Exeter", "Ely", "Leeds"};
struct Kind {
  const char* classification;
  const char* attribute;
  bool trebleDodging;
};
constexpr Kind Kinds[] = {{"Surprise", " trebleDodging=\"true\"", true},
                          {"Delight", " trebleDodging=\"true\"", true},
                          {"Treble Bob", " trebleDodging=\"true\"", true},
                          {"Bob", " plain=\"true\"", false},
                          {"Place", " plain=\"true\"", false}};
// Stages as the real library has them: most Minor and Major, a few beyond
// what SIRIL rings (passed over on loading).
constexpr int Stages[] = {6, 6, 6, 8, 8, 8, 8, 5, 7, 10, 10, 12, 9, 11, 14, 16, 18};

// A random change on `stage` bells: places where the dice say so or where
// no pair is left, swaps elsewhere.
uint32_t RandomChange(int stage, std::mt19937_64& random) {
  uint32_t places = 0;
  for (int p = 1; p <= stage;) {
    if (p == stage || random() % 4 == 0) {
      places |= 1u << (p - 1);
      ++p;
    } else {
      p += 2;
    }
  }
  return places;
}

std::string Notation(const methods::Changes& changes, int stage) {
  std::string text;
  bool placesBefore = false;
  for (uint32_t places : changes) {
    if (!places) {
      text += 'x';
      placesBefore = false;
      continue;
    }
    if (placesBefore) text += '.';
    for (int p = 1; p <= stage; ++p)
      if (places & (1u << (p - 1))) text += "1234567890ETABCDFGHJKL"[p - 1];
    placesBefore = true;
  }
  return text;
}

// The stage's name as titles give it ("Major"; "18" where it has none here).
std::string StageTitle(int stage) {
  const Stage* named = StageOfBells(stage);
  return named ? std::string(named->name) : std::to_string(stage);
}

std::string LeadHeadOf(const std::string& notation, int stage) {
  const methods::Notation read = methods::FromLibraryNotation(notation, stage);
  std::string row = methods::RowAfter(read.changes, stage);
  for (char& c : row)
    if (c >= 'a' && c <= 'd') c = static_cast<char>(c - 'a' + 'A');
  return row;
}

}  // namespace

std::string MethodsLibraryXml(int methods, uint64_t seed) {
  std::mt19937_64 random(seed);
  std::string xml =
      "<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n"
      "<collection xmlns=\"http://www.cccbr.org.uk/methods/schemas/2007/05/methods\" "
      "xmlns:xsi=\"http://www.w3.org/2001/XMLSchema-instance\" "
      "xsi:schemaLocation=\"http://www.cccbr.org.uk/methods/schemas/2007/05/methods "
      "http://methods.cccbr.org.uk/schemas/2007/05/methods.xsd\" version=\"1\" date=\"2026-12-01\">\n"
      "  <collectionName>Generated methods library</collectionName>\n";
  int made = 0;
  for (int set = 0; made < methods; ++set) {
    const int stage = Stages[set % std::size(Stages)];
    const Kind& kind = Kinds[(set / std::size(Stages)) % std::size(Kinds)];
    const int lead = kind.trebleDodging ? 4 * stage : 2 * stage;
    const int inSet = std::min(methods - made, 50 + static_cast<int>(random() % 100));
    xml += "  <methodSet>\n    <notes>" + std::string(kind.classification) + " " +
           StageTitle(stage) +
           "</notes>\n    <properties>\n      <stage>" + std::to_string(stage) + "</stage>\n      <classification" +
           kind.attribute + ">" + kind.classification + "</classification>\n      <lengthOfLead>" +
           std::to_string(lead) + "</lengthOfLead>\n      <numberOfHunts>1</numberOfHunts>\n    </properties>\n";
    for (int i = 0; i < inSet; ++i, ++made) {
      // A unique name from the method's number, read in syllables.
      std::string name;
      for (int n = made + 1; n > 0; n /= 20) name += Syllables[n % 20];
      name[0] = static_cast<char>(name[0] - 'a' + 'A');
      const std::string stageName = StageTitle(stage);
      const std::string title = name + " " + kind.classification + " " + stageName;
      methods::Changes half;
      for (int c = 0; c < lead / 2; ++c) half.push_back(RandomChange(stage, random));
      const std::string notation = Notation(half, stage) + "," + Notation({RandomChange(stage, random)}, stage);
      const std::string leadHead = stage <= methods::MaxStage ? LeadHeadOf(notation, stage) : std::string(stage, '1');
      const char* town = Towns[random() % std::size(Towns)];
      xml += "    <method id=\"m" + std::to_string(10000 + made) + "\">\n      <name>" + name + "</name>\n      <title>" +
             title + "</title>\n      <notation>" + notation + "</notation>\n      <leadHeadCode>a</leadHeadCode>\n      <leadHead>" + leadHead + "</leadHead>\n" +
             "      <performances>\n        <firstTowerbellPeal>\n          <date>19" +
             std::to_string(50 + random() % 50) + "-0" + std::to_string(1 + random() % 9) + "-1" +
             std::to_string(random() % 10) + "</date>\n          <location>\n            <town>" + town +
             "</town>\n          </location>\n" +
             "        </firstTowerbellPeal>\n      </performances>\n      <references>\n        <rwRef>19" +
             std::to_string(50 + random() % 50) + "/" + std::to_string(random() % 1300) +
             "</rwRef>\n      </references>\n    </method>\n";
    }
    xml += "  </methodSet>\n";
  }
  xml += "</collection>\n";
  return xml;
}

int MethodsWorkload(int runs) {
  constexpr int Count = 25000;
  const std::string xml = MethodsLibraryXml(Count, 22);
  const std::filesystem::path path = std::filesystem::temp_directory_path() / "tolvern-bench-methods.xml";
  std::ofstream(path, std::ios::binary) << xml;
  std::printf("methods: a methods library XML of %d methods, %.1f MB, loaded with the built-in set\n", Count,
              static_cast<double>(xml.size()) / 1e6);

  std::vector<double> load, loadCpu;
  methods::MethodLibrary library;
  methods::LoadReport report;
  for (int i = 0; i < runs; ++i) {
    library = methods::MethodLibrary();
    report = methods::LoadReport();
    const double c0 = ThreadSeconds();
    const auto t0 = Clock::now();
    methods::LoadMethods({{path.string()}, true}, library, report);
    load.push_back(Seconds(t0, Clock::now()));
    loadCpu.push_back(ThreadSeconds() - c0);
  }
  std::filesystem::remove(path);
  if (!report.errors.empty()) {
    std::fprintf(stderr, "methods: %s\n", report.errors.front().c_str());
    return 1;
  }
  Row("methods loaded", std::to_string(library.size()) + " (stages over 16 passed over)");
  Row("load seconds", Fixed(Median(load), 4) + " (median of " + std::to_string(runs) + " runs; " +
                          Fixed(Median(loadCpu), 4) + " of processor time)");
  Row("megabytes per second", Fixed(static_cast<double>(xml.size()) / Median(load) / 1e6, 0));
  Target("load <= 0.5 s", Median(load) <= 0.5);

  const char* queries[] = {"camb surp maj", "stedman trip", "grandsire 9", "bristol", "a", "bel surp", "xyzzy"};
  double worst = 0;
  for (const char* query : queries) {
    std::vector<double> times;
    size_t found = 0;
    for (int i = 0; i < 51; ++i) {
      const auto t0 = Clock::now();
      found = library.Search(query).size();
      times.push_back(Seconds(t0, Clock::now()));
    }
    worst = std::max(worst, Median(times));
    Row("search '" + std::string(query) + "'", Fixed(Median(times) * 1e3, 3) + " ms, " + std::to_string(found) + " found");
  }
  Target("search <= 5 ms (the slowest query)", worst <= 0.005);
  return 0;
}

bool VerifyMethodsWorkload(std::string& failure) {
  methods::MethodLibrary library;
  const methods::LibraryReadResult read = methods::ReadLibraryXml(MethodsLibraryXml(300, 5), "generated", library);
  if (!read.error.empty()) failure = read.error;
  else if (read.skipped != 0 && read.firstSkipped.find("stage 18") == std::string::npos) failure = read.firstSkipped;
  else if (read.added + read.skipped != 300) failure = "300 methods were not all read";
  else if (library.Search("ab").empty()) failure = "the search finds nothing";
  return failure.empty();
}

}  // namespace tolvern::bench
