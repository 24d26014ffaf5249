#include "parser.h"

namespace tolvern {

bool Parser::IsTextOnly(std::string_view name) const {
  return IsTextOnlyRecord(table_.FindDefinition(name), 0);
}

bool Parser::IsTextOnlyRecord(const TCompElement* record, int depth) const {
  if (!record) return true;
  if (depth > MaxBlockNesting + 1) return false;  // blocks never nest deeper
  for (const TCompElement* element = record->Next; element; element = element->Next) {
    const std::string_view text = element->Text;
    if (text.empty()) continue;
    if (text[0] == '#') return false;
    if (text[0] == '~') {
      if (text.size() < 2 || text[1] != '%') return false;
      if (!IsTextOnlyRecord(table_.FindDefinition(text.substr(1)), depth + 1)) return false;
    }
  }
  return true;
}

void Parser::CheckPredefinedName(std::string_view name) {
  if (IsTextOnly(name)) return;
  TCompElement* record = table_.FindDefinition(name);
  table_.Rename(record, "/Illegal/" + std::string(record->Text));
  const int64_t line = static_cast<int64_t>(record->Line) + 1;
  diagnostics_.ReportWarning(
      "WARNING in defining the predefined name \"" + std::string(name) + "\" in line " + std::to_string(line),
      "...Line ignored", line);
}

void Parser::ResolveNames() {
  if (!table_.Empty() || diagnostics_.ErrorCount > 0) {
    for (const auto& predefined : PredefinedDefaults) CheckPredefinedName(predefined.name);
    diagnostics_.SilentReporting = true;
    for (const auto& predefined : PredefinedDefaults) ParseOneLine(std::string(predefined.line), true);
    diagnostics_.SilentReporting = false;
  } else if (StageBells != 0) {
    diagnostics_.ReportError("Nothing happens!", "... No composition exists", 0);
  } else {
    diagnostics_.ReportError(StageLineHeader,
                             "... If microSIRIL compatibility is not needed then increase to 16 bells in TOLVERN.INI "
                             "[Null file]");
  }

  if (diagnostics_.ErrorCount == 0) ReportUndefinedNames();

  Predefined.PredefinedTrue = table_.FindDefinition("TRUE");
  Predefined.PredefinedNotRound = table_.FindDefinition("NOTROUND");
  Predefined.PredefinedFalse = table_.FindDefinition("FALSE");
  Predefined.PredefinedConflict = table_.FindDefinition("CONFLICT");
  Predefined.PredefinedRounds = table_.FindDefinition("ROUNDS");
  Predefined.PredefinedEveryRow = table_.FindDefinition("EVERYROW");
  Predefined.PredefinedMusic = table_.FindDefinition("MUSIC");

  if (options_.DebugSymTab) WriteListing();
}

void Parser::ReportUndefinedNames() {
  for (const TCompElement* record = table_.Head(); record; record = record->Link) {
    if (record->Next) continue;
    if (record->Text == "END" && record->Line < 0) continue;
    const int64_t line = static_cast<int64_t>(record->Line) + 1;
    diagnostics_.ReportError("One or more undefined names in the method description.",
                             "... Undefined name in line " + std::to_string(line) + " is [" + std::string(record->Text) + "]", line);
  }
}

void Parser::WriteListing() {
  Trace("");
  Trace("DATA ELEMENT DEFINITIONS");
  Trace("========================");
  Trace("");
  for (const TCompElement* record = table_.Head(); record; record = record->Link) Trace(ListDefinition(*record));
  Trace("");
  Trace("PREDEFINED ELEMENT DEFINITIONS");
  Trace("==============================");
  Trace("");
  for (const TCompElement* record :
       {Predefined.PredefinedTrue, Predefined.PredefinedNotRound, Predefined.PredefinedFalse,
        Predefined.PredefinedConflict, Predefined.PredefinedRounds, Predefined.PredefinedEveryRow,
        Predefined.PredefinedMusic})
    if (record) Trace(ListDefinition(*record));
  if (diagnostics_.ErrorCount > 0) AppendLine(outputs_.ProgressOutput, "PARSER: Errors found in parsing composition");
}

std::string Parser::ListDefinition(const TCompElement& record) const {
  std::string line(record.Text);
  line += "{line " + std::to_string(static_cast<int64_t>(record.Line) + 1) + "}";
  for (const TCompElement* element = record.Next; element; element = element->Next) {
    line += ' ';
    if (element->Repeat > 1) line += std::to_string(element->Repeat);
    line += element->Text;
  }
  return line;
}

void Parser::FreeDefinitions() {
  table_.Clear();
  ResetParserState();
}

void Parser::ResetParserState() {
  table_.Clear();
  ExpectBellsLine = true;
  StageBells = 0;
  BlockCounter = 0;
  EndSeen = false;
  diagnostics_.Reset();
  blockNesting_ = 0;
  plainChanges_.Forget();  // their texts went with the table
  // Room kept for the next run, unless a very long notation asked for it.
  if (plainRoom_ > (size_t{64} << 10)) {
    plainRecords_.reset();
    plainRoom_ = 0;
  }
}

}  // namespace tolvern
