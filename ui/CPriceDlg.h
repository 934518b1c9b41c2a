// The main window: item list, Rate, the item's figures, and the price of one exceptional piece.
#pragma once

#include "catalogue/ItemCatalogue.h"
#include "framework/CDialog.h"
#include "res/resource.h"

// The item table's columns (ItemCatalogue) are members of the window, which owns what it shows.
class CPriceDlg : public CDialog, public ItemCatalogue {
public:
  CPriceDlg();
  ~CPriceDlg() override = default;

  CStatic m_stcDOALabel;
  CStatic m_stcDOA;
  CStatic m_stcFailRateLabel;
  CStatic m_stcFailRate;
  CStatic m_stcBARateLabel;
  CStatic m_stcBARate;
  CStatic m_stcNormRate;
  CStatic m_stcNormRateLabel;
  CStatic m_stcExecRate;
  CStatic m_stcExecRateLabel;
  CStatic m_stcSetContents;
  CString m_strDOA;
  CString m_strExecRate;
  CString m_strFailRate;
  CString m_strIgtsReq2;
  CString m_strIngots;
  CComboBox m_comboItem;
  CString m_strBARate;
  CString m_strNormRate;
  CString m_strPrice;
  int m_nRate = 0;
  bool m_bReady = false;
  bool m_bTopMost = false;
  int m_nLevel = ID_SKILL_100;
  HICON m_hIcon;

  // The selected row's results at the current skill level; row must exist.
  CString GetExecRate(int row) const;
  CString GetNormRate(int row) const;
  CString GetBARate(int row) const;
  CString GetFailRate(int row) const;
  CString GetDOA(int row) const;
  // Net ingots for one exceptional piece of the non-suit item shown; warns and gives 0 for 0 ingots.
  double CalcIngotsRequired();

protected:
  void DoDataExchange(CDataExchange* pDX) override;
  bool OnInitDialog() override;
  void OnCancel() override;
  bool OnWndMsg(Message& msg) override;

  // Message handlers, in map order.
  void OnPaint();
  HICON OnQueryDragIcon();
  void OnLoad();
  void OnSelchangeItem();
  void OnCalculate();
  void OnClose();
  void OnChangeRate();
  void OnDeltaposSpin1(NMHDR* pNMHDR, LRESULT* pResult);
  void ToggleTopMost();
  void OnAbout();
  void OnContextMenu(CWnd* pWnd, CPoint point);
  void OnKeepOnTop();
  void OnSkill100();
  void OnSkill90();
  void OnSkill80();
  void OnSkill70();
  void OnSkill60();
  void OnSkill50();
  void ShowSetContents(bool isSuit);

  // Start-up restore of the stored window position, keep-on-top and skill level.
  void restoreSettings();

private:
  CString rateField(int row, int field) const;
  bool isCatalogueRow(int row) const;
  // A level command: the same item shown again at the command's level.
  void showLevel(int commandId);

  static const MessageMapEntry<CPriceDlg> messageMap[];
};
