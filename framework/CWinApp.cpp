// Start-up of a program with windows, help through the desktop, icons, message boxes on screen and the INI profile.
#include "framework/CWinApp.h"

#include <QDesktopServices>
#include <QDir>
#include <QFileInfo>
#include <QMessageBox>
#include <QProxyStyle>
#include <QResource>
#include <QSettings>
#include <QStandardPaths>
#include <QTemporaryFile>
#include <QUrl>

#include <cstdio>

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

// One run's profile. A store that is no plain file is left alone; one larger than we ever write is damaged, not read.
constexpr qint64 kMaxProfileBytes = 64 * 1024;
struct Profile {
  bool loaded = false;
  bool ours = false;
  bool damaged = false;
  bool changed = false;
  QSettings::SettingsMap values;  // by "section/entry"
} profile;

Profile& loadedProfile() {
  if (profile.loaded)
    return profile;
  const QFileInfo file(profilePath());
  profile.loaded = true;
  profile.ours = !file.exists() || (file.isFile() && file.isReadable());
  profile.damaged = file.isFile() && file.size() > kMaxProfileBytes;
  if (file.exists() && profile.ours && !profile.damaged) {
    const QSettings store(file.filePath(), QSettings::IniFormat);
    for (const QString& key : store.allKeys())
      profile.values[key] = store.value(key);
  }
  return profile;
}

// The desktop's style, but drop-down lists open below their box with a scroll bar, never over it as tall as the screen.
class DropDownStyle final : public QProxyStyle {
public:
  using QProxyStyle::QProxyStyle;
  int styleHint(StyleHint hint, const QStyleOption* option, const QWidget* widget,
                QStyleHintReturn* answer) const override {
    return hint == SH_ComboBox_Popup ? 0 : QProxyStyle::styleHint(hint, option, widget, answer);
  }
};

int showMessageBox(const CString& text) {
  QMessageBox box(QMessageBox::NoIcon, QApplication::applicationName(), text.toQString(), QMessageBox::Ok,
                  QApplication::activeWindow());
  box.setTextFormat(Qt::PlainText);
  box.exec();
  return IDOK;
}
}  // namespace

CWinApp::CWinApp() {
  theApplication = this;
}

CWinApp::~CWinApp() {
  theApplication = nullptr;
}
CWinApp* AfxGetApp() {
  return theApplication;
}
void CWinApp::OnHelp() {
  QDesktopServices::openUrl(QUrl(QStringLiteral("man:") + QCoreApplication::applicationName()));
}

int CWinApp::GetProfileInt(const char* section, const char* entry, int nDefault) {
  // A value with a comma reads back as a list, which has no single text and so gives the default.
  bool ok = false;
  const int value = loadedProfile().values.value(profileKey(section, entry)).toString().trimmed().toInt(&ok, 10);
  return ok ? value : nDefault;
}

bool CWinApp::WriteProfileInt(const char* section, const char* entry, int nValue) {
  Profile& store = loadedProfile();
  if (!store.ours)
    return false;
  store.values[profileKey(section, entry)] = nValue;
  store.changed = true;
  return true;
}

void CWinApp::saveProfile() {
  const Profile run = std::exchange(profile, {});
  const QString path = profilePath();
  QTemporaryFile replacement(path);
  if (!run.changed || !QDir().mkpath(QFileInfo(path).path()) || !replacement.open())
    return;
  // A new file with every value replaces the old one in one step, so that no end of the process leaves half of them.
  QSettings store(replacement.fileName(), QSettings::IniFormat);
  for (const auto& [key, value] : run.values.asKeyValueRange())
    store.setValue(key, value);
  store.sync();
  if (store.status() != QSettings::NoError)
    return;
  if (run.damaged)
    std::rename(QFile::encodeName(path), QFile::encodeName(path + QStringLiteral(".bak")));
  if (std::rename(QFile::encodeName(replacement.fileName()), QFile::encodeName(path)) == 0)
    replacement.setAutoRemove(false);
}

// Each size is raw premultiplied ARGB pixels, named by its side, read in place: no image decoder or plugin is loaded.
HICON CWinApp::LoadIcon(UINT id) {
  HICON icon;
  const QDir group(QStringLiteral(":/res/icon/%1").arg(id));
  for (const QString& name : group.entryList(QDir::Files)) {
    const QResource pixels(group.filePath(name));
    const int size = QFileInfo(name).baseName().toInt();
    icon.addPixmap(QPixmap::fromImage(QImage(pixels.data(), size, size, QImage::Format_ARGB32_Premultiplied)));
  }
  return icon;
}

std::unique_ptr<QApplication> AfxCreateApplication(int& argc, char** argv) {
  // Wayland lets no window place itself or stay on top, which the settings need: unless the user chose a platform, an X
  // server beside it comes first, Wayland after. The choice is undone once Qt has read it, for programs started here.
  const bool choose = qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM") && !qEnvironmentVariableIsEmpty("DISPLAY");
  if (choose)
    qputenv("QT_QPA_PLATFORM", "xcb;wayland");
  auto application = std::make_unique<QApplication>(argc, argv);
  if (choose)
    qunsetenv("QT_QPA_PLATFORM");
  keepCNumbers();
  AfxSetMessageBoxHandler(showMessageBox);
  // The desktop's own style reparented into ours, which QApplication then owns in its place.
  QApplication::setStyle(new DropDownStyle(QApplication::style()));
  return application;
}

int AfxWinMain(int& argc, char** argv, const char* desktopFileId) {
  const auto application = AfxCreateApplication(argc, argv);
  QGuiApplication::setDesktopFileName(QString::fromUtf8(desktopFileId));
  AfxGetApp()->InitInstance();
  return 0;
}
