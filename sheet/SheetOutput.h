// The price sheet written for a terminal or as CSV for a spreadsheet.
#pragma once

#include "sheet/PriceSheet.h"

#include <ostream>

// One aligned block for each level, its rows in the order `sort` asks for at that level.
void writeSheetText(std::ostream& out, const PriceSheet& sheet, SheetSort sort);

// A header record, then one record for each row with one group of columns for each level; rows in the
// order `sort` asks for at the sheet's first level. Numbers are plain, with "." and two decimals.
void writeSheetCsv(std::ostream& out, const PriceSheet& sheet, SheetSort sort);
