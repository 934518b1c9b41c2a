// What the fuzz targets share, each including it once: headless Qt and the application object for the whole run, and
// any message box or broken rule taken for a finding, reported with what went wrong.
#pragma once

#include "tests/support/Support.h"

[[noreturn]] inline void finding(const std::string& what) {
  std::fprintf(stderr, "finding: %s\n", what.c_str());
  std::abort();
}

extern "C" int LLVMFuzzerInitialize(int* argc, char*** argv) {
  startHeadless(*argc, *argv);
  AfxSetMessageBoxHandler([](const CString& text) -> int { finding("unexpected message: " + text); });
  return 0;
}
