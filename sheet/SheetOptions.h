// The command line of the price sheet: what it asks for, or the one problem that stops it.
#pragma once

#include "pricing/SkillLevels.h"

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
  std::string problem;  // for error: one line naming it, without the program's name
};

// Reads the arguments that follow the program's name. Strict: an unknown option, a missing or malformed
// value, a value out of range and an option repeated with another value are all errors.
SheetCommandLine parseSheetCommandLine(const std::vector<std::string>& arguments);

// The text that --help prints.
std::string sheetHelp();
