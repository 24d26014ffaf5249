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
    // A diagnostic is written to the proof page just after it is given: its
    // header there, its detail below. Errors past the tenth are not shown.
    struct Diagnostics : DiagnosticSink {
      Diagnostics(ProofResult& result, const PageLines& proof) : result(result), proof(proof) {}
      void Report(const Diagnostic& diagnostic) override {
        result.diagnostics.push_back(diagnostic);
        const bool shown = diagnostic.kind == Diagnostic::Kind::Warning || errors++ < 10;
        if (shown && diagnostic.line > 0) result.messageLines.push_back({proof.lineCount(), diagnostic.line});
      }
      ProofResult& result;
      const PageLines& proof;
      int errors = 0;
    } diagnostics(result, proof);
    RunOutputs outputs;
    outputs.DiagnosticOutput = &diagnostics;
    outputs.ProofOutput = &proof;
    outputs.CompatibleOutput = &compatible;
    outputs.ProgressOutput = &progress;
    outputs.ShowWarning = showWarning;
    outputs.Control = &control.run;
    RunOptions options = request.options;
    std::shared_ptr<RowsModel> rows;
    if (request.collectRows) {
      // The rows view keeps at most its cap; the proof itself goes on.
      rows = std::make_shared<RowsModel>();
      outputs.Observer = rows.get();
      options.MaxObservedRows = rows->RowCap();
    }
    Engine engine(options, outputs);
    result.run = engine.RunProof(request.lines);
    if (rows) {
      rows->Finish(result.run);
      result.rows = std::move(rows);
    }
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
