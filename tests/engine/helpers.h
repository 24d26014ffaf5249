// Builds a composition from lines, proves it, and returns the three pages.
#pragma once

#include <string>
#include <vector>

#include "engine.h"

namespace tolvern::testing {

struct Pages {
  std::vector<std::string> proof;
  std::vector<std::string> compatible;
  std::vector<std::string> progress;
  std::vector<std::string> warnings;  // texts shown in the warning box
  RunResult result;
};

Pages Prove(const std::vector<std::string>& lines, const RunOptions& options = {});
Pages ProveText(const std::string& text, const RunOptions& options = {});

// The lines from `first` on that equal `line`: a quick "contains".
bool Contains(const std::vector<std::string>& lines, const std::string& line);

}  // namespace tolvern::testing
