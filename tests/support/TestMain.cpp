// Entry point of every test binary: headless Qt, and settings and runtime files in a private temporary directory.
#include "tests/support/HeadlessApp.h"

#include <gtest/gtest.h>

int main(int argc, char** argv) {
  ::testing::InitGoogleTest(&argc, argv);
  const HeadlessApp app(argc, argv);
  if (!app.isValid()) return 1;
  return RUN_ALL_TESTS();
}
