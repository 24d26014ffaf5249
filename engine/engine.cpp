#include "engine.h"

#include <cstring>
#include <new>

namespace tolvern {

Engine::Engine(const RunOptions& options, const RunOutputs& outputs)
    : Options(options),
      Outputs(outputs),
      diagnostics_(Outputs),
      parser_(Options, Outputs, diagnostics_, table_),
      prover_(Options, Outputs, diagnostics_) {}

void Engine::ReportFailure(const std::string& line, RunResult& result) {
  AppendLine(Outputs.ProofOutput, line);
  AppendLine(Outputs.ProgressOutput, line);
  result.outcome = ProofOutcome::Stopped;
  result.stopLine = line;
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
      result.outcome = prover_.Outcome;
      result.stopLine = prover_.StopLine;
      result.changes = prover_.ChangeCount;
      result.duplicates = prover_.DuplicateCount;
    } else {
      AppendLine(Outputs.ProgressOutput, "Errors found; failed to generate composition");
    }
  } catch (const std::bad_alloc&) {
    ReportFailure("Proof stopped: not enough memory", result);
  } catch (const std::exception& failure) {
    ReportFailure(std::string("Proof stopped: ") + failure.what(), result);
  }
  result.diagnostics = diagnostics_.ErrorCount + diagnostics_.WarningCount;
  result.firstError = diagnostics_.FirstError;
  parser_.FreeDefinitions();
  return result;
}

std::string_view VerdictWord(const RunResult& result) {
  switch (result.outcome) {
    case ProofOutcome::RoundsFound: return result.duplicates == 0 ? "true" : "false";
    case ProofOutcome::Conflicting: return "false";
    // Halted away from rounds: false when a row repeated, else cut short.
    case ProofOutcome::HaltedAtRow: return result.duplicates > 0 ? "false" : "not round";
    case ProofOutcome::NotRound: return "not round";
    case ProofOutcome::Stopped: return "stopped";
    case ProofOutcome::Refused: break;
  }
  return "errors";
}

std::string FirstErrorText(const Diagnostic& error) {
  const size_t start = error.detail.find_first_not_of(" \t");
  return error.header + " " + (start == std::string::npos ? std::string() : error.detail.substr(start));
}

int ClampMaxNumberBells(long long value) {
  if (value < 12) return 12;
  if (value > 16) return 16;
  return static_cast<int>(value);
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
