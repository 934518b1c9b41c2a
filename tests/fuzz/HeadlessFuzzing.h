// The headless application that the window-driving fuzz targets share, set up once per run.
#pragma once

#include "framework/MessageBox.h"
#include "tests/support/HeadlessApp.h"

#include <cstdio>
#include <cstdlib>
#include <string>
#include <vector>

// Starts Qt and the application object for the whole run; any message box but the `expected` ones ends
// the run as a finding of `target`.
inline void startHeadlessFuzzing(int* argc, char*** argv, const char* target,
                                 std::vector<std::string> expected = {}) {
  // Never torn down: exit would destroy it after Qt's own caches that it still uses when it goes.
  static const HeadlessApp* app = new HeadlessApp(*argc, *argv);
  if (!app->isValid()) std::abort();
  AfxSetMessageBoxHandler([target, expected = std::move(expected)](const CString& text) -> int {
    for (const std::string& allowed : expected)
      if (text == allowed) return IDOK;
    std::fprintf(stderr, "%s: unexpected message \"%s\"\n", target, text.c_str());
    std::abort();
  });
}
