// The application object and the start of the process; resources, message boxes, help and the integer profile.
#pragma once

#include "framework/CString.h"
#include "framework/Types.h"

#include <QApplication>
#include <functional>
#include <memory>

class CWinApp {
public:
  // A null name means the executable's base name, which also names the profile file.
  explicit CWinApp(const char* appName = nullptr);
  virtual ~CWinApp();
  CWinApp(const CWinApp&) = delete;
  CWinApp& operator=(const CWinApp&) = delete;

  // Called once after the framework is set up; when it returns, the process ends.
  virtual bool InitInstance() { return false; }
  // The application's command map, for the commands that no window handled.
  virtual bool OnWndMsg(Message& /*msg*/) { return false; }
  // Shows the program's manual page through the desktop; where the desktop cannot, nothing happens.
  void OnHelp();
  bool Enable3dControls() { return true; }  // the only kind Qt draws; kept so that start-up reads as designed
  // The integer stored under section/entry, or nDefault when it is missing or is not a decimal integer.
  int GetProfileInt(const char* section, const char* entry, int nDefault);
  // Stores one integer; a store that cannot be written keeps its earlier contents.
  bool WriteProfileInt(const char* section, const char* entry, int nValue);
  HICON LoadIcon(UINT id) const;  // with every size the executable carries for it

  CWnd* m_pMainWnd = nullptr;
};

CWinApp* AfxGetApp();
inline void AfxEnableControlContainer() {}  // nothing is embedded here; kept so that start-up reads as designed

// The QApplication every entry point needs: on a platform that can place and raise the window, with the C runtime's
// numbers kept in the "C" locale (Qt adopts the user's, under which atof stops at the "." of "67.5").
std::unique_ptr<QApplication> AfxCreateApplication(int& argc, char** argv);
// Sets up the application, runs InitInstance of the one CWinApp and returns the process exit status. desktopFileId
// names the desktop entry through which task bars match the window to its entry and icon.
int AfxWinMain(int& argc, char** argv, const char* desktopFileId);

struct ResourceBytes {
  const char* data = nullptr;
  DWORD size = 0;
};
// A set of resources, by default the executable's own; tests put one of their own in its place.
class CResourceModule {
public:
  virtual ~CResourceModule() = default;
  // The bytes of resource (name, type) where they lie: {nullptr, 0} when there is none, {nullptr, size} when it exists
  // but cannot be read in place.
  virtual ResourceBytes FindResource(int name, int type) const;
};
using HINSTANCE = const CResourceModule*;
HINSTANCE AfxGetResourceHandle();
void AfxSetResourceHandle(HINSTANCE module);  // nullptr: the executable's own again
HICON loadIconResource(UINT id);

// A box with the text, an OK button and the application's name as title. While a handler is set, every message box goes
// to it instead of the screen; AfxSetMessageBoxHandler returns the handler it replaces.
int AfxMessageBox(const char* text, UINT type = MB_OK, UINT helpId = 0);
using MessageBoxHandler = std::function<int(const CString& text)>;
MessageBoxHandler AfxSetMessageBoxHandler(MessageBoxHandler handler);
