#include "proof_controller.h"

#include <QTimer>

namespace tolvern::app {

namespace {

constexpr const char* AsYouTypeStopLine =
    "Proof stopped after a second while proving as you type: press Prove to prove it in full";

}  // namespace

ProofController::ProofController(ProofRunner::WarningHandler warn, std::function<ProofRequest()> makeRequest,
                                 std::function<bool()> asYouTypeOn, std::function<bool()> asYouTypeAllowed,
                                 QObject* parent)
    : QObject(parent),
      runner_(new ProofRunner(std::move(warn), this)),
      makeRequest_(std::move(makeRequest)),
      asYouTypeOn_(std::move(asYouTypeOn)),
      asYouTypeAllowed_(std::move(asYouTypeAllowed)),
      pause_(new QTimer(this)),
      progress_(new QTimer(this)) {
  connect(runner_, &ProofRunner::Finished, this, &ProofController::JobFinished);
  pause_->setObjectName(QStringLiteral("ProveAsYouTypePause"));
  pause_->setTimerType(Qt::PreciseTimer);
  pause_->setSingleShot(true);
  pause_->setInterval(AsYouTypePauseMs);
  connect(pause_, &QTimer::timeout, this, &ProofController::ProveAsYouTypeNow);
  progress_->setInterval(250);
  connect(progress_, &QTimer::timeout, this, [this] {
    if (CommandRunning()) emit Progress(runner_->ChangesRung(job_));
  });
}

ProofController::~ProofController() { StopAll(); }

void ProofController::Start(Kind kind, ProofRequest request) {
  if (kind == Kind::Command) pause_->stop();
  if (job_ != 0) runner_->Stop(job_);  // superseded: its result is not shown
  if (rowsJob_ != 0) runner_->Stop(rowsJob_);
  rowsJob_ = 0;
  lastLines_ = request.lines;
  kind_ = kind;
  jobEdits_ = edits_;
  encoding_ = request.encoding;
  job_ = runner_->Start(std::move(request), kind == Kind::Command);
  if (kind == Kind::Command) {
    progress_->start();
  } else {
    // A touch that runs long is left to the Prove command.
    const quint64 job = job_;
    QTimer::singleShot(AsYouTypeTimeLimitMs, this, [this, job] {
      if (job_ == job) runner_->Stop(job, AsYouTypeStopLine);
    });
  }
}

void ProofController::Stop() {
  if (CommandRunning()) runner_->Stop(job_);
}

void ProofController::StopAll() {
  pause_->stop();
  progress_->stop();
  runner_->StopAllAndWait();
  job_ = rowsJob_ = 0;
}

void ProofController::TextChanged() {
  ++edits_;
  if (!asYouTypeOn_()) return;
  // A newer text: the proof of the older one is of no use any more.
  if (job_ != 0 && kind_ == Kind::AsYouType) {
    runner_->Stop(job_);
    job_ = 0;
  }
  pause_->start();
}

void ProofController::AsYouTypeToggled(bool on) {
  if (on) pause_->start();
  else pause_->stop();
}

void ProofController::ProveAsYouTypeNow() {
  if (!asYouTypeOn_() || CommandRunning() || !asYouTypeAllowed_()) return;
  Start(Kind::AsYouType, makeRequest_());
}

void ProofController::ProveRowsOfLastText(int maxNumberBells) {
  if (lastLines_.empty() || job_ != 0) return;  // a running proof brings rows of its own
  if (rowsJob_ != 0) runner_->Stop(rowsJob_);
  ProofRequest request;
  request.lines = lastLines_;
  request.options.MaxNumberBells = maxNumberBells;
  request.options.ShowMusic = false;
  request.options.ShowWorkDone = false;
  request.collectRows = true;
  rowsJob_ = runner_->Start(std::move(request), false);
}

void ProofController::JobFinished(quint64 job, std::shared_ptr<const ProofResult> result) {
  if (job == rowsJob_) {
    rowsJob_ = 0;
    if (result->rows) emit RowsReady(result->rows);
    return;
  }
  if (job != job_) return;
  job_ = 0;
  progress_->stop();
  const bool current = edits_ == jobEdits_;
  shownEdits_ = jobEdits_;
  emit Finished(kind_, std::move(result), current);
  // Typed while a proof ran: prove the newer text too.
  if (!current && asYouTypeOn_()) pause_->start();
}

}  // namespace tolvern::app
