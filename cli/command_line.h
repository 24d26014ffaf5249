// The `tolvern` command line.
#pragma once

#include <string>
#include <vector>

namespace tolvern {

int RunCommandLine(const std::vector<std::string>& arguments);

}  // namespace tolvern
