#include <algorithm>
#include <array>
#include <memory>

#include "parser.h"

namespace tolvern {

uint32_t StepMaskOf(std::string_view places, long long stage, size_t* lastMatched) {
  uint32_t mask = 0;
  size_t n = 0;
  long long p = 1;
  int k = 0;
  // Once every symbol is used no further place can be set, and no position
  // beyond the sixteenth has a symbol, so the scan may end there.
  const long long last = stage < MaxStage ? stage : MaxStage;
  while (p <= last && n < places.size()) {
    if (places[n] == BellSymbol(p)) {
      if (k < 32) mask |= 1u << k;
      ++n;
      p += 1;
    } else {
      p += 2;
    }
    ++k;
  }
  if (lastMatched) *lastMatched = n + 1;
  return mask;
}

namespace {

bool IsCross(std::string_view segment) { return segment == "-" || segment == "x"; }

std::string SymbolText(long long bell) {
  const char c = BellSymbol(bell);
  return c ? std::string(1, c) : std::string();
}

// The step mask of a plain change from its places, a byte at a time: with m
// places before it, the place at position q (from 0) is step (q + m) / 2.
// StepsOfByte[odd][b]: the steps of the places in byte b, with an odd or even
// number of places before the byte.
constexpr std::array<std::array<uint16_t, 256>, 2> StepsOfByteTable() {
  std::array<std::array<uint16_t, 256>, 2> table{};
  for (int odd = 0; odd < 2; ++odd)
    for (int b = 0; b < 256; ++b) {
      int before = odd;
      for (int q = 0; q < 8; ++q)
        if (b >> q & 1) table[static_cast<size_t>(odd)][static_cast<size_t>(b)] |=
            static_cast<uint16_t>(1u << ((q + before++) / 2));
    }
  return table;
}
constexpr std::array<std::array<uint16_t, 256>, 2> StepsOfByte = StepsOfByteTable();

uint32_t StepMaskOfPlaces(uint32_t placeBits) {
  const uint32_t low = placeBits & 0xFF, high = placeBits >> 8 & 0xFF;
  const int before = __builtin_popcount(low);
  // The high byte starts at position 8: its steps begin (8 + before) / 2 on.
  return StepsOfByte[0][low] | static_cast<uint32_t>(StepsOfByte[before & 1][high]) << (4 + before / 2);
}

}  // namespace

void NotationSymbols::For(int bells) {
  if (bells == stage) return;
  stage = bells;
  code.fill(End);
  for (const char c : std::string_view("0123456789ABCDETXabcdetx-.")) code[static_cast<uint8_t>(c)] = NoPlace;
  for (int c = 0; c < 256; ++c) {
    const int place = PlaceOfSymbol(NotationCase[static_cast<size_t>(c)]);
    if (code[static_cast<size_t>(c)] != NoPlace || place < 1 || place > bells) continue;
    code[static_cast<size_t>(c)] = static_cast<uint32_t>(place) |
                                   static_cast<uint32_t>(static_cast<uint8_t>(BellSymbol(place))) << 8 |
                                   (1u << (place - 1)) << 16;
  }
  code['-'] = code['x'] = code['X'] = Cross;
  code['.'] = Dot;
  code[' '] = code['\t'] = Blank;
}

bool Parser::ScanPlainNotation(Statement& s) {
  const int stage = static_cast<int>(StageBells);
  symbols_.For(stage);
  const std::array<uint32_t, 256>& code = symbols_.code;
  const char* const line = s.line.data();
  const size_t end = s.line.size();
  const bool symmetric = line[s.pos] == '&';
  // A change has at least one symbol: room for them all at once, so that the
  // record being written stays where it is.
  if (plainRoom_ < end - s.pos) {
    plainRoom_ = std::max(end - s.pos, 2 * plainRoom_);
    plainRecords_ = std::make_unique_for_overwrite<PlainRecord[]>(plainRoom_);
  }
  PlainRecord* const first = plainRecords_.get();
  PlainRecord* record = first;  // the segment being read
  // Kept in locals: the loop runs once for every byte of a long text. The
  // segment's text follows from its places, so only they are gathered.
  uint32_t places = 0;  // bit p - 1 for a place at p; none yet while 0
  unsigned last = 0;    // the segment's last place so far; 0 while it has none
  bool separators = false;
  // Ends the segment, the back bell making a place where the places leave an
  // odd number of bells above them.
  const auto finish = [&](bool stack) {
    if ((stage - static_cast<int>(last)) % 2 != 0) places |= 1u << (stage - 1);
    *record++ = {places, stack};
    places = 0;
    last = 0;
  };
  // The line is a view of a whole line's string, or of its start before
  // blanks and control characters: the byte at `end` can be read, and is
  // none of the places, so the bound is only tested off the path of a place.
  size_t i = s.pos + 1;
  for (;; ++i) {
    const uint32_t at = code[static_cast<uint8_t>(line[i])];
    const unsigned place = at & 0xFF;
    // A place must rise from the last by an odd number (places alternate
    // odd and even from an odd one): the rise less one is even and below 16.
    const unsigned rise = place - last - 1;
    if ((rise & ~14u) == 0) {
      places |= at >> 16;
      last = place;
      continue;
    }
    if (place <= static_cast<unsigned>(MaxStage)) {
      // A leading even place (not the back bell's) takes the lead with it;
      // anything else is not plain.
      if (place == NotationSymbols::NoPlace || last != 0 || place == static_cast<unsigned>(stage)) return false;
      places = 1 | at >> 16;
      last = place;
      continue;
    }
    if (place == NotationSymbols::End || i >= end) break;
    if (place == NotationSymbols::Blank) continue;  // dropped
    separators = true;
    if (place == NotationSymbols::Cross) {
      if (stage % 2 != 0) return false;  // a warning: the full reading gives it
      if (places != 0) finish(symmetric);
      *record++ = {static_cast<uint32_t>(static_cast<uint8_t>(NotationCase[static_cast<uint8_t>(line[i])])) << 16,
                   symmetric};
      continue;
    }
    // A dot: the last symbol of the notation ends its segment unstacked. A
    // blank or a dot after it is left to the full reading.
    const uint32_t next = i + 1 < end ? code[static_cast<uint8_t>(line[i + 1])] : NotationSymbols::End;
    if (next == NotationSymbols::Blank || next == NotationSymbols::Dot) return false;
    if (places != 0) finish(next != NotationSymbols::End && symmetric);
  }
  // Nothing after the sign is an error, which the full reading gives.
  if (record == first && places == 0 && !separators) return false;
  if (places != 0) finish(false);
  plainCount_ = static_cast<size_t>(record - first);
  s.token.assign(1, line[s.pos]);
  s.pos = i;
  return true;
}

const PlainChange& PlainChanges::Add(const PlainChange& change) {
  if (!index_) index_ = std::make_unique<uint16_t[]>(Indices);
  made_.push_back(change);
  index_[IndexOf(change.key)] = static_cast<uint16_t>(made_.size());
  return made_.back();
}

void PlainChanges::Forget() {
  for (const PlainChange& change : made_) index_[IndexOf(change.key)] = 0;
  made_.clear();
}

const PlainChange& Parser::MakePlainChange(uint32_t key) {
  const int stage = static_cast<int>(StageBells);
  const uint32_t placeBits = key & 0xFFFF;
  char text[MaxStage + 2] = {'#'};
  size_t length = 1;
  if (key > 0xFFFF) text[length++] = static_cast<char>(key >> 16);  // a cross
  for (int p = 1; p <= stage; ++p)
    if (placeBits >> (p - 1) & 1) text[length++] = BellSymbol(p);
  return plainChanges_.Add({key, StepMaskOfPlaces(placeBits), table_.StoreText({text, length}),
                            PermutationOfPlaces(placeBits, stage)});
}

void Parser::AppendPlainChanges(bool symmetric, TCompElement*& tail) {
  std::vector<StackedChange>& changeStack = changeStack_;
  changeStack.clear();
  if (plainStage_ != StageBells) {
    plainChanges_.Forget();
    plainStage_ = static_cast<int>(StageBells);
  }
  // A counted notation is read through a block: each change is rung once.
  constexpr int32_t count = 1;
  for (const PlainRecord* record = plainRecords_.get(); record != plainRecords_.get() + plainCount_; ++record) {
    const PlainChange* found = plainChanges_.Find(record->key);
    const PlainChange& made = found ? *found : MakePlainChange(record->key);
    TCompElement* change = table_.AppendChange(tail, made.text, count, made.mask, made.permutation);
    if (record->stack) changeStack.push_back({change->Text, made.mask, count, made.permutation});
  }
  if (symmetric) UnstackChanges(changeStack, tail);
}

void Parser::ParsePlaceNotation(const std::string& token, NotationRead read, int32_t count, TCompElement*& tail) {
  if (read == NotationRead::Scanned) {
    AppendPlainChanges(token == "&", tail);
    return;
  }
  // The notation in the case it reads as: so already when mapped as it was
  // gathered; traced, the three steps of the mapping are shown.
  const std::string& notation = read == NotationRead::Mapped ? token : notation_;
  if (read == NotationRead::Raw) {
    notation_ = token;
    if (StageBells <= 16 && !options_.DebugParse) {
      for (char& c : notation_) c = NotationCase[static_cast<uint8_t>(c)];
    } else if (StageBells <= 16) {
      for (char& c : notation_)
        if (c >= 'A' && c <= 'Z') c = static_cast<char>(c - 'A' + 'a');
      Trace("");
      Trace("PLACE NOTATION    =\"" + notation + "\"");
      for (char& c : notation_)
        if (c == 'e') c = 'E';
      Trace("PLACE NOTATION (E)=\"" + notation + "\"");
      for (char& c : notation_)
        if (c == 't') c = 'T';
      Trace("PLACE NOTATION (T)=\"" + notation + "\"");
    }
  }

  const bool symmetric = !notation.empty() && notation[0] == '&';
  if (notation.size() <= 1) {
    diagnostics_.ReportError(PlaceNotationErrorHeader(LineNumber()),
                             "... Place notation elements are missing [" + notation + "]");
    return;
  }

  std::vector<StackedChange>& changeStack = changeStack_;
  changeStack.clear();
  const std::string_view text = notation;
  // Positions are 0-based here; the segment being gathered starts at `start`.
  size_t start = 1;
  const size_t length = notation.size();
  for (size_t i = 1; i < length; ++i) {
    const char c = notation[i];
    if (c == '-' || c == 'x') {
      if (i > start) AddChange(text.substr(start, i - start), symmetric, count, tail, changeStack);
      AddChange(text.substr(i, 1), symmetric, count, tail, changeStack);
      start = i + 1;
    } else if (c == '.') {
      if (i == length - 1) {
        if (i > start) AddChange(text.substr(start, i - start), false, count, tail, changeStack);
        start = i + 1;
      } else if (notation[i + 1] == '.') {
        ErrorAtLine(ErrorWillShow() ? "... Consecutive dots in place notation [" + notation + "]" : std::string());
      } else {
        // A dot with nothing before it is only a separator.
        if (i > start) AddChange(text.substr(start, i - start), symmetric, count, tail, changeStack);
        start = i + 1;
      }
    }
  }
  if (start < length) AddChange(text.substr(start), false, count, tail, changeStack);
  if (symmetric) UnstackChanges(changeStack, tail);
}

void Parser::AddChange(std::string_view segmentView, bool stack, int32_t count, TCompElement*& tail,
                       std::vector<StackedChange>& changeStack) {
  const long long stage = StageBells;
  const std::string segment(segmentView);
  if (segment.size() > MaxChangeSymbols) {
    // No change has this many places; normalising it would only repeat one
    // warning per symbol.
    diagnostics_.ReportError(PlaceNotationErrorHeader(LineNumber()),
                             ErrorWillShow() ? "... Too many places in one change [" + segment + "]" : std::string());
    return;
  }
  std::string data = segment;
  const auto warn = [&](const std::string& detail) {
    diagnostics_.ReportWarning(PlaceNotationWarningHeader(LineNumber()), detail);
  };
  const auto alternationWarning = [&] {
    warn("... Places must be alternately odd and even [" + segment + "] changed to [" + data + "]");
  };

  if (IsCross(data)) {
    if (stage % 2 != 0) {
      warn("... \"x\" and \"-\" invalid for odd bell methods, place at lead assumed [" + segment + "]");
      data = "1";
    }
  } else {
    bool expectOdd = true;
    size_t i = 0;  // 0-based; messages show i + 1
    while (i < data.size()) {
      if (options_.DebugParse) Trace("PN> \"" + data + "\" i=" + std::to_string(i + 1));
      const int place = PlaceOfSymbol(data[i]);
      if (place > stage) {
        diagnostics_.ReportError(PlaceNotationErrorHeader(LineNumber()),
                                 "... Place greater than number of bells [" + segment + "]");
        ++i;
      } else if (expectOdd) {
        if (data[i] == BellSymbol(stage) && place % 2 == 0) {
          if (i == 0) {
            data = "1" + data;
            warn("... Additional place at lead assumed [" + segment + "]");
          } else {
            data = data.substr(0, i) + SymbolText(stage - 1) + SymbolText(stage);
            warn("... Consecutive places in last two positions assumed [" + segment + "]");
          }
        } else if (place % 2 == 0) {
          if (i == 0) {
            data = "1" + data;
          } else {
            data.insert(i, SymbolText(place - 1));
            alternationWarning();
          }
          ++i;
          expectOdd = false;
        } else {
          ++i;
          expectOdd = false;
        }
      } else {
        if (place % 2 != 0) {
          data.insert(i, SymbolText(place - 1));
          alternationWarning();
        }
        ++i;
        expectOdd = true;
      }
    }
    if (!data.empty() && PlaceOfSymbol(data.back()) % 2 != stage % 2) data += SymbolText(stage);
  }

  size_t matched = 0;
  const uint32_t mask = StepMaskOf(data, stage, &matched);
  TCompElement* change = AppendChange(tail, "#" + data, mask, count);
  if (stack) PushChange(changeStack, *change);
  if (options_.DebugParse)
    Trace("PN> \"" + data + "\" i=" + std::to_string(matched) + "  PNDigit=" + std::to_string(mask));
}

TCompElement* Parser::AppendChange(TCompElement*& tail, std::string_view text, uint32_t places, int32_t repeat) {
  TCompElement* change = table_.AppendElement(tail, text, repeat, nullptr, places);
  if (StageBells >= 1 && StageBells <= MaxStage)
    change->Permutation = PermutationOfMask(places, static_cast<int>(StageBells));
  return change;
}

void Parser::PushChange(std::vector<StackedChange>& changeStack, const TCompElement& change) {
  changeStack.push_back({change.Text, change.Places, change.Repeat, change.Permutation});
  if (options_.DebugParse) Trace(">PN Stacked" + std::string(change.Text));
}

void Parser::UnstackChanges(std::vector<StackedChange>& changeStack, TCompElement*& tail) {
  while (!changeStack.empty()) {
    StackedChange& top = changeStack.back();
    if (options_.DebugParse) Trace(">PN UNStacked" + std::string(top.text));
    table_.AppendChange(tail, top.text, top.repeat, top.places, top.permutation);  // the same text again
    changeStack.pop_back();
  }
}

}  // namespace tolvern
