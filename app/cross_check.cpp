#include "cross_check.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

#include <optional>

#include "engine.h"
#include "platform.h"

namespace tolvern::app {

namespace {

const QString kQuote = QStringLiteral("\"");

// Relative settings are taken against the start folder; the process's current
// folder is never changed, because the window's thread runs meanwhile.
QString OnDisk(const QString& startFolder, const QString& path) {
  if (QFileInfo(path).isAbsolute()) return path;
  return QDir(startFolder).filePath(path);
}

bool WriteWholeFile(const QString& path, const QByteArray& bytes) {
  QFile file(path);
  if (!file.open(QIODevice::WriteOnly | QIODevice::Truncate)) return false;
  const bool written = file.write(bytes) == bytes.size();
  file.close();
  return written && file.error() == QFileDevice::NoError;
}

}  // namespace

QString ProverCommandLine(const QString& proverExecutable) {
  return kQuote + QFileInfo(proverExecutable).fileName() + kQuote +
         QStringLiteral(" < PRV$In.txt  > PRV$Out.txt");
}

CrossCheckOutcome RunCrossCheck(const CrossCheckSetup& setup, const QByteArray& inputFileBytes,
                                const std::function<bool()>& stopRequested) {
  CrossCheckOutcome outcome;
  auto step = [&](const QString& line) {
    if (setup.debug) outcome.memoLines << line;
  };
  const QString inputPath = setup.proverFolder + QLatin1String(kProverInputName);
  const QString outputPath = setup.proverFolder + QLatin1String(kProverOutputName);
  const QString inputOnDisk = OnDisk(setup.startFolder, inputPath);
  const QString outputOnDisk = OnDisk(setup.startFolder, outputPath);
  const QString folderOnDisk = OnDisk(setup.startFolder, setup.proverFolder);

  // Without debug nothing is left behind, whichever way the run ends.
  auto finish = [&](CrossCheckOutcome::Status status, const QString& failedPath = QString()) {
    outcome.status = status;
    outcome.failedPath = failedPath;
    if (!setup.debug) {
      QFile::remove(outputOnDisk);
      QFile::remove(inputOnDisk);
    }
    return outcome;
  };

  step(QStringLiteral("============ START OF CODE TO SPAWN PROVE.COM ============"));
  step(QStringLiteral("Try to save input file to = ") + kQuote + inputPath + kQuote);
  if (!WriteWholeFile(inputOnDisk, inputFileBytes)) {
    return finish(CrossCheckOutcome::Status::CannotCreateInput, inputPath);
  }
  step(QStringLiteral(".. The file was created"));
  step(QStringLiteral("Try to change current working directory to ") + kQuote + setup.proverFolder + kQuote);
  step(QStringLiteral(".. current directory changed"));
  step(QStringLiteral("Clear the microSIRIL output window & setup status blocks to spawn process"));
  outcome.sirilPageCleared = true;
  step(QStringLiteral(".. complete & ready to spawn process"));

  // An output left by an earlier run must never be read as this run's.
  if (QFileInfo::exists(outputOnDisk) && !QFile::remove(outputOnDisk)) {
    return finish(CrossCheckOutcome::Status::CannotCreateOutput, outputPath);
  }

  step(QStringLiteral("Spawn the prove engine with command line=") + ProverCommandLine(setup.proverExecutable));
  // Always a path, never a bare name: nothing is looked up in PATH, and no
  // shell sees the "$" of the work file names.
  const std::optional<qint64> prover =
      StartInFolder(OnDisk(setup.startFolder, setup.proverExecutable), folderOnDisk, inputOnDisk, outputOnDisk);
  if (!prover) {
    return finish(CrossCheckOutcome::Status::CannotStart, setup.proverExecutable);
  }
  step(QStringLiteral(".. process spawned"));
  step(QStringLiteral("Get exit process code and wait until STILL_ACTIVE goes false"));
  if (!WaitOrKill(*prover, stopRequested)) {
    outcome.memoLines << QLatin1String(kProverStoppedLine);
    return finish(CrossCheckOutcome::Status::Stopped);
  }
  step(QStringLiteral(".. spawned process has finished"));
  step(QStringLiteral("Set the working directory back to ") + kQuote + setup.startFolder + kQuote);
  step(QStringLiteral(".. have reset working directory"));
  step(QStringLiteral("Load the output file data into the window, from file ") + kQuote + outputPath + kQuote);
  QFile output(outputOnDisk);
  if (!output.open(QIODevice::ReadOnly)) {
    return finish(CrossCheckOutcome::Status::CannotOpenOutput, outputPath);
  }
  outcome.output = output.readAll();
  output.close();
  step(QStringLiteral("ALL FINISHED"));
  step(QStringLiteral(".. would now usually delete the PRV$Out.txt & PRV$In.txt but DEBUG mode leaves them for inspection"));
  step(QStringLiteral("============ END OF CODE TO SPAWN PROVE.COM ============"));
  return finish(CrossCheckOutcome::Status::Done);
}

bool OutputsAgree(const std::vector<std::string>& sirilLines,
                  const std::vector<std::string>& compatibleLines) {
  return sirilLines == compatibleLines;
}

std::vector<std::string> OutputLines(const QByteArray& bytes) {
  return SplitLines(std::string_view(bytes.constData(), static_cast<size_t>(bytes.size())));
}

QString ErrorBoxText(const CrossCheckOutcome& outcome) {
  switch (outcome.status) {
    case CrossCheckOutcome::Status::CannotCreateInput:
    case CrossCheckOutcome::Status::CannotCreateOutput:
      return QStringLiteral("Cannot create file ") + outcome.failedPath + QStringLiteral(".");
    case CrossCheckOutcome::Status::CannotOpenOutput:
      return QStringLiteral("Cannot open file ") + outcome.failedPath + QStringLiteral(".");
    case CrossCheckOutcome::Status::CannotStart:
      return QStringLiteral("Cannot start program ") + outcome.failedPath + QStringLiteral(".");
    case CrossCheckOutcome::Status::Done:
    case CrossCheckOutcome::Status::Stopped:
      break;
  }
  return QString();
}

}  // namespace tolvern::app
