// The row register: how often each row has been rung in this touch.
#pragma once

#include <cstddef>
#include <cstdint>
#include <unordered_map>

namespace tolvern {

// Open addressing over packed rows (64 bits, never 0 for a real row), each
// slot holding the row and how often it was rung on even and on odd changes,
// 32 bits each. The music and repetition tallies are worked out from the
// register at the end of the touch instead of with every change.
class RowRegister {
  struct Slot {
    uint64_t row;
    uint64_t rung;  // even changes in the low half, odd in the high half
  };

 public:
  // What one ringing adds to a slot's count: one in the half of its parity.
  static constexpr uint64_t EvenChange = 1;
  static constexpr uint64_t OddChange = uint64_t{1} << 32;
  static uint64_t CountUnit(int64_t change) { return (change & 1) ? OddChange : EvenChange; }

  RowRegister();
  ~RowRegister();
  RowRegister(const RowRegister&) = delete;
  RowRegister& operator=(const RowRegister&) = delete;

  // One more ringing of `packedRow` (`unit` tells the change's parity);
  // returns how often it was rung before.
  uint64_t Ring(uint64_t packedRow, uint64_t unit) {
    size_t at = SlotOf(packedRow);
    for (;;) {
      Slot& slot = slots_[at];
      if (slot.row == packedRow) {
        const uint64_t rung = slot.rung;
        if (rung & ManyBits) [[unlikely]]
          return RingMany(slot, unit);
        slot.rung = rung + unit;
        return (rung & HalfMask) + (rung >> 32);
      }
      if (slot.row == 0) return Insert(at, packedRow, unit);
      at = (at + 1) & mask_;
    }
  }

  // The table's place and size held for a tight loop of ringings, so that
  // they are not read again with each; good until the table grows, which
  // only a new row can make it do (Ring then refreshes it).
  class Ringer {
   public:
    explicit Ringer(RowRegister& table) : table_(table) { Refresh(); }
    uint64_t Ring(uint64_t packedRow, uint64_t unit) {
      size_t at = static_cast<size_t>((packedRow * HashFactor) >> shift_);
      for (;;) {
        Slot& slot = slots_[at];
        if (slot.row == packedRow) {
          const uint64_t rung = slot.rung;
          if (rung & ManyBits) [[unlikely]]
            return table_.RingMany(slot, unit);
          slot.rung = rung + unit;
          return (rung & HalfMask) + (rung >> 32);
        }
        if (slot.row == 0) {
          table_.InsertApart(at, packedRow, unit);
          Refresh();
          return 0;
        }
        at = (at + 1) & mask_;
      }
    }

    // The slot of `packedRow`, or the empty one where it would go.
    size_t Find(uint64_t packedRow) const {
      size_t at = static_cast<size_t>((packedRow * HashFactor) >> shift_);
      while (slots_[at].row != packedRow && slots_[at].row != 0) at = (at + 1) & mask_;
      return at;
    }
    // Ring, given the slot Find gave.
    uint64_t RingAt(size_t at, uint64_t packedRow, uint64_t unit) {
      Slot& slot = slots_[at];
      if (slot.row == 0) {
        table_.InsertApart(at, packedRow, unit);
        Refresh();
        return 0;
      }
      const uint64_t rung = slot.rung;
      if (rung & ManyBits) [[unlikely]]
        return table_.RingMany(slot, unit);
      slot.rung = rung + unit;
      return (rung & HalfMask) + (rung >> 32);
    }
    // Ring for a row rung at least twice before whose counts stay small, in
    // the slot Find gave: the common case of a touch that repeats, with no
    // call. False, and nothing rung, for any other row.
    bool RingAgain(size_t at, uint64_t packedRow, uint64_t unit) {
      Slot& slot = slots_[at];
      const uint64_t rung = slot.rung;
      if ((slot.row != packedRow) | ((rung & ManyBits) != 0) | ((rung & HalfMask) + (rung >> 32) < 2)) return false;
      slot.rung = rung + unit;
      return true;
    }

   private:
    void Refresh() {
      slots_ = table_.slots_;
      mask_ = table_.mask_;
      shift_ = table_.shift_;
    }
    RowRegister& table_;
    Slot* slots_;
    size_t mask_;
    int shift_;
  };

  // Makes room for `more` new rows, so that ringing them never grows the table.
  void Reserve(size_t more) {
    while (count_ + more > growAt_) Grow();
  }

  // Starts fetching the slot of `packedRow` from memory.
  void Prefetch(uint64_t packedRow) const { __builtin_prefetch(&slots_[SlotOf(packedRow)]); }

  // Empties the register, sized for about `expectedRows` rows, up to 256 MiB:
  // growing costs more than a table made big enough at once. It is made for
  // at most `rowsAtOnce` of them now, and grows to the rest at once when that
  // fills. A table of another size is given back to the system.
  void Clear(uint64_t expectedRows = 0, uint64_t rowsAtOnce = UINT64_MAX);

  uint64_t DistinctRows() const { return count_; }
  size_t CapacityBytes() const { return (mask_ + 1) * sizeof(Slot); }
  // Small enough to stay in the processor's caches: fetching ahead gains nothing.
  bool FitsInCache() const { return CapacityBytes() <= (size_t{256} << 10); }

  // Calls f(packedRow, evenCount, oddCount) for every slot, an empty one as
  // row 0 rung no times: a test of whether each slot is taken would be
  // mispredicted for a good share of them.
  template <typename F>
  void ForEachSlot(F&& f) const {
    for (size_t i = 0; i <= mask_; ++i) {
      const Slot& slot = slots_[i];
      if (slot.rung & ManyBits) [[unlikely]] {
        const auto found = many_.find(slot.row);
        if (found != many_.end()) {
          f(slot.row, found->second.even, found->second.odd);
          continue;
        }
      }
      f(slot.row, slot.rung & HalfMask, slot.rung >> 32);
    }
  }

  // How often a row has been rung on even and on odd changes (0 and 0 for a
  // row never rung).
  void CountsOf(uint64_t packedRow, uint64_t& even, uint64_t& odd) const;

  // Sets how often a row has been rung, as if it had been rung that often;
  // lets tests reach counts that take minutes to ring.
  void SetCounts(uint64_t packedRow, uint64_t even, uint64_t odd);

 private:
  struct Counts {
    uint64_t even;
    uint64_t odd;
  };
  static constexpr uint64_t HalfMask = 0xFFFFFFFFULL;
  // A half at 2^31 or more moves the row's counts to many_, which has room
  // for any count; the slot then keeps these bits as its mark.
  static constexpr uint64_t ManyBits = 0x8000000080000000ULL;

  static constexpr uint64_t HashFactor = 0x9E3779B97F4A7C15ULL;
  size_t SlotOf(uint64_t row) const { return static_cast<size_t>((row * HashFactor) >> shift_); }
  uint64_t Insert(size_t at, uint64_t row, uint64_t unit);
  // The same, out of line: the tight loop of a Ringer is faster without it.
  void InsertApart(size_t at, uint64_t row, uint64_t unit);
  uint64_t RingMany(Slot& slot, uint64_t unit);
  void Grow();
  void Allocate(size_t capacity);
  void Release();

  Slot* slots_ = nullptr;
  bool mapped_ = false;  // slots_ came from mmap, not malloc
  size_t mask_ = 0;
  int shift_ = 64;
  uint64_t count_ = 0;
  size_t growAt_ = 0;
  size_t expectedCapacity_ = 0;  // what the first growth grows to
  std::unordered_map<uint64_t, Counts> many_;
};

// Inline in Ring: a new row is the common case of a true touch.
inline uint64_t RowRegister::Insert(size_t at, uint64_t row, uint64_t unit) {
  if (count_ + 1 > growAt_) [[unlikely]] {
    Grow();
    at = SlotOf(row);
    while (slots_[at].row != 0) at = (at + 1) & mask_;
  }
  slots_[at] = {row, unit};
  ++count_;
  return 0;
}

}  // namespace tolvern
