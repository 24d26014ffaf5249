#include "platform.h"

#include <QProcess>

namespace tolvern::app {

QString FolderViewer() { return QStringLiteral("xdg-open"); }

bool ShowFolder(const QString& folder) { return StartDetached(FolderViewer(), {folder}); }

bool StartDetached(const QString& program, const QStringList& arguments) {
  return !program.isEmpty() && QProcess::startDetached(program, arguments);
}

}  // namespace tolvern::app
