#include "rows.h"

#include <cstring>

#if defined(__SSSE3__)
#include <tmmintrin.h>
#endif
#if defined(__SSE2__)
#include <emmintrin.h>
#endif

namespace tolvern {

int PlaceOfSymbol(char c) {
  const auto at = BellSymbols.find(c);
  return at == std::string_view::npos ? 0 : static_cast<int>(at) + 1;
}

char BellSymbol(long long k) {
  return (k >= 1 && k <= MaxStage) ? BellSymbols[static_cast<size_t>(k - 1)] : '\0';
}

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

TRow Permute(const TRow& row, const ChangePermutation& change) {
  TRow next;
#if defined(__SSSE3__)
  const __m128i bells = _mm_load_si128(reinterpret_cast<const __m128i*>(row.bell.data()));
  const __m128i order = _mm_load_si128(reinterpret_cast<const __m128i*>(change.source.data()));
  _mm_store_si128(reinterpret_cast<__m128i*>(next.bell.data()), _mm_shuffle_epi8(bells, order));
#else
  for (int p = 0; p < 16; ++p) next.bell[p] = row.bell[change.source[p]];
#endif
  return next;
}

uint64_t PackRow(const TRow& row) {
#if defined(__SSE2__)
  // Each 16-bit lane holds bells b0 | b1 << 8; fold to b0 | b1 << 4 and pack.
  const __m128i v = _mm_load_si128(reinterpret_cast<const __m128i*>(row.bell.data()));
  const __m128i folded = _mm_and_si128(_mm_or_si128(v, _mm_srli_epi16(v, 4)), _mm_set1_epi16(0x00FF));
  const __m128i packed = _mm_packus_epi16(folded, folded);
  uint64_t out;
  std::memcpy(&out, &packed, sizeof out);
  return out;
#else
  uint64_t out = 0;
  for (int p = 15; p >= 0; --p) out = (out << 4) | (row.bell[p] & 15u);
  return out;
#endif
}

}  // namespace tolvern
