// The window on huge output: how soon a proof page of a million lines is
// shown after the proof ends, how smoothly it scrolls, selects and copies,
// what it holds in memory, and where a runaway touch is stopped; the rows
// view on a peal and on a million rows; a screen reader on the page; and the
// Insert Method dialog typed into over a library of 25 000 methods.
//   tolvern_gui_bench [LINES]     (default 1000000; runs on the offscreen platform)
//   tolvern_gui_bench rows        the rows view alone
//   tolvern_gui_bench reader      a screen reader on the page alone
//   tolvern_gui_bench methods     the Insert Method dialog alone
#include <QAccessible>
#include <QApplication>
#include <QClipboard>
#include <QElapsedTimer>
#include <QFile>
#include <QKeyEvent>
#include <QLineEdit>
#include <QScrollBar>
#include <QtGui/private/qguiapplication_p.h>
#include <qpa/qplatformaccessibility.h>
#include <qpa/qplatformintegration.h>
#include <chrono>
#include <malloc.h>
#include <cstdio>
#include <string>

#include "builtin_methods.h"
#include "editor_page.h"
#include "library_xml.h"
#include "main_window.h"
#include "method_dialog.h"
#include "methods_workload.h"
#include <QAction>
#include <QTimer>
#include <algorithm>
#include "proof_job.h"
#include "dialogs.h"
#include "rows_view.h"
#include "rows_window.h"
#include "workloads.h"

using namespace tolvern;
using namespace tolvern::app;

namespace {

// VmRSS now, or VmHWM for the peak.
long ResidentKiB(const QByteArray& key = "VmRSS:") {
  QFile status(QStringLiteral("/proc/self/status"));
  if (!status.open(QIODevice::ReadOnly)) return 0;
  for (const QByteArray& line : status.readAll().split('\n'))
    if (line.startsWith(key)) return line.mid(key.size()).trimmed().split(' ').first().toLong();
  return 0;
}

double Seconds(const QElapsedTimer& timer) { return static_cast<double>(timer.nsecsElapsed()) / 1e9; }

// Sixteen bells of pseudo-random changes, each row printed: one line a change.
ProofRequest EveryRowRequest(int changes) {
  ProofRequest request;
  request.lines = bench::DistinctComposition(200, changes / 200, 1, 7);
  request.lines.push_back("EVERYROW = \"@\"");
  request.options.MaxNumberBells = 16;
  request.options.ShowMusic = false;
  return request;
}

// The engine's run into page lines, then the pages made ready for the editors
// as the proof job makes them: the second figure is work after the proof.
std::pair<double, double> EngineThenPages(const ProofRequest& request) {
  PageLines proof, compatible, progress;
  Engine engine;
  engine.Outputs.ProofOutput = &proof;
  engine.Outputs.CompatibleOutput = &compatible;
  engine.Outputs.ProgressOutput = &progress;
  engine.Options.MaxNumberBells = 16;
  engine.Options.ShowMusic = false;
  QElapsedTimer timer;
  timer.start();
  engine.RunProof(request.lines);
  const double proving = Seconds(timer);
  timer.restart();
  const DisplayText shownProof = MakeDisplayText(proof.bytes(), TextEncoding::Utf8, true);
  const DisplayText shownCompatible = MakeDisplayText(compatible.bytes(), TextEncoding::Utf8, false);
  const double making = Seconds(timer);
  if (shownProof.lines != proof.lineCount() || shownCompatible.lines != compatible.lineCount()) std::abort();
  return {proving, making};
}

void Row(const char* name, const std::string& value) { std::printf("  %-34s %s\n", name, value.c_str()); }

std::string Format(const char* format, double value) {
  char buffer[64];
  std::snprintf(buffer, sizeof buffer, format, value);
  return buffer;
}

// Seconds to set a page's whole text and show its end, repainted.
double ShowPage(EditorPage& page, const DisplayText& text) {
  QElapsedTimer timer;
  timer.start();
  page.SetDisplayText(text);
  page.ShowEnd();
  page.repaint();
  QApplication::processEvents();
  return Seconds(timer);
}

void HugePage(int changes) {
  const ProofRequest request = EveryRowRequest(changes);
  const auto [engine, making] = EngineThenPages(request);

  EditorPage page(QStringLiteral("Proof"));
  page.SetPageFont(PageFont(15));
  page.setReadOnly(true);
  page.resize(1200, 800);
  page.show();
  QApplication::processEvents();
  const long before = ResidentKiB();

  double shown = 0;
  {
    JobControl control;
    const ProofResult result = RunProofJob(request, control, {});
    shown = ShowPage(page, result.proof);
  }
  const long after = ResidentKiB();

  std::printf("gui: a proof page of every row (EVERYROW = \"@\"), sixteen bells, offscreen platform\n");
  Row("lines on the page", std::to_string(page.Lines()));
  Row("engine (s)", Format("%.3f", engine));
  Row("pages made for the editors (s)", Format("%.3f", making));
  Row("window: text set, end shown (s)", Format("%.3f", shown));
  const double afterProof = making + shown;
  Row("shown after the proof ends (s)", Format("%.3f", afterProof) + "   target < 1 s: " +
                                            (afterProof < 1.0 ? "met" : "NOT met"));

  // From the end, as the page is left: a screen up at a time, as with the
  // scroll bar or the wheel, then jumps anywhere.
  QElapsedTimer timer;
  timer.start();
  constexpr int frames = 200;
  for (int i = 0; i < frames; ++i) {
    page.SendScintilla(QsciScintillaBase::SCI_LINESCROLL, 0UL, -40L);
    page.repaint();
  }
  Row("scroll a screen, repainted (ms)", Format("%.2f", Seconds(timer) * 1000 / frames));
  timer.restart();
  for (int i = 0; i < frames; ++i) {
    page.setFirstVisibleLine((i * 7919) % page.Lines());
    page.repaint();
  }
  Row("jump anywhere, repainted (ms)", Format("%.2f", Seconds(timer) * 1000 / frames));
  timer.restart();
  page.selectAll();
  page.repaint();
  Row("select all (ms)", Format("%.1f", Seconds(timer) * 1000));
  timer.restart();
  page.copy();
  const auto copied = QApplication::clipboard()->text().size();
  Row("copy all to the clipboard (ms)", Format("%.1f", Seconds(timer) * 1000) + " (" +
                                            std::to_string(copied) + " characters)");
  Row("memory the page holds (MiB)", Format("%.1f", (after - before) / 1024.0));
  Row("bytes a line", Format("%.1f", (after - before) * 1024.0 / page.Lines()));
}

void RunawayTouch() {
  // Ten million rows printed: the pages stop at their limit instead.
  ProofRequest request;
  request.lines = bench::DistinctComposition(200, 1000, 50, 7);
  request.lines.push_back("EVERYROW = \"@\"");
  request.options.MaxNumberBells = 16;
  request.options.ShowMusic = false;
  JobControl control;
  QElapsedTimer timer;
  timer.start();
  const ProofResult result = RunProofJob(request, control, {});
  const double seconds = Seconds(timer);
  std::printf("\ngui: a runaway touch (10 million rows, each printed) against the page limit of %zu lines\n",
              DefaultPageLineLimit);
  Row("changes rung before the stop", std::to_string(result.run.changes));
  Row("proof page lines", std::to_string(result.proof.lines));
  Row("last progress line", result.progress.isEmpty() ? "" : result.progress.last().toStdString());
  Row("seconds", Format("%.2f", seconds));
  Row("peak resident (MiB)", Format("%.0f", ResidentKiB("VmHWM:") / 1024.0));
}

// Dialogs nobody answers: the benchmarks raise none.
struct QuietDialogs : Dialogs {
  void Warning(QWidget*, const QString&, const QString&) override {}
  void Error(QWidget*, const QString&, const QString&) override {}
  void Information(QWidget*, const QString&, const QString&) override {}
  Answer Confirm(QWidget*, const QString&, const QString&) override { return Answer::No; }
  std::optional<FileChoice> OpenFile(QWidget*, const FileDialogSetup&) override { return std::nullopt; }
  std::optional<FileChoice> SaveFile(QWidget*, const FileDialogSetup&) override { return std::nullopt; }
  bool Print(QWidget*, QPrinter&) override { return false; }
};

void ProvingAsYouType() {
  // The peal, edited again and again with proving as you type on: how long
  // after the pause the pages are shown again.
  int leads = 0;
  const bench::Lines peal = bench::PealComposition(313, 320, leads);
  QString text;
  for (const std::string& line : peal) text += QString::fromStdString(line) + QLatin1Char('\n');
  QuietDialogs dialogs;
  MainWindow window(dialogs);
  window.resize(1200, 800);
  window.show();
  QApplication::processEvents();
  window.FormActivate();
  window.New1Click();
  auto* asYouType = window.findChild<QAction*>(QStringLiteral("ProveAsYouType1"));
  asYouType->setChecked(true);
  auto* pause = window.findChild<QTimer*>(QStringLiteral("ProveAsYouTypePause"));
  std::vector<double> afterPause;
  for (int edit = 0; edit < 15; ++edit) {
    QElapsedTimer timer;
    bool shown = false;
    const auto started = QObject::connect(pause, &QTimer::timeout, [&] { timer.start(); });
    const auto ended = QObject::connect(&window, &MainWindow::ProofShown, [&] {
      window.repaint();
      shown = true;
    });
    window.input()->setText(text + QStringLiteral("/ edit %1\n").arg(edit));
    while (!shown) QApplication::processEvents(QEventLoop::WaitForMoreEvents, 5);
    afterPause.push_back(Seconds(timer) * 1000);
    QObject::disconnect(started);
    QObject::disconnect(ended);
  }
  std::sort(afterPause.begin(), afterPause.end());
  std::printf("\ngui: proving as you type, %d-change peal (%d leads, music and lead tables), 15 edits\n", leads * 16,
              leads);
  Row("pages shown, repainted (ms)", Format("%.1f", afterPause[afterPause.size() / 2]) + " median, " +
                                              Format("%.1f", afterPause.back()) + " slowest   target < 50 ms: " +
                                              (afterPause[afterPause.size() / 2] < 50 ? "met" : "NOT met"));
}

// Bytes of the heap in use: unlike the resident size, it shrinks when memory
// is given back, so its growth is what is still held.
size_t HeapInUse() {
  const struct mallinfo2 info = mallinfo2();
  return info.uordblks + info.hblkhd;
}

// The peal rung `passes` times over, every row after the first pass false.
bench::Lines PealRungOver(int passes, int& rows) {
  int leads = 0;
  bench::Lines lines = bench::PealComposition(312, 314, leads);
  rows = leads * 16 * passes;
  if (passes == 1) return lines;
  lines.insert(lines.begin() + 1, "Over = " + std::to_string(passes) + " Peal");
  lines.push_back("CONFLICT =");
  return lines;
}

// From a proof's rows to the first frame of the rows window, then scrolling.
void RowsViewOn(int passes) {
  int rows = 0;
  const bench::Lines lines = PealRungOver(passes, rows);
  const size_t before = HeapInUse();
  QElapsedTimer timer;
  timer.start();
  const std::shared_ptr<RowsModel> model = CollectRows(lines, 8, nullptr);
  const double collecting = Seconds(timer);
  const size_t collected = HeapInUse();

  QtDialogs dialogs;
  RowsWindow window(dialogs);
  window.resize(1200, 800);
  window.show();
  QApplication::processEvents();
  RowsView& view = window.View();
  const int64_t framesBefore = view.FramesPainted();
  timer.restart();
  window.ShowRows(model);
  view.viewport()->repaint();
  const double opening = Seconds(timer);
  if (view.FramesPainted() == framesBefore) std::abort();

  std::printf("\ngui: the rows view, Plain Bob Major with markers, %s\n",
              passes == 1 ? "a true peal" : "the peal rung over and over (CONFLICT empty)");
  Row("rows", std::to_string(model->RowCount() - 1) + " in " + std::to_string(model->LeadCount()) + " leads, " +
                  std::to_string(view.Columns()) + " across");
  Row("proved with the rows collected (s)", Format("%.3f", collecting));
  Row("model ready to first frame (ms)", Format("%.2f", opening * 1000));
  Row("model holds (bytes a row)", Format("%.2f", static_cast<double>(model->BytesHeld()) / model->RowCount()));
  Row("heap held after proving (B a row)",
      Format("%.2f", (static_cast<double>(collected) - static_cast<double>(before)) / model->RowCount()));

  constexpr int frames = 200;
  QScrollBar* bar = view.verticalScrollBar();
  bar->setValue(0);
  timer.restart();
  for (int i = 0; i < frames; ++i) {
    // Down a screen at a time, from the top again at the end.
    bar->setValue(bar->value() < bar->maximum() ? bar->value() + bar->pageStep() : 0);
    view.viewport()->repaint();
  }
  Row("scroll a screen, repainted (ms)", Format("%.2f", Seconds(timer) * 1000 / frames));
  timer.restart();
  for (int i = 0; i < frames; ++i) {
    // Three lines a step, as the mouse wheel scrolls.
    bar->setValue(bar->value() + 3 * bar->singleStep());
    view.viewport()->repaint();
  }
  Row("scroll three lines, repainted (ms)", Format("%.2f", Seconds(timer) * 1000 / frames));
  timer.restart();
  for (int i = 0; i < frames; ++i) {
    bar->setValue(static_cast<int>((static_cast<int64_t>(i) * 7919 * 104729) % (bar->maximum() + 1)));
    view.viewport()->repaint();
  }
  Row("jump anywhere, repainted (ms)", Format("%.2f", Seconds(timer) * 1000 / frames));
  Row("bands kept drawn (MiB)", Format("%.1f", view.DrawnBytes() / 1048576.0));
}

// A screen reader, as the update handler: at each caret move it asks for the
// caret and reads the line there, as one does at each arrow key.
struct Reader {
  int caretMoves = 0;
  qsizetype charactersRead = 0;
  double readingMs = 0;  // in the last caret move's questions
} reader;

void ReadLineAtCaret(QAccessibleEvent* event) {
  if (event->type() != QAccessible::TextCaretMoved) return;
  QElapsedTimer timer;
  timer.start();
  QAccessibleTextInterface* text = event->accessibleInterface()->textInterface();
  int start = 0, end = 0;
  reader.charactersRead += text->textAtOffset(text->cursorPosition(), QAccessible::LineBoundary, &start, &end).size();
  reader.readingMs = Seconds(timer) * 1000;
  ++reader.caretMoves;
}

struct Steps {
  std::vector<double> whole;    // ms from the key press to the line read, the page repainted
  std::vector<double> reading;  // ms of them in the reader's questions
};

// `count` arrow-key presses (up, from the end of the page), each caret move
// told and read.
Steps CaretSteps(QsciScintilla& page, int count) {
  Steps steps;
  for (int i = 0; i < count; ++i) {
    const int moves = reader.caretMoves;
    QElapsedTimer timer;
    timer.start();
    QKeyEvent press(QEvent::KeyPress, Qt::Key_Up, Qt::NoModifier);
    QApplication::sendEvent(&page, &press);
    while (reader.caretMoves == moves) {
      QApplication::processEvents();
      if (timer.elapsed() > 60'000) std::abort();  // the caret move was never told
    }
    page.repaint();
    steps.whole.push_back(Seconds(timer) * 1000);
    steps.reading.push_back(reader.readingMs);
  }
  std::sort(steps.whole.begin(), steps.whole.end());
  std::sort(steps.reading.begin(), steps.reading.end());
  return steps;
}

std::string MedianAndSlowest(const std::vector<double>& sorted, const char* format) {
  return Format(format, sorted[sorted.size() / 2]) + " median, " + Format(format, sorted.back()) + " slowest";
}

void ScreenReaderOnHugePage(int changes) {
  const ProofRequest request = EveryRowRequest(changes);
  const double making = EngineThenPages(request).second;
  JobControl control;
  const ProofResult result = RunProofJob(request, control, {});
  EditorPage page(QStringLiteral("Proof"));
  page.SetPageFont(PageFont(15));
  page.setReadOnly(true);
  page.resize(1200, 800);
  page.show();
  page.setFocus();
  QApplication::processEvents();
  // The whole page set and its end shown, 5 times.
  const auto setting = [&] {
    std::vector<double> times;
    for (int run = 0; run < 5; ++run) times.push_back(ShowPage(page, result.proof));
    std::sort(times.begin(), times.end());
    return times;
  };
  const std::vector<double> unheard = setting();
  // On as a screen reader's arrival turns it on: the platform's switch.
  QGuiApplicationPrivate::platformIntegration()->accessibility()->setActive(true);
  QAccessible::installUpdateHandler(&ReadLineAtCaret);
  const size_t before = HeapInUse();
  QAccessibleTextInterface* text = QAccessible::queryAccessibleInterface(&page)->textInterface();
  if (text->characterCount() <= 0) std::abort();  // made the page's line character index
  const size_t indexed = HeapInUse();
  const std::vector<double> heard = setting();
  const Steps steps = CaretSteps(page, 200);

  std::printf("\ngui: a screen reader on the proof page (accessibility active), the page's own interface\n");
  Row("lines on the page", std::to_string(page.Lines()));
  Row("page set, end shown (s, 5 runs)", MedianAndSlowest(heard, "%.3f"));
  Row("  the same, nobody listening", MedianAndSlowest(unheard, "%.3f"));
  const double shown = making + heard.back();
  Row("shown after the proof ends (s)", Format("%.3f", shown) + " slowest   target < 1 s: " +
                                            (shown < 1.0 ? "met" : "NOT met"));
  const double median = steps.whole[steps.whole.size() / 2];
  Row("caret up a line, line read (ms)", MedianAndSlowest(steps.whole, "%.2f") +
                                             " of 200, repainted   target < 5 ms: " +
                                             (median < 5.0 ? "met" : "NOT met"));
  Row("  of which the reader's questions", MedianAndSlowest(steps.reading, "%.3f"));
  Row("line character index (B a line)",
      Format("%.1f", (static_cast<double>(indexed) - static_cast<double>(before)) / page.Lines()));

  // The same steps through QScintilla's own interface, for comparison: a
  // plain editor, which the pages' factory leaves to QScintilla's.
  QsciScintilla plain;
  plain.setUtf8(true);
  plain.SendScintilla(QsciScintillaBase::SCI_SETTEXT, 0UL, result.proof.utf8.constData());
  plain.setReadOnly(true);
  plain.resize(1200, 800);
  plain.show();
  plain.setFocus();
  plain.SendScintilla(QsciScintillaBase::SCI_DOCUMENTEND);
  QApplication::processEvents();
  CaretSteps(plain, 1);  // its first caret offset is counted before any step
  const Steps theirs = CaretSteps(plain, 5);
  Row("the same through QScintilla's (ms)", MedianAndSlowest(theirs.whole, "%.1f") + " of 5");
  Row("  of which the reader's questions", MedianAndSlowest(theirs.reading, "%.1f"));
  if (reader.charactersRead == 0) std::abort();  // nothing was read

  QAccessible::installUpdateHandler(nullptr);
  QGuiApplicationPrivate::platformIntegration()->accessibility()->setActive(false);
}

// Each key stroke of a few queries, from the key to the dialog repainted:
// the search, the list, the plain lead proved and drawn.
void MethodDialogKeys() {
  methods::MethodLibrary library;
  if (!methods::ReadLibraryXml(bench::MethodsLibraryXml(25000, 22), "bench.xml", library).error.empty()) std::abort();
  methods::AddBuiltinMethods(library);
  MethodDialog dialog(library, 0);
  dialog.resize(760, 540);
  dialog.show();
  QApplication::processEvents();
  auto* search = dialog.findChild<QLineEdit*>(QStringLiteral("MethodSearch"));
  std::vector<double> times;
  int strokes = 0;
  for (const char* query : {"cambridge surprise major", "stedman triples", "bristol s maximus", "a b", "plain bob 6"}) {
    search->clear();
    QApplication::processEvents();
    for (const char* c = query; *c; ++c) {
      QKeyEvent press(QEvent::KeyPress, 0, Qt::NoModifier, QString(QLatin1Char(*c)));
      QElapsedTimer timer;
      timer.start();
      QApplication::sendEvent(search, &press);
      dialog.repaint();
      times.push_back(Seconds(timer) * 1000);
      ++strokes;
    }
    if (dialog.MatchCount() == 0) std::abort();  // each query finds something
  }
  std::sort(times.begin(), times.end());
  std::printf("\ngui: Insert Method, %zu methods (the built-in set and a Central Council library made in code)\n",
              library.size());
  Row("key stroke to dialog repainted (ms)", MedianAndSlowest(times, "%.2f") + " of " + std::to_string(strokes) +
                                                 "   target < 16 ms: " + (times.back() < 16.0 ? "met" : "NOT met"));
}

}  // namespace

int main(int argc, char** argv) {
  if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
  QApplication application(argc, argv);
  if (argc > 1 && std::string(argv[1]) == "rows") {  // the rows view alone
    RowsViewOn(1);
    RowsViewOn(200);
    return 0;
  }
  if (argc > 1 && std::string(argv[1]) == "methods") {  // the Insert Method dialog alone
    MethodDialogKeys();
    return 0;
  }
  if (argc > 1 && std::string(argv[1]) == "reader") {  // a screen reader on the page alone
    ScreenReaderOnHugePage(argc > 2 ? std::atoi(argv[2]) : 1000000);
    return 0;
  }
  const int changes = argc > 1 ? std::atoi(argv[1]) : 1'000'000;
  HugePage(changes);
  ScreenReaderOnHugePage(changes);
  RunawayTouch();
  RowsViewOn(1);
  RowsViewOn(200);
  ProvingAsYouType();
  MethodDialogKeys();
  return 0;
}
