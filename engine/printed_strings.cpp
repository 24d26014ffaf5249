#include "prover.h"

namespace tolvern {

void Prover::PrintString(const TCompElement& element) {
  RegisterPendingRows();  // "$" prints the count of repeated rows so far
  const std::string_view text = element.Text;
  const size_t length = text.size();
  // Characters strictly between the opening and the closing quote.
  for (size_t i = 1; i + 1 < length; ++i) {
    const char c = text[i];
    switch (c) {
      case '@':
        AppendRowText(ProofLine, CurrentRow, stage_);
        AppendRowText(CompatibleLine, CurrentRow, stage_);
        break;
      case '#': {
        const std::string count = std::to_string(ChangeCount);
        ProofLine += count;
        CompatibleLine += count;
        break;
      }
      case '$':
        if (i + 3 == length && text[i + 1] == '$') {
          FlushLines();
          Halted = true;
          return;
        } else {
          const std::string count = std::to_string(DuplicateCount);
          ProofLine += count;
          CompatibleLine += count;
        }
        break;
      case '\\':
        if (i + 2 == length) break;  // keeps the line open
        ++i;
        ProofLine += text[i];
        CompatibleLine += text[i];
        break;
      case '_':
        ProofLine += UnderlineMarker;
        CompatibleLine += '_';
        break;
      default:
        ProofLine += c;
        CompatibleLine += c;
        break;
    }
  }
  if (length >= 3 && text[length - 2] == '\\') return;  // the next string goes on with this line
  FlushLines();
}

void Prover::FlushLines() {
  AppendLine(outputs_.ProofOutput, ProofLine);
  AppendLine(outputs_.CompatibleOutput, CompatibleLine);
  ProofLine.clear();
  CompatibleLine.clear();
}

void Prover::FlushPending() {
  if (!ProofLine.empty()) AppendLine(outputs_.ProofOutput, ProofLine);
  if (!CompatibleLine.empty()) AppendLine(outputs_.CompatibleOutput, CompatibleLine);
}

}  // namespace tolvern
