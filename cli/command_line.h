// The `tolvern` command line.
#pragma once

#include <iosfwd>
#include <optional>
#include <string>
#include <vector>

namespace tolvern {

// Exit statuses of the command line.
enum ExitStatus { ExitTrue = 0, ExitNotTrue = 1, ExitErrors = 2, ExitUsage = 3 };

int RunCommandLine(const std::vector<std::string>& arguments);

// Reads a composition file ("-" for standard input) as lines; false when it
// cannot be read.
bool ReadCompositionFile(const std::string& path, std::vector<std::string>& lines);

// The stage limit when --max-bells is not given: MaxNumberBells from
// TOLVERN.INI in the current folder, as the window reads it (12 when there is
// none). A value above 16 becomes 16 with a warning line on `err`.
int MaxBellsFromSettingsFile(std::ostream& err);

// A whole number in decimal, or in hexadecimal after "0x", as the settings
// file reads it; nullopt for anything else.
std::optional<long long> ParseNumber(const std::string& text);

}  // namespace tolvern
