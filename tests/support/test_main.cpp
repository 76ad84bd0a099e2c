// Test entry point: a QApplication on the offscreen platform, so widget and
// painting tests run without a display; KOPIRA_SOURCE_DIR names the source
// folder for tests that read files from it.
#include <QApplication>
#include <QFile>
#include <QTemporaryDir>
#include <gtest/gtest.h>

int main(int argc, char** argv) {
  qputenv("QT_QPA_PLATFORM", "offscreen");
  if (qEnvironmentVariableIsEmpty("KOPIRA_SOURCE_DIR")) qputenv("KOPIRA_SOURCE_DIR", KOPIRA_SOURCE_DIR);
  // What a failed save keeps for the user goes to a folder of this run, not
  // to the home folder of whoever runs the tests.
  QTemporaryDir state;
  qputenv("XDG_STATE_HOME", QFile::encodeName(state.path()));
  QApplication app(argc, argv);
  ::testing::InitGoogleTest(&argc, argv);
  return RUN_ALL_TESTS();
}
