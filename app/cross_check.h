// The cross-check against the outside prover microSIRIL: the composition is
// written to PRV$In.txt in the prover's folder, the prover is run there with
// that file as its standard input and PRV$Out.txt as its standard output, and
// the output is read back for the SIRIL page and compared with the engine's
// compatible page. No widgets here: the window runs this on a worker thread.
#pragma once

#include <QByteArray>
#include <QString>
#include <QStringList>

#include <functional>
#include <string>
#include <vector>

namespace tolvern::app {

struct CrossCheckSetup {
  QString proverExecutable;  // as configured; a relative path is taken against startFolder
  QString proverFolder;      // ends in '/', or is empty; may be relative to startFolder
  QString startFolder;
  bool debug = false;        // describe each step in the memo and keep the work files
};

struct CrossCheckOutcome {
  enum class Status {
    Done,
    CannotCreateInput,   // PRV$In.txt could not be written
    CannotStart,         // the prover could not be started
    CannotOpenOutput,    // PRV$Out.txt was not there after the run
    Stopped,             // the user stopped the prover; no verdict
    CannotCreateOutput,  // an old PRV$Out.txt could not be removed before the run
  };
  Status status = Status::Done;
  QString failedPath;     // the file or program named in the error box
  QStringList memoLines;  // progress lines, in order (the step lines only when debug)
  bool sirilPageCleared = false;  // the run got as far as clearing the SIRIL page
  QByteArray output;      // the bytes of PRV$Out.txt when Done
};

inline constexpr char kProverInputName[] = "PRV$In.txt";
inline constexpr char kProverOutputName[] = "PRV$Out.txt";
inline constexpr char kProverStoppedLine[] = "microSIRIL was stopped; no verdict";

// Runs the prover once on `inputFileBytes` (already encoded as Save writes the
// document). Blocks the calling thread until the prover ends; stopRequested is
// polled about a hundred times a second and, when it answers true, the prover
// and anything it started are killed.
CrossCheckOutcome RunCrossCheck(const CrossCheckSetup& setup, const QByteArray& inputFileBytes,
                                const std::function<bool()>& stopRequested);

// The command line the progress memo shows for the prover.
QString ProverCommandLine(const QString& proverExecutable);

// Same number of lines, each line byte for byte the same.
bool OutputsAgree(const std::vector<std::string>& sirilLines,
                  const std::vector<std::string>& compatibleLines);

// PRV$Out.txt as the SIRIL page shows it: lines split at CRLF, LF or CR; a
// line end at the very end starts no further line.
std::vector<std::string> OutputLines(const QByteArray& bytes);

// "Cannot create file X." and the like; empty for Done and Stopped.
QString ErrorBoxText(const CrossCheckOutcome& outcome);

}  // namespace tolvern::app
