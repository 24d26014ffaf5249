#include <QApplication>
#include <QScreen>

#include "dialogs.h"
#include "main_window.h"

int main(int argc, char** argv) {
  QApplication application(argc, argv);
  QApplication::setApplicationName(QStringLiteral("TOLVERN"));
  tolvern::app::QtDialogs dialogs;
  tolvern::app::MainWindow window(dialogs);
  // A composition named on the command line (or by the desktop) opens at once.
  const QStringList arguments = QApplication::arguments();
  if (arguments.size() > 1) window.OpenAtStart(arguments.at(1));
  // Without a window manager (Xvfb) maximising is a hint nobody takes.
  if (QScreen* screen = QGuiApplication::primaryScreen()) window.setGeometry(screen->availableGeometry());
  window.showMaximized();
  return application.exec();
}
