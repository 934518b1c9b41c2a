// Every row of the catalogue priced at one or more skill levels, with the figures the window would show.
#pragma once

#include "catalogue/ItemCatalogue.h"
#include "pricing/SkillLevels.h"
#include "sheet/SheetOptions.h"

#include <array>
#include <cstddef>
#include <vector>

// A row at one level.
struct SheetFigures {
  std::array<CString, kRateFieldCount> rates;  // as stored; empty for a suit, whose rates the window hides
  double ingotsRequired = 0.0;
  double price = 0.0;
  CString ingotsRequiredText;  // two decimals, "." whatever the locale
  CString priceText;           // in the system locale's number format
};

struct SheetRow {
  int row = 0;  // in the catalogue
  CString name;
  CString ingots;
  bool isSuit = false;
  CString parts;                      // a suit's list of parts; empty for an item
  bool invalidIngots = false;         // an item whose Ingots text reads as no ingots: its figures are 0
  std::vector<SheetFigures> figures;  // one for each level of the sheet, in its order
};

struct PriceSheet {
  int rate = 0;
  std::vector<const SkillLevel*> levels;
  std::vector<SheetRow> rows;  // in table order
};

PriceSheet makePriceSheet(const ItemCatalogue& catalogue, int rate, const std::vector<const SkillLevel*>& levels);

// The rows in the order `sort` asks for, by the figures of level `group`: stable, so that ties keep the
// table's order; prices compare as numbers.
std::vector<const SheetRow*> sortedRows(const PriceSheet& sheet, SheetSort sort, std::size_t group);
