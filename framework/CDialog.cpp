// Dialog creation from templates, modal and modeless running, data exchange and message delivery.
#include "framework/CDialog.h"

#include "framework/CWinApp.h"
#include "framework/DialogLayout.h"
#include "framework/DialogWindow.h"
#include "framework/SingleInstance.h"

#include <QLineEdit>

namespace {
Qt::WindowFlags windowFlagsOf(const DialogTemplate& dialogTemplate) {
  Qt::WindowFlags flags = (dialogTemplate.styles & WS_EX_APPWINDOW) ? Qt::Window : Qt::Dialog;
  flags |= Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowSystemMenuHint | Qt::WindowCloseButtonHint;
  if (dialogTemplate.styles & WS_MINIMIZEBOX) flags |= Qt::WindowMinimizeButtonHint;
  return flags;
}
}  // namespace

CDialog::CDialog(UINT nIDTemplate, CWnd* pParentWnd) : m_nIDTemplate(nIDTemplate), m_pParentWnd(pParentWnd) {}

CDialog::~CDialog() { destroyWindow(); }

bool CDialog::createWindow() {
  if (m_pWindow) return false;
  const DialogTemplate& dialogTemplate = findDialogTemplate(static_cast<int>(m_nIDTemplate));
  // Without a parent of its own a dialog belongs to the application's main window.
  CWnd* owner = m_pParentWnd;
  if (!owner && AfxGetApp() && AfxGetApp()->m_pMainWnd != this) owner = AfxGetApp()->m_pMainWnd;
  m_pWindow = new DialogWindow(*this, owner ? owner->GetSafeHwnd() : nullptr, windowFlagsOf(dialogTemplate));
  m_hWnd = m_pWindow;

  ControlSignals signals{
      .clicked = [this](int id) { notify(WM_COMMAND, BN_CLICKED, id); },
      .selectionChanged = [this](int id) { notify(WM_COMMAND, CBN_SELCHANGE, id); },
      .textChanged = [this](int id) { notify(WM_COMMAND, EN_CHANGE, id); },
      .deltaPos =
          [this](int id, int delta) {
            NMUPDOWN record{.hdr = {controlWidget(id), id, UDN_DELTAPOS}, .iDelta = delta};
            LRESULT result = 0;
            notify(WM_NOTIFY, UDN_DELTAPOS, id, &record.hdr, &result);
          },
  };
  m_controls = buildDialog(m_pWindow, dialogTemplate, signals);
  for (const DialogControl& control : dialogTemplate.controls)
    if (control.styles & BS_DEFPUSHBUTTON) m_nDefaultId = control.id;
  serveTitle(m_pWindow, m_pWindow->windowTitle());

  if (OnInitDialog()) {
    for (const auto& [id, widget] : m_controls) {
      if (widget->focusPolicy() & Qt::TabFocus && widget->isVisibleTo(m_pWindow)) {
        widget->setFocus();
        break;
      }
    }
  }
  return true;
}

void CDialog::destroyWindow() {
  m_controls.clear();
  delete m_pWindow;
  m_pWindow = nullptr;
  if (AfxGetApp() && AfxGetApp()->m_pMainWnd == this) AfxGetApp()->m_pMainWnd = nullptr;
}

int CDialog::DoModal() {
  if (!createWindow()) return -1;
  const int result = m_pWindow->exec();
  destroyWindow();
  return result;
}

bool CDialog::Create() {
  if (!createWindow()) return false;
  m_pWindow->show();
  return true;
}

void CDialog::EndDialog(int nResult) {
  if (m_pWindow) m_pWindow->done(nResult);
}

void CDialog::PostMessage(const Message& msg) {
  // Queued on the window, so a message still waiting when the window is destroyed is dropped with it.
  if (!m_pWindow) return;
  const auto handle = [this, msg] {
    Message posted = msg;
    deliver(posted);
  };
  QMetaObject::invokeMethod(m_pWindow, handle, Qt::QueuedConnection);
}

bool CDialog::UpdateData(bool bSaveAndValidate) {
  ++m_nLockNotify;
  CDataExchange dx(this, bSaveAndValidate);
  DoDataExchange(&dx);
  --m_nLockNotify;
  return true;
}

void CDialog::SetIcon(const HICON& icon, bool /*bBigIcon*/) {
  // Qt keeps one icon with all its sizes; the desktop picks the size it shows.
  if (m_pWindow) m_pWindow->setWindowIcon(icon);
}

QWidget* CDialog::controlWidget(int nID) const {
  for (const auto& [id, widget] : m_controls)
    if (id == nID) return widget;
  return nullptr;
}

void CDialog::DoDataExchange(CDataExchange*) {}

bool CDialog::OnInitDialog() {
  UpdateData(false);
  return true;
}

void CDialog::OnOK() {
  UpdateData(true);
  EndDialog(IDOK);
}

void CDialog::OnCancel() { EndDialog(IDCANCEL); }

bool CDialog::OnWndMsg(Message& msg) {
  static const MessageMapEntry<CDialog> messageMap[] = {
      {WM_COMMAND, CN_COMMAND, IDOK, &CDialog::OnOK},
      {WM_COMMAND, CN_COMMAND, IDCANCEL, &CDialog::OnCancel},
  };
  return dispatchMessage<CDialog>(this, messageMap, msg);
}

void CDialog::Default() {
  // Closing a dialog means Cancel; other messages need nothing beyond what Qt does anyway.
  if (m_pCurrentMsg && m_pCurrentMsg->message == WM_CLOSE) {
    Message cancel{.message = WM_COMMAND, .code = CN_COMMAND, .id = IDCANCEL};
    deliver(cancel);
  }
}

void CDialog::deliver(Message& msg) {
  const Message* outer = std::exchange(m_pCurrentMsg, &msg);
  if (!OnWndMsg(msg)) Default();
  m_pCurrentMsg = outer;
}

void CDialog::notify(UINT message, UINT code, int id, NMHDR* pNMHDR, LRESULT* pResult) {
  if (m_nLockNotify > 0) return;
  Message msg{.message = message, .code = code, .id = id, .pNMHDR = pNMHDR, .pResult = pResult};
  deliver(msg);
}

QLineEdit* CDataExchange::PrepareEditCtrl(int nIDC) const {
  return qobject_cast<QLineEdit*>(m_pDlgWnd->controlWidget(nIDC));
}

void DDX_Control(CDataExchange* pDX, int nIDC, CWnd& rControl) {
  if (!rControl.m_hWnd) rControl.m_hWnd = pDX->PrepareCtrl(nIDC);
}

void DDX_Text(CDataExchange* pDX, int nIDC, CString& value) {
  QWidget* control = pDX->PrepareCtrl(nIDC);
  if (pDX->m_bSaveAndValidate)
    value = windowText(control);
  else
    setWindowText(control, value);
}
