#include "diagnostics.h"

namespace tolvern {

void Diagnostics::Give(Diagnostic::Kind kind, const std::string& header, const std::string& detail, int64_t line) {
  const bool firstError = kind == Diagnostic::Kind::Error && ErrorCount == 0;
  if (!outputs_.DiagnosticOutput && !firstError) return;
  if (line == LineBeingRead) line = reading_ ? *reading_ + 1 : 0;
  if (firstError) FirstError = Diagnostic{kind, line, header, detail};
  if (outputs_.DiagnosticOutput) outputs_.DiagnosticOutput->Report({kind, line, header, detail});
}

void Diagnostics::ReportError(const std::string& header, const std::string& detail, int64_t line) {
  if (SilentReporting) return;
  Give(Diagnostic::Kind::Error, header, detail, line);
  if (ErrorCount == 10) {
    AppendLine(outputs_.ProofOutput, "<< Further error messages suppressed >>");
  } else if (ErrorCount < 10) {
    AppendLine(outputs_.ProofOutput, header);
    AppendLine(outputs_.ProofOutput, "      " + detail);
    if (ErrorCount == 0) AppendLine(outputs_.CompatibleOutput, header);
  }
  ++ErrorCount;
}

void Diagnostics::ReportWarning(const std::string& header, const std::string& detail, int64_t line) {
  if (SilentReporting || ErrorCount != 0) return;
  ++WarningCount;
  Give(Diagnostic::Kind::Warning, header, detail, line);
  AppendLine(outputs_.ProofOutput, header);
  AppendLine(outputs_.ProofOutput, "        " + detail);
  if (outputs_.ShowWarning) outputs_.ShowWarning(header + '\r' + detail);
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
