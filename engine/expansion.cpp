#include "expansion.h"

#include <algorithm>
#include <unordered_map>

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

// At most how many changes the composition rings if nothing stops it, and
// never more than the rows the stage has: the size the row register should
// start at. A definition that refers back to itself counts as endless.
uint64_t ExpectedRows(const TCompElement* composition, int stage) {
  constexpr uint64_t endless = uint64_t{1} << 40;
  uint64_t rowsOfStage = 1;
  for (int bells = 2; bells <= stage && rowsOfStage < endless; ++bells) rowsOfStage *= static_cast<uint64_t>(bells);
  if (!composition) return 0;

  enum class State : uint8_t { Open, Done };
  std::unordered_map<const TCompElement*, std::pair<State, uint64_t>> seen;
  struct Visit {
    const TCompElement* definition;
    const TCompElement* element;
    uint64_t changes;
  };
  std::vector<Visit> path{{composition, composition->Next, 0}};
  seen[composition] = {State::Open, 0};
  const auto add = [&](uint64_t& total, uint64_t each, int32_t repeat) {
    if (repeat <= 0 || each == 0) return;
    const uint64_t times = static_cast<uint64_t>(repeat);
    total = (each >= endless / times) ? endless : std::min(endless, total + each * times);
  };
  while (!path.empty()) {
    Visit& visit = path.back();
    if (!visit.element) {
      const uint64_t changes = visit.changes;
      seen[visit.definition] = {State::Done, changes};
      path.pop_back();
      if (!path.empty()) {
        Visit& caller = path.back();
        add(caller.changes, changes, caller.element->Repeat);
        caller.element = caller.element->Next;
      }
      continue;
    }
    const TCompElement& element = *visit.element;
    if (element.Kind == ElementKind::Change) {
      add(visit.changes, 1, element.Repeat);
    } else if (element.Kind == ElementKind::Reference && element.Repeat > 0) {
      const auto found = seen.find(element.Link);
      if (found == seen.end()) {
        seen[element.Link] = {State::Open, 0};
        path.push_back({element.Link, element.Link->Next, 0});
        continue;
      }
      add(visit.changes, found->second.first == State::Open ? endless : found->second.second, element.Repeat);
    }
    visit.element = visit.element->Next;
  }
  return std::min(seen[composition].second, rowsOfStage);
}

}  // namespace

void Prover::ProveTouch(const TCompElement* composition, const PredefinedNames& names, int stage) {
  names_ = names;
  stage_ = stage;

  RowTable.Clear(ExpectedRows(composition, stage_));
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
  deferRows_ = conflictInert_ && !settings_.DebugProof && !settings_.Observer;
  pendingCount_ = 0;
  firstRung_.clear();
  if (settings_.Observer) settings_.Observer->OnTouchStart(stage_);

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
  else if (RunControl* control = settings_.Control) {
    control->PublishChanges(ChangeCount);
    if (control->StopRequested()) StopTouch(control->StopLine());
  }
}

void Prover::ExpandRowEvent(const TCompElement* definition, bool inert) {
  // Most touches leave CONFLICT or EVERYROW empty; skip the walk when it could
  // show nothing, not even a trace line or the depth limit.
  if (inert && !settings_.DebugProof && stack_.size() < MaxExpansionDepth) return;
  ExpandDefinition(definition);
}

void Prover::MarkLeadHead(const TCompElement& marker) {
  Leads.MarkLeadHead(marker.Text, CurrentRow, ChangeCount);
  if (settings_.Observer) settings_.Observer->OnLeadHead(marker.Text, ChangeCount);
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
  if (Halted) return;
  if (settings_.MaxIdleWork > 0 && idleWork_ > settings_.MaxIdleWork)
    StopTouch("Proof stopped: " + std::to_string(settings_.MaxIdleWork) + " steps of work with no change rung");
  else if (settings_.Control && settings_.Control->StopRequested())
    StopTouch(settings_.Control->StopLine());
}

void Prover::StopTouch(const std::string& line) {
  AppendLine(settings_.ProofOutput, line);
  AppendLine(settings_.ProgressOutput, line);
  Halted = true;
  Stopped = true;
}

}  // namespace tolvern
