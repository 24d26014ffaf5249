#include <gtest/gtest.h>

#include <QAction>
#include <QFile>
#include <QMenu>
#include <QTabWidget>
#include <QTest>

#include "editor_page.h"
#include "gui_helpers.h"

namespace tolvern::app {
namespace {

using testing::PageLines;
using testing::ProveAndWait;
using Answer = Dialogs::Answer;

using testing::ReadBytes;
using testing::WriteBytes;

class DocumentCommands : public testing::WindowFixture {
 protected:
  QString Path(const QString& name) const { return folder.filePath(name); }
  QAction* Item(const char* name) const { return window.findChild<QAction*>(QString::fromLatin1(name)); }
  void Type(const QString& text) {
    window.input()->setCursorPosition(0, 0);
    QTest::keyClicks(window.input(), text);
  }
  const testing::ShownBox& LastBox() const { return dialogs.boxes.back(); }
};

const QByteArray Latin1Touch = "4 BELLS\r\nT = \"caf\xE9\", L\r\nL = &x14x14,+12\r\n";

TEST_F(DocumentCommands, OpenTypeAndSaveKeepTheFilesBytes) {
  Show();
  const QString path = Path("touch.min");
  ASSERT_TRUE(WriteBytes(path, Latin1Touch));
  dialogs.fileChoices.push_back(FileChoice{path, 2});
  window.OpenCompositionFile(2);

  ASSERT_EQ(dialogs.fileDialogs.size(), 1u);
  EXPECT_EQ(dialogs.fileDialogs[0].title, "Open Composition File");
  EXPECT_EQ(dialogs.fileDialogs[0].filterIndex, 2);
  EXPECT_EQ(dialogs.fileDialogs[0].filters.size(), 14);
  EXPECT_EQ(window.windowTitle(), "TOLVERN - " + path);
  EXPECT_EQ(window.MemoLines(), QStringList{"Opened file: " + path});
  EXPECT_EQ(window.pages()->currentIndex(), MainWindow::InputPage);
  EXPECT_TRUE(Item("Save1")->isEnabled());
  EXPECT_FALSE(window.Modified());
  EXPECT_EQ(window.input()->text(1), QString::fromUtf8("T = \"café\", L\n"));

  Type("/ ");
  EXPECT_TRUE(window.Modified());
  EXPECT_TRUE(window.Save1Click());
  EXPECT_EQ(ReadBytes(path), "/ " + Latin1Touch);
  EXPECT_FALSE(window.Modified());
  EXPECT_EQ(window.MemoLines(), (QStringList{"Opened file: " + path, "Saved file: " + path}));
}

TEST_F(DocumentCommands, SaveAsOnANewDocumentProposesNewFile) {
  Show();
  window.New1Click();
  Type("4 BELLS");
  EXPECT_FALSE(window.SaveAs1Click());  // cancelled
  ASSERT_EQ(dialogs.fileDialogs.size(), 1u);
  EXPECT_EQ(dialogs.fileDialogs[0].title, "Save As");
  EXPECT_EQ(dialogs.fileDialogs[0].fileName, "NEW FILE");
  EXPECT_EQ(dialogs.fileDialogs[0].filterIndex, 13);
  EXPECT_EQ(dialogs.fileDialogs[0].defaultSuffix, "sir");
  EXPECT_TRUE(window.FileName().isEmpty());

  // Still without a name, the Save button opens Save As again.
  const QString path = Path("new.sir");
  dialogs.fileChoices.push_back(FileChoice{path, 13});
  window.SpeedButtonSaveClick();
  EXPECT_EQ(dialogs.fileDialogs.size(), 2u);
  EXPECT_EQ(ReadBytes(path), "4 BELLS\r\n");  // a new document's line ends
  EXPECT_EQ(window.windowTitle(), "TOLVERN - " + path);
  EXPECT_TRUE(Item("Save1")->isEnabled());
  EXPECT_EQ(window.MemoLines().last(), "Saved file: " + path);
}

TEST_F(DocumentCommands, TheSaveQuestionGuardsTheText) {
  Show();
  window.New1Click();
  Type("kept");

  window.New1Click();  // Cancel (the script's default)
  EXPECT_EQ(LastBox().kind, "Confirm");
  EXPECT_EQ(LastBox().title, "Confirm");
  EXPECT_EQ(LastBox().text, "Do you want to save changes to the file ?");
  EXPECT_EQ(window.input()->text(), "kept");

  // Yes, then the Save As dialog cancelled: nothing is saved, so nothing is discarded.
  dialogs.answers.push_back(Answer::Yes);
  window.New1Click();
  EXPECT_EQ(window.input()->text(), "kept");
  EXPECT_TRUE(window.Modified());

  // Yes on a named document saves it without a dialog, then goes on.
  const QString path = Path("named.sir");
  dialogs.fileChoices.push_back(FileChoice{path, 13});
  ASSERT_TRUE(window.SaveAs1Click());
  Type("more ");
  const size_t dialogsShown = dialogs.fileDialogs.size();
  dialogs.answers.push_back(Answer::Yes);
  window.New1Click();
  EXPECT_EQ(dialogs.fileDialogs.size(), dialogsShown);
  EXPECT_EQ(ReadBytes(path), "more kept\r\n");
  EXPECT_EQ(window.input()->text(), "");
  EXPECT_EQ(window.windowTitle(), "TOLVERN");

  // No discards. After Open then New, Save asks for a name.
  Type("thrown away");
  dialogs.answers.push_back(Answer::No);
  window.New1Click();
  EXPECT_EQ(window.input()->text(), "");
  Type("x");
  window.Save1Click();
  EXPECT_EQ(dialogs.fileDialogs.back().title, "Save As");
}

TEST_F(DocumentCommands, TheOpenButtonRemembersTheStageAndSaveAsLeavesAll) {
  Show();
  window.SpeedButtonOpenClick();  // no document name yet: All
  EXPECT_EQ(dialogs.fileDialogs.back().filterIndex, 14);

  const QString path = Path("peal.maj");
  ASSERT_TRUE(WriteBytes(path, "8 BELLS\n"));
  dialogs.fileChoices.push_back(FileChoice{path, 4});
  window.OpenCompositionFile(4);
  window.SpeedButtonOpenClick();
  EXPECT_EQ(dialogs.fileDialogs.back().filterIndex, 4);

  // Opened through All, the next Save As offers Other SIRIL (so ".sir" is added).
  dialogs.fileChoices.push_back(FileChoice{path, 14});
  window.OpenCompositionFile(14);
  window.SaveAs1Click();
  EXPECT_EQ(dialogs.fileDialogs.back().filterIndex, 13);
  EXPECT_EQ(dialogs.fileDialogs.back().fileName, path);
}

TEST_F(DocumentCommands, OpeningTakesTheLineNumbersOffBeforeTheQuestion) {
  Show();
  window.New1Click();
  Type("4 BELLS");
  window.ToggleLineNumbers(Qt::RightButton, Qt::NoModifier, false);
  ASSERT_TRUE(window.LineNumbersShown());
  const QString path = Path("saved.sir");
  dialogs.answers.push_back(Answer::Yes);
  dialogs.fileChoices.push_back(FileChoice{path, 13});  // the Save As of the question
  window.OpenCompositionFile(1);                        // its own dialog is then cancelled
  EXPECT_FALSE(window.LineNumbersShown());
  EXPECT_EQ(ReadBytes(path), "4 BELLS\r\n");
}

TEST_F(DocumentCommands, AFailedSaveLeavesFileFlagAndCaption) {
  Show();
  const QString path = Path("old.sir");
  ASSERT_TRUE(WriteBytes(path, "old text\r\n"));
  dialogs.fileChoices.push_back(FileChoice{path, 13});
  window.OpenCompositionFile(13);
  Type("new ");
  // A folder of that name stands where the file is to go: it cannot be written.
  const QString blocked = Path("folder.sir");
  ASSERT_TRUE(QDir().mkdir(blocked));
  dialogs.fileChoices.push_back(FileChoice{blocked, 13});
  EXPECT_FALSE(window.SaveAs1Click());
  EXPECT_EQ(LastBox().title, "TOLVERN");
  EXPECT_EQ(LastBox().text, "Cannot create file " + blocked + ".");
  EXPECT_TRUE(window.Modified());
  EXPECT_EQ(window.windowTitle(), "TOLVERN - " + path);
  EXPECT_EQ(window.FileName(), path);
  EXPECT_EQ(ReadBytes(path), "old text\r\n");
}

TEST_F(DocumentCommands, AFileNamedAtStartIsOpenedWithItsStage) {
  const QString path = Path("start.roy");
  ASSERT_TRUE(WriteBytes(path, "10 BELLS\n"));
  window.OpenAtStart(path);
  Show();
  EXPECT_EQ(window.windowTitle(), "TOLVERN - " + path);
  EXPECT_EQ(window.MemoLines(), QStringList{"Opened file: " + path});
  window.SpeedButtonOpenClick();
  EXPECT_EQ(dialogs.fileDialogs.back().filterIndex, 6);
}

TEST_F(DocumentCommands, AFileThatCannotBeReadAtStartLeavesAnEmptyWindow) {
  window.OpenAtStart(Path("missing.maj"));
  Show();
  EXPECT_EQ(LastBox().text, "Cannot open file " + Path("missing.maj") + ".");
  EXPECT_EQ(window.windowTitle(), "TOLVERN");
  EXPECT_TRUE(window.pages()->isHidden());
}

TEST_F(DocumentCommands, TheSettingsFileIsReadWhenTheWindowFirstShows) {
  ASSERT_TRUE(WriteBytes(Path("tolvern.ini"),
             "[TOLVERN]\nWorking=.\nMaxNumberBells=16\nDebug=Yes\n[microSIRIL]\nRUNmicroSIRIL=Y\n"
             "Executable=" + Path("nowhere/PROVE.COM").toUtf8() + "\n"));
  Show();
  ASSERT_EQ(dialogs.boxes.size(), 1u);
  EXPECT_EQ(LastBox().kind, "Error");
  EXPECT_EQ(LastBox().text, "Error in \"Executable\" of TOLVERN.INI file\n\nThe folder " + Path("nowhere/") +
                                " does not exist");
  EXPECT_FALSE(Item("SIRIL1")->isVisible());
  EXPECT_FALSE(window.pages()->isTabVisible(MainWindow::SirilPage));
  EXPECT_TRUE(window.findChild<QMenu*>("Debug1")->menuAction()->isVisible());
  EXPECT_TRUE(Item("Unsaved1")->isVisible());
  EXPECT_FALSE(Item("SearchSIRILLibraries1")->isVisible());

  // The stage limit reaches the engine.
  window.New1Click();
  window.input()->setText("16 BELLS\nT = L\nL = &x1Ex1E,+12\n");
  ASSERT_TRUE(ProveAndWait(window));
  EXPECT_FALSE(PageLines(window, MainWindow::ProofPage).join('\n').contains("BELLS."));
}

}  // namespace
}  // namespace tolvern::app
