// Where a run's output goes. The engine only appends to what is bound here;
// anything left unbound is simply not written.
#pragma once

#include <atomic>
#include <cstdint>
#include <functional>
#include <mutex>
#include <span>
#include <string>
#include <string_view>
#include <vector>

namespace tolvern {

// A page: the engine only ever appends whole lines.
class LineSink {
 public:
  virtual ~LineSink() = default;
  virtual void Append(std::string_view line) = 0;
};

// A list of lines kept in memory, as the tests use.
class LineList : public LineSink {
 public:
  void Append(std::string_view line) override { lines.emplace_back(line); }
  std::vector<std::string> lines;
};

inline void AppendLine(LineSink* sink, std::string_view line) {
  if (sink) sink->Append(line);
}

// An error or warning as data, for a front end that marks the lines they
// belong to. Every error counted is given, not only those the page shows.
struct Diagnostic {
  enum class Kind : uint8_t { Error, Warning };
  Kind kind;
  int64_t line;  // 1-based line of the text; 0 when it belongs to no line
  std::string header;
  std::string detail;
};

class DiagnosticSink {
 public:
  virtual ~DiagnosticSink() = default;
  virtual void Report(const Diagnostic& diagnostic) = 0;
};

// Every diagnostic of a run, in order.
class DiagnosticList : public DiagnosticSink {
 public:
  void Report(const Diagnostic& diagnostic) override { list.push_back(diagnostic); }
  std::vector<Diagnostic> list;
};

// One row as it is rung.
struct RowEvent {
  const uint8_t* bells;  // the row, `stage` bell indices (0 is the treble)
  int stage;
  int64_t change;        // its change number, from 1
  uint64_t timesBefore;  // how often it was rung before
  int64_t firstChange;   // the change at which it was first rung (== change when new)
  std::span<const std::string_view> music;  // the MUSIC patterns it matches
};

// Watches a touch row by row; bound only by a front end that draws it.
class RowObserver {
 public:
  virtual ~RowObserver() = default;
  virtual void OnTouchStart(int stage) = 0;
  virtual void OnRow(const RowEvent& row) = 0;
  // A lead-head marker: the lead of `marker` starts at the row of `change`
  // (0 for rounds before the first change).
  virtual void OnLeadHead(std::string_view marker, int64_t change) = 0;
};

// Lets another thread stop a run in order and watch how far it has got. The
// prover tests the request with every change and every step of work with no
// change rung, as often as its other stop limits.
class RunControl {
 public:
  // The first request wins; `line` is what the stopped proof writes.
  void RequestStop(const std::string& line) {
    {
      std::lock_guard<std::mutex> lock(mutex_);
      if (stop_.load(std::memory_order_relaxed)) return;
      line_ = line;
    }
    stop_.store(true, std::memory_order_release);
  }
  bool StopRequested() const { return stop_.load(std::memory_order_acquire); }
  std::string StopLine() const {
    std::lock_guard<std::mutex> lock(mutex_);
    return line_;
  }

  void PublishChanges(int64_t changes) { changes_.store(changes, std::memory_order_relaxed); }
  int64_t ChangesRung() const { return changes_.load(std::memory_order_relaxed); }

 private:
  std::atomic<bool> stop_{false};
  std::atomic<int64_t> changes_{0};
  mutable std::mutex mutex_;
  std::string line_;
};

// Shows a warning (header, carriage return, detail) and returns when the user
// has closed it. The command line supplies none.
using WarningBox = std::function<void(const std::string& text)>;

struct RunOutputs {
  LineSink* ProgressOutput = nullptr;
  LineSink* ProofOutput = nullptr;
  LineSink* CompatibleOutput = nullptr;
  DiagnosticSink* DiagnosticOutput = nullptr;
  RowObserver* Observer = nullptr;
  RunControl* Control = nullptr;
  WarningBox ShowWarning;
};

// The two characters that mark underlined stretches in proof output.
inline constexpr std::string_view UnderlineMarker = "\"_";

}  // namespace tolvern
