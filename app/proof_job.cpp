#include "proof_job.h"

#include <algorithm>

namespace tolvern::app {

namespace {

QStringList DecodeLines(const PageLines& page, TextEncoding encoding) {
  QStringList lines;
  for (const std::string& line : page.Lines()) lines << DecodeLine(line, encoding);
  return lines;
}

struct DiagnosticList : DiagnosticSink {
  explicit DiagnosticList(std::vector<Diagnostic>& list) : list(list) {}
  void Report(const Diagnostic& diagnostic) override { list.push_back(diagnostic); }
  std::vector<Diagnostic>& list;
};

std::string JoinLines(const std::vector<std::string>& lines) {
  std::string bytes;
  for (const std::string& line : lines) bytes.append(line).push_back('\n');
  return bytes;
}

}  // namespace

ProofResult RunProofJob(const ProofRequest& request, JobControl& control, const WarningBox& showWarning) {
  ProofResult result;
  const std::string pageFull = PageLimitStopLine(request.pageLineLimit);
  PageLines proof(request.pageLineLimit, &control.run, pageFull);
  PageLines compatible(request.pageLineLimit, &control.run, pageFull);
  const size_t memoLimit = std::min(request.pageLineLimit, MemoLineLimit);
  PageLines progress(memoLimit, &control.run, MemoLimitStopLine(memoLimit));
  {
    DiagnosticList diagnostics(result.diagnostics);
    Engine engine;
    engine.DiagnosticOutput = &diagnostics;
    engine.ProofOutput = &proof;
    engine.CompatibleOutput = &compatible;
    engine.ProgressOutput = &progress;
    engine.DebugParse = request.options.debugParse;
    engine.DebugSymTab = request.options.debugSymTab;
    engine.DebugProof = request.options.debugProof;
    engine.ShowMusic = request.options.showMusic;
    engine.ShowWorkDone = request.options.showWorkDone;
    engine.MaxNumberBells = request.options.maxNumberBells;
    engine.MaxChanges = request.maxChanges;
    engine.ShowWarning = showWarning;
    engine.Control = &control.run;
    result.run = engine.RunProof(request.lines);
  }

  if (request.crossCheck) {
    if (control.userStop.load()) {
      // Stopped before the outside prover could start: it is not started.
      CrossCheckOutcome stopped{};
      stopped.status = CrossCheckOutcome::Status::Stopped;
      stopped.memoLines << kProverStoppedLine;
      result.crossCheck = stopped;
    } else {
      result.crossCheck = RunCrossCheck(*request.crossCheck, request.crossCheckInput,
                                        [&control] { return control.userStop.load(); });
    }
    if (result.crossCheck->status == CrossCheckOutcome::Status::Done) {
      const std::vector<std::string> siril = OutputLines(result.crossCheck->output);
      result.agree = OutputsAgree(siril, compatible.Lines());
      result.siril = MakeDisplayText(JoinLines(siril), request.encoding, false);
    }
  }

  result.progress = DecodeLines(progress, request.encoding);
  result.proof = MakeDisplayText(proof.bytes(), request.encoding, true);
  result.compatible = MakeDisplayText(compatible.bytes(), request.encoding, false);
  return result;
}

}  // namespace tolvern::app
