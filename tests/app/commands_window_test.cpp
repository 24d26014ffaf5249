#include <gtest/gtest.h>

#include <QAction>
#include <QApplication>
#include <QClipboard>
#include <QFile>
#include <QFileInfo>
#include <QMenu>
#include <QProcess>
#include <QSignalSpy>
#include <QTabWidget>

#include "editor_page.h"
#include "gui_helpers.h"
#include "help_texts.h"
#include "rows_window.h"

namespace tolvern::app {
namespace {

using testing::PageLines;
using testing::ProveAndWait;
using testing::WaitFor;

using testing::WriteBytes;

// As a file of these lines shows in the editor: no line end after the last.
const char* TouchText = "6 BELLS\nT = 2 L, \"@ end\"\nL = \"[PB]\", &x16x16x16,+12";

// A window whose settings name an outside prover in `prover/` of the start folder.
class CrossCheckWindow : public testing::WindowFixture {
 protected:
  void UseProver(const QByteArray& script, bool debug = false) {
    ASSERT_TRUE(QDir(folder.path()).mkpath("prover"));
    ASSERT_TRUE(WriteBytes(folder.filePath("prover/prove.sh"), "#!/bin/sh\n" + script, true));
    ASSERT_TRUE(WriteBytes(folder.filePath("TOLVERN.INI"), QByteArray("[TOLVERN]\nWorking=.\n[microSIRIL]\nRUNmicroSIRIL=Yes\n") +
                                                   "DEBUG=" + (debug ? "Yes" : "No") + "\nExecutable=" +
                                                   folder.filePath("prover/prove.sh").toUtf8() + "\n"));
    Show();
    window.New1Click();
    window.input()->setText(QString::fromLatin1(TouchText));
  }
  QString ProverFile(const char* name) const { return folder.filePath(QStringLiteral("prover/") + name); }
  // The real command-line prover, writing its compatible page.
  QByteArray TolvernProver() const {
    return "exec '" + QByteArray(TOLVERN_BINARY) +
           "' prove --proof /dev/null --compatible - --progress /dev/null -\n";
  }
};

TEST_F(CrossCheckWindow, AgreeingProversGiveTheVerdictLast) {
  UseProver(TolvernProver());
  ASSERT_TRUE(window.findChild<QAction*>("SIRIL1")->isChecked());
  ASSERT_TRUE(ProveAndWait(window));
  const QStringList memo = window.MemoLines();
  EXPECT_EQ(memo.first(), "Start of proof");
  EXPECT_EQ(memo.last(), "microSIRIL and TOLVERN agree");
  EXPECT_EQ(PageLines(window, MainWindow::SirilPage), PageLines(window, MainWindow::TolvernPage));
  EXPECT_EQ(PageLines(window, MainWindow::TolvernPage).first(), "[PB]");
  EXPECT_EQ(window.pages()->currentIndex(), MainWindow::ProofPage);
  EXPECT_FALSE(QFile::exists(ProverFile("PRV$In.txt")));
  EXPECT_FALSE(QFile::exists(ProverFile("PRV$Out.txt")));
}

TEST_F(CrossCheckWindow, OneSpaceMakesThemDiffer) {
  UseProver(TolvernProver().replace("exec ", "") .replace("-\n", "- | sed 's/end/end /'\n"));
  ASSERT_TRUE(ProveAndWait(window));
  EXPECT_EQ(window.MemoLines().last(), "****** microSIRIL and TOLVERN DIFFER ******");
}

TEST_F(CrossCheckWindow, WithDebugTheStepsAreToldAndTheWorkFilesKept) {
  UseProver(TolvernProver(), true);
  ASSERT_TRUE(ProveAndWait(window));
  const QStringList memo = window.MemoLines();
  const qsizetype start = memo.indexOf("============ START OF CODE TO SPAWN PROVE.COM ============");
  ASSERT_GT(start, 0);
  EXPECT_EQ(memo.mid(0, start), (QStringList{"Start of proof", "Rounds were NOT found as last change of composition",
                                             "Number changes generated=24"}));
  EXPECT_EQ(memo[start + 7], "Spawn the prove engine with command line=\"prove.sh\" < PRV$In.txt  > PRV$Out.txt");
  EXPECT_EQ(memo[memo.size() - 2], "============ END OF CODE TO SPAWN PROVE.COM ============");
  EXPECT_EQ(memo.last(), "microSIRIL and TOLVERN agree");
  QFile input(ProverFile("PRV$In.txt"));
  ASSERT_TRUE(input.open(QIODevice::ReadOnly));
  EXPECT_EQ(input.readAll(), QByteArray(TouchText).replace("\n", "\r\n") + "\r\n");
}

TEST_F(CrossCheckWindow, UncheckedItRunsNothing) {
  UseProver("touch ran\n");
  window.findChild<QAction*>("SIRIL1")->trigger();
  ASSERT_TRUE(ProveAndWait(window));
  EXPECT_FALSE(window.MemoLines().last().contains("microSIRIL"));
  EXPECT_FALSE(QFile::exists(ProverFile("ran")));
  EXPECT_FALSE(QFile::exists(ProverFile("PRV$In.txt")));
}

TEST_F(CrossCheckWindow, AProverThatCannotStartIsReportedWithNoVerdict) {
  UseProver("");
  QFile::setPermissions(ProverFile("prove.sh"), QFileDevice::ReadOwner);
  ASSERT_TRUE(ProveAndWait(window));
  EXPECT_EQ(dialogs.boxes.back().text, "Cannot start program " + ProverFile("prove.sh") + ".");
  EXPECT_FALSE(window.MemoLines().last().contains("microSIRIL"));
  EXPECT_EQ(PageLines(window, MainWindow::ProofPage), QStringList{""});
}

TEST_F(CrossCheckWindow, StopEndsARunningProver) {
  UseProver("sleep 30\n");
  QSignalSpy shown(&window, &MainWindow::ProofShown);
  window.Prove1Click();
  QTest::qWait(300);
  ASSERT_TRUE(window.ProofRunning());
  window.StopClick();
  ASSERT_TRUE(WaitFor([&] { return shown.count() > 0; }, 5000));
  EXPECT_EQ(window.MemoLines().last(), "microSIRIL was stopped; no verdict");
  EXPECT_TRUE(PageLines(window, MainWindow::ProofPage).contains("NumberLeads=2"));
}

using OtherCommands = testing::WindowFixture;

TEST_F(OtherCommands, PrintingNamesTheJobAfterThePage) {
  Show();
  window.New1Click();
  window.input()->setText(QString::fromLatin1(TouchText));
  ASSERT_TRUE(ProveAndWait(window));
  const QString pdf = folder.filePath("proof.pdf");
  dialogs.printToFile = pdf;
  dialogs.printAnswers = {false, true};
  window.Print1Click();  // cancelled: nothing printed
  EXPECT_FALSE(QFile::exists(pdf));
  window.Print1Click();
  EXPECT_EQ(window.printer().docName(), "Proof output page");
  ASSERT_TRUE(QFile::exists(pdf));
  QProcess text;
  text.start("pdftotext", {pdf, "-"});
  if (!text.waitForFinished()) GTEST_SKIP() << "pdftotext is not installed";
  const QString printed = QString::fromUtf8(text.readAllStandardOutput());
  EXPECT_TRUE(printed.contains("NumberLeads=2")) << printed.toStdString();
  EXPECT_TRUE(printed.contains("0 change of method"));
  QProcess info;
  info.start("pdfinfo", {pdf});
  ASSERT_TRUE(info.waitForFinished());
  EXPECT_TRUE(info.readAllStandardOutput().contains("Proof output page"));
}

TEST_F(OtherCommands, EditCommandsChangeOnlyTheInputPage) {
  Show();
  window.New1Click();
  window.input()->setText("abc");
  ASSERT_TRUE(ProveAndWait(window));  // an error page to select from
  EditorPage* proof = window.page(MainWindow::ProofPage);
  const QByteArray proofText = proof->Utf8();

  window.SelectAll1Click();
  window.Cut1Click();  // read-only: copied, not removed
  EXPECT_EQ(QApplication::clipboard()->text().toUtf8(), proofText);
  EXPECT_EQ(proof->Utf8(), proofText);
  window.Del1Click();
  window.Paste1Click();
  EXPECT_EQ(proof->Utf8(), proofText);

  window.pages()->setCurrentIndex(MainWindow::InputPage);
  window.SelectAll1Click();
  window.Copy1Click();
  window.Del1Click();
  EXPECT_EQ(window.input()->text(), "");
  QApplication::clipboard()->setText("pasted");
  window.Paste1Click();
  EXPECT_EQ(window.input()->text(), "pasted");
}

TEST_F(OtherCommands, HelpBoxesAreInformationBoxes) {
  for (const char* item : {"About1", "PredefinedNames1", "SpecialPrintablCharacters1", "Example1"})
    window.findChild<QAction*>(item)->trigger();
  ASSERT_EQ(dialogs.boxes.size(), 4u);
  for (const auto& box : dialogs.boxes) {
    EXPECT_EQ(box.kind, "Information");
    EXPECT_EQ(box.title, "Information");
  }
  EXPECT_EQ(dialogs.boxes[1].text, PredefinedNamesText());
  EXPECT_EQ(dialogs.boxes[3].text, ExampleText());
}

TEST_F(OtherCommands, TheRowsViewKeepsInStepWithProve) {
  Show();
  window.New1Click();
  window.input()->setText(QString::fromLatin1(TouchText));
  ASSERT_TRUE(ProveAndWait(window));
  QSignalSpy rows(&window, &MainWindow::RowsShown);
  window.findChild<QAction*>("Rows1")->trigger();
  ASSERT_TRUE(WaitFor([&] { return rows.count() == 1; }, 5000));
  auto* view = window.findChild<RowsWindow*>();
  ASSERT_NE(view, nullptr);
  EXPECT_TRUE(view->isVisible());
  EXPECT_TRUE(view->HeaderText().startsWith("24 rows")) << view->HeaderText().toStdString();

  window.input()->setText("4 BELLS\nT = 3 L\nL = &x14x14,+12");
  ASSERT_TRUE(ProveAndWait(window));
  ASSERT_TRUE(WaitFor([&] { return rows.count() == 2; }, 5000));
  EXPECT_TRUE(view->HeaderText().startsWith("24 rows. Touch is True")) << view->HeaderText().toStdString();
}

TEST_F(OtherCommands, TheLibraryViewerGetsTheChosenFileWhole) {
  const QString library = folder.filePath("method library");
  ASSERT_TRUE(QDir().mkpath(library));
  const QString viewer = folder.filePath("my viewer.sh");
  ASSERT_TRUE(WriteBytes(viewer, "#!/bin/sh\nprintf '%s|' \"$@\" > \"$(dirname \"$0\")/viewed\"\n", true));
  ASSERT_TRUE(WriteBytes(folder.filePath("TOLVERN.INI"), "[TOLVERN]\nWorking=.\n[microSIRIL]\nMethodLib=" + library.toUtf8() +
                                                 "\nOpenLibraryWith=\"" + viewer.toUtf8() + "\"\n"));
  Show();
  ASSERT_TRUE(window.findChild<QAction*>("SearchSIRILLibraries1")->isVisible());
  const QString chosen = library + "/surprise major.txt";
  dialogs.fileChoices.push_back(FileChoice{chosen, 1});
  window.SearchSIRILLibraries1Click();
  EXPECT_EQ(dialogs.fileDialogs.back().folder, library);
  ASSERT_TRUE(WaitFor([&] { return QFileInfo(folder.filePath("viewed")).size() > 0; }, 5000));
  QFile viewed(folder.filePath("viewed"));
  ASSERT_TRUE(viewed.open(QIODevice::ReadOnly));
  EXPECT_EQ(QString::fromUtf8(viewed.readAll()), chosen + "|");
}

}  // namespace
}  // namespace tolvern::app
