// The real program under a Wayland compositor with XWayland (weston's headless backend), started by the test itself.
#include "tests/support/Support.h"

#include <xcb/xcb.h>

// Whether the startup-notification message (20-byte chunks up to a NUL) reaches the root window; messages: so far.
static bool received(xcb_connection_t* x, std::string& messages, const std::string& message) {
  return QTest::qWaitFor(
      [&] {
        while (xcb_generic_event_t* event = xcb_poll_for_event(x)) {
          if ((event->response_type & 0x7f) == XCB_CLIENT_MESSAGE)
            messages.append(
                reinterpret_cast<const char*>(reinterpret_cast<xcb_client_message_event_t*>(event)->data.data8), 20);
          std::free(event);
        }
        return messages.find(message + '\0') != std::string::npos;
      },
      30000);
}

// Wayland lets no window place itself, so the program goes to XWayland, where it and the running copy end launch
// feedback.
TEST(DesktopSession, UnderWaylandTheProgramRunsThroughXWaylandAndEndsEachStartsFeedback) {
  Session session;
  // Where XWayland puts its socket.
  QDir("/tmp").mkdir(".X11-unix");
  QProcess& weston = session.start({}, {"weston", "--backend=headless-backend.so", "--xwayland",
                                        "--socket=quenchmark-test", "--idle-time=0", "--no-config"});
  QString log, display;
  const auto ready = [&] {
    log += weston.readAllStandardError() + weston.readAllStandardOutput();
    display = QRegularExpression("xserver listening on display (:\\d+)").match(log).captured(1);
    return !display.isEmpty() && QFileInfo::exists(session.root.filePath("quenchmark-test"));
  };
  if (!QTest::qWaitFor(ready, 30000))
    GTEST_SKIP() << "weston did not start: " << log.toStdString();
  const QStringList wayland{"WAYLAND_DISPLAY=quenchmark-test", "DISPLAY=" + display, "QT_QPA_PLATFORM="};
  const std::unique_ptr<xcb_connection_t, void (*)(xcb_connection_t*)> x(xcb_connect(display.toUtf8(), nullptr),
                                                                         xcb_disconnect);
  const uint32_t mask = XCB_EVENT_MASK_PROPERTY_CHANGE;
  xcb_change_window_attributes(x.get(), xcb_setup_roots_iterator(xcb_get_setup(x.get())).data->root, XCB_CW_EVENT_MASK,
                               &mask);
  xcb_flush(x.get());
  std::string messages;
  session.start(wayland + QStringList{"DESKTOP_STARTUP_ID=first-launch_TIME1"});
  EXPECT_TRUE(received(x.get(), messages, "remove: ID=first-launch_TIME1")) << "no window on XWayland";
  QProcess& second = session.start(wayland + QStringList{"DESKTOP_STARTUP_ID=second-launch_TIME2"});
  EXPECT_TRUE(received(x.get(), messages, "remove: ID=second-launch_TIME2"));
  EXPECT_TRUE(endsWell(second));
  // An id that would reach the X server unescaped is not passed on; the next start's still is.
  for (const QString id : {"third launch_TIME3", "third\"launch_TIME3", "third\\launch_TIME3"})
    EXPECT_TRUE(endsWell(session.start(wayland + QStringList{"DESKTOP_STARTUP_ID=" + id})));
  session.start(wayland + QStringList{"DESKTOP_STARTUP_ID=fourth-launch_TIME4"});
  EXPECT_TRUE(received(x.get(), messages, "remove: ID=fourth-launch_TIME4"));
  EXPECT_EQ(messages.find("third"), std::string::npos) << messages;
}
