// The window: menus, tool bar, the four pages and the progress memo. Each
// command is a small method; proving, files and settings live elsewhere.
#pragma once

#include <QMainWindow>
#include <QPointer>
#include <memory>
#include <vector>

#include <Qsci/qsciprinter.h>

#include "settings_file.h"
#include "dialogs.h"
#include "documents.h"
#include "proof_runner.h"

class QAction;
class QMenu;
class QPlainTextEdit;
class QTabWidget;
class QThread;
class QTimer;
class QToolBar;

namespace tolvern::app {

class DiagnosticMarks;
class RowsWindow;
class SirilLexer;
class EditorPage;

class MainWindow : public QMainWindow {
  Q_OBJECT

 public:
  explicit MainWindow(Dialogs& dialogs, QWidget* parent = nullptr);
  ~MainWindow() override;

  enum class ProofKind { Command, AsYouType };

  // The pages, in tab order.
  enum Page { InputPage = 0, ProofPage = 1, SirilPage = 2, TolvernPage = 3 };

  EditorPage* input() const { return RichEditInput; }
  EditorPage* page(Page page) const;
  QPlainTextEdit* memo() const { return MemoProgress; }
  QTabWidget* pages() const { return PageControl1; }
  QStringList MemoLines() const;
  bool Modified() const;
  bool LineNumbersShown() const { return lineNumbersShown_; }
  // A proof of the Prove command is running (proofs as you type do not count).
  bool ProofRunning() const { return proof_.job != 0 && proof_.kind == ProofKind::Command; }

  // Reads TOLVERN.INI once, when the window is first shown or activated.
  void FormActivate();
  // A file named when the program was started, opened once the settings are read.
  void OpenAtStart(const QString& path);

  // Commands, as the menus and buttons run them.
  void New1Click();
  void OpenCompositionFile(int filterIndex);
  void SpeedButtonOpenClick();
  bool Save1Click();
  void SpeedButtonSaveClick();
  bool SaveAs1Click();
  void Prove1Click();
  void StopClick();
  void Explorer1Click();
  void SearchSIRILLibraries1Click();
  void Print1Click();
  void PrinterSetup1Click();
  void Rows1Click();
  void Del1Click();
  void Cut1Click();
  void Copy1Click();
  void Paste1Click();
  void SelectAll1Click();
  void ToggleLineNumbers(Qt::MouseButtons buttons, Qt::KeyboardModifiers modifiers, bool doubleClick);

  const AppSettings& settings() const { return settings_; }
  bool SettingsRead() const { return settingsRead_; }
  QString FileName() const { return fileName_; }
  QsciPrinter& printer() { return printer_; }

 signals:
  // A Prove command has shown its result (for tests and the rows view).
  void ProofShown();
  // The rows view shows the rows of the last proof.
  void RowsShown();

 protected:
  void closeEvent(QCloseEvent* event) override;
  void showEvent(QShowEvent* event) override;
  void changeEvent(QEvent* event) override;

 private:
  void CreateActions();
  void CreateMenus();
  void CreateToolBar();
  void CreatePages();
  void CreateMemo();
  QAction* CheckItem(QMenu* menu, const QString& name, const QString& caption, bool checked);
  QAction* Item(QMenu* menu, const QString& name, const QString& caption, void (MainWindow::*command)());

  void ApplySettings(const SettingsReading& reading);
  void EnableDocumentCommands(bool withSave);
  bool QuerySaveAFile();
  bool LoadFile(const QString& path);
  void ShowOpenedFile(const QString& path);
  bool WriteFile(const QString& path);
  void RemoveLineNumbers();
  void RestoreStartFolder();
  void ShowHelp(const QString& text);
  EditorPage* ActiveEditor() const;
  void SetModified(bool modified);
  void SetCaption(const QString& path);
  void WriteMemo(const QString& line);
  void ClearMemo();

  void RichEditInputChange();
  void UpdateColouring();
  void MarkOutputStale();
  void SIRIL1Click();
  void ShowProofProgress();
  void ProofFinished(quint64 job, std::shared_ptr<const ProofResult> result);
  void ShowProofResult(const ProofResult& result);
  void GoToLineOfMessage(int line);
  void SetProofRunning(bool running);
  void SetOutputColour(const QColor& colour);
  void RemoveProofProgress();
  ProofRequest RequestForText() const;
  void StartProof(ProofKind kind, ProofRequest request);
  void ProveAsYouTypeNow();
  struct ViewState {
    int firstLine[4] = {};
    int caretLine[4] = {};
    int caretIndex[4] = {};
  };
  ViewState SaveViewState() const;
  void RestoreViewState(const ViewState& view);

  Dialogs& dialogs_;

  // Tool bar buttons.
  QToolBar* Panel1 = nullptr;
  QAction* SpeedButtonNew = nullptr;
  QAction* SpeedButtonOpen = nullptr;
  QAction* SpeedButtonSave = nullptr;
  QAction* SpeedButtonPrint = nullptr;
  QAction* SpeedButtonProve = nullptr;
  QAction* SpeedButtonStop = nullptr;

  // Menus and their items.
  QMenu* File1 = nullptr;
  QAction* New1 = nullptr;
  QMenu* Open1 = nullptr;
  QAction* Save1 = nullptr;
  QAction* SaveAs1 = nullptr;
  QAction* Prove1 = nullptr;
  QAction* Explorer1 = nullptr;
  QAction* Print1 = nullptr;
  QAction* PrinterSetup1 = nullptr;
  QAction* Exit1 = nullptr;
  QMenu* Edit1 = nullptr;
  QAction* Del1 = nullptr;
  QAction* Cut1 = nullptr;
  QAction* Copy1 = nullptr;
  QAction* Paste1 = nullptr;
  QAction* SelectAll1 = nullptr;
  QMenu* Show1 = nullptr;
  QAction* Music1 = nullptr;
  QAction* WorkDone1 = nullptr;
  QAction* SIRIL1 = nullptr;
  QAction* SyntaxColours1 = nullptr;
  QAction* ProveAsYouType1 = nullptr;
  QAction* Rows1 = nullptr;
  QMenu* Method1 = nullptr;
  QAction* SearchSIRILLibraries1 = nullptr;
  QMenu* Debug1 = nullptr;
  QAction* Parse1 = nullptr;
  QAction* SymTab1 = nullptr;
  QAction* Proof1 = nullptr;
  QAction* Unsaved1 = nullptr;
  QMenu* Help1 = nullptr;
  QAction* About1 = nullptr;
  QAction* PredefinedNames1 = nullptr;
  QAction* SpecialPrintablCharacters1 = nullptr;
  QAction* Example1 = nullptr;

  // Pages and memo.
  QTabWidget* PageControl1 = nullptr;
  EditorPage* RichEditInput = nullptr;
  EditorPage* RichEditProofOutput = nullptr;
  EditorPage* RichEditSIRIL = nullptr;
  EditorPage* RichEditTOLVERNcompatibility = nullptr;
  QPlainTextEdit* MemoProgress = nullptr;

  // Settings, read once.
  AppSettings settings_;
  bool settingsRead_ = false;
  QString startFolder_;
  QString pendingFile_;

  // The document: its file name (empty for a new one), how it is written
  // back, and what the two file dialogs remember.
  QString fileName_;
  DocumentText document_ = NewDocument();
  struct DialogState {
    int filterIndex;
    QString folder;
    QString fileName;
  };
  DialogState openDialog_{1, {}, {}};
  DialogState saveDialog_{13, {}, {}};
  QsciPrinter printer_;

  bool modified_ = false;
  bool lineNumbersShown_ = false;
  bool SuppressChangeTracking = false;

  // The running proof, if any, and the edit it was started from: output for
  // an older text is shown stale.
  ProofRunner* runner_ = nullptr;
  struct RunningProof {
    quint64 job = 0;  // 0: none
    ProofKind kind = ProofKind::Command;
    quint64 edits = 0;  // the edit count of the text it proves
    TextEncoding encoding = TextEncoding::Utf8;
  };
  RunningProof proof_;
  quint64 edits_ = 0;
  QTimer* debounce_ = nullptr;
  DiagnosticMarks* marks_ = nullptr;

  // The rows view, and the lines it was last drawn from; its rows are
  // collected by a proof of their own, run only while the view is open.
  void RefreshRows();
  void StopRowsJob();
  RowsWindow* rowsWindow_ = nullptr;
  std::vector<std::string> provedLines_;
  struct RowsJob {
    QThread* thread = nullptr;
    std::shared_ptr<JobControl> control;
    quint64 id = 0;
  };
  RowsJob rowsJob_;
  quint64 rowsJobs_ = 0;
  SirilLexer* lexer_ = nullptr;
  QTimer* progressTimer_ = nullptr;
  bool progressLineShown_ = false;
};

}  // namespace tolvern::app
