// Worked examples: an item, level and Rate, and every figure the window and the sheet show for it in en_US.
#pragma once

#include "res/resource.h"

#include <array>

struct WorkedExample {
  const char* item;
  int level, rate;  // the level as its command id
  const char* ingots;
  std::array<const char*, 5> rates;  // exec, norm, BA, fail, DOA as stored; none for a suit, whose band is hidden
  const char* parts;                 // a suit's list of parts, or nullptr
  const char *ingotsRequired, *price;
};

inline constexpr WorkedExample kWorkedExamples[] = {
    {"Axe", ID_SKILL_100, 12, "14", {"72", "28", "0", "0", "0"}, nullptr, "16.13", "193.58"},
    {"Axe", ID_SKILL_90, 12, "14", {"52", "30", "18", "0", "0"}, nullptr, "19.06", "228.71"},
    {"Female Plate", ID_SKILL_70, 12, "20", {"9", "28", "14", "49", "5.9"}, nullptr, "88.66", "1,063.95"},
    {"Female Plate", ID_SKILL_50, 12, "20", {"0", "8", "5", "87", "6.2"}, nullptr, "0.00", "0"},
    {"Plate Breastpiece", ID_SKILL_100, 12, "25", {"4.5", "31.5", "17", "47", "6.3"}, nullptr, "196.29", "2,355.45"},
    {"*Chainmail", ID_SKILL_60, 12, "56", {}, "Chainmail Leggings, Chainmail Tunic, Chainmail Coif", "56.00", "672.00"},
};
