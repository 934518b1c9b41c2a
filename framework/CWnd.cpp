// Window operations on the Qt widget that stands for a window or control.
#include "framework/CWnd.h"

#include "framework/AccessibleValueBox.h"

#include <QAbstractButton>
#include <QComboBox>
#include <QGuiApplication>
#include <QLabel>
#include <QLineEdit>
#include <QScreen>
#include <QWindow>
#include <algorithm>

const CWnd CWnd::wndTopMost;
const CWnd CWnd::wndNoTopMost;

bool isOnSomeScreen(int x, int y, int cx, int cy) {
  // In 64 bits, since a stored position may lie anywhere in the int range.
  const qint64 left = x;
  const qint64 top = y;
  const qint64 right = left + std::max(cx, 1);
  const qint64 bottom = top + std::max(cy, 1);
  for (const QScreen* screen : QGuiApplication::screens()) {
    const QRect area = screen->geometry();
    const bool across = left < qint64(area.x()) + area.width() && right > area.x();
    const bool down = top < qint64(area.y()) + area.height() && bottom > area.y();
    if (across && down) return true;
  }
  return false;
}

CString windowText(const QWidget* widget) {
  if (!widget) return {};
  if (const auto* label = qobject_cast<const QLabel*>(widget)) return CString::fromQString(label->text());
  if (const auto* edit = qobject_cast<const QLineEdit*>(widget)) return CString::fromQString(edit->text());
  if (const auto* button = qobject_cast<const QAbstractButton*>(widget))
    return CString::fromQString(button->text());
  if (const auto* combo = qobject_cast<const QComboBox*>(widget))
    return CString::fromQString(combo->currentText());
  return CString::fromQString(widget->windowTitle());
}

void setWindowText(QWidget* widget, const CString& text) {
  if (!widget) return;
  const QString qtext = text.toQString();
  if (auto* label = qobject_cast<QLabel*>(widget)) {
    const QString before = label->text();
    label->setText(qtext);
    announceValueBoxText(label, before);
  } else if (auto* edit = qobject_cast<QLineEdit*>(widget))
    edit->setText(qtext);
  else if (auto* button = qobject_cast<QAbstractButton*>(widget))
    button->setText(qtext);
  else
    widget->setWindowTitle(qtext);
}

bool CWnd::ShowWindow(int nCmdShow) {
  if (!m_hWnd) return false;
  const bool wasVisible = m_hWnd->isVisibleTo(m_hWnd->parentWidget());
  m_hWnd->setVisible(nCmdShow != SW_HIDE);
  return wasVisible;
}

void CWnd::SetWindowText(const CString& text) { setWindowText(m_hWnd, text); }

CString CWnd::GetWindowText() const { return windowText(m_hWnd); }

bool CWnd::IsIconic() const { return m_hWnd && m_hWnd->isMinimized(); }

CRect CWnd::GetWindowRect() const {
  if (!m_hWnd) return {};
  const QRect area = m_hWnd->isWindow() ? m_hWnd->frameGeometry()
                                         : QRect(m_hWnd->mapToGlobal(QPoint(0, 0)), m_hWnd->size());
  return {area.left(), area.top(), area.left() + area.width(), area.top() + area.height()};
}

void CWnd::ScreenToClient(CRect& rect) const {
  if (!m_hWnd) return;
  const QPoint origin = m_hWnd->mapToGlobal(QPoint(0, 0));
  rect = {rect.left - origin.x(), rect.top - origin.y(), rect.right - origin.x(), rect.bottom - origin.y()};
}

bool CWnd::SetWindowPos(const CWnd* pWndInsertAfter, int x, int y, int cx, int cy, UINT nFlags) {
  if (!m_hWnd) return false;
  if (!(nFlags & SWP_NOZORDER) && (pWndInsertAfter == &wndTopMost || pWndInsertAfter == &wndNoTopMost)) {
    const Qt::WindowFlags flags =
        m_hWnd->windowFlags().setFlag(Qt::WindowStaysOnTopHint, pWndInsertAfter == &wndTopMost);
    // QWidget::setWindowFlags would hide the window, which ends a running modal loop; the native window
    // takes the new hint in place instead.
    m_hWnd->overrideWindowFlags(flags);
    if (QWindow* window = m_hWnd->windowHandle()) window->setFlags(flags);
  }
  if (!(nFlags & SWP_NOMOVE)) m_hWnd->move(x, y);
  if (!(nFlags & SWP_NOSIZE)) m_hWnd->resize(cx, cy);
  return true;
}
