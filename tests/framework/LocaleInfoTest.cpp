// The system default locale's number-format items as the locale query gives them, and its buffer protocol.
#include "framework/LocaleInfo.h"
#include "framework/LocaleNumberItems.h"
#include "framework/SystemLocale.h"
#include "tests/framework/ScopedEnvironment.h"
#include "tests/framework/TemporarySystemLocale.h"

#include <gtest/gtest.h>
#include <unicode/uloc.h>

#include <cstring>

namespace {
// The item's text read the way the platform's callers read it: the size first, then the text.
std::string localeItem(LCTYPE type) {
  const int size = GetLocaleInfoA(LOCALE_SYSTEM_DEFAULT, type, nullptr, 0);
  if (size <= 0) return "<failed>";
  std::string text(static_cast<std::size_t>(size), '#');
  if (GetLocaleInfoA(LOCALE_SYSTEM_DEFAULT, type, text.data(), size) != size) return "<failed>";
  if (text.back() != '\0') return "<unterminated>";
  text.pop_back();
  return text;
}

struct ItemsCase {
  std::string posixName;
  LocaleNumberItems expected;  // leading zero, grouping, decimal, thousands, negative order
};

void PrintTo(const ItemsCase& c, std::ostream* out) { *out << c.posixName; }

const ItemsCase itemsCases[] = {
    {"en_US.UTF-8", {"1", "3;0", ".", ",", "1"}},
    {"de_DE.UTF-8", {"1", "3;0", ",", ".", "1"}},
    {"en_IN.UTF-8", {"1", "3;2;0", ".", ",", "1"}},
    {"hi_IN.UTF-8", {"1", "3;2;0", ".", ",", "1"}},
    {"fr_FR.UTF-8", {"1", "3;0", ",", "\u202F", "1"}},
    {"sv_SE.UTF-8", {"1", "3;0", ",", "\u00A0", "1"}},
    {"de_CH.UTF-8", {"1", "3;0", ".", "\u2019", "1"}},
    // Latin digits, so Latin-digit separators rather than the Arabic decimal and thousands signs.
    {"ar_SA.UTF-8", {"1", "3;0", ".", ",", "1"}},
    {"fa_IR.UTF-8", {"1", "3;0", ".", ",", "1"}},
    {"C", {"1", "0", ".", ",", "1"}},
    {"C.UTF-8", {"1", "0", ".", ",", "1"}},
    {"xx_YY.UTF-8", {"1", "0", ".", ",", "1"}},
};

class SystemLocaleItems : public ::testing::TestWithParam<ItemsCase> {};

TEST_P(SystemLocaleItems, ComeFromTheConfiguredLocale) {
  const ItemsCase& c = GetParam();
  TemporarySystemLocale system;
  system.setLang(c.posixName);
  EXPECT_EQ(localeItem(LOCALE_ILZERO), c.expected.leadingZero);
  EXPECT_EQ(localeItem(LOCALE_SGROUPING), c.expected.grouping);
  EXPECT_EQ(localeItem(LOCALE_SDECIMAL), c.expected.decimalSeparator);
  EXPECT_EQ(localeItem(LOCALE_STHOUSAND), c.expected.thousandSeparator);
  EXPECT_EQ(localeItem(LOCALE_INEGNUMBER), c.expected.negativeOrder);
}

INSTANTIATE_TEST_SUITE_P(Locales, SystemLocaleItems, ::testing::ValuesIn(itemsCases));

TEST(LocaleInfoTest, TheUsersEnvironmentChangesNothing) {
  TemporarySystemLocale system;
  system.setLang("en_US.UTF-8");
  const ScopedEnvironment user({"LANG", "LC_ALL", "LC_NUMERIC"}, "de_DE.UTF-8");
  EXPECT_EQ(localeItem(LOCALE_SDECIMAL), ".");
  EXPECT_EQ(localeItem(LOCALE_STHOUSAND), ",");
}

// ICU falls back to its default locale for a locale it has no data for; that default comes from the
// user's environment and must not leak into the system locale's items.
TEST(LocaleInfoTest, AnUnknownLocaleIsNotIcusDefault) {
  TemporarySystemLocale system;
  system.setLang("xx_YY.UTF-8");
  const std::string previousDefault = uloc_getDefault();
  UErrorCode status = U_ZERO_ERROR;
  uloc_setDefault("de_DE", &status);
  ASSERT_TRUE(U_SUCCESS(status));
  const std::string decimal = localeItem(LOCALE_SDECIMAL);
  const std::string grouping = localeItem(LOCALE_SGROUPING);
  uloc_setDefault(previousDefault.c_str(), &status);
  EXPECT_EQ(decimal, ".");
  EXPECT_EQ(grouping, "0");
}

TEST(LocaleInfoTest, SizeProtocol) {
  TemporarySystemLocale system;
  system.setLang("fr_FR.UTF-8");
  // U+202F takes three bytes, and the terminator one more.
  ASSERT_EQ(GetLocaleInfoA(LOCALE_SYSTEM_DEFAULT, LOCALE_STHOUSAND, nullptr, 0), 4);
  char buffer[8];
  std::memset(buffer, '#', sizeof buffer);
  EXPECT_EQ(GetLocaleInfoA(LOCALE_SYSTEM_DEFAULT, LOCALE_STHOUSAND, buffer, 3), 0);
  EXPECT_EQ(std::string(buffer, 3), "###") << "a buffer too small stays untouched";
  EXPECT_EQ(GetLocaleInfoA(LOCALE_SYSTEM_DEFAULT, LOCALE_STHOUSAND, buffer, 4), 4);
  EXPECT_STREQ(buffer, "\u202F");
  EXPECT_EQ(buffer[4], '#') << "nothing written past the terminator";
  EXPECT_EQ(GetLocaleInfoA(LOCALE_SYSTEM_DEFAULT, LOCALE_SDECIMAL, buffer, sizeof buffer), 2);
  EXPECT_STREQ(buffer, ",");
}

TEST(LocaleInfoTest, FailsForWhatItDoesNotKnow) {
  TemporarySystemLocale system;
  system.setLang("en_US.UTF-8");
  char buffer[16];
  const LCID userDefault = 0x0400;
  EXPECT_EQ(GetLocaleInfoA(userDefault, LOCALE_SDECIMAL, buffer, sizeof buffer), 0);
  EXPECT_EQ(GetLocaleInfoA(userDefault, LOCALE_SDECIMAL, nullptr, 0), 0);
  const LCTYPE currencySymbol = 0x14;
  EXPECT_EQ(GetLocaleInfoA(LOCALE_SYSTEM_DEFAULT, currencySymbol, nullptr, 0), 0);
  EXPECT_EQ(GetLocaleInfoA(LOCALE_SYSTEM_DEFAULT, LOCALE_SDECIMAL, nullptr, 2), 0);
  EXPECT_EQ(GetLocaleInfoA(LOCALE_SYSTEM_DEFAULT, LOCALE_SDECIMAL, buffer, -1), 0);
}

struct NegativeCase {
  std::string prefix, suffix, minus;
  int expected;
};

void PrintTo(const NegativeCase& c, std::ostream* out) { *out << '[' << c.prefix << '|' << c.suffix << ']'; }

const NegativeCase negativeCases[] = {
    {"(", ")", "-", 0},
    {"-", "", "-", 1},
    {"- ", "", "-", 2},
    {"", "-", "-", 3},
    {"", " -", "-", 4},
    // Right-to-left locales wrap the minus sign in direction marks; some use U+2212 as the sign.
    {"\u200E-", "", "\u200E-", 1},
    {"\u061C-", "", "\u061C-", 1},
    {"\u200E\u2212", "", "\u200E\u2212", 1},
    {"\u2212\u00A0", "", "\u2212", 2},
    {"", "\u202F-", "-", 4},
    {"", "\u200F-", "-", 3},
    {"[", "]", "-", 1},
    {"-", "-", "-", 1},
    {"--", "", "-", 1},
};

class NegativeOrder : public ::testing::TestWithParam<NegativeCase> {};

TEST_P(NegativeOrder, FollowsTheMinusPlacement) {
  const NegativeCase& c = GetParam();
  EXPECT_EQ(negativeOrderOf(c.prefix, c.suffix, c.minus), c.expected) << "[" << c.prefix << "|" << c.suffix << "]";
}

INSTANTIATE_TEST_SUITE_P(Affixes, NegativeOrder, ::testing::ValuesIn(negativeCases));
}  // namespace
