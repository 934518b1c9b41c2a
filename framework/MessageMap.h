// Message maps: one table per dialog of (message, notification, control or command id, handler).
#pragma once

#include "framework/Types.h"

#include <span>
#include <type_traits>
#include <variant>

class CWnd;

// One message as the dialog layer delivers it, with the data its kind carries.
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
  UINT message;
  UINT code;
  int id;
  std::variant<void (T::*)(), void (T::*)(NMHDR*, LRESULT*), void (T::*)(CWnd*, CPoint), HICON (T::*)()> handler;
};

// Calls the handler of the first entry that matches msg; false when the map has none.
template <class T>
bool dispatchMessage(T* target, std::span<const MessageMapEntry<T>> map, Message& msg) {
  for (const MessageMapEntry<T>& entry : map) {
    if (entry.message != msg.message || entry.code != msg.code || entry.id != msg.id) continue;
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
