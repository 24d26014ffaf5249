// Runs proof jobs on worker threads and hands each result back on the
// window's thread. A warning from the engine crosses to the window's thread
// and blocks its worker until the box is closed.
//
// Nothing crosses through Qt's event queue: a worker leaves its result or
// warning with its job, under the job's lock, and wakes the window's thread
// through a pipe that thread watches. Qt's own locks are invisible to
// ThreadSanitizer (Qt is not built with it), these are not.
#pragma once

#include <QObject>
#include <QString>
#include <condition_variable>
#include <functional>
#include <map>
#include <memory>
#include <mutex>
#include <optional>
#include <thread>

#include "proof_job.h"

class QSocketNotifier;

namespace tolvern::app {

class ProofRunner : public QObject {
  Q_OBJECT

 public:
  // Shows one warning, modal, on the window's thread.
  using WarningHandler = std::function<void(const QString& text)>;

  explicit ProofRunner(WarningHandler handler, QObject* parent = nullptr);
  ~ProofRunner() override;

  // Starts a job; warnings are shown only when `showWarnings`.
  quint64 Start(ProofRequest request, bool showWarnings);
  // Stops a job in order; its result still arrives.
  void Stop(quint64 job, const std::string& line = UserStopLine);
  int64_t ChangesRung(quint64 job) const;
  // Blocks until every job has ended (their results are not delivered).
  void StopAllAndWait();

 signals:
  void Finished(quint64 job, std::shared_ptr<const tolvern::app::ProofResult> result);

 private:
  struct Job {
    JobControl control;
    std::thread thread;
    // Shared with the job's thread.
    std::mutex mutex;
    std::condition_variable answered;
    std::shared_ptr<const ProofResult> result;  // once the job has ended
    std::optional<QString> warning;             // waiting to be shown
    bool warningOpen = false;
    bool abandoned = false;
  };

  void AskWarning(Job& job, const std::string& text);
  // From a job's thread.
  void Wake();
  // On the window's thread: shows the warnings and delivers the results left.
  void WokenUp();

  WarningHandler handler_;
  std::map<quint64, std::shared_ptr<Job>> jobs_;
  quint64 nextId_ = 1;
  int wakeRead_ = -1, wakeWrite_ = -1;
  QSocketNotifier* woken_ = nullptr;
};

}  // namespace tolvern::app
