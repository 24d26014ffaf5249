// Message boxes and the file and print dialogs, behind one small interface:
// the program shows the real ones, tests answer them from a script.
#pragma once

#include <QString>
#include <QStringList>
#include <optional>

class QPrinter;
class QWidget;

namespace tolvern::app {

struct FileDialogSetup {
  QString title;
  QStringList filters;  // "Major (*.maj)", ...
  int filterIndex = 1;  // 1-based, as the menus number them
  QString folder;
  QString fileName;
  QString defaultSuffix;
};

struct FileChoice {
  QString path;
  int filterIndex = 1;  // the filter the user left selected
};

class Dialogs {
 public:
  enum class Answer { Yes, No, Cancel };

  virtual ~Dialogs() = default;
  virtual void Warning(QWidget* parent, const QString& title, const QString& text) = 0;
  virtual void Error(QWidget* parent, const QString& title, const QString& text) = 0;
  virtual void Information(QWidget* parent, const QString& title, const QString& text) = 0;
  virtual Answer Confirm(QWidget* parent, const QString& title, const QString& text) = 0;
  virtual std::optional<FileChoice> OpenFile(QWidget* parent, const FileDialogSetup& setup) = 0;
  virtual std::optional<FileChoice> SaveFile(QWidget* parent, const FileDialogSetup& setup) = 0;
  // The print dialog on `printer`; true when confirmed.
  virtual bool Print(QWidget* parent, QPrinter& printer) = 0;
};

// The real boxes and dialogs of Qt.
class QtDialogs : public Dialogs {
 public:
  void Warning(QWidget* parent, const QString& title, const QString& text) override;
  void Error(QWidget* parent, const QString& title, const QString& text) override;
  void Information(QWidget* parent, const QString& title, const QString& text) override;
  Answer Confirm(QWidget* parent, const QString& title, const QString& text) override;
  std::optional<FileChoice> OpenFile(QWidget* parent, const FileDialogSetup& setup) override;
  std::optional<FileChoice> SaveFile(QWidget* parent, const FileDialogSetup& setup) override;
  bool Print(QWidget* parent, QPrinter& printer) override;
};

}  // namespace tolvern::app
