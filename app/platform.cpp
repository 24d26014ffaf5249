#include "platform.h"

#include <QFile>
#include <QFileInfo>
#include <QProcess>

#include <cerrno>
#include <chrono>
#include <thread>

#include <fcntl.h>
#include <signal.h>
#include <spawn.h>
#include <sys/wait.h>
#include <unistd.h>

extern char** environ;

namespace tolvern::app {

QString FolderViewer() { return QStringLiteral("xdg-open"); }

bool ShowFolder(const QString& folder) { return StartDetached(FolderViewer(), {folder}); }

bool StartDetached(const QString& program, const QStringList& arguments) {
  return !program.isEmpty() && QProcess::startDetached(program, arguments);
}

// Started with posix_spawn, not QProcess: this runs on a worker thread, and
// QProcess (Qt 6.4) starts a child with clone() sharing the parent's memory,
// which ThreadSanitizer takes for a fork and which spoils what it knows of the
// starting thread, so that every later hand-over from it reads as a race.
std::optional<qint64> StartInFolder(const QString& program, const QString& folder, const QString& input,
                                    const QString& output) {
  const QByteArray path = QFile::encodeName(QFileInfo(program).absoluteFilePath());
  const QByteArray folderPath = QFile::encodeName(folder);
  const QByteArray inputPath = QFile::encodeName(input);
  const QByteArray outputPath = QFile::encodeName(output);
  posix_spawn_file_actions_t actions;
  posix_spawn_file_actions_init(&actions);
  // Opened before the change of folder, as paths of the start folder.
  posix_spawn_file_actions_addopen(&actions, 0, inputPath.constData(), O_RDONLY, 0);
  posix_spawn_file_actions_addopen(&actions, 1, outputPath.constData(), O_WRONLY | O_CREAT | O_TRUNC, 0666);
  posix_spawn_file_actions_addopen(&actions, 2, "/dev/null", O_WRONLY, 0);
  posix_spawn_file_actions_addchdir_np(&actions, folderPath.constData());
  posix_spawnattr_t attributes;
  posix_spawnattr_init(&attributes);
  sigset_t none;
  sigemptyset(&none);
  posix_spawnattr_setsigmask(&attributes, &none);
  posix_spawnattr_setpgroup(&attributes, 0);
  posix_spawnattr_setflags(&attributes, POSIX_SPAWN_SETPGROUP | POSIX_SPAWN_SETSIGMASK);
  char* const arguments[] = {const_cast<char*>(path.constData()), nullptr};
  pid_t pid = -1;
  const int failed = ::posix_spawn(&pid, path.constData(), &actions, &attributes, arguments, environ);
  posix_spawnattr_destroy(&attributes);
  posix_spawn_file_actions_destroy(&actions);
  if (failed != 0) return std::nullopt;
  return pid;
}

bool WaitOrKill(qint64 process, const std::function<bool()>& stopRequested) {
  const auto pid = static_cast<pid_t>(process);
  for (;;) {
    int status = 0;
    const pid_t ended = ::waitpid(pid, &status, WNOHANG);
    if (ended == pid || (ended < 0 && errno != EINTR)) return true;
    if (stopRequested && stopRequested()) {
      ::kill(-pid, SIGKILL);
      ::kill(pid, SIGKILL);
      while (::waitpid(pid, &status, 0) < 0 && errno == EINTR) {
      }
      return false;
    }
    std::this_thread::sleep_for(std::chrono::milliseconds(10));
  }
}

}  // namespace tolvern::app
