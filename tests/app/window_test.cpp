#include <gtest/gtest.h>

#include <QAction>
#include <QMenu>
#include <QMenuBar>
#include <QPlainTextEdit>
#include <QTabWidget>
#include <QDir>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QTest>
#include <QToolBar>
#include <QToolButton>

#include "editor_page.h"
#include "gui_helpers.h"

namespace tolvern::app {
namespace {

using testing::PageLines;
using testing::ProveAndWait;
using testing::ScriptedDialogs;
using testing::TypeText;

const QString FourBellTouch = QStringLiteral("4 BELLS\nTOUCH = 3 LEAD\nLEAD = &x14x14,+12\n");

QAction* ItemNamed(const MainWindow& window, const char* name) {
  auto* action = window.findChild<QAction*>(QString::fromLatin1(name));
  EXPECT_NE(action, nullptr) << name;
  return action;
}

QMenu* MenuNamed(const MainWindow& window, const char* name) { return window.findChild<QMenu*>(QString::fromLatin1(name)); }

bool IsRed(const EditorPage* page) { return page->TextColour() == QColor(Qt::red); }

using WindowTest = testing::WindowFixture;

TEST_F(WindowTest, StartsWithTheMenusButtonsAndPagesOfAFreshStart) {
  EXPECT_EQ(window.windowTitle(), "TOLVERN");
  EXPECT_EQ(window.MemoLines(), QStringList{"Open an existing file or create a new one to start"});
  EXPECT_TRUE(window.pages()->isHidden());
  EXPECT_EQ(window.pages()->currentIndex(), MainWindow::ProofPage);

  QStringList menus;
  for (QAction* action : window.menuBar()->actions()) menus << action->text();
  EXPECT_EQ(menus, (QStringList{"&File", "&Edit", "&Show", "&Method", "Debug", "Unsaved", "&Help"}));

  struct Expected {
    const char* name;
    const char* caption;
    bool enabled;
    bool visible;
  };
  for (const Expected& item : std::vector<Expected>{
           {"New1", "&New", true, true},          {"Save1", "&Save", false, true},
           {"SaveAs1", "Save &As...", false, true}, {"Prove1", "Pro&ve", false, true},
           {"Explorer1", "&Explorer...", true, true}, {"Print1", "&Print...", false, true},
           {"PrinterSetup1", "Printer Set&up...", true, true}, {"Exit1", "E&xit", true, true},
           {"Del1", "&Del", true, true},          {"Cut1", "Cu&t", true, true},
           {"Copy1", "&Copy", true, true},        {"Paste1", "&Paste", true, true},
           {"SelectAll1", "Select A&ll", true, true}, {"Music1", "&Musical Changes", true, true},
           {"WorkDone1", "&Work For Each Bell", true, true}, {"SIRIL1", "micro&SIRIL Output", true, false},
           {"SearchSIRILLibraries1", "&Search microSIRIL Libraries", true, false},
           {"Parse1", "Parse", true, true},        {"SymTab1", "SymTab", true, true},
           {"Proof1", "Proof", true, true},        {"Unsaved1", "Unsaved", false, false},
           {"About1", "&About", true, true},      {"PredefinedNames1", "&Predefined  Names", true, true},
           {"SpecialPrintablCharacters1", "&Special Printable Characters", true, true},
           {"Example1", "&Example", true, true}}) {
    QAction* action = ItemNamed(window, item.name);
    ASSERT_NE(action, nullptr);
    EXPECT_EQ(action->text(), item.caption) << item.name;
    EXPECT_EQ(action->isVisible(), item.visible) << item.name;
    if (item.visible) {
      EXPECT_EQ(action->isEnabled(), item.enabled) << item.name;
    }
    EXPECT_TRUE(action->shortcut().isEmpty()) << item.name;
  }
  // Insert Method waits for a text.
  EXPECT_EQ(ItemNamed(window, "InsertMethod1")->text(), "&Insert Method...");
  EXPECT_FALSE(ItemNamed(window, "InsertMethod1")->isEnabled());
  EXPECT_EQ(ItemNamed(window, "InsertMethod1")->shortcut(), QKeySequence(Qt::CTRL | Qt::Key_M));
  EXPECT_TRUE(ItemNamed(window, "Music1")->isChecked());
  EXPECT_TRUE(ItemNamed(window, "WorkDone1")->isChecked());
  for (const char* unchecked : {"Parse1", "SymTab1", "Proof1"}) EXPECT_FALSE(ItemNamed(window, unchecked)->isChecked());
  EXPECT_FALSE(MenuNamed(window, "Edit1")->menuAction()->isEnabled());
  EXPECT_FALSE(MenuNamed(window, "Debug1")->menuAction()->isVisible());

  QStringList openItems;
  for (QAction* action : MenuNamed(window, "Open1")->actions()) openItems << action->text();
  EXPECT_EQ(openItems, (QStringList{"Doubles", "Minor", "Triples", "Major", "Caters", "Royal", "Cinques", "Maximus",
                                    "Sextuples", "Fourteen", "Septuples", "Sixteen", "Other SIRIL", "All"}));

  auto* toolBar = window.findChild<QToolBar*>("Panel1");
  ASSERT_NE(toolBar, nullptr);
  QStringList shownHints, hiddenHints;
  for (const char* name : {"SpeedButtonNew", "SpeedButtonOpen", "SpeedButtonSave", "SpeedButtonPrint", "SpeedButtonProve"}) {
    QAction* button = ItemNamed(window, name);
    (button->isVisible() ? shownHints : hiddenHints) << button->toolTip();
    EXPECT_EQ(toolBar->widgetForAction(button)->accessibleName(), button->toolTip());
  }
  EXPECT_EQ(shownHints, (QStringList{"New", "Open..."}));
  EXPECT_EQ(hiddenHints, (QStringList{"Save", "Print...", "Prove"}));

  QStringList tabs;
  for (int i = 0; i < window.pages()->count(); ++i) tabs << window.pages()->tabText(i);
  EXPECT_EQ(tabs, (QStringList{"Input", "Proof", "SIRIL", "TOLVERN"}));
  EXPECT_FALSE(window.pages()->isTabVisible(MainWindow::SirilPage));
  EXPECT_EQ(PageLines(window, MainWindow::ProofPage),
            QStringList{"This is where the output of the TOLVERN proof program will go"});
  EXPECT_EQ(PageLines(window, MainWindow::TolvernPage),
            (QStringList{"This is where the output of the microSIRIL compatible TOLVERN ", "proof program will go", ""}));
  EXPECT_TRUE(window.page(MainWindow::ProofPage)->isReadOnly());
  EXPECT_FALSE(window.input()->isReadOnly());
  for (auto page : {MainWindow::InputPage, MainWindow::ProofPage, MainWindow::SirilPage, MainWindow::TolvernPage})
    EXPECT_FALSE(window.page(page)->accessibleName().isEmpty());
  EXPECT_EQ(window.memo()->accessibleName(), "Progress");
}

TEST_F(WindowTest, NewShowsThePagesAndEnablesTheDocumentCommands) {
  window.New1Click();
  EXPECT_FALSE(window.pages()->isHidden());
  EXPECT_EQ(window.pages()->currentIndex(), MainWindow::InputPage);
  EXPECT_EQ(window.MemoLines(), QStringList{"Opened NEW file"});
  for (const char* enabled : {"Prove1", "Print1", "SaveAs1"}) EXPECT_TRUE(ItemNamed(window, enabled)->isEnabled());
  EXPECT_FALSE(ItemNamed(window, "Save1")->isEnabled());
  for (const char* shown : {"SpeedButtonSave", "SpeedButtonPrint", "SpeedButtonProve"})
    EXPECT_TRUE(ItemNamed(window, shown)->isVisible());
  EXPECT_FALSE(window.Modified());
}

TEST_F(WindowTest, ProveShowsTheProofAndTheMemoInOrder) {
  TypeText(window, FourBellTouch);
  ASSERT_TRUE(ProveAndWait(window));
  EXPECT_EQ(window.pages()->currentIndex(), MainWindow::ProofPage);
  EXPECT_EQ(PageLines(window, MainWindow::ProofPage), (QStringList{"24 rows ending in 1234", "Touch is True"}));
  EXPECT_EQ(window.MemoLines(), (QStringList{"Start of proof", "Rounds were found", "Number changes generated=24"}));
  // Without the cross-check the compatible page is not filled.
  EXPECT_EQ(PageLines(window, MainWindow::TolvernPage)[1], "proof program will go");
  EXPECT_FALSE(IsRed(window.page(MainWindow::ProofPage)));
}

TEST_F(WindowTest, AWarningWaitsForItsBox) {
  TypeText(window, QStringLiteral("4 BELLS\nT = L\nL = &x14x14,+12\nEND\nafter the end\n"));
  ASSERT_TRUE(ProveAndWait(window));
  ASSERT_EQ(dialogs.boxes.size(), 1u);
  EXPECT_EQ(dialogs.boxes[0].kind, "Warning");
  EXPECT_EQ(dialogs.boxes[0].text, "WARNING additional line beyond the \"END\" statement\n...Line ignored");
  EXPECT_EQ(PageLines(window, MainWindow::ProofPage).mid(0, 2),
            (QStringList{"WARNING additional line beyond the \"END\" statement", "        ...Line ignored"}));
}

TEST_F(WindowTest, TheOptionCheckMarksReachTheEngine) {
  TypeText(window, QStringLiteral("6 BELLS\nT = L\nL = \"[M]\", &x16x16x16,+12\n"));
  ASSERT_TRUE(ProveAndWait(window));
  QStringList proof = PageLines(window, MainWindow::ProofPage);
  EXPECT_TRUE(proof.contains("Touch contains:"));
  EXPECT_TRUE(proof.contains("NumberLeads=1"));
  EXPECT_FALSE(proof.contains("HEAD Element:T"));

  for (const char* toggled : {"Music1", "WorkDone1", "Parse1", "SymTab1", "Proof1"}) ItemNamed(window, toggled)->trigger();
  ASSERT_TRUE(ProveAndWait(window));
  proof = PageLines(window, MainWindow::ProofPage);
  EXPECT_FALSE(proof.contains("Touch contains:"));
  EXPECT_TRUE(proof.contains("HEAD Element:T"));
  EXPECT_TRUE(proof.contains("1:6 BELLS"));
  EXPECT_TRUE(proof.contains("DATA ELEMENT DEFINITIONS"));
  EXPECT_FALSE(proof.contains("NumberLeads=1"));
}

TEST_F(WindowTest, UnderliningTakesOutTheMarkers) {
  // Three switches: the first stretch closed, the second open to the end.
  TypeText(window, QStringLiteral("4 BELLS\nT = \"ab_cd_ef_gh\"\n"));
  ASSERT_TRUE(ProveAndWait(window));
  EditorPage* proof = window.page(MainWindow::ProofPage);
  EXPECT_EQ(proof->text(0), "abcdefgh\n");
  QString styles;
  for (int i = 0; i < 8; ++i)
    styles += QString::number(proof->SendScintilla(QsciScintillaBase::SCI_GETSTYLEAT, static_cast<unsigned long>(i)));
  EXPECT_EQ(styles, "00110011");
}

TEST_F(WindowTest, OutputTurnsRedWhenTheTextChangesAndProveTurnsItBack) {
  Show();
  TypeText(window, FourBellTouch);
  ASSERT_TRUE(ProveAndWait(window));
  for (auto page : {MainWindow::ProofPage, MainWindow::SirilPage, MainWindow::TolvernPage})
    EXPECT_FALSE(IsRed(window.page(page)));
  window.input()->setCursorPosition(0, 0);
  QTest::keyClick(window.input(), Qt::Key_Space);
  for (auto page : {MainWindow::ProofPage, MainWindow::SirilPage, MainWindow::TolvernPage})
    EXPECT_TRUE(IsRed(window.page(page)));
  EXPECT_TRUE(window.Modified());
  ASSERT_TRUE(ProveAndWait(window));
  EXPECT_FALSE(IsRed(window.page(MainWindow::ProofPage)));
}

void RightClick(EditorPage* editor, Qt::KeyboardModifiers modifiers = Qt::NoModifier) {
  QTest::mouseClick(editor->viewport(), Qt::RightButton, modifiers, QPoint(5, 5));
}

TEST_F(WindowTest, APlainRightClickTogglesTheLineNumbers) {
  QString text;
  for (int i = 1; i <= 1234; ++i) text += QStringLiteral("line %1\n").arg(i);
  TypeText(window, text);
  ASSERT_TRUE(ProveAndWait(window));
  EditorPage* input = window.input();

  RightClick(input, Qt::ShiftModifier);
  QTest::mouseClick(input->viewport(), Qt::LeftButton, Qt::NoModifier, QPoint(5, 5));
  EXPECT_FALSE(window.LineNumbersShown());

  RightClick(input);
  ASSERT_TRUE(window.LineNumbersShown());
  EXPECT_TRUE(input->isReadOnly());
  EXPECT_EQ(input->TextColour(), QColor(Qt::blue));
  EXPECT_EQ(input->text(0), "  1:line 1\n");
  EXPECT_EQ(input->text(999), "000:line 1000\n");
  EXPECT_EQ(input->text(1233), "234:line 1234\n");
  EXPECT_EQ(input->text(1234), "235:");
  EXPECT_FALSE(input->isUndoAvailable());
  EXPECT_FALSE(IsRed(window.page(MainWindow::ProofPage)));

  RightClick(input);
  EXPECT_FALSE(window.LineNumbersShown());
  EXPECT_FALSE(input->isReadOnly());
  EXPECT_EQ(QString::fromUtf8(input->Utf8()), text);
  EXPECT_FALSE(IsRed(window.page(MainWindow::ProofPage)));

  // Nor do the numbers mark a document modified.
  dialogs.answers.push_back(Dialogs::Answer::No);
  window.New1Click();
  RightClick(input);
  EXPECT_EQ(input->text(0), "  1:");
  RightClick(input);
  EXPECT_EQ(input->text(0), "");
  EXPECT_FALSE(window.Modified());
}

TEST_F(WindowTest, ProveTakesTheLineNumbersOutFirst) {
  TypeText(window, FourBellTouch);
  RightClick(window.input());
  ASSERT_TRUE(window.LineNumbersShown());
  ASSERT_TRUE(ProveAndWait(window));
  EXPECT_FALSE(window.LineNumbersShown());
  EXPECT_EQ(QString::fromUtf8(window.input()->Utf8()), FourBellTouch);
  EXPECT_EQ(PageLines(window, MainWindow::ProofPage).last(), "Touch is True");
}

TEST_F(WindowTest, StopEndsALongProofInOrder) {
  // 10^12 changes that never come round: only Stop ends it.
  Show();
  TypeText(window, QStringLiteral("6 BELLS\nT = B, 1000000 A\nA = 1000000 P\nB = &x16x16x16,+14\n"
                                  "P = &x16x16x16,+12\nCONFLICT =\n"));
  QSignalSpy shown(&window, &MainWindow::ProofShown);
  window.Prove1Click();
  EXPECT_TRUE(window.ProofRunning());
  EXPECT_FALSE(ItemNamed(window, "Prove1")->isEnabled());
  EXPECT_FALSE(ItemNamed(window, "New1")->isEnabled());
  EXPECT_TRUE(ItemNamed(window, "SpeedButtonStop")->isVisible());
  // The memo counts the changes while the proof runs; typing goes on.
  ASSERT_TRUE(testing::WaitFor([&] { return window.MemoLines().last().startsWith("Changes rung so far: "); }));
  QTest::keyClick(window.input(), Qt::Key_Space);
  // Esc where the ringer's typing is: the editor must not keep it.
  QTest::keyClick(window.input(), Qt::Key_Escape);
  ASSERT_TRUE(testing::WaitFor([&] { return shown.count() > 0; }));
  EXPECT_FALSE(window.ProofRunning());
  EXPECT_TRUE(ItemNamed(window, "Prove1")->isEnabled());
  const QStringList memo = window.MemoLines();
  EXPECT_EQ(memo.first(), "Start of proof");
  EXPECT_TRUE(memo.contains("Proof stopped by the user"));
  EXPECT_FALSE(memo.contains("Rounds were found"));
  EXPECT_TRUE(memo.last().startsWith("Number changes generated="));
  EXPECT_TRUE(memo.filter("Changes rung so far").isEmpty());
  // Typed while it ran: the output is for an older text.
  EXPECT_TRUE(IsRed(window.page(MainWindow::ProofPage)));
}

TEST_F(WindowTest, TheCrossCheckItemShowsAndHidesItsTwoPages) {
  QAction* siril = ItemNamed(window, "SIRIL1");
  siril->trigger();
  EXPECT_TRUE(window.pages()->isTabVisible(MainWindow::SirilPage));
  EXPECT_TRUE(window.pages()->isTabVisible(MainWindow::TolvernPage));
  EXPECT_EQ(PageLines(window, MainWindow::SirilPage), QStringList{"Prove the composition to generate the output"});
  siril->trigger();
  EXPECT_FALSE(window.pages()->isTabVisible(MainWindow::SirilPage));
  EXPECT_FALSE(window.pages()->isTabVisible(MainWindow::TolvernPage));
}

TEST_F(WindowTest, ADoubleClickOnAnErrorShowsItsLine) {
  TypeText(window, QStringLiteral("6 BELLS\nT = L\n\nL = &x16x16x16,+12 Q\n"));
  ASSERT_TRUE(ProveAndWait(window));
  EditorPage* proof = window.page(MainWindow::ProofPage);
  ASSERT_TRUE(proof->text(0).contains("line 4"));
  const QPoint firstLine(3, static_cast<int>(proof->SendScintilla(QsciScintillaBase::SCI_TEXTHEIGHT, 0UL)) / 2);
  QTest::mouseDClick(proof->viewport(), Qt::LeftButton, Qt::NoModifier, firstLine);
  EXPECT_EQ(window.pages()->currentIndex(), MainWindow::InputPage);
  int line = -1, index = -1;
  window.input()->getCursorPosition(&line, &index);
  EXPECT_EQ(line, 3);
  EXPECT_EQ(index, 0);
}

}  // namespace
}  // namespace tolvern::app
