// What the front end sets before a run: the three output bindings, the option
// flags and the limits.
#pragma once

#include <atomic>
#include <cstdint>
#include <functional>
#include <mutex>
#include <span>
#include <string>
#include <string_view>

#include "output.h"

namespace tolvern {

// Shows a warning (header, carriage return, detail) and returns when the user
// has closed it. The command line supplies none.
using WarningBox = std::function<void(const std::string& text)>;

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

struct RunSettings {
  LineSink* ProgressOutput = nullptr;
  LineSink* ProofOutput = nullptr;
  LineSink* CompatibleOutput = nullptr;

  bool DebugParse = false;
  bool DebugSymTab = false;
  bool DebugProof = false;
  bool ShowMusic = true;
  bool ShowWorkDone = true;

  int MaxNumberBells = 12;
  // A touch stops in order after this many changes; 0 means no limit.
  int64_t MaxChanges = 0;
  // A touch also stops in order when this many steps of work pass with no
  // change rung: one for each element taken, and one more for every 16
  // characters of a string or marker printed (or of an element traced).
  // Without it, huge repeats of strings, markers or empty definitions print
  // or spin for hours. No real touch comes near it; 0 means no limit.
  int64_t MaxIdleWork = 2'000'000;

  WarningBox ShowWarning;
  RunControl* Control = nullptr;
  DiagnosticSink* DiagnosticOutput = nullptr;
  RowObserver* Observer = nullptr;
};

// The stage limit is kept within 12 to 16, as the settings file keeps it.
int ClampMaxNumberBells(long long value);

}  // namespace tolvern
