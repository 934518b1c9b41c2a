// The number-format items of a locale, as texts in the original platform's notation, taken from ICU's data.
#pragma once

#include <string>
#include <string_view>

struct LocaleNumberItems {
  std::string leadingZero;        // "1" when numbers below 1 keep their 0 before the decimal sign, else "0"
  std::string grouping;           // group sizes from the decimal sign leftwards: "3;0", "3;2;0", or "0" for none
  std::string decimalSeparator;   // UTF-8
  std::string thousandSeparator;  // UTF-8
  std::string negativeOrder;      // "0" (1.1), "1" -1.1, "2" - 1.1, "3" 1.1-, "4" 1.1 -
};

// The items of an ICU locale id such as "de_DE@numbers=latn"; the C locale's when ICU cannot give them.
LocaleNumberItems localeNumberItems(const std::string& icuLocaleId);

// The negative order that a decimal pattern's negative prefix and suffix (UTF-8) express, given the
// locale's minus sign. Direction marks are ignored and any kind of space counts as the space; an
// arrangement with no equivalent gives 1, a leading minus.
int negativeOrderOf(std::string_view prefix, std::string_view suffix, std::string_view minusSign);
