// Stand-in for the platform's number formatter: a plain decimal text written under a caller's format record.
#pragma once

#include "framework/LocaleInfo.h"

struct NUMBERFMT {
  UINT NumDigits;        // decimals shown, 0 to 9; the value is rounded half away from zero or padded
  UINT LeadingZero;      // 1: a number below 1 keeps its 0 before the decimal sign; 0: it does not
  UINT Grouping;         // group sizes leftwards from the decimal sign, one decimal digit each: 3 groups by
                         // threes, 32 gives 12,34,56,789; a last digit 0 leaves the rest ungrouped; 0: none
  char* lpDecimalSep;    // UTF-8, any length
  char* lpThousandSep;   // UTF-8, any length
  UINT NegativeOrder;    // 0 (1.1), 1 -1.1, 2 - 1.1, 3 1.1-, 4 1.1 -
};

// Formats `value` (an optional leading "-", decimal digits, at most one "." and at least one digit) under
// `format`, writes it with its terminator and returns the characters written. With size 0 nothing is
// written and the size needed, terminator included, is returned. 0 on failure: a locale other than the
// system default, flags, no record or a record out of range, a value of another form, no buffer, or a
// buffer too small. A value that rounds to zero is written without its minus sign.
int GetNumberFormatA(LCID locale, DWORD flags, const char* value, const NUMBERFMT* format, char* buffer, int size);
