// The engine: one object holds one run's state, so engines can prove side by
// side. The front end fills the options and outputs and calls RunProof.
#pragma once

#include <span>
#include <string>
#include <string_view>
#include <vector>

#include "diagnostics.h"
#include "elements.h"
#include "prover.h"
#include "outputs.h"
#include "parser.h"
#include "run_options.h"
#include "run_result.h"

namespace tolvern {

class Engine {
 public:
  explicit Engine(const RunOptions& options = {}, const RunOutputs& outputs = {});
  Engine(const Engine&) = delete;
  Engine& operator=(const Engine&) = delete;

  // What the next run is asked to do, and where its output goes; they may be
  // changed between runs.
  RunOptions Options;
  RunOutputs Outputs;

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
