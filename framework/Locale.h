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

// An amount below 1 is written as "0" before it reaches the formatter, so the leading zero is never shown; every locale
// writes a negative number with a leading "-", the only negative order the layer knows.
struct NUMBERFMT {
  UINT NumDigits;  // decimals the value must not exceed; fewer are padded
  UINT LeadingZero;
  UINT Grouping;       // digits per group, repeated leftwards from the decimal sign; 0: no groups
  char* lpDecimalSep;  // UTF-8
  char* lpThousandSep;
  UINT NegativeOrder;
};

// Both write UTF-8 with its terminator and return the characters written, or with size 0 the size needed; 0 for an
// unknown item, a value other than an optional "-", digits and at most NumDigits decimals, or a buffer too small. The
// locale is always the system default's, its items read once per run.
int GetLocaleInfoA(LCID locale, LCTYPE type, char* buffer, int size);
int GetNumberFormatA(LCID locale, DWORD flags, const char* value, const NUMBERFMT* format, char* buffer, int size);

// Replaces the configuration files consulted, most preferred first, and returns those used until now; the locale is
// read again at the next query. The program keeps the machine's own files.
std::vector<std::string> setSystemLocaleConfigFiles(std::vector<std::string> paths);

// Keeps the C runtime's numbers (atof, printf) in the "C" locale once Qt has adopted the user's: under a German one
// atof would stop at the "." of "67.5".
void keepCNumbers();
