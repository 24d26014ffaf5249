// `tolvern check`: proves many composition files at once, one engine per
// worker thread, and prints one line per file in the order given.
#pragma once

#include <cstdint>
#include <iosfwd>
#include <string>
#include <vector>

#include "run_options.h"

namespace tolvern {

struct CheckOptions {
  unsigned jobs = 0;  // worker threads; 0 means one per core
  RunOptions run;
};

struct CheckedFile {
  std::string path;
  std::string verdict;  // true, false, not round, errors or stopped
  int64_t changes = 0;
  std::string firstError;  // empty when there is none
};

// The composition files of a folder (by their stage extensions, in any
// letter case), sorted by name.
std::vector<std::string> CompositionFilesIn(const std::string& folder);

// Proves one file with the given engine settings; nothing is written.
CheckedFile CheckFile(const std::string& path, const CheckOptions& options);

// "FILE: VERDICT, N changes" and, when there is one, ": FIRST ERROR".
std::string CheckLine(const CheckedFile& file);

// Runs the command on its arguments (those after "check"); returns the exit
// status: 0 when every file is true, 1 otherwise, 3 for a usage error.
int RunCheck(const std::vector<std::string>& arguments, std::ostream& out, std::ostream& err);

}  // namespace tolvern
