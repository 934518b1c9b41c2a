// The process entry: the one application object, and the framework's start-up under the desktop entry's name.
#include "app/CPriceApp.h"

namespace {
CPriceApp theApp;
}  // namespace

int main(int argc, char** argv) {
  return AfxWinMain(argc, argv, QUENCHMARK_APP_ID);
}
