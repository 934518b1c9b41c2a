// Windows' messages: the values in the program's tables, what a message carries, and the map that hands it on.
#pragma once

#include "framework/Types.h"

#include <QIcon>
#include <cstdint>
#include <span>
#include <type_traits>
#include <variant>

class CWnd;

using LRESULT = std::intptr_t;
using HICON = QIcon;

enum : UINT {
  WM_PAINT = 0x000F,
  WM_CLOSE = 0x0010,
  WM_QUERYDRAGICON = 0x0037,
  WM_NOTIFY = 0x004E,
  WM_CONTEXTMENU = 0x007B,
  WM_COMMAND = 0x0111
};
// CN_COMMAND: a menu, key or default-button command.
enum : UINT {
  CN_COMMAND = 0,
  BN_CLICKED = 0,
  CBN_SELCHANGE = 1,
  EN_CHANGE = 0x0300,
  UDN_DELTAPOS = static_cast<UINT>(-722)
};
enum : int {
  ID_HELP = 0xE146,
  SW_HIDE = 0,
  SW_SHOW = 5
};
enum : UINT {
  SWP_NOSIZE = 0x0001,
  SWP_NOMOVE = 0x0002,
  SWP_NOZORDER = 0x0004,
};

struct CPoint {
  int x = 0, y = 0;
  friend bool operator==(const CPoint&, const CPoint&) = default;
};
struct CRect {
  int left = 0, top = 0, right = 0, bottom = 0;
  int Width() const { return right - left; }
  int Height() const { return bottom - top; }
};
// A notification's header, which its handler casts to the record of its kind; the program reads nothing else in it.
struct NMHDR {};
struct NMUPDOWN {
  NMHDR hdr;
  int iDelta = 0;
};

struct Message {
  UINT message = 0;
  UINT code = 0;  // notification code of WM_COMMAND and WM_NOTIFY
  int id = 0;     // control or command id
  NMHDR* pNMHDR = nullptr;
  LRESULT* pResult = nullptr;
  CWnd* pWnd = nullptr;  // WM_CONTEXTMENU: the window the request came from
  CPoint point{};        // WM_CONTEXTMENU: screen point, (-1, -1) from the keyboard
  HICON icon{};          // WM_QUERYDRAGICON: the answer
};

template <class T>
struct MessageMapEntry {
  UINT message, code;
  int id;
  std::variant<void (T::*)(), void (T::*)(NMHDR*, LRESULT*), void (T::*)(CWnd*, CPoint), HICON (T::*)()> handler;
};

// Calls the handler of the first entry that matches msg; false when the map has none.
template <class T>
bool dispatchMessage(T* target, std::span<const MessageMapEntry<T>> map, Message& msg) {
  for (const MessageMapEntry<T>& entry : map) {
    if (entry.message != msg.message || entry.code != msg.code || entry.id != msg.id)
      continue;
    std::visit(
        [&](auto handler) {
          using Handler = decltype(handler);
          if constexpr (std::is_same_v<Handler, void (T::*)()>)
            (target->*handler)();
          else if constexpr (std::is_same_v<Handler, void (T::*)(NMHDR*, LRESULT*)>)
            (target->*handler)(msg.pNMHDR, msg.pResult);
          else if constexpr (std::is_same_v<Handler, void (T::*)(CWnd*, CPoint)>)
            (target->*handler)(msg.pWnd, msg.point);
          else
            msg.icon = (target->*handler)();
        },
        entry.handler);
    return true;
  }
  return false;
}
