#include "elements.h"

namespace tolvern {

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
  TCompElement& record = arena_.emplace_back();
  record.Text = std::string(name);
  record.Repeat = 1;
  record.Line = line;
  record.Kind = ElementKind::Definition;
  if (last_) last_->Link = &record; else head_ = &record;
  last_ = &record;
  ++records_;
  index_.emplace(record.Text, &record);
  return &record;
}

TCompElement* DefinitionTable::AppendElement(TCompElement*& tail, std::string text, int32_t repeat,
                                             TCompElement* link, uint32_t places) {
  TCompElement& element = arena_.emplace_back();
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
  arena_.clear();
  head_ = last_ = nullptr;
  records_ = 0;
}

}  // namespace tolvern
