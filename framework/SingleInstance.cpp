// One copy per user: a lock file claims the title, and a user-only local socket carries the request to come
// forward, with the launcher's activation token where the desktop gives one.
#include "framework/SingleInstance.h"

#include <QApplication>
#include <QDeadlineTimer>
#include <QLocalServer>
#include <QLocalSocket>
#include <QLockFile>
#include <QStandardPaths>
#include <QThread>
#include <QTimer>
#include <QWidget>
#include <map>

namespace {
constexpr int kStartupWaitMs = 10000;  // a first copy under load may take this long to show its window
constexpr int kRetryMs = 50;
constexpr qint64 kMaxRequestBytes = 512;
const QByteArray kRequest = QByteArrayLiteral("activate");

// Titles this process holds, each with the lock that claims it.
std::map<QString, std::unique_ptr<QLockFile>>& claimedTitles() {
  static std::map<QString, std::unique_ptr<QLockFile>> titles;
  return titles;
}

QString runtimeFile(const QString& title, const char* suffix) {
  return QStandardPaths::writableLocation(QStandardPaths::RuntimeLocation) + QLatin1Char('/') +
         title.toLower() + QLatin1String(suffix);
}

QByteArray launcherToken() {
  QByteArray token = qgetenv("XDG_ACTIVATION_TOKEN");
  if (token.isEmpty()) token = qgetenv("DESKTOP_STARTUP_ID");
  return token;
}

void bringForward(QWidget* window, const QByteArray& token) {
  // Wayland compositors let a window take the focus only with the token of the launch that asked for it.
  if (!token.isEmpty()) qputenv("XDG_ACTIVATION_TOKEN", token);
  if (window->isMinimized()) {
    QApplication::alert(window);
    return;
  }
  window->raise();
  window->activateWindow();
}

// Reads one request line; anything else, or a peer that says nothing, is dropped.
void answer(QLocalSocket* peer, QWidget* window) {
  auto* timeout = new QTimer(peer);
  timeout->setSingleShot(true);
  QObject::connect(timeout, &QTimer::timeout, peer, [peer] { peer->abort(); });
  timeout->start(2000);
  QObject::connect(peer, &QLocalSocket::disconnected, peer, &QObject::deleteLater);
  QObject::connect(peer, &QLocalSocket::readyRead, peer, [peer, window] {
    if (!peer->canReadLine()) {
      if (peer->bytesAvailable() > kMaxRequestBytes) peer->abort();
      return;
    }
    const QByteArray line = peer->readLine(kMaxRequestBytes).trimmed();
    const qsizetype blank = line.indexOf(' ');
    const QByteArray verb = blank < 0 ? line : line.left(blank);
    if (verb == kRequest && window) bringForward(window, blank < 0 ? QByteArray() : line.mid(blank + 1));
    peer->disconnectFromServer();
  });
}
}  // namespace

CForeignWindow::CForeignWindow(std::unique_ptr<QLocalSocket> connection) : m_connection(std::move(connection)) {}

CForeignWindow::~CForeignWindow() = default;

QString titleLockPath(const QString& title) { return runtimeFile(title, ".lock"); }

QString titleSocketPath(const QString& title) { return runtimeFile(title, ".socket"); }

std::unique_ptr<CForeignWindow> FindWindowA(const char* /*className*/, const char* windowName) {
  const QString title = QString::fromUtf8(windowName).toLower();
  auto lock = std::make_unique<QLockFile>(titleLockPath(title));
  // Never stale by age: only a holder that no longer runs gives up its claim.
  lock->setStaleLockTime(0);
  const QDeadlineTimer deadline(kStartupWaitMs);
  while (true) {
    if (lock->tryLock(0)) {
      claimedTitles()[title] = std::move(lock);
      return nullptr;
    }
    auto connection = std::make_unique<QLocalSocket>();
    connection->connectToServer(titleSocketPath(title));
    if (connection->waitForConnected(kRetryMs)) return std::make_unique<CForeignWindow>(std::move(connection));
    // A holder that never answers is not a window anybody can see: run rather than refuse to start.
    if (deadline.hasExpired()) return nullptr;
    QThread::msleep(kRetryMs);
  }
}

bool SetForegroundWindow(CForeignWindow* window) {
  if (!window) return false;
  QLocalSocket& connection = window->connection();
  QByteArray request = kRequest;
  if (const QByteArray token = launcherToken(); !token.isEmpty()) request += ' ' + token.left(kMaxRequestBytes / 2);
  connection.write(request + '\n');
  const bool sent = connection.waitForBytesWritten(1000);
  connection.disconnectFromServer();
  return sent;
}

void serveTitle(QWidget* window, const QString& title) {
  const auto claim = claimedTitles().find(title.toLower());
  if (claim == claimedTitles().end()) return;
  const QString path = titleSocketPath(title);
  // The lock is ours, so a socket left at this path belongs to a copy that is gone.
  QLocalServer::removeServer(path);
  auto* server = new QLocalServer(window);
  server->setSocketOptions(QLocalServer::UserAccessOption);
  QObject::connect(server, &QLocalServer::newConnection, server, [server, window] {
    while (QLocalSocket* peer = server->nextPendingConnection()) answer(peer, window);
  });
  server->listen(path);
}
