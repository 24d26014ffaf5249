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
#include "document_text.h"
#include "engine.h"
#include "page_text.h"
#include "rows_model.h"

namespace tolvern::app {

struct ProofRequest {
  std::vector<std::string> lines;  // the editor's lines, as bytes in `encoding`
  TextEncoding encoding = TextEncoding::Utf8;
  RunOptions options;
  std::optional<CrossCheckSetup> crossCheck;
  QByteArray crossCheckInput;  // the text as Save writes it
  size_t pageLineLimit = DefaultPageLineLimit;
  // The rows view is open: the proof also keeps its rows for it.
  bool collectRows = false;
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
  // Where the proof page shows them: the page's line (from 0) of each header
  // shown, and the text's line (from 1) it belongs to.
  struct MessageLine {
    size_t pageLine;
    int64_t textLine;
  };
  std::vector<MessageLine> messageLines;
  std::shared_ptr<const RowsModel> rows;  // when collected
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
