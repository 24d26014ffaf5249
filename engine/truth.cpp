#include "truth.h"

#include <cstring>

#include "expansion.h"

namespace tolvern {

namespace {
constexpr size_t InitialCapacity = 1024;
constexpr size_t KeptCapacity = 1 << 16;
}  // namespace

RowRegister::RowRegister() { Allocate(InitialCapacity); }

void RowRegister::Allocate(size_t capacity) {
  slots_ = std::make_unique<Slot[]>(capacity);  // value-initialised: every slot empty
  mask_ = capacity - 1;
  shift_ = 64;
  for (size_t c = capacity; c > 1; c >>= 1) --shift_;
  growAt_ = capacity / 4 * 3;
  count_ = 0;
}

void RowRegister::Clear() {
  if (mask_ + 1 <= KeptCapacity) {
    std::memset(static_cast<void*>(slots_.get()), 0, (mask_ + 1) * sizeof(Slot));
    count_ = 0;
  } else {
    slots_.reset();
    Allocate(InitialCapacity);
  }
}

uint64_t RowRegister::Insert(size_t at, uint64_t row) {
  if (count_ + 1 > growAt_) {
    Grow();
    at = SlotOf(row);
    while (slots_[at].row != 0) at = (at + 1) & mask_;
  }
  slots_[at] = {row, 1};
  ++count_;
  return 0;
}

void RowRegister::Grow() {
  std::unique_ptr<Slot[]> old = std::move(slots_);
  const size_t oldCapacity = mask_ + 1;
  const uint64_t kept = count_;
  Allocate(oldCapacity * 2);
  for (size_t i = 0; i < oldCapacity; ++i) {
    if (old[i].row == 0) continue;
    size_t at = SlotOf(old[i].row);
    while (slots_[at].row != 0) at = (at + 1) & mask_;
    slots_[at] = old[i];
  }
  count_ = kept;
}

void Prover::RecordRow(uint64_t packedRow) {
  const uint64_t n = RowTable.Ring(packedRow);
  if (n > MaxRepetitions) MaxRepetitions = n;
  if (n < RowTally.size()) ++RowTally[n];
  if (n > 0) {
    ++DuplicateCount;
    ExpandRowEvent(names_.PredefinedConflict, conflictInert_);
  }
}

void Prover::GiveVerdict() {
  if (!RowEventHalt) {
    if (DuplicateCount > 0) {
      Verdict = ProofVerdict::Conflicting;
      AppendLine(settings_.ProgressOutput, "Conflicting rows were found");
      ExpandDefinition(names_.PredefinedFalse);
    } else if (AtRounds) {
      Verdict = ProofVerdict::RoundsFound;
      AppendLine(settings_.ProgressOutput, "Rounds were found");
      ExpandDefinition(names_.PredefinedTrue);
    } else {
      Verdict = ProofVerdict::NotRound;
      AppendLine(settings_.ProgressOutput, "Rounds were NOT found as last change of composition");
      ExpandDefinition(names_.PredefinedNotRound);
    }
  } else if (AtRounds) {
    Verdict = ProofVerdict::RoundsFound;
    AppendLine(settings_.ProgressOutput, "Rounds were found");
  } else {
    Verdict = ProofVerdict::HaltedAtRow;
  }
}

}  // namespace tolvern
