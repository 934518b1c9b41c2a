// Terminal widths of UTF-8 text through ICU's character properties, and padded rows.
#include "sheet/TextTable.h"

#include <unicode/uchar.h>
#include <unicode/utf8.h>

#include <algorithm>
#include <cstdint>

namespace {
int cellsOf(UChar32 c) {
  // A byte that begins no UTF-8 sequence: the terminal shows one replacement sign.
  if (c < 0)
    return 1;
  switch (u_charType(c)) {
    case U_NON_SPACING_MARK:
    case U_ENCLOSING_MARK:
    case U_FORMAT_CHAR:
      return 0;
    default:
      break;
  }
  const auto width = static_cast<UEastAsianWidth>(u_getIntPropertyValue(c, UCHAR_EAST_ASIAN_WIDTH));
  return width == U_EA_WIDE || width == U_EA_FULLWIDTH ? 2 : 1;
}

std::string_view trimmedRight(std::string_view line) {
  const std::size_t end = line.find_last_not_of(' ');
  return end == std::string_view::npos ? std::string_view() : line.substr(0, end + 1);
}
}  // namespace

int displayWidth(std::string_view text) {
  const auto* bytes = reinterpret_cast<const uint8_t*>(text.data());
  const auto length = static_cast<int32_t>(text.size());
  int width = 0;
  for (int32_t i = 0; i < length;) {
    UChar32 c;
    U8_NEXT(bytes, i, length, c);
    width += cellsOf(c);
  }
  return width;
}

void TextTable::fit(const std::vector<CString>& cells) {
  for (std::size_t column = 0; column < m_widths.size(); ++column)
    m_widths[column] = std::max(m_widths[column], displayWidth(cells[column]));
}

void TextTable::write(std::ostream& out, const std::vector<CString>& cells) const {
  std::string line;
  for (std::size_t column = 0; column < m_widths.size(); ++column) {
    const CString& cell = cells[column];
    const std::string padding(static_cast<std::size_t>(std::max(0, m_widths[column] - displayWidth(cell))), ' ');
    if (column > 0)
      line += "  ";
    line += m_alignments[column] == Alignment::right ? padding + cell : cell + padding;
  }
  out << trimmedRight(line) << '\n';
}
