// The composition being edited: its file name, how it is written back
// (encoding, line ends), whether it has unsaved changes, and what the Open
// and Save As dialogs remember. It runs New, Open, Save, Save As and the
// save question through Dialogs, on the text of the Input page; the window
// wires it to menus and shows what it says.
#pragma once

#include <QObject>
#include <QString>
#include <functional>
#include <optional>

#include "document_text.h"
#include "recovery.h"

class QWidget;

namespace tolvern::app {

class Dialogs;
class EditorPage;

class Document : public QObject {
  Q_OBJECT

 public:
  Document(Dialogs& dialogs, QWidget* dialogParent, EditorPage* input);

  QString FileName() const { return fileName_; }
  bool Modified() const { return modified_; }
  // Unsaved changes are copied to the recovery file; saved, replaced or
  // closed, the copy goes.
  void SetModified(bool modified);
  // The text came back from a recovery copy and has not been saved since.
  bool Recovered() const { return recovered_; }
  RecoveryFile& Recovery() { return *recovery_; }
  // The Input page's text as Save would write it.
  DocumentText Snapshot() const;

  // The folder the dialogs start in, from the settings.
  void SetWorkingFolder(const QString& folder) { workingFolder_ = folder; }
  // Runs before the text is read for writing (the window takes the line
  // numbers out of the Input page).
  void SetBeforeWrite(std::function<void()> beforeWrite) { beforeWrite_ = std::move(beforeWrite); }

  // Each is false when the user cancelled or a file could not be used.
  // "Do you want to save changes ...", when there are unsaved changes.
  bool AskToSave();
  // An empty document with no file.
  void New();
  // Asks for a file with the Open dialog, showing `filter` first.
  bool Open(int filter);
  // The filter the Open button shows: the last one chosen, All for a new document.
  int OpenButtonFilter() const;
  // A file named when the program started.
  bool OpenAtStart(const QString& path);
  bool Save();
  bool SaveAs();
  // At start-up: offers each copy left by a run that did not end in order,
  // newest first, until one is taken ("Recover the unsaved composition ...?").
  // Yes takes it as an unsaved document, No removes it, Cancel keeps it for
  // the next start. The copy taken, if any.
  std::optional<RecoveryCopy> OfferRecovery();
  // The window closed in order, whether the changes were saved or not.
  void Closed();

 signals:
  // A line for the memo: "Saved file: ...".
  void Said(const QString& line);
  // The file name changed (empty for a new document).
  void FileNameChanged(const QString& path);
  void ModifiedChanged(bool modified);

 private:
  bool Load(const QString& path);
  bool Write(const QString& path);

  Dialogs& dialogs_;
  QWidget* dialogParent_;
  EditorPage* input_;
  std::function<void()> beforeWrite_;
  QString workingFolder_;

  QString fileName_;  // empty for a new document
  DocumentText text_ = NewDocument();
  bool modified_ = false;
  bool recovered_ = false;
  RecoveryFile* recovery_;
  struct DialogState {
    int filterIndex;
    QString folder;
    QString fileName;
  };
  DialogState openDialog_;
  DialogState saveDialog_;
};

}  // namespace tolvern::app
