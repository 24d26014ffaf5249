#include "elements.h"

#include <algorithm>
#include <cstdlib>
#include <new>

#if defined(__linux__)
#include <sys/mman.h>
#endif

namespace tolvern {

namespace {
constexpr size_t FirstBlock = 64;
constexpr size_t LargeBlockBytes = size_t{2} << 20;
}  // namespace

TCompElement& ElementArena::New() {
  if (blocks_.empty() || blocks_.back().used == blocks_.back().capacity) {
    const size_t previous = blocks_.empty() ? FirstBlock / 2 : blocks_.back().capacity;
    const size_t capacity = std::min(previous * 2, LargeBlockBytes / sizeof(TCompElement));
    const size_t bytes = capacity * sizeof(TCompElement);
    void* memory = nullptr;
    if (bytes * 2 > LargeBlockBytes) {
      memory = std::aligned_alloc(LargeBlockBytes, LargeBlockBytes);
#if defined(__linux__) && defined(MADV_HUGEPAGE)
      if (memory) madvise(memory, LargeBlockBytes, MADV_HUGEPAGE);
#endif
    } else {
      memory = std::aligned_alloc(alignof(TCompElement), bytes);
    }
    if (!memory) throw std::bad_alloc();
    blocks_.push_back({static_cast<TCompElement*>(memory), 0, capacity});
  }
  Block& block = blocks_.back();
  return *new (block.items + block.used++) TCompElement();
}

void ElementArena::Clear() {
  for (Block& block : blocks_) {
    for (size_t i = 0; i < block.used; ++i) block.items[i].~TCompElement();
    std::free(block.items);
  }
  blocks_.clear();
}

ElementKind KindOfElement(const TCompElement& element) {
  if (element.Link) return ElementKind::Reference;
  if (element.Text.empty()) return ElementKind::Other;
  switch (element.Text[0]) {
    case '"': return ElementKind::String;
    case '[': return ElementKind::Marker;
    case '#': return ElementKind::Change;
    default: return element.Text == "<null>" ? ElementKind::Null : ElementKind::Other;
  }
}

TCompElement* DefinitionTable::FindDefinition(std::string_view name) const {
  const auto found = index_.find(std::string(name));
  return found == index_.end() ? nullptr : found->second;
}

TCompElement* DefinitionTable::AppendDefinition(std::string_view name, int32_t line) {
  TCompElement& record = arena_.New();
  record.Text = std::string(name);
  record.Repeat = 1;
  record.Line = line;
  record.Kind = ElementKind::Definition;
  if (last_) last_->Link = &record; else head_ = &record;
  last_ = &record;
  index_.emplace(record.Text, &record);
  return &record;
}

TCompElement* DefinitionTable::AppendElement(TCompElement*& tail, std::string text, int32_t repeat,
                                             TCompElement* link, uint32_t places) {
  TCompElement& element = arena_.New();
  element.Text = std::move(text);
  element.Link = link;
  element.Places = places;
  element.Repeat = repeat;
  element.Line = -1;
  element.Kind = KindOfElement(element);
  tail->Next = &element;
  tail = &element;
  return &element;
}

void DefinitionTable::Rename(TCompElement* record, std::string text) {
  const auto found = index_.find(record->Text);
  if (found != index_.end() && found->second == record) index_.erase(found);
  record->Text = std::move(text);
  index_.emplace(record->Text, record);
}

void DefinitionTable::Clear() {
  index_.clear();
  arena_.Clear();
  head_ = last_ = nullptr;
}

}  // namespace tolvern
