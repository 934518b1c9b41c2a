// The application object, the start of the process, and the per-user profile of integer settings.
#pragma once

#include "framework/Types.h"

#include <QApplication>
#include <memory>

class CWnd;

class CWinApp {
public:
  // A null name means the executable's base name, which also names the profile file.
  explicit CWinApp(const char* appName = nullptr);
  virtual ~CWinApp();
  CWinApp(const CWinApp&) = delete;
  CWinApp& operator=(const CWinApp&) = delete;

  // Called once after the framework is set up; when it returns, the process ends.
  virtual bool InitInstance() { return false; }

  // Three-dimensional controls are the only kind Qt draws; kept so that start-up reads as designed.
  bool Enable3dControls() { return true; }

  // The integer stored under section/entry, or nDefault when it is missing or is not a decimal integer.
  int GetProfileInt(const char* section, const char* entry, int nDefault);
  // Stores one integer; a store that cannot be written keeps its earlier contents.
  bool WriteProfileInt(const char* section, const char* entry, int nValue);

  HICON LoadIcon(UINT id) const;

  CWnd* m_pMainWnd = nullptr;
};

CWinApp* AfxGetApp();

// Hosting of embedded controls has no counterpart here; kept so that start-up reads as designed.
inline void AfxEnableControlContainer() {}

// The QApplication every entry point needs, with the C runtime's numbers kept in the "C" locale:
// Qt adopts the user's locale, which would make atof stop at the "." of "67.5" under a German one.
std::unique_ptr<QApplication> AfxCreateApplication(int& argc, char** argv);

// Sets up the application, runs InitInstance of the one CWinApp and returns the process exit status.
int AfxWinMain(int& argc, char** argv);
