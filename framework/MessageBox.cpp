// Message boxes with an OK button and the application's name as title, or a handler that replaces them.
#include "framework/MessageBox.h"

#include <QApplication>
#include <QMessageBox>

namespace {
MessageBoxHandler& currentHandler() {
  static MessageBoxHandler handler;
  return handler;
}
}  // namespace

MessageBoxHandler AfxSetMessageBoxHandler(MessageBoxHandler handler) {
  return std::exchange(currentHandler(), std::move(handler));
}

int AfxMessageBox(const char* text, UINT /*type*/, UINT /*helpId*/) {
  if (const auto& handler = currentHandler()) return handler(CString(text));
  QMessageBox box(QMessageBox::NoIcon, QApplication::applicationName(), QString::fromUtf8(text),
                  QMessageBox::Ok, QApplication::activeWindow());
  box.setTextFormat(Qt::PlainText);
  box.exec();
  return IDOK;
}
