// A lock file claims the title; a user-only socket beside it carries one request line from a later copy.
#include "framework/SingleInstance.h"

#include <qpa/qplatformnativeinterface.h>
#include <QApplication>
#include <QDeadlineTimer>
#include <QDir>
#include <QFileInfo>
#include <QLocalServer>
#include <QLockFile>
#include <QStandardPaths>
#include <QThread>
#include <QTimer>
#include <QWidget>
#include <QWindow>

#include <unistd.h>
#include <chrono>

namespace {
using namespace std::chrono_literals;
constexpr auto kStartupWait = 10s;  // a first copy under load may take this long to answer
constexpr auto kRetry = 50ms, kRequestTime = 2000ms, kSendTime = 1000ms;  // to try again; for a peer to ask; to ask
constexpr qint64 kMaxRequestBytes = 512;
const QByteArray kRequest = QByteArrayLiteral("activate");

// This start's startup id (X11) or activation token (Wayland), read before Qt takes it out of the environment.
const QByteArray launchToken = [] {
  const QByteArray token = qgetenv("XDG_ACTIVATION_TOKEN");
  return token.isEmpty() ? qgetenv("DESKTOP_STARTUP_ID") : token;
}();

// One word of printable ASCII, as launchers make them: Qt would hand on blanks, quotes and backslashes unescaped.
bool isToken(const QByteArray& token) {
  return !token.isEmpty() && token.size() <= kMaxRequestBytes / 2 &&
         std::ranges::all_of(token, [](char c) { return c > ' ' && c < 127 && c != '"' && c != '\\'; });
}

// Where a claim can live: the runtime directory, else the cache directory, each only while it is this user's alone, so
// that nobody else can take the name first or reach the socket.
QStringList claimDirectories() {
  QStringList directories;
  for (const auto location : {QStandardPaths::RuntimeLocation, QStandardPaths::GenericCacheLocation}) {
    const QString path = QStandardPaths::writableLocation(location);
    const QFileInfo directory(path);
    if (QDir().mkpath(path) && directory.ownerId() == ::geteuid() &&
        !(directory.permissions() & (QFile::WriteGroup | QFile::WriteOther)))
      directories << path;
  }
  return directories;
}

// Ends the launcher's feedback for the start that asked. Wayland compositors end it when the token activates a window;
// on X11 Qt sends the end of a startup id when it shows a window, so one that nobody sees is shown for it.
void completeLaunch(const QByteArray& token) {
  const auto setStartupId = reinterpret_cast<void (*)(const char*)>(reinterpret_cast<void*>(
      QGuiApplication::platformNativeInterface()->nativeResourceFunctionForIntegration("setstartupid")));
  if (!setStartupId) {
    qputenv("XDG_ACTIVATION_TOKEN", token);
    return;
  }
  setStartupId(token.constData());
  QWindow messenger;  // Qt sends the end as it shows the window; the window may go at once
  messenger.setFlags(Qt::ToolTip | Qt::X11BypassWindowManagerHint | Qt::WindowDoesNotAcceptFocus);
  messenger.setGeometry(-10, -10, 1, 1);
  messenger.show();
}

void bringForward(const QString& title, const QByteArray& token) {
  if (!token.isEmpty())
    completeLaunch(token);
  for (QWidget* window : QApplication::topLevelWidgets()) {
    if (!window->isVisible() || window->windowTitle().compare(title, Qt::CaseInsensitive) != 0)
      continue;
    if (window->isMinimized())
      return QApplication::alert(window);
    window->raise();
    return window->activateWindow();
  }
}

// Reads one request line; anything else, or a peer that says nothing, is dropped.
void answer(QLocalSocket* peer, const QString& title) {
  QTimer::singleShot(kRequestTime, peer, [peer] { peer->abort(); });
  QObject::connect(peer, &QLocalSocket::disconnected, peer, &QObject::deleteLater);
  QObject::connect(peer, &QLocalSocket::readyRead, peer, [peer, title] {
    if (!peer->canReadLine() && peer->bytesAvailable() <= kMaxRequestBytes)
      return;  // more to come
    const QList<QByteArray> words = peer->readLine(kMaxRequestBytes).trimmed().split(' ');
    if (words[0] == kRequest && (words.size() == 1 || (words.size() == 2 && isToken(words[1]))))
      bringForward(title, words.value(1));
    peer->disconnectFromServer();
  });
}

void serve(std::unique_ptr<QLockFile> lock, const QString& socketPath, const QString& title) {
  static std::unique_ptr<QLockFile> claim;  // held until the process exits, and then released with the file
  claim = std::move(lock);
  // The lock is ours, so a socket left at this path belongs to a copy that is gone.
  QLocalServer::removeServer(socketPath);
  auto* server = new QLocalServer(qApp);
  server->setSocketOptions(QLocalServer::UserAccessOption);
  QObject::connect(server, &QLocalServer::newConnection, server, [server, title] {
    while (QLocalSocket* peer = server->nextPendingConnection())
      answer(peer, title);
  });
  server->listen(socketPath);
}
}  // namespace

ForeignWindow FindWindowA(const char* /*className: any*/, const char* windowName) {
  const QString title = QString::fromUtf8(windowName);
  for (const QString& directory : claimDirectories()) {
    const QString base = directory + QLatin1Char('/') + title.toLower();
    auto lock = std::make_unique<QLockFile>(base + QStringLiteral(".lock"));
    lock->setStaleLockTime(0);  // never stale by age: only a holder that no longer runs gives up its claim
    const QDeadlineTimer deadline(kStartupWait);
    // Only a lock that exists means a copy; one that cannot be made here is none, and the next place is tried.
    while (!lock->tryLock(0) && lock->error() == QLockFile::LockFailedError) {
      auto connection = std::make_unique<QLocalSocket>();
      connection->connectToServer(base + QStringLiteral(".socket"));
      if (connection->waitForConnected(kRetry.count()))
        return connection;
      // A holder that never answers has no window anybody can use: run rather than refuse to start.
      if (deadline.hasExpired())
        return {};
      QThread::msleep(kRetry.count());
    }
    if (lock->isLocked()) {
      serve(std::move(lock), base + QStringLiteral(".socket"), title);
      return {};
    }
  }
  return {};  // nowhere to claim the title: this copy runs without the guard
}

void SetForegroundWindow(QLocalSocket* window) {
  window->write(kRequest + (isToken(launchToken) ? ' ' + launchToken : QByteArray()) + '\n');
  window->waitForBytesWritten(kSendTime.count());
  window->disconnectFromServer();
}
