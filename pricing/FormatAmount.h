// The price as the user reads it: two decimals in the number format of the machine's system locale.
#pragma once

#include "framework/CString.h"

// `numberText` (a plain decimal text, or null) in the system locale's number format. The locale is read on
// the first call and kept for the life of the process. A text whose integer part is zero or absent gives "0"; a
// text the formatter rejects gives an empty text.
CString FormatNumberText(const char* numberText);

// `amount` rounded to two decimals and written by FormatNumberText; "0" when it rounds below 1 in size.
CString FormatAmount(double amount);
