// Helpers for the window's tests: dialogs answered from a script, and a
// window that proves and waits for its result.
#pragma once

#include <gtest/gtest.h>

#include <QDir>
#include <QString>
#include <QStringList>
#include <deque>
#include <optional>
#include <vector>

#include <QTemporaryDir>
#include <QTest>

#include "dialogs.h"
#include "main_window.h"
#include "user_input.h"

namespace tolvern::app::testing {

struct ShownBox {
  QString kind;  // "Warning", "Error", "Information", "Confirm"
  QString title;
  QString text;
};

class ScriptedDialogs : public Dialogs {
 public:
  void Warning(QWidget*, const QString& title, const QString& text) override;
  void Error(QWidget*, const QString& title, const QString& text) override;
  void Information(QWidget*, const QString& title, const QString& text) override;
  Answer Confirm(QWidget*, const QString& title, const QString& text) override;
  std::optional<FileChoice> OpenFile(QWidget*, const FileDialogSetup& setup) override;
  std::optional<FileChoice> SaveFile(QWidget*, const FileDialogSetup& setup) override;
  bool Print(QWidget*, QPrinter& printer) override;

  std::vector<ShownBox> boxes;
  std::deque<Answer> answers;                       // for Confirm; Cancel when empty
  std::deque<std::optional<FileChoice>> fileChoices;  // for Open and Save; cancelled when empty
  std::vector<FileDialogSetup> fileDialogs;         // as each was shown
  std::deque<bool> printAnswers;                    // false when empty
  QString printToFile;                              // a confirmed dialog chose this PDF file
  int printDialogs = 0;
};

// The window's start state and a document with `text` in it, as after New and typing.
void TypeText(MainWindow& window, const QString& text);
// Runs Prove and waits (processing events) until its result is shown.
bool ProveAndWait(MainWindow& window, int timeoutMs = 20000);
// Waits for a condition while processing events.

QStringList PageLines(const MainWindow& window, MainWindow::Page page);

// A window started in an empty folder (no settings file), shown and active.
class WindowFixture : public ::testing::Test {
 protected:
  void SetUp() override {
    ASSERT_TRUE(folder.isValid());
    previous = QDir::currentPath();
    QDir::setCurrent(folder.path());
  }
  void TearDown() override { QDir::setCurrent(previous); }
  void Show() {
    window.show();
    window.activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&window));
    ASSERT_TRUE(WaitFor([&] { return window.SettingsRead(); }));
  }

  QTemporaryDir folder;  // the start folder
  QString previous;
  ScriptedDialogs dialogs;
  MainWindow window{dialogs};
};

}  // namespace tolvern::app::testing
