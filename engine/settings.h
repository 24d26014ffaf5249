// What the front end sets before a run: the three output bindings, the option
// flags and the limits.
#pragma once

#include <cstdint>
#include <functional>
#include <string>

#include "output.h"

namespace tolvern {

// Shows a warning (header, carriage return, detail) and returns when the user
// has closed it. The command line supplies none.
using WarningBox = std::function<void(const std::string& text)>;

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
};

// The stage limit is kept within 12 to 16, as the settings file keeps it.
int ClampMaxNumberBells(long long value);

}  // namespace tolvern
