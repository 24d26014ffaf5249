// Composition elements and the definition table.
#pragma once

#include <cstdint>
#include <vector>
#include <string>
#include <string_view>
#include <unordered_map>

#include "rows.h"

namespace tolvern {

// What the prover does with a body element; fixed when the element is made.
enum class ElementKind : uint8_t { Definition, Reference, Change, String, Marker, Null, Other };

struct TCompElement {
  std::string Text;
  TCompElement* Next = nullptr;
  TCompElement* Link = nullptr;
  uint32_t Places = 0;
  int32_t Repeat = 1;
  int32_t Line = -1;

  ElementKind Kind = ElementKind::Other;
  ChangePermutation Permutation{};  // a change's mask, made ready to ring
};

// Kind of a body element, told by its link and the first character of Text.
ElementKind KindOfElement(const TCompElement& element);

// Storage for one run's records, released together. Records sit in blocks
// that double in size up to 2 MiB; the large blocks ask for 2 MiB pages, since
// a long composition otherwise spends more time faulting in fresh 4 KiB pages
// than parsing.
class ElementArena {
 public:
  ElementArena() = default;
  ~ElementArena() { Clear(); }
  ElementArena(const ElementArena&) = delete;
  ElementArena& operator=(const ElementArena&) = delete;

  TCompElement& New();
  void Clear();

 private:
  struct Block {
    TCompElement* items;
    size_t used;
    size_t capacity;
  };
  std::vector<Block> blocks_;
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
  TCompElement* AppendElement(TCompElement*& tail, std::string text, int32_t repeat,
                              TCompElement* link = nullptr, uint32_t places = 0);

  // Gives a record a new name (the table keeps its order).
  void Rename(TCompElement* record, std::string text);

  // Releases every record and element of the run.
  void Clear();

 private:
  ElementArena arena_;
  std::unordered_map<std::string, TCompElement*> index_;
  TCompElement* head_ = nullptr;
  TCompElement* last_ = nullptr;
};

}  // namespace tolvern
