// Dialogs built from their templates, with data exchange, a message map, and modal or modeless running.
#pragma once

#include "framework/CWnd.h"
#include "framework/MessageMap.h"

#include <utility>
#include <vector>

class CDataExchange;
class DialogWindow;
class QEvent;

class CDialog : public CWnd {
public:
  explicit CDialog(UINT nIDTemplate, CWnd* pParentWnd = nullptr);
  ~CDialog() override;

  // Creates the window, runs a modal loop until EndDialog and destroys the window; returns the result.
  int DoModal();
  // Creates and shows the window without a loop of its own; it lives until EndDialog or destruction.
  bool Create();
  void EndDialog(int nResult);

  void PostMessage(const Message& msg) override;

  // Runs DoDataExchange towards the members (true) or the controls (false). The dialog's own control
  // notifications raised meanwhile are dropped, so writing a control never re-enters a handler.
  bool UpdateData(bool bSaveAndValidate = true);

  void SetIcon(const HICON& icon, bool bBigIcon);

  // The widget of control nID; nullptr when the window does not exist or has no such control.
  QWidget* controlWidget(int nID) const;

protected:
  virtual void DoDataExchange(CDataExchange* pDX);
  virtual bool OnInitDialog();
  virtual void OnOK();
  virtual void OnCancel();

  // The dialog's message map: derived dialogs look in their own table first, then call this one.
  virtual bool OnWndMsg(Message& msg);
  // The platform's default processing of the message being handled.
  void Default();

private:
  friend class DialogWindow;
  bool createWindow();
  void destroyWindow();
  void deliver(Message& msg);
  void notify(UINT message, UINT code, int id, NMHDR* pNMHDR = nullptr, LRESULT* pResult = nullptr);

  UINT m_nIDTemplate;
  CWnd* m_pParentWnd;
  DialogWindow* m_pWindow = nullptr;
  std::vector<std::pair<int, QWidget*>> m_controls;
  int m_nDefaultId = IDOK;
  int m_nLockNotify = 0;
  const Message* m_pCurrentMsg = nullptr;
};

class CDataExchange {
public:
  CDataExchange(CDialog* pDlgWnd, bool bSaveAndValidate)
      : m_bSaveAndValidate(bSaveAndValidate), m_pDlgWnd(pDlgWnd) {}
  QWidget* PrepareCtrl(int nIDC) const { return m_pDlgWnd->controlWidget(nIDC); }
  class QLineEdit* PrepareEditCtrl(int nIDC) const;

  bool m_bSaveAndValidate;
  CDialog* m_pDlgWnd;
};

// Binds a member to its control on the first exchange; later exchanges leave the binding alone.
void DDX_Control(CDataExchange* pDX, int nIDC, CWnd& rControl);
// Copies a text member to the control's whole text, or the control's whole text back.
void DDX_Text(CDataExchange* pDX, int nIDC, CString& value);
