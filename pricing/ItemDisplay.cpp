// The selected item's figures at the current skill level, and the level commands.
#include "pricing/SkillLevels.h"
#include "ui/CPriceDlg.h"

CString CPriceDlg::rateField(int row, int field) const {
  return (this->*skillLevelOf(m_nLevel).columns[field]).GetAt(row);
}

CString CPriceDlg::GetExecRate(int row) const {
  return rateField(row, kExecRateField);
}
CString CPriceDlg::GetNormRate(int row) const {
  return rateField(row, kNormRateField);
}
CString CPriceDlg::GetBARate(int row) const {
  return rateField(row, kBARateField);
}
CString CPriceDlg::GetFailRate(int row) const {
  return rateField(row, kFailRateField);
}
CString CPriceDlg::GetDOA(int row) const {
  return rateField(row, kDOAField);
}

bool CPriceDlg::isCatalogueRow(int row) const {
  return row >= 0 && row < m_arrItem.GetSize();
}

void CPriceDlg::OnSelchangeItem() {
  const int row = m_comboItem.GetCurSel();
  // With an empty catalogue there is no selection and nothing to show, nor to price.
  if (!isCatalogueRow(row))
    return;
  m_strDOA = GetDOA(row);
  m_strExecRate = GetExecRate(row);
  m_strFailRate = GetFailRate(row);
  m_strIgtsReq2.clear();
  m_strIngots = m_arrIngots.GetAt(row);
  m_strBARate = GetBARate(row);
  m_strNormRate = GetNormRate(row);
  m_strPrice.clear();
  UpdateData(false);
  OnChangeRate();
}

void CPriceDlg::showLevel(int commandId) {
  m_nLevel = commandId;
  OnSelchangeItem();
}

void CPriceDlg::OnSkill100() {
  showLevel(ID_SKILL_100);
}
void CPriceDlg::OnSkill90() {
  showLevel(ID_SKILL_90);
}
void CPriceDlg::OnSkill80() {
  showLevel(ID_SKILL_80);
}
void CPriceDlg::OnSkill70() {
  showLevel(ID_SKILL_70);
}
void CPriceDlg::OnSkill60() {
  showLevel(ID_SKILL_60);
}
void CPriceDlg::OnSkill50() {
  showLevel(ID_SKILL_50);
}
