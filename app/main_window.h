// The window: menus, tool bar, the four pages and the progress memo, wired to
// the document (files), the proof controller (proving) and the settings.
// Each command is a small method that calls on them and shows the result.
#pragma once

#include <QMainWindow>
#include <QPointer>
#include <memory>
#include <vector>

#include <Qsci/qsciprinter.h>

#include "dialogs.h"
#include "document.h"
#include "method_library.h"
#include "proof_controller.h"
#include "settings_file.h"

class QAction;
class QMenu;
class QPlainTextEdit;
class QTabWidget;
class QToolBar;

namespace tolvern::app {

class DiagnosticMarks;
class MethodDialog;
class RowsWindow;
class SirilLexer;
class EditorPage;

class MainWindow : public QMainWindow {
  Q_OBJECT

 public:
  explicit MainWindow(Dialogs& dialogs, QWidget* parent = nullptr);
  ~MainWindow() override;

  // The pages, in tab order.
  enum Page { InputPage = 0, ProofPage = 1, SirilPage = 2, TolvernPage = 3 };

  EditorPage* input() const { return RichEditInput; }
  EditorPage* page(Page page) const;
  QPlainTextEdit* memo() const { return MemoProgress; }
  QTabWidget* pages() const { return PageControl1; }
  QStringList MemoLines() const;
  bool Modified() const { return document_->Modified(); }
  bool LineNumbersShown() const { return lineNumbersShown_; }
  // A proof of the Prove command is running (proofs as you type do not count).
  bool ProofRunning() const { return proofs_->CommandRunning(); }

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
  void InsertMethod1Click();
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
  QString FileName() const { return document_->FileName(); }
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
  void ShowOpenedFile(const QString& path);
  void RemoveLineNumbers();
  void RestoreStartFolder();
  void ShowHelp(const QString& text);
  EditorPage* ActiveEditor() const;
  void SetCaption(const QString& path);
  void WriteMemo(const QString& line);
  void ClearMemo();

  void RichEditInputChange();
  void UpdateColouring();
  void MarkOutputStale();
  void SIRIL1Click();
  void ShowProofProgress(qint64 changesRung);
  void ProofFinished(ProofController::Kind kind, std::shared_ptr<const ProofResult> result, bool current);
  void ShowProofResult(const ProofResult& result, bool command);
  void GoToLineOfMessage(int line);
  void SetProofRunning(bool running);
  void SetOutputColour(const QColor& colour);
  void RemoveProofProgress();
  ProofRequest RequestForText() const;
  void ShowRows(std::shared_ptr<const RowsModel> rows);
  const methods::MethodLibrary& Methods();
  void InsertMethod(const methods::Method& method);
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
  QAction* InsertMethod1 = nullptr;
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

  Document* document_ = nullptr;
  QsciPrinter printer_;

  bool lineNumbersShown_ = false;
  bool SuppressChangeTracking = false;

  ProofController* proofs_ = nullptr;
  DiagnosticMarks* marks_ = nullptr;
  RowsWindow* rowsWindow_ = nullptr;
  std::shared_ptr<const RowsModel> shownRows_;
  std::vector<ProofResult::MessageLine> messageLines_;  // of the Proof page shown  // the rows of the last proof shown, when it kept them
  SirilLexer* lexer_ = nullptr;
  std::unique_ptr<methods::MethodLibrary> methods_;  // read when first asked for; the settings do not change
  QPointer<MethodDialog> methodDialog_;
  bool progressLineShown_ = false;
};

}  // namespace tolvern::app
