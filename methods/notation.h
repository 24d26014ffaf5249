// Place notation as the methods library writes it, and as SIRIL writes it.
//
// A change is held as its set of places: bit p - 1 for a place at p, 0 for a
// cross. The library's comma style writes each comma-separated section that
// is a palindrome only to its middle change (`x38x14x1258x36x14x58x16x78,12`);
// SIRIL writes the same as `&-38-14-1258-36-14-58-16-78, +12`, where `&` rings
// the changes out and back about the last one and `+` rings them as written.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

namespace tolvern::methods {

// The stages a SIRIL text can ring (its `n BELLS` line): a method of any
// other stage could be found but never proved.
inline constexpr int MinStage = 4;
inline constexpr int MaxStage = 16;

using Changes = std::vector<uint32_t>;

// The place of a bell symbol (1 to 22, either letter case: 0 is the tenth,
// E, T, A, B, C, D, F, G, H, J, K, L the eleventh to twenty-second), or 0.
int PlaceOfSymbol(char symbol);

// The symbol SIRIL writes for a place (1 to 16): "1234567890ETabcd".
char SirilSymbol(int place);

// Reads the places of one change on `stage` bells, given in rising order,
// and adds the places left out at either end (`4` on eight bells is `14`,
// `3` is `38`). False for an empty, falling or impossible set (`13`).
bool ParseChange(std::string_view symbols, int stage, uint32_t& places);

// The places of a change as SIRIL writes them: `-` for a cross.
std::string ChangeText(uint32_t places, int stage);

// A notation turned into changes and into SIRIL text; `error` says why not.
struct Notation {
  Changes changes;     // one whole lead, as rung
  std::string siril;   // definition body: `&...` and `+...` elements, ", " between
  std::string error;
};

// The comma style of the methods library: every section is a palindrome
// when there is a comma, and a notation without one is rung as written.
// `x` and `-` are crosses, `.` separates changes; blanks are ignored.
Notation FromLibraryNotation(std::string_view text, int stage);

// The body of a SIRIL definition made only of place notation elements
// (`&x16x16x16, +12`), read as the prover reads it: in an `&` element every
// change but the last segment is rung again backwards, and a final cross is
// rung twice. Changes the prover would correct (with a warning) are refused.
Notation FromSirilNotation(std::string_view body, int stage);

// Rounds after `changes`, in SIRIL's bell symbols.
std::string RowAfter(const Changes& changes, int stage);

// Rounds on `stage` bells.
std::string Rounds(int stage);

}  // namespace tolvern::methods
