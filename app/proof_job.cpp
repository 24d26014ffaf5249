#include "proof_job.h"

#include <algorithm>

namespace tolvern::app {

namespace {

QStringList DecodeLines(const PageLines& page, TextEncoding encoding) {
  QStringList lines;
  for (const std::string& line : page.Lines()) lines << DecodeLine(line, encoding);
  return lines;
}

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
    DiagnosticList diagnostics;
    RunOutputs outputs;
    outputs.DiagnosticOutput = &diagnostics;
    outputs.ProofOutput = &proof;
    outputs.CompatibleOutput = &compatible;
    outputs.ProgressOutput = &progress;
    outputs.ShowWarning = showWarning;
    outputs.Control = &control.run;
    Engine engine(request.options, outputs);
    result.run = engine.RunProof(request.lines);
    result.diagnostics = std::move(diagnostics.list);
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
