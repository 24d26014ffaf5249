// The `tolvern` command line.
#pragma once

#include <string>
#include <vector>

namespace tolvern {

// Exit statuses of the command line.
enum ExitStatus { ExitTrue = 0, ExitNotTrue = 1, ExitErrors = 2, ExitUsage = 3 };

int RunCommandLine(const std::vector<std::string>& arguments);

// Reads a composition file ("-" for standard input) as lines; false when it
// cannot be read.
bool ReadCompositionFile(const std::string& path, std::vector<std::string>& lines);

}  // namespace tolvern
