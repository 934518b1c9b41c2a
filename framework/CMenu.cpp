// A loaded menu is one QMenu for its pop-up, each entry an action that carries its command id.
#include "framework/CMenu.h"

#include <QActionGroup>

namespace {
// Qt styles draw an empty box beside any checkable entry, which these menus never show: only a marked one is checkable.
void setMark(QAction* action, bool marked) {
  action->setCheckable(marked);
  action->setChecked(marked);
}
}  // namespace

bool CMenu::LoadMenuIndirect(const MenuTemplate& menuTemplate) {
  m_hMenu = std::make_unique<QMenu>(QString::fromUtf8(menuTemplate.popupTitle));
  for (const MenuEntry& entry : menuTemplate.entries) {
    if (entry.text)
      m_hMenu->addAction(QString::fromUtf8(entry.text))->setData(entry.id);
    else
      m_hMenu->addSeparator();
  }
  return true;
}

// A separator carries no command id, so it reads as 0, which no command has.
QAction* CMenu::findCommand(UINT id) const {
  for (QAction* action : m_hMenu->actions())
    if (action->data().toUInt() == id)
      return action;
  return {};
}

void CMenu::CheckMenuItem(UINT nIDCheckItem, UINT nCheck) {
  setMark(findCommand(nIDCheckItem), nCheck & MF_CHECKED);
}

void CMenu::EnableMenuItem(UINT nIDEnableItem, UINT nEnable) {
  findCommand(nIDEnableItem)->setEnabled(!(nEnable & MF_GRAYED));
}

void CMenu::CheckMenuRadioItem(UINT nIDFirst, UINT nIDLast, UINT nIDItem, UINT /*nFlags: by command*/) {
  for (UINT id = nIDFirst; id <= nIDLast; ++id)
    setMark(findCommand(id), id == nIDItem);
  // Qt styles draw the mark of an entry in an exclusive group as a dot.
  (new QActionGroup(m_hMenu.get()))->addAction(findCommand(nIDItem));
}

void CMenu::TrackPopupMenu(UINT /*nFlags: left-aligned, either button*/, int x, int y, CWnd* pWnd) {
  // Asked for from the keyboard, the menu opens with its first entry that can be chosen in focus, for a screen reader.
  const QList<QAction*> entries = m_hMenu->actions();
  const auto first = std::ranges::find_if(entries, [](QAction* a) { return a->isEnabled() && !a->isSeparator(); });
  if (first != entries.end() && pWnd->handlingKeyboardRequest())
    m_hMenu->setActiveAction(*first);
  if (const QAction* chosen = m_hMenu->exec(QPoint(x, y)))
    pWnd->PostCommand(chosen->data().toInt());
}
