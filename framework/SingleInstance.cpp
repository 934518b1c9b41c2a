// The application's id on the session bus claims the title; org.freedesktop.Application carries a later start's
// request, as it does for the desktop's launchers.
#include "framework/SingleInstance.h"

#include "framework/Resources.h"

#include <qpa/qplatformnativeinterface.h>
#include <QApplication>
#include <QDBusConnection>
#include <QDBusConnectionInterface>
#include <QDBusMessage>
#include <QDBusMetaType>
#include <QDBusVirtualObject>
#include <QWidget>
#include <QWindow>

#include <cstdio>

namespace {
// A copy's bus connection answers a ping at once, even while its window is still being made; its window answers the
// request once it shows, which a loaded machine may take some seconds to reach.
constexpr int kPingTime = 1000, kRequestTime = 5000;  // ms
constexpr qsizetype kMaxTokenBytes = 256;
const QString kInterface = QStringLiteral("org.freedesktop.Application");
const QString kIntrospection = QStringLiteral(R"(<interface name="org.freedesktop.Application">
<method name="Activate"><arg type="a{sv}" name="platform_data" direction="in"/></method>
<method name="Open"><arg type="as" name="uris" direction="in"/><arg type="a{sv}" name="platform_data" direction="in"/></method>
<method name="ActivateAction"><arg type="s" name="action_name" direction="in"/><arg type="av" name="parameter" direction="in"/><arg type="a{sv}" name="platform_data" direction="in"/></method>
</interface>)");
const char* const kTokenKeys[] = {"desktop-startup-id", "activation-token"};  // X11's, Wayland's

// This start's startup id (X11) and activation token (Wayland), read before Qt takes them out of the environment.
const QVariantMap launchTokens = [] {
  QVariantMap tokens;
  for (const auto& [key, variable] :
       {std::pair(kTokenKeys[0], "DESKTOP_STARTUP_ID"), {kTokenKeys[1], "XDG_ACTIVATION_TOKEN"}})
    if (qEnvironmentVariableIsSet(variable))
      tokens[QString::fromLatin1(key)] = qEnvironmentVariable(variable);
  return tokens;
}();

// The object path that the desktop's launchers derive from the application's id.
QString objectPath() {
  return QLatin1Char('/') + QGuiApplication::desktopFileName().replace(QLatin1Char('.'), QLatin1Char('/'));
}

// One word of printable ASCII, as launchers make them: Qt would hand on blanks, quotes and backslashes unescaped.
bool isToken(const QByteArray& token) {
  return !token.isEmpty() && token.size() <= kMaxTokenBytes &&
         std::ranges::all_of(token, [](char c) { return c > ' ' && c < 127 && c != '"' && c != '\\'; });
}

// Ends the launcher's feedback for the start that asked, with the token of this copy's platform where it has one.
// Wayland compositors end it when the token activates a window; on X11 Qt sends the end of a startup id when it shows a
// window, so one that nobody sees is shown for it.
void completeLaunch(const QVariantMap& platformData) {
  const auto setStartupId = reinterpret_cast<void (*)(const char*)>(reinterpret_cast<void*>(
      QGuiApplication::platformNativeInterface()->nativeResourceFunctionForIntegration("setstartupid")));
  const QString own = QString::fromLatin1(kTokenKeys[setStartupId ? 0 : 1]);
  const QString other = QString::fromLatin1(kTokenKeys[setStartupId ? 1 : 0]);
  const QByteArray token = platformData.value(own, platformData.value(other)).toString().toUtf8();
  if (!isToken(token))
    return;
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

void bringForward(const QString& title, const QVariantMap& platformData) {
  completeLaunch(platformData);
  for (QWidget* window : QApplication::topLevelWidgets()) {
    if (!window->isVisible() || window->windowTitle().compare(title, Qt::CaseInsensitive) != 0)
      continue;
    if (window->isMinimized())
      return QApplication::alert(window);
    window->raise();
    return window->activateWindow();
  }
}

// The running copy's side of org.freedesktop.Application: each of its calls brings the window forward, since the
// program opens no files and has no actions. Calls reach it on the main thread, so it answers once the window runs.
class Application final : public QDBusVirtualObject {
public:
  Application(QString title, QObject* parent) : QDBusVirtualObject(parent), m_title(std::move(title)) {}
  QString introspect(const QString& /*path*/) const override { return kIntrospection; }
  bool handleMessage(const QDBusMessage& message, const QDBusConnection& connection) override {
    static const QStringList members{QStringLiteral("Activate"), QStringLiteral("Open"),
                                     QStringLiteral("ActivateAction")};
    static const QStringList signatures{QStringLiteral("a{sv}"), QStringLiteral("asa{sv}"), QStringLiteral("sava{sv}")};
    const qsizetype method = members.indexOf(message.member());
    if (message.interface() != kInterface || method < 0 || message.signature() != signatures[method])
      return false;  // Qt answers with an error
    bringForward(m_title, qdbus_cast<QVariantMap>(message.arguments().constLast()));
    return connection.send(message.createReply());
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
  bus.registerVirtualObject(objectPath(), new Application(title, qApp), QDBusConnection::SingleNode);
  // The bus gives the id to one process at a time and takes it back when that process ends, however it ends. An owner
  // that ends between the claim and the question about it leaves the id free for another try.
  for (int attempt = 0; attempt < 3; ++attempt) {
    if (bus.registerService(QGuiApplication::desktopFileName()))
      return {};
    const QDBusReply<QString> owner = bus.interface()->serviceOwner(QGuiApplication::desktopFileName());
    if (owner.isValid())
      return {owner.value(), title};
  }
  return {};  // neither claimed nor found: this copy runs without the guard
}

void SetForegroundWindow(const ForeignWindow& window) {
  QDBusConnection bus = QDBusConnection::sessionBus();
  const QDBusMessage ping = QDBusMessage::createMethodCall(
      window.owner, QStringLiteral("/"), QStringLiteral("org.freedesktop.DBus.Peer"), QStringLiteral("Ping"));
  QDBusMessage request =
      QDBusMessage::createMethodCall(window.owner, objectPath(), kInterface, QStringLiteral("Activate"));
  request << launchTokens;
  if (bus.call(ping, QDBus::Block, kPingTime).type() == QDBusMessage::ReplyMessage &&
      bus.call(request, QDBus::Block, kRequestTime).type() == QDBusMessage::ReplyMessage)
    return;
  // A stopped or hung copy would otherwise swallow every start without a word.
  const QByteArray text = (window.title + QStringLiteral(" is already running but does not answer: end that copy "
                                                         "(it may be stopped or hung), then start it again."))
                              .toUtf8();
  std::fprintf(stderr, "%s\n", text.constData());
  AfxMessageBox(text.constData());
}
