// Prices every row through the window's own decisions and arithmetic, and orders the rows.
#include "sheet/PriceSheet.h"

#include "pricing/ExceptionalIngots.h"
#include "pricing/FormatAmount.h"

#include <algorithm>
#include <cmath>
#include <cstdlib>
#include <functional>

namespace {
// Numbers in ascending order, with a figure that is not a number after all others, so that the order
// stays a strict weak one whatever a table holds.
bool numericLess(double a, double b) {
  return a < b || (!std::isnan(a) && std::isnan(b));
}

SheetFigures figuresAt(const ItemCatalogue& catalogue, SheetRow& row, const SkillLevel& level, int rate) {
  SheetFigures figures;
  for (int field = 0; field < kRateFieldCount; ++field)
    if (!row.isSuit)
      figures.rates[field] = (catalogue.*level.columns[field]).ElementAt(row.row);
  const auto& r = figures.rates;
  figures.ingotsRequired = exceptionalIngots(row.name, row.ingots, [&] {
    return itemIngotsRequired(row.ingots, r[kExecRateField], r[kNormRateField], r[kBARateField], r[kFailRateField],
                              r[kDOAField], [&] { row.invalidIngots = true; });
  });
  figures.ingotsRequiredText = twoDecimals(figures.ingotsRequired);
  figures.price = priceOf(rate, figures.ingotsRequired);
  figures.priceText = FormatAmount(figures.price);
  return figures;
}
}  // namespace

PriceSheet makePriceSheet(const ItemCatalogue& catalogue, int rate, const std::vector<const SkillLevel*>& levels) {
  PriceSheet sheet{.rate = rate, .levels = levels, .rows = {}};
  const int rows = catalogue.m_arrItem.GetSize();
  sheet.rows.reserve(static_cast<std::size_t>(rows));
  for (int index = 0; index < rows; ++index) {
    SheetRow& row = sheet.rows.emplace_back();
    row.row = index;
    row.name = catalogue.m_arrItem.ElementAt(index);
    row.ingots = catalogue.m_arrIngots.ElementAt(index);
    row.isSuit = isSuitName(row.name);
    if (row.isSuit)
      row.parts = suitParts(catalogue, index);
    for (const SkillLevel* level : levels)
      row.figures.push_back(figuresAt(catalogue, row, *level, rate));
  }
  return sheet;
}

std::vector<const SheetRow*> sortedRows(const PriceSheet& sheet, SheetSort sort, std::size_t group) {
  std::vector<const SheetRow*> rows;
  for (const SheetRow& row : sheet.rows)
    rows.push_back(&row);
  // The ingots per attempt, read as the text's leading number (a suit's total keeps its decimals).
  const auto ingots = [](const SheetRow* row) {
    return std::atof(row->ingots.c_str());
  };
  const auto price = [group](const SheetRow* row) {
    return row->figures.at(group).price;
  };
  switch (sort) {
    case SheetSort::table:
      break;
    case SheetSort::name:
      std::ranges::stable_sort(rows, std::less<>(), [](const SheetRow* row) -> const CString& { return row->name; });
      break;
    case SheetSort::ingots:
      std::ranges::stable_sort(rows, numericLess, ingots);
      break;
    case SheetSort::price:
      std::ranges::stable_sort(rows, numericLess, price);
      break;
  }
  return rows;
}
