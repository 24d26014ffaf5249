#include "main_window.h"

#include <QAction>
#include <algorithm>
#include <QApplication>
#include <QCloseEvent>
#include <QDir>
#include <QFileInfo>
#include <QGuiApplication>
#include <QShowEvent>
#include <QKeySequence>
#include <QMenuBar>
#include <QPlainTextEdit>
#include <QShortcut>
#include <QTabWidget>
#include <QTimer>
#include <QToolBar>
#include <QToolButton>
#include <QVBoxLayout>

#include "diagnostic_marks.h"
#include "editor_page.h"
#include "help_texts.h"
#include "method_dialog.h"
#include "method_sources.h"
#include "siril_library.h"
#include "rows_window.h"
#include "siril_lexer.h"
#include "platform.h"
#include "stage_filters.h"

// Pictures of the tool bar, linked in from a static library.
static void InitResources() { Q_INIT_RESOURCE(resources); }

namespace tolvern::app {

namespace {

constexpr int PageFontPixels = 15;

QColor WindowTextColour() { return QApplication::palette().color(QPalette::WindowText); }

const QColor StaleColour = Qt::red;
const QColor LineNumberColour = Qt::blue;

}  // namespace

MainWindow::MainWindow(Dialogs& dialogs, QWidget* parent) : QMainWindow(parent), dialogs_(dialogs) {
  InitResources();
  setObjectName(QStringLiteral("Form1"));
  setWindowTitle(QStringLiteral("TOLVERN"));
  setWindowIcon(QIcon(QStringLiteral(":/icons/tolvern.svg")));
  startFolder_ = QDir::currentPath();
  resize(586, 446);

  proofs_ = new ProofController(
      [this](const QString& text) { dialogs_.Warning(this, QStringLiteral("Warning"), text); },
      [this] { return RequestForText(); }, [this] { return ProveAsYouType1->isChecked(); },
      [this] { return !lineNumbersShown_ && !PageControl1->isHidden(); }, this);
  connect(proofs_, &ProofController::Finished, this, &MainWindow::ProofFinished);
  connect(proofs_, &ProofController::Progress, this, &MainWindow::ShowProofProgress);
  connect(proofs_, &ProofController::RowsReady, this, &MainWindow::ShowRows);

  CreateActions();
  CreateMenus();
  CreateToolBar();

  auto* central = new QWidget(this);
  auto* layout = new QVBoxLayout(central);
  layout->setContentsMargins(0, 0, 0, 0);
  layout->setSpacing(0);
  CreatePages();
  CreateMemo();
  document_ = new Document(dialogs_, this, RichEditInput);
  document_->SetBeforeWrite([this] { RemoveLineNumbers(); });
  connect(document_, &Document::Said, this, &MainWindow::WriteMemo);
  connect(document_, &Document::FileNameChanged, this, [this](const QString& path) {
    SetCaption(path);
    if (!path.isEmpty()) Save1->setEnabled(true);
  });
  // The Unsaved item shows the flag; a hidden item reads as disabled, so
  // the flag is kept by the document.
  connect(document_, &Document::ModifiedChanged, Unsaved1, &QAction::setEnabled);
  // The pages' place stays taken while they are hidden, so the memo keeps to
  // the bottom edge.
  auto* pageArea = new QWidget(central);
  auto* pageLayout = new QVBoxLayout(pageArea);
  pageLayout->setContentsMargins(0, 0, 0, 0);
  pageLayout->addWidget(PageControl1);
  layout->addWidget(pageArea, 1);
  layout->addWidget(MemoProgress);
  setCentralWidget(central);

  auto* escape = new QShortcut(QKeySequence(Qt::Key_Escape), this);
  connect(escape, &QShortcut::activated, this, &MainWindow::StopClick);
}

MainWindow::~MainWindow() { proofs_->StopAll(); }

// ---------------------------------------------------------------- building

QAction* MainWindow::Item(QMenu* menu, const QString& name, const QString& caption, void (MainWindow::*command)()) {
  auto* action = menu->addAction(caption);
  action->setObjectName(name);
  if (command) connect(action, &QAction::triggered, this, command);
  return action;
}

QAction* MainWindow::CheckItem(QMenu* menu, const QString& name, const QString& caption, bool checked) {
  auto* action = Item(menu, name, caption, nullptr);
  action->setCheckable(true);
  action->setChecked(checked);
  return action;
}

void MainWindow::CreateActions() {
  const auto button = [this](const QString& name, const QString& hint, const QString& icon, void (MainWindow::*command)()) {
    auto* action = new QAction(QIcon(QStringLiteral(":/icons/") + icon), hint, this);
    action->setObjectName(name);
    action->setToolTip(hint);
    if (command) connect(action, &QAction::triggered, this, command);
    return action;
  };
  SpeedButtonNew = button(QStringLiteral("SpeedButtonNew"), QStringLiteral("New"), QStringLiteral("new.svg"),
                          &MainWindow::New1Click);
  SpeedButtonOpen = button(QStringLiteral("SpeedButtonOpen"), QStringLiteral("Open..."), QStringLiteral("open.svg"),
                           &MainWindow::SpeedButtonOpenClick);
  SpeedButtonSave = button(QStringLiteral("SpeedButtonSave"), QStringLiteral("Save"), QStringLiteral("save.svg"),
                           &MainWindow::SpeedButtonSaveClick);
  SpeedButtonPrint = button(QStringLiteral("SpeedButtonPrint"), QStringLiteral("Print..."),
                            QStringLiteral("print.svg"), &MainWindow::Print1Click);
  SpeedButtonProve = button(QStringLiteral("SpeedButtonProve"), QStringLiteral("Prove"), QStringLiteral("prove.svg"),
                            &MainWindow::Prove1Click);
  SpeedButtonStop = button(QStringLiteral("SpeedButtonStop"), QStringLiteral("Stop (Esc)"),
                           QStringLiteral("stop.svg"), &MainWindow::StopClick);
  for (QAction* hidden : {SpeedButtonSave, SpeedButtonPrint, SpeedButtonProve, SpeedButtonStop})
    hidden->setVisible(false);
}

void MainWindow::CreateMenus() {
  QMenuBar* bar = menuBar();

  File1 = bar->addMenu(QStringLiteral("&File"));
  File1->setObjectName(QStringLiteral("File1"));
  New1 = Item(File1, QStringLiteral("New1"), QStringLiteral("&New"), &MainWindow::New1Click);
  Open1 = File1->addMenu(QStringLiteral("&Open"));
  Open1->setObjectName(QStringLiteral("Open1"));
  for (int index = 1; index <= FilterCount; ++index) {
    QAction* item = Item(Open1, QString::fromLatin1(OpenItemNames[index - 1]), FilterCaption(index), nullptr);
    connect(item, &QAction::triggered, this, [this, index] { OpenCompositionFile(index); });
  }
  Save1 = Item(File1, QStringLiteral("Save1"), QStringLiteral("&Save"), nullptr);
  connect(Save1, &QAction::triggered, this, [this] { Save1Click(); });
  SaveAs1 = Item(File1, QStringLiteral("SaveAs1"), QStringLiteral("Save &As..."), nullptr);
  connect(SaveAs1, &QAction::triggered, this, [this] { SaveAs1Click(); });
  File1->addSeparator()->setObjectName(QStringLiteral("N2"));
  Prove1 = Item(File1, QStringLiteral("Prove1"), QStringLiteral("Pro&ve"), &MainWindow::Prove1Click);
  File1->addSeparator()->setObjectName(QStringLiteral("N3"));
  Explorer1 = Item(File1, QStringLiteral("Explorer1"), QStringLiteral("&Explorer..."), &MainWindow::Explorer1Click);
  Print1 = Item(File1, QStringLiteral("Print1"), QStringLiteral("&Print..."), &MainWindow::Print1Click);
  PrinterSetup1 = Item(File1, QStringLiteral("PrinterSetup1"), QStringLiteral("Printer Set&up..."),
                       &MainWindow::PrinterSetup1Click);
  File1->addSeparator()->setObjectName(QStringLiteral("N1"));
  Exit1 = Item(File1, QStringLiteral("Exit1"), QStringLiteral("E&xit"), nullptr);
  connect(Exit1, &QAction::triggered, this, &QWidget::close);
  for (QAction* off : {Save1, SaveAs1, Prove1, Print1}) off->setEnabled(false);

  Edit1 = bar->addMenu(QStringLiteral("&Edit"));
  Edit1->setObjectName(QStringLiteral("Edit1"));
  Del1 = Item(Edit1, QStringLiteral("Del1"), QStringLiteral("&Del"), &MainWindow::Del1Click);
  Cut1 = Item(Edit1, QStringLiteral("Cut1"), QStringLiteral("Cu&t"), &MainWindow::Cut1Click);
  Copy1 = Item(Edit1, QStringLiteral("Copy1"), QStringLiteral("&Copy"), &MainWindow::Copy1Click);
  Paste1 = Item(Edit1, QStringLiteral("Paste1"), QStringLiteral("&Paste"), &MainWindow::Paste1Click);
  SelectAll1 = Item(Edit1, QStringLiteral("SelectAll1"), QStringLiteral("Select A&ll"), &MainWindow::SelectAll1Click);
  Edit1->menuAction()->setEnabled(false);

  Show1 = bar->addMenu(QStringLiteral("&Show"));
  Show1->setObjectName(QStringLiteral("Show1"));
  Music1 = CheckItem(Show1, QStringLiteral("Music1"), QStringLiteral("&Musical Changes"), true);
  WorkDone1 = CheckItem(Show1, QStringLiteral("WorkDone1"), QStringLiteral("&Work For Each Bell"), true);
  SIRIL1 = CheckItem(Show1, QStringLiteral("SIRIL1"), QStringLiteral("micro&SIRIL Output"), false);
  SIRIL1->setVisible(false);
  connect(SIRIL1, &QAction::triggered, this, &MainWindow::SIRIL1Click);
  Show1->addSeparator();
  SyntaxColours1 = CheckItem(Show1, QStringLiteral("SyntaxColours1"), QStringLiteral("Syntax &Colours"), false);
  connect(SyntaxColours1, &QAction::triggered, this, &MainWindow::UpdateColouring);
  ProveAsYouType1 = CheckItem(Show1, QStringLiteral("ProveAsYouType1"), QStringLiteral("Prove As You &Type"), false);
  connect(ProveAsYouType1, &QAction::triggered, proofs_, &ProofController::AsYouTypeToggled);
  Show1->addSeparator();
  Rows1 = Item(Show1, QStringLiteral("Rows1"), QStringLiteral("&Rows..."), &MainWindow::Rows1Click);

  // Always shown for Insert Method; the library viewer only with a library folder.
  Method1 = bar->addMenu(QStringLiteral("&Method"));
  Method1->setObjectName(QStringLiteral("Method1"));
  InsertMethod1 = Item(Method1, QStringLiteral("InsertMethod1"), QStringLiteral("&Insert Method..."),
                       &MainWindow::InsertMethod1Click);
  InsertMethod1->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_M));
  InsertMethod1->setEnabled(false);
  SearchSIRILLibraries1 = Item(Method1, QStringLiteral("SearchSIRILLibraries1"),
                               QStringLiteral("&Search microSIRIL Libraries"), &MainWindow::SearchSIRILLibraries1Click);
  SearchSIRILLibraries1->setVisible(false);

  Debug1 = bar->addMenu(QStringLiteral("Debug"));
  Debug1->setObjectName(QStringLiteral("Debug1"));
  Parse1 = CheckItem(Debug1, QStringLiteral("Parse1"), QStringLiteral("Parse"), false);
  SymTab1 = CheckItem(Debug1, QStringLiteral("SymTab1"), QStringLiteral("SymTab"), false);
  Proof1 = CheckItem(Debug1, QStringLiteral("Proof1"), QStringLiteral("Proof"), false);
  Debug1->menuAction()->setVisible(false);

  Unsaved1 = bar->addAction(QStringLiteral("Unsaved"));
  Unsaved1->setObjectName(QStringLiteral("Unsaved1"));
  Unsaved1->setEnabled(false);
  Unsaved1->setVisible(false);

  Help1 = bar->addMenu(QStringLiteral("&Help"));
  Help1->setObjectName(QStringLiteral("Help1"));
  About1 = Item(Help1, QStringLiteral("About1"), QStringLiteral("&About"), nullptr);
  connect(About1, &QAction::triggered, this, [this] { ShowHelp(AboutText()); });
  PredefinedNames1 = Item(Help1, QStringLiteral("PredefinedNames1"), QStringLiteral("&Predefined  Names"), nullptr);
  connect(PredefinedNames1, &QAction::triggered, this, [this] { ShowHelp(PredefinedNamesText()); });
  SpecialPrintablCharacters1 = Item(Help1, QStringLiteral("SpecialPrintablCharacters1"),
                                    QStringLiteral("&Special Printable Characters"), nullptr);
  connect(SpecialPrintablCharacters1, &QAction::triggered, this, [this] { ShowHelp(SpecialCharactersText()); });
  Example1 = Item(Help1, QStringLiteral("Example1"), QStringLiteral("&Example"), nullptr);
  connect(Example1, &QAction::triggered, this, [this] { ShowHelp(ExampleText()); });
}

void MainWindow::CreateToolBar() {
  Panel1 = addToolBar(QStringLiteral("Tools"));
  Panel1->setObjectName(QStringLiteral("Panel1"));
  Panel1->setMovable(false);
  Panel1->setFloatable(false);
  Panel1->toggleViewAction()->setVisible(false);
  Panel1->setIconSize(QSize(20, 20));
  for (QAction* action : {SpeedButtonNew, SpeedButtonOpen, SpeedButtonSave, SpeedButtonPrint}) Panel1->addAction(action);
  // A wider gap sets Prove apart from the other four.
  auto* gap = new QWidget(Panel1);
  gap->setFixedWidth(32);
  Panel1->addWidget(gap);
  Panel1->addAction(SpeedButtonProve);
  Panel1->addAction(SpeedButtonStop);
  for (QAction* action : Panel1->actions())
    if (QWidget* widget = Panel1->widgetForAction(action))
      if (auto* toolButton = qobject_cast<QToolButton*>(widget)) {
        toolButton->setObjectName(action->objectName() + QStringLiteral("Button"));
        toolButton->setAccessibleName(action->toolTip());
      }
}

void MainWindow::CreatePages() {
  PageControl1 = new QTabWidget(this);
  PageControl1->setObjectName(QStringLiteral("PageControl1"));
  const QFont font = PageFont(PageFontPixels);

  RichEditInput = new EditorPage(QStringLiteral("Input"));
  RichEditInput->setObjectName(QStringLiteral("RichEditInput"));
  RichEditInput->setToolTip(
      QStringLiteral("The input text; press right mouse button to show/remove line numbers"));
  RichEditInput->SetContextMenuOffered(false);
  RichEditInput->setTabIndents(false);
  RichEditInput->setIndentationsUseTabs(true);

  RichEditProofOutput = new EditorPage(QStringLiteral("Proof"));
  RichEditProofOutput->setObjectName(QStringLiteral("RichEditProofOutput"));
  RichEditProofOutput->setToolTip(QStringLiteral("The output of the proving process"));

  RichEditSIRIL = new EditorPage(QStringLiteral("SIRIL"));
  RichEditSIRIL->setObjectName(QStringLiteral("RichEditSIRIL"));
  RichEditSIRIL->setToolTip(QStringLiteral("The output from MSIRIL"));

  RichEditTOLVERNcompatibility = new EditorPage(QStringLiteral("TOLVERN"));
  RichEditTOLVERNcompatibility->setObjectName(QStringLiteral("RichEditTOLVERNcompatibility"));
  RichEditTOLVERNcompatibility->setToolTip(QStringLiteral("the output from TOLVERN compatible with MSIRIL"));
  RichEditTOLVERNcompatibility->setWrapMode(QsciScintilla::WrapWord);

  for (EditorPage* page : {RichEditInput, RichEditProofOutput, RichEditSIRIL, RichEditTOLVERNcompatibility})
    page->SetPageFont(font);
  RichEditInput->SetTextColour(WindowTextColour());
  for (EditorPage* page : {RichEditProofOutput, RichEditSIRIL, RichEditTOLVERNcompatibility}) {
    page->SetTextColour(StaleColour);  // the pages' own font is red
    page->setReadOnly(true);
  }
  RichEditProofOutput->SetPlainText(QStringLiteral("This is where the output of the TOLVERN proof program will go"));
  RichEditSIRIL->SetPlainText(QStringLiteral("This is where the output of the micoSIRIL proof program will go"));
  RichEditTOLVERNcompatibility->SetPlainText(
      QStringLiteral("This is where the output of the microSIRIL compatible TOLVERN \nproof program will go\n"));

  const auto addPage = [this](EditorPage* editor, const QString& name, const QString& caption) {
    auto* sheet = new QWidget;
    sheet->setObjectName(name);
    auto* layout = new QVBoxLayout(sheet);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(editor);
    PageControl1->addTab(sheet, caption);
  };
  addPage(RichEditInput, QStringLiteral("TabSheetInput"), QStringLiteral("Input"));
  addPage(RichEditProofOutput, QStringLiteral("TabSheetProof"), QStringLiteral("Proof"));
  addPage(RichEditSIRIL, QStringLiteral("TabSheetSIRIL"), QStringLiteral("SIRIL"));
  addPage(RichEditTOLVERNcompatibility, QStringLiteral("TabSheetTOLVERN"), QStringLiteral("TOLVERN"));
  PageControl1->setCurrentIndex(ProofPage);
  PageControl1->setTabVisible(SirilPage, false);
  PageControl1->setTabVisible(TolvernPage, false);
  PageControl1->hide();

  marks_ = new DiagnosticMarks(RichEditInput);
  lexer_ = new SirilLexer(this);
  lexer_->SetBaseFont(font);
  connect(RichEditInput, &QsciScintilla::textChanged, this, &MainWindow::RichEditInputChange);
  connect(RichEditInput, &EditorPage::MousePressed, this, &MainWindow::ToggleLineNumbers);
  connect(RichEditProofOutput, &EditorPage::LineDoubleClicked, this, &MainWindow::GoToLineOfMessage);
}

void MainWindow::CreateMemo() {
  MemoProgress = new QPlainTextEdit(this);
  MemoProgress->setObjectName(QStringLiteral("MemoProgress"));
  MemoProgress->setAccessibleName(QStringLiteral("Progress"));
  MemoProgress->setReadOnly(true);
  MemoProgress->setFixedHeight(82);
  MemoProgress->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
  MemoProgress->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
  MemoProgress->setFont(PageFont(PageFontPixels));
  QPalette palette = MemoProgress->palette();
  palette.setColor(QPalette::Base, QApplication::palette().color(QPalette::Button));
  palette.setColor(QPalette::Text, Qt::black);
  MemoProgress->setPalette(palette);
  WriteMemo(QStringLiteral("Open an existing file or create a new one to start"));
}

// ---------------------------------------------------------------- state

EditorPage* MainWindow::page(Page which) const {
  switch (which) {
    case InputPage: return RichEditInput;
    case ProofPage: return RichEditProofOutput;
    case SirilPage: return RichEditSIRIL;
    case TolvernPage: return RichEditTOLVERNcompatibility;
  }
  return nullptr;
}

QStringList MainWindow::MemoLines() const {
  const QString text = MemoProgress->toPlainText();
  return text.isEmpty() ? QStringList() : text.split(QLatin1Char('\n'));
}

void MainWindow::SetCaption(const QString& path) {
  setWindowTitle(path.isEmpty() ? QStringLiteral("TOLVERN") : QStringLiteral("TOLVERN - ") + path);
}

void MainWindow::WriteMemo(const QString& line) { MemoProgress->appendPlainText(line); }

void MainWindow::ClearMemo() { MemoProgress->clear(); }

void MainWindow::EnableDocumentCommands(bool withSave) {
  PageControl1->show();
  for (QAction* action : {Print1, SaveAs1, Prove1, InsertMethod1}) action->setEnabled(true);
  Edit1->menuAction()->setEnabled(true);
  for (QAction* button : {SpeedButtonSave, SpeedButtonPrint, SpeedButtonProve}) button->setVisible(true);
  if (withSave) Save1->setEnabled(true);
  SetProofRunning(ProofRunning());
}

// ---------------------------------------------------------------- commands

void MainWindow::New1Click() {
  if (ProofRunning()) return;
  if (Modified() && !document_->AskToSave()) return;
  ClearMemo();
  document_->New();
  EnableDocumentCommands(false);
  PageControl1->setCurrentIndex(InputPage);
  WriteMemo(QStringLiteral("Opened NEW file"));
  RichEditInput->setFocus();
}

void MainWindow::SIRIL1Click() {
  const bool shown = SIRIL1->isChecked();
  PageControl1->setTabVisible(SirilPage, shown);
  PageControl1->setTabVisible(TolvernPage, shown);
  if (shown) RichEditSIRIL->SetPlainText(QStringLiteral("Prove the composition to generate the output"));
}

// ---------------------------------------------------------------- editor page behaviours

void MainWindow::RichEditInputChange() {
  if (SuppressChangeTracking) return;
  document_->SetModified(true);
  MarkOutputStale();
  proofs_->TextChanged();
}

void MainWindow::MarkOutputStale() { SetOutputColour(StaleColour); }

void MainWindow::SetOutputColour(const QColor& colour) {
  for (EditorPage* output : {RichEditProofOutput, RichEditSIRIL, RichEditTOLVERNcompatibility})
    output->SetTextColour(colour);
}

void MainWindow::ToggleLineNumbers(Qt::MouseButtons buttons, Qt::KeyboardModifiers modifiers, bool doubleClick) {
  SuppressChangeTracking = true;
  if (buttons == Qt::RightButton && modifiers == Qt::NoModifier && !doubleClick) {
    // Line by line, so that the marks of the last proof stay on their lines.
    marks_->SetFollowingEdits(false);
    lineNumbersShown_ = !lineNumbersShown_;
    if (lineNumbersShown_) UpdateColouring();
    RichEditInput->ShowLineNumbers(lineNumbersShown_);
    if (!lineNumbersShown_) UpdateColouring();
    marks_->SetFollowingEdits(true);
  }
  SuppressChangeTracking = false;
  RichEditInput->ClearUndoHistory();
}

void MainWindow::UpdateColouring() {
  // While the line numbers are shown the text is blue, as they are.
  const bool colours = SyntaxColours1->isChecked() && !lineNumbersShown_;
  if (colours == (RichEditInput->lexer() != nullptr)) {
    if (!colours) RichEditInput->SetTextColour(lineNumbersShown_ ? LineNumberColour : WindowTextColour());
    return;
  }
  if (colours) {
    lexer_->SetMaxBells(settings_.maxNumberBells);
    RichEditInput->setLexer(lexer_);
    return;
  }
  RichEditInput->setLexer(nullptr);  // styles back to their defaults: set them again
  RichEditInput->SetPageFont(PageFont(PageFontPixels));
  RichEditInput->SetTextColour(lineNumbersShown_ ? LineNumberColour : WindowTextColour());
  RichEditInput->ClearUnderlining();
}

void MainWindow::GoToLineOfMessage(int line) {
  // A double click on a message's header or detail line.
  const auto found = std::find_if(messageLines_.begin(), messageLines_.end(), [line](const ProofResult::MessageLine& m) {
    return static_cast<int>(m.pageLine) == line || static_cast<int>(m.pageLine) + 1 == line;
  });
  if (found == messageLines_.end()) return;
  const int target = static_cast<int>(found->textLine) - 1;
  if (target < 0 || target >= RichEditInput->Lines()) return;
  PageControl1->setCurrentIndex(InputPage);
  RichEditInput->setCursorPosition(target, 0);
  RichEditInput->ensureLineVisible(target);
  RichEditInput->setFocus();
}

// ---------------------------------------------------------------- proving

ProofRequest MainWindow::RequestForText() const {
  ProofRequest request;
  request.options.DebugParse = Parse1->isChecked();
  request.options.DebugSymTab = SymTab1->isChecked();
  request.options.DebugProof = Proof1->isChecked();
  request.options.ShowMusic = Music1->isChecked();
  request.options.ShowWorkDone = WorkDone1->isChecked();
  request.options.MaxNumberBells = settings_.maxNumberBells;
  // While the rows view is open the proof keeps its rows for it.
  request.collectRows = rowsWindow_ && rowsWindow_->isVisible();
  // The prover reads the bytes that Save would write.
  const DocumentText snapshot = document_->Snapshot();
  request.encoding = snapshot.encoding;
  request.lines = EngineLines(snapshot.text, snapshot.encoding);
  if (SIRIL1->isChecked()) {
    request.crossCheck = CrossCheckSetup{QString::fromStdString(settings_.proverExecutable),
                                         QString::fromStdString(settings_.proverFolder), startFolder_,
                                         settings_.crossCheckDebug};
    request.crossCheckInput = EncodeDocument(snapshot);
  }
  return request;
}

void MainWindow::Prove1Click() {
  if (ProofRunning() || !Prove1->isEnabled()) return;
  SetOutputColour(WindowTextColour());
  RichEditProofOutput->ClearUnderlining();

  // ProveTheComposition
  RestoreStartFolder();
  RemoveLineNumbers();
  ClearMemo();
  MemoProgress->repaint();
  ProofRequest request = RequestForText();
  WriteMemo(QStringLiteral("Start of proof"));
  RichEditProofOutput->SetPlainText(QString());
  messageLines_.clear();
  RichEditProofOutput->repaint();
  proofs_->Start(ProofController::Kind::Command, std::move(request));
  SetProofRunning(true);
}

void MainWindow::StopClick() { proofs_->Stop(); }

void MainWindow::SetProofRunning(bool running) {
  const bool document = !PageControl1->isHidden();
  Prove1->setEnabled(document && !running);
  SpeedButtonProve->setEnabled(!running);
  SpeedButtonStop->setVisible(running);
  New1->setEnabled(!running);
  SpeedButtonNew->setEnabled(!running);
  Open1->menuAction()->setEnabled(!running);
  SpeedButtonOpen->setEnabled(!running);
}

void MainWindow::ShowProofProgress(qint64 changesRung) {
  const QString line = QStringLiteral("Changes rung so far: ") + QString::number(changesRung);
  RemoveProofProgress();
  WriteMemo(line);
  progressLineShown_ = true;
}

void MainWindow::RemoveProofProgress() {
  if (!progressLineShown_) return;
  QTextCursor cursor(MemoProgress->document());
  cursor.movePosition(QTextCursor::End);
  cursor.select(QTextCursor::BlockUnderCursor);
  cursor.removeSelectedText();
  progressLineShown_ = false;
}

void MainWindow::ProofFinished(ProofController::Kind kind, std::shared_ptr<const ProofResult> result, bool current) {
  const bool command = kind == ProofController::Kind::Command;
  if (command) {
    RemoveProofProgress();
    SetProofRunning(false);
    ShowProofResult(*result, true);
  } else {
    // Proved as the user types: nothing moves under the caret or the eye.
    const ViewState view = SaveViewState();
    SetOutputColour(WindowTextColour());
    ClearMemo();
    WriteMemo(QStringLiteral("Start of proof"));
    ShowProofResult(*result, false);
    RestoreViewState(view);
  }
  if (current) marks_->Show(result->diagnostics, proofs_->RunningEncoding());
  shownRows_ = result->rows;
  if (shownRows_) ShowRows(shownRows_);
  emit ProofShown();
}

void MainWindow::ShowProofResult(const ProofResult& result, bool command) {
  if (!result.progress.isEmpty()) WriteMemo(result.progress.join(QLatin1Char('\n')));

  if (result.crossCheck) {
    const CrossCheckOutcome& check = *result.crossCheck;
    for (const QString& line : check.memoLines) WriteMemo(line);
    if (check.sirilPageCleared) RichEditSIRIL->SetPlainText(QString());
    switch (check.status) {
      case CrossCheckOutcome::Status::Done:
        RichEditSIRIL->SetDisplayText(result.siril);
        RichEditSIRIL->ShowEnd();
        break;
      case CrossCheckOutcome::Status::Stopped:
        break;
      default:
        if (command) dialogs_.Error(this, QStringLiteral("TOLVERN"), ErrorBoxText(check));
        else WriteMemo(ErrorBoxText(check));
        return;
    }
  }

  if (command) PageControl1->setCurrentIndex(ProofPage);
  RichEditProofOutput->SetDisplayText(result.proof);
  messageLines_ = result.messageLines;
  RichEditProofOutput->ShowEnd();
  RichEditProofOutput->repaint();

  if (result.crossCheck && result.crossCheck->status == CrossCheckOutcome::Status::Done) {
    RichEditTOLVERNcompatibility->SetDisplayText(result.compatible);
    RichEditTOLVERNcompatibility->ShowEnd();
    RichEditTOLVERNcompatibility->repaint();
    WriteMemo(result.agree ? QStringLiteral("microSIRIL and TOLVERN agree")
                           : QStringLiteral("****** microSIRIL and TOLVERN DIFFER ******"));
  }
  // Typed while the proof ran: this output is not for the text now shown.
  if (!proofs_->OutputCurrent()) MarkOutputStale();
}

MainWindow::ViewState MainWindow::SaveViewState() const {
  ViewState view;
  for (int i = 1; i < 4; ++i) {  // the Input page's text does not change
    EditorPage* editor = page(static_cast<Page>(i));
    view.firstLine[i] = editor->firstVisibleLine();
    editor->getCursorPosition(&view.caretLine[i], &view.caretIndex[i]);
  }
  return view;
}

void MainWindow::RestoreViewState(const ViewState& view) {
  for (int i = 1; i < 4; ++i) {
    EditorPage* editor = page(static_cast<Page>(i));
    editor->setCursorPosition(std::min(view.caretLine[i], editor->Lines() - 1), view.caretIndex[i]);
    editor->setFirstVisibleLine(view.firstLine[i]);
  }
}

// ---------------------------------------------------------------- settings

void MainWindow::showEvent(QShowEvent* event) {
  QMainWindow::showEvent(event);
  // Under a desktop with no window manager the window is never activated.
  if (!settingsRead_) QTimer::singleShot(0, this, &MainWindow::FormActivate);
}

void MainWindow::changeEvent(QEvent* event) {
  QMainWindow::changeEvent(event);
  if (event->type() == QEvent::ActivationChange && isActiveWindow() && !settingsRead_)
    QTimer::singleShot(0, this, &MainWindow::FormActivate);
}

void MainWindow::OpenAtStart(const QString& path) { pendingFile_ = QFileInfo(path).absoluteFilePath(); }

void MainWindow::FormActivate() {
  if (settingsRead_) return;
  settingsRead_ = true;
  startFolder_ = QDir::currentPath();
  ApplySettings(ReadSettings(startFolder_.toStdString()));
  if (!pendingFile_.isEmpty()) {
    const QString path = pendingFile_;
    pendingFile_.clear();
    if (document_->OpenAtStart(path)) ShowOpenedFile(path);
  }
}

void MainWindow::ApplySettings(const SettingsReading& reading) {
  for (const SettingsMessage& message : reading.messages) {
    const QString title = QString::fromStdString(message.title);
    const QString text = QString::fromStdString(message.text);
    if (message.box == SettingsMessage::Box::Warning) dialogs_.Warning(this, title, text);
    else dialogs_.Error(this, title, text);
  }
  settings_ = reading.settings;
  document_->SetWorkingFolder(QString::fromStdString(settings_.workingFolder));
  SIRIL1->setChecked(settings_.crossCheck);
  SIRIL1->setVisible(settings_.crossCheck);
  SearchSIRILLibraries1->setVisible(settings_.methodMenuVisible);
  if (settings_.debugMenu) {
    Debug1->menuAction()->setVisible(true);
    Unsaved1->setVisible(true);
  } else {
    for (QAction* trace : {Parse1, SymTab1, Proof1}) trace->setChecked(false);
  }
  PageControl1->setTabVisible(SirilPage, settings_.crossCheck);
  PageControl1->setTabVisible(TolvernPage, settings_.crossCheck);
  SyntaxColours1->setChecked(settings_.syntaxColours);
  ProveAsYouType1->setChecked(settings_.proveAsYouType);
  UpdateColouring();
  document_->SetModified(false);
}

void MainWindow::RestoreStartFolder() { QDir::setCurrent(startFolder_); }

// ---------------------------------------------------------------- documents

void MainWindow::RemoveLineNumbers() {
  if (lineNumbersShown_) ToggleLineNumbers(Qt::RightButton, Qt::NoModifier, false);
}

void MainWindow::ShowOpenedFile(const QString& path) {
  ClearMemo();
  EnableDocumentCommands(true);
  PageControl1->setCurrentIndex(InputPage);
  WriteMemo(QStringLiteral("Opened file: ") + path);
  RichEditInput->setFocus();
}

void MainWindow::OpenCompositionFile(int filterIndex) {
  if (ProofRunning()) return;
  RemoveLineNumbers();
  RestoreStartFolder();
  if (document_->Open(filterIndex)) ShowOpenedFile(document_->FileName());
}

void MainWindow::SpeedButtonOpenClick() {
  RestoreStartFolder();
  OpenCompositionFile(document_->OpenButtonFilter());
}

bool MainWindow::Save1Click() { return document_->Save(); }

void MainWindow::SpeedButtonSaveClick() {
  RestoreStartFolder();
  Save1Click();
}

bool MainWindow::SaveAs1Click() { return document_->SaveAs(); }

// ---------------------------------------------------------------- other programs, printing, editing, help

void MainWindow::Explorer1Click() {
  RestoreStartFolder();
  const QString folder = QString::fromStdString(settings_.workingFolder);
  if (!ShowFolder(folder))
    dialogs_.Error(this, QStringLiteral("TOLVERN"), QStringLiteral("Cannot start program ") + FolderViewer() + '.');
}

void MainWindow::SearchSIRILLibraries1Click() {
  const std::optional<FileChoice> choice = dialogs_.OpenFile(
      this, {QString(), {}, 1, QString::fromStdString(settings_.methodLibFolder), {}, QStringLiteral("*.*")});
  if (!choice) return;
  const QString viewer = QString::fromStdString(settings_.libraryViewer);
  if (!StartDetached(viewer, {choice->path}))
    dialogs_.Error(this, QStringLiteral("TOLVERN"), QStringLiteral("Cannot start program ") + viewer + '.');
}

const methods::MethodLibrary& MainWindow::Methods() {
  if (methods_) return *methods_;
  methods_ = std::make_unique<methods::MethodLibrary>();
  methods::LoadReport report;
  QGuiApplication::setOverrideCursor(Qt::WaitCursor);  // the Council's library takes a fifth of a second
  methods::LoadMethods({MethodLibraries(settings_), true}, *methods_, report);
  QGuiApplication::restoreOverrideCursor();
  for (const std::string& warning : report.warnings) WriteMemo(QString::fromStdString(warning));
  for (const std::string& error : report.errors)
    dialogs_.Warning(this, QStringLiteral("Warning"),
                     QStringLiteral("A method library could not be read\n\n") + QString::fromStdString(error));
  return *methods_;
}

void MainWindow::InsertMethod1Click() {
  if (PageControl1->isHidden()) return;
  if (!methodDialog_) {
    const int stage = methods::StageOfSirilText(RichEditInput->text().toStdString());
    methodDialog_ = new MethodDialog(Methods(), stage, this);
    methodDialog_->setAttribute(Qt::WA_DeleteOnClose);
    connect(methodDialog_, &MethodDialog::InsertRequested, this,
            [this](const methods::Method* method) { InsertMethod(*method); });
  }
  methodDialog_->open();
}

void MainWindow::InsertMethod(const methods::Method& method) {
  const int stage = methods::StageOfSirilText(RichEditInput->text().toStdString());
  if (stage > 0 && stage != method.stage) {
    const QString question = QStringLiteral("%1 is rung on %2 bells, and the composition is on %3.\n\nInsert it all the same?")
                                 .arg(QString::fromStdString(method.title))
                                 .arg(method.stage)
                                 .arg(stage);
    if (dialogs_.Confirm(methodDialog_, QStringLiteral("Insert Method"), question) != Dialogs::Answer::Yes) return;
  }
  RemoveLineNumbers();
  // A line of its own at the caret, in the text's line ends, undone in one step.
  const char* const lineEnd = RichEditInput->eolMode() == QsciScintilla::EolWindows ? "\r\n"
                              : RichEditInput->eolMode() == QsciScintilla::EolMac ? "\r"
                                                                                  : "\n";
  const long at = RichEditInput->SendScintilla(QsciScintillaBase::SCI_GETCURRENTPOS);
  const long line = RichEditInput->SendScintilla(QsciScintillaBase::SCI_LINEFROMPOSITION, static_cast<unsigned long>(at));
  const long lineStart = RichEditInput->SendScintilla(QsciScintillaBase::SCI_POSITIONFROMLINE, static_cast<unsigned long>(line));
  const long lineEndAt = RichEditInput->SendScintilla(QsciScintillaBase::SCI_GETLINEENDPOSITION, static_cast<unsigned long>(line));
  QByteArray inserted;
  if (at > lineStart) inserted += lineEnd;
  inserted += MethodDialog::DefinitionLine(method).toUtf8();
  if (at < lineEndAt) inserted += lineEnd;
  RichEditInput->beginUndoAction();
  RichEditInput->SendScintilla(QsciScintillaBase::SCI_INSERTTEXT, static_cast<unsigned long>(at), inserted.constData());
  RichEditInput->SendScintilla(QsciScintillaBase::SCI_GOTOPOS, static_cast<unsigned long>(at + inserted.size()));
  RichEditInput->endUndoAction();
  methodDialog_->accept();
  PageControl1->setCurrentIndex(InputPage);
  RichEditInput->setFocus();
}

EditorPage* MainWindow::ActiveEditor() const { return page(static_cast<Page>(PageControl1->currentIndex())); }

void MainWindow::Print1Click() {
  static const char* const titles[] = {"Source output page", "Proof output page", "SIRIL output page",
                                       "TOLVERN output page"};
  EditorPage* editor = ActiveEditor();
  if (!editor || !dialogs_.Print(this, printer_)) return;
  printer_.setDocName(QString::fromLatin1(titles[PageControl1->currentIndex()]));
  printer_.printRange(editor);
}

void MainWindow::PrinterSetup1Click() { dialogs_.Print(this, printer_); }

void MainWindow::Rows1Click() {
  if (!rowsWindow_) rowsWindow_ = new RowsWindow(dialogs_, this);  // a window of its own
  rowsWindow_->show();
  rowsWindow_->raise();
  rowsWindow_->activateWindow();
  if (shownRows_) ShowRows(shownRows_);
  else proofs_->ProveRowsOfLastText(settings_.maxNumberBells);
}

void MainWindow::ShowRows(std::shared_ptr<const RowsModel> rows) {
  if (!rowsWindow_ || !rowsWindow_->isVisible()) return;
  rowsWindow_->ShowRows(std::move(rows));
  emit RowsShown();
}

void MainWindow::Del1Click() {
  if (PageControl1->currentIndex() == InputPage) RichEditInput->removeSelectedText();
}

void MainWindow::Cut1Click() {
  // The output pages are read-only: their selection is copied, not removed.
  EditorPage* editor = ActiveEditor();
  if (editor->isReadOnly()) editor->copy();
  else editor->cut();
}

void MainWindow::Copy1Click() { ActiveEditor()->copy(); }

void MainWindow::Paste1Click() {
  if (PageControl1->currentIndex() == InputPage) RichEditInput->paste();
}

void MainWindow::SelectAll1Click() { ActiveEditor()->selectAll(); }

void MainWindow::ShowHelp(const QString& text) { dialogs_.Information(this, QStringLiteral("Information"), text); }

// ---------------------------------------------------------------- closing

void MainWindow::closeEvent(QCloseEvent* event) {
  if (Modified() && !document_->AskToSave()) {
    event->ignore();
    return;
  }
  proofs_->StopAll();
  if (rowsWindow_) rowsWindow_->close();
  event->accept();
}

}  // namespace tolvern::app
