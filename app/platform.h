// Starting other programs on this platform: the desktop's opener shows a
// folder, a configured viewer shows a library file (both started detached, so
// the window never waits for a viewer that may stay open for hours), and the
// outside prover of the cross-check is run and waited for.
#pragma once

#include <QString>
#include <QStringList>

#include <functional>
#include <optional>

namespace tolvern::app {

// The program that shows a folder.
QString FolderViewer();

// Shows `folder` in the desktop's file manager; false when it cannot start.
bool ShowFolder(const QString& folder);

// Starts `program` with `arguments` as its argument vector, never through a
// shell; false when it cannot be started.
bool StartDetached(const QString& program, const QStringList& arguments);

// Starts `program` in `folder` with its standard input read from `input`,
// its output written to `output` (paths of the current folder) and its errors
// dropped, in a process group of its own, so that stopping it also ends
// whatever it started (a wrapper script, an emulator). Its process id, or
// nothing when it cannot be started.
std::optional<qint64> StartInFolder(const QString& program, const QString& folder, const QString& input,
                                    const QString& output);

// Waits for a process StartInFolder started, asking `stopRequested` about a
// hundred times a second; when it answers true, the process and its group are
// killed. True when it ended by itself.
bool WaitOrKill(qint64 process, const std::function<bool()>& stopRequested);

}  // namespace tolvern::app
