// Finding the running copy of the program by its main window's title, and answering such a search.
#pragma once

#include <QString>
#include <memory>

class QLocalSocket;
class QWidget;

// The running copy's main window, as far as another process of the same user can reach it.
class CForeignWindow {
public:
  explicit CForeignWindow(std::unique_ptr<QLocalSocket> connection);
  ~CForeignWindow();
  QLocalSocket& connection() const { return *m_connection; }

private:
  std::unique_ptr<QLocalSocket> m_connection;
};

// Looks for a top-level window of this user titled windowName, in any letter case. When none exists,
// this process claims the title (until it exits) and gets nullptr. A copy that is still starting is
// waited for a few seconds; a copy that died leaves nothing behind that counts.
std::unique_ptr<CForeignWindow> FindWindowA(const char* className, const char* windowName);

// Asks the found window to come forward; it is raised and activated, but not restored when minimised.
bool SetForegroundWindow(CForeignWindow* window);

// Called for every new dialog window: if this process claimed its title, the window answers requests to
// come forward from now on.
void serveTitle(QWidget* window, const QString& title);

// Where the claim of a title lives, for the user's runtime directory: the lock file and the socket.
QString titleLockPath(const QString& title);
QString titleSocketPath(const QString& title);
