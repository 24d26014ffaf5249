// The search: words as prefixes in any order, stage by number or name, best first.
#include <gtest/gtest.h>

#include "method_library.h"

namespace tolvern::methods {
namespace {

Method Titled(const char* title, int stage, const char* name = nullptr) {
  Method method;
  method.title = title;
  method.name = name ? name : SirilNameOf(title);
  method.stage = stage;
  return method;
}

MethodLibrary Library() {
  MethodLibrary library;
  const std::pair<const char*, int> titles[] = {
      {"Cambridge Surprise Royal", 10},      {"Cambridge Blue Surprise Major", 8},
      {"Cambridge Surprise Minor", 6},       {"Cambridge Surprise Maximus", 12},
      {"Cambridge Surprise Major", 8},       {"Grandsire Triples", 7},
      {"Grandsire Caters", 9},               {"Stedman Triples", 7},
      {"St Clement's College Bob Major", 8}, {"Bristol", 8},  // from a SIRIL library: no stage in its title
  };
  for (const auto& [title, stage] : titles) EXPECT_TRUE(library.Add(Titled(title, stage)));
  return library;
}

TEST(MethodSearch, BestMatchesFirst) {
  const MethodLibrary library = Library();
  const struct {
    const char* query;
    int stage;
    std::vector<std::string> titles;
  } Searches[] = {
      {"camb surp maj", 0, {"Cambridge Surprise Major", "Cambridge Blue Surprise Major"}},
      {"MAJ surp CAMB", 0, {"Cambridge Surprise Major", "Cambridge Blue Surprise Major"}},
      // Fewer extra words first, then the most rung stages.
      {"cambridge", 0,
       {"Cambridge Surprise Major", "Cambridge Surprise Minor", "Cambridge Surprise Royal",
        "Cambridge Surprise Maximus", "Cambridge Blue Surprise Major"}},
      // The exact title before all others.
      {"cambridge blue surprise major", 0, {"Cambridge Blue Surprise Major"}},
      {"cambridge", 6, {"Cambridge Surprise Minor"}},
      {"grandsire 9", 0, {"Grandsire Caters"}},
      {"grandsire cat", 0, {"Grandsire Caters"}},
      {"stedman trip", 0, {"Stedman Triples"}},
      {"trip", 0, {"Grandsire Triples", "Stedman Triples"}},
      {"clement s", 0, {"St Clement's College Bob Major"}},
      {"bristol major", 0, {"Bristol"}},
      {"bristol 8", 0, {"Bristol"}},
      {"york", 0, {}},
      {"cambridge surprise", 7, {}},
      {"", 0, {}},
  };
  for (const auto& search : Searches) {
    std::vector<std::string> found;
    for (const Method* method : library.Search(search.query, search.stage)) found.push_back(method->title);
    EXPECT_EQ(found, search.titles) << "'" << search.query << "' stage " << search.stage;
  }
}

TEST(MethodSearch, FirstSourceOfATitleWins) {
  MethodLibrary library = Library();
  EXPECT_FALSE(library.Add(Titled("CAMBRIDGE surprise major", 8, "X")));
  EXPECT_TRUE(library.Add(Titled("Cambridge Surprise Major", 16, "X")));
  EXPECT_EQ(library.Search("cambridge surprise major").front()->name, "CambridgeSurpriseMajor");
}

TEST(MethodSearch, NamesTheReaderAccepts) {
  EXPECT_EQ(SirilNameOf("Cambridge Surprise Major"), "CambridgeSurpriseMajor");
  EXPECT_EQ(SirilNameOf("St Clement's College Bob Major"), "StClementsCollegeBobMajor");
  EXPECT_EQ(SirilNameOf("1984 Surprise Major"), "M1984SurpriseMajor");
  EXPECT_EQ(SirilNameOf("Z\xc3\xbcrich Surprise Major"), "ZrichSurpriseMajor");
}

}  // namespace
}  // namespace tolvern::methods
