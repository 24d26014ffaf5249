// tolvern_soak: the real window, offscreen, driven by a seeded random sequence
// of what users do (typing, pasting, proving and stopping, the options, line
// numbers, the rows view, files, the cross-check against stand-in provers
// that are slow, fail or never end, closing with the save question), checked
// as it goes:
//   - the window's thread never blocks longer than --max-block-ms (a 10 ms
//     timer on it measures the gaps; a watchdog thread catches a hang);
//   - resident memory stays under --max-rss-mb;
//   - every file saved holds exactly the bytes the editor held;
//   - the recovery copy is never further behind the text than its delay and
//     one block, and matches the text after a pause;
//   - at the end the pages equal a proof of the final text made directly.
// It prints the seed, the actions done, the slowest block and peak memory, and
// exits 1 on any breach, naming the seed: `tolvern_soak --seed N` runs the same
// sequence of actions again (their timing against the proofs varies).
#include <QAction>
#include <QApplication>
#include <QClipboard>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QKeyEvent>
#include <QSignalSpy>
#include <QTabWidget>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>

#include <atomic>
#include <chrono>
#include <csignal>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <map>
#include <random>
#include <string>
#include <thread>
#include <vector>

#include <sys/resource.h>
#include <unistd.h>

#include "dialogs.h"
#include "document.h"
#include "editor_page.h"
#include "main_window.h"
#include "proof_job.h"
#include "recovery.h"
#include "rows_window.h"
#include "user_input.h"

#if defined(__SANITIZE_ADDRESS__) || defined(__SANITIZE_THREAD__)
#include <sanitizer/common_interface_defs.h>
#define TOLVERN_SOAK_SANITIZED 1
#endif

namespace tolvern::app::soak {
namespace {

using Answer = Dialogs::Answer;

int64_t NowMs() {
  using namespace std::chrono;
  return duration_cast<milliseconds>(steady_clock::now().time_since_epoch()).count();
}

// Said when the process dies of a signal or a sanitizer report, so that the
// run can be replayed; made before anything can go wrong.
char deathLine[128];
void SayDeath() { (void)!::write(2, deathLine, std::strlen(deathLine)); }
void OnFatalSignal(int signal) {
  SayDeath();
  std::signal(signal, SIG_DFL);
  std::raise(signal);
}

using testing::ReadBytes;
using testing::WaitFor;
using testing::WriteBytes;

struct Options {
  int seconds = 120;
  uint64_t seed = 0;
  int maxBlockMs = 500;
  // Peaks measured: 236 MB over ten minutes in the Release build, 523 MB in
  // 20 s under AddressSanitizer, 792 MB under ThreadSanitizer.
  int maxRssMb = 1500;
  bool verbose = false;
};

// The texts users type and paste.
struct Texts {
  std::vector<QString> good;  // the examples
  std::vector<QString> snippets;
  QString sixteen = QStringLiteral("16 BELLS\nT = 16 P\nP = +x1d\n");
  // A bob first, so that rounds never comes: 10^12 changes, rows rung again.
  QString endless = QStringLiteral(
      "6 BELLS\nT = B, 1000000 A\nA = 1000000 P\nB = &x16x16x16,+14\nP = &x16x16x16,+12\nCONFLICT =\n");
  QString endlessRows = endless + QStringLiteral("EVERYROW = \"@\"\n");

  explicit Texts(const QString& examples) {
    for (const QString& name : QDir(examples).entryList(QDir::Files, QDir::Name))
      good.push_back(DecodeDocument(ReadBytes(QDir(examples).filePath(name))).text);
    snippets = {QStringLiteral("+12"), QStringLiteral("&x18x18x18x18,"), QStringLiteral(" 3 P,"),
                QStringLiteral("("), QStringLiteral(")"), QStringLiteral("\"@ \""), QStringLiteral("BOB = +14"),
                QStringLiteral("/ note "), QStringLiteral("\"[Cambridge]\""), QString::fromUtf8("é"),
                QString::fromUtf8("Ω"), QStringLiteral("MUSIC = \"xxxx5678\""), QStringLiteral("x"),
                QStringLiteral("END"), QStringLiteral("2147483647 "), QStringLiteral("ROUNDS = \"#\"")};
  }
};

class SoakDialogs : public Dialogs {
 public:
  SoakDialogs(std::mt19937_64& random, QString songs) : random_(random), songs_(std::move(songs)) {}

  void Warning(QWidget*, const QString&, const QString&) override { ++boxes; }
  void Error(QWidget*, const QString&, const QString&) override { ++boxes; }
  void Information(QWidget*, const QString&, const QString&) override { ++boxes; }
  Answer Confirm(QWidget*, const QString&, const QString&) override {
    ++boxes;
    if (closing) return Answer::No;
    const int pick = Pick(10);
    return pick < 4 ? Answer::Yes : pick < 8 ? Answer::No : Answer::Cancel;
  }
  std::optional<FileChoice> OpenFile(QWidget*, const FileDialogSetup&) override {
    const QStringList files = QDir(songs_).entryList(QDir::Files, QDir::Name);
    if (files.isEmpty() || Pick(10) == 0) return std::nullopt;
    return FileChoice{QDir(songs_).filePath(files[Pick(static_cast<int>(files.size()))]), 14};
  }
  std::optional<FileChoice> SaveFile(QWidget*, const FileDialogSetup&) override {
    const int pick = Pick(20);
    if (pick < 2) return std::nullopt;
    // A folder stands where this one would go: the save fails.
    if (pick == 2) return FileChoice{QDir(songs_).filePath(QStringLiteral("blocked.sir")), 13};
    return FileChoice{QDir(songs_).filePath(QStringLiteral("soak-%1.sir").arg(pick % 4)), 13};
  }
  bool Print(QWidget*, QPrinter&) override { return false; }

  int boxes = 0;
  bool closing = false;  // at the very end every question is answered No

 private:
  int Pick(int n) { return static_cast<int>(random_() % static_cast<uint64_t>(n)); }
  std::mt19937_64& random_;
  QString songs_;
};

class Soak : public QObject {
 public:
  Soak(const Options& options, const QString& scratch)
      : options_(options), random_(options.seed), scratch_(scratch), songs_(scratch + QStringLiteral("/songs")),
        texts_(QStringLiteral(TOLVERN_EXAMPLES)), dialogs_(random_, songs_) {}

  bool SetUp();
  int Run();

 private:
  struct Action {
    const char* name;
    int weight;
    int (Soak::*run)();  // the pause before the next action, in ms
  };

  // The actions.
  int TypeKeys();
  int TypeLine();
  int DeleteText();
  int ReplaceText();
  int PasteLarge();
  int Prove();
  int Stop();
  int ToggleOption();
  int RightClick();
  int SwitchPage();
  int OpenRows();
  int CloseRows();
  int New();
  int Open();
  int Save();
  int SaveAs();
  int ProverMode();
  int Pause();
  int LetItRun();
  int CloseAndStartAgain();

  const Action* Named(const char* name) const {
    for (const Action& action : actions_)
      if (std::strcmp(action.name, name) == 0) return &action;
    return nullptr;
  }
  void StartWindow();
  bool CloseWindow();
  void NextAction();
  void Beat();
  void Breach(const QString& what);
  void CheckSaved(const QString& line);
  void CheckCopyAfterPause();
  void FinalCheck();
  enum class Compared { Equal, DoesNotEnd, Breached };
  Compared CompareWithDirectProof(const QString& what, bool mayNotEnd);
  void Paste(const QString& text);
  int Pick(int n) { return static_cast<int>(random_() % static_cast<uint64_t>(n)); }
  QString RandomComposition();
  QAction* Item(const char* name) const { return window_->findChild<QAction*>(QString::fromLatin1(name)); }
  size_t ResidentMb() const;
  void Print(const QString& line) const { std::fprintf(stderr, "soak: %s\n", line.toUtf8().constData()); }

  Options options_;
  std::mt19937_64 random_;
  QString scratch_, songs_;
  Texts texts_;
  SoakDialogs dialogs_;
  std::unique_ptr<MainWindow> window_;
  std::vector<Action> actions_;
  std::discrete_distribution<size_t> choose_;

  // What was done.
  int64_t startMs_ = 0;
  int64_t lastBeatMs_ = 0;
  std::atomic<int64_t> watchdogBeatMs_{0};
  std::map<std::string, int> done_;
  int actionsDone_ = 0;
  QString lastAction_ = QStringLiteral("start");
  int64_t slowestBlockMs_ = 0;
  QString slowestAfter_;
  size_t peakRssMb_ = 0;
  int64_t longestCopyLagMs_ = 0;
  int filesSaved_ = 0;
  int proofsShown_ = 0;
  int beats_ = 0;
  bool checkCopy_ = false;
  bool breached_ = false;
  bool checking_ = false;  // the soak's own comparing: not counted as the window's
  QTimer heartbeat_;
};

bool Soak::SetUp() {
  QDir().mkpath(songs_);
  QDir().mkpath(scratch_ + QStringLiteral("/prover"));
  QDir().mkpath(songs_ + QStringLiteral("/blocked.sir"));
  // Files as users have them: both encodings, every line end, a byte order mark.
  bool written =
      WriteBytes(songs_ + QStringLiteral("/latin1-cr.min"), "6 BELLS\rT = \"caf\xE9\", 2 L\rL = &x16x16x16,+12\r") &&
      WriteBytes(songs_ + QStringLiteral("/utf8-bom.min"),
                 "\xEF\xBB\xBF" "6 BELLS\r\nT = \"\xCE\xA9\", L, L\r\nL = &x16x16x16,+12\r\n") &&
      WriteBytes(songs_ + QStringLiteral("/lf.six"), texts_.sixteen.toUtf8()) &&
      WriteBytes(songs_ + QStringLiteral("/endless.min"), texts_.endless.toUtf8());
  for (size_t i = 0; i < texts_.good.size(); ++i)
    written = written && WriteBytes(songs_ + QStringLiteral("/example-%1.sir").arg(i), texts_.good[i].toUtf8());
  if (!written) return false;

  // The stand-in prover: what it does next is in its mode file.
  const QString prover = scratch_ + QStringLiteral("/prover/standin.sh");
  const QByteArray script =
      "#!/bin/sh\n"
      "case \"$(cat '" + QFile::encodeName(scratch_) + "/prover/mode' 2>/dev/null)\" in\n"
      "  slow) sleep 2 ;;\n"
      "  fail) echo 'Segmentation fault'; exit 139 ;;\n"
      "  endless) exec sleep 100000 ;;\n"
      "esac\n"
      "exec '" TOLVERN_BINARY "' prove --max-bells 16 --proof /dev/null --compatible - --progress /dev/null -\n";
  if (!WriteBytes(prover, script, true)) return false;
  return WriteBytes(scratch_ + QStringLiteral("/TOLVERN.INI"),
                    "[TOLVERN]\nWorking=" + QFile::encodeName(songs_) +
                        "\nMaxNumberBells=16\n[microSIRIL]\nRUNmicroSIRIL=Y\nExecutable=" +
                        QFile::encodeName(prover) + "\n");
}

void Soak::StartWindow() {
  window_ = std::make_unique<MainWindow>(dialogs_);
  connect(&window_->document(), &Document::Said, this, &Soak::CheckSaved);
  connect(window_.get(), &MainWindow::ProofShown, this, [this] {
    ++proofsShown_;
    const QStringList memo = window_->MemoLines();
    if (options_.verbose) Print(QStringLiteral("   shown: %1").arg(memo.isEmpty() ? QString() : memo.last()));
  });
  window_->show();
}

bool Soak::CloseWindow() {
  if (!window_->close()) return false;
  window_.reset();
  // A window closed in order leaves no recovery copy.
  if (!QDir(RecoveryFolder()).entryList({QStringLiteral("*.rec")}, QDir::Files).isEmpty())
    Breach(QStringLiteral("a recovery copy was left after the window closed"));
  return true;
}

int Soak::Run() {
  actions_ = {
      {"type keys", 20, &Soak::TypeKeys},     {"type a line", 8, &Soak::TypeLine},
      {"delete", 10, &Soak::DeleteText},      {"replace the text", 6, &Soak::ReplaceText},
      {"paste large", 1, &Soak::PasteLarge},  {"prove", 8, &Soak::Prove},
      {"stop", 6, &Soak::Stop},               {"toggle an option", 6, &Soak::ToggleOption},
      {"right click", 4, &Soak::RightClick},  {"switch page", 3, &Soak::SwitchPage},
      {"open rows", 2, &Soak::OpenRows},      {"close rows", 2, &Soak::CloseRows},
      {"new", 2, &Soak::New},                 {"open", 3, &Soak::Open},
      {"save", 3, &Soak::Save},               {"save as", 2, &Soak::SaveAs},
      {"prover mode", 3, &Soak::ProverMode},  {"pause", 1, &Soak::Pause},
      {"let it run", 3, &Soak::LetItRun},     {"close and start again", 1, &Soak::CloseAndStartAgain},
  };
  std::vector<int> weights;
  for (const Action& action : actions_) weights.push_back(action.weight);
  choose_ = std::discrete_distribution<size_t>(weights.begin(), weights.end());

  Print(QStringLiteral("seed %1, %2 s, window thread bound %3 ms, memory bound %4 MB")
            .arg(options_.seed)
            .arg(options_.seconds)
            .arg(options_.maxBlockMs)
            .arg(options_.maxRssMb));
  startMs_ = lastBeatMs_ = NowMs();
  watchdogBeatMs_ = startMs_;
  heartbeat_.setTimerType(Qt::PreciseTimer);
  heartbeat_.setInterval(10);
  connect(&heartbeat_, &QTimer::timeout, this, &Soak::Beat);
  heartbeat_.start();

  // A window thread that stops beating for good is a hang, which no timer on
  // that thread can report.
  std::atomic<bool> done{false};
  std::thread watchdog([&] {
    while (!done) {
      std::this_thread::sleep_for(std::chrono::milliseconds(200));
      if (NowMs() - watchdogBeatMs_ > 60000) {
        std::fprintf(stderr, "soak: BREACH: the window's thread has not run for 60 s after \"%s\" (seed %llu)\n",
                     lastAction_.toUtf8().constData(), static_cast<unsigned long long>(options_.seed));
        std::_Exit(1);
      }
    }
  });

  StartWindow();
  QTimer::singleShot(100, this, &Soak::NextAction);
  const int status = QApplication::exec();
  done = true;
  watchdog.join();
  window_.reset();
  return status;
}

void Soak::Beat() {
  const int64_t now = NowMs();
  const int64_t block = now - lastBeatMs_ - heartbeat_.interval();
  lastBeatMs_ = now;
  watchdogBeatMs_ = now;
  if (++beats_ % 25 == 0) {
    const size_t rss = ResidentMb();
    peakRssMb_ = std::max(peakRssMb_, rss);
    if (rss > static_cast<size_t>(options_.maxRssMb))
      Breach(QStringLiteral("resident memory reached %1 MB after \"%2\"").arg(rss).arg(lastAction_));
  }
  if (checking_) return;
  if (block > slowestBlockMs_) {
    slowestBlockMs_ = block;
    slowestAfter_ = lastAction_;
  }
  if (block > options_.maxBlockMs)
    Breach(QStringLiteral("the window's thread was blocked %1 ms after \"%2\"").arg(block).arg(lastAction_));
  if (window_) {
    const int64_t lag = window_->document().Recovery().LongestLagMs();
    longestCopyLagMs_ = std::max(longestCopyLagMs_, lag);
    // A copy waits for its delay, then for the window's thread and the disk.
    if (lag > RecoveryFile::DelayMs + options_.maxBlockMs)
      Breach(QStringLiteral("a change waited %1 ms for its recovery copy").arg(lag));
  }
}

void Soak::Breach(const QString& what) {
  if (breached_) return;
  breached_ = true;
  Print(QStringLiteral("BREACH: %1 (seed %2, action %3; replay with --seed %2)")
            .arg(what)
            .arg(options_.seed)
            .arg(actionsDone_));
  QApplication::exit(1);
}

size_t Soak::ResidentMb() const {
  QFile statm(QStringLiteral("/proc/self/statm"));
  if (!statm.open(QIODevice::ReadOnly)) return 0;
  const QList<QByteArray> fields = statm.readAll().split(' ');
  if (fields.size() < 2) return 0;
  return static_cast<size_t>(fields[1].toULongLong()) * static_cast<size_t>(::sysconf(_SC_PAGESIZE)) >> 20;
}

void Soak::NextAction() {
  if (breached_) return;
  if (checkCopy_) {
    checkCopy_ = false;
    CheckCopyAfterPause();
  }
  if (NowMs() - startMs_ >= options_.seconds * 1000LL) {
    FinalCheck();
    return;
  }
  // A window with no document waits for New or Open, as its memo says.
  const Action& action = window_->pages()->isHidden() ? *Named(Pick(2) ? "new" : "open")
                                                      : actions_[choose_(random_)];
  lastAction_ = QString::fromLatin1(action.name);
  ++done_[action.name];
  ++actionsDone_;
  if (options_.verbose) Print(QStringLiteral("%1 %2").arg(actionsDone_).arg(lastAction_));
  const int pause = (this->*action.run)();
  QTimer::singleShot(pause, this, &Soak::NextAction);
}


// ---------------------------------------------------------------- checks

void Soak::CheckSaved(const QString& line) {
  static const QString saved = QStringLiteral("Saved file: ");
  if (!line.startsWith(saved)) return;
  ++filesSaved_;
  const QString path = line.mid(saved.size());
  if (ReadBytes(path) != EncodeDocument(window_->document().Snapshot()))
    Breach(QStringLiteral("%1 does not hold the bytes the editor held").arg(path));
}

// After a pause longer than the copy's delay the copy is the text as Save
// would write it; with nothing unsaved there is none.
void Soak::CheckCopyAfterPause() {
  RecoveryFile& recovery = window_->document().Recovery();
  recovery.Wait();
  const QStringList copies = QDir(RecoveryFolder()).entryList({QStringLiteral("*.rec")}, QDir::Files);
  if (!window_->Modified()) {
    if (!copies.isEmpty()) Breach(QStringLiteral("a recovery copy is left with nothing unsaved"));
    return;
  }
  if (copies.size() != 1) {
    Breach(QStringLiteral("%1 recovery copies for one unsaved document").arg(copies.size()));
    return;
  }
  DocumentText text = window_->document().Snapshot();
  if (window_->LineNumbersShown()) {
    // The numbers the editor shows ("  12:") are no part of the text.
    QStringList lines = text.text.split(QLatin1Char('\n'));
    for (QString& line : lines) line.remove(0, 4);
    text.text = lines.join(QLatin1Char('\n'));
  }
  const std::optional<RecoveryCopy> copy = DecodeRecovery(ReadBytes(recovery.Path()));
  if (!copy || EncodeDocument(copy->text) != EncodeDocument(text) || copy->fileName != window_->FileName())
    Breach(QStringLiteral("the recovery copy is not the text after a pause"));
}

// The pages the window shows for a display text.
QByteArray Shown(const DisplayText& text) {
  EditorPage page(QStringLiteral("check"));
  page.SetDisplayText(text);
  return page.Utf8();
}

// The text proved directly first, on a thread of its own (a text that does
// not end within the budget cannot be compared), then by Prove in the window.
Soak::Compared Soak::CompareWithDirectProof(const QString& what, bool mayNotEnd) {
  const ProofRequest request = window_->RequestForText();
  JobControl control;
  std::optional<ProofResult> direct;
  std::atomic<bool> ended{false};
  std::thread prover([&] {
    direct = RunProofJob(request, control, {});
    ended = true;
  });
  const bool inTime = WaitFor([&] { return ended.load(); }, 20000);
  if (!inTime) control.Stop();
  prover.join();
  if (!inTime) {
    if (mayNotEnd) return Compared::DoesNotEnd;
    Breach(QStringLiteral("%1 did not prove within 20 s").arg(what));
    return Compared::Breached;
  }
  QSignalSpy shown(window_.get(), &MainWindow::ProofShown);
  window_->Prove1Click();
  if (!WaitFor([&] { return shown.count() > 0; }, 120000)) {
    Breach(QStringLiteral("Prove of %1 did not end").arg(what));
    return Compared::Breached;
  }
  // Comparing costs the window's thread too; that is not the window's.
  checking_ = true;
  bool same = window_->page(MainWindow::ProofPage)->Utf8() == Shown(direct->proof);
  if (direct->crossCheck && direct->crossCheck->status == CrossCheckOutcome::Status::Done)
    same = same && window_->page(MainWindow::SirilPage)->Utf8() == Shown(direct->siril) &&
           window_->page(MainWindow::TolvernPage)->Utf8() == Shown(direct->compatible);
  const QStringList memo = window_->MemoLines();
  for (const QString& line : direct->progress) same = same && memo.contains(line);
  checking_ = false;
  lastBeatMs_ = NowMs();
  if (!same) {
    Breach(QStringLiteral("the pages differ from a direct proof of %1").arg(what));
    return Compared::Breached;
  }
  Print(QStringLiteral("pages equal a direct proof of %1 (%2 changes; %3 proof lines; %4)")
            .arg(what)
            .arg(direct->run.changes)
            .arg(direct->proof.lines)
            .arg(direct->progress.isEmpty() ? QString() : direct->progress.first()));
  return Compared::Equal;
}

void Soak::FinalCheck() {
  dialogs_.closing = true;
  lastAction_ = QStringLiteral("final check");
  if (!WriteBytes(scratch_ + QStringLiteral("/prover/mode"), "good"))
    Breach(QStringLiteral("the stand-in prover's mode could not be written"));
  if (Item("ProveAsYouType1")->isChecked()) Item("ProveAsYouType1")->trigger();
  window_->StopClick();
  if (!WaitFor([&] { return !window_->ProofRunning(); }, 30000))
    return Breach(QStringLiteral("Stop did not end the proof"));
  if (window_->pages()->isHidden()) window_->New1Click();
  if (window_->LineNumbersShown()) window_->ToggleLineNumbers(Qt::RightButton, Qt::NoModifier, false);

  const Compared last = CompareWithDirectProof(QStringLiteral("the final text"), true);
  if (last == Compared::Breached) return;
  if (last == Compared::DoesNotEnd) Print(QStringLiteral("the final text does not end within 20 s: not compared"));
  // Then, with the cross-check off (the stand-in would prove an endless touch
  // for ever): an example with its tables, and an endless touch printing
  // every row until a page is full, the window's heaviest result.
  if (Item("SIRIL1")->isChecked()) Item("SIRIL1")->trigger();
  const std::pair<QString, QString> others[] = {
      {QStringLiteral("an example"), texts_.good[static_cast<size_t>(Pick(static_cast<int>(texts_.good.size())))]},
      {QStringLiteral("an endless touch printing every row"), texts_.endlessRows}};
  for (const auto& [what, text] : others) {
    window_->pages()->setCurrentIndex(MainWindow::InputPage);
    window_->input()->selectAll();
    Paste(text);
    if (CompareWithDirectProof(what, false) != Compared::Equal) return;
  }

  // Closed with the save question, answered No at the last.
  dialogs_.closing = false;
  for (int attempt = 0; !CloseWindow(); ++attempt) {
    if (breached_) return;
    if (attempt == 3) dialogs_.closing = true;
  }
  if (breached_) return;

  QStringList counts;
  for (const auto& [name, count] : done_) counts << QStringLiteral("%1 %2").arg(QString::fromStdString(name)).arg(count);
  Print(QStringLiteral("%1 actions in %2 s: %3")
            .arg(actionsDone_)
            .arg((NowMs() - startMs_) / 1000)
            .arg(counts.join(QStringLiteral(", "))));
  Print(QStringLiteral("%1 proofs shown; %2 files saved, each as the editor held it; %3 boxes answered")
            .arg(proofsShown_)
            .arg(filesSaved_)
            .arg(dialogs_.boxes));
  Print(QStringLiteral("slowest block of the window's thread: %1 ms, after \"%2\"").arg(slowestBlockMs_).arg(slowestAfter_));
  rusage usage{};
  ::getrusage(RUSAGE_SELF, &usage);
  Print(QStringLiteral("peak resident memory: %1 MB (%2 MB sampled while running)")
            .arg(usage.ru_maxrss / 1024)
            .arg(peakRssMb_));
  Print(QStringLiteral("recovery copy at most %1 ms behind the text").arg(longestCopyLagMs_));
  Print(QStringLiteral("no breach (seed %1)").arg(options_.seed));
  QApplication::exit(0);
}

// ---------------------------------------------------------------- actions

QString Soak::RandomComposition() {
  switch (Pick(10)) {
    case 0: return texts_.sixteen;
    case 1: return texts_.endless;
    case 2: return texts_.endlessRows;
    case 3: {
      // Broken: a piece cut out and something stray put in.
      QString text = texts_.good[static_cast<size_t>(Pick(static_cast<int>(texts_.good.size())))];
      const int at = Pick(static_cast<int>(text.size()) + 1);
      text.remove(at, Pick(40));
      text.insert(Pick(static_cast<int>(text.size()) + 1), texts_.snippets[static_cast<size_t>(Pick(static_cast<int>(texts_.snippets.size())))]);
      return text;
    }
    default: return texts_.good[static_cast<size_t>(Pick(static_cast<int>(texts_.good.size())))];
  }
}

void Soak::Paste(const QString& text) {
  QApplication::clipboard()->setText(text);
  window_->Paste1Click();
}

int Soak::TypeKeys() {
  EditorPage* input = window_->input();
  const int line = Pick(std::max(1, input->Lines()));
  input->setCursorPosition(line, Pick(std::max(1, static_cast<int>(input->text(line).size()))));
  const QString snippet = texts_.snippets[static_cast<size_t>(Pick(static_cast<int>(texts_.snippets.size())))];
  testing::TypeKeys(input, snippet);
  if (Pick(4) == 0) QTest::keyClick(input, Qt::Key_Return);
  return Pick(150);
}

// Pasted at the start of a line, as a user can (QScintilla's insertAt would
// write even while the line numbers make the page read-only).
int Soak::TypeLine() {
  EditorPage* input = window_->input();
  const QStringList lines = RandomComposition().split(QLatin1Char('\n'));
  input->setCursorPosition(Pick(std::max(1, input->Lines())), 0);
  window_->pages()->setCurrentIndex(MainWindow::InputPage);
  Paste(lines[Pick(static_cast<int>(lines.size()))] + QLatin1Char('\n'));
  return Pick(150);
}

int Soak::DeleteText() {
  EditorPage* input = window_->input();
  const int lines = std::max(1, input->Lines());
  const int from = Pick(lines);
  const int to = std::min(lines - 1, from + Pick(3));
  input->setSelection(from, 0, to, Pick(20));
  QTest::keyClick(input, Pick(2) ? Qt::Key_Backspace : Qt::Key_Delete);
  return Pick(150);
}

int Soak::ReplaceText() {
  window_->pages()->setCurrentIndex(MainWindow::InputPage);
  window_->input()->selectAll();
  Paste(RandomComposition());
  return Pick(300);
}

int Soak::PasteLarge() {
  // A library of definitions: some thousands of lines.
  QString text;
  const int lines = 1000 + Pick(4000);
  for (int i = 0; i < lines; ++i)
    text += QStringLiteral("D%1 = &x18x14x1258x36x14x58x16x78,+12 / definition %1\n").arg(i);
  window_->pages()->setCurrentIndex(MainWindow::InputPage);
  window_->input()->setCursorPosition(window_->input()->Lines(), 0);
  Paste(text);
  return Pick(300);
}

int Soak::Prove() {
  if (Pick(2)) window_->Prove1Click();
  else Item("SpeedButtonProve")->trigger();
  return Pick(400);
}

int Soak::Stop() {
  if (Pick(2)) window_->StopClick();
  else QTest::keyClick(window_.get(), Qt::Key_Escape);
  return Pick(200);
}

int Soak::ToggleOption() {
  static const char* const options[] = {"ProveAsYouType1", "SyntaxColours1", "Music1", "WorkDone1", "SIRIL1"};
  Item(options[Pick(5)])->trigger();
  return Pick(200);
}

int Soak::RightClick() {
  QTest::mouseClick(window_->input()->viewport(), Qt::RightButton, Qt::NoModifier, QPoint(5, 5));
  return Pick(300);
}

int Soak::SwitchPage() {
  window_->pages()->setCurrentIndex(Pick(4));
  return Pick(200);
}

int Soak::OpenRows() {
  window_->Rows1Click();
  return Pick(500);
}

int Soak::CloseRows() {
  if (auto* rows = window_->findChild<RowsWindow*>()) rows->close();
  return Pick(200);
}

int Soak::New() {
  window_->New1Click();
  return Pick(200);
}

int Soak::Open() {
  if (Pick(2)) window_->SpeedButtonOpenClick();
  else window_->OpenCompositionFile(1 + Pick(14));
  return Pick(200);
}

int Soak::Save() {
  if (Pick(2)) window_->Save1Click();
  else window_->SpeedButtonSaveClick();
  return Pick(200);
}

int Soak::SaveAs() {
  window_->SaveAs1Click();
  return Pick(200);
}

int Soak::ProverMode() {
  static const char* const modes[] = {"good", "slow", "fail", "endless"};
  if (!WriteBytes(scratch_ + QStringLiteral("/prover/mode"), modes[Pick(4)]))
    Breach(QStringLiteral("the stand-in prover's mode could not be written"));
  return Pick(100);
}

int Soak::Pause() {
  checkCopy_ = true;
  return RecoveryFile::DelayMs + 500 + Pick(1000);
}

int Soak::LetItRun() { return 500 + Pick(2500); }

int Soak::CloseAndStartAgain() {
  if (CloseWindow()) StartWindow();
  return Pick(500);
}

Options ParseOptions(const QStringList& arguments, bool& ok) {
  Options options;
  options.seed = std::random_device{}();
  ok = true;
  for (qsizetype i = 1; i < arguments.size(); ++i) {
    const QString& argument = arguments[i];
    const auto value = [&]() -> qlonglong {
      if (i + 1 >= arguments.size()) ok = false;
      return ok ? arguments[++i].toLongLong(&ok) : 0;
    };
    if (argument == QStringLiteral("--seed")) options.seed = static_cast<uint64_t>(value());
    else if (argument == QStringLiteral("--max-block-ms")) options.maxBlockMs = static_cast<int>(value());
    else if (argument == QStringLiteral("--max-rss-mb")) options.maxRssMb = static_cast<int>(value());
    else if (argument == QStringLiteral("--verbose")) options.verbose = true;
    else if (!argument.startsWith(QLatin1Char('-'))) options.seconds = argument.toInt(&ok);
    else ok = false;
  }
  return options;
}

}  // namespace
}  // namespace tolvern::app::soak

int main(int argc, char** argv) {
  using namespace tolvern::app::soak;
  if (qgetenv("QT_QPA_PLATFORM").isEmpty()) qputenv("QT_QPA_PLATFORM", "offscreen");
  // Everything the run writes stays in its scratch folder: the start folder
  // (TOLVERN.INI, the stand-in prover), the songs, and the recovery copies.
  QTemporaryDir scratch;
  if (!scratch.isValid()) return 3;
  qputenv("XDG_DATA_HOME", QFile::encodeName(scratch.path() + QStringLiteral("/data")));
  QApplication application(argc, argv);
  bool ok = false;
  const Options options = ParseOptions(QApplication::arguments(), ok);
  if (!ok) {
    std::fprintf(stderr, "usage: tolvern_soak [SECONDS] [--seed N] [--max-block-ms MS] [--max-rss-mb MB] [--verbose]\n");
    return 3;
  }
  std::snprintf(deathLine, sizeof deathLine, "soak: BREACH: a sanitizer report or a fatal signal (seed %llu; replay with --seed %llu)\n",
                static_cast<unsigned long long>(options.seed), static_cast<unsigned long long>(options.seed));
#ifdef TOLVERN_SOAK_SANITIZED
  __sanitizer_set_death_callback(SayDeath);
#endif
  for (int signal : {SIGSEGV, SIGABRT, SIGBUS, SIGFPE, SIGILL}) std::signal(signal, OnFatalSignal);
  QDir::setCurrent(scratch.path());
  Soak soak(options, scratch.path());
  if (!soak.SetUp()) return 3;
  return soak.Run();
}
