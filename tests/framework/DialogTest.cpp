// The layer's dialogs: a template of our own, whose captions label their controls whatever row they stand in.
#include "framework/DialogTemplate.h"
#include "tests/support/Support.h"

namespace {
TEST(Dialog, ACaptionLabelsItsControlInTheFirstRowAsInTheLast) {
  using enum ControlKind;
  constexpr DialogControl kControls[] = {
      {-1, Static, "First", true, 0, 0, 40, 8, 0, nullptr, 2},
      {1, Edit, "", true, 0, 10, 40, 14, WS_BORDER},
      {2, Edit, "", true, 0, 30, 40, 14, WS_BORDER},
      {-1, Static, "Last", true, 0, 50, 40, 8, 0, nullptr, 1},
  };
  const DialogTemplate dialogTemplate{1, "Captions", 60, 60, "MS Sans Serif", 8, 0, kControls};
  QWidget window;
  const ControlList controls = buildDialog(&window, dialogTemplate, [](UINT, int, int) {});
  EXPECT_EQ(qobject_cast<QLabel*>(controls.front().second)->buddy(), controls[2].second);
  EXPECT_EQ(qobject_cast<QLabel*>(controls.back().second)->buddy(), controls[1].second);
}

}  // namespace
