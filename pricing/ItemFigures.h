// The pricing core: everything a catalogue row shows at a skill level and Rate, worked out without a window. The main
// window and the price sheet both take their figures from here.
#pragma once

#include "catalogue/ItemCatalogue.h"
#include "framework/CString.h"
#include "pricing/SkillLevels.h"

#include <array>

// The Rate, the price of one ingot.
inline constexpr int kRateMin = 0;
inline constexpr int kRateMax = 9999;

// What a row shows at a level before anything is worked out, exactly as the table writes it.
struct ItemTexts {
  CString name;
  CString ingots;  // per attempt; a suit's ingot total
  std::array<CString, kRateFieldCount> rates;
};

// What the calculation makes of a row's texts at a Rate.
struct Calculation {
  bool isSuit = false;
  bool invalidIngots = false;   // an item whose Ingots text reads as no ingots (0, empty, not a number): all is 0
  double ingotsRequired = 0.0;  // net ingots for one exceptional piece; a suit's stored total, decimals kept
  double price = 0.0;
  CString ingotsRequiredText;  // two decimals, "." whatever the locale
  CString priceText;           // in the system locale's number format
};

// Everything a row shows at a level and Rate.
struct ItemFigures {
  ItemTexts texts;
  CString setContents;  // a suit's list of parts; empty for an item
  Calculation calculation;
};

// A suit is a row whose name begins with "*".
bool isSuitName(const CString& name);

// The texts as shown, at the Rate: a suit is priced by its stored total, any other row by the net ingots that one
// exceptional piece costs, in double precision, each step in the order that reproduces the table's stored figures.
Calculation calculate(const ItemTexts& texts, int rate);

// Row `row` of the catalogue (which must exist) at the level and Rate.
ItemFigures figuresAt(const ItemCatalogue& catalogue, int row, const SkillLevel& level, int rate);

// A suit's list of parts: it stands only in the level-100 exceptional column, so every level shows that one.
const CString& suitParts(const ItemCatalogue& catalogue, int row);
