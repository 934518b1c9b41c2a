// Entry point of every test binary: headless Qt, and settings and runtime files in a private temporary directory.
#include "framework/CWinApp.h"

#include <QDir>
#include <QTemporaryDir>
#include <gtest/gtest.h>

int main(int argc, char** argv) {
  qputenv("QT_QPA_PLATFORM", "offscreen");
  const QTemporaryDir scratch;
  if (!scratch.isValid()) return 1;
  const QString config = scratch.filePath(QStringLiteral("config"));
  const QString runtime = scratch.filePath(QStringLiteral("runtime"));
  QDir().mkpath(config);
  QDir().mkpath(runtime);
  QFile::setPermissions(runtime, QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
  qputenv("XDG_CONFIG_HOME", config.toUtf8());
  qputenv("XDG_RUNTIME_DIR", runtime.toUtf8());

  ::testing::InitGoogleTest(&argc, argv);
  const auto application = AfxCreateApplication(argc, argv);
  CWinApp winApp;
  return RUN_ALL_TESTS();
}
