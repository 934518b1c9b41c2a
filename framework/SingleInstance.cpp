// The application's id on the session bus claims the title; later starts, like launchers, ask its D-Bus Application.
#include "framework/SingleInstance.h"

#include "framework/Resources.h"

#include <qpa/qplatformnativeinterface.h>
#include <QApplication>
#include <QDBusConnection>
#include <QDBusConnectionInterface>
#include <QDBusMessage>
#include <QWidget>
#include <QWindow>

#include <cstdio>

namespace {
// Milliseconds: a copy's bus connection answers a ping at once, even while starting; the request once its window shows.
constexpr int kPingTime = 1000;
constexpr int kRequestTime = 5000;

// This start's startup id (X11) and activation token (Wayland), read before Qt takes them out of the environment.
const QVariantMap launchTokens{{QStringLiteral("desktop-startup-id"), qEnvironmentVariable("DESKTOP_STARTUP_ID")},
                               {QStringLiteral("activation-token"), qEnvironmentVariable("XDG_ACTIVATION_TOKEN")}};

// The object path that the desktop's launchers derive from the application's id.
QString objectPath() {
  return QLatin1Char('/') + QGuiApplication::desktopFileName().replace(QLatin1Char('.'), QLatin1Char('/'));
}

// Ends the launch feedback of the start that asked: on Wayland the token activates the window; on X11 Qt ends a startup
// id as it shows a window, so one that nobody sees is shown. Only a word of printable ASCII, as launchers make them, is
// handed on: Qt would pass blanks, quotes and backslashes unescaped.
void completeLaunch(const QVariantMap& platformData) {
  QByteArray token = platformData.value(QStringLiteral("activation-token")).toString().toUtf8();
  if (token.isEmpty())
    token = platformData.value(QStringLiteral("desktop-startup-id")).toString().toUtf8();
  if (token.isEmpty() || token.size() > 256 ||
      !std::ranges::all_of(token, [](char c) { return c > ' ' && c < 127 && c != '"' && c != '\\'; }))
    return;
  const auto setStartupId = reinterpret_cast<void (*)(const char*)>(reinterpret_cast<void*>(
      QGuiApplication::platformNativeInterface()->nativeResourceFunctionForIntegration("setstartupid")));
  if (!setStartupId) {
    qputenv("XDG_ACTIVATION_TOKEN", token);
    return;
  }
  setStartupId(token.constData());
  QWindow messenger;
  messenger.setFlags(Qt::ToolTip | Qt::X11BypassWindowManagerHint | Qt::WindowDoesNotAcceptFocus);
  messenger.setGeometry(-10, -10, 1, 1);
  messenger.show();
}

// The running copy's org.freedesktop.Application: with no files or actions, every call brings the window forward.
class Application final : public QObject {
  Q_OBJECT
  Q_CLASSINFO("D-Bus Interface", "org.freedesktop.Application")

public:
  Application(QString title, QObject* parent) : QObject(parent), m_title(std::move(title)) {}

public Q_SLOTS:
  Q_SCRIPTABLE void Activate(const QVariantMap& platformData) {
    completeLaunch(platformData);
    for (QWidget* window : QApplication::topLevelWidgets()) {
      if (!window->isVisible() || window->windowTitle().compare(m_title, Qt::CaseInsensitive) != 0)
        continue;
      if (window->isMinimized()) {
        QApplication::alert(window);
      } else {
        window->raise();
        window->activateWindow();
      }
      return;
    }
  }
  Q_SCRIPTABLE void Open(const QStringList& /*uris*/, const QVariantMap& platformData) { Activate(platformData); }
  Q_SCRIPTABLE void ActivateAction(const QString& /*action_name*/, const QVariantList& /*parameter*/,
                                   const QVariantMap& platformData) {
    Activate(platformData);
  }

private:
  QString m_title;
};
}  // namespace

ForeignWindow FindWindowA(const char* /*className: any*/, const char* windowName) {
  QDBusConnection bus = QDBusConnection::sessionBus();
  const QString title = QString::fromUtf8(windowName);
  if (!bus.isConnected())
    return {};
  // Ready to answer before the claim is made, so that no request finds the id claimed but nobody to answer it.
  bus.registerObject(objectPath(), new Application(title, qApp), QDBusConnection::ExportScriptableSlots);
  // The bus gives the id to one process at a time and takes it back when that process ends, however it ends; an owner
  // gone between the claim and the question leaves it free for another try. Neither claimed nor found, this copy runs
  // unguarded.
  for (int attempt = 0; attempt < 3; ++attempt) {
    if (bus.registerService(QGuiApplication::desktopFileName()))
      return {};
    const QDBusReply<QString> owner = bus.interface()->serviceOwner(QGuiApplication::desktopFileName());
    if (owner.isValid())
      return {owner.value(), title};
  }
  return {};
}

void SetForegroundWindow(const ForeignWindow& window) {
  QDBusConnection bus = QDBusConnection::sessionBus();
  const QDBusMessage ping = QDBusMessage::createMethodCall(
      window.owner, QStringLiteral("/"), QStringLiteral("org.freedesktop.DBus.Peer"), QStringLiteral("Ping"));
  const QDBusMessage request =
      QDBusMessage::createMethodCall(window.owner, objectPath(), QStringLiteral("org.freedesktop.Application"),
                                     QStringLiteral("Activate"))
      << launchTokens;
  if (bus.call(ping, QDBus::Block, kPingTime).type() == QDBusMessage::ReplyMessage &&
      bus.call(request, QDBus::Block, kRequestTime).type() == QDBusMessage::ReplyMessage)
    return;
  // A stopped or hung copy would otherwise swallow every start without a word.
  const QByteArray text = window.title.toUtf8() +
                          " is already running but does not answer: end that copy (it may be stopped or hung), then "
                          "start it again.";
  std::fprintf(stderr, "%s\n", text.constData());
  AfxMessageBox(text.constData());
}

#include "SingleInstance.moc"
