// The stored window position, keep-on-top and skill level, and leaving through the close box.
#include "ui/CPriceDlg.h"

void CPriceDlg::restoreSettings() {}

void CPriceDlg::OnClose() {
  CDialog::OnCancel();
  Default();
}

void CPriceDlg::ToggleTopMost() {}
