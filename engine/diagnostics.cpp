#include "diagnostics.h"

namespace tolvern {

int ClampMaxNumberBells(long long value) {
  if (value < 12) return 12;
  if (value > 16) return 16;
  return static_cast<int>(value);
}

void Diagnostics::Give(Diagnostic::Kind kind, const std::string& header, const std::string& detail, int64_t line) {
  if (!settings_.DiagnosticOutput) return;
  if (line == LineBeingRead) line = reading_ ? *reading_ + 1 : 0;
  settings_.DiagnosticOutput->Report({kind, line, header, detail});
}

void Diagnostics::ReportError(const std::string& header, const std::string& detail, int64_t line) {
  if (SilentReporting) return;
  Give(Diagnostic::Kind::Error, header, detail, line);
  if (ErrorCount == 10) {
    AppendLine(settings_.ProofOutput, "<< Further error messages suppressed >>");
  } else if (ErrorCount < 10) {
    AppendLine(settings_.ProofOutput, header);
    AppendLine(settings_.ProofOutput, "      " + detail);
    if (ErrorCount == 0) AppendLine(settings_.CompatibleOutput, header);
  }
  ++ErrorCount;
}

void Diagnostics::ReportWarning(const std::string& header, const std::string& detail, int64_t line) {
  if (SilentReporting || ErrorCount != 0) return;
  Give(Diagnostic::Kind::Warning, header, detail, line);
  AppendLine(settings_.ProofOutput, header);
  AppendLine(settings_.ProofOutput, "        " + detail);
  if (settings_.ShowWarning) settings_.ShowWarning(header + '\r' + detail);
}

std::string DefiningNameHeader(int64_t lineNumber) {
  return "Error in defining name on line " + std::to_string(lineNumber) + " of the method description.";
}

std::string PlaceNotationErrorHeader(int64_t lineNumber) {
  return "Error in place notation on line " + std::to_string(lineNumber) + " of the method description.";
}

std::string PlaceNotationWarningHeader(int64_t lineNumber) {
  return "WARNING in place notation on line " + std::to_string(lineNumber) + " of the method description.";
}

}  // namespace tolvern
