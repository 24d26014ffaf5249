#include "truth.h"

#include <cstdlib>
#include <cstring>
#include <new>

#if defined(__linux__)
#include <sys/mman.h>
#endif

#include "expansion.h"

namespace tolvern {

namespace {
constexpr size_t InitialCapacity = 1024;
// A table made at once holds at most this many rows; beyond, it grows.
constexpr uint64_t MaxPresetRows = uint64_t{1} << 19;
constexpr size_t HugePage = size_t{2} << 20;
}  // namespace

RowRegister::RowRegister() { Allocate(InitialCapacity); }

void RowRegister::FreeSlots::operator()(Slot* slots) const { std::free(slots); }

void RowRegister::Allocate(size_t capacity) {
  const size_t bytes = capacity * sizeof(Slot);
  void* memory = nullptr;
  if (bytes >= HugePage) {
    // A large register is put on 2 MiB pages where the system allows it: each
    // 4 KiB page touched for the first time costs a fault, and a register of
    // millions of rows would otherwise spend more time faulting than proving.
    memory = std::aligned_alloc(HugePage, bytes);
#if defined(__linux__) && defined(MADV_HUGEPAGE)
    if (memory) madvise(memory, bytes, MADV_HUGEPAGE);
#endif
  } else {
    memory = std::malloc(bytes);
  }
  if (!memory) throw std::bad_alloc();
  std::memset(memory, 0, bytes);  // every slot empty
  slots_.reset(static_cast<Slot*>(memory));
  mask_ = capacity - 1;
  shift_ = 64;
  for (size_t c = capacity; c > 1; c >>= 1) --shift_;
  growAt_ = capacity / 4 * 3;
  count_ = 0;
}

void RowRegister::Clear(uint64_t expectedRows) {
  size_t capacity = InitialCapacity;
  const uint64_t wanted = expectedRows < MaxPresetRows ? expectedRows : MaxPresetRows;
  while (capacity / 4 * 3 < wanted) capacity *= 2;
  // A growth that ran out of memory leaves no table behind: make a new one.
  if (slots_ && mask_ + 1 == capacity) {
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
  const auto old = std::move(slots_);
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

uint64_t Prover::TallyRow(uint64_t packedRow) {
  const uint64_t n = RowTable.Ring(packedRow);
  if (n > MaxRepetitions) MaxRepetitions = n;
  if (n < RowTally.size()) ++RowTally[n];
  if (n > 0) ++DuplicateCount;
  return n;
}

void Prover::RecordRow(uint64_t packedRow) {
  RegisterPendingRows();
  const uint64_t timesBefore = TallyRow(packedRow);
  if (settings_.Observer) ObserveRow(packedRow, timesBefore);
  if (timesBefore > 0) ExpandRowEvent(names_.PredefinedConflict, conflictInert_);
}

void Prover::ObserveRow(uint64_t packedRow, uint64_t timesBefore) {
  const int64_t first = firstRung_.try_emplace(packedRow, ChangeCount).first->second;
  Music.MatchingPatterns(packedRow, matchedMusic_);
  settings_.Observer->OnRow({CurrentRow.bell.data(), stage_, ChangeCount, timesBefore, first, matchedMusic_});
}

void Prover::RegisterPendingRows() {
  if (pendingCount_ == 0) return;
  constexpr size_t ahead = 32;
  RowTable.Reserve(pendingCount_);
  for (size_t i = 0; i < ahead && i < pendingCount_; ++i) RowTable.Prefetch(pendingRows_[i]);
  for (size_t i = 0; i < pendingCount_; ++i) {
    if (i + ahead < pendingCount_) RowTable.Prefetch(pendingRows_[i + ahead]);
    TallyRow(pendingRows_[i]);
  }
  pendingCount_ = 0;
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
    AppendLine(settings_.ProgressOutput, "Rounds were found");
    // Rows repeated earlier (CONFLICT without "$$") still make the touch false.
    Verdict = DuplicateCount > 0 ? ProofVerdict::HaltedAtRow : ProofVerdict::RoundsFound;
  } else {
    Verdict = ProofVerdict::HaltedAtRow;
  }
}

}  // namespace tolvern
