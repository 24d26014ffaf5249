// The row register: how often each row has been rung in this touch.
#pragma once

#include <cstddef>
#include <cstdint>
#include <memory>

namespace tolvern {

// Open addressing over packed rows (64 bits, never 0 for a real row), each
// slot holding the row and the number of times it has been rung.
class RowRegister {
 public:
  RowRegister();

  // One more ringing of `packedRow`; returns how often it was rung before.
  uint64_t Ring(uint64_t packedRow) {
    size_t at = SlotOf(packedRow);
    for (;;) {
      Slot& slot = slots_[at];
      if (slot.row == packedRow) return slot.rung++;
      if (slot.row == 0) return Insert(at, packedRow);
      at = (at + 1) & mask_;
    }
  }

  // Makes room for `more` new rows, so that ringing them never grows the table.
  void Reserve(size_t more) {
    while (count_ + more > growAt_) Grow();
  }

  // Starts fetching the slot of `packedRow` from memory.
  void Prefetch(uint64_t packedRow) const { __builtin_prefetch(&slots_[SlotOf(packedRow)]); }

  // Empties the register, sized for about `expectedRows` rows (growing costs
  // more than a table made big enough at once); a table of another size is
  // given back to the system.
  void Clear(uint64_t expectedRows = 0);

  uint64_t DistinctRows() const { return count_; }
  size_t CapacityBytes() const { return (mask_ + 1) * sizeof(Slot); }

 private:
  struct Slot {
    uint64_t row;
    uint64_t rung;
  };
  size_t SlotOf(uint64_t row) const { return static_cast<size_t>((row * 0x9E3779B97F4A7C15ULL) >> shift_); }
  uint64_t Insert(size_t at, uint64_t row);
  void Grow();
  void Allocate(size_t capacity);

  struct FreeSlots {
    void operator()(Slot* slots) const;
  };
  std::unique_ptr<Slot[], FreeSlots> slots_;
  size_t mask_ = 0;
  int shift_ = 64;
  uint64_t count_ = 0;
  size_t growAt_ = 0;
};

}  // namespace tolvern
