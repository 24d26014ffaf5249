#include "check.h"

#include <algorithm>
#include <atomic>
#include <condition_variable>
#include <filesystem>
#include <mutex>
#include <optional>
#include <ostream>
#include <thread>

#include "composition_file.h"
#include "settings_file.h"
#include "engine.h"
#include "stages.h"

namespace tolvern {

namespace {

constexpr const char* CheckUsage =
    "usage: tolvern check [options] FILE...   proves every FILE, one engine per core\n"
    "  --jobs N, -j N       prove N files at a time (default: one per core)\n"
    "  --max-bells N        largest stage accepted, 12 to 16 (default: MaxNumberBells\n"
    "                       in TOLVERN.INI in the current folder, else 12)\n"
    "  --max-changes N      stop each touch in order after N changes (default: no limit)\n"
    "A FOLDER given as FILE stands for its composition files (.dou .min .tri .maj .cat\n"
    ".roy .cin .max .sex .fou .sep .six .sir), sorted by name. One line is printed per\n"
    "file, in the order given:\n"
    "  FILE: VERDICT, N changes\n"
    "  FILE: VERDICT, N changes: FIRST ERROR\n"
    "VERDICT is true, false, not round, errors or stopped. The first error (or the\n"
    "reason a touch stopped, or \"cannot read file\") ends the line when there is one.\n"
    "Exit status: 0 when every file is true, 1 otherwise, 3 for a usage error.\n";

bool IsCompositionFile(const std::filesystem::path& path) {
  const std::string extension = path.extension().string();
  return !extension.empty() && IsCompositionExtension(std::string_view(extension).substr(1));
}

// One worker's engine, kept from file to file. No pages are shown, so none
// is bound and the tables are not written out.
class FileChecker {
 public:
  explicit FileChecker(const CheckOptions& options) : engine_(options.run) {
    engine_.Options.ShowMusic = false;
    engine_.Options.ShowWorkDone = false;
  }

  CheckedFile Check(const std::string& path) {
    CheckedFile file;
    file.path = path;
    std::vector<std::string> lines;
    if (!ReadCompositionFile(path, lines)) {
      file.verdict = "errors";
      file.firstError = "cannot read file";
      return file;
    }
    const RunResult result = engine_.RunProof(lines);
    file.changes = result.changes;
    file.verdict = VerdictWord(result);
    if (result.outcome == ProofOutcome::Stopped) file.firstError = result.stopLine;
    else if (result.outcome == ProofOutcome::Refused && result.firstError) file.firstError = FirstErrorText(*result.firstError);
    return file;
  }

 private:
  Engine engine_;
};

int UsageError(std::ostream& err, const std::string& message) {
  err << "tolvern: " << message << "\n" << "Try 'tolvern check --help'.\n";
  return ExitUsage;
}

}  // namespace

std::vector<std::string> CompositionFilesIn(const std::string& folder) {
  std::vector<std::pair<std::string, std::string>> found;  // name, path
  std::error_code error;
  for (const auto& entry : std::filesystem::directory_iterator(folder, error)) {
    std::error_code kindError;
    if (!entry.is_regular_file(kindError) || !IsCompositionFile(entry.path())) continue;
    found.emplace_back(entry.path().filename().string(), entry.path().string());
  }
  std::sort(found.begin(), found.end());
  std::vector<std::string> paths;
  for (auto& [name, path] : found) paths.push_back(std::move(path));
  return paths;
}

CheckedFile CheckFile(const std::string& path, const CheckOptions& options) {
  FileChecker checker(options);
  return checker.Check(path);
}

std::string CheckLine(const CheckedFile& file) {
  std::string line = file.path + ": " + file.verdict + ", " + std::to_string(file.changes) + " changes";
  if (!file.firstError.empty()) line += ": " + file.firstError;
  return line;
}

int RunCheck(const std::vector<std::string>& arguments, std::ostream& out, std::ostream& err) {
  CheckOptions options;
  std::vector<std::string> paths;
  bool optionsEnded = false;
  bool anyFile = false;
  bool maxBellsGiven = false;
  for (size_t i = 0; i < arguments.size(); ++i) {
    const std::string& arg = arguments[i];
    const auto value = [&]() -> std::optional<long long> {
      if (i + 1 >= arguments.size()) return std::nullopt;
      return ParseNumber(arguments[++i]);
    };
    if (!optionsEnded && (arg == "--help" || arg == "-h")) {
      out << CheckUsage;
      return 0;
    } else if (!optionsEnded && (arg == "--jobs" || arg == "-j")) {
      const auto n = value();
      if (!n || *n < 1 || *n > 1024) return UsageError(err, "--jobs needs a number of threads from 1 to 1024");
      options.jobs = static_cast<unsigned>(*n);
    } else if (!optionsEnded && arg == "--max-bells") {
      const auto n = value();
      if (!n) return UsageError(err, "--max-bells needs a number");
      options.run.MaxNumberBells = ClampMaxNumberBells(*n);
      maxBellsGiven = true;
    } else if (!optionsEnded && arg == "--max-changes") {
      const auto n = value();
      if (!n || *n < 0) return UsageError(err, "--max-changes needs a number of changes");
      options.run.MaxChanges = *n;
    } else if (!optionsEnded && arg == "--") {
      optionsEnded = true;
    } else if (!optionsEnded && arg.size() > 1 && arg[0] == '-') {
      return UsageError(err, "unknown option '" + arg + "'");
    } else {
      anyFile = true;
      std::error_code error;
      if (std::filesystem::is_directory(arg, error)) {
        const std::vector<std::string> inFolder = CompositionFilesIn(arg);
        if (inFolder.empty()) err << "tolvern: no composition files in " << arg << "\n";
        paths.insert(paths.end(), inFolder.begin(), inFolder.end());
      } else {
        paths.push_back(arg);
      }
    }
  }
  if (!anyFile) return UsageError(err, "no composition FILE given");
  if (paths.empty()) return UsageError(err, "no composition files to check");
  if (!maxBellsGiven) options.run.MaxNumberBells = MaxBellsFromSettingsFile(err);

  unsigned jobs = options.jobs;
  if (jobs == 0) jobs = std::max(1u, std::thread::hardware_concurrency());
  jobs = static_cast<unsigned>(std::min<size_t>(jobs, paths.size()));

  // Workers take files in order; the lines are printed in the order given,
  // each as soon as it and every file before it are done.
  std::vector<CheckedFile> results(paths.size());
  std::vector<bool> done(paths.size(), false);
  std::mutex mutex;
  std::condition_variable finished;
  std::atomic<size_t> next{0};
  const auto work = [&]() {
    FileChecker checker(options);
    for (size_t i = next++; i < paths.size(); i = next++) {
      CheckedFile file;
      try {
        file = checker.Check(paths[i]);
      } catch (const std::exception& failure) {
        file.path = paths[i];
        file.verdict = "errors";
        file.firstError = std::string("cannot check file: ") + failure.what();
      }
      {
        std::lock_guard<std::mutex> lock(mutex);
        results[i] = std::move(file);
        done[i] = true;
      }
      finished.notify_one();
    }
  };
  std::vector<std::thread> workers;
  for (unsigned j = 0; j < jobs; ++j) workers.emplace_back(work);

  bool allTrue = true;
  for (size_t i = 0; i < paths.size(); ++i) {
    CheckedFile file;
    {
      std::unique_lock<std::mutex> lock(mutex);
      finished.wait(lock, [&] { return done[i]; });
      file = std::move(results[i]);
    }
    if (file.verdict != "true") allTrue = false;
    out << CheckLine(file) << '\n';
  }
  for (std::thread& worker : workers) worker.join();
  out.flush();
  return allTrue ? ExitTrue : ExitNotTrue;
}

}  // namespace tolvern
