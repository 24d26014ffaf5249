// Runs proof jobs on worker threads and hands each result back on the
// window's thread. A warning from the engine crosses to the window's thread
// and blocks its worker until the box is closed.
#pragma once

#include <QObject>
#include <QString>
#include <condition_variable>
#include <functional>
#include <map>
#include <memory>
#include <mutex>

#include "proof_job.h"

class QThread;

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
    QThread* thread = nullptr;
    std::mutex mutex;
    std::condition_variable answered;
    bool warningOpen = false;
    bool abandoned = false;
  };

  void AskWarning(const std::shared_ptr<Job>& job, const std::string& text);
  void Deliver(quint64 id, std::shared_ptr<const ProofResult> result);

  WarningHandler handler_;
  std::map<quint64, std::shared_ptr<Job>> jobs_;
  quint64 nextId_ = 1;
};

}  // namespace tolvern::app
