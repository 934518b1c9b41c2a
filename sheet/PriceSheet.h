// Every row of the catalogue priced at one or more skill levels, with the figures the window would show.
#pragma once

#include "catalogue/ItemCatalogue.h"
#include "pricing/ItemFigures.h"
#include "sheet/SheetOptions.h"

#include <cstddef>
#include <vector>

// A row at each level of the sheet, in its order; its name, ingots and parts are the same at every level.
struct SheetRow {
  std::vector<ItemFigures> figures;
  const ItemFigures& first() const { return figures.front(); }
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
