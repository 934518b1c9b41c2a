// Prices every row through the pricing core, as the window does, and orders the rows.
#include "sheet/PriceSheet.h"

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
}  // namespace

PriceSheet makePriceSheet(const ItemCatalogue& catalogue, int rate, const std::vector<const SkillLevel*>& levels) {
  PriceSheet sheet{.rate = rate, .levels = levels, .rows = {}};
  const int rows = catalogue.m_arrItem.GetSize();
  sheet.rows.resize(static_cast<std::size_t>(rows));
  for (int row = 0; row < rows; ++row)
    for (const SkillLevel* level : levels)
      sheet.rows[static_cast<std::size_t>(row)].figures.push_back(figuresAt(catalogue, row, *level, rate));
  return sheet;
}

std::vector<const SheetRow*> sortedRows(const PriceSheet& sheet, SheetSort sort, std::size_t group) {
  std::vector<const SheetRow*> rows;
  for (const SheetRow& row : sheet.rows)
    rows.push_back(&row);
  // The ingots per attempt, read as the text's leading number (a suit's total keeps its decimals).
  const auto ingots = [](const SheetRow* row) {
    return std::atof(row->first().texts.ingots.c_str());
  };
  const auto price = [group](const SheetRow* row) {
    return row->figures.at(group).calculation.price;
  };
  const auto name = [](const SheetRow* row) -> const CString& {
    return row->first().texts.name;
  };
  switch (sort) {
    case SheetSort::table:
      break;
    case SheetSort::name:
      std::ranges::stable_sort(rows, std::less<>(), name);
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
