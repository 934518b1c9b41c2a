// The application object and the start of a process with windows; its icons, help, message boxes and integer profile.
#pragma once

#include "framework/MessageMap.h"
#include "framework/Resources.h"

#include <QApplication>
#include <memory>

class CWinApp {
public:
  CWinApp();
  virtual ~CWinApp();
  CWinApp(const CWinApp&) = delete;
  CWinApp& operator=(const CWinApp&) = delete;

  virtual bool InitInstance() { return false; }
  // The application's command map, for the commands that no window handled.
  virtual bool OnWndMsg(Message& /*msg*/) { return false; }
  // Shows the program's manual page through the desktop; where the desktop cannot, nothing happens.
  void OnHelp();
  // Three-dimensional controls are the only kind Qt draws; kept so that start-up reads as designed.
  bool Enable3dControls() { return true; }
  // nDefault for a missing or non-integer value; the store is read once per run, only a plain file of at most 64 KiB.
  int GetProfileInt(const char* section, const char* entry, int nDefault);
  // False where the store is no plain file.
  bool WriteProfileInt(const char* section, const char* entry, int nValue);
  // As the main window ends: writes the run's changes in one replacement of the file, a damaged one kept as .bak.
  void saveProfile();
  static HICON LoadIcon(UINT id);

  CWnd* m_pMainWnd = nullptr;
};

CWinApp* AfxGetApp();
// Nothing is embedded in a dialog here; kept so that start-up reads as designed.
inline void AfxEnableControlContainer() {}

// The QApplication of a program with windows: on a platform that can place and raise them, with the C runtime's
// numbers in the "C" locale and message boxes shown on screen.
std::unique_ptr<QApplication> AfxCreateApplication(int& argc, char** argv);
// Runs InitInstance of the one CWinApp; desktopFileId names the entry by which task bars match the window's icon.
int AfxWinMain(int& argc, char** argv, const char* desktopFileId);
