// The command line of the price sheet: what it asks for, or the one problem that stops it.
#pragma once

#include "pricing/SkillLevels.h"

#include <QStringList>
#include <string>
#include <vector>

enum class SheetSort {
  table,
  name,
  ingots,
  price
};

struct SheetOptions {
  int rate = 12;
  std::vector<const SkillLevel*> levels{&kSkillLevels.front()};  // in the order of kSkillLevels
  bool csv = false;
  SheetSort sort = SheetSort::table;
};

struct SheetCommandLine {
  enum Action {
    run,
    help,
    version,
    error
  };
  Action action = run;
  SheetOptions options;
  std::string text;  // help: the help text; version: the version line; error: one line naming the problem
};

// Reads the arguments that follow the program's name; "--" ends the options. Strict: an unknown option, a missing or
// malformed value, a value out of range, an option repeated with another value and any argument that is not an option
// are all errors.
SheetCommandLine parseSheetCommandLine(const QStringList& arguments);
