// The prover: rings the composition from rounds and reports on it.
#pragma once

#include <array>
#include <cstdint>
#include <string>
#include <string_view>
#include <unordered_map>
#include <vector>

#include "diagnostics.h"
#include "elements.h"
#include "leads.h"
#include "music.h"
#include "parser.h"
#include "rows.h"
#include "run_result.h"
#include "outputs.h"
#include "run_options.h"
#include "row_register.h"

namespace tolvern {

// At most this many definition expansions may be in progress at once.
inline constexpr size_t MaxExpansionDepth = 100000;

class Prover {
 public:
  Prover(const RunOptions& options, const RunOutputs& outputs, Diagnostics& diagnostics)
      : options_(options), outputs_(outputs), diagnostics_(diagnostics) {}

  void ProveTouch(const TCompElement* composition, const PredefinedNames& names, int stage);

  // Run state, readable after the proof.
  TRow CurrentRow = RoundsRow();
  int64_t ChangeCount = 0;
  int64_t DuplicateCount = 0;
  bool Halted = false;
  bool AtRounds = true;
  bool RowEventHalt = false;
  bool Stopped = false;  // ended in order by a limit: no verdict
  ProofOutcome Outcome = ProofOutcome::Stopped;
  std::string StopLine;  // the line a stopped touch wrote

  RowRegister RowTable;
  std::array<int64_t, 100> RowTally{};
  uint64_t MaxRepetitions = 0;

  MusicAnalysis Music;
  LeadList Leads;

  std::string ProofLine;
  std::string CompatibleLine;

 private:
  struct Frame {
    const TCompElement* element;
    int64_t remaining;  // repeats left of `element`
  };

  void ExpandDefinition(const TCompElement* definition);
  bool EnterDefinition(const TCompElement* definition);
  bool EnterDefinitionAside(const TCompElement* definition);
  void RingChange(const TCompElement& change);
  void FinishChange(uint64_t packedRow);
  void LeaveRounds();
  template <bool Controlled, bool Direct>
  void RingPlainChanges(size_t base);
  void ExpandRowEvent(const TCompElement* definition, bool inert);
  void MarkLeadHead(const TCompElement& marker);
  void StopTouch(const std::string& line);
  void CountIdleWork(const TCompElement& element);
  void CheckIdleWork();

  // strings
  void PrintString(const TCompElement& element);
  void FlushLines();
  void FlushPending();

  // truth
  void RecordRow(uint64_t packedRow);
  void ObserveRow(uint64_t packedRow, uint64_t timesBefore);
  uint64_t TallyRow(uint64_t packedRow);
  // Notes a row just registered, if the report must read it back.
  void NoteRow(uint64_t packedRow, uint64_t timesBefore) {
    if (timesBefore == 0) {
      if (musicFilter_.Passes(packedRow)) [[unlikely]]
        NoteAside(musicRows_, musicScan_, packedRow);
    } else if (timesBefore == 1) [[unlikely]] {
      NoteAside(repeatedRows_, tallyScan_, packedRow);
    }
  }
  void NoteAside(std::vector<uint64_t>& rows, bool& scan, uint64_t packedRow);
  void RegisterPendingRows();
  void TallyRegister();
  void GiveVerdict();

  // report
  void WriteReport();
  void WriteRepetitionBlock();

  const RunOptions& options_;
  const RunOutputs& outputs_;
  Diagnostics& diagnostics_;
  PredefinedNames names_;
  int stage_ = 0;
  std::vector<Frame> stack_;
  bool conflictInert_ = false;
  // While CONFLICT can show nothing, rows wait here and are registered in
  // batches whose slots are fetched ahead: a touch of new rows is otherwise
  // bound by one cache miss a row. Anything that could read the tallies
  // (a printed string, the verdict) registers them first.
  static constexpr size_t RowBatch = 512;
  std::array<uint64_t, RowBatch> pendingRows_{};
  size_t pendingCount_ = 0;
  uint64_t pendingUnit_ = RowRegister::OddChange;  // the parity of the first row waiting
  bool deferRows_ = false;
  bool everyRowInert_ = false;
  bool roundsInert_ = false;
  // Changes need nothing but ringing and counting: no trace, no row event
  // that can show anything, no observer. They are then rung in a tight loop.
  bool plainChanges_ = false;
  int64_t changeLimit_ = 0;  // MaxChanges, or no limit
  int64_t idleLimit_ = 0;    // MaxIdleWork, or no limit
  // Rows the report reads back from the register: new rows that may be
  // music (the filter lets them by) and rows rung a second time. Far fewer
  // than the register's slots, except in touches that repeat or match a lot;
  // past a share of the register the report passes over all of it instead.
  MusicAnalysis::RowFilter musicFilter_;
  std::vector<uint64_t> musicRows_;
  std::vector<uint64_t> repeatedRows_;
  bool musicScan_ = false;
  bool tallyScan_ = false;
  // A row registered but halted by CONFLICT before the music saw it.
  uint64_t unmusicalRow_ = 0;
  uint64_t unmusicalUnit_ = 0;
  int64_t idleWork_ = 0;  // since the last change
  std::string roundsLine_;

  void ChooseRowPaths();

  // Kept only while a row observer is bound and wants rows.
  RowObserver* observer_ = nullptr;
  int64_t observedLeft_ = 0;
  std::unordered_map<uint64_t, int64_t> firstRung_;
  std::vector<std::string_view> matchedMusic_;
};

// The report's number format: pads `text` on the left to `width` characters;
// a longer text stays whole.
std::string RightJustify(const std::string& text, size_t width = 4);

}  // namespace tolvern
