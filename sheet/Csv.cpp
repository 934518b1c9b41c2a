// Quoting of CSV fields and records ended by CR LF.
#include "sheet/Csv.h"

CString csvField(std::string_view text) {
  // Blanks at either end belong to the field, but some readers drop them from a field without quotes.
  const bool blankEnds = !text.empty() && (text.front() == ' ' || text.back() == ' ');
  if (text.find_first_of(",\"\r\n") == std::string_view::npos && !blankEnds)
    return CString(text);
  CString quoted = "\"";
  for (const char c : text) {
    if (c == '"')
      quoted += '"';
    quoted += c;
  }
  return quoted + "\"";
}

void writeCsvRecord(std::ostream& out, const std::vector<CString>& fields) {
  for (std::size_t i = 0; i < fields.size(); ++i) {
    if (i > 0)
      out << ',';
    out << csvField(fields[i]);
  }
  out << "\r\n";
}
