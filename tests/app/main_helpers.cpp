// The window's tests share one application object, as the program does.
#include <gtest/gtest.h>

#include <QApplication>
#include <QTemporaryDir>

#include <cstring>
#include <optional>

namespace tolvern::app::testing {
int RunRecoveryChild(const QString& file, const QString& text);
}

int main(int argc, char** argv) {
  qputenv("QT_QPA_PLATFORM", qgetenv("QT_QPA_PLATFORM").isEmpty() ? "offscreen" : qgetenv("QT_QPA_PLATFORM"));
  // A child window that a test types into and kills: it keeps its parent's data folder.
  const bool child = argc == 4 && std::strcmp(argv[1], "--recovery-child") == 0;
  // Recovery copies go to a data folder of this run's own, never the user's.
  std::optional<QTemporaryDir> data;
  if (!child) qputenv("XDG_DATA_HOME", data.emplace().path().toUtf8());
  QApplication application(argc, argv);
  if (child) return tolvern::app::testing::RunRecoveryChild(QString::fromLocal8Bit(argv[2]), QString::fromUtf8(argv[3]));
  ::testing::InitGoogleTest(&argc, argv);
  return RUN_ALL_TESTS();
}
