// The price sheet as a command: arguments in, the sheet out, problems on the error stream.
#pragma once

#include <QStringList>
#include <ostream>

// Exit statuses of the command.
enum SheetStatus {
  kSheetPrinted = 0,
  kSheetFailed = 1,
  kSheetBadArgument = 2
};

// Runs the command on the arguments that follow the program's name. A bad argument gives one line on
// `err` and nothing on `out`; the table's read failures and rows without ingots are reported on `err`,
// never in a message box.
int runSheet(const QStringList& arguments, std::ostream& out, std::ostream& err);
