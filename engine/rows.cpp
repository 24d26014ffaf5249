#include "rows.h"

#include <array>
#include <cstring>

namespace tolvern {

TRow RoundsRow() {
  TRow row;
  for (uint8_t p = 0; p < 16; ++p) row.bell[p] = p;
  return row;
}

void AppendRowText(std::string& out, const TRow& row, int stage) {
  const int n = stage < 0 ? 0 : (stage > MaxStage ? MaxStage : stage);
  for (int p = 0; p < n; ++p) out.push_back(BellSymbols[row.bell[p] & 15]);
}

std::string RowText(const TRow& row, int stage) {
  std::string text;
  AppendRowText(text, row, stage);
  return text;
}

PatternRow RowFromText(std::string_view text, int stage) {
  PatternRow pattern;
  pattern.fill(' ');
  for (int p = 0; p < stage && p < MaxStage && static_cast<size_t>(p) < text.size(); ++p)
    pattern[p] = text[p];
  return pattern;
}

TRow ApplyChange(const TRow& current, uint32_t places, int stage) {
  TRow next = current;
  int p = 1;
  uint32_t m = places;
  const int last = stage > MaxStage ? MaxStage : stage;
  while (p < last) {
    if (m & 1u) {
      p += 1;
    } else {
      next.bell[p - 1] = current.bell[p];
      next.bell[p] = current.bell[p - 1];
      p += 2;
    }
    m >>= 1;
  }
  return next;
}

ChangePermutation PermutationOfMask(uint32_t places, int stage) {
  // Ringing the mask on the identity row gives, position by position, where
  // each bell comes from.
  TRow identity = RoundsRow();
  ChangePermutation change;
  change.source = ApplyChange(identity, places, stage).bell;
  return change;
}

}  // namespace tolvern
