#include "place_notation.h"

#include "reader.h"

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

}  // namespace

void Parser::ParsePlaceNotation(const std::string& token, int32_t count, TCompElement*& tail) {
  std::string notation = token;
  if (StageBells <= 16) {
    for (char& c : notation)
      if (c >= 'A' && c <= 'Z') c = static_cast<char>(c - 'A' + 'a');
    if (settings_.DebugParse) {
      Trace("");
      Trace("PLACE NOTATION    =\"" + notation + "\"");
    }
    for (char& c : notation)
      if (c == 'e') c = 'E';
    if (settings_.DebugParse) Trace("PLACE NOTATION (E)=\"" + notation + "\"");
    for (char& c : notation)
      if (c == 't') c = 'T';
    if (settings_.DebugParse) Trace("PLACE NOTATION (T)=\"" + notation + "\"");
  }

  const bool symmetric = !notation.empty() && notation[0] == '&';
  if (notation.size() <= 1) {
    diagnostics_.ReportError(PlaceNotationErrorHeader(LineNumber()),
                             "... Place notation elements are missing [" + notation + "]");
    return;
  }

  std::vector<StackedChange> changeStack;
  // Positions are 0-based here; the segment being gathered starts at `start`.
  size_t start = 1;
  const size_t length = notation.size();
  for (size_t i = 1; i < length; ++i) {
    const char c = notation[i];
    if (c == '-' || c == 'x') {
      if (i > start) AddChange(notation.substr(start, i - start), symmetric, count, tail, changeStack);
      AddChange(std::string(1, c), symmetric, count, tail, changeStack);
      start = i + 1;
    } else if (c == '.') {
      if (i == length - 1) {
        if (i > start) AddChange(notation.substr(start, i - start), false, count, tail, changeStack);
        start = i + 1;
      } else if (notation[i + 1] == '.') {
        ErrorAtLine(ErrorWillShow() ? "... Consecutive dots in place notation [" + notation + "]" : std::string());
      } else {
        // A dot with nothing before it is only a separator.
        if (i > start) AddChange(notation.substr(start, i - start), symmetric, count, tail, changeStack);
        start = i + 1;
      }
    }
  }
  if (start < length) AddChange(notation.substr(start), false, count, tail, changeStack);
  if (symmetric) UnstackChanges(changeStack, tail);
}

void Parser::AddChange(const std::string& segment, bool stack, int32_t count, TCompElement*& tail,
                       std::vector<StackedChange>& changeStack) {
  const long long stage = StageBells;
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
      if (settings_.DebugParse) Trace("PN> \"" + data + "\" i=" + std::to_string(i + 1));
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
  if (settings_.DebugParse)
    Trace("PN> \"" + data + "\" i=" + std::to_string(matched) + "  PNDigit=" + std::to_string(mask));
}

TCompElement* Parser::AppendChange(TCompElement*& tail, std::string text, uint32_t places, int32_t repeat) {
  TCompElement* change = table_.AppendElement(tail, std::move(text), repeat, nullptr, places);
  if (StageBells >= 1 && StageBells <= MaxStage)
    change->Permutation = PermutationOfMask(places, static_cast<int>(StageBells));
  return change;
}

void Parser::PushChange(std::vector<StackedChange>& changeStack, const TCompElement& change) {
  changeStack.push_back({change.Text, change.Places, change.Repeat});
  if (settings_.DebugParse) Trace(">PN Stacked" + change.Text);
}

void Parser::UnstackChanges(std::vector<StackedChange>& changeStack, TCompElement*& tail) {
  while (!changeStack.empty()) {
    StackedChange& top = changeStack.back();
    if (settings_.DebugParse) Trace(">PN UNStacked" + top.text);
    AppendChange(tail, std::move(top.text), top.places, top.repeat);
    changeStack.pop_back();
  }
}

}  // namespace tolvern
