// The columns of the price sheet and its two layouts.
#include "sheet/SheetOutput.h"

#include "pricing/ExceptionalIngots.h"
#include "sheet/Csv.h"
#include "sheet/TextTable.h"

namespace {
// The window's captions of the five results, in the order of RateField.
constexpr const char* kRateHeadings[kRateFieldCount] = {"Exec Rate", "Norm Rate", "BA Rate", "Fail Rate", "DOA"};
constexpr const char* kIngotsRequiredHeading = "Ingots Required";
constexpr const char* kPriceHeading = "Price";

// A level's columns: the five results, the ingots required and the price.
std::vector<CString> levelHeadings() {
  std::vector<CString> headings(std::begin(kRateHeadings), std::end(kRateHeadings));
  headings.emplace_back(kIngotsRequiredHeading);
  headings.emplace_back(kPriceHeading);
  return headings;
}

void appendFigures(std::vector<CString>& cells, const SheetFigures& figures, const CString& price) {
  cells.insert(cells.end(), figures.rates.begin(), figures.rates.end());
  cells.push_back(figures.ingotsRequiredText);
  cells.push_back(price);
}

std::vector<CString> textCells(const SheetRow& row, const SheetFigures& figures) {
  std::vector<CString> cells{row.name, row.ingots};
  appendFigures(cells, figures, figures.priceText);
  cells.push_back(row.parts);
  return cells;
}
}  // namespace

void writeSheetText(std::ostream& out, const PriceSheet& sheet, SheetSort sort) {
  std::vector<CString> headings{"Item", "Ingots"};
  for (const CString& heading : levelHeadings())
    headings.push_back(heading);
  headings.emplace_back("Set Contents");

  std::vector<Alignment> alignments(headings.size(), Alignment::right);
  alignments.front() = alignments.back() = Alignment::left;
  // One set of widths for every block, so that the blocks of all levels line up under each other.
  TextTable table(alignments);
  table.fit(headings);
  for (const SheetRow& row : sheet.rows)
    for (const SheetFigures& figures : row.figures)
      table.fit(textCells(row, figures));

  for (std::size_t group = 0; group < sheet.levels.size(); ++group) {
    if (group > 0)
      out << '\n';
    out << "Skill " << sheet.levels[group]->level << ", Rate " << sheet.rate << '\n';
    table.write(out, headings);
    for (const SheetRow* row : sortedRows(sheet, sort, group))
      table.write(out, textCells(*row, row->figures[group]));
  }
}

void writeSheetCsv(std::ostream& out, const PriceSheet& sheet, SheetSort sort) {
  std::vector<CString> headings{"Item", "Ingots"};
  for (const SkillLevel* level : sheet.levels)
    for (const CString& heading : levelHeadings())
      headings.push_back(heading + " (Skill " + std::to_string(level->level) + ")");
  headings.emplace_back("Set Contents");
  writeCsvRecord(out, headings);

  for (const SheetRow* row : sortedRows(sheet, sort, 0)) {
    std::vector<CString> fields{row->name, row->ingots};
    for (const SheetFigures& figures : row->figures)
      appendFigures(fields, figures, twoDecimals(figures.price));
    fields.push_back(row->parts);
    writeCsvRecord(out, fields);
  }
}
