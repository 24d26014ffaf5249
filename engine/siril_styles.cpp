#include "siril_styles.h"

#include <algorithm>
#include <array>
#include <cstdint>
#include <limits>
#include <string>

#include "parser.h"

namespace tolvern {

namespace {
constexpr int StageBit = 1;
constexpr int EndBit = 2;
constexpr int ContinuationBit = 4;
// Stored inverted: the usual state of a line in the body of a composition
// then packs to 0, the state of a line nobody has styled yet, so opening a
// file changes (and announces) few line states.
constexpr int NoDefinitionBit = 8;
}  // namespace

int LexState::Pack() const {
  return (expectStageLine ? StageBit : 0) | (endSeen ? EndBit : 0) | (continuation ? ContinuationBit : 0) |
         (definitionSeen ? 0 : NoDefinitionBit);
}

LexState LexState::Unpack(int packed) {
  LexState state;
  state.expectStageLine = (packed & StageBit) != 0;
  state.endSeen = (packed & EndBit) != 0;
  state.continuation = (packed & ContinuationBit) != 0;
  state.definitionSeen = (packed & NoDefinitionBit) == 0;
  return state;
}

namespace {

constexpr size_t npos = std::string_view::npos;

bool IsPredefinedName(std::string_view name) {
  static constexpr std::array<std::string_view, 7> names = {"TRUE",     "NOTROUND", "FALSE", "CONFLICT",
                                                            "ROUNDS",   "EVERYROW", "MUSIC"};
  return std::find(names.begin(), names.end(), name) != names.end();
}

char UpperAscii(char c) { return c >= 'a' && c <= 'z' ? static_cast<char>(c - 'a' + 'A') : c; }

// The reader's character classes, looked up by byte: one table read instead
// of a call per character.
class CharClasses {
 public:
  enum : uint8_t { Blank = 1, Digit = 2, NameStart = 4, NameCharacter = 8, Notation = 16 };
  CharClasses() {
    for (int byte = 0; byte < 256; ++byte) {
      const char c = static_cast<char>(byte);
      bits_[static_cast<size_t>(byte)] =
          static_cast<uint8_t>((IsBlank(c) ? Blank : 0) | (IsDigit(c) ? Digit : 0) | (IsNameStart(c) ? NameStart : 0) |
                               (IsNameCharacter(c) ? NameCharacter : 0) | (IsPlaceNotationCharacter(c) ? Notation : 0));
    }
  }
  bool Is(char c, uint8_t kind) const { return (bits_[static_cast<unsigned char>(c)] & kind) != 0; }

 private:
  std::array<uint8_t, 256> bits_{};
};
const CharClasses Classes;

bool Blank(char c) { return Classes.Is(c, CharClasses::Blank); }
bool Digit(char c) { return Classes.Is(c, CharClasses::Digit); }

// A text the reader reads: the line itself, or the text of a bracket group,
// which the reader parses again as a line of its own with the blanks outside
// strings taken out.
struct Cursor {
  std::string_view text;
  const int* origin = nullptr;  // the byte of the line each character came from; null: the same byte
  size_t pos = 0;

  bool AtEnd() const { return pos >= text.size(); }
  char Here() const { return text[pos]; }
  void SkipBlanks() {
    while (!AtEnd() && Blank(text[pos])) ++pos;
  }
  int Origin(size_t at) const { return origin ? origin[at] : static_cast<int>(at); }
};

// What one element read gave. Strings, notation and groups are styled as
// they are read; a name's style depends on where it stands.
struct Element {
  bool empty = true;
  bool isName = false;
  size_t nameFrom = 0, nameTo = 0;
  size_t countFrom = npos, countTo = npos;
  int64_t count = 0;

  // The name upper case with its blanks removed, as the reader keys it; only
  // as long as the longest name looked for (NOTROUND), longer ones read empty.
  std::string_view Name() const { return nameLength <= sizeof name ? std::string_view(name, nameLength) : ""; }
  void AddToName(char c) {
    if (nameLength < sizeof name) name[nameLength] = UpperAscii(c);
    if (nameLength <= sizeof name) ++nameLength;
  }
  char name[8] = {};
  size_t nameLength = 0;
};

class LineStyler {
 public:
  LineStyler(uint8_t* styles, LexState& state, int maxBells)
      : styles_(styles), state_(state), maxBells_(maxBells) {}

  void StyleLine(std::string_view whole);

 private:
  void Mark(const Cursor& c, size_t from, size_t to, int style);
  void MarkRest(Cursor& c, int style) {
    Mark(c, c.pos, c.text.size(), style);
    c.pos = c.text.size();
  }

  Element ReadElement(Cursor& c, bool bodyMode, int nesting);
  void ReadCount(Cursor& c, Element& e);
  void ReadName(Cursor& c, bool bodyMode, Element& e);
  void ReadString(Cursor& c);
  void StyleStringSymbols(const Cursor& c, size_t from, std::string_view content);
  void ReadNotation(Cursor& c);
  void ReadBracketGroup(Cursor& c, int nesting);
  bool ReadBody(Cursor& c, bool inBlock, int nesting);
  bool BodyFrom(Cursor& c, Element e, bool inBlock, int nesting);

  uint8_t* styles_;  // one per byte of the line
  LexState& state_;
  int maxBells_;
};

void LineStyler::Mark(const Cursor& c, size_t from, size_t to, int style) {
  if (from >= to) return;
  const auto value = static_cast<uint8_t>(style);
  if (!c.origin) {
    std::fill(styles_ + from, styles_ + to, value);
    return;
  }
  // A group's characters come from the line in order; only the blank that
  // stands in for a missing ")" has no source.
  while (to > from && c.origin[to - 1] < 0) --to;
  if (to == from || c.origin[from] < 0) return;
  std::fill(styles_ + c.origin[from], styles_ + c.origin[to - 1] + 1, value);
}

Element LineStyler::ReadElement(Cursor& c, bool bodyMode, int nesting) {
  Element e;
  c.SkipBlanks();
  if (c.AtEnd() || c.Here() == '/') {
    MarkRest(c, SirilComment);
    return e;
  }
  ReadCount(c, e);
  if (bodyMode) {
    if (e.countFrom != npos) Mark(c, e.countFrom, e.countTo, SirilCount);
    if (!c.AtEnd() && c.Here() == '*') {
      Mark(c, c.pos, c.pos + 1, SirilCount);
      ++c.pos;
    }
    if (!c.AtEnd()) {
      switch (c.Here()) {
        case '"':
          ReadString(c);
          e.empty = false;
          break;
        case '(':
          ReadBracketGroup(c, nesting);
          e.empty = false;  // the block's name, or the faulty group's text
          break;
        case '*': ++c.pos; break;  // a second star: an error, stepped over
        case '&':
        case '+':
          ReadNotation(c);
          e.empty = false;
          break;
        default: break;
      }
    }
  }
  if (!c.AtEnd() && e.empty) ReadName(c, bodyMode, e);
  if (e.count == 0) e.count = 1;
  return e;
}

void LineStyler::ReadCount(Cursor& c, Element& e) {
  constexpr uint64_t limit = std::numeric_limits<int32_t>::max();
  uint64_t value = 0;
  bool tooLarge = false;
  while (!c.AtEnd() && Classes.Is(c.Here(), CharClasses::Digit | CharClasses::Blank)) {
    if (Digit(c.Here())) {
      if (e.countFrom == npos) e.countFrom = c.pos;
      e.countTo = c.pos + 1;
      if (!tooLarge) {
        value = value * 10 + static_cast<uint64_t>(c.Here() - '0');
        tooLarge = value > limit;
      }
    }
    ++c.pos;
  }
  // The reader refuses a count too large and reads on with 1.
  e.count = tooLarge ? 1 : static_cast<int64_t>(value);
}

void LineStyler::ReadName(Cursor& c, bool bodyMode, Element& e) {
  const char first = c.Here();
  // An illegal first character of the first statement ends the wait for the stage line.
  if (!Classes.Is(first, CharClasses::NameStart | CharClasses::Blank)) state_.expectStageLine = false;

  size_t firstChar = npos, lastChar = npos;
  while (!c.AtEnd() && Classes.Is(c.Here(), CharClasses::NameCharacter)) {
    if (!Blank(c.Here())) {
      e.AddToName(c.Here());
      if (firstChar == npos) firstChar = c.pos;
      lastChar = c.pos;
    }
    ++c.pos;
  }
  if (firstChar != npos) {
    e.empty = false;
    e.isName = true;
    e.nameFrom = firstChar;
    e.nameTo = lastChar + 1;
  }
  if (!c.AtEnd() && c.Here() == '/') MarkRest(c, SirilComment);
  if (c.AtEnd() || c.Here() == ',') return;
  if (!bodyMode && c.Here() == '=') return;
  // "=" in a body, a stray ")" or any other character: the reader reports it
  // and reads nothing more of the line.
  c.pos = c.text.size();
}

void LineStyler::ReadString(Cursor& c) {
  const size_t open = c.pos;
  bool closed = false;
  for (;;) {
    if (c.pos + 1 < c.text.size() && c.text[c.pos + 1] == '"') {
      c.pos += 2;
      closed = true;
      break;
    }
    ++c.pos;
    if (c.AtEnd()) break;  // "String should end with a \"": what there is counts as the string
  }
  const size_t contentEnd = closed ? c.pos - 1 : c.text.size();
  const std::string_view content = c.text.substr(open + 1, contentEnd - open - 1);
  // The reader's token is the opening quote, the content and the closing
  // quote if there was one; it is a marker when its second character is "["
  // and its next to last "]".
  const size_t tokenSize = content.size() + (closed ? 2 : 1);
  const auto tokenAt = [&](size_t k) { return k == 0 ? '"' : (k - 1 < content.size() ? content[k - 1] : '"'); };
  const bool marker = tokenSize > 1 && tokenAt(1) == '[' && tokenAt(tokenSize - 2) == ']';
  Mark(c, open, c.pos, marker ? SirilMarker : SirilString);
  if (!marker) StyleStringSymbols(c, open + 1, content);
}

// The symbols the proof expands when it prints the string.
void LineStyler::StyleStringSymbols(const Cursor& c, size_t from, std::string_view content) {
  const size_t n = content.size();
  for (size_t j = 0; j < n; ++j) {
    switch (content[j]) {
      case '@':
      case '#':
      case '_': Mark(c, from + j, from + j + 1, SirilStringSpecial); break;
      case '$':
        if (j + 2 == n && content[j + 1] == '$') {
          Mark(c, from + j, from + j + 2, SirilStringHalt);
          return;
        }
        Mark(c, from + j, from + j + 1, SirilStringSpecial);
        break;
      case '\\': {
        Mark(c, from + j, from + j + 1, SirilStringSpecial);
        if (j + 1 == n) break;  // before the closing quote: keeps the printed line open
        size_t end = j + 2;
        while (end < n && (static_cast<unsigned char>(content[end]) & 0xC0) == 0x80) ++end;
        Mark(c, from + j + 1, from + end, SirilStringEscaped);
        j = end - 1;
        break;
      }
      default: break;
    }
  }
}

void LineStyler::ReadNotation(Cursor& c) {
  const size_t from = c.pos;
  size_t last = c.pos;
  ++c.pos;
  while (!c.AtEnd() && Classes.Is(c.Here(), CharClasses::Notation)) {
    if (!Blank(c.Here())) last = c.pos;
    ++c.pos;
  }
  Mark(c, from, last + 1, SirilPlaceNotation);
}

// The reader gathers a group's text (blanks outside strings dropped) and
// parses it as a generated one-line definition; the same is done here, with
// each character remembering where in the line it came from.
void LineStyler::ReadBracketGroup(Cursor& c, int nesting) {
  ++c.pos;
  std::string token;
  std::vector<int> origin;
  size_t front = 0;
  int depth = 1, deepest = 1;
  const auto take = [&](size_t at) {
    token.push_back(c.text[at]);
    origin.push_back(c.Origin(at));
  };
  while (!c.AtEnd() && depth > 0) {
    const char ch = c.Here();
    if (ch == '"') {
      take(c.pos);
      for (;;) {
        if (c.pos + 1 < c.text.size() && c.text[c.pos + 1] == '"') {
          take(c.pos + 1);
          c.pos += 2;
          break;
        }
        ++c.pos;
        if (c.AtEnd()) break;
        take(c.pos);
      }
      // The marker test looks at the whole group so far, as the reader's does.
      if (token.size() - front > 1 && token[front + 1] == '[' && token[token.size() - 2] == ']') {
        ++front;
        token.pop_back();
        origin.pop_back();
      }
      continue;
    }
    if (!Blank(ch)) take(c.pos);
    if (ch == ')') {
      --depth;
    } else if (ch == '(') {
      ++depth;
      deepest = std::max(deepest, std::min(depth, MaxBlockNesting + 1));
    }
    ++c.pos;
  }
  token.erase(0, front);
  origin.erase(origin.begin(), origin.begin() + static_cast<ptrdiff_t>(front));
  if (depth > 0) {
    token.push_back(' ');  // stands for the missing ")"
    origin.push_back(-1);
  }
  const std::string_view text = std::string_view(token).substr(0, token.size() - 1);
  if (TrimControls(text).empty()) return;                  // empty brackets: nothing is read
  if (nesting + deepest > MaxBlockNesting) return;         // refused before any of it is read
  if (state_.endSeen) return;  // after END the block's own line is ignored like any other
  Cursor inner{TrimRightControls(text), origin.data(), 0};
  ReadBody(inner, true, nesting + 1);
}

// Returns whether the statement goes on on the next line (a comma ended it).
bool LineStyler::ReadBody(Cursor& c, bool inBlock, int nesting) {
  return BodyFrom(c, ReadElement(c, true, nesting), inBlock, nesting);
}

bool LineStyler::BodyFrom(Cursor& c, Element e, bool inBlock, int nesting) {
  while (!e.empty) {
    if (e.isName && IsPredefinedName(e.Name())) Mark(c, e.nameFrom, e.nameTo, SirilPredefinedName);
    c.SkipBlanks();
    if (c.AtEnd()) return false;
    const char ch = c.Here();
    if (ch == ',') {
      ++c.pos;
      e = Element{};
      if (!c.AtEnd()) e = ReadElement(c, true, nesting);
      // Nothing after the comma: the statement continues on the next line,
      // except inside brackets or when something unreadable stopped it.
      if (e.empty) return !inBlock && c.AtEnd();
      continue;
    }
    if (ch == '/') MarkRest(c, SirilComment);
    // Anything else is "Additional text found at end of line": not read.
    return false;
  }
  return false;
}

void LineStyler::StyleLine(std::string_view whole) {
  std::fill(styles_, styles_ + whole.size(), static_cast<uint8_t>(SirilDefault));
  // The reader drops trailing characters up to the blank, line ends included.
  Cursor c{TrimRightControls(whole), nullptr, 0};

  if (state_.continuation) {
    Element e = ReadElement(c, true, 0);
    if (e.empty && c.AtEnd()) return;  // a blank or comment line: still looking for the rest
    state_.continuation = BodyFrom(c, std::move(e), false, 0);
    return;
  }
  if (state_.endSeen) {
    std::fill(styles_, styles_ + whole.size(), static_cast<uint8_t>(SirilComment));
    return;
  }

  Element head = ReadElement(c, false, 0);
  if (head.empty) return;

  if (state_.expectStageLine) {
    // The first statement is the stage line, accepted or not; it defines nothing.
    state_.expectStageLine = false;
    const std::string_view rest = TrimControls(c.text.substr(std::min(c.pos, c.text.size())));
    const bool accepted = head.Name() == "BELLS" && head.count >= 4 && head.count <= maxBells_ &&
                          (rest.empty() || rest.front() == '/');
    if (accepted) Mark(c, head.countFrom, head.nameTo, SirilStageLine);
    return;
  }
  if (head.count != 1) return;  // "Illegal number at start of line": the line is ignored

  const bool isEnd = head.Name() == "END";
  if (!state_.definitionSeen) {
    if (isEnd) {  // "Nothing happens!": END as the first statement, its line read no further
      Mark(c, head.nameFrom, head.nameTo, SirilEnd);
      state_.endSeen = true;
      MarkRest(c, SirilComment);
      return;
    }
    state_.definitionSeen = true;
  } else {
    state_.endSeen = isEnd;
  }

  c.SkipBlanks();
  if (!c.AtEnd() && c.Here() == '=') {
    Mark(c, head.nameFrom, head.nameTo,
         isEnd ? SirilEnd : (IsPredefinedName(head.Name()) ? SirilPredefinedName : SirilDefinitionName));
    ++c.pos;
    state_.continuation = ReadBody(c, false, 0);
  } else if (isEnd) {
    Mark(c, head.nameFrom, head.nameTo, SirilEnd);
    MarkRest(c, SirilComment);
  }
  // Otherwise "\"=\" expected": the name is entered but defines nothing.
}

}  // namespace

void StyleLineInto(std::string_view line, LexState& state, int maxBells, uint8_t* styles) {
  LineStyler(styles, state, maxBells).StyleLine(line);
  // A UTF-8 continuation byte always takes the style of the byte before it.
  for (size_t i = 1; i < line.size(); ++i)
    if ((static_cast<unsigned char>(line[i]) & 0xC0) == 0x80) styles[i] = styles[i - 1];
}

void StyleSirilLine(std::string_view line, LexState& state, int maxBells, std::vector<StyledRun>& runs) {
  thread_local std::vector<uint8_t> styles;
  styles.resize(line.size());
  StyleLineInto(line, state, maxBells, styles.data());
  size_t i = 0;
  while (i < line.size()) {
    size_t j = i + 1;
    while (j < line.size() && styles[j] == styles[i]) ++j;
    runs.push_back({static_cast<int>(i), static_cast<int>(j - i), styles[i]});
    i = j;
  }
}

std::vector<StyledRun> StyleSirilLine(std::string_view line, LexState& state, int maxBells) {
  std::vector<StyledRun> runs;
  StyleSirilLine(line, state, maxBells, runs);
  return runs;
}

}  // namespace tolvern
