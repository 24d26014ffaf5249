// What a run found, as data. Every front end decides from these values (exit
// statuses, check lines, marks, the rows view, JSON); none reads a printed
// line back to learn them.
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

#include "outputs.h"

namespace tolvern {

enum class ProofOutcome {
  Refused,      // errors were counted; nothing proved
  RoundsFound,  // the verdict line was "Rounds were found"
  Conflicting,  // "Conflicting rows were found"
  NotRound,     // "Rounds were NOT found as last change of composition"
  HaltedAtRow,  // halted by CONFLICT, ROUNDS or EVERYROW away from rounds (no verdict
                // line), or at rounds after repeated rows: not true
  Stopped,      // stopped in order by a limit, or by a failure: no verdict
};

struct RunResult {
  ProofOutcome outcome = ProofOutcome::Refused;
  int64_t changes = 0;
  int64_t duplicates = 0;  // rows rung again
  int64_t errors = 0;
  int64_t diagnostics = 0;  // errors counted and warnings given
  std::optional<Diagnostic> firstError;
  std::string stopLine;  // what a stopped touch wrote; empty otherwise
};

// The verdict in a word, as `tolvern check` prints it: "true", "false",
// "not round", "errors" or "stopped".
std::string_view VerdictWord(const RunResult& result);

// The first error in a line: its header, a space, and its detail.
std::string FirstErrorText(const Diagnostic& error);

}  // namespace tolvern
