// The price sheet's process entry.
#include "sheet/SheetCommand.h"

#include <algorithm>
#include <iostream>

int main(int argc, char** argv) {
  // A start without even the program's own name is possible, and then there is nothing to skip.
  return runSheet(std::vector<std::string>(argv + std::min(argc, 1), argv + argc), std::cout, std::cerr);
}
