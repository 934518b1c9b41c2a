// Windows and controls as the program addresses them, and the drop-down item list.
#pragma once

#include "framework/CString.h"
#include "framework/MessageMap.h"

#include <QPointer>
#include <QWidget>

class QComboBox;

class CWnd {
public:
  CWnd() = default;
  virtual ~CWnd() = default;
  CWnd(const CWnd&) = delete;  // a window has one owner
  CWnd& operator=(const CWnd&) = delete;

  QWidget* GetSafeHwnd() const { return m_hWnd; }
  // These act on a window that exists: a dialog's while it runs, a control's once bound to it.
  void ShowWindow(int nCmdShow);
  void SetWindowText(const CString& text);
  // A top-level window's rectangle includes its frame.
  CRect GetWindowRect() const;
  void ScreenToClient(CRect& rect) const;
  // Moves (parent's client coordinates for a control, screen for a window), sizes and restacks as the SWP_ flags allow;
  // wndTopMost and wndNoTopMost as pWndInsertAfter switch keep-on-top.
  void SetWindowPos(const CWnd* pWndInsertAfter, int x, int y, int cx, int cy, UINT nFlags);
  // Hands the command to the message map once the running handler returns, unless the window is gone; dialogs only.
  virtual void PostCommand(int /*id*/) {}
  // Whether the message being handled is a menu request from the keyboard. Only dialogs receive one.
  virtual bool handlingKeyboardRequest() const { return false; }

  static const CWnd wndTopMost, wndNoTopMost;

protected:
  friend void DDX_Control(class CDataExchange* pDX, int nIDC, CWnd& rControl);
  QPointer<QWidget> m_hWnd;
};

class CStatic : public CWnd {};

// A drop-down list, bound before use; only the user's changes raise a selection-change notification.
class CComboBox : public CWnd {
public:
  void ResetContent();
  void AddString(const char* text);
  void SetCurSel(int index);
  int GetCurSel() const;  // -1 without a selection
  void GetLBText(int index, CString& text) const;

private:
  QComboBox* list() const;
};

// The text of a static or an edit.
CString windowText(const QWidget* widget);
void setWindowText(QWidget* widget, const CString& text);
