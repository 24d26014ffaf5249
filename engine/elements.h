// Composition elements and the definition table.
#pragma once

#include <cstdint>
#include <cstring>
#include <memory>
#include <new>
#include <type_traits>
#include <vector>
#include <string>
#include <string_view>
#include <unordered_map>

#include "rows.h"

namespace tolvern {

// What the prover does with a body element; fixed when the element is made.
enum class ElementKind : uint8_t { Definition, Reference, Change, String, Marker, Null, Other };

// 64 bytes: a body of changes is walked one cache line an element.
struct TCompElement {
  std::string_view Text;  // held by the definition table's text store
  TCompElement* Next = nullptr;
  TCompElement* Link = nullptr;
  uint32_t Places = 0;
  int32_t Repeat = 1;
  int32_t Line = -1;

  ElementKind Kind = ElementKind::Other;
  ChangePermutation Permutation{};  // a change's mask, made ready to ring
};
static_assert(sizeof(TCompElement) == 64);
static_assert(std::is_trivially_destructible_v<TCompElement>, "records are released without running destructors");

// Kind of a body element, told by its link and the first character of Text.
ElementKind KindOfElement(const TCompElement& element);

// Storage for one run's records, released together. Records sit in blocks
// that double in size up to 2 MiB; the large blocks ask for 2 MiB pages, since
// a long composition otherwise spends more time faulting in fresh 4 KiB pages
// than parsing. The blocks are kept for the next run of the engine (up to
// KeptBytes): fresh pages cost a fault and the system's zero-fill each.
class ElementArena {
 public:
  ElementArena() = default;
  ~ElementArena() { Release(0); }
  ElementArena(const ElementArena&) = delete;
  ElementArena& operator=(const ElementArena&) = delete;

  TCompElement& New() { return *new (Room()) TCompElement(); }
  // Room for one record, to be made in place.
  void* Room() {
    if (next_ == end_) NextBlock();
    // Records are written one after another, each a cache line: asking for
    // the lines ahead keeps the writes from waiting on memory.
    __builtin_prefetch(next_ + 8, 1);
    return next_++;
  }
  void Clear() { Release(KeptBytes); }

  static constexpr size_t KeptBytes = size_t{64} << 20;

 private:
  struct Block {
    TCompElement* items;
    size_t capacity;
  };
  void NextBlock();
  // Forgets every record and gives back all blocks past the first `keep` bytes.
  void Release(size_t keep);
  std::vector<Block> blocks_;
  size_t inUse_ = 0;  // blocks handed out in this run
  TCompElement* next_ = nullptr;
  TCompElement* end_ = nullptr;
};

// Storage for the texts of one run's records, released together: texts are
// copied into blocks one after another instead of each into an allocation of
// its own.
class TextStore {
 public:
  TextStore() = default;
  TextStore(const TextStore&) = delete;
  TextStore& operator=(const TextStore&) = delete;

  std::string_view Store(std::string_view text) {
    if (text.size() > left_) NewBlock(text.size());
    char* const at = next_;
    if (!text.empty()) std::memcpy(at, text.data(), text.size());
    next_ += text.size();
    left_ -= text.size();
    return {at, text.size()};
  }
  // Forgets every text; blocks of the usual size are kept for the next run.
  void Clear();

 private:
  // Blocks of 64 KiB; a longer text has one of its own.
  static constexpr size_t BlockBytes = size_t{64} << 10;
  void NewBlock(size_t atLeast);
  struct Block {
    std::unique_ptr<char[]> bytes;
    size_t size;
  };
  std::vector<Block> blocks_;
  size_t inUse_ = 0;
  char* next_ = nullptr;
  size_t left_ = 0;
};

// All records of one run live in one arena and are released together.
class DefinitionTable {
 public:
  DefinitionTable() = default;
  DefinitionTable(const DefinitionTable&) = delete;
  DefinitionTable& operator=(const DefinitionTable&) = delete;

  TCompElement* Head() const { return head_; }
  bool Empty() const { return head_ == nullptr; }

  // The first record whose Text equals `name` exactly, or nullptr.
  TCompElement* FindDefinition(std::string_view name) const;

  // A new record with the given name and line becomes the last of the table.
  TCompElement* AppendDefinition(std::string_view name, int32_t line);

  // A new body element linked after `tail`; it becomes the new tail.
  TCompElement* AppendElement(TCompElement*& tail, std::string_view text, int32_t repeat,
                              TCompElement* link = nullptr, uint32_t places = 0);

  // A new change linked after `tail`, its text stored and its permutation
  // already made.
  TCompElement* AppendChange(TCompElement*& tail, std::string_view storedText, int32_t repeat, uint32_t places,
                             const ChangePermutation& permutation) {
    // Made in place, field by field: a whole record built aside and copied
    // is read back before its parts have reached memory, which stalls.
    TCompElement* change =
        new (arena_.Room()) TCompElement{storedText, nullptr, nullptr, places, repeat, -1, ElementKind::Change, permutation};
    tail->Next = change;
    tail = change;
    return change;
  }

  // Gives a record a new name (the table keeps its order).
  void Rename(TCompElement* record, std::string_view text);

  // Keeps a text for as long as the records.
  std::string_view StoreText(std::string_view text) { return texts_.Store(text); }

  // Releases every record and element of the run.
  void Clear();

 private:
  ElementArena arena_;
  TextStore texts_;
  // Keyed by the records' own names, which the text store holds.
  std::unordered_map<std::string_view, TCompElement*> index_;
  TCompElement* head_ = nullptr;
  TCompElement* last_ = nullptr;
};

// The empty-body element a definition may hold.
inline constexpr const char* NullElementText = "<null>";

}  // namespace tolvern
