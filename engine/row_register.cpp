#include "row_register.h"

#include <algorithm>
#include <array>
#include <cstdlib>
#include <cstring>
#include <new>

#if defined(__linux__)
#include <sys/mman.h>
#endif

namespace tolvern {

namespace {
constexpr size_t InitialCapacity = 1024;
// A table is made for at most this many slots (256 MiB); beyond, it grows by
// doubling.
constexpr size_t MaxExpectedCapacity = size_t{1} << 24;

// The least table that holds `rows` rows at three quarters full.
size_t CapacityFor(uint64_t rows, size_t most) {
  size_t capacity = InitialCapacity;
  while (capacity < most && capacity / 4 * 3 < rows) capacity *= 2;
  return capacity;
}
// Zero-filled memory for `bytes`. A large table comes straight from the
// system, already zero and put on 2 MiB pages where the system allows it:
// each 4 KiB page touched for the first time costs a fault, and clearing the
// table again would only repeat what the system did.
void* ZeroedMemory(size_t bytes, bool& mapped) {
#if defined(__linux__)
  constexpr size_t HugePage = size_t{2} << 20;
  if (bytes >= HugePage) {
    // Over-allocate so that the table can start on a 2 MiB boundary.
    const size_t span = bytes + HugePage;
    void* memory = mmap(nullptr, span, PROT_READ | PROT_WRITE, MAP_PRIVATE | MAP_ANONYMOUS, -1, 0);
    if (memory == MAP_FAILED) throw std::bad_alloc();
    const uintptr_t start = reinterpret_cast<uintptr_t>(memory);
    const uintptr_t aligned = (start + HugePage - 1) & ~(uintptr_t{HugePage} - 1);
    if (aligned > start) munmap(memory, aligned - start);
    const uintptr_t end = start + span;
    if (end > aligned + bytes) munmap(reinterpret_cast<void*>(aligned + bytes), end - (aligned + bytes));
#if defined(MADV_HUGEPAGE)
    madvise(reinterpret_cast<void*>(aligned), bytes, MADV_HUGEPAGE);
#endif
    mapped = true;
    return reinterpret_cast<void*>(aligned);
  }
#endif
  void* memory = std::calloc(bytes, 1);
  if (!memory) throw std::bad_alloc();
  mapped = false;
  return memory;
}

// Gives back what ZeroedMemory gave.
void FreeMemory(void* memory, size_t bytes, bool mapped) {
#if defined(__linux__)
  if (mapped) {
    munmap(memory, bytes);
    return;
  }
#endif
  (void)bytes;
  (void)mapped;
  std::free(memory);
}

}  // namespace

RowRegister::RowRegister() { Allocate(InitialCapacity); }

RowRegister::~RowRegister() { Release(); }

void RowRegister::Release() {
  if (slots_) FreeMemory(slots_, (mask_ + 1) * sizeof(Slot), mapped_);
  slots_ = nullptr;
}

void RowRegister::Allocate(size_t capacity) {
  bool mapped = false;
  Slot* slots = static_cast<Slot*>(ZeroedMemory(capacity * sizeof(Slot), mapped));
  Release();
  slots_ = slots;
  mapped_ = mapped;
  mask_ = capacity - 1;
  shift_ = 64;
  for (size_t c = capacity; c > 1; c >>= 1) --shift_;
  growAt_ = capacity / 4 * 3;
  count_ = 0;
}

void RowRegister::Clear(uint64_t expectedRows, uint64_t rowsAtOnce) {
  const size_t capacity = CapacityFor(std::min(expectedRows, rowsAtOnce), MaxExpectedCapacity);
  expectedCapacity_ = CapacityFor(expectedRows, MaxExpectedCapacity);
  many_.clear();
  if (slots_ && mask_ + 1 == capacity) {
    if (count_ > 0) std::memset(static_cast<void*>(slots_), 0, capacity * sizeof(Slot));
    count_ = 0;
  } else {
    // Never both tables at once: the old one goes back first.
    Release();
    Allocate(capacity);
  }
}

void RowRegister::InsertApart(size_t at, uint64_t row, uint64_t unit) { Insert(at, row, unit); }

uint64_t RowRegister::RingMany(Slot& slot, uint64_t unit) {
  const auto [found, added] = many_.try_emplace(slot.row);
  Counts& counts = found->second;
  if (added) {
    counts = {slot.rung & HalfMask, slot.rung >> 32};
    slot.rung = ManyBits;
  }
  const uint64_t before = counts.even + counts.odd;
  if (unit == EvenChange) ++counts.even; else ++counts.odd;
  return before;
}

void RowRegister::CountsOf(uint64_t packedRow, uint64_t& even, uint64_t& odd) const {
  even = odd = 0;
  for (size_t at = SlotOf(packedRow); slots_[at].row != 0; at = (at + 1) & mask_) {
    if (slots_[at].row != packedRow) continue;
    const uint64_t rung = slots_[at].rung;
    if (rung & ManyBits) {
      const auto found = many_.find(packedRow);
      if (found != many_.end()) {
        even = found->second.even;
        odd = found->second.odd;
        return;
      }
    }
    even = rung & HalfMask;
    odd = rung >> 32;
    return;
  }
}

void RowRegister::SetCounts(uint64_t packedRow, uint64_t even, uint64_t odd) {
  Reserve(1);
  size_t at = SlotOf(packedRow);
  while (slots_[at].row != 0 && slots_[at].row != packedRow) at = (at + 1) & mask_;
  if (slots_[at].row == 0) {
    slots_[at].row = packedRow;
    ++count_;
  }
  many_.erase(packedRow);
  if (even < (uint64_t{1} << 31) && odd < (uint64_t{1} << 31)) {
    slots_[at].rung = even | odd << 32;
  } else {
    many_[packedRow] = {even, odd};
    slots_[at].rung = ManyBits;
  }
}

void RowRegister::Grow() {
  Slot* const old = slots_;
  const bool oldMapped = mapped_;
  const size_t oldCapacity = mask_ + 1;
  const uint64_t kept = count_;
  slots_ = nullptr;  // kept in `old` until the rows are moved
  try {
    Allocate(std::max(oldCapacity * 2, expectedCapacity_));
  } catch (...) {
    slots_ = old;
    mapped_ = oldMapped;
    throw;
  }
  for (size_t i = 0; i < oldCapacity; ++i) {
    if (old[i].row == 0) continue;
    size_t at = SlotOf(old[i].row);
    while (slots_[at].row != 0) at = (at + 1) & mask_;
    slots_[at] = old[i];
  }
  count_ = kept;
  FreeMemory(old, oldCapacity * sizeof(Slot), oldMapped);
}

}  // namespace tolvern
