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
#include "style_codes.h"

namespace tolvern::app {
namespace {

using testing::Code;
using testing::Codes;
using testing::StyleLines;


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
