// The main window: item list, Rate, the item's figures, and the price of one exceptional piece.
//
// CPriceDlg is the hub of the program; its members live in the folder of the subsystem they belong to:
//   ui/CPriceDlg.cpp        construction, data exchange (DoDataExchange), the message map, OnInitDialog, OnPaint,
//                           OnQueryDragIcon, OnCancel (Esc does nothing) and OnAbout (ui/CAboutDlg.cpp: the box)
//   ui/ContextMenu.cpp      OnContextMenu and OnKeepOnTop
//   ui/DDX_TextClamped.cpp  the Rate edit's exchange, held within kRateMin..kRateMax
//   catalogue/OnLoad.cpp    OnLoad: the item table into the catalogue (the ItemCatalogue base) and the item list
//   pricing/ItemDisplay.cpp the five getters, OnSelchangeItem and the level commands OnSkill100 to OnSkill50
//   pricing/Calculation.cpp OnCalculate, OnChangeRate, OnDeltaposSpin1 and ShowSetContents, over the pricing core
//                           (pricing/ItemFigures.h), which works out every figure without a window
//   app/Settings.cpp        restoreSettings, OnClose and ToggleTopMost: the stored position, keep-on-top and level
//
// A message's path: Qt's signal or event reaches the layer's dialog (framework/CDialog.cpp), which drops control
// notifications while a data exchange runs and hands everything else to OnWndMsg; the message map below names the
// handler. A typical change, the user picking an item: CBN_SELCHANGE -> OnSelchangeItem (the row's texts at the
// current level into the m_str members, UpdateData(false)) -> OnChangeRate -> OnCalculate (UpdateData(true), the
// pricing core's calculate(), ShowSetContents, UpdateData(false)). A Rate typed or stepped enters at OnChangeRate or
// OnDeltaposSpin1; a level command at OnSkill100..OnSkill50, which refresh as a new selection does.
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
