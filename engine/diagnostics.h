// Errors and warnings about the composition text.
#pragma once

#include <cstdint>
#include <optional>
#include <string>

#include "outputs.h"

namespace tolvern {

class Diagnostics {
 public:
  explicit Diagnostics(const RunOutputs& outputs) : outputs_(outputs) {}

  // The line a report belongs to: by default the line being read.
  static constexpr int64_t LineBeingRead = -1;

  void ReportError(const std::string& header, const std::string& detail, int64_t line = LineBeingRead);
  void ReportWarning(const std::string& header, const std::string& detail, int64_t line = LineBeingRead);

  // The reader's 0-based line, followed while it reads.
  void FollowReading(const int64_t* zeroBasedLine) { reading_ = zeroBasedLine; }

  int64_t ErrorCount = 0;
  int64_t WarningCount = 0;  // warnings given
  std::optional<Diagnostic> FirstError;
  bool SilentReporting = false;

  // Ready for the next run.
  void Reset() {
    ErrorCount = WarningCount = 0;
    FirstError.reset();
    SilentReporting = false;
  }

 private:
  void Give(Diagnostic::Kind kind, const std::string& header, const std::string& detail, int64_t line);

  const RunOutputs& outputs_;
  const int64_t* reading_ = nullptr;
};

// Headers that name a source line (N is 1-based).
std::string DefiningNameHeader(int64_t lineNumber);
std::string PlaceNotationErrorHeader(int64_t lineNumber);
std::string PlaceNotationWarningHeader(int64_t lineNumber);

inline constexpr const char* StageLineHeader = "The first line in the method description should be 4-12 BELLS.";

}  // namespace tolvern
