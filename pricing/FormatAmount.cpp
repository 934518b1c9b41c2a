// Formats prices under a number-format record read once from the system locale and kept until exit.
#include "pricing/FormatAmount.h"

#include "framework/Locale.h"

#include <cctype>
#include <cstdlib>
#include <cstring>

namespace {
NUMBERFMT numberFormat{};
bool numberFormatStale = true;

// Reads one locale item with the platform's two calls: the size needed, then the text.
void readLocaleItem(LCTYPE type, CString& text) {
  const int size = GetLocaleInfoA(LOCALE_SYSTEM_DEFAULT, type, nullptr, 0);
  // The size is 0 for an item the platform does not know.
  text.assign(static_cast<std::size_t>(size), '\0');
  GetLocaleInfoA(LOCALE_SYSTEM_DEFAULT, type, text.data(), size);
  text.resize(std::strlen(text.c_str()));
}

UINT readIntegerItem(LCTYPE type, CString& scratch) {
  readLocaleItem(type, scratch);
  return static_cast<UINT>(std::atoi(scratch.c_str()));
}

void loadNumberFormat() {
  // The record points into these two strings, so they live until exit and change only while it reloads.
  static CString decimalSeparator;
  static CString thousandSeparator;
  numberFormatStale = false;
  numberFormat.NumDigits = 2;
  CString scratch;
  numberFormat.LeadingZero = readIntegerItem(LOCALE_ILZERO, scratch);
  numberFormat.Grouping = readIntegerItem(LOCALE_SGROUPING, scratch);
  readLocaleItem(LOCALE_SDECIMAL, decimalSeparator);
  numberFormat.lpDecimalSep = decimalSeparator.data();
  readLocaleItem(LOCALE_STHOUSAND, thousandSeparator);
  numberFormat.lpThousandSep = thousandSeparator.data();
  numberFormat.NegativeOrder = readIntegerItem(LOCALE_INEGNUMBER, scratch);
}

// What atoi(text) == 0 means, without its overflow: no digits after the optional blanks and sign, or
// only zeros. atoi itself would call 4294967296.00 zero, because the C library wraps it to 32 bits.
bool integerPartIsZero(const char* text) {
  while (std::isspace(static_cast<unsigned char>(*text)))
    ++text;
  if (*text == '+' || *text == '-')
    ++text;
  while (*text == '0')
    ++text;
  return !std::isdigit(static_cast<unsigned char>(*text));
}
}  // namespace

CString FormatNumberText(const char* numberText) {
  if (numberFormatStale)
    loadNumberFormat();
  if (!numberText || integerPartIsZero(numberText))
    return "0";
  const int size = GetNumberFormatA(LOCALE_SYSTEM_DEFAULT, 0, numberText, &numberFormat, nullptr, 0);
  if (size == 0)
    return CString();
  CString text(static_cast<std::size_t>(size), '\0');
  if (GetNumberFormatA(LOCALE_SYSTEM_DEFAULT, 0, numberText, &numberFormat, text.data(), size) == 0)
    return CString();
  text.resize(std::strlen(text.c_str()));
  return text;
}

CString FormatAmount(double amount) {
  CString text;
  text.Format("%.2f", amount);
  return FormatNumberText(text.c_str());
}
