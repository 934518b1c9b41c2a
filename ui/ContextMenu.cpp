// The right-click menu of skill levels and keep-on-top.
#include "res/Templates.h"
#include "ui/CPriceDlg.h"

void CPriceDlg::OnContextMenu(CWnd* /*pWnd*/, CPoint point) {
  // Loaded afresh each time, so that every opening shows the state of that moment.
  CMenu menu;
  if (!menu.LoadMenuIndirect(findMenuTemplate(IDR_POPUP_MENU)))
    return;
  CMenu* popup = menu.GetSubMenu(0);
  if (!popup)
    return;

  popup->CheckMenuItem(ID_KEEP_ON_TOP, MF_BYCOMMAND | (m_bTopMost ? MF_CHECKED : MF_UNCHECKED));
  popup->CheckMenuRadioItem(ID_SKILL_100, ID_SKILL_50, m_nLevel, MF_BYCOMMAND);
  // Only Skill = 100 can be chosen here; the lower levels come from the stored setting alone.
  for (int id = ID_SKILL_90; id <= ID_SKILL_50; ++id)
    popup->EnableMenuItem(id, MF_BYCOMMAND | MF_GRAYED);

  // A request from the keyboard has no point of its own: the menu opens at the window's corner.
  if (point == CPoint{-1, -1}) {
    const CRect window = GetWindowRect();
    point = {window.left, window.top};
  }
  popup->TrackPopupMenu(TPM_LEFTALIGN | TPM_RIGHTBUTTON, point.x, point.y, this);
}

void CPriceDlg::OnKeepOnTop() {
  ToggleTopMost();
}
