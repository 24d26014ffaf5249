#include "run.h"

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
  size_t start = 0;
  size_t i = 0;
  while (i < bytes.size()) {
    const char c = bytes[i];
    if (c == '\n' || c == '\r') {
      lines.emplace_back(bytes.substr(start, i - start));
      i += (c == '\r' && i + 1 < bytes.size() && bytes[i + 1] == '\n') ? 2 : 1;
      start = i;
    } else {
      ++i;
    }
  }
  if (start < bytes.size()) lines.emplace_back(bytes.substr(start));
  return lines;
}

}  // namespace tolvern
