// Menus over QMenu: a loaded resource is one QMenu holding a QMenu per pop-up, each entry an action
// that carries its command id.
#include "framework/CMenu.h"

#include "framework/CWnd.h"
#include "framework/MenuTemplate.h"

#include <QActionGroup>
#include <QMenu>
#include <functional>

namespace {
bool isCommand(const QAction* action) { return !action->isSeparator() && !action->menu(); }

UINT commandOf(const QAction* action) { return action->data().toUInt(); }

// Every entry of menu and of its pop-ups, depth first, until visit returns true.
bool visitEntries(const QMenu* menu, const std::function<bool(QAction*)>& visit) {
  for (QAction* action : menu->actions()) {
    if (const QMenu* popup = action->menu(); popup && visitEntries(popup, visit)) return true;
    if (isCommand(action) && visit(action)) return true;
  }
  return false;
}

// A Windows menu shows nothing beside an unchecked entry, while a Qt style draws an empty box beside any
// checkable one, so only a marked entry is checkable.
void setMark(QAction* action, bool marked) {
  if (marked) {
    action->setCheckable(true);
    action->setChecked(true);
  } else {
    action->setChecked(false);
    action->setCheckable(false);
  }
}
}  // namespace

CMenu::~CMenu() { DestroyMenu(); }

bool CMenu::LoadMenu(UINT nIDResource) {
  DestroyMenu();
  const MenuTemplate* menuTemplate = findMenuTemplate(static_cast<int>(nIDResource));
  if (!menuTemplate) return false;
  m_hMenu = new QMenu;
  m_bOwnsMenu = true;
  for (const MenuPopup& popupTemplate : menuTemplate->popups) {
    QMenu* popup = m_hMenu->addMenu(QString::fromUtf8(popupTemplate.title));
    for (const MenuEntry& entry : popupTemplate.entries) {
      if (!entry.text) {
        popup->addSeparator();
        continue;
      }
      QAction* action = popup->addAction(QString::fromUtf8(entry.text));
      action->setData(static_cast<UINT>(entry.id));
    }
    auto subMenu = std::make_unique<CMenu>();
    subMenu->m_hMenu = popup;
    m_subMenus.push_back(std::move(subMenu));
  }
  return true;
}

CMenu* CMenu::GetSubMenu(int nPos) const {
  if (!m_hMenu || nPos < 0 || nPos >= m_hMenu->actions().size()) return nullptr;
  const QMenu* popup = m_hMenu->actions().at(nPos)->menu();
  for (const auto& subMenu : m_subMenus)
    if (popup && subMenu->m_hMenu == popup) return subMenu.get();
  return nullptr;
}

QAction* CMenu::findCommand(UINT id) const {
  QAction* found = nullptr;
  if (m_hMenu) {
    visitEntries(m_hMenu, [&](QAction* action) {
      if (commandOf(action) == id) found = action;
      return found != nullptr;
    });
  }
  return found;
}

UINT CMenu::CheckMenuItem(UINT nIDCheckItem, UINT nCheck) {
  QAction* action = findCommand(nIDCheckItem);
  if (!action) return kNoSuchMenuItem;
  const UINT previous = action->isChecked() ? MF_CHECKED : MF_UNCHECKED;
  setMark(action, nCheck & MF_CHECKED);
  return previous;
}

UINT CMenu::EnableMenuItem(UINT nIDEnableItem, UINT nEnable) {
  QAction* action = findCommand(nIDEnableItem);
  if (!action) return kNoSuchMenuItem;
  const UINT previous = action->isEnabled() ? MF_ENABLED : MF_GRAYED;
  action->setEnabled(!(nEnable & MF_GRAYED));
  return previous;
}

bool CMenu::CheckMenuRadioItem(UINT nIDFirst, UINT nIDLast, UINT nIDItem, UINT /*nFlags: by command*/) {
  QAction* chosen = findCommand(nIDItem);
  if (!chosen || nIDItem < nIDFirst || nIDItem > nIDLast) return false;
  visitEntries(m_hMenu, [&](QAction* action) {
    const UINT id = commandOf(action);
    if (id >= nIDFirst && id <= nIDLast) setMark(action, action == chosen);
    return false;
  });
  // Qt styles draw the mark of an entry in an exclusive group as a radio dot.
  if (!chosen->actionGroup()) (new QActionGroup(chosen->parent()))->addAction(chosen);
  return true;
}

bool CMenu::TrackPopupMenu(UINT /*nFlags: left-aligned, either button*/, int x, int y, CWnd* pWnd) {
  if (!m_hMenu) return false;
  const QAction* chosen = m_hMenu->exec(QPoint(x, y));
  if (chosen && pWnd) pWnd->PostMessage(Message{.message = WM_COMMAND, .code = CN_COMMAND,
                                                .id = static_cast<int>(commandOf(chosen))});
  return true;
}

bool CMenu::DestroyMenu() {
  m_subMenus.clear();
  const bool had = m_hMenu;
  if (m_bOwnsMenu) delete m_hMenu;
  m_hMenu = nullptr;
  m_bOwnsMenu = false;
  return had;
}
