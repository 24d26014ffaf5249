#include "parser.h"

#include <algorithm>
#include <array>
#include <limits>

namespace tolvern {

bool IsBlank(char c) { return c == ' ' || c == '\t'; }
bool IsDigit(char c) { return c >= '0' && c <= '9'; }
bool IsLetter(char c) { return (c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z'); }
bool IsNameStart(char c) { return IsLetter(c) || IsDigit(c); }
bool IsNameCharacter(char c) {
  return IsLetter(c) || IsDigit(c) || c == '!' || c == '%' || c == '-' || IsBlank(c);
}
namespace {
// For each byte: 1 for a symbol of place notation, 2 for a blank (allowed
// in notation, and dropped), 0 for anything that ends it.
constexpr std::array<uint8_t, 256> NotationBytesTable() {
  std::array<uint8_t, 256> table{};
  for (const char c : std::string_view("0123456789ABCDETXabcdetx-.")) table[static_cast<uint8_t>(c)] = 1;
  table[' '] = table['\t'] = 2;
  return table;
}
constexpr std::array<uint8_t, 256> NotationBytes = NotationBytesTable();
constexpr std::array<char, 256> SameBytesTable() {
  std::array<char, 256> table{};
  for (int c = 0; c < 256; ++c) table[static_cast<size_t>(c)] = static_cast<char>(c);
  return table;
}
constexpr std::array<char, 256> SameBytes = SameBytesTable();
}  // namespace

bool IsPlaceNotationCharacter(char c) { return NotationBytes[static_cast<uint8_t>(c)] != 0; }

std::string UpperCaseAscii(std::string_view text) {
  std::string out(text);
  for (char& c : out)
    if (c >= 'a' && c <= 'z') c = static_cast<char>(c - 'a' + 'A');
  return out;
}

static bool IsControlOrSpace(char c) { return static_cast<unsigned char>(c) <= 32; }

std::string_view TrimRightControls(std::string_view text) {
  while (!text.empty() && IsControlOrSpace(text.back())) text.remove_suffix(1);
  return text;
}

std::string_view TrimControls(std::string_view text) {
  text = TrimRightControls(text);
  while (!text.empty() && IsControlOrSpace(text.front())) text.remove_prefix(1);
  return text;
}

void Parser::Statement::SkipBlanks() {
  while (!AtEnd() && IsBlank(line[pos])) ++pos;
}

std::string Parser::Statement::UpToHere() const {
  return std::string(line.substr(0, pos + 1));
}

std::string Parser::Statement::FromHere() const {
  return pos < line.size() ? std::string(line.substr(pos)) : std::string();
}

void Parser::ErrorAtLine(const std::string& detail) {
  diagnostics_.ReportError(DefiningNameHeader(LineNumber()), detail);
}

void Parser::ParseComposition(std::span<const std::string> lines) {
  CurrentLine = 0;
  while (CurrentLine < static_cast<int64_t>(lines.size())) {
    ParseStatement(lines, false, CurrentLine);
    ++CurrentLine;
  }
}

void Parser::ParseOneLine(const std::string& text, bool inBlock) {
  const std::string one[1] = {text};
  int64_t lineIndex = 0;
  ParseStatement(one, inBlock, lineIndex);
}

void Parser::ParseStatement(std::span<const std::string> lines, bool inBlock, int64_t& lineIndex) {
  Statement s;
  s.lines = lines;
  s.lineIndex = &lineIndex;
  s.inBlock = inBlock;
  s.line = TrimRightControls(lines[static_cast<size_t>(lineIndex)]);
  s.continuationRead = false;

  if (options_.DebugParse) Trace(std::to_string(lineIndex + 1) + ":" + std::string(s.line));

  if (EndSeen && !diagnostics_.SilentReporting) {
    if (!TrimControls(s.line).empty())
      diagnostics_.ReportWarning("WARNING additional line beyond the \"END\" statement", "...Line ignored");
    return;
  }

  s.pos = 0;
  ReadElement(s, false);
  if (s.token.empty()) return;

  if (options_.DebugParse)
    Trace(">> Repcount=" + std::to_string(s.count) + "   >> Text=\"" + s.token + "\"");

  if (ExpectBellsLine) {
    ParseStageLine(s);
    return;
  }
  if (s.count != 1) {
    ErrorAtLine("... Illegal number at start of line");
    return;
  }
  ParseDefinitionHead(s);
}

void Parser::ParseStageLine(Statement& s) {
  StageBells = s.count;
  const std::string_view rest = TrimControls(s.pos < s.line.size() ? s.line.substr(s.pos) : std::string_view());
  const bool accepted = s.token == "BELLS" && s.count >= 4 && s.count <= options_.MaxNumberBells &&
                        (rest.empty() || rest.front() == '/');
  if (!accepted)
    diagnostics_.ReportError(StageLineHeader,
                             "... If microSIRIL compatibility is not needed then increase to 16 bells in TOLVERN.INI [" +
                                 std::string(s.line) + "]");
  ExpectBellsLine = false;
}

void Parser::ParseDefinitionHead(Statement& s) {
  TCompElement* record = nullptr;
  if (table_.Empty()) {
    if (s.token == "END") {
      diagnostics_.ReportError("Nothing happens!", "... \"END\" was found as the first statement");
      EndSeen = true;
      return;
    }
    record = table_.AppendDefinition(s.token, static_cast<int32_t>(CurrentLine));
  } else {
    EndSeen = s.token == "END";
    record = table_.FindDefinition(s.token);
    if (!record) record = table_.AppendDefinition(s.token, EndSeen ? -1 : static_cast<int32_t>(CurrentLine));
  }

  if (record->Next) {
    diagnostics_.ReportError("Name defined a second time on line " + std::to_string(LineNumber()) +
                                 " of the method description.",
                             "... Duplicate definition of name [" + std::string(record->Text) + "]");
    // A predefined default never replaces the user's own definition.
    if (diagnostics_.SilentReporting) return;
  }

  s.SkipBlanks();
  if (!s.AtEnd() && s.Here() == '=') {
    record->Line = static_cast<int32_t>(CurrentLine);
    ++s.pos;
    record->Next = nullptr;  // a second definition replaces the first body
    s.tail = record;
    ParseDefinitionBody(s);
  } else if (s.token != "END") {
    ErrorAtLine("... \"=\" expected [" + s.UpToHere() + "]");
  }
}

void Parser::ReadElement(Statement& s, bool bodyMode) {
  s.token.clear();
  s.notationRead = NotationRead::Raw;
  s.count = 0;

  s.SkipBlanks();
  if (s.AtEnd() || s.Here() == '/') {
    s.pos = s.line.size();
    return;
  }

  ReadCount(s);

  if (bodyMode && !s.AtEnd()) {
    if (s.Here() == '*') {
      if (s.count == 0)
        ErrorAtLine(ErrorWillShow() ? "... A number should preceed a * [" + s.FromHere() + "]" : std::string());
      ++s.pos;
    }
    if (!s.AtEnd()) {
      switch (s.Here()) {
        case '"': ReadString(s, s.token); break;
        case '(': ReadBracketGroup(s); break;
        case '*':
          ErrorAtLine(ErrorWillShow() ? "... Additional \"*\" found in [" + s.UpToHere() + "]" : std::string());
          ++s.pos;
          break;
        case '&':
        case '+': ReadPlaceNotationToken(s); break;
        default: break;
      }
    }
  }

  // A generated block's line starts with its own name, which users cannot write.
  if (s.inBlock && s.pos == 0 && !s.line.empty() && s.line[0] == '%') {
    s.token.assign(1, '%');
    s.pos = 1;
  }

  if (s.AtEnd()) {
    if (s.token.empty() && s.count > 0)
      ErrorAtLine("... A number should be followed by a name or bracket [" + std::to_string(s.count) + "]");
  } else if (s.token.empty() || s.token == "%") {
    ReadName(s, bodyMode);
  }

  if (s.count == 0) s.count = 1;
}

void Parser::ReadCount(Statement& s) {
  std::string digits;
  uint64_t value = 0;
  bool tooLarge = false;
  constexpr uint64_t limit = std::numeric_limits<int32_t>::max();
  while (!s.AtEnd() && (IsDigit(s.Here()) || IsBlank(s.Here()))) {
    if (IsDigit(s.Here())) {
      digits.push_back(s.Here());
      if (!tooLarge) {
        value = value * 10 + static_cast<uint64_t>(s.Here() - '0');
        tooLarge = value > limit;
      }
    }
    ++s.pos;
  }
  if (tooLarge) {
    // A count that does not fit is refused rather than wrapped into another count.
    ErrorAtLine("... Number too large [" + digits + "]");
    s.count = 1;
    return;
  }
  s.count = static_cast<int32_t>(value);
}

void Parser::ReadName(Statement& s, bool bodyMode) {
  const char first = s.Here();
  if (!IsNameStart(first) && !IsBlank(first)) {
    const std::string detail = "... Illegal character at start of name [" + std::string(1, first) + "]";
    if (ExpectBellsLine) {
      diagnostics_.ReportError(StageLineHeader, detail);
      diagnostics_.ErrorCount = 99999;
      ExpectBellsLine = false;
    } else {
      ErrorAtLine(detail);
    }
  }

  while (!s.AtEnd() && IsNameCharacter(s.Here())) {
    if (!IsBlank(s.Here())) s.token.push_back(s.Here());
    ++s.pos;
  }
  if (!s.AtEnd() && s.Here() == '/') {
    s.pos = s.line.size();
    if (options_.DebugParse) Trace(">> Looking for ELEMENT but found /");
  }
  s.token = UpperCaseAscii(s.token);

  if (s.AtEnd() || s.Here() == ',') return;
  if (bodyMode && s.Here() == '=' && s.continuationRead) {
    const size_t from = s.pos > 0 ? s.pos - 1 : 0;
    ErrorAtLine("... Probably additional comma at end of previous line [" + std::string(s.line.substr(from)) + "]");
    s.pos = s.line.size();
    return;
  }
  if (!bodyMode && s.Here() == '=') return;

  const char* what = s.Here() == ')' ? "... Additional right bracket unmatched to left bracket ["
                                     : "... Illegal character in name [";
  ErrorAtLine(what + s.UpToHere() + "]");
  s.pos = s.line.size();
}

void Parser::ReadString(Statement& s, std::string& token) {
  size_t front = 0;
  ReadString(s, token, front);
  token.erase(0, front);
}

// `front` counts characters already dropped from the front of `token`: a
// bracket group may drop one for each of its strings, and erasing them one at
// a time would cost a copy of the group each time.
void Parser::ReadString(Statement& s, std::string& token, size_t& front) {
  token.push_back('"');
  for (;;) {
    if (s.pos + 1 < s.line.size() && s.line[s.pos + 1] == '"') {
      token.push_back('"');
      s.pos += 2;
      break;
    }
    ++s.pos;
    if (s.AtEnd()) {
      diagnostics_.ReportError("Unmatched \" on line " + std::to_string(LineNumber()) + " of the method description.",
                               "... String should end with a \"");
      break;
    }
    token.push_back(s.Here());
  }
  // A string holding a bracketed name is a lead-head marker. Inside a group
  // the test looks at the whole group so far.
  if (token.size() - front > 1 && token[front + 1] == '[' && token[token.size() - 2] == ']') {
    ++front;
    token.pop_back();
  }
}

void Parser::ReadBracketGroup(Statement& s) {
  ++s.pos;
  BracketDepth = 1;
  int deepest = 1;
  size_t front = 0;
  while (!s.AtEnd() && BracketDepth > 0) {
    const char c = s.Here();
    if (c == '"') {
      ReadString(s, s.token, front);  // reading goes on right after the closing quote
      continue;
    }
    if (!IsBlank(c)) s.token.push_back(c);
    if (c == ')') {
      --BracketDepth;
    } else if (c == '(') {
      ++BracketDepth;
      if (BracketDepth > deepest) deepest = static_cast<int>(std::min<int64_t>(BracketDepth, MaxBlockNesting + 1));
    }
    ++s.pos;
  }
  s.token.erase(0, front);
  if (BracketDepth > 0) {
    ErrorAtLine("... Insufficient right brackets to match left brackets");
    s.token.push_back(' ');
  }
  const std::string text = s.token.substr(0, s.token.size() - 1);
  if (TrimControls(text).empty()) {
    ErrorAtLine("... Empty brackets with nothing inside them");
    return;
  }
  // Each group level is parsed by a nested call; the whole nest is refused at
  // its outermost group, before any of it is parsed.
  if (blockNesting_ + deepest > MaxBlockNesting) {
    ErrorAtLine("... Brackets nested more than " + std::to_string(MaxBlockNesting) + " deep");
    return;
  }
  MakeBlock(s, text);
}

void Parser::ReadPlaceNotationToken(Statement& s) {
  // A notation read here and now (not through a block, not traced) is read
  // straight from the line when it is plain.
  const bool now = s.count <= 1 && !options_.DebugParse;
  if (now && StageBells >= 1 && StageBells <= MaxStage && ScanPlainNotation(s)) {
    s.notationRead = NotationRead::Scanned;
    return;
  }
  // Otherwise symbols are taken and blanks among them dropped in one pass,
  // put on the way in the case they read as when read now.
  const bool map = now && StageBells <= 16;
  const char* const table = map ? NotationCase.data() : SameBytes.data();
  const char* const line = s.line.data();
  const size_t end = s.line.size();
  std::string& token = s.token;
  const size_t from = token.size();
  token.resize(from + (end - s.pos));  // room for every byte left
  char* const first = token.data() + from;
  char* out = first;
  *out++ = line[s.pos];  // '&' or '+'
  size_t pos = s.pos + 1;
  for (; pos < end; ++pos) {
    const uint8_t c = static_cast<uint8_t>(line[pos]);
    const uint8_t kind = NotationBytes[c];
    if (kind == 0) break;
    *out = table[c];
    out += kind == 1;
  }
  token.resize(from + static_cast<size_t>(out - first));
  s.pos = pos;
  s.notationRead = map ? NotationRead::Mapped : NotationRead::Raw;
  if (s.count > 1) MakeBlock(s, s.token);
}

void Parser::MakeBlock(Statement& s, const std::string& text) {
  ++BlockCounter;
  const std::string name = "%BLOCK" + std::to_string(BlockCounter);
  ++blockNesting_;
  ParseOneLine(name + "=" + text, true);
  --blockNesting_;
  s.token = name;
}

}  // namespace tolvern
