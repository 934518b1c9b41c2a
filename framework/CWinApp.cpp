// Start-up of a program with windows, help through the desktop, icons, message boxes on screen and the INI profile.
#include "framework/CWinApp.h"

#include <QDesktopServices>
#include <QDir>
#include <QFileInfo>
#include <QImageReader>
#include <QMessageBox>
#include <QSettings>
#include <QStandardPaths>
#include <QUrl>

#include "framework/Locale.h"

namespace {
CWinApp* theApplication = nullptr;

QString profilePath() {
  return QStandardPaths::writableLocation(QStandardPaths::GenericConfigLocation) + QLatin1Char('/') +
         QCoreApplication::applicationName() + QStringLiteral(".ini");
}
QString profileKey(const char* section, const char* entry) {
  return QString::fromUtf8(section) + '/' + QString::fromUtf8(entry);
}

int showMessageBox(const CString& text) {
  QMessageBox box(QMessageBox::NoIcon, QApplication::applicationName(), text.toQString(), QMessageBox::Ok,
                  QApplication::activeWindow());
  box.setTextFormat(Qt::PlainText);
  box.exec();
  return IDOK;
}
}  // namespace

CWinApp::CWinApp(const char* appName) {
  theApplication = this;
  if (appName)
    QCoreApplication::setApplicationName(QString::fromUtf8(appName));
}

CWinApp::~CWinApp() {
  if (theApplication == this)
    theApplication = nullptr;
}
CWinApp* AfxGetApp() {
  return theApplication;
}
void CWinApp::OnHelp() {
  QDesktopServices::openUrl(QUrl(QStringLiteral("man:") + QCoreApplication::applicationName()));
}

int CWinApp::GetProfileInt(const char* section, const char* entry, int nDefault) {
  const QVariant stored = QSettings(profilePath(), QSettings::IniFormat).value(profileKey(section, entry));
  // A value with a comma reads back as a list, which has no single text and so gives the default.
  bool ok = false;
  const int value = stored.toString().trimmed().toInt(&ok, 10);
  return ok ? value : nDefault;
}

bool CWinApp::WriteProfileInt(const char* section, const char* entry, int nValue) {
  // QSettings keeps a change that it failed to write, for later writes and for reads, so a change is made only where it
  // can be written: a writable directory, and no store or a readable file. The new file is renamed over the old one.
  const QFileInfo file(profilePath());
  if (!QDir().mkpath(file.absolutePath()) || !QFileInfo(file.absolutePath()).isWritable() ||
      (file.exists() && (!file.isFile() || !file.isReadable())))
    return false;
  QSettings profile(file.filePath(), QSettings::IniFormat);
  profile.setValue(profileKey(section, entry), nValue);
  profile.sync();
  return profile.status() == QSettings::NoError;
}
HICON CWinApp::LoadIcon(UINT id) const {
  return loadIconResource(id);
}

HICON loadIconResource(UINT id) {
  HICON icon;
  const QDir group(QStringLiteral(":/res/icon/%1").arg(id));
  for (const QString& size : group.entryList(QDir::Files)) {
    QImageReader png(group.filePath(size), "PNG");
    png.setAutoDetectImageFormat(false);  // else Qt loads every image plugin to ask whether it reads PNG
    icon.addPixmap(QPixmap::fromImage(png.read()));
  }
  return icon;
}

std::unique_ptr<QApplication> AfxCreateApplication(int& argc, char** argv) {
  // Wayland lets no client place its window or keep it above others, half of what the settings are for; where an X
  // server runs beside it, the window goes there (to Wayland after all when that server is gone), unless the user chose
  // a platform. The choice is taken back once Qt has read it, for the programs started from here.
  const bool choose = qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM") && !qEnvironmentVariableIsEmpty("DISPLAY");
  if (choose)
    qputenv("QT_QPA_PLATFORM", "xcb;wayland");
  auto application = std::make_unique<QApplication>(argc, argv);
  if (choose)
    qunsetenv("QT_QPA_PLATFORM");
  keepCNumbers();
  AfxSetMessageBoxHandler(showMessageBox);
  return application;
}

int AfxWinMain(int& argc, char** argv, const char* desktopFileId) {
  const auto application = AfxCreateApplication(argc, argv);
  QGuiApplication::setDesktopFileName(QString::fromUtf8(desktopFileId));
  if (CWinApp* app = AfxGetApp())
    app->InitInstance();
  return 0;
}
