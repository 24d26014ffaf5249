#include "run.h"

#include <cstring>
#include <new>

namespace tolvern {

Engine::Engine() : diagnostics_(*this), parser_(*this, diagnostics_, table_), prover_(*this, diagnostics_) {}

namespace {

ProofOutcome OutcomeOf(const Prover& prover) {
  if (prover.Stopped) return ProofOutcome::Stopped;
  switch (prover.Verdict) {
    case ProofVerdict::RoundsFound: return ProofOutcome::RoundsFound;
    case ProofVerdict::Conflicting: return ProofOutcome::Conflicting;
    case ProofVerdict::NotRound: return ProofOutcome::NotRound;
    case ProofVerdict::HaltedAtRow: return ProofOutcome::HaltedAtRow;
    case ProofVerdict::None: break;
  }
  return ProofOutcome::Stopped;
}

}  // namespace

void Engine::ReportFailure(const std::string& line, RunResult& result) {
  AppendLine(ProofOutput, line);
  AppendLine(ProgressOutput, line);
  result.outcome = ProofOutcome::Stopped;
}

RunResult Engine::RunProof(std::span<const std::string> lines) {
  RunResult result;
  try {
    parser_.ParseComposition(lines);
    parser_.ResolveNames();
    result.errors = diagnostics_.ErrorCount;
    if (diagnostics_.ErrorCount <= 0) {
      const int stage = static_cast<int>(parser_.StageBells);
      prover_.ProveTouch(table_.Head(), parser_.Predefined, stage);
      result.outcome = OutcomeOf(prover_);
      result.changes = prover_.ChangeCount;
      result.duplicates = prover_.DuplicateCount;
    } else {
      AppendLine(ProgressOutput, "Errors found; failed to generate composition");
    }
  } catch (const std::bad_alloc&) {
    ReportFailure("Proof stopped: not enough memory", result);
  } catch (const std::exception& failure) {
    ReportFailure(std::string("Proof stopped: ") + failure.what(), result);
  }
  parser_.FreeDefinitions();
  return result;
}

std::vector<std::string> SplitLines(std::string_view bytes) {
  std::vector<std::string> lines;
  const char* const begin = bytes.data();
  const char* const end = begin + bytes.size();
  const auto find = [end](const char* from, char c) {
    if (from == end) return end;  // memchr may not be given the null of an empty view
    const void* at = std::memchr(from, c, static_cast<size_t>(end - from));
    return at ? static_cast<const char*>(at) : end;
  };
  // The next LF and the next CR at or after `start`, each searched for again
  // only once passed: memchr is far faster than a loop over the bytes, and a
  // text with only one kind of line end is not searched to its end each line.
  const char* start = begin;
  const char* lf = find(start, '\n');
  const char* cr = find(start, '\r');
  while (start < end) {
    if (lf < start) lf = find(start, '\n');
    if (cr < start) cr = find(start, '\r');
    if (cr < lf) {
      lines.emplace_back(start, cr);
      start = (cr + 1 == lf) ? lf + 1 : cr + 1;
    } else {
      lines.emplace_back(start, lf);
      start = lf == end ? end : lf + 1;
    }
  }
  return lines;
}

}  // namespace tolvern
