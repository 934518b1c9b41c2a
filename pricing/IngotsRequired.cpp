// The ingots-required formula, each step in its own order so that results match the stored figures exactly.
#include "pricing/IngotsRequired.h"

#include <cstdlib>

namespace {
// Share of an average or below-average result's ingots that counts as won back.
constexpr double kRecovered = 0.6085;
}  // namespace

double ingotsRequired(int ingots, const char* execRate, const char* normRate, const char* baRate, const char* failRate,
                      const char* doa) {
  const double n = ingots;
  // Divisions by 100.0, not multiplications by 0.01: the two differ in the last bit.
  const double e = std::atof(execRate) / 100.0;
  const double a = std::atof(normRate) / 100.0;
  const double b = std::atof(baRate) / 100.0;
  const double f = std::atof(failRate) / 100.0;
  const double d = std::atof(doa);
  const double q = (e != 0.0) ? n / e : 0.0;
  const double won = kRecovered * a * q;
  const double wonBelow = kRecovered * b * q;
  const double r = d / n;
  const double lost = (1.0 - r) * f * q;
  return q - won - wonBelow - lost;
}
