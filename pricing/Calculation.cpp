// The ingots required for an exceptional piece and its price, recalculated after every change.
#include "framework/MessageBox.h"
#include "pricing/FormatAmount.h"
#include "pricing/IngotsRequired.h"
#include "ui/CPriceDlg.h"

#include <cstdlib>

namespace {
// The rates band, value before caption, in the order they are shown and hidden.
constexpr CStatic CPriceDlg::*kRateControls[] = {
    &CPriceDlg::m_stcExecRate, &CPriceDlg::m_stcExecRateLabel, &CPriceDlg::m_stcNormRate,
    &CPriceDlg::m_stcNormRateLabel, &CPriceDlg::m_stcBARate, &CPriceDlg::m_stcBARateLabel,
    &CPriceDlg::m_stcFailRate, &CPriceDlg::m_stcFailRateLabel, &CPriceDlg::m_stcDOA,
    &CPriceDlg::m_stcDOALabel,
};
}  // namespace

double CPriceDlg::CalcIngotsRequired() {
  const int ingots = std::atoi(m_strIngots.c_str());
  if (ingots == 0) {
    AfxMessageBox("Invalid value entered for Ingots", MB_OK, 0);
    return 0.0;
  }
  return ingotsRequired(ingots, m_strExecRate.c_str(), m_strNormRate.c_str(), m_strBARate.c_str(),
                        m_strFailRate.c_str(), m_strDOA.c_str());
}

void CPriceDlg::OnCalculate() {
  UpdateData(true);
  const int row = m_comboItem.GetCurSel();
  if (!isCatalogueRow(row)) return;
  CString name;
  m_comboItem.GetLBText(row, name);
  const bool isSuit = !name.IsEmpty() && name.front() == '*';
  const double value = isSuit ? std::atof(m_strIngots.c_str()) : CalcIngotsRequired();
  ShowSetContents(isSuit);
  m_strIgtsReq2.Format("%.2f", value);
  const double price = static_cast<double>(m_nRate) * value;
  m_strPrice = FormatAmount(price);
  UpdateData(false);
}

void CPriceDlg::ShowSetContents(bool isSuit) {
  m_stcSetContents.ShowWindow(isSuit ? SW_SHOW : SW_HIDE);
  // The parts stand only in the level-100 exceptional column; the other levels hold "0" there.
  if (isSuit) m_stcSetContents.SetWindowText(m_arrExcRate.GetAt(m_comboItem.GetCurSel()));
  for (CStatic CPriceDlg::*control : kRateControls) (this->*control).ShowWindow(isSuit ? SW_HIDE : SW_SHOW);
}

void CPriceDlg::OnChangeRate() {
  if (m_bReady) OnCalculate();
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
