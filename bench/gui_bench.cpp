// The window on huge output: how soon a proof page of a million lines is
// shown after the proof ends, how smoothly it scrolls, selects and copies,
// what it holds in memory, and where a runaway touch is stopped; and the
// rows view on a peal and on a million rows.
//   tolvern_gui_bench [LINES]     (default 1000000; runs on the offscreen platform)
//   tolvern_gui_bench rows        the rows view alone
#include <QApplication>
#include <QClipboard>
#include <QElapsedTimer>
#include <QFile>
#include <QScrollBar>
#include <chrono>
#include <malloc.h>
#include <cstdio>
#include <string>

#include "editor_page.h"
#include "main_window.h"
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
    QElapsedTimer timer;
    timer.start();
    page.SetDisplayText(result.proof);
    page.ShowEnd();
    page.repaint();
    QApplication::processEvents();
    shown = Seconds(timer);
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

}  // namespace

int main(int argc, char** argv) {
  if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
  QApplication application(argc, argv);
  if (argc > 1 && std::string(argv[1]) == "rows") {  // the rows view alone
    RowsViewOn(1);
    RowsViewOn(200);
    return 0;
  }
  const int changes = argc > 1 ? std::atoi(argv[1]) : 1'000'000;
  HugePage(changes);
  RunawayTouch();
  RowsViewOn(1);
  RowsViewOn(200);
  ProvingAsYouType();
  return 0;
}
