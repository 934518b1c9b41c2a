// Event handling of a dialog's window, delivered through the dialog's message map.
#include "framework/DialogWindow.h"

#include "framework/CDialog.h"

#include <QCloseEvent>
#include <QContextMenuEvent>
#include <QKeyEvent>
#include <QPushButton>

DialogWindow::DialogWindow(CDialog& owner, QWidget* parent, Qt::WindowFlags flags)
    : QDialog(parent, flags), m_owner(owner) {}

void DialogWindow::closeEvent(QCloseEvent* event) {
  // The dialog decides whether closing ends it; the window itself never goes away on its own.
  event->ignore();
  Message msg{.message = WM_CLOSE};
  m_owner.deliver(msg);
}

void DialogWindow::keyPressEvent(QKeyEvent* event) {
  const bool plain = event->modifiers() == Qt::NoModifier || event->modifiers() == Qt::KeypadModifier;
  if (plain && (event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter)) {
    // A focused push button takes Enter itself; anywhere else Enter is the default button's command,
    // even when that button is hidden.
    if (auto* button = qobject_cast<QPushButton*>(focusWidget()); button && button->isVisible()) {
      button->click();
    } else {
      Message msg{.message = WM_COMMAND, .code = CN_COMMAND, .id = m_owner.m_nDefaultId};
      m_owner.deliver(msg);
    }
  } else if (plain && event->key() == Qt::Key_Escape) {
    Message msg{.message = WM_COMMAND, .code = CN_COMMAND, .id = IDCANCEL};
    m_owner.deliver(msg);
  } else if (event->modifiers() == Qt::ShiftModifier && event->key() == Qt::Key_F10) {
    Message msg{.message = WM_CONTEXTMENU, .pWnd = &m_owner, .point = {-1, -1}};
    m_owner.deliver(msg);
  } else {
    QWidget::keyPressEvent(event);
  }
}

void DialogWindow::contextMenuEvent(QContextMenuEvent* event) {
  const CPoint point = event->reason() == QContextMenuEvent::Mouse
                           ? CPoint{event->globalPos().x(), event->globalPos().y()}
                           : CPoint{-1, -1};
  Message msg{.message = WM_CONTEXTMENU, .pWnd = &m_owner, .point = point};
  m_owner.deliver(msg);
}

void DialogWindow::paintEvent(QPaintEvent* event) {
  Message msg{.message = WM_PAINT};
  m_owner.deliver(msg);
  QDialog::paintEvent(event);
}

void DialogWindow::changeEvent(QEvent* event) {
  // A minimised window shows the icon the dialog answers with; the desktop draws it.
  if (event->type() == QEvent::WindowStateChange && isMinimized()) {
    Message msg{.message = WM_QUERYDRAGICON};
    m_owner.deliver(msg);
    if (!msg.icon.isNull()) setWindowIcon(msg.icon);
  }
  QDialog::changeEvent(event);
}
