#include "siril_lexer.h"

#include <gtest/gtest.h>

#include <Qsci/qsciscintilla.h>

#include <QFontDatabase>
#include <QGuiApplication>
#include <QScreen>

#include <chrono>
#include <iostream>
#include <random>
#include <string>
#include <utility>
#include <vector>

#include "editor_page.h"

namespace tolvern::app {
namespace {

// One character per byte, so an expectation can be written under its line;
// indexed by style: Default Comment String Special Escaped Halt Marker Stage
// END Definition Predefined Notation Count.
char Code(int style) { return style >= 0 && style < SirilStyleCount ? "./s!eHMBEDPnc"[style] : '?'; }

std::string Codes(const std::vector<StyledRun>& runs) {
  std::string codes;
  for (const StyledRun& run : runs) codes.append(static_cast<size_t>(run.length), Code(run.style));
  return codes;
}

// Styles the lines in order, as the editor does from the top.
std::vector<std::string> StyleLines(const std::vector<std::string>& lines, int maxBells = MaxStage) {
  LexState state;
  std::vector<std::string> codes;
  for (const std::string& line : lines) codes.push_back(Codes(StyleSirilLine(line, state, maxBells)));
  return codes;
}

// Each pair is a line and the codes expected for it.
void ExpectStyles(const std::vector<std::pair<std::string, std::string>>& expected,
                  int maxBells = MaxStage) {
  std::vector<std::string> lines;
  for (const auto& [line, codes] : expected) {
    ASSERT_EQ(line.size(), codes.size()) << "expectation misaligned for: " << line;
    lines.push_back(line);
  }
  const std::vector<std::string> got = StyleLines(lines, maxBells);
  for (size_t i = 0; i < lines.size(); ++i)
    EXPECT_EQ(got[i], expected[i].second) << "line " << i + 1 << ": " << lines[i];
}

std::string Repeat(char code, size_t n) { return std::string(n, code); }

TEST(SirilLexer, StageLineCommentsAndBlankLinesBeforeIt) {
  ExpectStyles({
      {"", ""},
      {"/ a touch of Minor", "//////////////////"},
      {"  6 bells  / six", "..BBBBBBB../////"},
      {"Touch = A, 2B", "DDDDD......c."},
  });
  // The first statement is the stage line even when refused; it defines nothing.
  ExpectStyles({{"3 BELLS", "......."}, {"A = B", "D...."}});
  ExpectStyles({{"6 BELLS, x", ".........."}, {"A = B", "D...."}});
  ExpectStyles({{"Touch = A", "........."}, {"A = B", "D...."}});
  ExpectStyles({{"14 BELLS", "........"}}, 12);
  ExpectStyles({{"14 BELLS", "BBBBBBBB"}}, 16);
}

TEST(SirilLexer, DefinitionHeadsAndPredefinedNames) {
  ExpectStyles({
      {"8 BELLS", "BBBBBBB"},
      {"Plain Bob = P, TRUE", "DDDDDDDDD......PPPP"},  // names keep their inner blanks
      {"true = \"ok\"", "PPPP...ssss"},
      {"Every Row=", "PPPPPPPPP."},
      {"2 A = B", "......."},  // "Illegal number at start of line": ignored
      {"A B", "..."},          // no "=": the name defines nothing
      {"-A = B", "DD...."},    // an illegal first character is reported, and the name read on
  });
}

TEST(SirilLexer, PlaceNotationNamesThatLookAlikeAndCounts) {
  ExpectStyles({
      {"6 BELLS", "BBBBBBB"},
      {"Lead = &x16x16x16, +12", std::string("DDDD...") + Repeat('n', 10) + ".." + "nnn"},
      // Without & or + it is a name, whatever it looks like; with one, X is a cross.
      {"X = x16x16, X, &X", std::string("D") + Repeat('.', 14) + "nn"},
      // Notation reads on across blanks while the characters are notation: "bad" is places a, b, d.
      {"A = +12 bad, & 1 x 4", std::string("D...") + Repeat('n', 7) + ".." + Repeat('n', 7)},
      // ... and stops at the first that is not: "ob" is extra text, not read.
      {"B = +12 Bob, C", std::string("D...") + Repeat('n', 5) + Repeat('.', 5)},
      // Counts, with and without "*", their digits read across blanks.
      {"C = 3*P, 2 \"x\", 4 &-1-1, 1 2 Q, 3 * R",
       std::string("D...") + "cc." + ".." + "c.sss" + ".." + "c.nnnnn" + ".." + "ccc.." + ".." + "c.c.."},
  });
}

TEST(SirilLexer, StringsAndTheirSymbols) {
  ExpectStyles({
      {"6 BELLS", "BBBBBBB"},
      {"S = \"@ -H #$_\"", "D...s!ssss!!!s"},
      // An escaped character is one character, however many bytes: \xC3\xA9 is one.
      {"T = \"\\@\\\\x\\\xC3\xA9\"", "D...s!e!es!ees"},
      // $$ halts only as the last two characters.
      {"U = \"Touch is True$$\", \"$$$\"", std::string("D...s") + Repeat('s', 13) + "HHs" + ".." + "s!HHs"},
      // A backslash before the closing quote keeps the printed line open.
      {"V = \"keep\\\"", "D...sssss!s"},
      // There is no escaped quote: the first inner quote ends the string, and
      // "Additional text found at end of line" leaves the rest unread.
      {"W = \"a\\\"b\", C", "D...ss!s....."},
      {"X = \"unclosed @", std::string("D...s") + Repeat('s', 9) + "!"},
  });
}

TEST(SirilLexer, LeadHeadMarkers) {
  ExpectStyles({
      {"8 BELLS", "BBBBBBB"},
      {"C = \"[Cambridge]\", \"Cambridge  \\\"",
       std::string("D...") + Repeat('M', 13) + ".." + "s" + Repeat('s', 11) + "!s"},
      {"P = \"[PB\", \"PB]\"", "D...sssss..sssss"},
      // In a group a marker counts as one only where the reader makes one: a group
      // that begins with it loses the quotes and cannot be read at all.
      {"G = (A, \"[PB]\"), (\"[PB]\", A)",
       std::string("D...") + Repeat('.', 4) + Repeat('M', 6) + "." + ".." + Repeat('.', 11)},
  });
}

TEST(SirilLexer, EndAndTheLinesAfterIt) {
  ExpectStyles({
      {"6 BELLS", "BBBBBBB"},
      {"T = A", "D...."},
      {"end / done", "EEE.//////"},
      {"B = C", "/////"},
      {"", ""},
      {"  \"x\"", "/////"},
  });
  // END as the first statement: nothing more of its line is read.
  ExpectStyles({{"6 BELLS", "BBBBBBB"}, {"END = A", "EEE.///"}, {"A = B", "/////"}});
  // END on a continuation line is only a name in the body.
  ExpectStyles({{"6 BELLS", "BBBBBBB"}, {"T = A,", "D....."}, {"END", "..."}, {"B = C", "D...."}});
}

TEST(SirilLexer, ContinuationLines) {
  ExpectStyles({
      {"6 BELLS", "BBBBBBB"},
      {"Touch = A, B,  / more", std::string("DDDDD") + Repeat('.', 10) + "//////"},
      {"", ""},
      {"   / still", "...///////"},
      // Not a head: Q is the next element of Touch, and "= D, E" is not read.
      {"  Q = D, E", ".........."},
      {"F = G, &x1, MUSIC", "D......nnn..PPPPP"},
  });
  // A comma ending a line inside brackets does not continue the statement.
  ExpectStyles({{"6 BELLS", "BBBBBBB"}, {"T = (A,", "D......"}, {"B = C", "D...."}});
}

TEST(SirilLexer, BracketGroupsAreReadAsTheirOwnDefinitions) {
  ExpectStyles({
      {"6 BELLS", "BBBBBBB"},
      {"T = 2(B, &x1, \"@\"), 3((C)) / c",
       std::string("D...c") + "...." + "nnn" + ".." + "s!s" + "." + ".." + "c" + "....." + "." + "///"},
      // A comment inside a group runs to its closing bracket, not to the end of the line.
      {"U = (A / x), B", "D......///...."},
  });
}

// Runs cover each line in order and never split a UTF-8 character, whatever the bytes.
TEST(SirilLexer, RunsCoverEveryLineAndKeepCharactersWhole) {
  std::vector<std::string> alphabet = {"\xC3\xA9", "\xE2\x82\xAC", "\r", "\t"};
  for (char c : std::string("ABXx16&+-.,*=/\"()[]@#$\\_ 7")) alphabet.emplace_back(1, c);
  std::mt19937 random(12345);
  LexState state;
  for (int i = 0; i < 3000; ++i) {
    std::string line;
    const int length = static_cast<int>(random() % 60);
    for (int j = 0; j < length; ++j) line += alphabet[random() % alphabet.size()];
    if (i % 500 == 0) line = "A = " + std::string(300, '(') + "B" + std::string(300, ')');  // past the nesting limit
    if (i % 500 == 1) line = "A = " + std::string(50, '(') + "\"@\"" + std::string(50, ')');
    const std::vector<StyledRun> runs = StyleSirilLine(line, state);
    int next = 0;
    for (const StyledRun& run : runs) {
      ASSERT_EQ(run.start, next) << line;
      ASSERT_GT(run.length, 0) << line;
      ASSERT_TRUE(run.style >= 0 && run.style < SirilStyleCount) << line;
      ASSERT_NE(static_cast<unsigned char>(line[static_cast<size_t>(run.start)]) & 0xC0, 0x80) << line;
      next = run.start + run.length;
    }
    ASSERT_EQ(next, static_cast<int>(line.size())) << line;
    if (i % 500 == 1) {
      EXPECT_NE(Codes(runs).find("s!s"), std::string::npos) << "a string 50 groups deep is read";
    }
  }
}

// ---------------------------------------------------------------------------
// Through a real editor.

// Lines as Scintilla splits them: after LF, CR LF, or a CR alone.
std::vector<std::string> SplitLines(const std::string& text) {
  std::vector<std::string> lines;
  size_t start = 0;
  for (size_t i = 0; i < text.size(); ++i) {
    if (text[i] == '\n' || (text[i] == '\r' && (i + 1 == text.size() || text[i + 1] != '\n'))) {
      lines.push_back(text.substr(start, i + 1 - start));
      start = i + 1;
    }
  }
  lines.push_back(text.substr(start));
  return lines;
}

std::string ExpectedCodes(const std::string& text, int maxBells = MaxStage) {
  std::string codes;
  for (const std::string& line : StyleLines(SplitLines(text), maxBells)) codes += line;
  return codes;
}

std::string EditorCodes(const QsciScintilla& editor) {
  const long length = editor.SendScintilla(QsciScintillaBase::SCI_GETLENGTH);
  std::string codes;
  for (long i = 0; i < length; ++i)
    codes.push_back(Code(static_cast<int>(editor.SendScintilla(QsciScintillaBase::SCI_GETSTYLEAT, i))));
  return codes;
}

std::string EditorText(const QsciScintilla& editor) {
  const long length = editor.SendScintilla(QsciScintillaBase::SCI_GETLENGTH);
  std::string text(static_cast<size_t>(length) + 1, '\0');
  editor.SendScintilla(QsciScintillaBase::SCI_GETTEXT, static_cast<unsigned long>(length + 1), text.data());
  text.resize(static_cast<size_t>(length));
  return text;
}

// Styles what the editor has not yet styled up to the end, as painting does.
void StyleToEnd(QsciScintilla& editor) {
  editor.SendScintilla(QsciScintillaBase::SCI_COLOURISE, editor.SendScintilla(QsciScintillaBase::SCI_GETLENGTH), -1L);
}

class RecordingLexer : public SirilLexer {
 public:
  using SirilLexer::SirilLexer;
  void styleText(int start, int end) override {
    calls.emplace_back(start, end);
    SirilLexer::styleText(start, end);
  }
  std::vector<std::pair<int, int>> calls;
};

const std::string Composition =
    "/ Spliced\r\n"
    "8 BELLS\n"
    "Touch = 2 C, p, Y, p, C, H,  / first part\n"
    "        Y, p, (C, p), 3*H\n"
    "C = \"[Cambridge]\", \"Cambridge  \\\", &-38-14-1258-36-14-58-16-78\r"
    "Y = \"[Yorkshire]\", \"Yorkshire  \\\", &-38-14-58-16-12-38-14-78\n"
    "p = +12, \"@\"\n"
    "H = +14, \"@  - H  \xE2\x82\xAC\"\n"
    "TRUE = \"# rows ending in @\", \"Touch is True$$\"\n"
    "END\n"
    "anything at all\n";

TEST(SirilLexerEditor, StylesAsTheLinesAreStyledAloneAndRestylesFromAnEdit) {
  QsciScintilla editor;
  editor.setUtf8(true);
  auto* lexer = new RecordingLexer(&editor);
  editor.setLexer(lexer);
  editor.SendScintilla(QsciScintillaBase::SCI_SETTEXT, 0UL, Composition.c_str());
  StyleToEnd(editor);
  EXPECT_EQ(EditorCodes(editor), ExpectedCodes(Composition));
  EXPECT_NE(EditorCodes(editor).find("PPPP"), std::string::npos);

  // A comma at the end of the "p = ..." line makes "H = ..." a continuation
  // line: styling restarts at the edited line, from the state of the line before.
  const auto lineStart = [&](long line) {
    return editor.SendScintilla(QsciScintillaBase::SCI_POSITIONFROMLINE, static_cast<unsigned long>(line));
  };
  const long end = editor.SendScintilla(QsciScintillaBase::SCI_GETLINEENDPOSITION, 6UL);
  lexer->calls.clear();
  editor.SendScintilla(QsciScintillaBase::SCI_INSERTTEXT, static_cast<unsigned long>(end), ",");
  StyleToEnd(editor);
  ASSERT_FALSE(lexer->calls.empty());
  EXPECT_EQ(lexer->calls.front().first, lineStart(6));
  EXPECT_EQ(EditorCodes(editor), ExpectedCodes(EditorText(editor)));
  EXPECT_EQ(editor.SendScintilla(QsciScintillaBase::SCI_GETSTYLEAT, lineStart(7)), SirilDefault);

  // Taking it away makes it a head again.
  editor.SendScintilla(QsciScintillaBase::SCI_DELETERANGE, static_cast<unsigned long>(end), 1L);
  StyleToEnd(editor);
  EXPECT_EQ(editor.SendScintilla(QsciScintillaBase::SCI_GETSTYLEAT, lineStart(7)), SirilDefinitionName);
  EXPECT_EQ(EditorCodes(editor), ExpectedCodes(Composition));
}

TEST(SirilLexerEditor, TextAlreadyThereAndTheStageLimit) {
  QsciScintilla editor;
  editor.setUtf8(true);
  editor.SendScintilla(QsciScintillaBase::SCI_SETTEXT, 0UL, "14 BELLS\nT = A\n");
  // Styled plain before the lexer arrives, as the window's pages style text.
  editor.SendScintilla(QsciScintillaBase::SCI_STARTSTYLING, 0UL, 0L);
  editor.SendScintilla(QsciScintillaBase::SCI_SETSTYLING, 15UL, 0L);
  ASSERT_EQ(editor.SendScintilla(QsciScintillaBase::SCI_GETENDSTYLED), 15);
  auto* lexer = new SirilLexer(&editor);
  lexer->SetMaxBells(12);
  editor.setLexer(lexer);
  StyleToEnd(editor);
  EXPECT_EQ(EditorCodes(editor), ExpectedCodes("14 BELLS\nT = A\n", 12));
  EXPECT_EQ(EditorCodes(editor).substr(0, 8), "........");
  lexer->SetMaxBells(16);
  StyleToEnd(editor);
  EXPECT_EQ(EditorCodes(editor).substr(0, 8), "BBBBBBBB");
}

TEST(SirilLexerEditor, BaseFontReachesEveryStyle) {
  QsciScintilla editor;
  auto* lexer = new SirilLexer(&editor);
  editor.setLexer(lexer);
  QFont font = QFontDatabase::systemFont(QFontDatabase::FixedFont);
  font.setPixelSize(15);
  lexer->SetBaseFont(font);
  const qreal dpi = QGuiApplication::primaryScreen()->logicalDotsPerInchY();
  const long hundredths = static_cast<long>(15 * 72.0 / dpi * 100);
  for (int style = 0; style < SirilStyleCount; ++style) {
    EXPECT_NEAR(editor.SendScintilla(QsciScintillaBase::SCI_STYLEGETSIZEFRACTIONAL, static_cast<unsigned long>(style)),
                hundredths, 1);
    EXPECT_EQ(lexer->font(style).family(), font.family());
    EXPECT_FALSE(lexer->description(style).isEmpty());
  }
  EXPECT_TRUE(lexer->font(SirilDefinitionName).bold() && lexer->font(SirilStageLine).bold());
  EXPECT_FALSE(lexer->font(SirilDefault).bold());
  EXPECT_TRUE(lexer->font(SirilComment).italic());
  // QScintilla passes Qt's weight on in its own encoding: bold only has to differ.
  const auto weight = [&](int style) {
    return editor.SendScintilla(QsciScintillaBase::SCI_STYLEGETWEIGHT, static_cast<unsigned long>(style));
  };
  EXPECT_NE(weight(SirilDefinitionName), weight(SirilDefault));
  EXPECT_EQ(weight(SirilPlaceNotation), weight(SirilDefault));
  EXPECT_TRUE(editor.SendScintilla(QsciScintillaBase::SCI_STYLEGETITALIC, static_cast<unsigned long>(SirilComment)));
  EXPECT_STREQ(lexer->language(), "SIRIL");
}

// The window's page styles plain what nobody else styles; with the lexer set,
// what is shown (and everything above it) is styled as the lines are alone.
TEST(SirilLexerEditor, OnTheWindowsPageAsItIsShownScrolledAndEdited) {
  EditorPage page(QStringLiteral("Input"));
  page.resize(600, 400);
  page.show();
  page.setLexer(new SirilLexer(&page));
  std::string text = "6 BELLS\n";
  for (int i = 0; i < 300; ++i) text.append("T").append(std::to_string(i)).append(" = A, &x1, \"@\",\n  B\n");
  page.SetUtf8(QByteArray::fromStdString(text));
  const auto expectStyledPartRight = [&] {
    const long styled = page.SendScintilla(QsciScintillaBase::SCI_GETENDSTYLED);
    const long lastShown = page.SendScintilla(QsciScintillaBase::SCI_GETFIRSTVISIBLELINE) +
                           page.SendScintilla(QsciScintillaBase::SCI_LINESONSCREEN);
    const long shownEnd =
        page.SendScintilla(QsciScintillaBase::SCI_POSITIONFROMLINE, static_cast<unsigned long>(lastShown));
    EXPECT_GE(styled, shownEnd);
    EXPECT_EQ(EditorCodes(page).substr(0, static_cast<size_t>(styled)),
              ExpectedCodes(EditorText(page)).substr(0, static_cast<size_t>(styled)));
  };
  page.grab();
  expectStyledPartRight();
  page.SendScintilla(QsciScintillaBase::SCI_GOTOLINE, 400UL);
  page.grab();
  expectStyledPartRight();
  // A line put in above the view: the lines after it are styled afresh.
  page.SendScintilla(QsciScintillaBase::SCI_GOTOLINE, 200UL);
  page.SendScintilla(QsciScintillaBase::SCI_INSERTTEXT,
                     static_cast<unsigned long>(page.SendScintilla(QsciScintillaBase::SCI_POSITIONFROMLINE, 190UL)),
                     "X = \"abc\",\n");
  page.grab();
  expectStyledPartRight();
}

// A 100 000-line composition: opened, and styled once from the top to its end.
TEST(SirilLexerEditor, HundredThousandLines) {
  std::string text = "8 BELLS\nTouch = 2 Part, 3 (C, H),\n   Part, C\n";
  for (int i = 0; i < 20000; ++i)
    text += "Part = C, p, Y, p, C, M, Y, W, C, p, Y, p, C, H,  / one part\n"
            "       Y, p, C, p, Y, M, C, W, Y, p, C, p, Y, H\n"
            "C = \"[Cambridge]\", \"Cambridge  \\\", &-38-14-1258-36-14-58-16-78\n"
            "p = +12, \"@\"            / plain lead end\n"
            "M = +14, \"@  - M\"\n";
  text += "END\n";
  const std::vector<std::string> lines = SplitLines(text);
  using Clock = std::chrono::steady_clock;
  const auto since = [](Clock::time_point start) {
    return std::chrono::duration<double, std::milli>(Clock::now() - start).count();
  };

  LexState state;
  std::vector<StyledRun> runs;
  auto start = Clock::now();
  for (const std::string& line : lines) {
    runs.clear();
    StyleSirilLine(line, state, MaxStage, runs);
  }
  const double pureMs = since(start);

  QsciScintilla editor;
  editor.setUtf8(true);
  editor.setLexer(new SirilLexer(&editor));
  editor.resize(800, 600);
  editor.show();
  start = Clock::now();
  editor.SendScintilla(QsciScintillaBase::SCI_SETTEXT, 0UL, text.c_str());
  editor.grab();
  const double openMs = since(start);
  // Opening styles what is shown, not the whole text.
  EXPECT_GT(editor.SendScintilla(QsciScintillaBase::SCI_GETENDSTYLED), 0);
  EXPECT_LT(editor.SendScintilla(QsciScintillaBase::SCI_GETENDSTYLED), static_cast<long>(text.size() / 100));
  start = Clock::now();
  editor.SendScintilla(QsciScintillaBase::SCI_DOCUMENTEND);
  editor.grab();
  const double endMs = since(start);
  std::cout << "[ timing   ] " << lines.size() << " lines, " << text.size() << " bytes: " << pureMs
            << " ms line by line; in the editor: open " << openMs << " ms, to the end " << endMs << " ms\n";

  EXPECT_EQ(editor.SendScintilla(QsciScintillaBase::SCI_GETENDSTYLED), static_cast<long>(text.size()));
  const long last = editor.SendScintilla(QsciScintillaBase::SCI_POSITIONFROMLINE,
                                         static_cast<unsigned long>(lines.size() - 4));  // "p = +12, ..."
  EXPECT_EQ(editor.SendScintilla(QsciScintillaBase::SCI_GETSTYLEAT, static_cast<unsigned long>(last)),
            SirilDefinitionName);
  EXPECT_EQ(editor.SendScintilla(QsciScintillaBase::SCI_GETSTYLEAT, static_cast<unsigned long>(last + 4)),
            SirilPlaceNotation);
  EXPECT_LT(endMs, 2000.0);
}

}  // namespace
}  // namespace tolvern::app
