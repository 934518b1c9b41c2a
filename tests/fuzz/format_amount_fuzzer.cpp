// Fuzz target: any double (NaN, infinities, denormals and the largest included) written by FormatAmount under
// one of several system locales. The text is "0" when the amount's two-decimal writing has a zero integer
// part; otherwise it is valid UTF-8 of bounded length that reads back as exactly that writing: the same
// digits, grouped by the locale's group size with its separator, its decimal sign, and its form of minus.
#include "framework/LocaleInfo.h"
#include "pricing/FormatAmount.h"
#include "tests/framework/TemporarySystemLocale.h"

#include <QString>

#include <algorithm>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string>
#include <string_view>
#include <utility>

namespace {
// Locales with ASCII and wider separators, several group sizes and negative forms, and none at all (C).
constexpr const char* kLocales[] = {"C",           "en_US.UTF-8", "de_DE.UTF-8", "fr_FR.UTF-8",
                                    "de_CH.UTF-8", "en_IN.UTF-8", "sv_SE.UTF-8", "ar_SA.UTF-8",
                                    "fa_IR.UTF-8", "he_IL.UTF-8", "bg_BG.UTF-8", "es_ES.UTF-8"};
// The longest two-decimal writing of a double is 313 characters; with a separator of a few bytes before
// every third digit the text stays well below this.
constexpr std::size_t kLongestText = 1024;

struct Format {
  std::string decimal;
  std::string thousand;
  int groupSize;
  int negativeOrder;
};

std::string localeItem(LCTYPE type) {
  char text[64] = {};
  if (GetLocaleInfoA(LOCALE_SYSTEM_DEFAULT, type, text, sizeof text) == 0) return {};
  return text;
}

const Format& useLocale(std::size_t index) {
  static TemporarySystemLocale system;
  static std::size_t current = std::size(kLocales);
  static Format format;
  if (index != current) {
    current = index;
    system.setLang(kLocales[index]);
    FormatNumberText(nullptr, true);
    format = {localeItem(LOCALE_SDECIMAL), localeItem(LOCALE_STHOUSAND), std::atoi(localeItem(LOCALE_SGROUPING).c_str()),
              std::atoi(localeItem(LOCALE_INEGNUMBER).c_str())};
  }
  return format;
}

[[noreturn]] void fail(const char* what, const std::string& plain, const std::string& text) {
  std::fprintf(stderr, "format_amount_fuzzer: %s (\"%s\" gave \"%s\")\n", what, plain.c_str(), text.c_str());
  std::abort();
}

bool startsWith(std::string_view text, std::string_view prefix) { return text.substr(0, prefix.size()) == prefix; }
bool endsWith(std::string_view text, std::string_view suffix) {
  return text.size() >= suffix.size() && text.substr(text.size() - suffix.size()) == suffix;
}

// Takes the locale's negative form off `text`; false when it is not there.
bool stripMinus(std::string_view& text, int order) {
  static constexpr std::pair<std::string_view, std::string_view> forms[] = {
      {"(", ")"}, {"-", ""}, {"- ", ""}, {"", "-"}, {"", " -"}};
  const auto& [before, after] = forms[order];
  if (!startsWith(text, before) || !endsWith(text, after) || text.size() < before.size() + after.size()) return false;
  text = text.substr(before.size(), text.size() - before.size() - after.size());
  return true;
}

// Checks that `text` is `plain` (a "%.2f" writing with a non-zero integer part) in `format`.
void checkReadsBack(const std::string& plain, const std::string& text, const Format& format) {
  std::string_view rest = text;
  const bool negative = plain.front() == '-';
  if (negative && !stripMinus(rest, format.negativeOrder)) fail("the minus form is missing", plain, text);
  const std::string_view digits = std::string_view(plain).substr(negative ? 1 : 0);
  const std::size_t point = digits.find('.');

  if (!endsWith(rest, format.decimal + std::string(digits.substr(point + 1)))) fail("decimals differ", plain, text);
  rest.remove_suffix(format.decimal.size() + 2);

  // The integer digits, in groups: the first of 1 to the group size digits, the others of the group size.
  std::string integer;
  bool first = true;
  while (true) {
    const std::size_t separator = format.thousand.empty() ? std::string_view::npos : rest.find(format.thousand);
    const std::string_view group = rest.substr(0, separator);
    const bool wrongSize = format.groupSize > 0 && (first ? group.size() > std::size_t(format.groupSize)
                                                          : group.size() != std::size_t(format.groupSize));
    if (group.empty() || wrongSize) fail("a digit group has the wrong size", plain, text);
    integer += group;
    first = false;
    if (separator == std::string_view::npos) break;
    rest.remove_prefix(separator + format.thousand.size());
  }
  if (integer != digits.substr(0, point)) fail("the digits differ", plain, text);
}
}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  // Eight bytes are the double, the next picks the locale.
  double amount = 0;
  if (size > 0) std::memcpy(&amount, data, std::min(size, sizeof amount));
  const Format& format = useLocale(size > sizeof amount ? data[sizeof amount] % std::size(kLocales) : 1);

  CString plain;
  plain.Format("%.2f", amount);
  const CString text = FormatAmount(amount);
  if (text.size() > kLongestText) fail("the text is too long", plain, text);
  if (text.find('\0') != std::string::npos) fail("the text holds a NUL", plain, text);
  if (QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size())).toUtf8().toStdString() != text)
    fail("the text is not valid UTF-8", plain, text);

  const std::size_t firstDigit = plain.find_first_of("123456789");
  const bool zeroIntegerPart = firstDigit == std::string::npos || firstDigit > plain.find('.');
  if (zeroIntegerPart) {
    if (text != "0") fail("an amount below one is not \"0\"", plain, text);
  } else {
    checkReadsBack(plain, text, format);
  }
  return 0;
}
