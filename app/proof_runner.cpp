#include "proof_runner.h"

#include <QThread>

namespace tolvern::app {

ProofRunner::ProofRunner(WarningHandler handler, QObject* parent) : QObject(parent), handler_(std::move(handler)) {}

ProofRunner::~ProofRunner() { StopAllAndWait(); }

quint64 ProofRunner::Start(ProofRequest request, bool showWarnings) {
  const quint64 id = nextId_++;
  auto job = std::make_shared<Job>();
  jobs_[id] = job;
  WarningBox warn;
  if (showWarnings) warn = [this, job](const std::string& text) { AskWarning(job, text); };
  job->thread = QThread::create([this, id, job, request = std::move(request), warn] {
    auto result = std::make_shared<const ProofResult>(RunProofJob(request, job->control, warn));
    QMetaObject::invokeMethod(this, [this, id, result] { Deliver(id, result); }, Qt::QueuedConnection);
  });
  job->thread->start();
  return id;
}

void ProofRunner::AskWarning(const std::shared_ptr<Job>& job, const std::string& text) {
  {
    std::lock_guard<std::mutex> lock(job->mutex);
    if (job->abandoned) return;
    job->warningOpen = true;
  }
  QString shown = QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
  shown.replace(QLatin1Char('\r'), QLatin1Char('\n'));
  QMetaObject::invokeMethod(
      this,
      [this, job, shown] {
        if (handler_) handler_(shown);
        std::lock_guard<std::mutex> lock(job->mutex);
        job->warningOpen = false;
        job->answered.notify_all();
      },
      Qt::QueuedConnection);
  std::unique_lock<std::mutex> lock(job->mutex);
  job->answered.wait(lock, [&] { return !job->warningOpen || job->abandoned; });
}

void ProofRunner::Deliver(quint64 id, std::shared_ptr<const ProofResult> result) {
  const auto found = jobs_.find(id);
  if (found == jobs_.end()) return;
  found->second->thread->wait();
  delete found->second->thread;
  jobs_.erase(found);
  emit Finished(id, std::move(result));
}

void ProofRunner::Stop(quint64 job, const std::string& line) {
  const auto found = jobs_.find(job);
  if (found != jobs_.end()) found->second->control.Stop(line);
}


int64_t ProofRunner::ChangesRung(quint64 job) const {
  const auto found = jobs_.find(job);
  return found == jobs_.end() ? 0 : found->second->control.run.ChangesRung();
}

void ProofRunner::StopAllAndWait() {
  for (auto& [id, job] : jobs_) {
    job->control.Stop();
    std::lock_guard<std::mutex> lock(job->mutex);
    job->abandoned = true;
    job->answered.notify_all();
  }
  for (auto& [id, job] : jobs_) {
    job->thread->wait();
    delete job->thread;
  }
  jobs_.clear();
}

}  // namespace tolvern::app
