// Our own formatting of a decimal text under a number-format record, with the platform's rules for its fields.
#include "framework/NumberFormat.h"

#include <algorithm>
#include <climits>
#include <cstring>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace {
struct DecimalText {
  bool negative = false;
  std::string_view whole;
  std::string_view fraction;
};

bool allDigits(std::string_view text) {
  return std::all_of(text.begin(), text.end(), [](char c) { return c >= '0' && c <= '9'; });
}

std::optional<DecimalText> parseDecimal(std::string_view value) {
  DecimalText parsed;
  if (value.starts_with('-')) {
    parsed.negative = true;
    value.remove_prefix(1);
  }
  const std::size_t point = value.find('.');
  parsed.whole = value.substr(0, point);
  if (point != std::string_view::npos) parsed.fraction = value.substr(point + 1);
  if (!allDigits(parsed.whole) || !allDigits(parsed.fraction)) return std::nullopt;
  if (parsed.whole.empty() && parsed.fraction.empty()) return std::nullopt;
  return parsed;
}

// Adds one unit in the last place of whole.fraction, carrying leftwards into a new leading digit.
void roundUp(std::string& whole, std::string& fraction) {
  for (std::string* digits : {&fraction, &whole}) {
    for (auto digit = digits->rbegin(); digit != digits->rend(); ++digit) {
      if (*digit != '9') {
        ++*digit;
        return;
      }
      *digit = '0';
    }
  }
  whole.insert(whole.begin(), '1');
}

// The group sizes that the record's Grouping spells digit by digit, and whether the last one repeats.
struct GroupSizes {
  std::vector<std::size_t> sizes;
  bool repeatLast = false;
};

GroupSizes groupSizes(UINT grouping) {
  const std::string digits = grouping == 0 ? std::string() : std::to_string(grouping);
  GroupSizes groups;
  for (const char digit : digits) {
    if (digit == '0') return groups;
    groups.sizes.push_back(static_cast<std::size_t>(digit - '0'));
  }
  groups.repeatLast = !groups.sizes.empty();
  return groups;
}

std::string groupedWhole(const std::string& whole, UINT grouping, std::string_view separator) {
  const GroupSizes groups = groupSizes(grouping);
  // Cut points counted from the right, nearest the decimal sign first.
  std::vector<std::size_t> cuts;
  std::size_t taken = 0;
  for (std::size_t index = 0; index < groups.sizes.size();) {
    taken += groups.sizes[index];
    if (taken >= whole.size()) break;
    cuts.push_back(whole.size() - taken);
    if (index + 1 < groups.sizes.size() || !groups.repeatLast) ++index;
  }
  std::string text;
  text.reserve(whole.size() + cuts.size() * separator.size());
  std::size_t from = 0;
  for (auto cut = cuts.rbegin(); cut != cuts.rend(); ++cut) {
    text.append(whole, from, *cut - from);
    text.append(separator);
    from = *cut;
  }
  text.append(whole, from);
  return text;
}

std::optional<std::string> formatDecimal(std::string_view value, const NUMBERFMT& format) {
  const std::optional<DecimalText> parsed = parseDecimal(value);
  if (!parsed) return std::nullopt;
  std::string whole(parsed->whole.substr(std::min(parsed->whole.find_first_not_of('0'), parsed->whole.size())));
  std::string fraction(parsed->fraction.substr(0, format.NumDigits));
  fraction.resize(format.NumDigits, '0');
  if (parsed->fraction.size() > format.NumDigits && parsed->fraction[format.NumDigits] >= '5') roundUp(whole, fraction);

  const bool zero = whole.empty() && fraction.find_first_not_of('0') == std::string::npos;
  // A number is never written without a digit, whatever LeadingZero says.
  if (whole.empty() && (format.LeadingZero == 1 || fraction.empty())) whole.push_back('0');

  std::string number = groupedWhole(whole, format.Grouping, format.lpThousandSep);
  if (!fraction.empty()) {
    number += format.lpDecimalSep;
    number += fraction;
  }
  if (!parsed->negative || zero) return number;
  switch (format.NegativeOrder) {
    case 0: return '(' + number + ')';
    case 2: return "- " + number;
    case 3: return number + '-';
    case 4: return number + " -";
    default: return '-' + number;
  }
}

bool validRecord(const NUMBERFMT& format) {
  return format.NumDigits <= 9 && format.LeadingZero <= 1 && format.NegativeOrder <= 4 && format.lpDecimalSep &&
         format.lpThousandSep;
}
}  // namespace

int GetNumberFormatA(LCID locale, DWORD flags, const char* value, const NUMBERFMT* format, char* buffer, int size) {
  if (locale != LOCALE_SYSTEM_DEFAULT || flags != 0 || !value || !format || !validRecord(*format)) return 0;
  if (size < 0 || (size > 0 && !buffer)) return 0;
  const std::optional<std::string> text = formatDecimal(value, *format);
  if (!text || text->size() >= static_cast<std::size_t>(INT_MAX)) return 0;
  const int needed = static_cast<int>(text->size()) + 1;
  if (size == 0) return needed;
  if (size < needed) return 0;
  std::memcpy(buffer, text->c_str(), static_cast<std::size_t>(needed));
  return needed;
}
