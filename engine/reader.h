// The reader of SIRIL text: statements, elements, definition bodies, place
// notation and the predefined names. One Parser holds one run's parser state.
#pragma once

#include <cstdint>
#include <span>
#include <string>
#include <string_view>
#include <vector>

#include "diagnostics.h"
#include "elements.h"
#include "settings.h"

namespace tolvern {

struct PredefinedNames {
  TCompElement* PredefinedTrue = nullptr;
  TCompElement* PredefinedNotRound = nullptr;
  TCompElement* PredefinedFalse = nullptr;
  TCompElement* PredefinedConflict = nullptr;
  TCompElement* PredefinedRounds = nullptr;
  TCompElement* PredefinedEveryRow = nullptr;
  TCompElement* PredefinedMusic = nullptr;
};

// Deeper bracket groups are refused rather than risk the stack.
inline constexpr int MaxBlockNesting = 100;
// Longer place-notation segments are refused: no change has that many places.
inline constexpr size_t MaxChangeSymbols = 64;

class Parser {
 public:
  Parser(const RunSettings& settings, Diagnostics& diagnostics, DefinitionTable& table)
      : settings_(settings), diagnostics_(diagnostics), table_(table) {
    diagnostics_.FollowReading(&CurrentLine);
  }

  void ParseComposition(std::span<const std::string> lines);
  void ParseOneLine(const std::string& text, bool inBlock);
  void ResolveNames();
  void FreeDefinitions();
  void ResetParserState();

  bool IsTextOnly(std::string_view name) const;
  void CheckPredefinedName(std::string_view name);
  std::string ListDefinition(const TCompElement& record) const;

  int64_t CurrentLine = 0;
  int64_t StageBells = 0;
  bool ExpectBellsLine = true;
  bool EndSeen = false;
  int64_t BlockCounter = 0;
  int64_t BracketDepth = 0;
  PredefinedNames Predefined;

 private:
  // The state of one statement parse; nested one-line parses have their own.
  struct Statement {
    std::span<const std::string> lines;
    int64_t* lineIndex = nullptr;
    std::string_view line;
    size_t pos = 0;  // 0-based; line.size() means the line is exhausted
    bool inBlock = false;
    bool continuationRead = false;
    std::string token;
    int32_t count = 0;
    TCompElement* tail = nullptr;

    bool AtEnd() const { return pos >= line.size(); }
    char Here() const { return line[pos]; }
    void SkipBlanks();
    std::string UpToHere() const;  // the line up to and including pos
    std::string FromHere() const;  // the line from pos to its end
  };

  // reader
  void ParseStatement(std::span<const std::string> lines, bool inBlock, int64_t& lineIndex);
  void ParseStageLine(Statement& s);
  void ParseDefinitionHead(Statement& s);
  void ReadElement(Statement& s, bool bodyMode);
  void ReadCount(Statement& s);
  void ReadName(Statement& s, bool bodyMode);
  void ReadString(Statement& s, std::string& token);
  void ReadString(Statement& s, std::string& token, size_t& front);
  void ReadBracketGroup(Statement& s);
  void ReadPlaceNotationToken(Statement& s);
  void MakeBlock(Statement& s, const std::string& text);

  // definition bodies
  void ParseDefinitionBody(Statement& s);
  void AppendReference(Statement& s);
  bool ReadContinuation(Statement& s);

  // place notation
  struct StackedChange {
    std::string text;
    uint32_t places;
    int32_t repeat;
  };
  void ParsePlaceNotation(const std::string& token, int32_t count, TCompElement*& tail);
  void AddChange(const std::string& segment, bool stack, int32_t count, TCompElement*& tail,
                 std::vector<StackedChange>& changeStack);
  void PushChange(std::vector<StackedChange>& changeStack, const TCompElement& change);
  void UnstackChanges(std::vector<StackedChange>& changeStack, TCompElement*& tail);
  TCompElement* AppendChange(TCompElement*& tail, std::string text, uint32_t places, int32_t repeat);

  // names
  bool IsTextOnlyRecord(const TCompElement* record, int depth) const;
  void ReportUndefinedNames();
  void WriteListing();

  void Trace(const std::string& line) const { AppendLine(settings_.ProofOutput, line); }
  void ErrorAtLine(const std::string& detail);
  // Errors past the display limit are only counted, so a detail that quotes
  // a long line need not be built for them; this keeps a line of repeated
  // faults linear. A front end that marks lines gets the details of the
  // first thousand.
  bool ErrorWillShow() const {
    return !diagnostics_.SilentReporting && diagnostics_.ErrorCount < (settings_.DiagnosticOutput ? 1000 : 10);
  }
  int64_t LineNumber() const { return CurrentLine + 1; }

  const RunSettings& settings_;
  Diagnostics& diagnostics_;
  DefinitionTable& table_;
  int blockNesting_ = 0;
};

// Character classes of the language (bytes; nothing locale-dependent).
bool IsBlank(char c);
bool IsDigit(char c);
bool IsLetter(char c);
bool IsNameStart(char c);
bool IsNameCharacter(char c);
bool IsPlaceNotationCharacter(char c);
std::string UpperCaseAscii(std::string_view text);
std::string_view TrimRightControls(std::string_view text);
std::string_view TrimControls(std::string_view text);

}  // namespace tolvern
