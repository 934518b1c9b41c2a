// The handful of platform types, message numbers and flags that the program's code is written against.
#pragma once

#include <QIcon>
#include <cstdint>

class QWidget;

using UINT = unsigned int;
using DWORD = std::uint32_t;
using LRESULT = std::intptr_t;
using HICON = QIcon;

// Messages and notifications that reach a dialog's message map.
enum : UINT {
  WM_PAINT = 0x000F,
  WM_CLOSE = 0x0010,
  WM_QUERYDRAGICON = 0x0037,
  WM_NOTIFY = 0x004E,
  WM_CONTEXTMENU = 0x007B,
  WM_COMMAND = 0x0111,
};

enum : UINT {
  CN_COMMAND = 0,  // a menu or accelerator command
  BN_CLICKED = 0,
  CBN_SELCHANGE = 1,
  EN_CHANGE = 0x0300,
  UDN_DELTAPOS = static_cast<UINT>(-722),
};

enum : int { IDOK = 1, IDCANCEL = 2 };

enum : int { SW_HIDE = 0, SW_SHOW = 5 };

enum : UINT { SWP_NOSIZE = 0x0001, SWP_NOMOVE = 0x0002, SWP_NOZORDER = 0x0004 };

enum : UINT { MB_OK = 0x0000 };

struct CPoint {
  int x = 0;
  int y = 0;
  friend bool operator==(const CPoint&, const CPoint&) = default;
};

struct CRect {
  int left = 0;
  int top = 0;
  int right = 0;
  int bottom = 0;
  int Width() const { return right - left; }
  int Height() const { return bottom - top; }
  friend bool operator==(const CRect&, const CRect&) = default;
};

struct NMHDR {
  QWidget* hwndFrom = nullptr;
  int idFrom = 0;
  UINT code = 0;
};

struct NMUPDOWN {
  NMHDR hdr;
  int iPos = 0;
  int iDelta = 0;
};
