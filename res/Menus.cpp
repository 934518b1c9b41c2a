// Menu resource 130: the right-click pop-up of skill levels and keep-on-top. Marks and grey come at run time.
#include "res/Templates.h"
#include "res/resource.h"

#include <cstdlib>

namespace {
constexpr MenuEntry kPopupEntries[] = {
    {ID_SKILL_100, "Skill = 100"},
    {ID_SKILL_90, "Skill = 90"},
    {ID_SKILL_80, "Skill = 80"},
    {ID_SKILL_70, "Skill = 70"},
    {ID_SKILL_60, "Skill = 60"},
    {ID_SKILL_50, "Skill = 50"},
    {0, nullptr},
    {ID_KEEP_ON_TOP, "Keep on Top"},
};

constexpr MenuTemplate kMenus[] = {{IDR_POPUP_MENU, "Popup Menu", kPopupEntries}};
}  // namespace

const MenuTemplate& findMenuTemplate(int id) {
  for (const MenuTemplate& menu : kMenus)
    if (menu.id == id)
      return menu;
  std::abort();
}
