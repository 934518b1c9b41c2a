// Application start-up and the INI profile in the user's configuration directory.
#include "framework/CWinApp.h"

#include "framework/Resources.h"

#include <QDir>
#include <QFileInfo>
#include <QSettings>
#include <QStandardPaths>
#include <clocale>

namespace {
CWinApp* theApplication = nullptr;

QString profilePath() {
  return QStandardPaths::writableLocation(QStandardPaths::GenericConfigLocation) + QLatin1Char('/') +
         QCoreApplication::applicationName() + QStringLiteral(".ini");
}

QString profileKey(const char* section, const char* entry) {
  return QString::fromUtf8(section) + QLatin1Char('/') + QString::fromUtf8(entry);
}
}  // namespace

CWinApp::CWinApp(const char* appName) {
  theApplication = this;
  if (appName) QCoreApplication::setApplicationName(QString::fromUtf8(appName));
}

CWinApp::~CWinApp() {
  if (theApplication == this) theApplication = nullptr;
}

CWinApp* AfxGetApp() { return theApplication; }

int CWinApp::GetProfileInt(const char* section, const char* entry, int nDefault) {
  const QSettings profile(profilePath(), QSettings::IniFormat);
  const QVariant stored = profile.value(profileKey(section, entry));
  // What this run wrote stays cached as the integer it was; a file read gives text. A value with a comma
  // reads back as a list, which has no single text and so gives the default.
  if (stored.typeId() == QMetaType::Int) return stored.toInt();
  if (stored.typeId() != QMetaType::QString) return nDefault;
  bool ok = false;
  const int value = stored.toString().trimmed().toInt(&ok, 10);
  return ok ? value : nDefault;
}

bool CWinApp::WriteProfileInt(const char* section, const char* entry, int nValue) {
  const QString path = profilePath();
  // QSettings keeps a change that it failed to write and writes it at the next access to the same file,
  // and reads see it meanwhile. So a change is made only where it can be written: the directory must
  // exist or be made, and be writable; an existing store must be a readable file. QSettings then
  // replaces the file by a new one renamed over it, so a crash never leaves a store cut short.
  const QFileInfo file(path);
  if (!QDir().mkpath(file.absolutePath()) || !QFileInfo(file.absolutePath()).isWritable() ||
      (file.exists() && (!file.isFile() || !file.isReadable())))
    return false;
  QSettings profile(path, QSettings::IniFormat);
  profile.setValue(profileKey(section, entry), nValue);
  profile.sync();
  return profile.status() == QSettings::NoError;
}

HICON CWinApp::LoadIcon(UINT id) const { return loadIconResource(id); }

std::unique_ptr<QApplication> AfxCreateApplication(int& argc, char** argv) {
  auto application = std::make_unique<QApplication>(argc, argv);
  // Names the desktop entry, through which Wayland compositors and task bars match windows to it and its icon.
  QGuiApplication::setDesktopFileName(QStringLiteral(QUENCHMARK_APP_ID));
  std::setlocale(LC_NUMERIC, "C");
  return application;
}

int AfxWinMain(int& argc, char** argv) {
  const auto application = AfxCreateApplication(argc, argv);
  if (CWinApp* app = AfxGetApp()) app->InitInstance();
  return 0;
}
