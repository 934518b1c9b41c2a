// The right-click menu of skill levels and keep-on-top.
#include "ui/CPriceDlg.h"

void CPriceDlg::OnContextMenu(CWnd*, CPoint) {}
void CPriceDlg::OnKeepOnTop() {}
