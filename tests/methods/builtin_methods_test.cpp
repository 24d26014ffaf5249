// Every built-in method's plain course, proved through the engine from the
// definition line `tolvern methods --siril` prints: true, round at the end and
// not before, its lead length and number of leads, its lead head, and the
// hunt its class implies.
#include <gtest/gtest.h>

#include <algorithm>
#include <map>

#include "builtin_methods.h"
#include "helpers.h"
#include "notation.h"

namespace tolvern::methods {
namespace {

enum class Hunt { Plain, Little, TrebleBob, None };

struct Course {
  const char* title;
  int leadLength;
  int leads;
  const char* leadHead;
  Hunt hunt;
  int hunts;  // bells that come home at every lead head
};

// Lead heads known from outside: Plain Bob's (13527486 on eight), the "b"
// lead head of Cambridge and of Yorkshire, Lincolnshire, Superlative and
// Pudsey, which share it; Kent and Oxford Minor's 142635, Bristol Major's
// 14263857, Grandsire's 12534 and 1253746. The rest are those the proof
// gave, each a plain course of its lead head (checked below).
const Course Courses[] = {
    {"Plain Bob Doubles", 10, 4, "13524", Hunt::Plain, 1},
    {"Plain Bob Minor", 12, 5, "135264", Hunt::Plain, 1},
    {"Plain Bob Triples", 14, 6, "1352746", Hunt::Plain, 1},
    {"Plain Bob Major", 16, 7, "13527486", Hunt::Plain, 1},
    {"Plain Bob Caters", 18, 8, "135274968", Hunt::Plain, 1},
    {"Plain Bob Royal", 20, 9, "1352749608", Hunt::Plain, 1},
    {"Plain Bob Cinques", 22, 10, "13527496E80", Hunt::Plain, 1},
    {"Plain Bob Maximus", 24, 11, "13527496E8T0", Hunt::Plain, 1},
    {"Little Bob Minor", 8, 5, "164523", Hunt::Little, 1},
    {"Little Bob Major", 8, 7, "16482735", Hunt::Little, 1},
    {"Little Bob Royal", 8, 9, "1648203957", Hunt::Little, 1},
    {"Little Bob Maximus", 8, 11, "1648203T5E79", Hunt::Little, 1},
    {"Grandsire Doubles", 10, 3, "12534", Hunt::Plain, 2},
    {"Grandsire Triples", 14, 5, "1253746", Hunt::Plain, 2},
    {"Grandsire Caters", 18, 7, "125374968", Hunt::Plain, 2},
    {"Grandsire Cinques", 22, 9, "12537496E80", Hunt::Plain, 2},
    {"Stedman Doubles", 12, 5, "53412", Hunt::None, 0},
    {"Stedman Triples", 12, 7, "6347251", Hunt::None, 0},
    {"Stedman Caters", 12, 9, "634829175", Hunt::None, 0},
    {"Stedman Cinques", 12, 11, "6348201E597", Hunt::None, 0},
    {"Kent Treble Bob Minor", 24, 5, "142635", Hunt::TrebleBob, 1},
    {"Kent Treble Bob Major", 32, 7, "14263857", Hunt::TrebleBob, 1},
    {"Oxford Treble Bob Minor", 24, 5, "142635", Hunt::TrebleBob, 1},
    {"Oxford Treble Bob Major", 32, 7, "14263857", Hunt::TrebleBob, 1},
    {"Double Norwich Court Bob Major", 16, 7, "18674523", Hunt::Plain, 1},
    {"Cambridge Surprise Minor", 24, 5, "156342", Hunt::TrebleBob, 1},
    {"Cambridge Surprise Major", 32, 7, "15738264", Hunt::TrebleBob, 1},
    {"Cambridge Surprise Royal", 40, 9, "1573920486", Hunt::TrebleBob, 1},
    {"Cambridge Surprise Maximus", 48, 11, "157392E4T608", Hunt::TrebleBob, 1},
    {"Yorkshire Surprise Major", 32, 7, "15738264", Hunt::TrebleBob, 1},
    {"Yorkshire Surprise Royal", 40, 9, "1573920486", Hunt::TrebleBob, 1},
    {"Lincolnshire Surprise Major", 32, 7, "15738264", Hunt::TrebleBob, 1},
    {"Superlative Surprise Major", 32, 7, "15738264", Hunt::TrebleBob, 1},
    {"Rutland Surprise Major", 32, 7, "14263857", Hunt::TrebleBob, 1},
    {"London Surprise Major", 32, 7, "14263857", Hunt::TrebleBob, 1},
    {"Pudsey Surprise Major", 32, 7, "15738264", Hunt::TrebleBob, 1},
    {"Bristol Surprise Major", 32, 7, "14263857", Hunt::TrebleBob, 1},
    {"Bristol Surprise Royal", 40, 9, "1352749608", Hunt::TrebleBob, 1},
    {"Bristol Surprise Maximus", 48, 11, "1795E3T20486", Hunt::TrebleBob, 1},
};

// The treble's place in each row of a lead, from the lead head on.
std::vector<int> TreblePath(Hunt hunt, int stage, int leadLength) {
  std::vector<int> path;
  if (hunt == Hunt::TrebleBob)
    for (int pair = 1; 2 * pair <= stage; ++pair) path.insert(path.end(), {2 * pair - 1, 2 * pair, 2 * pair - 1, 2 * pair});
  else
    for (int place = 1; place <= (hunt == Hunt::Little ? 4 : stage); ++place) path.push_back(place);
  const std::vector<int> out(path);
  path.insert(path.end(), out.rbegin(), out.rend());
  if (static_cast<int>(path.size()) != leadLength) path.clear();
  return path;
}

TEST(BuiltinMethods, EveryPlainCourseIsTrueWithItsLeadsAndLeadHead) {
  std::map<std::string, const Course*> courses;
  for (const Course& course : Courses) courses[course.title] = &course;
  MethodLibrary library;
  AddBuiltinMethods(library);
  ASSERT_EQ(library.size(), std::size(Courses));
  for (const Method& method : library.methods()) {
    SCOPED_TRACE(method.title);
    ASSERT_EQ(courses.count(method.title), 1u);
    const Course& course = *courses[method.title];
    const int stage = method.stage;
    const std::string text = std::to_string(stage) + " BELLS\nCourse = " + std::to_string(course.leads) + " " +
                             method.name + "\n" + method.name + " = " + method.siril + "\nEVERYROW = \"@\"\n";
    RunOptions options;
    options.ShowMusic = options.ShowWorkDone = false;
    const testing::Pages pages = testing::ProveText(text, options);
    ASSERT_EQ(pages.result.errors, 0) << text;
    EXPECT_TRUE(pages.warnings.empty());
    EXPECT_EQ(pages.result.outcome, ProofOutcome::RoundsFound);
    EXPECT_EQ(pages.result.duplicates, 0);
    const int length = course.leadLength * course.leads;
    ASSERT_EQ(pages.result.changes, length);
    EXPECT_EQ(method.leadLength, course.leadLength);

    std::vector<std::string> rows{Rounds(stage)};
    for (const std::string& line : pages.proof)
      if (line.size() == static_cast<size_t>(stage) && line.find(' ') == std::string::npos) rows.push_back(line);
    ASSERT_EQ(rows.size(), static_cast<size_t>(length + 1));
    EXPECT_EQ(std::find(rows.begin() + 1, rows.end(), Rounds(stage)) - rows.begin(), length) << "rounds before the end";
    EXPECT_EQ(rows[static_cast<size_t>(course.leadLength)], course.leadHead);
    EXPECT_EQ(method.leadHead, course.leadHead);

    // The hunt bells are home at every lead head and the others ring every
    // place bell's work in turn: one cycle through all of them.
    const std::string& head = method.leadHead;
    for (int bell = 0; bell < course.hunts; ++bell) EXPECT_EQ(head[static_cast<size_t>(bell)], Rounds(stage)[static_cast<size_t>(bell)]);
    int cycle = 1;
    for (size_t at = static_cast<size_t>(course.hunts); Rounds(stage).find(head[at]) != static_cast<size_t>(course.hunts); ++cycle)
      at = Rounds(stage).find(head[at]);
    EXPECT_EQ(cycle, stage - course.hunts);
    EXPECT_EQ(course.leads, stage - course.hunts);

    if (course.hunt != Hunt::None) {
      const std::vector<int> path = TreblePath(course.hunt, stage, course.leadLength);
      ASSERT_EQ(path.size(), static_cast<size_t>(course.leadLength));
      for (int row = 0; row < course.leadLength; ++row)
        EXPECT_EQ(static_cast<int>(rows[static_cast<size_t>(row)].find('1')) + 1, path[static_cast<size_t>(row)]) << "row " << row;
    }
  }
}

}  // namespace
}  // namespace tolvern::methods
