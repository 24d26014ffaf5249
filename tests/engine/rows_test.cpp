#include <gtest/gtest.h>

#include "rows.h"

namespace tolvern {
namespace {

TRow RowOf(std::string_view text) {
  TRow row = RoundsRow();
  for (size_t p = 0; p < text.size(); ++p) row.bell[p] = static_cast<uint8_t>(PlaceOfSymbol(text[p]) - 1);
  return row;
}

struct MaskCase {
  int stage;
  uint32_t mask;
  const char* after;
};

TEST(Rows, ChangesFromRoundsGiveTheRowsOfTheTable) {
  const MaskCase cases[] = {
      {6, 9, "132546"}, {6, 3, "124365"}, {8, 0, "21436587"}, {8, 17, "13254768"},
      {5, 2, "21354"},  {5, 11, "12435"}, {12, 65, "132547698E0T"},
  };
  for (const MaskCase& c : cases) {
    EXPECT_EQ(RowText(ApplyChange(RoundsRow(), c.mask, c.stage), c.stage), c.after) << "mask " << c.mask;
    const TRow shuffled = Permute(RoundsRow(), PermutationOfMask(c.mask, c.stage));
    EXPECT_EQ(RowText(shuffled, c.stage), c.after) << "permutation of mask " << c.mask;
  }
}

TEST(Rows, PlainLeadOfMinorFromRounds) {
  const uint32_t masks[] = {0, 9, 0, 9, 0, 9, 0, 9, 0, 9, 0, 3};
  const char* expected[] = {"214365", "241635", "426153", "462513", "645231", "654321",
                            "563412", "536142", "351624", "315264", "132546", "135264"};
  TRow row = RoundsRow();
  TRow fast = RoundsRow();
  for (int i = 0; i < 12; ++i) {
    row = ApplyChange(row, masks[i], 6);
    fast = Permute(fast, PermutationOfMask(masks[i], 6));
    EXPECT_EQ(RowText(row, 6), expected[i]);
    EXPECT_EQ(fast, row);
  }
}

TEST(Rows, RowTextAndSymbols) {
  EXPECT_EQ(RowText(RoundsRow(), 4), "1234");
  EXPECT_EQ(RowText(RoundsRow(), 10), "1234567890");
  EXPECT_EQ(RowText(RoundsRow(), 16), "1234567890ETabcd");
  EXPECT_EQ(BellSymbol(10), '0');
  EXPECT_EQ(BellSymbol(11), 'E');
  EXPECT_EQ(BellSymbol(16), 'd');
  EXPECT_EQ(BellSymbol(0), '\0');
  EXPECT_EQ(BellSymbol(17), '\0');
  EXPECT_EQ(PlaceOfSymbol('T'), 12);
  EXPECT_EQ(PlaceOfSymbol('t'), 0);  // symbols are case-exact
  EXPECT_EQ(PlaceOfSymbol('x'), 0);
}

TEST(Rows, CrossOnOddStageLeavesTheLastBell) {
  EXPECT_EQ(RowText(ApplyChange(RoundsRow(), 0, 5), 5), "21435");
}

TEST(Rows, SixteenBellsMoveTheTopSymbols) {
  const TRow row = ApplyChange(RoundsRow(), 0, 16);
  EXPECT_EQ(RowText(row, 16), "2143658709TEbadc");
}

TEST(Rows, PositionsAboveTheStageNeverMove) {
  for (uint32_t mask = 0; mask < 256; ++mask) {
    const TRow row = Permute(RoundsRow(), PermutationOfMask(mask, 8));
    for (int p = 8; p < 16; ++p) EXPECT_EQ(row.bell[p], p);
  }
}

TEST(Rows, PlaceBitsBeyondTheLastStepAreIgnored) {
  // On six bells "16" uses four steps; bits 4 and up are never read.
  EXPECT_EQ(ApplyChange(RoundsRow(), 9 | 0xFFF0, 6), ApplyChange(RoundsRow(), 9, 6));
  EXPECT_EQ(PermutationOfMask(9 | 0xFFF0, 6).source, PermutationOfMask(9, 6).source);
}

TEST(Rows, PackingKeepsEveryPosition) {
  EXPECT_EQ(PackRow(RoundsRow()), PackedRounds);
  const TRow row = RowOf("2143658709TEbadc");
  uint64_t expected = 0;
  for (int p = 15; p >= 0; --p) expected = (expected << 4) | row.bell[p];
  EXPECT_EQ(PackRow(row), expected);
}

TEST(Rows, PatternRowPadsWithSpaces) {
  const PatternRow pattern = RowFromText("----5678xyz", 8);
  EXPECT_EQ(std::string(pattern.data(), 16), "----5678        ");
}

}  // namespace
}  // namespace tolvern
