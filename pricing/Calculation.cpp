// The ingots required for an exceptional piece and its price.
#include "ui/CPriceDlg.h"

void CPriceDlg::OnCalculate() {}
void CPriceDlg::OnChangeRate() {}
void CPriceDlg::OnDeltaposSpin1(NMHDR*, LRESULT* pResult) { *pResult = 0; }
