// What each fuzz target includes once: headless Qt for the run, and any message box or broken rule as a finding.
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
