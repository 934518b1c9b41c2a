// What the startup benchmark measures the program against: a bare Qt dialog holding a list of 58 entries, as the
// program's window does, and nothing else.
#include <QApplication>
#include <QComboBox>
#include <QDialog>

int main(int argc, char** argv) {
  QApplication application(argc, argv);
  QDialog dialog;
  dialog.setWindowTitle(QStringLiteral("Bare"));
  auto* list = new QComboBox(&dialog);
  for (int i = 0; i < 58; ++i)
    list->addItem(QStringLiteral("Item %1").arg(i));
  return dialog.exec();
}
