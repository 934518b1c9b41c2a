// The six skill levels, each with the catalogue columns that hold an item's five results at that level.
#pragma once

#include "catalogue/ItemCatalogue.h"
#include "res/resource.h"

#include <array>

// The five results of a level, in the order of their display fields, and the captions the window shows them under.
enum RateField {
  kExecRateField,
  kNormRateField,
  kBARateField,
  kFailRateField,
  kDOAField,
  kRateFieldCount
};
inline constexpr std::array<const char*, kRateFieldCount> kRateCaptions{"Exec Rate", "Norm Rate", "BA Rate",
                                                                        "Fail Rate", "DOA"};

struct SkillLevel {
  int commandId;  // the level as the program holds it: its command id in the context menu
  int level;
  std::array<CStringArray ItemCatalogue::*, kRateFieldCount> columns;
};

inline constexpr std::array<SkillLevel, 6> kSkillLevels{{
    {ID_SKILL_100,
     100,
     {&ItemCatalogue::m_arrExcRate, &ItemCatalogue::m_arrNormRate, &ItemCatalogue::m_arrBARate,
      &ItemCatalogue::m_arrFailRate, &ItemCatalogue::m_arrDOA}},
    {ID_SKILL_90,
     90,
     {&ItemCatalogue::m_arrEx90, &ItemCatalogue::m_arrAvg90, &ItemCatalogue::m_arrBel90, &ItemCatalogue::m_arrFail90,
      &ItemCatalogue::m_arrDOA90}},
    {ID_SKILL_80,
     80,
     {&ItemCatalogue::m_arrEx80, &ItemCatalogue::m_arrAvg80, &ItemCatalogue::m_arrBel80, &ItemCatalogue::m_arrFail80,
      &ItemCatalogue::m_arrDOA80}},
    {ID_SKILL_70,
     70,
     {&ItemCatalogue::m_arrEx70, &ItemCatalogue::m_arrAvg70, &ItemCatalogue::m_arrBelow70, &ItemCatalogue::m_arrFail70,
      &ItemCatalogue::m_arrDOA70}},
    {ID_SKILL_60,
     60,
     {&ItemCatalogue::m_arrEx60, &ItemCatalogue::m_arrAvg60, &ItemCatalogue::m_arrBel60, &ItemCatalogue::m_arrFails60,
      &ItemCatalogue::m_arrDOA60}},
    {ID_SKILL_50,
     50,
     {&ItemCatalogue::m_arrEx50, &ItemCatalogue::m_arrAvg50, &ItemCatalogue::m_arrBel50, &ItemCatalogue::m_arrFail50,
      &ItemCatalogue::m_arrDOA50}},
}};

// The level of a held command id; any value that is not one of the six reads as level 100.
const SkillLevel& skillLevelOf(int commandId);
