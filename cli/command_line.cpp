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
#include "composition_file.h"
#include "file_sink.h"
#include "engine.h"
#include "methods_command.h"
#include "result_json.h"
#include "settings_file.h"
#include "text_encoding.h"

namespace tolvern {

namespace {

constexpr const char* Usage =
    "usage: tolvern prove [options] FILE      FILE is a composition file, or - for standard input\n"
    "  --proof PATH         write the proof page (default: standard output)\n"
    "  --compatible PATH    write the compatible page (default: not written)\n"
    "  --progress PATH      write the progress lines (default: standard error)\n"
    "  --json               write the result as one JSON object to standard output: the\n"
    "                       verdict, pages, diagnostics and tables (pages go elsewhere\n"
    "                       only where --proof, --compatible or --progress name a path)\n"
    "  --debug LIST         comma-separated subset of parse,symtab,proof\n"
    "  --no-music           leave out the music table\n"
    "  --no-work            leave out the lead and place-bell tables\n"
    "  --max-bells N        largest stage accepted, 12 to 16 (default: MaxNumberBells\n"
    "                       in TOLVERN.INI in the current folder, else 12)\n"
    "  --max-changes N      stop the touch in order after N changes (default: no limit)\n"
    "  --max-idle N         stop the touch in order after N steps of work with no change\n"
    "                       rung (default 2000000; 0: no limit)\n"
    "       tolvern check [--json] [--jobs N] [--max-bells N] [--max-changes N] FILE...\n"
    "                            prove many files on all cores; a FOLDER stands for its\n"
    "                            composition files. One line per file, in order:\n"
    "                            FILE: VERDICT, N changes[: FIRST ERROR]\n"
    "                            VERDICT: true, false, not round, errors or stopped\n"
    "                            (exit 0 when every file is true, 1 otherwise);\n"
    "                            --json: one JSON object a line instead\n"
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
  bool proofGiven = false;
  std::string compatiblePath;
  std::string progressPath;
  RunOptions run;
  bool maxBellsGiven = false;
  bool json = false;
};

// A page written both into the JSON object and to a path of its own.
class TeeSink : public LineSink {
 public:
  TeeSink(LineSink* first, LineSink* second) : first_(first), second_(second) {}
  void Append(std::string_view line) override {
    first_->Append(line);
    second_->Append(line);
  }

 private:
  LineSink* first_;
  LineSink* second_;
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
      options.proofGiven = true;
    } else if (arg == "--compatible") {
      if (!value(options.compatiblePath)) return "--compatible needs a PATH";
    } else if (arg == "--progress") {
      if (!value(options.progressPath)) return "--progress needs a PATH";
    } else if (arg == "--debug") {
      if (!value(v)) return "--debug needs a LIST";
      std::stringstream list(v);
      std::string item;
      while (std::getline(list, item, ',')) {
        if (item == "parse") options.run.DebugParse = true;
        else if (item == "symtab") options.run.DebugSymTab = true;
        else if (item == "proof") options.run.DebugProof = true;
        else return "unknown --debug item '" + item + "' (use parse, symtab, proof)";
      }
    } else if (arg == "--json") {
      options.json = true;
    } else if (arg == "--no-music") {
      options.run.ShowMusic = false;
    } else if (arg == "--no-work") {
      options.run.ShowWorkDone = false;
    } else if (arg == "--max-bells") {
      if (!value(v)) return "--max-bells needs a number";
      const auto n = ParseNumber(v);
      if (!n) return "--max-bells needs a number, not '" + v + "'";
      options.run.MaxNumberBells = ClampMaxNumberBells(*n);
      options.maxBellsGiven = true;
    } else if (arg == "--max-changes") {
      if (!value(v)) return "--max-changes needs a number";
      const auto n = ParseNumber(v);
      if (!n || *n < 0) return "--max-changes needs a number of changes, not '" + v + "'";
      options.run.MaxChanges = *n;
    } else if (arg == "--max-idle") {
      if (!value(v)) return "--max-idle needs a number";
      const auto n = ParseNumber(v);
      if (!n || *n < 0) return "--max-idle needs a number of steps, not '" + v + "'";
      options.run.MaxIdleWork = *n;
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
  if (!options.maxBellsGiven) options.run.MaxNumberBells = MaxBellsFromSettingsFile(std::cerr);

  std::vector<std::string> lines;
  if (!ReadCompositionFile(options.file, lines)) {
    std::cerr << "tolvern: cannot read file " << options.file << "\n";
    return ExitUsage;
  }

  if (options.json) {
    // The proof page goes to standard output only when no JSON does.
    if (!options.proofGiven) options.proofPath.clear();
    for (const std::string* path : {&options.proofPath, &options.compatiblePath, &options.progressPath})
      if (*path == "-") return UsageError("with --json standard output holds the JSON: name a file for the page");
  }

  FileSink proof, compatible, progress;
  const auto cannotWrite = [](const std::string& path) {
    std::cerr << "tolvern: cannot write file " << path << "\n";
    return ExitUsage;
  };
  if (!options.proofPath.empty() && !proof.Open(options.proofPath)) return cannotWrite(options.proofPath);
  if (!options.compatiblePath.empty() && !compatible.Open(options.compatiblePath))
    return cannotWrite(options.compatiblePath);
  if (!options.progressPath.empty()) {
    if (!progress.Open(options.progressPath)) return cannotWrite(options.progressPath);
  } else if (!options.json) {
    progress.OpenStandardError();
  }

  RunOutputs outputs;
  const auto bound = [](const std::string& path, FileSink& sink) { return path.empty() ? nullptr : &sink; };
  outputs.ProofOutput = bound(options.proofPath, proof);
  outputs.CompatibleOutput = bound(options.compatiblePath, compatible);
  outputs.ProgressOutput = options.progressPath.empty() && options.json ? nullptr : &progress;
  RunResult result;
  if (options.json) {
    // The object goes to standard output; a page named a path goes there too.
    ResultJson json(std::cout, EncodingOfLines(lines));
    RunOutputs both = outputs;
    json.Bind(both);
    TeeSink proofTee(both.ProofOutput, outputs.ProofOutput), compatibleTee(both.CompatibleOutput, outputs.CompatibleOutput),
        progressTee(both.ProgressOutput, outputs.ProgressOutput);
    if (outputs.ProofOutput) both.ProofOutput = &proofTee;
    if (outputs.CompatibleOutput) both.CompatibleOutput = &compatibleTee;
    if (outputs.ProgressOutput) both.ProgressOutput = &progressTee;
    result = Engine(options.run, both).RunProof(lines);
    json.Finish(result);
    std::cout << '\n';
    if (!std::cout.flush()) {
      std::cerr << "tolvern: cannot write standard output\n";
      return ExitUsage;
    }
  } else {
    result = Engine(options.run, outputs).RunProof(lines);
  }

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
  if (command == "methods") {
    // The libraries of TOLVERN.INI, so that the window and the command line find the same methods.
    const methods::MethodSources fromSettings{MethodLibrariesFromSettingsFile(std::cerr), true};
    return RunMethods(std::vector<std::string>(arguments.begin() + 1, arguments.end()), std::cout, std::cerr,
                      fromSettings);
  }
  if (command == "check")
    return RunCheck(std::vector<std::string>(arguments.begin() + 1, arguments.end()), std::cout, std::cerr);
  return UsageError("unknown command '" + command + "'");
}

}  // namespace tolvern
