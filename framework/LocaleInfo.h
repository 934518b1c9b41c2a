// Stand-in for the platform's locale query: the system default locale's number-format items.
#pragma once

#include "framework/Types.h"

using LCID = DWORD;
using LCTYPE = DWORD;

// The only locale the layer knows: the machine's system default one, never the user's.
constexpr LCID LOCALE_SYSTEM_DEFAULT = 0x0800;

// The item types answered; every other one fails.
enum : LCTYPE {
  LOCALE_SDECIMAL = 0x0E,
  LOCALE_STHOUSAND = 0x0F,
  LOCALE_SGROUPING = 0x10,
  LOCALE_ILZERO = 0x12,
  LOCALE_INEGNUMBER = 0x1010,
};

// Writes the item's text (UTF-8) with its terminator and returns the characters written. With size 0
// nothing is written and the size needed, terminator included, is returned. 0 on failure: an unknown
// locale or item, no buffer, or a buffer too small.
int GetLocaleInfoA(LCID locale, LCTYPE type, char* buffer, int size);
