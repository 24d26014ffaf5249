#include "command_line.h"

#include <cerrno>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <iostream>
#include <iterator>
#include <optional>
#include <sstream>

#include <unistd.h>

#include "check.h"
#include "file_sink.h"
#include "methods_command.h"
#include "run.h"
#include "app_settings.h"

namespace tolvern {

namespace {

constexpr const char* Usage =
    "usage: tolvern prove [options] FILE      FILE is a composition file, or - for standard input\n"
    "  --proof PATH         write the proof page (default: standard output)\n"
    "  --compatible PATH    write the compatible page (default: not written)\n"
    "  --progress PATH      write the progress lines (default: standard error)\n"
    "  --debug LIST         comma-separated subset of parse,symtab,proof\n"
    "  --no-music           leave out the music table\n"
    "  --no-work            leave out the lead and place-bell tables\n"
    "  --max-bells N        largest stage accepted, 12 to 16 (default: MaxNumberBells\n"
    "                       in TOLVERN.INI in the current folder, else 12)\n"
    "  --max-changes N      stop the touch in order after N changes (default: no limit)\n"
    "  --max-idle N         stop the touch in order after N steps of work with no change\n"
    "                       rung (default 2000000; 0: no limit)\n"
    "       tolvern check [--jobs N] [--max-bells N] [--max-changes N] FILE...\n"
    "                            prove many files on all cores; a FOLDER stands for its\n"
    "                            composition files. One line per file, in order:\n"
    "                            FILE: VERDICT, N changes[: FIRST ERROR]\n"
    "                            VERDICT: true, false, not round, errors or stopped\n"
    "                            (exit 0 when every file is true, 1 otherwise)\n"
    "       tolvern draw FILE -o OUT.svg|OUT.png|OUT.pdf [--bells LIST] [--columns N] [--max-bells N]\n"
    "       tolvern draw FILE --view [--max-bells N]\n"
    "                            draw the rows, leads side by side, with lines through\n"
    "                            the bells in LIST (default 1,2; \"\" for none), N leads\n"
    "                            across (default 8; a PDF takes as many as fit a sheet);\n"
    "                            or show them in a window. Runs tolvern-draw from the\n"
    "                            folder of tolvern. Exit 0 drawn, 2 errors in the\n"
    "                            composition, 3 usage or file problems\n"
    "       tolvern methods [--library PATH]... [--stage N] [--siril | --json] QUERY\n"
    "                            look methods up by name in the built-in set and the\n"
    "                            libraries given (CCCBR_methods.xml, SIRIL libraries):\n"
    "                            a line each, or the best as one SIRIL definition line.\n"
    "                            Exit 0 found, 1 none, 3 usage or library problems\n"
    "                            (tolvern methods --help for more)\n"
    "       tolvern --help | --version\n";

constexpr const char* Version = "tolvern 0.1.0";

int UsageError(const std::string& message) {
  std::cerr << "tolvern: " << message << "\n" << "Try 'tolvern --help'.\n";
  return ExitUsage;
}

struct ProveOptions {
  std::string file;
  std::string proofPath = "-";
  std::string compatiblePath;
  std::string progressPath;
  bool debugParse = false, debugSymTab = false, debugProof = false;
  bool showMusic = true, showWork = true;
  int maxBells = 12;
  bool maxBellsGiven = false;
  long long maxChanges = 0;
  long long maxIdle = RunSettings{}.MaxIdleWork;
};

// Fills `options`; returns an error message, empty when the arguments are good.
std::string ParseProveArguments(const std::vector<std::string>& args, ProveOptions& options) {
  bool haveFile = false;
  for (size_t i = 1; i < args.size(); ++i) {
    const std::string& arg = args[i];
    const auto value = [&](std::string& out) -> bool {
      if (i + 1 >= args.size()) return false;
      out = args[++i];
      return true;
    };
    std::string v;
    if (arg == "--proof") {
      if (!value(options.proofPath)) return "--proof needs a PATH";
    } else if (arg == "--compatible") {
      if (!value(options.compatiblePath)) return "--compatible needs a PATH";
    } else if (arg == "--progress") {
      if (!value(options.progressPath)) return "--progress needs a PATH";
    } else if (arg == "--debug") {
      if (!value(v)) return "--debug needs a LIST";
      std::stringstream list(v);
      std::string item;
      while (std::getline(list, item, ',')) {
        if (item == "parse") options.debugParse = true;
        else if (item == "symtab") options.debugSymTab = true;
        else if (item == "proof") options.debugProof = true;
        else return "unknown --debug item '" + item + "' (use parse, symtab, proof)";
      }
    } else if (arg == "--no-music") {
      options.showMusic = false;
    } else if (arg == "--no-work") {
      options.showWork = false;
    } else if (arg == "--max-bells") {
      if (!value(v)) return "--max-bells needs a number";
      const auto n = ParseNumber(v);
      if (!n) return "--max-bells needs a number, not '" + v + "'";
      options.maxBells = ClampMaxNumberBells(*n);
      options.maxBellsGiven = true;
    } else if (arg == "--max-changes") {
      if (!value(v)) return "--max-changes needs a number";
      const auto n = ParseNumber(v);
      if (!n || *n < 0) return "--max-changes needs a number of changes, not '" + v + "'";
      options.maxChanges = *n;
    } else if (arg == "--max-idle") {
      if (!value(v)) return "--max-idle needs a number";
      const auto n = ParseNumber(v);
      if (!n || *n < 0) return "--max-idle needs a number of steps, not '" + v + "'";
      options.maxIdle = *n;
    } else if (arg.size() > 1 && arg[0] == '-' && arg != "-") {
      return "unknown option '" + arg + "'";
    } else {
      if (haveFile) return "only one FILE may be proved at a time (use 'tolvern check' for several)";
      options.file = arg;
      haveFile = true;
    }
  }
  if (!haveFile) return "no composition FILE given";
  return {};
}

int ExitStatusOf(ProofOutcome outcome) {
  switch (outcome) {
    case ProofOutcome::RoundsFound: return ExitTrue;
    case ProofOutcome::Refused: return ExitErrors;
    default: return ExitNotTrue;
  }
}

int Prove(const std::vector<std::string>& args) {
  ProveOptions options;
  const std::string problem = ParseProveArguments(args, options);
  if (!problem.empty()) return UsageError(problem);
  if (!options.maxBellsGiven) options.maxBells = MaxBellsFromSettingsFile(std::cerr);

  std::vector<std::string> lines;
  if (!ReadCompositionFile(options.file, lines)) {
    std::cerr << "tolvern: cannot read file " << options.file << "\n";
    return ExitUsage;
  }

  FileSink proof, compatible, progress;
  const auto cannotWrite = [](const std::string& path) {
    std::cerr << "tolvern: cannot write file " << path << "\n";
    return ExitUsage;
  };
  if (!proof.Open(options.proofPath)) return cannotWrite(options.proofPath);
  if (!options.compatiblePath.empty() && !compatible.Open(options.compatiblePath))
    return cannotWrite(options.compatiblePath);
  if (options.progressPath.empty()) progress.OpenStandardError();
  else if (!progress.Open(options.progressPath)) return cannotWrite(options.progressPath);

  Engine engine;
  engine.ProofOutput = &proof;
  engine.CompatibleOutput = options.compatiblePath.empty() ? nullptr : &compatible;
  engine.ProgressOutput = &progress;
  engine.DebugParse = options.debugParse;
  engine.DebugSymTab = options.debugSymTab;
  engine.DebugProof = options.debugProof;
  engine.ShowMusic = options.showMusic;
  engine.ShowWorkDone = options.showWork;
  engine.MaxNumberBells = options.maxBells;
  engine.MaxChanges = options.maxChanges;
  engine.MaxIdleWork = options.maxIdle;
  const RunResult result = engine.RunProof(lines);

  bool written = true;
  for (FileSink* sink : {&proof, &compatible, &progress})
    if (!sink->Close()) {
      written = false;
      std::cerr << "tolvern: cannot write file " << sink->path() << "\n";
    }
  if (!written) return ExitUsage;
  return ExitStatusOf(result.outcome);
}

// The drawing needs Qt, which this program does without: a program of its
// own beside this one does it.
int Draw(const std::vector<std::string>& args) {
  std::error_code error;
  const std::filesystem::path self = std::filesystem::read_symlink("/proc/self/exe", error);
  const std::filesystem::path drawer = (error ? std::filesystem::path(".") : self.parent_path()) / "tolvern-draw";
  std::vector<std::string> drawArgs(args.begin() + 1, args.end());
  std::vector<char*> argv;
  std::string program = drawer.string();
  argv.push_back(program.data());
  for (std::string& arg : drawArgs) argv.push_back(arg.data());
  argv.push_back(nullptr);
  std::cout.flush();
  ::execv(program.c_str(), argv.data());
  std::cerr << "tolvern: cannot run " << program << " (" << std::strerror(errno)
            << "): tolvern draw needs tolvern-draw, built with the window, in the folder of tolvern\n";
  return ExitUsage;
}

}  // namespace

namespace {

// All of a stream's bytes, read in large pieces.
bool ReadAll(std::FILE* file, std::string& bytes) {
  char buffer[1 << 16];
  size_t got;
  while ((got = std::fread(buffer, 1, sizeof buffer, file)) > 0) bytes.append(buffer, got);
  return !std::ferror(file);
}

}  // namespace

bool ReadCompositionFile(const std::string& path, std::vector<std::string>& lines) {
  std::string bytes;
  if (path == "-") {
    if (!ReadAll(stdin, bytes)) return false;
  } else {
    std::error_code error;
    if (std::filesystem::is_directory(path, error)) return false;
    std::FILE* file = std::fopen(path.c_str(), "rb");
    if (!file) return false;
    const auto size = std::filesystem::file_size(path, error);
    if (!error) bytes.reserve(static_cast<size_t>(size));
    const bool read = ReadAll(file, bytes);
    std::fclose(file);
    if (!read) return false;
  }
  lines = SplitLines(bytes);
  return true;
}

int MaxBellsFromSettingsFile(std::ostream& err) {
  std::string warning;
  const int maxBells = MaxNumberBellsSetting(".", &warning);
  if (!warning.empty()) {
    // The message box's two lines, joined for one line of standard error.
    const size_t gap = warning.find("\n\n");
    if (gap != std::string::npos) warning.replace(gap, 2, "; ");
    err << "tolvern: " << warning << "\n";
  }
  return maxBells;
}

int RunCommandLine(const std::vector<std::string>& arguments) {
  if (arguments.empty()) return UsageError("no command given");
  const std::string& command = arguments[0];
  if (command == "--help" || command == "-h") {
    std::cout << Usage;
    return 0;
  }
  if (command == "--version") {
    std::cout << Version << "\n";
    return 0;
  }
  if (command == "prove") return Prove(arguments);
  if (command == "draw") return Draw(arguments);
  if (command == "methods")
    return RunMethods(std::vector<std::string>(arguments.begin() + 1, arguments.end()), std::cout, std::cerr, {});
  if (command == "check")
    return RunCheck(std::vector<std::string>(arguments.begin() + 1, arguments.end()), std::cout, std::cerr);
  return UsageError("unknown command '" + command + "'");
}

// A whole number in decimal, or in hexadecimal after "0x", as the settings
// file reads it.
std::optional<long long> ParseNumber(const std::string& text) {
  if (text.empty()) return std::nullopt;
  int base = 10;
  std::string digits = text;
  if (text.size() > 2 && text[0] == '0' && (text[1] == 'x' || text[1] == 'X')) {
    base = 16;
    digits = text.substr(2);
  }
  errno = 0;
  char* end = nullptr;
  const long long value = std::strtoll(digits.c_str(), &end, base);
  if (errno != 0 || end == digits.c_str() || *end != '\0') return std::nullopt;
  return value;
}

}  // namespace tolvern
