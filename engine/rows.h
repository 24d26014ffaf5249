// Bells, rows and changes.
//
// A row holds, for each of the 16 positions, the index (0 to 15) of the bell
// that rings there; the bell's symbol is BellSymbols[index]. Positions above
// the stage keep their rounds bells, so rows compare over all 16 bytes. The
// index form lets a row pack into 64 bits (4 bits a bell) for hashing and for
// music masks.
#pragma once

#include <array>
#include <cstdint>
#include <cstring>
#include <string>
#include <string_view>

#if defined(__wasm_simd128__)
#include <wasm_simd128.h>
#endif
#if defined(__SSSE3__)
#include <tmmintrin.h>
#endif
#if defined(__SSE2__)
#include <emmintrin.h>
#endif

namespace tolvern {

inline constexpr std::string_view BellSymbols = "1234567890ETabcd";
inline constexpr int MaxStage = 16;

namespace detail {
constexpr std::array<uint8_t, 256> PlaceTable() {
  std::array<uint8_t, 256> table{};
  for (size_t i = 0; i < BellSymbols.size(); ++i) table[static_cast<uint8_t>(BellSymbols[i])] = static_cast<uint8_t>(i + 1);
  return table;
}
inline constexpr std::array<uint8_t, 256> PlaceOfByte = PlaceTable();
}  // namespace detail

// 1-based place of a bell symbol, 0 for a character that is no bell.
inline int PlaceOfSymbol(char c) { return detail::PlaceOfByte[static_cast<uint8_t>(c)]; }
// Symbol of bell k (1-based); '\0' when k is outside 1..16.
inline char BellSymbol(long long k) {
  return (k >= 1 && k <= 16) ? BellSymbols[static_cast<size_t>(k - 1)] : '\0';
}

struct alignas(16) TRow {
  std::array<uint8_t, 16> bell;
  friend bool operator==(const TRow&, const TRow&) = default;
};
static_assert(sizeof(TRow) == 16);

TRow RoundsRow();

// The row text: the first `stage` symbols.
std::string RowText(const TRow& row, int stage);
void AppendRowText(std::string& out, const TRow& row, int stage);

// A row built from text, for the music patterns: the first `stage` characters
// of `text` (which must hold that many), spaces in the remaining positions.
using PatternRow = std::array<char, 16>;
PatternRow RowFromText(std::string_view text, int stage);

// The reference algorithm on a step mask: place bits and crossed pairs.
TRow ApplyChange(const TRow& current, uint32_t places, int stage);

// A change made once into a permutation: the new row's position p takes the
// bell from position source[p] of the old row.
struct alignas(16) ChangePermutation {
  std::array<uint8_t, 16> source;
};
ChangePermutation PermutationOfMask(uint32_t places, int stage);
namespace detail {
// Byte i is 1 where bit i of the index is set.
constexpr std::array<uint64_t, 256> BitBytesTable() {
  std::array<uint64_t, 256> table{};
  for (size_t b = 0; b < 256; ++b)
    for (size_t i = 0; i < 8; ++i)
      if (b >> i & 1) table[b] |= uint64_t{1} << (8 * i);
  return table;
}
inline constexpr std::array<uint64_t, 256> BitBytes = BitBytesTable();
}  // namespace detail

// The same from the places themselves (bit p - 1 for a place at p), for a
// change whose places rise, odd and even in turn, and leave an even number of
// positions above the last: the crossed positions then pair off in order.
// Inline: a text of many changes makes one for each.
inline ChangePermutation PermutationOfPlaces(uint32_t placeBits, int stage) {
  const uint32_t positions = stage >= 16 ? 0xFFFFu : (1u << stage) - 1;
  const uint32_t crossed = ~placeBits & positions;
  // Between places the crossed positions pair off from the one after a place.
  // Places alternate odd and even, so a pair starts at an even position (from
  // 0) while an even number of places lie below it, at an odd one otherwise.
  uint32_t parity = placeBits;  // bit p: places at or below p, odd or even
  parity ^= parity << 1;
  parity ^= parity << 2;
  parity ^= parity << 4;
  parity ^= parity << 8;
  const uint32_t below = parity << 1;
  const uint32_t first = crossed & ~(0xAAAAu ^ below) & 0xFFFFu;  // the first of each pair
  // source[p] = p + first[p] - first[p - 1], eight bytes at a time: no byte
  // carries into the next, and the pair straddling the halves is carried
  // across by hand.
  const uint64_t low = detail::BitBytes[first & 0xFF], high = detail::BitBytes[first >> 8];
  const uint64_t sourceLow = 0x0706050403020100ULL + low - (low << 8);
  const uint64_t sourceHigh = 0x0F0E0D0C0B0A0908ULL + high - (high << 8 | low >> 56);
  ChangePermutation change;
  std::memcpy(change.source.data(), &sourceLow, 8);
  std::memcpy(change.source.data() + 8, &sourceHigh, 8);
  return change;
}

// Inline, with PackRow, so that a change rung keeps the row in a register
// instead of passing it through memory between calls.
inline TRow Permute(const TRow& row, const ChangePermutation& change) {
  TRow next;
#if defined(__wasm_simd128__)
  // The swizzle itself: every index is below 16, so the masking that an
  // SSSE3 shuffle compiled to WebAssembly adds would only cost.
  const v128_t bells = wasm_v128_load(row.bell.data());
  wasm_v128_store(next.bell.data(), wasm_i8x16_swizzle(bells, wasm_v128_load(change.source.data())));
#elif defined(__SSSE3__)
  const __m128i bells = _mm_load_si128(reinterpret_cast<const __m128i*>(row.bell.data()));
  const __m128i order = _mm_load_si128(reinterpret_cast<const __m128i*>(change.source.data()));
  _mm_store_si128(reinterpret_cast<__m128i*>(next.bell.data()), _mm_shuffle_epi8(bells, order));
#else
  for (int p = 0; p < 16; ++p) next.bell[p] = row.bell[change.source[p]];
#endif
  return next;
}

// 4 bits a position, position 1 in the lowest nibble.
inline uint64_t PackRow(const TRow& row) {
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

inline constexpr uint64_t PackedRounds = 0xFEDCBA9876543210ULL;

}  // namespace tolvern
