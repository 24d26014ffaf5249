// Music: rows matched against patterns, counted on odd and even changes.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "diagnostics.h"
#include "elements.h"
#include "rows.h"

namespace tolvern {

inline constexpr std::string_view VoidPatternText = "<Void>          ";

struct MusicPattern {
  PatternRow text;  // bell symbols and '-', spaces above the stage
  bool isVoid = false;
  int64_t OddCount = 0;
  int64_t EvenCount = 0;
};

class MusicAnalysis {
 public:
  void Reset();
  void BuildMusicPatterns(const TCompElement* music, int stage, Diagnostics& diagnostics);

  // Counts the row (packed, 4 bits a position) against every live pattern.
  void MatchMusic(uint64_t packedRow, int64_t changeCount) {
    const size_t parity = static_cast<size_t>(changeCount & 1);
    for (Matcher& m : matchers_) m.count[parity] += (packedRow & m.mask) == m.value;
  }

  // The patterns (as written, `stage` characters) that a row matches; for a
  // front end that marks music rows, not on the path of a plain proof.
  void MatchingPatterns(uint64_t packedRow, std::vector<std::string_view>& texts) const;

  // Writes the "Touch contains:" section.
  void WriteSection(LineSink* proof);

  size_t MusicPatternCount() const { return patterns_.size(); }
  bool DefaultMusicSet = false;
  bool Comb7890Set = false;

 private:
  struct Matcher {
    uint64_t mask;
    uint64_t value;
    int64_t count[2];  // [even, odd]
    size_t entry;
  };
  void WalkDefinition(const TCompElement* definition, int depth, Diagnostics& diagnostics);
  void AddString(const std::string& text, Diagnostics& diagnostics);
  void AddPattern(std::string_view text);
  void VoidDuplicates();
  void MakeMatchers();
  void CollectCounts();

  std::vector<MusicPattern> patterns_;
  std::vector<Matcher> matchers_;
  int stage_ = 0;
  int64_t musicLine_ = 0;  // where MUSIC is defined, for its warnings
};

// The fixed rows of the default music for a stage of 6 to 16 bells.
std::string_view QueensRow(int stage);
std::string_view WhittingtonsRow(int stage);
std::string_view TittumsRow(int stage);
std::string_view KingsRow(int stage);

}  // namespace tolvern
