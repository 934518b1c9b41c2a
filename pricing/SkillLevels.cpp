// Finding a skill level by the command id the program holds it as.
#include "pricing/SkillLevels.h"

#include "res/resource.h"

#include <algorithm>

static_assert(kSkillLevels.front().commandId == ID_SKILL_100 && kSkillLevels.back().commandId == ID_SKILL_50);

const SkillLevel& skillLevelOf(int commandId) {
  const auto found = std::find_if(kSkillLevels.begin(), kSkillLevels.end(),
                                  [commandId](const SkillLevel& level) { return level.commandId == commandId; });
  return found != kSkillLevels.end() ? *found : kSkillLevels.front();
}
