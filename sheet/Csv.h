// Comma-separated values as RFC 4180 writes them, which spreadsheets read whatever their locale.
#pragma once

#include "framework/CString.h"

#include <ostream>
#include <string_view>
#include <vector>

// The field as written: in double quotes, inner quotes doubled, when it holds a comma, a quote, CR or LF
// or begins or ends with a blank.
CString csvField(std::string_view text);

// One record: its fields separated by commas and ended by CR LF.
void writeCsvRecord(std::ostream& out, const std::vector<CString>& fields);
