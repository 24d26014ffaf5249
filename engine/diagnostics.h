// Errors and warnings about the composition text.
#pragma once

#include <cstdint>
#include <string>

#include "settings.h"

namespace tolvern {

class Diagnostics {
 public:
  explicit Diagnostics(const RunSettings& settings) : settings_(settings) {}

  void ReportError(const std::string& header, const std::string& detail);
  void ReportWarning(const std::string& header, const std::string& detail);

  int64_t ErrorCount = 0;
  bool SilentReporting = false;

 private:
  const RunSettings& settings_;
};

// Headers that name a source line (N is 1-based).
std::string DefiningNameHeader(int64_t lineNumber);
std::string PlaceNotationErrorHeader(int64_t lineNumber);
std::string PlaceNotationWarningHeader(int64_t lineNumber);

inline constexpr const char* StageLineHeader = "The first line in the method description should be 4-12 BELLS.";

}  // namespace tolvern
