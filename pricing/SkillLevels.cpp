// Finding a skill level by the command id the program holds it as.
#include "pricing/SkillLevels.h"

#include <algorithm>

const SkillLevel& skillLevelOf(int commandId) {
  const auto found = std::ranges::find(kSkillLevels, commandId, &SkillLevel::commandId);
  return found != kSkillLevels.end() ? *found : kSkillLevels.front();
}
