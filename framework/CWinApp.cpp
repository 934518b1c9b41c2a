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

// The profile of one run, read at its first use and written when the run ends. A store that is no plain file is left
// alone; one larger than this program ever writes is damaged: not read, and kept beside the new one.
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

// The desktop's style, but for drop-down lists, which open below their box as tall as their template says, with a
// scroll bar, rather than over the box and as tall as the screen, as some styles have them.
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
  // Everything the run holds goes into a new file, which then takes the old one's place in one step, so that no end of
  // the process leaves some values written and others not; the old file is not read again.
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

// Each size is raw premultiplied ARGB pixels, named by its width and height, taken where it lies in the executable: no
// image decoder and no image plugin is loaded to read it.
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
