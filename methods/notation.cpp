#include "notation.h"

#include <algorithm>
#include <utility>

namespace tolvern::methods {

namespace {

constexpr std::string_view LibrarySymbols = "1234567890ETABCDFGHJKL";
constexpr std::string_view SirilSymbols = "1234567890ETabcd";

bool IsBlank(char c) { return c == ' ' || c == '\t' || c == '\r' || c == '\n'; }
bool IsCross(char c) { return c == 'x' || c == 'X' || c == '-'; }

// The changes of one run of notation: crosses, and segments of places
// between them or between dots. `endsWithSegment` is set when the run ends
// with places rather than a cross or a dot (SIRIL's pivot of an `&` element).
struct Run {
  Changes changes;
  bool endsWithSegment = false;
};

bool ReadRun(std::string_view text, int stage, Run& run, std::string& error) {
  std::string segment;
  const auto flush = [&]() -> bool {
    if (segment.empty()) return true;
    uint32_t places = 0;
    if (!ParseChange(segment, stage, places)) {
      error = "impossible change '" + segment + "' on " + std::to_string(stage) + " bells";
      return false;
    }
    run.changes.push_back(places);
    segment.clear();
    return true;
  };
  for (char c : text) {
    if (IsBlank(c)) continue;
    if (IsCross(c)) {
      if (!flush()) return false;
      if (stage % 2) {
        error = "a cross on an odd stage";
        return false;
      }
      run.changes.push_back(0);
    } else if (c == '.') {
      if (!flush()) return false;
    } else if (PlaceOfSymbol(c)) {
      segment += c;
    } else {
      error = std::string("'") + c + "' is no bell symbol";
      return false;
    }
  }
  run.endsWithSegment = !segment.empty();
  return flush();
}

// SIRIL text of changes: crosses as `-`, a dot between two changes of places.
void AppendChanges(std::string& out, const uint32_t* first, const uint32_t* last, int stage) {
  bool previousPlaces = false;
  for (const uint32_t* change = first; change != last; ++change) {
    if (*change && previousPlaces) out += '.';
    out += ChangeText(*change, stage);
    previousPlaces = *change != 0;
  }
}

bool ValidStage(int stage, std::string& error) {
  if (stage >= MinStage && stage <= MaxStage) return true;
  error = "stage " + std::to_string(stage) + " is outside " + std::to_string(MinStage) + " to " + std::to_string(MaxStage);
  return false;
}

}  // namespace

int PlaceOfSymbol(char symbol) {
  char upper = symbol;
  if (upper >= 'a' && upper <= 'z') upper = static_cast<char>(upper - 'a' + 'A');
  const size_t at = LibrarySymbols.find(upper);
  return at == std::string_view::npos ? 0 : static_cast<int>(at) + 1;
}

char SirilSymbol(int place) { return SirilSymbols[static_cast<size_t>(place - 1)]; }

bool ParseChange(std::string_view symbols, int stage, uint32_t& places) {
  places = 0;
  int previous = 0;
  for (char c : symbols) {
    const int place = PlaceOfSymbol(c);
    if (place <= previous || place > stage) return false;
    // The bells between two places swap in pairs.
    if ((place - previous - 1) % 2) {
      if (previous != 0) return false;
      places |= 1u;  // a place at lead left out
    }
    places |= 1u << (place - 1);
    previous = place;
  }
  if (previous == 0) return false;
  if ((stage - previous) % 2) places |= 1u << (stage - 1);  // a place behind left out
  return true;
}

std::string ChangeText(uint32_t places, int stage) {
  if (!places) return "-";
  std::string text;
  for (int place = 1; place <= stage; ++place)
    if (places & (1u << (place - 1))) text += SirilSymbol(place);
  return text;
}

Notation FromLibraryNotation(std::string_view text, int stage) {
  Notation result;
  if (!ValidStage(stage, result.error)) return result;
  const bool palindromes = text.find(',') != std::string_view::npos;
  size_t start = 0;
  while (start <= text.size()) {
    size_t end = text.find(',', start);
    if (end == std::string_view::npos) end = text.size();
    Run run;
    if (!ReadRun(text.substr(start, end - start), stage, run, result.error)) return {{}, {}, result.error};
    if (run.changes.empty()) return {{}, {}, "an empty section of notation"};
    if (!result.siril.empty()) result.siril += ", ";
    const Changes& section = run.changes;
    const size_t n = section.size();
    if (palindromes) {
      // Out to the middle change and back. SIRIL's `&` turns on a last
      // change of places only (a last cross it rings twice), so a section
      // turning on a cross is written out in full.
      Changes rung(section);
      rung.insert(rung.end(), section.rbegin() + 1, section.rend());
      if (n > 1 && section.back() != 0) {
        result.siril += '&';
        AppendChanges(result.siril, section.data(), section.data() + n, stage);
      } else {
        result.siril += '+';
        AppendChanges(result.siril, rung.data(), rung.data() + rung.size(), stage);
      }
      result.changes.insert(result.changes.end(), rung.begin(), rung.end());
    } else {
      result.siril += '+';
      AppendChanges(result.siril, section.data(), section.data() + n, stage);
      result.changes.insert(result.changes.end(), section.begin(), section.end());
    }
    start = end + 1;
  }
  return result;
}

Notation FromSirilNotation(std::string_view body, int stage) {
  Notation result;
  if (!ValidStage(stage, result.error)) return result;
  size_t start = 0;
  while (start <= body.size()) {
    size_t end = body.find(',', start);
    if (end == std::string_view::npos) end = body.size();
    // Blanks inside an element count for nothing, here as for the prover.
    std::string compact;
    for (char c : body.substr(start, end - start))
      if (!IsBlank(c)) compact += c;
    const std::string_view element = compact;
    if (element.empty() || (element[0] != '&' && element[0] != '+'))
      return {{}, {}, "not place notation: '" + std::string(element) + "'"};
    if (element.find("..") != std::string_view::npos) return {{}, {}, "consecutive dots"};
    if (element.size() > 1 && element.back() == '.' && IsCross(element[element.size() - 2]))
      return {{}, {}, "a dot after a last cross"};
    Run run;
    if (!ReadRun(element.substr(1), stage, run, result.error)) return {{}, {}, result.error};
    if (run.changes.empty()) return {{}, {}, "an element with no changes"};
    result.changes.insert(result.changes.end(), run.changes.begin(), run.changes.end());
    if (element[0] == '&') {
      // Everything but a last segment of places is rung again backwards.
      auto back = run.changes.rbegin();
      if (run.endsWithSegment || element.back() == '.') ++back;
      result.changes.insert(result.changes.end(), back, run.changes.rend());
    }
    if (!result.siril.empty()) result.siril += ", ";
    result.siril += element;
    start = end + 1;
  }
  return result;
}

std::string Rounds(int stage) { return std::string(SirilSymbols.substr(0, static_cast<size_t>(stage))); }

std::string RowAfter(const Changes& changes, int stage) {
  std::string row = Rounds(stage);
  for (uint32_t places : changes) {
    // Every pair of bells between places swaps: from each gap's start, two at a time.
    for (int p = 0; p + 1 < stage;) {
      if (places & (1u << p)) {
        ++p;
      } else {
        std::swap(row[static_cast<size_t>(p)], row[static_cast<size_t>(p + 1)]);
        p += 2;
      }
    }
  }
  return row;
}

}  // namespace tolvern::methods
