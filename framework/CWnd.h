// A window as the program addresses it: shown or hidden, titled, placed, and kept on top or not.
#pragma once

#include "framework/CString.h"
#include "framework/MessageMap.h"
#include "framework/Types.h"

#include <QPointer>
#include <QWidget>

class CWnd {
public:
  CWnd() = default;
  virtual ~CWnd() = default;
  CWnd(const CWnd&) = delete;
  CWnd& operator=(const CWnd&) = delete;

  QWidget* GetSafeHwnd() const { return m_hWnd; }

  bool ShowWindow(int nCmdShow);
  void SetWindowText(const CString& text);
  CString GetWindowText() const;
  bool IsIconic() const;

  // Screen coordinates; a top-level window's rectangle includes its frame.
  CRect GetWindowRect() const;
  void ScreenToClient(CRect& rect) const;

  // Moves (parent's client coordinates for a control, screen for a window), sizes and restacks as the
  // SWP_ flags allow; wndTopMost and wndNoTopMost as pWndInsertAfter switch keep-on-top.
  bool SetWindowPos(const CWnd* pWndInsertAfter, int x, int y, int cx, int cy, UINT nFlags);

  // Hands msg to the window's message map once the running handler has returned; a window without a
  // map of its own, or one that is gone by then, never sees it.
  virtual void PostMessage(const Message& /*msg*/) {}

  static const CWnd wndTopMost;
  static const CWnd wndNoTopMost;

protected:
  friend void DDX_Control(class CDataExchange* pDX, int nIDC, CWnd& rControl);
  QPointer<QWidget> m_hWnd;
};

// Whether a window of cx by cy with its top-left corner at (x, y) would show at least in part on a screen.
bool isOnSomeScreen(int x, int y, int cx, int cy);

// The text a control shows, whatever kind of widget it is.
CString windowText(const QWidget* widget);
void setWindowText(QWidget* widget, const CString& text);
