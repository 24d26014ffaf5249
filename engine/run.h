// The engine: one object holds one run's state, so engines can prove side by
// side. The front end binds the outputs, sets the options and calls RunProof.
#pragma once

#include <cstdint>
#include <span>
#include <string>
#include <vector>

#include "diagnostics.h"
#include "elements.h"
#include "expansion.h"
#include "reader.h"
#include "settings.h"

namespace tolvern {

enum class ProofOutcome {
  Refused,      // errors were counted; nothing proved
  RoundsFound,  // the verdict line was "Rounds were found"
  Conflicting,  // "Conflicting rows were found"
  NotRound,     // "Rounds were NOT found as last change of composition"
  HaltedAtRow,  // halted by CONFLICT, ROUNDS or EVERYROW away from rounds
  Stopped,      // stopped in order by a limit, or by a failure
};

struct RunResult {
  ProofOutcome outcome = ProofOutcome::Refused;
  int64_t changes = 0;
  int64_t duplicates = 0;
  int64_t errors = 0;
};

class Engine : public RunSettings {
 public:
  Engine();
  Engine(const Engine&) = delete;
  Engine& operator=(const Engine&) = delete;

  RunResult RunProof(std::span<const std::string> lines);

  // The stages, reachable for tests and tools.
  Diagnostics& diagnostics() { return diagnostics_; }
  Parser& parser() { return parser_; }
  Prover& prover() { return prover_; }
  DefinitionTable& table() { return table_; }

 private:
  void ReportFailure(const std::string& line, RunResult& result);

  Diagnostics diagnostics_;
  DefinitionTable table_;
  Parser parser_;
  Prover prover_;
};

// Splits a file's bytes into lines at CRLF, LF or CR; a line end at the very
// end does not start another line.
std::vector<std::string> SplitLines(std::string_view bytes);

}  // namespace tolvern
