// Construction, data exchange, message map and initialisation of the main window.
#include "ui/CPriceDlg.h"

#include "framework/CWinApp.h"
#include "pricing/ItemFigures.h"
#include "res/Templates.h"
#include "ui/CAboutDlg.h"
#include "ui/DDX_TextClamped.h"

CPriceDlg::CPriceDlg() : CDialog(findDialogTemplate(IDD_PRICE_DIALOG)), m_hIcon(AfxGetApp()->LoadIcon(IDR_MAINFRAME)) {}

void CPriceDlg::DoDataExchange(CDataExchange* pDX) {
  CDialog::DoDataExchange(pDX);
  DDX_Control(pDX, IDC_DOA_LABEL, m_stcDOALabel);
  DDX_Control(pDX, IDC_DOA, m_stcDOA);
  DDX_Control(pDX, IDC_FAIL_RATE_LABEL, m_stcFailRateLabel);
  DDX_Control(pDX, IDC_FAIL_RATE, m_stcFailRate);
  DDX_Control(pDX, IDC_BA_RATE_LABEL, m_stcBARateLabel);
  DDX_Control(pDX, IDC_BA_RATE, m_stcBARate);
  DDX_Control(pDX, IDC_NORM_RATE, m_stcNormRate);
  DDX_Control(pDX, IDC_NORM_RATE_LABEL, m_stcNormRateLabel);
  DDX_Control(pDX, IDC_EXEC_RATE, m_stcExecRate);
  DDX_Control(pDX, IDC_EXEC_RATE_LABEL, m_stcExecRateLabel);
  DDX_Control(pDX, IDC_SET_CONTENTS, m_stcSetContents);
  DDX_Text(pDX, IDC_DOA, m_strDOA);
  DDX_Text(pDX, IDC_EXEC_RATE, m_strExecRate);
  DDX_Text(pDX, IDC_FAIL_RATE, m_strFailRate);
  DDX_Text(pDX, IDC_IGTS_REQ2, m_strIgtsReq2);
  DDX_Text(pDX, IDC_INGOTS, m_strIngots);
  DDX_Control(pDX, IDC_ITEM, m_comboItem);
  DDX_Text(pDX, IDC_BA_RATE, m_strBARate);
  DDX_Text(pDX, IDC_NORM_RATE, m_strNormRate);
  DDX_Text(pDX, IDC_PRICE, m_strPrice);
  DDX_TextClamped(pDX, IDC_RATE, m_nRate, kRateMin, kRateMax);
}

const MessageMapEntry<CPriceDlg> CPriceDlg::messageMap[] = {
    {WM_PAINT, 0, 0, &CPriceDlg::OnPaint},
    {WM_QUERYDRAGICON, 0, 0, &CPriceDlg::OnQueryDragIcon},
    {WM_COMMAND, BN_CLICKED, IDC_LOAD, &CPriceDlg::OnLoad},
    {WM_COMMAND, CBN_SELCHANGE, IDC_ITEM, &CPriceDlg::OnSelchangeItem},
    {WM_COMMAND, BN_CLICKED, IDC_CALCULATE, &CPriceDlg::OnCalculate},
    {WM_CLOSE, 0, 0, &CPriceDlg::OnClose},
    {WM_COMMAND, EN_CHANGE, IDC_RATE, &CPriceDlg::OnChangeRate},
    {WM_NOTIFY, UDN_DELTAPOS, IDC_SPIN1, &CPriceDlg::OnDeltaposSpin1},
    {WM_COMMAND, BN_CLICKED, IDC_TOP, &CPriceDlg::ToggleTopMost},
    {WM_COMMAND, BN_CLICKED, IDC_ABOUT, &CPriceDlg::OnAbout},
    {WM_CONTEXTMENU, 0, 0, &CPriceDlg::OnContextMenu},
    {WM_COMMAND, CN_COMMAND, ID_KEEP_ON_TOP, &CPriceDlg::OnKeepOnTop},
    {WM_COMMAND, CN_COMMAND, ID_SKILL_100, &CPriceDlg::OnSkill100},
    {WM_COMMAND, CN_COMMAND, ID_SKILL_90, &CPriceDlg::OnSkill90},
    {WM_COMMAND, CN_COMMAND, ID_SKILL_80, &CPriceDlg::OnSkill80},
    {WM_COMMAND, CN_COMMAND, ID_SKILL_70, &CPriceDlg::OnSkill70},
    {WM_COMMAND, CN_COMMAND, ID_SKILL_60, &CPriceDlg::OnSkill60},
    {WM_COMMAND, CN_COMMAND, ID_SKILL_50, &CPriceDlg::OnSkill50},
};

bool CPriceDlg::OnWndMsg(Message& msg) {
  return dispatchMessage<CPriceDlg>(this, messageMap, msg) || CDialog::OnWndMsg(msg);
}

bool CPriceDlg::OnInitDialog() {
  CDialog::OnInitDialog();
  m_bReady = true;
  SetIcon(m_hIcon, true);
  SetIcon(m_hIcon, false);
  OnLoad();
  m_comboItem.SetCurSel(0);
  OnSelchangeItem();
  restoreSettings();

  // The suit contents box covers the whole band of rate captions and values.
  CRect caption = m_stcExecRateLabel.GetWindowRect();
  ScreenToClient(caption);
  CRect doa = m_stcDOA.GetWindowRect();
  ScreenToClient(doa);
  m_stcSetContents.SetWindowPos(nullptr, caption.left, caption.top, doa.right - caption.left, doa.bottom - caption.top,
                                SWP_NOZORDER);
  return true;
}

void CPriceDlg::OnPaint() {
  // A minimised window is drawn by the desktop from the icon OnQueryDragIcon gives; the rest is default.
  Default();
}

HICON CPriceDlg::OnQueryDragIcon() {
  return m_hIcon;
}

void CPriceDlg::OnCancel() {
  // Esc must not end the calculator; only closing the window or Enter does.
}

void CPriceDlg::OnAbout() {
  CAboutDlg dlgAbout;
  dlgAbout.DoModal();
}
