#include "parser.h"

namespace tolvern {

void Parser::ParseDefinitionBody(Statement& s) {
  ReadElement(s, true);
  if (s.token.empty()) {
    // Nothing after the "=": the name is defined, with nothing in it.
    table_.AppendElement(s.tail, NullElementText, 0);
    return;
  }

  while (!s.token.empty()) {
    if (options_.DebugParse)
      Trace(">> RHS Repcount=" + std::to_string(s.count) + "   >> Text=\"" + s.token + "\"");

    switch (s.token[0]) {
      case '&':
      case '+': ParsePlaceNotation(s.token, s.notationRead, s.count, s.tail); break;
      case '"':
      case '[': table_.AppendElement(s.tail, s.token, s.count); break;
      default: AppendReference(s); break;
    }

    s.SkipBlanks();
    if (s.AtEnd()) return;

    const char c = s.Here();
    if (c == ',') {
      ++s.pos;
      s.token.clear();
      if (!s.AtEnd()) ReadElement(s, true);
      if (s.token.empty()) {
        if (s.inBlock) {
          ErrorAtLine("... Additional comma found inside parentheses [,)]");
          return;
        }
        if (!s.AtEnd() || !ReadContinuation(s)) return;
      }
      continue;
    }
    if (c == '/') return;
    ErrorAtLine("... Additional text found at end of line [" + s.FromHere() + "]");
    return;
  }
}

void Parser::AppendReference(Statement& s) {
  TCompElement* record = table_.FindDefinition(s.token);
  if (!record) record = table_.AppendDefinition(s.token, static_cast<int32_t>(CurrentLine));
  table_.AppendElement(s.tail, "~" + s.token, s.count, record);
}

bool Parser::ReadContinuation(Statement& s) {
  s.continuationRead = true;
  if (options_.DebugParse) Trace(">> Dangling comma .. continuation line found");
  do {
    if (*s.lineIndex + 1 >= static_cast<int64_t>(s.lines.size())) {
      ErrorAtLine("... Comma at end of last line with no continuation line");
      return false;
    }
    ++*s.lineIndex;
    s.line = TrimRightControls(s.lines[static_cast<size_t>(*s.lineIndex)]);
    CurrentLine = *s.lineIndex;
    s.pos = 0;
    s.token.clear();
    if (!s.line.empty()) ReadElement(s, true);
  } while (s.token.empty() && s.AtEnd());
  if (options_.DebugParse) Trace(">> Dangling comma .. got next NAME=\"" + s.token + "\"");
  return true;
}

}  // namespace tolvern
