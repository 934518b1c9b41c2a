// Worked examples: an item, level and Rate, and every figure the window and the sheet show for it under en_US.
#pragma once

#include "res/resource.h"

#include <array>
#include <cctype>
#include <string>

struct WorkedExample {
  const char* item;
  int level;  // as its command id
  int rate;
  const char* ingots;
  std::array<const char*, 5> rates;  // exec, norm, BA, fail, DOA as stored at the level
  const char* parts;                 // a suit's list of parts; empty for an item
  const char* ingotsRequired;
  const char* price;
};

// "PlateBreastpieceAt100Rate12": the case as a failure names it.
inline std::string nameOf(const WorkedExample& example) {
  std::string name;
  for (const char* c = example.item; *c; ++c)
    if (std::isalnum(static_cast<unsigned char>(*c)))
      name += *c;
  return name + "At" + std::to_string(100 - 10 * (example.level - ID_SKILL_100)) + "Rate" +
         std::to_string(example.rate);
}

inline constexpr const char* kChainmailParts = "Chainmail Leggings, Chainmail Tunic, Chainmail Coif";
inline constexpr const char* kRaiderParts =
    "Ringmail Gloves, Ringmail Leggings, Ringmail Sleeves, Ringmail Tunic, Plate Gorget, Close Helm";

// The first and last item rows, an item at levels whose columns lie apart, no exceptional chance, the lowest and
// highest Rate, and suits at another level and in the table's last row.
inline constexpr WorkedExample kWorkedExamples[] = {
    {"Axe", ID_SKILL_100, 12, "14", {"72", "28", "0", "0", "0"}, "", "16.13", "193.58"},
    {"Axe", ID_SKILL_80, 12, "14", {"32", "30", "30", "8", "0"}, "", "24.28", "291.32"},
    {"Female Plate", ID_SKILL_90, 7, "20", {"47", "30", "15", "8", "5.6"}, "", "28.45", "199.15"},
    {"Female Plate", ID_SKILL_70, 12, "20", {"9", "28", "14", "49", "5.9"}, "", "88.66", "1,063.95"},
    {"Female Plate", ID_SKILL_50, 12, "20", {"0", "8", "5", "87", "6.2"}, "", "0.00", "0"},
    {"Plate Breastpiece", ID_SKILL_100, 12, "25", {"4.5", "31.5", "17", "47", "6.3"}, "", "196.29", "2,355.45"},
    {"Plate Breastpiece", ID_SKILL_100, 9999, "25", {"4.5", "31.5", "17", "47", "6.3"}, "", "196.29", "1,962,678.71"},
    {"Plate Breastpiece", ID_SKILL_100, 0, "25", {"4.5", "31.5", "17", "47", "6.3"}, "", "196.29", "0"},
    {"War Mace", ID_SKILL_100, 12, "15", {"70", "30", "0", "0", "0"}, "", "17.52", "210.20"},
    {"*Chainmail", ID_SKILL_60, 12, "56", {"0", "0", "0", "0", "0"}, kChainmailParts, "56.00", "672.00"},
    {"*Raider Suit", ID_SKILL_100, 12, "89", {kRaiderParts, "0", "0", "0", "0"}, kRaiderParts, "89.00", "1,068.00"},
};
