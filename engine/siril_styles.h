// SIRIL text coloured by what the reader will take it to be: each line is
// read the way the engine's reader reads it, so what is coloured as a
// definition, place notation or a string is what the prover will take it to
// be. Plain C++: the window's Input page and the web page colour with it.
#pragma once

#include <cstdint>
#include <string_view>
#include <vector>

#include "rows.h"

namespace tolvern {

// Style numbers (Scintilla styles of the Input page).
enum SirilStyle : int {
  SirilDefault = 0,         // references, brackets, commas, text the reader skips after an error
  SirilComment = 1,         // "/" to the end of the line, and every line after END
  SirilString = 2,          // a double-quoted string
  SirilStringSpecial = 3,   // @ # $ _ and \ inside a string
  SirilStringEscaped = 4,   // the character after a \ (printed as itself)
  SirilStringHalt = 5,      // $$ at the end of a string: the touch stops there
  SirilMarker = 6,          // a lead-head marker, "[...]"
  SirilStageLine = 7,       // n BELLS
  SirilEnd = 8,             // END
  SirilDefinitionName = 9,  // the name before "=" at the head of a statement
  SirilPredefinedName = 10, // TRUE NOTROUND FALSE CONFLICT ROUNDS EVERYROW MUSIC
  SirilPlaceNotation = 11,  // & or + and the notation that follows
  SirilCount = 12,          // a repeat count, and its "*"
};
inline constexpr int SirilStyleCount = 13;


struct StyledRun {
  int start;   // byte offset in the line
  int length;  // bytes
  int style;   // a SirilStyle
  bool operator==(const StyledRun&) const = default;
};

// What the reader knows at the start of a line. Packed into Scintilla's line
// state, so styling can restart at any line.
struct LexState {
  bool expectStageLine = true;  // no statement read yet: the next one is the stage line
  bool endSeen = false;         // END has been read: later lines are ignored
  bool continuation = false;    // a statement ended with a comma: this line goes on with it
  bool definitionSeen = false;  // a definition has been entered (END first is "Nothing happens!")

  int Pack() const;
  static LexState Unpack(int packed);
  bool operator==(const LexState&) const = default;
};

// Styles one line (bytes, UTF-8; its line end may be included) and moves
// `state` on to the next line. The runs cover the whole line, in order, and
// never split a multi-byte character. `maxBells` is the largest stage the
// stage line may give.
std::vector<StyledRun> StyleSirilLine(std::string_view line, LexState& state, int maxBells = MaxStage);
// The same, one style a byte into `styles` (room for the line's bytes).
void StyleLineInto(std::string_view line, LexState& state, int maxBells, uint8_t* styles);
// The same, appending to `runs`, so that one vector serves many lines.
void StyleSirilLine(std::string_view line, LexState& state, int maxBells, std::vector<StyledRun>& runs);

}  // namespace tolvern
