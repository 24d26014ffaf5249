#include "proof_runner.h"

#include <QSocketNotifier>

#include <cerrno>

#include <fcntl.h>
#include <unistd.h>

#include <vector>

namespace tolvern::app {

ProofRunner::ProofRunner(WarningHandler handler, QObject* parent) : QObject(parent), handler_(std::move(handler)) {
  int fds[2];
  if (::pipe2(fds, O_CLOEXEC | O_NONBLOCK) != 0) qFatal("ProofRunner: no pipe");
  wakeRead_ = fds[0];
  wakeWrite_ = fds[1];
  woken_ = new QSocketNotifier(wakeRead_, QSocketNotifier::Read, this);
  connect(woken_, &QSocketNotifier::activated, this, &ProofRunner::WokenUp);
}

ProofRunner::~ProofRunner() {
  StopAllAndWait();
  delete woken_;
  ::close(wakeRead_);
  ::close(wakeWrite_);
}

quint64 ProofRunner::Start(ProofRequest request, bool showWarnings) {
  const quint64 id = nextId_++;
  auto job = std::make_shared<Job>();
  jobs_[id] = job;
  WarningBox warn;
  if (showWarnings) warn = [this, raw = job.get()](const std::string& text) { AskWarning(*raw, text); };
  job->thread = std::thread([this, raw = job.get(), request = std::move(request), warn] {
    auto result = std::make_shared<const ProofResult>(RunProofJob(request, raw->control, warn));
    {
      std::lock_guard<std::mutex> lock(raw->mutex);
      raw->result = std::move(result);
    }
    Wake();
  });
  return id;
}

void ProofRunner::Wake() {
  const char byte = 1;
  // A full pipe already holds a wake-up that has not been read.
  while (::write(wakeWrite_, &byte, 1) < 0 && errno == EINTR) {
  }
}

void ProofRunner::AskWarning(Job& job, const std::string& text) {
  QString shown = QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
  shown.replace(QLatin1Char('\r'), QLatin1Char('\n'));
  std::unique_lock<std::mutex> lock(job.mutex);
  if (job.abandoned) return;
  job.warning = std::move(shown);
  job.warningOpen = true;
  lock.unlock();
  Wake();
  lock.lock();
  job.answered.wait(lock, [&] { return !job.warningOpen || job.abandoned; });
}

void ProofRunner::WokenUp() {
  char bytes[64];
  while (::read(wakeRead_, bytes, sizeof bytes) > 0) {
  }
  // A warning box runs its own event loop, in which jobs may start and end:
  // each job is looked for afresh.
  std::vector<quint64> ids;
  for (const auto& [id, job] : jobs_) ids.push_back(id);
  for (const quint64 id : ids) {
    const auto found = jobs_.find(id);
    if (found == jobs_.end()) continue;
    const std::shared_ptr<Job> job = found->second;
    std::unique_lock<std::mutex> lock(job->mutex);
    if (std::optional<QString> warning = std::exchange(job->warning, std::nullopt)) {
      lock.unlock();
      if (handler_) handler_(*warning);
      lock.lock();
      job->warningOpen = false;
      job->answered.notify_all();
      continue;
    }
    std::shared_ptr<const ProofResult> result = std::move(job->result);
    lock.unlock();
    if (!result) continue;
    job->thread.join();
    jobs_.erase(id);
    emit Finished(id, std::move(result));
  }
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
  for (auto& [id, job] : jobs_) job->thread.join();
  jobs_.clear();
}

}  // namespace tolvern::app
