// The price sheet's process entry: Qt's core application for the command line, and no display.
#include "framework/Locale.h"
#include "sheet/SheetCommand.h"

#include <QCoreApplication>
#include <iostream>

int main(int argc, char** argv) {
  const QCoreApplication application(argc, argv);
  keepCNumbers();
  return runSheet(QCoreApplication::arguments().mid(1), std::cout, std::cerr);
}
