// Derives a locale's number-format items from ICU's decimal format for it.
#include "framework/LocaleNumberItems.h"

#include <unicode/unum.h>
#include <unicode/ustring.h>

#include <algorithm>
#include <iterator>
#include <memory>
#include <vector>

namespace {
struct FormatCloser {
  void operator()(UNumberFormat* format) const { unum_close(format); }
};
using NumberFormatHandle = std::unique_ptr<UNumberFormat, FormatCloser>;

// Runs one of ICU's UTF-16 text getters, which take a buffer and its capacity, and returns the text as
// UTF-8; empty when ICU has none.
template <typename Getter>
std::string utf8Text(Getter get) {
  std::vector<UChar> buffer(32);
  UErrorCode status = U_ZERO_ERROR;
  int32_t length = get(buffer.data(), static_cast<int32_t>(buffer.size()), &status);
  if (status == U_BUFFER_OVERFLOW_ERROR) {
    buffer.resize(static_cast<std::size_t>(length) + 1);
    status = U_ZERO_ERROR;
    length = get(buffer.data(), static_cast<int32_t>(buffer.size()), &status);
  }
  if (U_FAILURE(status)) return {};
  int32_t needed = 0;
  UErrorCode conversion = U_ZERO_ERROR;
  u_strToUTF8(nullptr, 0, &needed, buffer.data(), length, &conversion);
  std::string text(static_cast<std::size_t>(needed), '\0');
  conversion = U_ZERO_ERROR;
  u_strToUTF8(text.data(), needed, nullptr, buffer.data(), length, &conversion);
  return U_FAILURE(conversion) ? std::string() : text;
}

std::string symbol(const UNumberFormat* format, UNumberFormatSymbol which) {
  return utf8Text([&](UChar* buffer, int32_t capacity, UErrorCode* status) {
    return unum_getSymbol(format, which, buffer, capacity, status);
  });
}

std::string affix(const UNumberFormat* format, UNumberFormatTextAttribute which) {
  return utf8Text([&](UChar* buffer, int32_t capacity, UErrorCode* status) {
    return unum_getTextAttribute(format, which, buffer, capacity, status);
  });
}

// The platform's grouping text: the primary size, then the secondary one where it differs, and a final
// 0 for "repeat the last size".
std::string groupingText(const UNumberFormat* format) {
  const int32_t primary = unum_getAttribute(format, UNUM_GROUPING_SIZE);
  if (!unum_getAttribute(format, UNUM_GROUPING_USED) || primary <= 0) return "0";
  const int32_t secondary = unum_getAttribute(format, UNUM_SECONDARY_GROUPING_SIZE);
  if (secondary > 0 && secondary != primary) return std::to_string(primary) + ';' + std::to_string(secondary) + ";0";
  return std::to_string(primary) + ";0";
}

// Drops the direction marks that right-to-left locales put around the minus sign and turns every space
// character into a plain blank, so that only the arrangement is left to compare.
std::string arrangement(std::string_view text) {
  static constexpr std::string_view marks[] = {"\u200E", "\u200F", "\u061C"};
  static constexpr std::string_view spaces[] = {"\u00A0", "\u202F", "\u2009", "\u2007"};
  const auto leading = [&text](std::string_view piece) { return text.starts_with(piece); };
  std::string plain;
  while (!text.empty()) {
    if (const auto* mark = std::find_if(std::begin(marks), std::end(marks), leading); mark != std::end(marks)) {
      text.remove_prefix(mark->size());
    } else if (const auto* space = std::find_if(std::begin(spaces), std::end(spaces), leading);
               space != std::end(spaces)) {
      plain += ' ';
      text.remove_prefix(space->size());
    } else {
      plain += text.front();
      text.remove_prefix(1);
    }
  }
  return plain;
}
}  // namespace

int negativeOrderOf(std::string_view prefix, std::string_view suffix, std::string_view minusSign) {
  const std::string before = arrangement(prefix);
  const std::string after = arrangement(suffix);
  const std::string minus = arrangement(minusSign);
  if (before == "(" && after == ")") return 0;
  if (after.empty() && before == minus + ' ') return 2;
  if (before.empty() && after == minus) return 3;
  if (before.empty() && after == ' ' + minus) return 4;
  return 1;
}

LocaleNumberItems localeNumberItems(const std::string& icuLocaleId) {
  UErrorCode status = U_ZERO_ERROR;
  const NumberFormatHandle format(unum_open(UNUM_DECIMAL, nullptr, 0, icuLocaleId.c_str(), nullptr, &status));
  if (U_FAILURE(status) || !format) return {"1", "0", ".", ",", "1"};
  const UNumberFormat* icu = format.get();
  return {
      unum_getAttribute(icu, UNUM_MIN_INTEGER_DIGITS) > 0 ? "1" : "0",
      groupingText(icu),
      symbol(icu, UNUM_DECIMAL_SEPARATOR_SYMBOL),
      symbol(icu, UNUM_GROUPING_SEPARATOR_SYMBOL),
      std::to_string(negativeOrderOf(affix(icu, UNUM_NEGATIVE_PREFIX), affix(icu, UNUM_NEGATIVE_SUFFIX),
                                     symbol(icu, UNUM_MINUS_SIGN_SYMBOL))),
  };
}
