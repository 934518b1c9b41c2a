// Columns of text aligned for a terminal, measured in the cells that UTF-8 text takes on screen.
#pragma once

#include "framework/CString.h"

#include <ostream>
#include <string_view>
#include <vector>

// The terminal cells `text` takes: one for most characters, two for wide East Asian ones, none for
// combining marks and format characters such as a zero-width space. A byte that is not UTF-8 takes one.
int displayWidth(std::string_view text);

enum class Alignment {
  left,
  right
};

class TextTable {
public:
  explicit TextTable(std::vector<Alignment> alignments)
      : m_alignments(std::move(alignments)), m_widths(m_alignments.size()) {}

  // Widens the columns to hold `cells`, one for each column.
  void fit(const std::vector<CString>& cells);
  // Writes `cells`, one for each column, padded to the columns' widths two blanks apart, no blank at the line's end.
  void write(std::ostream& out, const std::vector<CString>& cells) const;

private:
  std::vector<Alignment> m_alignments;
  std::vector<int> m_widths;
};
