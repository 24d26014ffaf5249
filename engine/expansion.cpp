#include "expansion.h"

namespace tolvern {

namespace {

// A definition whose expansion does nothing but (with the Proof trace) write
// its head line: every element is taken zero times.
bool IsInert(const TCompElement* definition) {
  if (!definition) return true;
  for (const TCompElement* element = definition->Next; element; element = element->Next)
    if (element->Repeat > 0) return false;
  return true;
}

}  // namespace

void Prover::ProveTouch(const TCompElement* composition, const PredefinedNames& names, int stage) {
  names_ = names;
  stage_ = stage;

  RowTable.Clear();
  Leads.Reset();
  Music.Reset();
  if (stage_ >= 6) Music.BuildMusicPatterns(names_.PredefinedMusic, stage_, diagnostics_);
  RowTally.fill(0);
  MaxRepetitions = 0;
  ChangeCount = 0;
  DuplicateCount = 0;
  CurrentRow = RoundsRow();
  ProofLine.clear();
  CompatibleLine.clear();
  Halted = false;
  AtRounds = true;
  RowEventHalt = false;
  Stopped = false;
  Verdict = ProofVerdict::None;
  stack_.clear();
  idleWork_ = 0;
  conflictInert_ = IsInert(names_.PredefinedConflict);
  everyRowInert_ = IsInert(names_.PredefinedEveryRow);
  deferRows_ = conflictInert_ && !settings_.DebugProof;
  pendingCount_ = 0;

  if (composition) ExpandDefinition(composition);
  RegisterPendingRows();
  Leads.CloseLastLead(ChangeCount);
  Halted = false;
  if (!Stopped) GiveVerdict();
  FlushPending();
  WriteReport();
  Leads.Reset();
  stack_.clear();
}

bool Prover::EnterDefinition(const TCompElement* definition) {
  if (stack_.size() >= MaxExpansionDepth) {
    StopTouch("Expansion too deep: a definition refers to itself without end");
    return false;
  }
  if (settings_.DebugProof) AppendLine(settings_.ProofOutput, "HEAD Element:" + definition->Text);
  const TCompElement* first = definition->Next;
  stack_.push_back({first, first ? first->Repeat : 0});
  return true;
}

void Prover::ExpandDefinition(const TCompElement* definition) {
  if (!definition) return;
  const size_t base = stack_.size();
  if (!EnterDefinition(definition)) return;

  while (stack_.size() > base) {
    Frame& frame = stack_.back();
    if (!frame.element) {
      stack_.pop_back();
      continue;
    }
    if (frame.remaining <= 0) {
      frame.element = frame.element->Next;
      frame.remaining = frame.element ? frame.element->Repeat : 0;
      continue;
    }
    --frame.remaining;
    const TCompElement& element = *frame.element;
    if (settings_.DebugProof) AppendLine(settings_.ProofOutput, "Element:" + element.Text);

    switch (element.Kind) {
      case ElementKind::Reference: EnterDefinition(element.Link); break;
      case ElementKind::String: PrintString(element); break;
      case ElementKind::Marker: MarkLeadHead(element); break;
      case ElementKind::Change: RingChange(element); break;
      default: break;
    }
    if (element.Kind != ElementKind::Change) CountIdleWork(element);
    if (Halted) {
      // A halt unwinds every level of this expansion at once.
      stack_.resize(base);
      return;
    }
  }
}

void Prover::RingChange(const TCompElement& change) {
  if (AtRounds) {
    if (ChangeCount > 0) {
      const std::string line = "ROUNDS found after " + std::to_string(ChangeCount) + " changes";
      AppendLine(settings_.ProofOutput, line);
      AppendLine(settings_.ProgressOutput, line);
    }
    AtRounds = false;
  }
  CurrentRow = Permute(CurrentRow, change.Permutation);
  ++ChangeCount;
  idleWork_ = 0;
  const uint64_t packed = PackRow(CurrentRow);

  if (deferRows_ && stack_.size() < MaxExpansionDepth) {
    pendingRows_[pendingCount_++] = packed;
    if (pendingCount_ == RowBatch) RegisterPendingRows();
  } else {
    RecordRow(packed);
    if (Halted) {
      RowEventHalt = true;
      return;
    }
  }
  Music.MatchMusic(packed, ChangeCount);
  AtRounds = packed == PackedRounds;
  if (AtRounds) {
    ExpandDefinition(names_.PredefinedRounds);
    if (Halted) {
      RowEventHalt = true;
      return;
    }
  }
  ExpandRowEvent(names_.PredefinedEveryRow, everyRowInert_);
  if (Halted) {
    RowEventHalt = true;
    return;
  }
  if (settings_.MaxChanges > 0 && ChangeCount >= settings_.MaxChanges)
    StopTouch("Proof stopped after " + std::to_string(settings_.MaxChanges) + " changes");
}

void Prover::ExpandRowEvent(const TCompElement* definition, bool inert) {
  // Most touches leave CONFLICT or EVERYROW empty; skip the walk when it could
  // show nothing, not even a trace line or the depth limit.
  if (inert && !settings_.DebugProof && stack_.size() < MaxExpansionDepth) return;
  ExpandDefinition(definition);
}

void Prover::MarkLeadHead(const TCompElement& marker) {
  Leads.MarkLeadHead(marker.Text, CurrentRow, ChangeCount);
  CompatibleLine += marker.Text;
  AppendLine(settings_.CompatibleOutput, CompatibleLine);
  CompatibleLine.clear();
}

void Prover::CountIdleWork(const TCompElement& element) {
  // What a string prints is at most a small multiple of its text, so a long
  // text counts more: one step more for every 16 characters.
  const bool printed =
      element.Kind == ElementKind::String || element.Kind == ElementKind::Marker || settings_.DebugProof;
  idleWork_ += 1 + (printed ? static_cast<int64_t>(element.Text.size() / 16) : 0);
  if (settings_.MaxIdleWork > 0 && idleWork_ > settings_.MaxIdleWork && !Halted)
    StopTouch("Proof stopped: " + std::to_string(settings_.MaxIdleWork) + " steps of work with no change rung");
}

void Prover::StopTouch(const std::string& line) {
  AppendLine(settings_.ProofOutput, line);
  AppendLine(settings_.ProgressOutput, line);
  Halted = true;
  Stopped = true;
}

}  // namespace tolvern
