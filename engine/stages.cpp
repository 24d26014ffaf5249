#include "stages.h"

namespace tolvern {

namespace {

bool SameIgnoringCase(std::string_view a, std::string_view b) {
  if (a.size() != b.size()) return false;
  for (size_t i = 0; i < a.size(); ++i) {
    const auto lower = [](char c) { return (c >= 'A' && c <= 'Z') ? static_cast<char>(c - 'A' + 'a') : c; };
    if (lower(a[i]) != lower(b[i])) return false;
  }
  return true;
}

}  // namespace

const Stage* StageOfBells(int bells) {
  for (const Stage& stage : Stages)
    if (stage.bells == bells) return &stage;
  return nullptr;
}

const Stage* StageNamed(std::string_view name) {
  for (const Stage& stage : Stages)
    if (SameIgnoringCase(stage.name, name)) return &stage;
  return nullptr;
}

std::string_view ExtensionOfStage(int bells) {
  const Stage* stage = StageOfBells(bells);
  return stage && !stage->extension.empty() ? stage->extension : OtherSirilExtension;
}

bool IsCompositionExtension(std::string_view extension) {
  if (SameIgnoringCase(extension, OtherSirilExtension)) return true;
  for (size_t i = 0; i < StagesWithFiles; ++i)
    if (SameIgnoringCase(extension, StageWithFile(i).extension)) return true;
  return false;
}

}  // namespace tolvern
