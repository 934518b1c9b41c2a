// Modal dialogs built from their templates, with data exchange and a message map.
#pragma once

#include "framework/CWnd.h"
#include "framework/DialogTemplate.h"

class CDataExchange;
class DialogWindow;
class QLineEdit;

class CDialog : public CWnd {
public:
  // A dialog other than the main window belongs to the main window, over which it opens centred.
  explicit CDialog(const DialogTemplate& dialogTemplate) : m_template(dialogTemplate) {}

  int DoModal();
  void EndDialog(int nResult);
  // DoDataExchange towards the members (true) or controls (false), dropping notifications so no handler re-enters.
  bool UpdateData(bool bSaveAndValidate = true);
  void SetIcon(const HICON& icon, bool bBigIcon);
  // The widget of control nID; nullptr when the window does not exist or has no such control.
  QWidget* controlWidget(int nID) const;
  void PostCommand(int id) override;
  bool handlingKeyboardRequest() const override;

protected:
  virtual void DoDataExchange(CDataExchange* /*pDX*/) {}
  virtual bool OnInitDialog();
  virtual void OnOK();
  virtual void OnCancel();
  // The dialog's message map: derived dialogs look in their own table first, then call this one.
  virtual bool OnWndMsg(Message& msg);
  void Default();

private:
  friend DialogWindow;
  // Returns msg with the handler's answer.
  Message deliver(Message msg);
  void command(int id) { deliver({.message = WM_COMMAND, .code = CN_COMMAND, .id = id}); }
  void notify(UINT code, int id, int delta);

  const DialogTemplate& m_template;
  DialogWindow* m_pWindow = nullptr;
  ControlList m_controls;
  int m_nLockNotify = 0;
  const Message* m_pCurrentMsg = nullptr;
};

class CDataExchange {
public:
  CDataExchange(CDialog* pDlgWnd, bool bSaveAndValidate) : m_bSaveAndValidate(bSaveAndValidate), m_pDlgWnd(pDlgWnd) {}
  QWidget* PrepareCtrl(int nIDC) const { return m_pDlgWnd->controlWidget(nIDC); }
  QLineEdit* PrepareEditCtrl(int nIDC) const;

  bool m_bSaveAndValidate;
  CDialog* m_pDlgWnd;
};

void DDX_Control(CDataExchange* pDX, int nIDC, CWnd& rControl);
// Copies a text member to the control's whole text, or the control's whole text back.
void DDX_Text(CDataExchange* pDX, int nIDC, CString& value);
