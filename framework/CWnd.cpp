// Window operations on the Qt widget that stands for a window or control.
#include "framework/CWnd.h"

#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QSignalBlocker>
#include <QWindow>

const CWnd CWnd::wndTopMost, CWnd::wndNoTopMost;

CString windowText(const QWidget* widget) {
  if (const auto* label = qobject_cast<const QLabel*>(widget))
    return CString::fromQString(label->text());
  if (const auto* edit = qobject_cast<const QLineEdit*>(widget))
    return CString::fromQString(edit->text());
  return {};
}

void setWindowText(QWidget* widget, const CString& text) {
  if (auto* edit = qobject_cast<QLineEdit*>(widget))
    edit->setText(text.toQString());
  if (auto* label = qobject_cast<QLabel*>(widget))
    label->setText(text.toQString());
}

void CWnd::ShowWindow(int nCmdShow) {
  m_hWnd->setVisible(nCmdShow != SW_HIDE);
}
void CWnd::SetWindowText(const CString& text) {
  setWindowText(m_hWnd, text);
}

CRect CWnd::GetWindowRect() const {
  const QRect area =
      m_hWnd->isWindow() ? m_hWnd->frameGeometry() : QRect(m_hWnd->mapToGlobal(QPoint(0, 0)), m_hWnd->size());
  return {area.left(), area.top(), area.left() + area.width(), area.top() + area.height()};
}

void CWnd::ScreenToClient(CRect& rect) const {
  const QPoint origin = m_hWnd->mapToGlobal(QPoint(0, 0));
  rect = {rect.left - origin.x(), rect.top - origin.y(), rect.right - origin.x(), rect.bottom - origin.y()};
}

void CWnd::SetWindowPos(const CWnd* pWndInsertAfter, int x, int y, int cx, int cy, UINT nFlags) {
  if (!(nFlags & SWP_NOZORDER) && (pWndInsertAfter == &wndTopMost || pWndInsertAfter == &wndNoTopMost)) {
    const Qt::WindowFlags flags =
        m_hWnd->windowFlags().setFlag(Qt::WindowStaysOnTopHint, pWndInsertAfter == &wndTopMost);
    // setWindowFlags would hide the window, ending a running modal loop; the native window takes the hint in place.
    m_hWnd->overrideWindowFlags(flags);
    if (QWindow* window = m_hWnd->windowHandle())
      window->setFlags(flags);
  }
  if (!(nFlags & SWP_NOMOVE))
    m_hWnd->move(x, y);
  if (!(nFlags & SWP_NOSIZE))
    m_hWnd->resize(cx, cy);
}

QComboBox* CComboBox::list() const {
  return qobject_cast<QComboBox*>(m_hWnd.data());
}

// Changes made from code go without the signals that mean a user's choice.
void CComboBox::ResetContent() {
  const QSignalBlocker silent(list());
  list()->clear();
}

void CComboBox::AddString(const char* text) {
  const QSignalBlocker silent(list());
  list()->addItem(QString::fromUtf8(text));
  // A list that was empty shows no selection yet.
  if (list()->count() == 1)
    list()->setCurrentIndex(-1);
}

void CComboBox::SetCurSel(int index) {
  const QSignalBlocker silent(list());
  list()->setCurrentIndex(index);
}

int CComboBox::GetCurSel() const {
  return list()->currentIndex();
}

void CComboBox::GetLBText(int index, CString& text) const {
  text = CString::fromQString(list()->itemText(index));
}
