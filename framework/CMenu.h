// Pop-up menus loaded from the program's menu tables, marked, greyed and shown over Qt menus.
#pragma once

#include "framework/Types.h"

#include <QPointer>
#include <memory>
#include <vector>

class CWnd;
class QAction;
class QMenu;

enum : UINT {
  MF_BYCOMMAND = 0x0000,
  MF_ENABLED = 0x0000,
  MF_UNCHECKED = 0x0000,
  MF_GRAYED = 0x0001,
  MF_CHECKED = 0x0008,
};

// Qt menus take an entry with either mouse button, which is what TPM_RIGHTBUTTON asks for.
enum : UINT { TPM_LEFTALIGN = 0x0000, TPM_RIGHTBUTTON = 0x0002 };

// What CheckMenuItem and EnableMenuItem answer when the menu has no entry with that command.
inline constexpr UINT kNoSuchMenuItem = 0xFFFFFFFF;

class CMenu {
public:
  CMenu() = default;
  ~CMenu();
  CMenu(const CMenu&) = delete;
  CMenu& operator=(const CMenu&) = delete;

  // Builds menu resource nIDResource afresh; false when there is no such resource.
  bool LoadMenu(UINT nIDResource);
  // The pop-up at position nPos, owned by this menu; nullptr when there is none.
  CMenu* GetSubMenu(int nPos) const;

  // Entries are found by command, in this menu and its pop-ups. Both return the entry's earlier state
  // (MF_CHECKED or MF_UNCHECKED, MF_GRAYED or MF_ENABLED), or kNoSuchMenuItem.
  UINT CheckMenuItem(UINT nIDCheckItem, UINT nCheck);
  UINT EnableMenuItem(UINT nIDEnableItem, UINT nEnable);
  // Gives the entry nIDItem the radio mark and takes every mark off the other entries of nIDFirst..nIDLast.
  bool CheckMenuRadioItem(UINT nIDFirst, UINT nIDLast, UINT nIDItem, UINT nFlags);

  // Shows the pop-up with its top-left corner at (x, y) and returns once it has closed. The chosen
  // entry's command then reaches pWnd as WM_COMMAND after the running handler has returned, as a
  // posted message does; a pop-up dismissed with Esc or a click elsewhere sends nothing.
  bool TrackPopupMenu(UINT nFlags, int x, int y, CWnd* pWnd);

  bool DestroyMenu();

private:
  QAction* findCommand(UINT id) const;

  QPointer<QMenu> m_hMenu;
  bool m_bOwnsMenu = false;
  std::vector<std::unique_ptr<CMenu>> m_subMenus;
};
