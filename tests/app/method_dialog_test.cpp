// Method > Insert Method: Stedman Triples found by name and put at the caret
// in one undo step, proving a true plain course; a method of another stage
// asks first.
#include <gtest/gtest.h>

#include <QComboBox>
#include <QLineEdit>
#include <QMenu>
#include <QPushButton>
#include <QTest>

#include "editor_page.h"
#include "gui_helpers.h"
#include "method_dialog.h"
#include "rows_view.h"

namespace tolvern::app {
namespace {

using MethodDialogTest = testing::WindowFixture;

MethodDialog* OpenDialog(MainWindow& window) {
  window.activateWindow();  // back from the dialog, offscreen does not activate it again
  EXPECT_TRUE(QTest::qWaitForWindowActive(&window));
  QTest::keyClick(window.input(), Qt::Key_M, Qt::ControlModifier);
  auto* dialog = window.findChild<MethodDialog*>(QStringLiteral("MethodDialog"));
  if (dialog) {
    EXPECT_TRUE(QTest::qWaitForWindowExposed(dialog));
  }
  return dialog;
}

void Search(MethodDialog* dialog, const QString& query) {
  auto* search = dialog->findChild<QLineEdit*>(QStringLiteral("MethodSearch"));
  search->clear();
  QTest::keyClicks(search, query);
}

void Insert(MethodDialog* dialog) { dialog->findChild<QPushButton*>(QStringLiteral("MethodInsert"))->click(); }

TEST_F(MethodDialogTest, InsertsTheDefinitionAtTheCaretInOneUndoStep) {
  Show();
  dialogs.boxes.clear();  // "Working" is not set in the empty start folder
  // The Method menu is there without a library folder; only its viewer item is not.
  EXPECT_TRUE(window.findChild<QMenu*>(QStringLiteral("Method1"))->menuAction()->isVisible());
  const QString touch = QStringLiteral("7 BELLS\nTouch = 7 StedmanTriples\n");
  testing::TypeText(window, touch);
  window.input()->setCursorPosition(1, 24);  // the end of the Touch line

  MethodDialog* dialog = OpenDialog(window);
  ASSERT_NE(dialog, nullptr);
  EXPECT_EQ(dialog->StageFilter(), 7);  // the text's stage
  Search(dialog, QStringLiteral("stedman trip"));
  ASSERT_NE(dialog->Chosen(), nullptr);
  EXPECT_EQ(dialog->Chosen()->title, "Stedman Triples");
  // The plain lead drawn: twelve changes from rounds to the lead head.
  const RowsModel* lead = dialog->Picture()->Model();
  ASSERT_NE(lead, nullptr);
  ASSERT_EQ(lead->RowCount(), 13u);
  EXPECT_EQ(lead->RowText(12), dialog->Chosen()->leadHead);

  Insert(dialog);
  EXPECT_EQ(window.input()->text(), touch + "StedmanTriples = &3.1.7.3.1.3, +1\n");
  EXPECT_TRUE(testing::WaitFor([&] { return window.findChild<MethodDialog*>() == nullptr; }, 5000));
  EXPECT_TRUE(dialogs.boxes.empty());
  ASSERT_TRUE(testing::ProveAndWait(window));
  EXPECT_TRUE(testing::PageLines(window, MainWindow::ProofPage).contains("Touch is True"));
  window.pages()->setCurrentIndex(MainWindow::InputPage);
  window.input()->undo();
  EXPECT_EQ(window.input()->text(), touch);

  // Another stage than the text's: No leaves the text and the dialog as they were; Yes inserts.
  dialog = OpenDialog(window);
  ASSERT_NE(dialog, nullptr);
  dialog->findChild<QComboBox*>(QStringLiteral("MethodStage"))->setCurrentIndex(0);  // any stage
  Search(dialog, QStringLiteral("cambridge surprise major"));
  dialogs.answers = {Dialogs::Answer::No, Dialogs::Answer::Yes};
  Insert(dialog);
  ASSERT_EQ(dialogs.boxes.size(), 1u);
  EXPECT_EQ(dialogs.boxes[0].kind, "Confirm");
  EXPECT_EQ(dialogs.boxes[0].text,
            "Cambridge Surprise Major is rung on 8 bells, and the composition is on 7.\n\nInsert it all the same?");
  EXPECT_EQ(window.input()->text(), touch);
  EXPECT_TRUE(dialog->isVisible());
  Insert(dialog);
  EXPECT_EQ(window.input()->text(), touch + "CambridgeSurpriseMajor = &-38-14-1258-36-14-58-16-78, +12\n");
}

}  // namespace
}  // namespace tolvern::app
