// Sets up the headless environment before Qt reads it.
#include "tests/support/HeadlessApp.h"

#include <QDir>
#include <QFile>

HeadlessApp::HeadlessApp(int& argc, char** argv) {
  if (!m_scratch.isValid()) return;
  qputenv("QT_QPA_PLATFORM", "offscreen");
  const QString config = m_scratch.filePath(QStringLiteral("config"));
  const QString runtime = m_scratch.filePath(QStringLiteral("runtime"));
  QDir().mkpath(config);
  QDir().mkpath(runtime);
  QFile::setPermissions(runtime, QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
  qputenv("XDG_CONFIG_HOME", config.toUtf8());
  qputenv("XDG_RUNTIME_DIR", runtime.toUtf8());
  m_application = AfxCreateApplication(argc, argv);
  m_winApp = std::make_unique<CWinApp>();
}
