// The layer's dialogs: a template of our own, whose captions label their controls whatever row they stand in, and the
// message box.
#include "framework/DialogTemplate.h"
#include "tests/support/Support.h"

#include <QMessageBox>

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

TEST(Dialog, EnterSavesWhatTheControlsHoldIntoTheMembers) {
  constexpr DialogControl kControls[] = {{1, ControlKind::Edit, "", true, 0, 0, 40, 14, WS_BORDER}};
  const DialogTemplate dialogTemplate{1, "Form", 60, 20, "MS Sans Serif", 8, 0, kControls};
  struct Form : CDialog {
    using CDialog::CDialog;
    void DoDataExchange(CDataExchange* pDX) override { DDX_Text(pDX, 1, text); }
    CString text;
  } form(dialogTemplate);
  QTimer::singleShot(0, [&] {
    auto* edit = qobject_cast<QLineEdit*>(form.controlWidget(1));
    edit->setText("typed");
    QTest::keyClick(edit, Qt::Key_Return);
    if (form.GetSafeHwnd()->isVisible())
      form.EndDialog(kEndedByTest);
  });
  EXPECT_EQ(form.DoModal(), IDOK);
  EXPECT_EQ(form.text, "typed");
}

// The text as written, never read as markup, until the user closes the box.
TEST(MessageBox, ShowsItsTextAsWrittenUntilClosed) {
  const MessageBoxHandler failing = AfxSetMessageBoxHandler(onScreenMessageBox);
  bool closed = false;
  onNextPopup([&](QWidget* popup) {
    auto* box = qobject_cast<QMessageBox*>(popup);
    EXPECT_EQ(box->text(), "<b>1 < 2</b>");
    EXPECT_EQ(box->textFormat(), Qt::PlainText);
    QTest::keyClick(box, Qt::Key_Return);
    closed = true;
  });
  EXPECT_EQ(AfxMessageBox("<b>1 < 2</b>"), IDOK);
  EXPECT_TRUE(closed);
  AfxSetMessageBoxHandler(failing);
}
}  // namespace
