#include "music.h"

#include <array>
#include <unordered_set>

#include "parser.h"
#include "prover.h"

namespace tolvern {

namespace {

constexpr std::array<std::string_view, 6> CruPatterns = {
    "----567890ETabcd", "----657890ETabcd", "----467890ETabcd",
    "----647890ETabcd", "----457890ETabcd", "----547890ETabcd",
};

// Indexed by stage - 6.
constexpr std::array<std::string_view, 11> QueensRows = {
    "135246",        "1357246",        "13572468",        "135792468",
    "1357924680",    "13579E24680",    "13579E24680T",    "13579Ea24680T",
    "13579Ea24680Tb", "13579Eac24680Tb", "13579Eac24680Tbd",
};
constexpr std::array<std::string_view, 11> WhittingtonsRows = {
    "531246",         "1275346",         "12753468",         "312497568",
    "3124975680",     "531246E9780",     "531246E9780T",     "12753468aE90T",
    "12753468aE90Tb", "3124975680caETb", "3124975680caETbd",
};
constexpr std::array<std::string_view, 11> TittumsRows = {
    "142536",         "1526374",         "15263748",         "162738495",
    "1627384950",     "172839405E6",     "172839506E7T",     "1829304E5T6a7",
    "1829304E5T6a7b", "19203E4T5a6b7c8", "19203E4T5a6b7c8d",
};
constexpr std::array<std::string_view, 11> KingsRows = {
    "531246",         "7531246",         "75312468",         "975312468",
    "9753124680",     "E9753124680",     "E9753124680T",     "aE9753124680T",
    "aE9753124680Tb", "caE9753124680Tb", "caE9753124680Tbd",
};

constexpr std::array<std::string_view, 24> Comb7890Patterns = {
    "7890------", "7809------", "7980------", "7908------", "7089------", "7098------",
    "8790------", "8709------", "8970------", "8907------", "8079------", "8097------",
    "9780------", "9708------", "9870------", "9807------", "9078------", "9087------",
    "0789------", "0798------", "0879------", "0897------", "0978------", "0987------",
};

std::string_view ForStage(const std::array<std::string_view, 11>& table, int stage) {
  return (stage >= 6 && stage <= 16) ? table[static_cast<size_t>(stage - 6)] : std::string_view();
}

bool IsPatternCharacter(char c) { return c == '-' || PlaceOfSymbol(c) != 0; }

PatternRow VoidPattern() {
  PatternRow row;
  for (size_t i = 0; i < row.size(); ++i) row[i] = VoidPatternText[i];
  return row;
}

struct PatternHash {
  size_t operator()(const PatternRow& row) const {
    return std::hash<std::string_view>()(std::string_view(row.data(), row.size()));
  }
};

}  // namespace

std::string_view QueensRow(int stage) { return ForStage(QueensRows, stage); }
std::string_view WhittingtonsRow(int stage) { return ForStage(WhittingtonsRows, stage); }
std::string_view TittumsRow(int stage) { return ForStage(TittumsRows, stage); }
std::string_view KingsRow(int stage) { return ForStage(KingsRows, stage); }

void MusicAnalysis::Reset() {
  patterns_.clear();
  matchers_.clear();
  MakeFilter();
  DefaultMusicSet = false;
  Comb7890Set = false;
  stage_ = 0;
}

void MusicAnalysis::BuildMusicPatterns(const TCompElement* music, int stage, Diagnostics& diagnostics) {
  stage_ = stage;
  musicLine_ = music ? static_cast<int64_t>(music->Line) + 1 : 0;
  if (music) WalkDefinition(music, 0, diagnostics);
  VoidDuplicates();
  MakeMatchers();
  MakeFilter();
}

void MusicAnalysis::WalkDefinition(const TCompElement* definition, int depth, Diagnostics& diagnostics) {
  // MUSIC holds only strings and blocks of strings, so the walk is shallow.
  if (depth > MaxBlockNesting + 1) return;
  for (const TCompElement* element = definition->Next; element; element = element->Next) {
    if (element->Link) {
      WalkDefinition(element->Link, depth + 1, diagnostics);
      continue;
    }
    if (element->Text.empty() || element->Text[0] != '"') continue;
    AddString(element->Text, diagnostics);
  }
}

void MusicAnalysis::AddString(std::string_view text, Diagnostics& diagnostics) {
  const std::string upper = UpperCaseAscii(text);
  if (upper == "\"DEFAULT\"") {
    for (std::string_view cru : CruPatterns) AddPattern(cru);
    AddPattern(QueensRow(stage_));
    AddPattern(WhittingtonsRow(stage_));
    AddPattern(TittumsRow(stage_));
    AddPattern(KingsRow(stage_));
    DefaultMusicSet = true;
    return;
  }
  if (stage_ == 10 && (upper == "\"7890S\"" || upper == "\"789OS\"")) {
    for (std::string_view comb : Comb7890Patterns) AddPattern(comb);
    Comb7890Set = true;
    return;
  }

  std::string p = text.size() >= 2 ? std::string(text.substr(1, text.size() - 2)) : std::string();
  // An empty pattern would match every row; it is left out.
  if (p.empty()) return;
  for (char& c : p)
    if (c >= 'A' && c <= 'Z') c = static_cast<char>(c - 'A' + 'a');
  for (const auto& [from, to] : {std::pair{'o', '0'}, std::pair{'e', 'E'}, std::pair{'t', 'T'}}) {
    const size_t at = p.find(from);
    if (at != std::string::npos) p[at] = to;
  }
  const size_t stage = static_cast<size_t>(stage_);
  if (p.size() < stage) {
    const std::string fill(15, '?');
    if (p[0] == '?') {
      p = fill + p;
      p = p.substr(p.size() - stage);
    } else {
      p = (p + fill).substr(0, stage);
    }
  }
  for (char& c : p)
    if (c == '?') c = '-';
  for (size_t i = 0; i < stage; ++i) {
    if (!IsPatternCharacter(p[i])) {
      diagnostics.ReportWarning("WARNING invalid character found in a \"MUSIC=\" statement",
                                "...Definition of change ignored [" + std::string(1, p[i]) + "]", musicLine_);
      return;
    }
  }
  AddPattern(p);
}

void MusicAnalysis::AddPattern(std::string_view text) {
  MusicPattern pattern;
  pattern.text = RowFromText(text, stage_);
  patterns_.push_back(pattern);
}

void MusicAnalysis::VoidDuplicates() {
  std::unordered_set<PatternRow, PatternHash> seen;
  for (MusicPattern& pattern : patterns_) {
    if (!seen.insert(pattern.text).second) {
      pattern.text = VoidPattern();
      pattern.isVoid = true;
    }
  }
}

void MusicAnalysis::MakeMatchers() {
  matchers_.clear();
  for (size_t k = 0; k < patterns_.size(); ++k) {
    const MusicPattern& pattern = patterns_[k];
    if (pattern.isVoid) continue;
    Matcher m{0, 0, {0, 0}, k};
    for (int p = 0; p < stage_; ++p) {
      const int place = PlaceOfSymbol(pattern.text[static_cast<size_t>(p)]);
      if (place == 0) continue;  // '-' matches any bell
      m.mask |= uint64_t{15} << (4 * p);
      m.value |= static_cast<uint64_t>(place - 1) << (4 * p);
    }
    matchers_.push_back(m);
  }
}

void MusicAnalysis::MakeFilter() {
  filter_ = RowFilter();
  if (matchers_.empty()) return;
  uint64_t common = ~uint64_t{0};
  for (const Matcher& m : matchers_) common &= m.mask;
  // The longest run of up to three adjacent places fixed in every pattern,
  // the highest such run where there is a choice.
  int bestStart = -1, bestLength = 0;
  for (int start = 0; start < 16; ++start) {
    int length = 0;
    while (length < 3 && start + length < 16 && (common >> (4 * (start + length)) & 15) == 15) ++length;
    if (length > 0 && length >= bestLength) {
      bestStart = start;
      bestLength = length;
    }
  }
  if (bestStart < 0) return;
  filter_.shift = 4 * bestStart;
  filter_.mask = (uint64_t{1} << (4 * bestLength)) - 1;
  filter_.keys.fill(0);
  for (const Matcher& m : matchers_) {
    const uint64_t key = (m.value >> filter_.shift) & filter_.mask;
    filter_.keys[key >> 6] |= uint64_t{1} << (key & 63);
  }
}

void MusicAnalysis::UncountRow(uint64_t packedRow, bool odd) {
  for (Matcher& m : matchers_)
    if ((packedRow & m.mask) == m.value) --m.count[odd ? 1 : 0];
}

void MusicAnalysis::CollectCounts() {
  for (const Matcher& m : matchers_) {
    patterns_[m.entry].OddCount = m.count[1];
    patterns_[m.entry].EvenCount = m.count[0];
  }
}

void MusicAnalysis::WriteSection(LineSink* proof) {
  CollectCounts();
  const size_t stage = static_cast<size_t>(stage_);
  const auto countLine = [](std::string label, int64_t odd, int64_t even) {
    return label + " = " + RightJustify(std::to_string(odd)) + "  +  " + RightJustify(std::to_string(even)) +
           "    =  " + RightJustify(std::to_string(odd + even));
  };

  AppendLine(proof, "");
  AppendLine(proof, "");
  AppendLine(proof, "Touch contains:");
  AppendLine(proof, "");
  AppendLine(proof, std::string(stage, ' ') + "     Odd     Even      Total");
  AppendLine(proof, "");

  std::vector<PatternRow> cru;
  for (std::string_view text : CruPatterns) cru.push_back(RowFromText(text, stage_));
  std::vector<PatternRow> comb;
  if (stage_ == 10)
    for (std::string_view text : Comb7890Patterns) comb.push_back(RowFromText(text, stage_));

  int64_t cruOdd = 0, cruEven = 0, combOdd = 0, combEven = 0;
  for (const MusicPattern& pattern : patterns_) {
    for (const PatternRow& row : cru)
      if (row == pattern.text) {
        cruOdd += pattern.OddCount;
        cruEven += pattern.EvenCount;
      }
    for (const PatternRow& row : comb)
      if (row == pattern.text) {
        combOdd += pattern.OddCount;
        combEven += pattern.EvenCount;
      }
    if (pattern.isVoid) continue;
    std::string label(pattern.text.data(), stage);
    for (char& c : label)
      if (c == '-') c = 'x';
    AppendLine(proof, countLine(label, pattern.OddCount, pattern.EvenCount));
  }

  if (DefaultMusicSet) {
    AppendLine(proof, "");
    std::string label = "CRU";
    if (label.size() < stage) label.resize(stage, ' ');
    AppendLine(proof, countLine(label, cruOdd, cruEven));
  }
  if (Comb7890Set) {
    AppendLine(proof, "");
    AppendLine(proof, countLine("Comb 7890s", combOdd, combEven));
  }
}

void MusicAnalysis::MatchingPatterns(uint64_t packedRow, std::vector<std::string_view>& texts) const {
  texts.clear();
  for (const Matcher& m : matchers_)
    if ((packedRow & m.mask) == m.value)
      texts.emplace_back(patterns_[m.entry].text.data(), static_cast<size_t>(stage_));
}

}  // namespace tolvern
