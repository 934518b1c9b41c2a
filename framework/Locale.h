// The system default locale's number format, from the machine's system-wide configuration, never the user's.
#pragma once

#include "framework/Types.h"

#include <string>
#include <vector>

using LCID = DWORD;
using LCTYPE = DWORD;
constexpr LCID LOCALE_SYSTEM_DEFAULT = 0x0800;  // the only locale the layer knows
enum : LCTYPE {
  LOCALE_SDECIMAL = 0x0E,
  LOCALE_STHOUSAND = 0x0F,
  LOCALE_SGROUPING = 0x10,
  LOCALE_ILZERO = 0x12,
  LOCALE_INEGNUMBER = 0x1010
};

// An amount below 1 reaches the formatter as "0", so no leading zero is ever shown, and every locale writes a negative
// number with a leading "-": LeadingZero and NegativeOrder are never read.
struct NUMBERFMT {
  UINT NumDigits;  // decimals the value must not exceed; fewer are padded
  UINT LeadingZero;
  UINT Grouping;       // digits per group, repeated leftwards from the decimal sign; 0: no groups
  char* lpDecimalSep;  // UTF-8
  char* lpThousandSep;
  UINT NegativeOrder;
};

// Both write UTF-8 with its terminator and return the characters written, or with size 0 the size needed; 0 for an
// unknown item, for a value other than an optional "-", digits and at most NumDigits decimals, or for a buffer too
// small. The locale is always the system default's, its items read once per run.
int GetLocaleInfoA(LCID locale, LCTYPE type, char* buffer, int size);
int GetNumberFormatA(LCID locale, DWORD flags, const char* value, const NUMBERFMT* format, char* buffer, int size);

// Replaces the configuration files, most preferred first, returning the old; the next query reads the locale again.
std::vector<std::string> setSystemLocaleConfigFiles(std::vector<std::string> paths);

// Keeps the C runtime's numbers (atof, printf) in "C" once Qt adopts the user's locale: German would read "67.5" as 67.
void keepCNumbers();
