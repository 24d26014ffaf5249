#include <gtest/gtest.h>

#include <QAction>
#include <QElapsedTimer>
#include <QFile>
#include <QSignalSpy>
#include <QTabWidget>

#include "diagnostic_marks.h"
#include "editor_page.h"
#include "gui_helpers.h"

namespace tolvern::app {
namespace {

using testing::PageLines;
using testing::ProveAndWait;
using testing::WaitFor;

int MarkersOn(EditorPage* editor, int line) {
  return static_cast<int>(editor->SendScintilla(QsciScintillaBase::SCI_MARKERGET, line));
}

bool Squiggled(EditorPage* editor, long position) {
  return editor->SendScintilla(QsciScintillaBase::SCI_INDICATORVALUEAT, DiagnosticMarks::QuotedIndicator, position) > 0;
}

long PositionOf(EditorPage* editor, int line, const char* text) {
  return editor->SendScintilla(QsciScintillaBase::SCI_POSITIONFROMLINE, line) +
         static_cast<long>(editor->text(line).indexOf(QLatin1String(text)));
}

using DiagnosticMarksInWindow = testing::WindowFixture;

TEST_F(DiagnosticMarksInWindow, ErrorsAndWarningsAreMarkedAtTheirLines) {
  testing::TypeText(window, QStringLiteral("6 BELLS\nT = L, BOB\nL = &x16x16x16,+12 junk\nP = &x1.6\nW = x16..16\n"));
  EditorPage* input = window.input();
  EXPECT_EQ(input->marginWidth(1), 0);
  ASSERT_TRUE(ProveAndWait(window));
  EXPECT_EQ(MarkersOn(input, 2), 1 << DiagnosticMarks::ErrorMarker);
  EXPECT_EQ(MarkersOn(input, 0), 0);
  EXPECT_GT(input->marginWidth(1), 0);
  EXPECT_TRUE(Squiggled(input, PositionOf(input, 2, "junk")));
  EXPECT_FALSE(Squiggled(input, PositionOf(input, 2, "&x16")));
  const QString messages = window.findChild<DiagnosticMarks*>()->MessagesOfLine(2);
  EXPECT_TRUE(messages.startsWith("Error in defining name on line 3 of the method description.\n  ..."));

  // Editing the line takes its mark away; the margin goes with the last one.
  input->setCursorPosition(2, 0);
  QTest::keyClicks(input, "/");
  EXPECT_EQ(MarkersOn(input, 2), 0);
  EXPECT_FALSE(Squiggled(input, PositionOf(input, 2, "junk")));
}

TEST_F(DiagnosticMarksInWindow, AWarningHasItsOwnMarkAndSeveralMessagesShareALine) {
  testing::TypeText(window, QStringLiteral("6 BELLS\nT = L\nL = &x16x16x16,+12\nMUSIC = \"DEFAULT\",\"12Z\",\"1Q\"\n"));
  ASSERT_TRUE(ProveAndWait(window));
  EXPECT_EQ(MarkersOn(window.input(), 3), 1 << DiagnosticMarks::WarningMarker);
  const QString messages = window.findChild<DiagnosticMarks*>()->MessagesOfLine(3);
  EXPECT_EQ(messages.count("WARNING invalid character found in a \"MUSIC=\" statement"), 2);
}

TEST_F(DiagnosticMarksInWindow, EveryErrorIsMarkedThoughThePageShowsTen) {
  QString text = QStringLiteral("6 BELLS\n");
  for (int i = 0; i < 14; ++i) text += QStringLiteral("2 A%1 = B\n").arg(i);
  testing::TypeText(window, text);
  ASSERT_TRUE(ProveAndWait(window));
  EXPECT_TRUE(PageLines(window, MainWindow::ProofPage).contains("<< Further error messages suppressed >>"));
  for (int line = 1; line <= 14; ++line) EXPECT_EQ(MarkersOn(window.input(), line), 1 << DiagnosticMarks::ErrorMarker) << line;
  EXPECT_EQ(window.findChild<DiagnosticMarks*>()->MarkedLines(), 14);
}

TEST_F(DiagnosticMarksInWindow, LineNumbersKeepTheMarksOnTheirLines) {
  testing::TypeText(window, QStringLiteral("6 BELLS\nT = L junk\nL = &x16x16x16,+12\n"));
  ASSERT_TRUE(ProveAndWait(window));
  window.ToggleLineNumbers(Qt::RightButton, Qt::NoModifier, false);
  EXPECT_EQ(MarkersOn(window.input(), 1), 1 << DiagnosticMarks::ErrorMarker);
  EXPECT_TRUE(Squiggled(window.input(), PositionOf(window.input(), 1, "junk")));
  window.ToggleLineNumbers(Qt::RightButton, Qt::NoModifier, false);
  EXPECT_EQ(MarkersOn(window.input(), 1), 1 << DiagnosticMarks::ErrorMarker);
}

TEST_F(DiagnosticMarksInWindow, ColoursFollowTheirItemAndPauseForTheLineNumbers) {
  QFile ini(folder.filePath("TOLVERN.INI"));
  ASSERT_TRUE(ini.open(QIODevice::WriteOnly));
  ini.write("[TOLVERN]\nWorking=.\nSyntaxColours=Yes\n");
  ini.close();
  Show();
  auto* colours = window.findChild<QAction*>("SyntaxColours1");
  ASSERT_TRUE(colours->isChecked());
  EXPECT_FALSE(window.findChild<QAction*>("ProveAsYouType1")->isChecked());
  testing::TypeText(window, QStringLiteral("6 BELLS / stage\nT = L\n"));
  EditorPage* input = window.input();
  const auto styleAt = [&](int line, const char* text) {
    return input->SendScintilla(QsciScintillaBase::SCI_GETSTYLEAT, PositionOf(input, line, text));
  };
  QTest::qWait(50);
  input->repaint();
  const long comment = styleAt(0, "stage");
  EXPECT_NE(comment, 0);
  EXPECT_NE(styleAt(1, "T"), comment);

  window.ToggleLineNumbers(Qt::RightButton, Qt::NoModifier, false);
  EXPECT_EQ(input->lexer(), nullptr);
  EXPECT_EQ(input->TextColour(), QColor(Qt::blue));
  window.ToggleLineNumbers(Qt::RightButton, Qt::NoModifier, false);
  EXPECT_NE(input->lexer(), nullptr);

  colours->trigger();
  EXPECT_EQ(input->lexer(), nullptr);
  EXPECT_EQ(styleAt(0, "stage"), 0);
}

class ProvingAsYouType : public testing::WindowFixture {
 protected:
  void SetUp() override {
    WindowFixture::SetUp();
    QFile ini(folder.filePath("TOLVERN.INI"));
    ASSERT_TRUE(ini.open(QIODevice::WriteOnly));
    ini.write("[TOLVERN]\nWorking=.\nProveAsYouType=Yes\n");
    ini.close();
    Show();
    ASSERT_TRUE(window.findChild<QAction*>("ProveAsYouType1")->isChecked());
    window.New1Click();
  }
};

TEST_F(ProvingAsYouType, APauseProvesWithoutMovingPageOrCaret) {
  QSignalSpy shown(&window, &MainWindow::ProofShown);
  QElapsedTimer typing;
  typing.start();
  window.input()->setText("4 BELLS\nT = 3 L\nL = &x14x14,+12\n");
  window.input()->setCursorPosition(1, 3);
  ASSERT_TRUE(WaitFor([&] { return shown.count() > 0; }, 5000));
  EXPECT_GE(typing.elapsed(), 290);  // not before the pause
  EXPECT_EQ(shown.count(), 1);
  EXPECT_EQ(window.pages()->currentIndex(), MainWindow::InputPage);
  int line = -1, index = -1;
  window.input()->getCursorPosition(&line, &index);
  EXPECT_EQ(line, 1);
  EXPECT_EQ(index, 3);
  EXPECT_EQ(PageLines(window, MainWindow::ProofPage), (QStringList{"24 rows ending in 1234", "Touch is True"}));
  EXPECT_EQ(window.MemoLines(), (QStringList{"Start of proof", "Rounds were found", "Number changes generated=24"}));
  EXPECT_EQ(window.page(MainWindow::ProofPage)->TextColour(), window.input()->TextColour());
  EXPECT_TRUE(window.Modified());
}

TEST_F(ProvingAsYouType, ANewerTextCancelsTheProofOfTheOlder) {
  QSignalSpy shown(&window, &MainWindow::ProofShown);
  // An endless touch, then, while it is being proved, a short one.
  window.input()->setText("6 BELLS\nT = B, 1000000 A\nA = 1000000 P\nB = &x16x16x16,+14\nP = &x16x16x16,+12\nCONFLICT =\n");
  QTest::qWait(500);  // past the pause: the endless proof is running
  EXPECT_EQ(shown.count(), 0);
  window.input()->setText("4 BELLS\nT = 3 L\nL = &x14x14,+12\n");
  ASSERT_TRUE(WaitFor([&] { return shown.count() > 0; }, 5000));
  QTest::qWait(1200);  // the cancelled proof never shows
  EXPECT_EQ(shown.count(), 1);
  EXPECT_EQ(PageLines(window, MainWindow::ProofPage).last(), "Touch is True");
}

TEST_F(ProvingAsYouType, ALongTouchIsLeftToProve) {
  QSignalSpy shown(&window, &MainWindow::ProofShown);
  window.input()->setText("6 BELLS\nT = B, 1000000 A\nA = 1000000 P\nB = &x16x16x16,+14\nP = &x16x16x16,+12\nCONFLICT =\n");
  ASSERT_TRUE(WaitFor([&] { return shown.count() > 0; }, 5000));
  EXPECT_TRUE(window.MemoLines().contains(
      "Proof stopped after a second while proving as you type: press Prove to prove it in full"));
  EXPECT_FALSE(window.ProofRunning());
  EXPECT_TRUE(window.findChild<QAction*>("Prove1")->isEnabled());
}

}  // namespace
}  // namespace tolvern::app
