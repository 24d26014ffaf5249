// The methods library's comma style turned into SIRIL: each form the library
// uses, proved through the engine against the lead written out in full.
#include <gtest/gtest.h>

#include "helpers.h"
#include "notation.h"

namespace tolvern::methods {
namespace {

// The rows the engine rings for a definition body, a row rung again included.
std::vector<std::string> RowsRung(int stage, const std::string& body) {
  const std::string text =
      std::to_string(stage) + " BELLS\nT = M\nM = " + body + "\nEVERYROW = \"@\"\nCONFLICT =\n";
  RunOptions options;
  options.ShowMusic = options.ShowWorkDone = false;
  const testing::Pages pages = testing::ProveText(text, options);
  EXPECT_EQ(pages.result.errors, 0) << body;
  EXPECT_TRUE(pages.warnings.empty()) << body << ": " << pages.warnings.front();
  std::vector<std::string> rows;
  for (const std::string& line : pages.proof)
    if (line.size() == static_cast<size_t>(stage) && line.find(' ') == std::string::npos) rows.push_back(line);
  return rows;
}

struct Form {
  const char* what;
  int stage;
  const char* library;  // as the methods library writes it
  const char* siril;    // as it is to be written in SIRIL
  const char* written;  // the lead written out by hand, change by change
};

const Form Forms[] = {
    {"two sections, x", 8, "x38x14x1258x36x14x58x16x78,12", "&-38-14-1258-36-14-58-16-78, +12",
     "+-38-14-1258-36-14-58-16-78-16-58-14-36-1258-14-38-12"},
    {"two sections, - and the places at the ends left out", 8, "-3-4-25-36-4-5-6-7,2",
     "&-38-14-1258-36-14-58-16-78, +12", "+-38-14-1258-36-14-58-16-78-16-58-14-36-1258-14-38-12"},
    {"one section, rung as written", 6, "x16x16x16x16x16x12", "+-16-16-16-16-16-12", "+-16-16-16-16-16-12"},
    {"odd stage", 5, "5.1.5.1.5,125", "&5.1.5.1.5, +125", "+5.1.5.1.5.1.5.1.5.125"},
    {"Grandsire: a first section of one change", 5, "3,1.5.1.5.1", "+3, &1.5.1.5.1", "+3.1.5.1.5.1.5.1.5.1"},
    {"Stedman: a second section of one change", 7, "3.1.7.3.1.3,1", "&3.1.7.3.1.3, +1",
     "+3.1.7.3.1.3.1.3.7.1.3.1"},
    {"a section turning on a cross, which & would ring twice", 4, "x14x,12", "+-14-14-, +12", "+-14-14-12"},
    {"dots beside crosses, blanks and lower case", 12, "x1t . x1T,12", "&-1T-1T, +12", "+-1T-1T-1T-12"},
};

TEST(LibraryNotation, EachFormRingsTheLeadItMeans) {
  for (const Form& form : Forms) {
    SCOPED_TRACE(form.what);
    const Notation notation = FromLibraryNotation(form.library, form.stage);
    ASSERT_EQ(notation.error, "");
    EXPECT_EQ(notation.siril, form.siril);
    const std::vector<std::string> written = RowsRung(form.stage, form.written);
    EXPECT_EQ(RowsRung(form.stage, notation.siril), written);
    // The changes kept with the method are the same lead.
    ASSERT_EQ(notation.changes.size(), written.size());
    EXPECT_EQ(RowAfter(notation.changes, form.stage), written.back());
    // And read back as SIRIL they are the same changes.
    EXPECT_EQ(FromSirilNotation(notation.siril, form.stage).changes, notation.changes);
  }
}

TEST(LibraryNotation, ImpossibleNotationIsRefused) {
  const struct {
    int stage;
    const char* library;
    const char* error;
  } Bad[] = {
      {5, "x1x,125", "a cross on an odd stage"},
      {6, "x13x16,12", "impossible change '13' on 6 bells"},
      {6, "x17,12", "impossible change '17' on 6 bells"},
      {6, "x61,12", "impossible change '61' on 6 bells"},
      {6, "x16,,12", "an empty section of notation"},
      {6, "x1q,12", "'q' is no bell symbol"},
      {17, "x1,12", "stage 17 is outside 4 to 16"},
      {3, "3.1,1", "stage 3 is outside 4 to 16"},
  };
  for (const auto& bad : Bad) EXPECT_EQ(FromLibraryNotation(bad.library, bad.stage).error, bad.error) << bad.library;
}

TEST(SirilNotation, ReadAsTheProverReadsIt) {
  // A last cross in an & element is rung twice; a final dot ends the pivot.
  const struct {
    int stage;
    const char* body;
  } Bodies[] = {{6, "&-16-16-16, +12"}, {6, "&-16-"}, {6, "&-16.-16."}, {8, "&-38-14, +12, &-18"}, {7, "+3.1.7, &1.7.1"}};
  for (const auto& body : Bodies) {
    const Notation notation = FromSirilNotation(body.body, body.stage);
    ASSERT_EQ(notation.error, "") << body.body;
    EXPECT_EQ(RowAfter(notation.changes, body.stage), RowsRung(body.stage, body.body).back()) << body.body;
    EXPECT_EQ(notation.changes.size(), RowsRung(body.stage, body.body).size()) << body.body;
  }
  EXPECT_NE(FromSirilNotation("Lead, +12", 6).error, "");
  EXPECT_NE(FromSirilNotation("&x1..6", 6).error, "");
}

}  // namespace
}  // namespace tolvern::methods
