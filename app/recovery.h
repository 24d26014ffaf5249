// A copy of the unsaved text in the user's data folder, so that a crash or a
// power cut costs at most the last two seconds of typing. Each document keeps
// its own copy (`recovery/<pid>-<n>.rec`) beside a lock file that it holds
// while it lives; the kernel lets go of the lock when the process dies, however
// it dies, so a copy whose lock anyone can take was left by a run that did not
// end in order, and the next window offers it back.
//
// Copies are written on a thread of their own (a write ends with fsync, which
// a busy disk can make slow), through a temporary file renamed over the copy,
// never next to the user's file.
#pragma once

#include <QByteArray>
#include <QDateTime>
#include <QObject>
#include <QString>

#include <condition_variable>
#include <cstdint>
#include <functional>
#include <mutex>
#include <optional>
#include <thread>
#include <vector>

#include "document_text.h"

class QTimer;

namespace tolvern::app {

// What a copy holds: the composition's file name (empty for a new document),
// when the copy was made, and the text with how Save writes it.
struct RecoveryCopy {
  QString fileName;
  QDateTime changed;
  DocumentText text;
};

// A copy's bytes: a few header lines, an empty line, then the bytes Save
// would write, so the text comes back exactly as it would have been saved.
QByteArray EncodeRecovery(const RecoveryCopy& copy);
// Nothing for bytes that are not a whole copy.
std::optional<RecoveryCopy> DecodeRecovery(const QByteArray& bytes);

// A copy's time as the window shows it, in local time.
QString RecoveryTime(const QDateTime& changed);

// The folder of the copies: "recovery" in QStandardPaths::AppDataLocation.
QString RecoveryFolder();

class RecoveryFile : public QObject {
  Q_OBJECT

 public:
  // The copy is written this long after a change, and never later than this
  // after the oldest change it does not hold yet, however fast typing goes on.
  static constexpr int DelayMs = 2000;

  // `current` gives the file name and the text as Save would write it.
  explicit RecoveryFile(std::function<RecoveryCopy()> current, QObject* parent = nullptr);
  // A document that ends in order leaves no copy.
  ~RecoveryFile() override;

  // The text changed.
  void Changed();
  // A change still waiting is written at once.
  void WriteNow();
  // The text was saved, replaced or closed: the copy goes.
  void Discard();
  // Blocks until everything handed to the writer so far is done.
  void Wait();

  // The copy's path once one has been written; empty before.
  QString Path() const { return dataPath_; }
  // The longest a change has waited before a copy holding it was on disk, in
  // milliseconds: what a crash at the worst moment would have lost.
  int64_t LongestLagMs() const;

 private:
  enum class Op { None, Write, Remove };
  void HandOver(Op op, QByteArray bytes, int64_t oldestChangeMs);
  void Work();
  void WriteCopy(const QByteArray& bytes);
  void RemoveCopy();

  std::function<RecoveryCopy()> current_;
  QTimer* timer_;
  int64_t oldestUnwrittenMs_ = -1;  // the first change not yet handed to the writer

  // Chosen on the window's thread before the writer starts; read-only after.
  QString dataPath_, tempPath_, lockPath_;

  // Shared with the writer: only the newest wish counts.
  mutable std::mutex mutex_;
  std::condition_variable wake_, idle_;
  Op op_ = Op::None;
  QByteArray bytes_;
  int64_t opChangeMs_ = -1;
  bool busy_ = false;
  bool quit_ = false;
  int64_t longestLagMs_ = 0;
  std::thread writer_;

  int lockFd_ = -1;  // the writer's alone
};

// A copy left by a run that did not end in order. Its lock is held until
// this is destroyed, so no other window offers it meanwhile.
class LeftRecovery {
 public:
  LeftRecovery(QString dataPath, RecoveryCopy copy, int lockFd);
  LeftRecovery(LeftRecovery&& other) noexcept;
  LeftRecovery& operator=(LeftRecovery&& other) noexcept;
  LeftRecovery(const LeftRecovery&) = delete;
  ~LeftRecovery();

  const RecoveryCopy& copy() const { return copy_; }
  const QString& path() const { return dataPath_; }
  // The copy and its lock file go.
  void Remove();

 private:
  QString dataPath_;
  RecoveryCopy copy_;
  int lockFd_;
};

// Every copy left in the folder that no live document holds, newest first.
std::vector<LeftRecovery> FindLeftRecoveries();

}  // namespace tolvern::app
