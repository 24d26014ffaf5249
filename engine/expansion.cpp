#include "prover.h"

#include <algorithm>
#include <array>
#include <charconv>
#include <limits>
#include <numeric>
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

// The order of a change or block as a permutation: how many times it must be
// rung from a row to come back to that row.
uint64_t OrderOf(const ChangePermutation& change) {
  std::array<bool, 16> seen{};
  uint64_t order = 1;
  for (size_t start = 0; start < 16; ++start) {
    uint64_t length = 0;
    for (size_t at = start; !seen[at]; at = change.source[at]) {
      seen[at] = true;
      ++length;
    }
    if (length > 1) order = std::lcm(order, length);
  }
  return order;
}

// `first` then `then`, as one permutation.
ChangePermutation Then(const ChangePermutation& first, const ChangePermutation& then) {
  TRow row;
  row.bell = first.source;
  return {Permute(row, then).bell};
}

// At most how many different rows the composition rings, and never more than
// the rows the stage has: the size the row register should start at. A block
// rung R times over whose passes come back to their starting row after m of
// them (m the order of the block's permutation) rings at most min(R, m)
// passes' worth of different rows, so a course rung a million times asks for
// one course of room. A definition that refers back to itself counts as endless.
uint64_t ExpectedRows(const TCompElement* composition, int stage) {
  constexpr uint64_t endless = uint64_t{1} << 40;
  uint64_t rowsOfStage = 1;
  for (int bells = 2; bells <= stage && rowsOfStage < endless; ++bells) rowsOfStage *= static_cast<uint64_t>(bells);
  if (!composition) return 0;

  // One pass of a block: at most how many different rows, and, where it is
  // worked out, the permutation of the pass. It is worked out only for blocks
  // rung more than once and what they hold: most texts never need it.
  struct Pass {
    uint64_t rows = 0;
    ChangePermutation permutation{RoundsRow().bell};
    bool known = false;
  };
  enum class State : uint8_t { Open, Done };
  struct Seen {
    State state;
    Pass pass;
    bool permutationSought;
  };
  std::unordered_map<const TCompElement*, Seen> seen;
  struct Visit {
    const TCompElement* definition;
    const TCompElement* element;
    Pass pass;
  };
  std::vector<Visit> path;
  const auto enter = [&](const TCompElement* definition, bool wantPermutation) {
    Pass pass;
    pass.known = wantPermutation;
    seen[definition] = {State::Open, pass, wantPermutation};
    path.push_back({definition, definition->Next, pass});
  };
  const auto add = [&](Pass& total, const Pass& each, int32_t repeat) {
    if (repeat <= 0) return;
    uint64_t passes = static_cast<uint64_t>(repeat);
    uint64_t order = 0;
    if (passes > 1 && each.known) {
      order = OrderOf(each.permutation);
      passes = std::min(passes, order);
    }
    if (total.known) {
      if (!each.known) {
        total.known = false;
      } else {
        const uint64_t times = order == 0 ? 1 : static_cast<uint64_t>(repeat) % order;
        for (uint64_t i = 0; i < times; ++i) total.permutation = Then(total.permutation, each.permutation);
      }
    }
    if (each.rows == 0) return;
    total.rows = (each.rows >= endless / passes) ? endless : std::min(endless, total.rows + each.rows * passes);
  };

  enter(composition, false);
  while (!path.empty()) {
    Visit& visit = path.back();
    if (!visit.element) {
      const Pass pass = visit.pass;
      Seen& done = seen[visit.definition];
      done.state = State::Done;
      done.pass = pass;
      path.pop_back();
      if (!path.empty()) {
        Visit& caller = path.back();
        add(caller.pass, pass, caller.element->Repeat);
        caller.element = caller.element->Next;
      }
      continue;
    }
    const TCompElement& element = *visit.element;
    if (element.Kind == ElementKind::Change) {
      // A run of changes at once: a text may hold millions of them.
      Pass& pass = visit.pass;
      const TCompElement* change = &element;
      for (; change && change->Kind == ElementKind::Change; change = change->Next) {
        if (change->Repeat == 1) {
          if (pass.known) pass.permutation = Then(pass.permutation, change->Permutation);
          if (pass.rows < endless) ++pass.rows;
        } else {
          Pass each;
          each.rows = 1;
          each.permutation = change->Permutation;
          each.known = true;
          add(pass, each, change->Repeat);
        }
      }
      visit.element = change;
      continue;
    } else if (element.Kind == ElementKind::Reference && element.Repeat > 0) {
      const bool wantPermutation = visit.pass.known || element.Repeat > 1;
      const auto found = seen.find(element.Link);
      if (found == seen.end() ||
          (found->second.state == State::Done && wantPermutation && !found->second.permutationSought)) {
        enter(element.Link, wantPermutation);
        continue;
      }
      if (found->second.state == State::Open) {
        Pass open;
        open.rows = endless;
        add(visit.pass, open, element.Repeat);
      } else {
        add(visit.pass, found->second.pass, element.Repeat);
      }
    }
    visit.element = visit.element->Next;
  }
  return std::min(seen[composition].pass.rows, rowsOfStage);
}

}  // namespace

void Prover::ProveTouch(const TCompElement* composition, const PredefinedNames& names, int stage) {
  names_ = names;
  stage_ = stage;

  // No more rows than the change limit allows. A touch that a front end may
  // stop at any moment (the window's Stop and page limits) starts with a
  // table of at most 64 MiB, grown at once to the full size if it fills:
  // stopped early, it holds no more than its rows ask for. Left to run to
  // its end, it has the full table from the start.
  uint64_t expected = ExpectedRows(composition, stage_);
  if (options_.MaxChanges > 0) expected = std::min(expected, static_cast<uint64_t>(options_.MaxChanges));
  RowTable.Clear(expected, outputs_.Control ? uint64_t{3} << 20 : expected);
  Leads.Reset();
  Music.Reset();
  MusicTable.clear();
  MethodTable.clear();
  if (stage_ >= 6) Music.BuildMusicPatterns(names_.PredefinedMusic, stage_, diagnostics_);
  musicFilter_ = Music.Filter();
  if (!options_.ShowMusic || !Music.Counting()) musicFilter_.keys.fill(0);
  musicRows_.clear();
  repeatedRows_.clear();
  musicScan_ = tallyScan_ = false;
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
  Outcome = ProofOutcome::Stopped;
  StopLine.clear();
  stack_.clear();
  idleWork_ = 0;
  conflictInert_ = IsInert(names_.PredefinedConflict);
  everyRowInert_ = IsInert(names_.PredefinedEveryRow);
  roundsInert_ = IsInert(names_.PredefinedRounds);
  observer_ = outputs_.Observer;
  observedLeft_ = options_.MaxObservedRows > 0 ? options_.MaxObservedRows : std::numeric_limits<int64_t>::max();
  ChooseRowPaths();
  changeLimit_ = options_.MaxChanges > 0 ? options_.MaxChanges : std::numeric_limits<int64_t>::max();
  idleLimit_ = options_.MaxIdleWork > 0 ? options_.MaxIdleWork : std::numeric_limits<int64_t>::max();
  pendingCount_ = 0;
  pendingUnit_ = RowRegister::CountUnit(1);
  unmusicalRow_ = 0;
  firstRung_.clear();
  if (observer_) observer_->OnTouchStart(stage_);

  if (composition) ExpandDefinition(composition);
  RegisterPendingRows();
  Leads.CloseLastLead(ChangeCount);
  Halted = false;
  if (!Stopped) GiveVerdict();
  FlushPending();
  TallyRegister();
  WriteReport();
  Leads.Reset();
  stack_.clear();
}

// Inline, the rare cases aside: a touch enters a definition for every lead or so.
inline bool Prover::EnterDefinition(const TCompElement* definition) {
  if ((stack_.size() >= MaxExpansionDepth) | options_.DebugProof) [[unlikely]] {
    if (!EnterDefinitionAside(definition)) return false;
  }
  const TCompElement* first = definition->Next;
  stack_.push_back({first, first ? first->Repeat : 0});
  return true;
}

bool Prover::EnterDefinitionAside(const TCompElement* definition) {
  if (stack_.size() >= MaxExpansionDepth) {
    StopTouch("Expansion too deep: a definition refers to itself without end");
    return false;
  }
  AppendLine(outputs_.ProofOutput, "HEAD Element:" + std::string(definition->Text));
  return true;
}

inline void Prover::CountIdleWork(const TCompElement& element) {
  // What a string prints is at most a small multiple of its text, so a long
  // text counts more: one step more for every 16 characters.
  const bool printed =
      element.Kind == ElementKind::String || element.Kind == ElementKind::Marker || options_.DebugProof;
  idleWork_ += 1 + (printed ? static_cast<int64_t>(element.Text.size() / 16) : 0);
  if ((idleWork_ > idleLimit_) | (outputs_.Control != nullptr)) [[unlikely]]
    CheckIdleWork();
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
    const TCompElement& element = *frame.element;
    if (element.Kind == ElementKind::Change && plainChanges_ && !AtRounds && stack_.size() < MaxExpansionDepth) {
      const bool direct = RowTable.FitsInCache();
      if (outputs_.Control) {
        if (direct) RingPlainChanges<true, true>(base); else RingPlainChanges<true, false>(base);
      } else {
        if (direct) RingPlainChanges<false, true>(base); else RingPlainChanges<false, false>(base);
      }
      if (Halted) {
        stack_.resize(base);
        return;
      }
      continue;
    }
    --frame.remaining;
    if (options_.DebugProof) AppendLine(outputs_.ProofOutput, "Element:" + std::string(element.Text));

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
  if (AtRounds) LeaveRounds();
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
      // Registered, but the touch ends before the music counts it.
      unmusicalRow_ = packed;
      unmusicalUnit_ = RowRegister::CountUnit(ChangeCount);
      RowEventHalt = true;
      return;
    }
  }
  FinishChange(packed);
}

// The first change after rounds: the touch came round, unless it is the start.
void Prover::LeaveRounds() {
  if (ChangeCount > 0) {
    // Built in a kept buffer: a touch may come round a million times.
    std::string& line = roundsLine_;
    line.assign("ROUNDS found after ");
    char digits[24];
    line.append(digits, static_cast<size_t>(std::to_chars(digits, digits + sizeof digits, ChangeCount).ptr - digits));
    line.append(" changes");
    AppendLine(outputs_.ProofOutput, line);
    AppendLine(outputs_.ProgressOutput, line);
  }
  AtRounds = false;
}

// What follows a row once it is registered: the rounds test, ROUNDS and
// EVERYROW, and the limits.
void Prover::FinishChange(uint64_t packedRow) {
  AtRounds = packedRow == PackedRounds;
  if (AtRounds) {
    ExpandRowEvent(names_.PredefinedRounds, roundsInert_);
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
  if (options_.MaxChanges > 0 && ChangeCount >= options_.MaxChanges)
    StopTouch("Proof stopped after " + std::to_string(options_.MaxChanges) + " changes");
  else if (RunControl* control = outputs_.Control) {
    control->PublishChanges(ChangeCount);
    if (control->StopRequested()) StopTouch(control->StopLine());
  }
}

namespace {

// WebAssembly's compilers keep a loop's values in registers only when the
// loop makes no call, so there the rows rung again get a loop of their own
// (RingRepeatedRows); a native compiler does better with the one loop.
#if defined(__wasm__)
constexpr bool RepeatsApart = true;
#else
constexpr bool RepeatsApart = false;
#endif

// The state of RingPlainChanges's run of changes.
struct ChangeRun {
  const TCompElement* change;
  int64_t left;  // repeats left of `change`
  TRow row;
  int64_t count;
  uint64_t unit;  // the parity of the next change
};

// Rings the run's changes, on through the changes that follow, while each row
// is one rung at least twice before (RingAgain), short of rounds and of
// change `lookAt`: where a touch that repeats spends its time. Returns the
// first row that needs more, rung but not registered, with the slot Find gave
// it; or 0 when the changes are all rung. No call in the loop.
inline uint64_t RingRepeatedRows(ChangeRun& run, RowRegister::Ringer& ringer, int64_t lookAt, size_t& at) {
  const TCompElement* change = run.change;
  int64_t left = run.left;
  TRow row = run.row;
  int64_t count = run.count;
  uint64_t unit = run.unit;
  constexpr uint64_t flip = RowRegister::EvenChange ^ RowRegister::OddChange;
  uint64_t packed = 0;
  for (;;) {
    if (left <= 0) {
      const TCompElement* next = change->Next;
      if (!next || next->Kind != ElementKind::Change) break;
      change = next;
      __builtin_prefetch(reinterpret_cast<const char*>(change) + 64 * sizeof(TCompElement));
      left = change->Repeat;
      continue;
    }
    --left;
    row = Permute(row, change->Permutation);
    ++count;
    packed = PackRow(row);
    at = ringer.Find(packed);
    if ((packed == PackedRounds) | (count >= lookAt)) [[unlikely]]
      break;
    if (!ringer.RingAgain(at, packed, unit)) [[unlikely]]
      break;
    unit ^= flip;
    packed = 0;
  }
  run = {change, left, row, count, unit};
  return packed;
}

}  // namespace

// Rings the top frame's change and the changes after it while nothing but
// ringing and counting is asked of them (see plainChanges_), with the run
// state in registers. Between runs of changes it steps through the frames as
// ExpandDefinition would, as long as it meets only the ends of bodies and
// definitions to enter (down to `base`, where ExpandDefinition's own
// expansion ends). It leaves at rounds, at the change limit, at a stop
// request, or at any other element; the row it leaves on is finished as
// RingChange finishes it. `Direct`: the register fits in the caches, so each
// row is registered at once rather than batched (fetching ahead would gain
// nothing there).
template <bool Controlled, bool Direct>
void Prover::RingPlainChanges(size_t base) {
  if (Direct && pendingCount_ > 0) RegisterPendingRows();
  const TCompElement* change = stack_.back().element;
  int64_t left = stack_.back().remaining;
  TRow row = CurrentRow;
  int64_t count = ChangeCount;
  size_t pending = pendingCount_;
  const int64_t limit = changeLimit_;
  RunControl* const control = outputs_.Control;
  RowRegister::Ringer ringer(RowTable);
  constexpr uint64_t flip = RowRegister::EvenChange ^ RowRegister::OddChange;
  uint64_t unit = RowRegister::CountUnit(count + 1);  // the parity of the next change
  // Rows rung again are the changes rung less the rows new to the register,
  // counted when the loop stops rather than with each change.
  int64_t countedFrom = count;
  uint64_t distinctFrom = RowTable.DistinctRows();
  // The change at which to look up: the limit, or a full batch.
  int64_t lookAt = Direct ? limit : std::min<int64_t>(limit, count + static_cast<int64_t>(RowBatch - pending));
  const auto writeBack = [&] {
    CurrentRow = row;
    ChangeCount = count;
    pendingCount_ = pending;
    if (Direct) {
      const uint64_t distinct = RowTable.DistinctRows();
      DuplicateCount += (count - countedFrom) - static_cast<int64_t>(distinct - distinctFrom);
      countedFrom = count;
      distinctFrom = distinct;
      pendingUnit_ = unit;
    }
  };
  for (;;) {
    idleWork_ = 0;
    for (;;) {
      while (left > 0 || (Direct && !Controlled && RepeatsApart)) {
        uint64_t packed;
        size_t at = 0;
        if constexpr (Direct && !Controlled && RepeatsApart) {
          ChangeRun run{change, left, row, count, unit};
          packed = RingRepeatedRows(run, ringer, lookAt, at);
          change = run.change;
          left = run.left;
          row = run.row;
          count = run.count;
          unit = run.unit;
          if (packed == 0) break;
        } else {
          --left;
          row = Permute(row, change->Permutation);
          ++count;
          packed = PackRow(row);
        }
        if constexpr (Direct) {
          const uint64_t before = Controlled || !RepeatsApart ? ringer.Ring(packed, unit) : ringer.RingAt(at, packed, unit);
          unit ^= flip;
          if (before <= 1) [[unlikely]]
            NoteRow(packed, before);
        } else {
          pendingRows_[pending++] = packed;
        }
        bool stop = false;
        if constexpr (Controlled) {
          control->PublishChanges(count);
          stop = control->StopRequested();
        }
        if ((packed == PackedRounds) | (count >= lookAt) | stop) [[unlikely]] {
          writeBack();
          if (!Direct && pending == RowBatch) {
            RegisterPendingRows();
            pending = 0;
            lookAt = std::min<int64_t>(limit, count + static_cast<int64_t>(RowBatch));
          }
          if (packed == PackedRounds || count >= limit || stop) {
            // ROUNDS may enter a definition and move the stack: the frame is
            // written back first.
            stack_.back() = {change, left};
            FinishChange(packed);
            return;
          }
        }
      }
      change = change->Next;
      if (!change || change->Kind != ElementKind::Change) break;
      // The elements of a body are made one after another, so the next ones
      // are most likely just beyond this one: fetch them before they are read.
      __builtin_prefetch(reinterpret_cast<const char*>(change) + 64 * sizeof(TCompElement));
      left = change->Repeat;
    }
    left = change ? change->Repeat : 0;
    // What follows the run, taken as ExpandDefinition takes it while it is
    // the end of a body (back to the frame below) or a definition to enter.
    for (;;) {
      if (!change) {
        stack_.pop_back();
        if (stack_.size() <= base) {
          writeBack();
          return;
        }
        change = stack_.back().element;
        left = stack_.back().remaining;
        continue;
      }
      if (left <= 0) {
        change = change->Next;
        left = change ? change->Repeat : 0;
        continue;
      }
      if (change->Kind == ElementKind::Change) break;
      // Deep enough to be refused, or anything but a definition: the general
      // expansion takes it.
      if (change->Kind != ElementKind::Reference || stack_.size() + 1 >= MaxExpansionDepth) {
        stack_.back() = {change, left};
        writeBack();
        return;
      }
      stack_.back() = {change, left - 1};
      // EnterDefinition's push; its rare cases cannot arise here.
      const TCompElement* first = change->Link->Next;
      stack_.push_back({first, first ? first->Repeat : 0});
      ++idleWork_;  // as CountIdleWork counts a definition entered
      if ((idleWork_ > idleLimit_) | Controlled) {
        writeBack();
        CheckIdleWork();
        if (Halted) return;
      }
      change = first;
      left = first ? first->Repeat : 0;
    }
    stack_.back() = {change, left};
  }
}

void Prover::ExpandRowEvent(const TCompElement* definition, bool inert) {
  // Most touches leave CONFLICT or EVERYROW empty; skip the walk when it could
  // show nothing, not even a trace line or the depth limit.
  if (inert && !options_.DebugProof && stack_.size() < MaxExpansionDepth) return;
  ExpandDefinition(definition);
}

void Prover::MarkLeadHead(const TCompElement& marker) {
  Leads.MarkLeadHead(marker.Text, CurrentRow, ChangeCount);
  if (observer_) observer_->OnLeadHead(marker.Text, ChangeCount);
  CompatibleLine += marker.Text;
  AppendLine(outputs_.CompatibleOutput, CompatibleLine);
  CompatibleLine.clear();
}

void Prover::CheckIdleWork() {
  if (Halted) return;
  if (options_.MaxIdleWork > 0 && idleWork_ > options_.MaxIdleWork)
    StopTouch("Proof stopped: " + std::to_string(options_.MaxIdleWork) + " steps of work with no change rung");
  else if (outputs_.Control && outputs_.Control->StopRequested())
    StopTouch(outputs_.Control->StopLine());
}

void Prover::StopTouch(const std::string& line) {
  StopLine = line;
  AppendLine(outputs_.ProofOutput, line);
  AppendLine(outputs_.ProgressOutput, line);
  Halted = true;
  Stopped = true;
}

}  // namespace tolvern
