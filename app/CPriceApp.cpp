// Start-up: bring a running copy forward and end, or run the main window modally.
#include "app/CPriceApp.h"

#include "framework/SingleInstance.h"
#include "ui/CPriceDlg.h"

bool CPriceApp::InitInstance() {
  if (const ForeignWindow running = FindWindowA(nullptr, "Quenchmark")) {
    SetForegroundWindow(running);
    return false;
  }
  AfxEnableControlContainer();
  Enable3dControls();
  CPriceDlg dlg;
  m_pMainWnd = &dlg;
  dlg.DoModal();
  return false;
}

bool CPriceApp::OnWndMsg(Message& msg) {
  static const MessageMapEntry<CWinApp> messageMap[] = {
      {WM_COMMAND, CN_COMMAND, ID_HELP, &CWinApp::OnHelp},
  };
  return dispatchMessage<CWinApp>(this, messageMap, msg);
}
