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

void ElementArena::NextBlock() {
  if (inUse_ < blocks_.size()) {
    const Block& block = blocks_[inUse_++];
    next_ = block.items;
    end_ = block.items + block.capacity;
    return;
  }
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
    // A cache line an element.
    memory = std::aligned_alloc(64, bytes);
  }
  if (!memory) throw std::bad_alloc();
  blocks_.push_back({static_cast<TCompElement*>(memory), capacity});
  inUse_ = blocks_.size();
  next_ = blocks_.back().items;
  end_ = next_ + capacity;
}

void ElementArena::Release(size_t keep) {
  size_t kept = 0, i = 0;
  for (; i < blocks_.size() && kept + blocks_[i].capacity * sizeof(TCompElement) <= keep; ++i)
    kept += blocks_[i].capacity * sizeof(TCompElement);
  for (size_t j = i; j < blocks_.size(); ++j) std::free(blocks_[j].items);
  blocks_.resize(i);
  inUse_ = 0;
  next_ = end_ = nullptr;
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

void TextStore::NewBlock(size_t atLeast) {
  if (atLeast <= BlockBytes && inUse_ < blocks_.size() && blocks_[inUse_].size == BlockBytes) {
    next_ = blocks_[inUse_++].bytes.get();
    left_ = BlockBytes;
    return;
  }
  const size_t bytes = std::max(atLeast, BlockBytes);
  // Left uninitialised, as make_unique_for_overwrite would (not every
  // standard library has it yet: WebAssembly's libc++ does not).
  Block block{std::unique_ptr<char[]>(new char[bytes]), bytes};
  next_ = block.bytes.get();
  left_ = bytes;
  if (inUse_ < blocks_.size()) {
    // Out of order: keep the blocks in use first.
    blocks_.insert(blocks_.begin() + static_cast<std::ptrdiff_t>(inUse_), std::move(block));
  } else {
    blocks_.push_back(std::move(block));
  }
  ++inUse_;
}

void TextStore::Clear() {
  // Texts of their own size (a line of a megabyte) are not worth keeping.
  std::erase_if(blocks_, [](const Block& block) { return block.size != BlockBytes; });
  if (blocks_.size() * BlockBytes > ElementArena::KeptBytes) blocks_.resize(ElementArena::KeptBytes / BlockBytes);
  inUse_ = 0;
  next_ = nullptr;
  left_ = 0;
}

TCompElement* DefinitionTable::FindDefinition(std::string_view name) const {
  const auto found = index_.find(name);
  return found == index_.end() ? nullptr : found->second;
}

TCompElement* DefinitionTable::AppendDefinition(std::string_view name, int32_t line) {
  TCompElement& record = arena_.New();
  record.Text = texts_.Store(name);
  record.Repeat = 1;
  record.Line = line;
  record.Kind = ElementKind::Definition;
  if (last_) last_->Link = &record; else head_ = &record;
  last_ = &record;
  index_.emplace(record.Text, &record);
  return &record;
}

TCompElement* DefinitionTable::AppendElement(TCompElement*& tail, std::string_view text, int32_t repeat,
                                             TCompElement* link, uint32_t places) {
  TCompElement& element = arena_.New();
  element.Text = texts_.Store(text);
  element.Link = link;
  element.Places = places;
  element.Repeat = repeat;
  element.Line = -1;
  element.Kind = KindOfElement(element);
  tail->Next = &element;
  tail = &element;
  return &element;
}

void DefinitionTable::Rename(TCompElement* record, std::string_view text) {
  const auto found = index_.find(record->Text);
  if (found != index_.end() && found->second == record) index_.erase(found);
  record->Text = texts_.Store(text);
  index_.emplace(record->Text, record);
}

void DefinitionTable::Clear() {
  index_.clear();
  arena_.Clear();
  texts_.Clear();
  head_ = last_ = nullptr;
}

}  // namespace tolvern
