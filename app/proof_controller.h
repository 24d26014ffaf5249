// The state of proving: the proof running now and the text it was started
// from, proving as you type (the pause after the last key and the time
// limit), the changes rung for the memo, and the rows of a rows view opened
// after a proof. The window builds requests and shows results; this decides when a
// proof runs and whether its result is still current. No widgets.
#pragma once

#include <QObject>
#include <functional>
#include <memory>
#include <vector>

#include "proof_runner.h"

class QTimer;

namespace tolvern::app {

class ProofController : public QObject {
  Q_OBJECT

 public:
  enum class Kind { Command, AsYouType };

  // The pause after the last change before proving as you type, and the
  // time a proof as you type may take before it is left to Prove.
  static constexpr int AsYouTypePauseMs = 300;
  static constexpr int AsYouTypeTimeLimitMs = 1000;

  // `makeRequest` snapshots the text and options for a proof as you type;
  // `asYouTypeOn` is the check mark of Prove As You Type, and
  // `asYouTypeAllowed` says whether the window can take such a proof now.
  ProofController(ProofRunner::WarningHandler warn, std::function<ProofRequest()> makeRequest,
                  std::function<bool()> asYouTypeOn, std::function<bool()> asYouTypeAllowed,
                  QObject* parent = nullptr);
  ~ProofController() override;

  // Starts a proof; one already running is stopped and its result dropped.
  void Start(Kind kind, ProofRequest request);
  // Stops the running Prove command in order (Stop, Esc).
  void Stop();
  // Ends every proof and waits for it (their results are dropped).
  void StopAll();

  // The text changed: the output shown is no longer for it, and a proof as
  // you type of the older text is dropped.
  void TextChanged();
  // Prove As You Type turned on or off by the user.
  void AsYouTypeToggled(bool on);
  // The rows of the last proof's text, for a rows view opened after it:
  // proved once more, for its rows only.
  void ProveRowsOfLastText(int maxNumberBells);

  bool CommandRunning() const { return job_ != 0 && kind_ == Kind::Command; }
  bool Running() const { return job_ != 0; }
  // The result being shown belongs to the text as it is now.
  bool OutputCurrent() const { return edits_ == shownEdits_; }
  TextEncoding RunningEncoding() const { return encoding_; }

 signals:
  // Every 250 ms while a Prove command runs.
  void Progress(qint64 changesRung);
  // A proof's result, the newest only; `current` when the text has not
  // changed since the proof began.
  void Finished(tolvern::app::ProofController::Kind kind, std::shared_ptr<const tolvern::app::ProofResult> result,
                bool current);
  // The rows asked for by ProveRowsOfLastText.
  void RowsReady(std::shared_ptr<const tolvern::app::RowsModel> rows);

 private:
  void ProveAsYouTypeNow();
  void JobFinished(quint64 job, std::shared_ptr<const ProofResult> result);

  ProofRunner* runner_;
  std::function<ProofRequest()> makeRequest_;
  std::function<bool()> asYouTypeOn_;
  std::function<bool()> asYouTypeAllowed_;
  QTimer* pause_;
  QTimer* progress_;

  quint64 job_ = 0;  // the proof whose result will be shown; 0: none
  Kind kind_ = Kind::Command;
  quint64 jobEdits_ = 0;  // the edit count of the text it proves
  TextEncoding encoding_ = TextEncoding::Utf8;
  quint64 edits_ = 0;
  quint64 shownEdits_ = 0;
  quint64 rowsJob_ = 0;
  std::vector<std::string> lastLines_;  // the text of the last proof started
};

}  // namespace tolvern::app
