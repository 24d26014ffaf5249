#include "gui_helpers.h"

#include <QCoreApplication>
#include <QKeyEvent>
#include <QPrinter>
#include <QElapsedTimer>
#include <QSignalSpy>
#include <QTest>

#include "editor_page.h"

namespace tolvern::app::testing {

void ScriptedDialogs::Warning(QWidget*, const QString& title, const QString& text) {
  boxes.push_back({QStringLiteral("Warning"), title, text});
}

void ScriptedDialogs::Error(QWidget*, const QString& title, const QString& text) {
  boxes.push_back({QStringLiteral("Error"), title, text});
}

void ScriptedDialogs::Information(QWidget*, const QString& title, const QString& text) {
  boxes.push_back({QStringLiteral("Information"), title, text});
}

Dialogs::Answer ScriptedDialogs::Confirm(QWidget*, const QString& title, const QString& text) {
  boxes.push_back({QStringLiteral("Confirm"), title, text});
  if (answers.empty()) return Answer::Cancel;
  const Answer answer = answers.front();
  answers.pop_front();
  return answer;
}

std::optional<FileChoice> ScriptedDialogs::OpenFile(QWidget*, const FileDialogSetup& setup) {
  fileDialogs.push_back(setup);
  if (fileChoices.empty()) return std::nullopt;
  std::optional<FileChoice> choice;
  choice.swap(fileChoices.front());
  fileChoices.pop_front();
  return choice;
}

std::optional<FileChoice> ScriptedDialogs::SaveFile(QWidget* parent, const FileDialogSetup& setup) {
  return OpenFile(parent, setup);
}

bool ScriptedDialogs::Print(QWidget*, QPrinter& printer) {
  ++printDialogs;
  if (printAnswers.empty()) return false;
  const bool answer = printAnswers.front();
  printAnswers.pop_front();
  if (answer && !printToFile.isEmpty()) {
    printer.setOutputFormat(QPrinter::PdfFormat);
    printer.setOutputFileName(printToFile);
  }
  return answer;
}

void TypeText(MainWindow& window, const QString& text) {
  window.New1Click();
  window.input()->setText(text);
}



bool ProveAndWait(MainWindow& window, int timeoutMs) {
  QSignalSpy shown(&window, &MainWindow::ProofShown);
  window.Prove1Click();
  return WaitFor([&] { return shown.count() > 0; }, timeoutMs);
}

QStringList PageLines(const MainWindow& window, MainWindow::Page page) {
  const QString text = QString::fromUtf8(window.page(page)->Utf8());
  return text.split(QLatin1Char('\n'));
}

}  // namespace tolvern::app::testing
