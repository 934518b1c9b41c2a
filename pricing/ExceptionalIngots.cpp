// The decisions behind a row's "Ingots Required for Exceptional" and its price.
#include "pricing/ExceptionalIngots.h"

#include "pricing/IngotsRequired.h"

#include <cstdlib>

bool isSuitName(const CString& name) {
  return !name.IsEmpty() && name.front() == '*';
}

double exceptionalIngots(const CString& name, const CString& ingots,
                         const std::function<double()>& itemIngotsRequired) {
  return isSuitName(name) ? std::atof(ingots.c_str()) : itemIngotsRequired();
}

double itemIngotsRequired(const CString& ingots, const CString& execRate, const CString& normRate,
                          const CString& baRate, const CString& failRate, const CString& doa,
                          const std::function<void()>& invalidIngots) {
  const int perAttempt = std::atoi(ingots.c_str());
  if (perAttempt == 0) {
    invalidIngots();
    return 0;
  }
  return ingotsRequired(perAttempt, execRate.c_str(), normRate.c_str(), baRate.c_str(), failRate.c_str(), doa.c_str());
}

double priceOf(int rate, double ingots) {
  return static_cast<double>(rate) * ingots;
}

CString twoDecimals(double value) {
  CString text;
  text.Format("%.2f", value);
  return text;
}

const CString& suitParts(const ItemCatalogue& catalogue, int row) {
  return catalogue.m_arrExcRate.ElementAt(row);
}
