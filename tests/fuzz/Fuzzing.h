// What the fuzz targets share: headless Qt and the application object for the whole run, a message box taken for a
// finding, and a finding reported with what went wrong.
#pragma once

#include "tests/support/Support.h"

#include <cstdio>
#include <cstdlib>

[[noreturn]] inline void finding(const char* target, const std::string& what) {
  std::fprintf(stderr, "%s: %s\n", target, what.c_str());
  std::abort();
}

inline void startFuzzing(int* argc, char*** argv, const char* target) {
  startHeadless(*argc, *argv);
  AfxSetMessageBoxHandler([target](const CString& text) -> int { finding(target, "unexpected message: " + text); });
}
