// The rows of one proof, kept compactly for drawing: every row rung, which of
// them were rung more than once, which are music, and where the leads start.
// Plain C++: it is filled on the proof's thread and read, unchanged, by the
// window's.
#pragma once

#include <cstdint>
#include <map>
#include <memory>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "engine.h"

namespace tolvern::app {

// A row packed four bits a bell, the bell in position 1 in the lowest bits.
using PackedRow = uint64_t;

// A lead as drawn: rows `first` to `last` (row indices; row 0 is rounds before
// the first change). When `ruled`, the last row is the next lead's head, shown
// below a rule after the lead end.
struct LeadSpan {
  size_t first = 0;
  size_t last = 0;
  bool ruled = false;
  bool continues = false;  // a long lead's further column: its lead head is above the rows
  int method = -1;  // index of the method's name; -1 when no marker names it
  size_t Rows() const { return last - first + 1; }
};

class RowsModel : public RowObserver {
 public:
  // Past this many rows the proof is stopped: 8 bytes a row, so at most
  // about 160 MB, however long the touch.
  static constexpr int64_t DefaultRowCap = 20'000'000;

  // `control`, when given, is told to stop the proof at the cap.
  explicit RowsModel(int64_t rowCap = DefaultRowCap, RunControl* control = nullptr);

  void OnTouchStart(int stage) override;
  void OnRow(const RowEvent& row) override;
  void OnLeadHead(std::string_view marker, int64_t change) override;

  // After the run: keeps the outcome and divides the rows into leads.
  void Finish(const RunResult& result);

  // The changes the model holds at most (a run stops giving it rows past
  // this with RunOptions::MaxObservedRows).
  int64_t RowCap() const { return rowCap_; }

  int Stage() const { return stage_; }
  // Rows held: rounds and every change rung up to the cap (0 when nothing was proved).
  size_t RowCount() const { return rowCount_; }
  int64_t Changes() const { return result_.changes; }
  PackedRow Row(size_t index) const { return chunks_[index / ChunkRows][index % ChunkRows]; }
  // The bell (0-based) in a position (0-based) of a row.
  int BellAt(size_t index, int position) const { return static_cast<int>((Row(index) >> (4 * position)) & 15); }
  std::string RowText(size_t index) const;
  // Rung more than once in the touch (every occurrence is false).
  bool IsFalse(size_t index) const { return (falseBits_[index / 64] >> (index % 64)) & 1; }
  // The MUSIC patterns the row matches, joined by ", "; empty when none.
  std::string_view Music(size_t index) const;
  // Every change at which the row at `index` is rung, in order (rounds
  // before the first change is not rung).
  std::vector<size_t> Occurrences(size_t index) const;

  size_t LeadCount() const { return leadStarts_.size(); }
  LeadSpan Lead(size_t lead) const;
  // The lead whose head or body holds a row (a lead head is also the foot of
  // the lead before it).
  size_t LeadOf(size_t row) const;
  const std::string& MethodName(int method) const { return methods_[static_cast<size_t>(method)]; }

  const RunResult& Result() const { return result_; }
  // What the proof found, in a line: "Touch is True", "Touch is False in 3 rows", ...
  const std::string& Verdict() const { return verdict_; }
  // The touch went past the row cap: only its first rows are held.
  bool CutShort() const { return cutShort_; }
  // Heap bytes the model holds.
  size_t BytesHeld() const;

  // A lead without markers ends where the treble has led at two rows running
  // (the lead head, after the lead end); no column is longer than this.
  static size_t MaxLeadRows(int stage) { return static_cast<size_t>(4 * stage); }

 private:
  static constexpr size_t ChunkRows = 4096;
  struct LeadStart {
    uint32_t row : 31;
    uint32_t continues : 1;  // goes on with the lead before: no lead end between them
    int32_t method;
  };
  struct MusicMark {
    uint32_t row;
    uint32_t patterns;  // index into musicTexts_
  };

  void Append(PackedRow row);
  void MarkFalse(size_t index);
  void ReachCap();
  void StartsFromMarkers();
  void StartsFromTreble();
  void SplitLongLeads();
  std::string VerdictText() const;

  int64_t rowCap_;
  RunControl* control_;
  int stage_ = 0;
  size_t rowCount_ = 0;
  bool cutShort_ = false;
  bool lastRowHeadsLead_ = false;
  std::vector<std::unique_ptr<PackedRow[]>> chunks_;
  std::vector<uint64_t> falseBits_;
  std::vector<MusicMark> music_;  // sparse, in row order
  std::vector<std::string> musicTexts_;
  std::map<std::string, uint32_t, std::less<>> musicIndex_;
  std::string musicKey_;
  std::vector<LeadStart> markers_;  // as met; made into leadStarts_ by Finish
  std::vector<LeadStart> leadStarts_;
  std::vector<std::string> methods_;
  std::map<std::string, int32_t, std::less<>> methodIndex_;
  RunResult result_;
  std::string verdict_;
};

// Proves `lines` with a RowsModel watching (the pages are not kept) and
// returns it finished. Safe on any thread; `control` (optional) lets another
// thread stop the run, and is stopped when the touch passes `rowCap` rows.
std::shared_ptr<RowsModel> CollectRows(const std::vector<std::string>& lines, int maxNumberBells,
                                       RunControl* control, int64_t rowCap = RowsModel::DefaultRowCap);

// The leads placed side by side in bands of `columns`, the bands one below
// another. Measured in lines of text: each band has a heading line, the rows
// of its longest lead, and a blank line.
class RowsLayout {
 public:
  RowsLayout() = default;
  RowsLayout(const RowsModel& model, int columns);

  int Columns() const { return columns_; }
  size_t BandCount() const { return bandTop_.empty() ? 0 : bandTop_.size() - 1; }
  int64_t BandTop(size_t band) const { return bandTop_[band]; }
  int64_t TotalLines() const { return bandTop_.empty() ? 0 : bandTop_.back(); }
  size_t FirstLead(size_t band) const { return band * static_cast<size_t>(columns_); }
  size_t EndLead(size_t band) const;
  size_t BandOfLead(size_t lead) const { return lead / static_cast<size_t>(columns_); }
  int ColumnOfLead(size_t lead) const { return static_cast<int>(lead % static_cast<size_t>(columns_)); }
  // The band holding a line (the last band for lines past the end).
  size_t BandAtLine(int64_t line) const;

  static constexpr int HeadingLines = 1;
  static constexpr int GapLines = 1;

 private:
  int columns_ = 1;
  size_t leads_ = 0;
  std::vector<int64_t> bandTop_;  // one more than the bands: the end
};

}  // namespace tolvern::app
