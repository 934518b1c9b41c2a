// The dialog base and its Qt window, which turns closing, keys, menu requests, painting and minimising into messages.
#include "framework/CDialog.h"

#include "framework/CWinApp.h"

#include <QCloseEvent>
#include <QContextMenuEvent>
#include <QDialog>
#include <QLineEdit>
#include <QPushButton>

// Where a menu asked for from the keyboard is said to open: the dialog picks the place.
constexpr CPoint kFromKeyboard{-1, -1};

class DialogWindow final : public QDialog {
public:
  DialogWindow(CDialog& owner, QWidget* parent, Qt::WindowFlags flags) : QDialog(parent, flags), m_owner(owner) {}

private:
  // The dialog decides whether closing ends it.
  void closeEvent(QCloseEvent* event) override {
    event->ignore();
    m_owner.deliver({.message = WM_CLOSE});
  }
  // A focused button takes Enter; else Enter presses the default button, which every template has, even if hidden.
  void keyPressEvent(QKeyEvent* event) override {
    const bool plain = (event->modifiers() & ~Qt::KeypadModifier) == Qt::NoModifier;
    const bool enter = event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter;
    auto* button = qobject_cast<QPushButton*>(focusWidget());
    if (plain && enter && button && button->isVisible())
      button->click();
    else if (plain && enter)
      m_owner.command(IDOK);
    else if (plain && event->key() == Qt::Key_Escape)
      m_owner.command(IDCANCEL);
    else if (plain && event->key() == Qt::Key_F1)
      m_owner.command(ID_HELP);
    else if (event->modifiers() == Qt::ShiftModifier && event->key() == Qt::Key_F10)
      contextRequest(kFromKeyboard);
    else
      QDialog::keyPressEvent(event);
  }
  void contextMenuEvent(QContextMenuEvent* event) override {
    const QPoint at = event->globalPos();
    contextRequest(event->reason() == QContextMenuEvent::Mouse ? CPoint{at.x(), at.y()} : kFromKeyboard);
  }
  void paintEvent(QPaintEvent* event) override {
    m_owner.deliver({.message = WM_PAINT});
    QDialog::paintEvent(event);
  }
  void changeEvent(QEvent* event) override {
    // A minimised window shows the icon the dialog answers with; the desktop draws it.
    if (event->type() == QEvent::WindowStateChange && isMinimized()) {
      const HICON icon = m_owner.deliver({.message = WM_QUERYDRAGICON}).icon;
      if (!icon.isNull())
        setWindowIcon(icon);
    }
    QDialog::changeEvent(event);
  }
  void contextRequest(CPoint point) { m_owner.deliver({.message = WM_CONTEXTMENU, .pWnd = &m_owner, .point = point}); }
  CDialog& m_owner;
};

int CDialog::DoModal() {
  // Every program here has its application object, and a dialog is shown by one call at a time.
  CWnd* owner = AfxGetApp()->m_pMainWnd != this ? AfxGetApp()->m_pMainWnd : nullptr;
  Qt::WindowFlags flags = (m_template.styles & WS_EX_APPWINDOW) ? Qt::Window : Qt::Dialog;
  flags |= Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowSystemMenuHint | Qt::WindowCloseButtonHint;
  if (m_template.styles & WS_MINIMIZEBOX)
    flags |= Qt::WindowMinimizeButtonHint;
  m_pWindow = new DialogWindow(*this, owner ? owner->GetSafeHwnd() : nullptr, flags);
  m_hWnd = m_pWindow;
  m_controls = buildDialog(m_pWindow, m_template, [this](UINT code, int id, int delta) { notify(code, id, delta); });
  if (OnInitDialog()) {
    const auto first = std::ranges::find_if(m_controls, [this](const auto& control) {
      return (control.second->focusPolicy() & Qt::TabFocus) && control.second->isVisibleTo(m_pWindow);
    });
    if (first != m_controls.end())
      first->second->setFocus();
  }
  const int result = m_pWindow->exec();
  m_controls.clear();
  delete std::exchange(m_pWindow, nullptr);
  if (AfxGetApp()->m_pMainWnd == this) {
    AfxGetApp()->m_pMainWnd = nullptr;
    AfxGetApp()->saveProfile();
  }
  return result;
}

void CDialog::EndDialog(int nResult) {
  m_pWindow->done(nResult);
}

bool CDialog::UpdateData(bool bSaveAndValidate) {
  ++m_nLockNotify;
  CDataExchange dx(this, bSaveAndValidate);
  DoDataExchange(&dx);
  --m_nLockNotify;
  return true;
}

void CDialog::SetIcon(const HICON& icon, bool /*bBigIcon: Qt keeps every size in one icon*/) {
  m_pWindow->setWindowIcon(icon);
}

QWidget* CDialog::controlWidget(int nID) const {
  const auto found = std::ranges::find(m_controls, nID, &std::pair<int, QWidget*>::first);
  return found == m_controls.end() ? nullptr : found->second;
}

void CDialog::PostCommand(int id) {
  QMetaObject::invokeMethod(
      m_pWindow, [this, id] { command(id); }, Qt::QueuedConnection);
}

bool CDialog::handlingKeyboardRequest() const {
  // Only a menu request carries a point.
  return m_pCurrentMsg->point == kFromKeyboard;
}

bool CDialog::OnInitDialog() {
  return UpdateData(false);
}

void CDialog::OnOK() {
  UpdateData(true);
  EndDialog(IDOK);
}
void CDialog::OnCancel() {
  EndDialog(IDCANCEL);
}

bool CDialog::OnWndMsg(Message& msg) {
  static const MessageMapEntry<CDialog> messageMap[] = {
      {WM_COMMAND, CN_COMMAND, IDOK, &CDialog::OnOK},
      {WM_COMMAND, CN_COMMAND, IDCANCEL, &CDialog::OnCancel},
  };
  return dispatchMessage<CDialog>(this, messageMap, msg);
}

void CDialog::Default() {
  // Closing a dialog means Cancel; other messages need nothing beyond what Qt does anyway.
  if (m_pCurrentMsg->message == WM_CLOSE)
    command(IDCANCEL);
}

Message CDialog::deliver(Message msg) {
  const Message* outer = std::exchange(m_pCurrentMsg, &msg);
  // A command that no window handles goes to the application's command map.
  if (!OnWndMsg(msg) && !(msg.message == WM_COMMAND && AfxGetApp()->OnWndMsg(msg)))
    Default();
  m_pCurrentMsg = outer;
  return msg;
}

void CDialog::notify(UINT code, int id, int delta) {
  if (m_nLockNotify > 0)
    return;
  NMUPDOWN record{.hdr = {}, .iDelta = delta};
  // The handler's answer, which nothing here reads.
  LRESULT result{};
  const UINT message = code == UDN_DELTAPOS ? WM_NOTIFY : WM_COMMAND;
  deliver({.message = message, .code = code, .id = id, .pNMHDR = &record.hdr, .pResult = &result});
}
QLineEdit* CDataExchange::PrepareEditCtrl(int nIDC) const {
  return qobject_cast<QLineEdit*>(PrepareCtrl(nIDC));
}
void DDX_Control(CDataExchange* pDX, int nIDC, CWnd& rControl) {
  rControl.m_hWnd = pDX->PrepareCtrl(nIDC);
}

void DDX_Text(CDataExchange* pDX, int nIDC, CString& value) {
  if (pDX->m_bSaveAndValidate)
    value = windowText(pDX->PrepareCtrl(nIDC));
  else
    setWindowText(pDX->PrepareCtrl(nIDC), value);
}
