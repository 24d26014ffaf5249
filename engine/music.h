// Music: rows matched against patterns, counted on odd and even changes.
#pragma once

#include <array>
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "diagnostics.h"
#include "elements.h"
#include "rows.h"
#include "run_result.h"

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

  // Whether any pattern is counted.
  bool Counting() const { return !matchers_.empty(); }

  // The bells of up to three adjacent places that every pattern fixes: a row
  // whose bells there are no pattern's cannot match, and most rows are passed
  // over on that one test. With no such place every row passes.
  struct RowFilter {
    int shift = 0;
    uint64_t mask = 0;
    std::array<uint64_t, 64> keys{1};  // 4096 bits, one per key
    bool Passes(uint64_t packedRow) const {
      const uint64_t key = (packedRow >> shift) & mask;
      return keys[key >> 6] >> (key & 63) & 1;
    }
  };
  const RowFilter& Filter() const { return filter_; }

  // Counts a row (packed, 4 bits a position) rung `even` times on even
  // changes and `odd` times on odd ones against every live pattern. Rows
  // come from the row register at the end of a touch, each once; those the
  // filter turns away need not be given.
  void CountRow(uint64_t packedRow, uint64_t even, uint64_t odd) {
    for (Matcher& m : matchers_) {
      if ((packedRow & m.mask) != m.value) continue;
      m.count[0] += static_cast<int64_t>(even);
      m.count[1] += static_cast<int64_t>(odd);
    }
  }
  // Takes back one ringing of a row counted but not to be shown in the music.
  void UncountRow(uint64_t packedRow, bool odd);

  // The patterns (as written, `stage` characters) that a row matches; for a
  // front end that marks music rows, not on the path of a plain proof.
  void MatchingPatterns(uint64_t packedRow, std::vector<std::string_view>& texts) const;

  // The table's lines, in the order the section shows them.
  std::vector<MusicCount> Table();
  // Writes the "Touch contains:" section of `table`.
  void WriteSection(LineSink* proof, const std::vector<MusicCount>& table) const;

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
  void AddString(std::string_view text, Diagnostics& diagnostics);
  void AddPattern(std::string_view text);
  void VoidDuplicates();
  void MakeMatchers();
  void MakeFilter();
  void CollectCounts();
  std::vector<MusicPattern> patterns_;
  std::vector<Matcher> matchers_;
  RowFilter filter_;
  int stage_ = 0;
  int64_t musicLine_ = 0;  // where MUSIC is defined, for its warnings
};

// The fixed rows of the default music for a stage of 6 to 16 bells.
std::string_view QueensRow(int stage);
std::string_view WhittingtonsRow(int stage);
std::string_view TittumsRow(int stage);
std::string_view KingsRow(int stage);

}  // namespace tolvern
