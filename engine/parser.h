// The reader of SIRIL text: statements, elements, definition bodies, place
// notation and the predefined names. One Parser holds one run's parser state.
#pragma once

#include <array>
#include <cstdint>
#include <memory>
#include <span>
#include <string>
#include <string_view>
#include <vector>

#include "diagnostics.h"
#include "elements.h"
#include "outputs.h"
#include "run_options.h"

namespace tolvern {

// The seven predefined names and the default definitions they have until
// the text defines them.
struct PredefinedDefault {
  std::string_view name;
  std::string_view line;
};

inline constexpr std::array<PredefinedDefault, 7> PredefinedDefaults = {{
    {"TRUE", "true     =\"# rows ending in @\", \"Touch is True$$\""},
    {"NOTROUND", "notround =\"# rows ending in @\", \"Is this okay?\""},
    {"FALSE", "false    =\"# rows ending in @\", \"Touch is False in $ rows\""},
    {"CONFLICT", "conflict =\"# rows ending in @\", \"Touch not completed due to False row$$\""},
    {"ROUNDS", "rounds   ="},
    {"EVERYROW", "everyrow ="},
    {"MUSIC", "music    =\"DEFAULT\""},
}};

// The step mask of a normalised change. Scans positions from 1: a place
// where the next unused symbol of `places` is the bell of the position, a
// cross otherwise. `lastMatched` receives the 1-based index of the first
// symbol not matched.
uint32_t StepMaskOf(std::string_view places, long long stage, size_t* lastMatched = nullptr);

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

// A segment of place notation read as it comes, for the common case that
// needs no correction and no message: places rising, odd and even in turn
// from an odd one (or from a leading even one other than the back bell, which
// takes the lead with it silently), all within the stage. Its text, mask and
// permutation are then known at once; any other segment is read in full.
namespace detail {
constexpr std::array<char, 256> NotationCaseTable() {
  std::array<char, 256> table{};
  for (int c = 0; c < 256; ++c) {
    char read = static_cast<char>(c);
    if (read >= 'A' && read <= 'Z') read = static_cast<char>(read - 'A' + 'a');
    if (read == 'e') read = 'E';
    if (read == 't') read = 'T';
    table[static_cast<size_t>(c)] = read;
  }
  return table;
}
}  // namespace detail
// How a symbol of a notation reads: letters in lower case, but E and T in
// upper case, whichever case they were written in.
inline constexpr std::array<char, 256> NotationCase = detail::NotationCaseTable();

// How each byte reads in place notation on one stage: for a place (1 to the
// stage), the place, its symbol << 8 and its bit (1 << (place - 1)) << 16,
// all from one look-up; otherwise a class.
struct NotationSymbols {
  static constexpr uint32_t NoPlace = 0;  // a symbol that is no place on this stage
  static constexpr uint32_t Cross = 0xF0, Dot = 0xF1, Blank = 0xF2;
  static constexpr uint32_t End = 0xFF;  // no symbol of notation at all
  int stage = -1;
  std::array<uint32_t, 256> code{};
  void For(int bells);
};

// A change scanned from the line: its key and whether a symmetric notation
// stacks it. The key is its places (bit p - 1 for a place at p), or for a
// cross its symbol << 16: the text, mask and permutation follow from it.
struct PlainRecord {
  uint32_t key;
  bool stack;
};

// The changes made from keys so far, made once each: a long text rings the
// same few hundred changes over and over. Looked up by their places directly,
// with no hashing: on twelve bells the index used is 8 KiB. Their texts are in the definition
// table's store, so the changes are forgotten whenever the table is cleared.
struct PlainChange {
  uint32_t key = 0;
  uint32_t mask = 0;
  std::string_view text;
  ChangePermutation permutation{};
};
class PlainChanges {
 public:
  // The change made from `key`, or nullptr.
  const PlainChange* Find(uint32_t key) const {
    const uint16_t at = index_ ? index_[IndexOf(key)] : 0;
    return at ? &made_[at - 1] : nullptr;
  }
  const PlainChange& Add(const PlainChange& change);
  void Forget();

 private:
  // Places take sixteen bits; the two crosses follow them.
  static constexpr size_t Indices = 0x10002;
  static size_t IndexOf(uint32_t key) { return key <= 0xFFFF ? key : 0x10000 + ((key >> 16) == 'x'); }
  std::unique_ptr<uint16_t[]> index_;  // position in made_ plus one; 0: not made
  std::vector<PlainChange> made_;
};

class Parser {
 public:
  Parser(const RunOptions& options, const RunOutputs& outputs, Diagnostics& diagnostics, DefinitionTable& table)
      : options_(options), outputs_(outputs), diagnostics_(diagnostics), table_(table) {
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
  // How a notation token was read: as written, in the case it reads as, or
  // scanned already (the token is then only its sign, the changes waiting
  // in plainRecords_).
  enum class NotationRead : uint8_t { Raw, Mapped, Scanned };

  // The state of one statement parse; nested one-line parses have their own.
  struct Statement {
    std::span<const std::string> lines;
    int64_t* lineIndex = nullptr;
    std::string_view line;
    size_t pos = 0;  // 0-based; line.size() means the line is exhausted
    bool inBlock = false;
    bool continuationRead = false;
    std::string token;
    NotationRead notationRead = NotationRead::Raw;
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
    std::string_view text;  // the change's own text, in the table
    uint32_t places;
    int32_t repeat;
    ChangePermutation permutation;
  };
  void ParsePlaceNotation(const std::string& token, NotationRead read, int32_t count, TCompElement*& tail);
  // Reads a notation straight from the line when every segment is plain:
  // places rising, odd and even in turn from an odd one (or from a leading
  // even one other than the back bell, which takes the lead with it
  // silently), all within the stage, crosses on an even stage. Such changes
  // need no correction and no message, and their text, mask and permutation
  // follow from the places at once. Returns false, having changed nothing,
  // for anything else, which the full reading then reads.
  bool ScanPlainNotation(Statement& s);
  // Makes the changes scanned, after `tail`.
  void AppendPlainChanges(bool symmetric, TCompElement*& tail);
  // The change of a scanned key, on its first use.
  const PlainChange& MakePlainChange(uint32_t key);
  void AddChange(std::string_view segment, bool stack, int32_t count, TCompElement*& tail,
                 std::vector<StackedChange>& changeStack);
  void PushChange(std::vector<StackedChange>& changeStack, const TCompElement& change);
  void UnstackChanges(std::vector<StackedChange>& changeStack, TCompElement*& tail);
  TCompElement* AppendChange(TCompElement*& tail, std::string_view text, uint32_t places, int32_t repeat);

  // names
  bool IsTextOnlyRecord(const TCompElement* record, int depth) const;
  void ReportUndefinedNames();
  void WriteListing();

  void Trace(const std::string& line) const { AppendLine(outputs_.ProofOutput, line); }
  void ErrorAtLine(const std::string& detail);
  // Errors past the display limit are only counted, so a detail that quotes
  // a long line need not be built for them; this keeps a line of repeated
  // faults linear. A front end that marks lines gets the details of the
  // first thousand.
  bool ErrorWillShow() const {
    return !diagnostics_.SilentReporting && diagnostics_.ErrorCount < (outputs_.DiagnosticOutput ? 1000 : 10);
  }
  int64_t LineNumber() const { return CurrentLine + 1; }

  const RunOptions& options_;
  const RunOutputs& outputs_;
  Diagnostics& diagnostics_;
  DefinitionTable& table_;
  int blockNesting_ = 0;
  std::vector<StackedChange> changeStack_;  // kept for its room
  std::string notation_;
  NotationSymbols symbols_;
  // Room for the changes of the longest notation scanned (one a byte at most).
  std::unique_ptr<PlainRecord[]> plainRecords_;
  size_t plainRoom_ = 0;
  size_t plainCount_ = 0;
  PlainChanges plainChanges_;
  int plainStage_ = -1;  // the stage of the changes in plainChanges_

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
