#include "prover.h"

#include <algorithm>

namespace tolvern {

uint64_t Prover::TallyRow(uint64_t packedRow) {
  const uint64_t n = RowTable.Ring(packedRow, RowRegister::CountUnit(ChangeCount));
  if (n > 0) ++DuplicateCount;
  NoteRow(packedRow, n);
  return n;
}

void Prover::NoteAside(std::vector<uint64_t>& rows, bool& scan, uint64_t packedRow) {
  if (scan) return;
  // Past an eighth of the register, one pass over it at the end is cheaper.
  if (rows.size() >= RowTable.CapacityBytes() / 128 && rows.size() >= 4096) {
    scan = true;
    rows.clear();
    rows.shrink_to_fit();
    return;
  }
  rows.push_back(packedRow);
}

void Prover::RecordRow(uint64_t packedRow) {
  RegisterPendingRows();
  const uint64_t timesBefore = TallyRow(packedRow);
  if (observer_) ObserveRow(packedRow, timesBefore);
  if (timesBefore > 0) ExpandRowEvent(names_.PredefinedConflict, conflictInert_);
  pendingUnit_ = RowRegister::CountUnit(ChangeCount + 1);
}

void Prover::ObserveRow(uint64_t packedRow, uint64_t timesBefore) {
  if (observedLeft_ == 0) {
    // The observer has all it asked for: the rest of the touch is rung as
    // if none were bound, at full speed and with nothing kept for it.
    observer_ = nullptr;
    firstRung_ = {};
    ChooseRowPaths();
    return;
  }
  --observedLeft_;
  const int64_t first = firstRung_.try_emplace(packedRow, ChangeCount).first->second;
  Music.MatchingPatterns(packedRow, matchedMusic_);
  observer_->OnRow({CurrentRow.bell.data(), stage_, ChangeCount, timesBefore, first, matchedMusic_});
}

void Prover::ChooseRowPaths() {
  deferRows_ = conflictInert_ && !options_.DebugProof && !observer_;
  plainChanges_ = deferRows_ && everyRowInert_;
}

void Prover::RegisterPendingRows() {
  const size_t n = pendingCount_;
  if (n == 0) return;
  RowTable.Reserve(n);
  const uint64_t distinctBefore = RowTable.DistinctRows();
  // Consecutive changes: the parity alternates from the first row waiting.
  uint64_t unit = pendingUnit_;
  constexpr uint64_t flip = RowRegister::EvenChange ^ RowRegister::OddChange;
  if (RowTable.FitsInCache()) {
    for (size_t i = 0; i < n; ++i, unit ^= flip) NoteRow(pendingRows_[i], RowTable.Ring(pendingRows_[i], unit));
  } else {
    constexpr size_t ahead = 32;
    for (size_t i = 0; i < ahead && i < n; ++i) RowTable.Prefetch(pendingRows_[i]);
    for (size_t i = 0; i < n; ++i, unit ^= flip) {
      if (i + ahead < n) RowTable.Prefetch(pendingRows_[i + ahead]);
      NoteRow(pendingRows_[i], RowTable.Ring(pendingRows_[i], unit));
    }
  }
  DuplicateCount += static_cast<int64_t>(n - (RowTable.DistinctRows() - distinctBefore));
  pendingUnit_ = unit;
  pendingCount_ = 0;
}

void Prover::TallyRegister() {
  RowTally.fill(0);
  MaxRepetitions = 0;
  RowTally[0] = static_cast<int64_t>(RowTable.DistinctRows());
  const bool music = options_.ShowMusic && Music.Counting();
  const bool tally = DuplicateCount > 0;
  // rows[k]: rows rung exactly k + 1 times, the last entry for the rest.
  std::array<int64_t, 100> rows{};
  uint64_t most = 1;
  const auto tallyRow = [&](uint64_t times) {
    ++rows[times - 1 < rows.size() ? times - 1 : rows.size() - 1];
    if (times > most) most = times;
  };
  if ((tally && tallyScan_) || (music && musicScan_)) {
    const bool scanTally = tally && tallyScan_;
    MusicAnalysis::RowFilter filter;  // with no music, no row passes
    filter.keys.fill(0);
    if (music && musicScan_) filter = Music.Filter();
    RowTable.ForEachSlot([&](uint64_t row, uint64_t even, uint64_t odd) {
      if (scanTally && even + odd > 1) [[unlikely]]
        tallyRow(even + odd);
      if (filter.Passes(row)) [[unlikely]]
        Music.CountRow(row, even, odd);
    });
  }
  uint64_t even = 0, odd = 0;
  if (tally && !tallyScan_) {
    for (const uint64_t row : repeatedRows_) {
      RowTable.CountsOf(row, even, odd);
      tallyRow(even + odd);
    }
  }
  if (music && !musicScan_) {
    for (const uint64_t row : musicRows_) {
      RowTable.CountsOf(row, even, odd);
      Music.CountRow(row, even, odd);
    }
  }
  MaxRepetitions = tally ? most - 1 : 0;
  // A row rung t times was "rung at least n + 1 times" for every n < t.
  int64_t atLeast = 0;
  for (size_t k = rows.size() - 1; k >= 1; --k) {
    atLeast += rows[k];
    RowTally[k] = atLeast;
  }
  if (music && unmusicalRow_ != 0) Music.UncountRow(unmusicalRow_, unmusicalUnit_ == RowRegister::OddChange);
}

void Prover::GiveVerdict() {
  if (!RowEventHalt) {
    if (DuplicateCount > 0) {
      Outcome = ProofOutcome::Conflicting;
      AppendLine(outputs_.ProgressOutput, "Conflicting rows were found");
      ExpandDefinition(names_.PredefinedFalse);
    } else if (AtRounds) {
      Outcome = ProofOutcome::RoundsFound;
      AppendLine(outputs_.ProgressOutput, "Rounds were found");
      ExpandDefinition(names_.PredefinedTrue);
    } else {
      Outcome = ProofOutcome::NotRound;
      AppendLine(outputs_.ProgressOutput, "Rounds were NOT found as last change of composition");
      ExpandDefinition(names_.PredefinedNotRound);
    }
  } else if (AtRounds) {
    AppendLine(outputs_.ProgressOutput, "Rounds were found");
    // Rows repeated earlier (CONFLICT without "$$") still make the touch false.
    Outcome = DuplicateCount > 0 ? ProofOutcome::HaltedAtRow : ProofOutcome::RoundsFound;
  } else {
    Outcome = ProofOutcome::HaltedAtRow;
  }
}

}  // namespace tolvern
