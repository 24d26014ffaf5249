// One Prove command's work off the window's thread: the engine's run on a
// snapshot of the text, then the outside prover when the cross-check is on,
// and the pages made ready for the editors. Nothing here touches a widget.
#pragma once

#include <QByteArray>
#include <QStringList>
#include <atomic>
#include <optional>
#include <string>
#include <vector>

#include "cross_check.h"
#include "documents.h"
#include "page_text.h"
#include "engine.h"

namespace tolvern::app {

struct ProofRequest {
  std::vector<std::string> lines;  // the editor's lines, as bytes in `encoding`
  TextEncoding encoding = TextEncoding::Utf8;
  RunOptions options;
  std::optional<CrossCheckSetup> crossCheck;
  QByteArray crossCheckInput;  // the text as Save writes it
  size_t pageLineLimit = DefaultPageLineLimit;
};

struct ProofResult {
  RunResult run;
  DisplayText proof;
  DisplayText compatible;
  QStringList progress;
  std::optional<CrossCheckOutcome> crossCheck;
  DisplayText siril;
  bool agree = false;
  std::vector<Diagnostic> diagnostics;  // every error and warning, with its line
};

inline constexpr const char* UserStopLine = "Proof stopped by the user";

// What a running job shares with the window: Stop and the changes rung.
struct JobControl {
  RunControl run;
  std::atomic<bool> userStop{false};

  // Also ends the outside prover, if it is running.
  void Stop(const std::string& line = UserStopLine) {
    userStop.store(true);
    run.RequestStop(line);
  }
};

ProofResult RunProofJob(const ProofRequest& request, JobControl& control, const WarningBox& showWarning);

}  // namespace tolvern::app
