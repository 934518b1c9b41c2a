// The window's side of the price calculation: the figures worked out for the item shown, recalculated after every
// change of item, level or Rate, and the Rate's arrows.
#include "framework/Resources.h"
#include "pricing/ItemFigures.h"
#include "ui/CPriceDlg.h"

namespace {
// The rates band, value before caption, in the order they are shown and hidden.
constexpr CStatic CPriceDlg::*kRateControls[] = {
    &CPriceDlg::m_stcExecRate,      &CPriceDlg::m_stcExecRateLabel, &CPriceDlg::m_stcNormRate,
    &CPriceDlg::m_stcNormRateLabel, &CPriceDlg::m_stcBARate,        &CPriceDlg::m_stcBARateLabel,
    &CPriceDlg::m_stcFailRate,      &CPriceDlg::m_stcFailRateLabel, &CPriceDlg::m_stcDOA,
    &CPriceDlg::m_stcDOALabel,
};
}  // namespace

void CPriceDlg::OnCalculate() {
  UpdateData(true);
  const int row = m_comboItem.GetCurSel();
  if (!isCatalogueRow(row))
    return;
  CString name;
  m_comboItem.GetLBText(row, name);
  // What the boxes show, which is the row at the level of the last refresh.
  const ItemTexts shown{name, m_strIngots, {m_strExecRate, m_strNormRate, m_strBARate, m_strFailRate, m_strDOA}};
  const Calculation calculation = calculate(shown, m_nRate);
  if (calculation.invalidIngots)
    AfxMessageBox("Invalid value entered for Ingots", MB_OK, 0);
  ShowSetContents(calculation.isSuit);
  m_strIgtsReq2 = calculation.ingotsRequiredText;
  m_strPrice = calculation.priceText;
  UpdateData(false);
}

void CPriceDlg::ShowSetContents(bool isSuit) {
  m_stcSetContents.ShowWindow(isSuit ? SW_SHOW : SW_HIDE);
  if (isSuit)
    m_stcSetContents.SetWindowText(suitParts(*this, m_comboItem.GetCurSel()));
  for (CStatic CPriceDlg::*control : kRateControls)
    (this->*control).ShowWindow(isSuit ? SW_HIDE : SW_SHOW);
}

void CPriceDlg::OnChangeRate() {
  if (m_bReady)
    OnCalculate();
}

void CPriceDlg::OnDeltaposSpin1(NMHDR* pNMHDR, LRESULT* pResult) {
  const int delta = reinterpret_cast<NMUPDOWN*>(pNMHDR)->iDelta;
  // The up arrow proposes a negative change; a Rate of 0 is not lowered further.
  if ((delta > 0 && m_nRate > 0) || delta < 0) {
    m_nRate -= delta;
    UpdateData(false);
    OnChangeRate();
  }
  *pResult = 0;
}
