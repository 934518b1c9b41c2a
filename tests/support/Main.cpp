// The entry point of every test binary.
#include "tests/support/Support.h"

int main(int argc, char** argv) {
  ::testing::InitGoogleTest(&argc, argv);
  startHeadless(argc, argv);
  return RUN_ALL_TESTS();
}
