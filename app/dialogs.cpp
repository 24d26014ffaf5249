#include "dialogs.h"

#include <QFileDialog>
#include <QMessageBox>
#include <QPrintDialog>
#include <QPrinter>

namespace tolvern::app {

namespace {

// A screen reader names a dialog by its title.
void Named(QWidget& dialog, const QString& title) { dialog.setAccessibleName(title); }

// A screen reader reads the box best when its whole text is the main text.
void ShowBox(QWidget* parent, QMessageBox::Icon icon, const QString& title, const QString& text) {
  QMessageBox box(icon, title, text, QMessageBox::Ok, parent);
  Named(box, title);
  box.setTextFormat(Qt::PlainText);
  box.exec();
}

std::optional<FileChoice> RunFileDialog(QWidget* parent, const FileDialogSetup& setup, bool saving) {
  QFileDialog dialog(parent, setup.title, setup.folder);
  Named(dialog, setup.title);
  dialog.setNameFilters(setup.filters);
  if (setup.filterIndex >= 1 && setup.filterIndex <= setup.filters.size())
    dialog.selectNameFilter(setup.filters[setup.filterIndex - 1]);
  dialog.setOption(QFileDialog::ReadOnly, false);
  if (saving) {
    dialog.setAcceptMode(QFileDialog::AcceptSave);
    dialog.setFileMode(QFileDialog::AnyFile);
    dialog.setDefaultSuffix(setup.defaultSuffix);
  } else {
    dialog.setAcceptMode(QFileDialog::AcceptOpen);
    dialog.setFileMode(QFileDialog::ExistingFile);
  }
  if (!setup.fileName.isEmpty()) dialog.selectFile(setup.fileName);
  if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty()) return std::nullopt;
  const int index = static_cast<int>(setup.filters.indexOf(dialog.selectedNameFilter()));
  return FileChoice{dialog.selectedFiles().first(), index >= 0 ? index + 1 : setup.filterIndex};
}

}  // namespace

void QtDialogs::Warning(QWidget* parent, const QString& title, const QString& text) {
  ShowBox(parent, QMessageBox::Warning, title, text);
}

void QtDialogs::Error(QWidget* parent, const QString& title, const QString& text) {
  ShowBox(parent, QMessageBox::Critical, title, text);
}

void QtDialogs::Information(QWidget* parent, const QString& title, const QString& text) {
  ShowBox(parent, QMessageBox::Information, title, text);
}

Dialogs::Answer QtDialogs::Confirm(QWidget* parent, const QString& title, const QString& text) {
  QMessageBox box(QMessageBox::Question, title, text, QMessageBox::Yes | QMessageBox::No | QMessageBox::Cancel,
                  parent);
  Named(box, title);
  box.setTextFormat(Qt::PlainText);
  box.setEscapeButton(QMessageBox::Cancel);
  switch (box.exec()) {
    case QMessageBox::Yes: return Answer::Yes;
    case QMessageBox::No: return Answer::No;
    default: return Answer::Cancel;
  }
}

std::optional<FileChoice> QtDialogs::OpenFile(QWidget* parent, const FileDialogSetup& setup) {
  return RunFileDialog(parent, setup, false);
}

std::optional<FileChoice> QtDialogs::SaveFile(QWidget* parent, const FileDialogSetup& setup) {
  return RunFileDialog(parent, setup, true);
}

bool QtDialogs::Print(QWidget* parent, QPrinter& printer) {
  QPrintDialog dialog(&printer, parent);
  Named(dialog, dialog.windowTitle());
  return dialog.exec() == QDialog::Accepted;
}

}  // namespace tolvern::app
