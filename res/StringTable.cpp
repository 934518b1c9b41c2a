// The command strings of the menu entries. The program shows the menu's own texts and never these.
#include "res/StringTable.h"

#include "res/resource.h"

namespace {
constexpr StringResource kStrings[] = {
    {ID_KEEP_ON_TOP, "Keep on Top\nTop"}, {ID_SKILL_100, "Skill = 100\n100"}, {ID_SKILL_90, "Skill = 90\n90"},
    {ID_SKILL_80, "Skill = 80\n80"},      {ID_SKILL_70, "Skill = 70\n70"},    {ID_SKILL_60, "Skill = 60\n60"},
    {ID_SKILL_50, "Skill = 50\n50"},
};
}  // namespace

std::span<const StringResource> stringTable() {
  return kStrings;
}
