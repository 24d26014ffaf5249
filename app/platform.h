// Starting other programs on this platform: the desktop's opener shows a
// folder, a configured viewer shows a library file. Both are started
// detached, so the window never waits for a viewer that may stay open for
// hours.
#pragma once

#include <QString>
#include <QStringList>

namespace tolvern::app {

// The program that shows a folder.
QString FolderViewer();

// Shows `folder` in the desktop's file manager; false when it cannot start.
bool ShowFolder(const QString& folder);

// Starts `program` with `arguments` as its argument vector, never through a
// shell; false when it cannot be started.
bool StartDetached(const QString& program, const QStringList& arguments);

}  // namespace tolvern::app
