// Pop-up menus built from the program's menu tables, marked, greyed and shown over a Qt menu.
#pragma once

#include "framework/CWnd.h"

#include <QMenu>
#include <memory>

enum : UINT {
  MF_BYCOMMAND = 0x0000,
  MF_UNCHECKED = 0x0000,
  MF_GRAYED = 0x0001,
  MF_CHECKED = 0x0008
};
// Qt menus take an entry with either mouse button, which is what TPM_RIGHTBUTTON asks for.
enum : UINT {
  TPM_LEFTALIGN = 0x0000,
  TPM_RIGHTBUTTON = 0x0002
};

struct MenuEntry {
  int id;
  const char* text;
};  // the command the entry sends and its text; {0, nullptr}: a separator
// A menu resource: a bar of one pop-up, whose title is never shown.
struct MenuTemplate {
  int id;
  const char* popupTitle;
  std::span<const MenuEntry> entries;
};

class CMenu {
public:
  bool LoadMenuIndirect(const MenuTemplate& menuTemplate);
  // The bar has nothing but its one pop-up, so here the two are one object.
  CMenu* GetSubMenu(int /*nPos: 0*/) { return this; }
  // Entries by command id, all in the menu; the radio mark goes to nIDItem and off the rest of nIDFirst..nIDLast.
  void CheckMenuItem(UINT nIDCheckItem, UINT nCheck);
  void EnableMenuItem(UINT nIDEnableItem, UINT nEnable);
  void CheckMenuRadioItem(UINT nIDFirst, UINT nIDLast, UINT nIDItem, UINT nFlags);
  // Returns once the pop-up closes; a chosen entry's command reaches pWnd after the running handler, as if posted.
  void TrackPopupMenu(UINT nFlags, int x, int y, CWnd* pWnd);

private:
  QAction* findCommand(UINT id) const;
  std::unique_ptr<QMenu> m_hMenu;
};
