// The ingots-required formula and the price, worked out for a row's texts at a Rate.
#include "pricing/ItemFigures.h"

#include "pricing/FormatAmount.h"

#include <cstdlib>

namespace {
// Share of an average or below-average result's ingots that counts as won back.
constexpr double kRecovered = 0.6085;

// Net ingots spent on one exceptional item with `ingots` ingots per attempt (not 0); 0 when the exceptional rate is 0.
double ingotsRequired(int ingots, const std::array<CString, kRateFieldCount>& rates) {
  const double n = ingots;
  // Divisions by 100.0, not multiplications by 0.01: the two differ in the last bit.
  const double e = std::atof(rates[kExecRateField].c_str()) / 100.0;
  const double a = std::atof(rates[kNormRateField].c_str()) / 100.0;
  const double b = std::atof(rates[kBARateField].c_str()) / 100.0;
  const double f = std::atof(rates[kFailRateField].c_str()) / 100.0;
  const double d = std::atof(rates[kDOAField].c_str());
  const double q = (e != 0.0) ? n / e : 0.0;
  const double won = kRecovered * a * q;
  const double wonBelow = kRecovered * b * q;
  const double r = d / n;
  const double lost = (1.0 - r) * f * q;
  return q - won - wonBelow - lost;
}
}  // namespace

bool isSuitName(const CString& name) {
  return !name.IsEmpty() && name.front() == '*';
}

Calculation calculate(const ItemTexts& texts, int rate) {
  Calculation result;
  result.isSuit = isSuitName(texts.name);
  if (result.isSuit) {
    result.ingotsRequired = std::atof(texts.ingots.c_str());
  } else {
    const int perAttempt = std::atoi(texts.ingots.c_str());
    result.invalidIngots = perAttempt == 0;
    if (!result.invalidIngots)
      result.ingotsRequired = ingotsRequired(perAttempt, texts.rates);
  }
  result.ingotsRequiredText.Format("%.2f", result.ingotsRequired);
  result.price = static_cast<double>(rate) * result.ingotsRequired;
  result.priceText = FormatAmount(result.price);
  return result;
}

ItemFigures figuresAt(const ItemCatalogue& catalogue, int row, const SkillLevel& level, int rate) {
  ItemFigures figures;
  figures.texts.name = catalogue.m_arrItem.GetAt(row);
  figures.texts.ingots = catalogue.m_arrIngots.GetAt(row);
  for (int field = 0; field < kRateFieldCount; ++field)
    figures.texts.rates[field] = (catalogue.*level.columns[field]).GetAt(row);
  figures.calculation = calculate(figures.texts, rate);
  if (figures.calculation.isSuit)
    figures.setContents = suitParts(catalogue, row);
  return figures;
}

const CString& suitParts(const ItemCatalogue& catalogue, int row) {
  return catalogue.m_arrExcRate.ElementAt(row);
}
