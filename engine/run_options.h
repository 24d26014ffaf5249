// What a run is asked to do. Every front end fills this one value, so an
// option is added here and nowhere else.
#pragma once

#include <cstdint>

namespace tolvern {

struct RunOptions {
  // The Debug menu's traces, written to the proof page.
  bool DebugParse = false;
  bool DebugSymTab = false;
  bool DebugProof = false;
  // The report's music table and lead tables.
  bool ShowMusic = true;
  bool ShowWorkDone = true;

  // The largest stage a composition may ring (12 to 16).
  int MaxNumberBells = 12;
  // A touch stops in order after this many changes; 0 means no limit.
  int64_t MaxChanges = 0;
  // A touch also stops in order when this many steps of work pass with no
  // change rung: one for each element taken, and one more for every 16
  // characters of a string or marker printed (or of an element traced).
  // Without it, huge repeats of strings, markers or empty definitions print
  // or spin for hours. No real touch comes near it; 0 means no limit.
  int64_t MaxIdleWork = 2'000'000;
  // A bound row observer is given at most this many rows (rounds included);
  // the touch itself goes on. Past it the prover keeps nothing for the
  // observer, so a long touch costs it no memory. 0 means no limit.
  int64_t MaxObservedRows = 0;
};

// The stage limit is kept within 12 to 16, as the settings file keeps it.
int ClampMaxNumberBells(long long value);

}  // namespace tolvern
