// Start-up: bring a running copy forward and end, or run the main window modally.
#include "app/CPriceApp.h"

#include "framework/SingleInstance.h"
#include "ui/CPriceDlg.h"

bool CPriceApp::InitInstance() {
  if (const auto running = FindWindowA(nullptr, "Quenchmark")) {
    SetForegroundWindow(running.get());
    return false;
  }
  AfxEnableControlContainer();
  Enable3dControls();
  CPriceDlg dlg;
  m_pMainWnd = &dlg;
  dlg.DoModal();
  return false;
}
