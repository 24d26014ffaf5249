#include <QApplication>
#include <QCommandLineParser>
#include <QScreen>

#include "dialogs.h"
#include "main_window.h"
#include "version.h"

int main(int argc, char** argv) {
  QApplication application(argc, argv);
  QApplication::setApplicationName(QStringLiteral("TOLVERN"));
  QApplication::setApplicationVersion(QStringLiteral(TOLVERN_VERSION));
  // --help and --version as every program has them; Qt's own options
  // (-platform, -style, ...) are taken by QApplication before this.
  QCommandLineParser parser;
  parser.setApplicationDescription(QStringLiteral("Prove change-ringing compositions written in SIRIL."));
  parser.addHelpOption();
  parser.addVersionOption();
  parser.addPositionalArgument(QStringLiteral("FILE"), QStringLiteral("a composition to open"), QStringLiteral("[FILE]"));
  parser.process(application);

  tolvern::app::QtDialogs dialogs;
  tolvern::app::MainWindow window(dialogs);
  // A composition named on the command line (or by the desktop) opens at once.
  const QStringList files = parser.positionalArguments();
  if (!files.isEmpty()) window.OpenAtStart(files.first());
  // Without a window manager (Xvfb) maximising is a hint nobody takes.
  if (QScreen* screen = QGuiApplication::primaryScreen()) window.setGeometry(screen->availableGeometry());
  window.showMaximized();
  return application.exec();
}
