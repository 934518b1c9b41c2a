// The price text in the system locale's format: the examples, the read-once cache, the "0" short path and extremes.
#include "pricing/FormatAmount.h"
#include "tests/framework/ScopedEnvironment.h"
#include "tests/framework/TemporarySystemLocale.h"

#include <gtest/gtest.h>

#include <cfloat>
#include <cmath>
#include <cstdio>
#include <limits>

namespace {
class FormatAmountTest : public ::testing::Test {
protected:
  // Makes `posixName` the system locale and has the formatter read it.
  void useSystemLocale(const std::string& posixName) {
    m_system.setLang(posixName);
    FormatNumberText(nullptr, true);
  }

  TemporarySystemLocale m_system;
};

struct AmountCase {
  double amount;
  const char* expected;
};

void PrintTo(const AmountCase& c, std::ostream* out) { *out << c.amount << " -> \"" << c.expected << '"'; }

class EnglishUnitedStates : public FormatAmountTest, public ::testing::WithParamInterface<AmountCase> {};

TEST_P(EnglishUnitedStates, WritesTheAmount) {
  useSystemLocale("en_US.UTF-8");
  EXPECT_EQ(FormatAmount(GetParam().amount), GetParam().expected);
}

INSTANTIATE_TEST_SUITE_P(Amounts, EnglishUnitedStates,
                         ::testing::Values(AmountCase{1234.5, "1,234.50"}, AmountCase{1234567.891, "1,234,567.89"},
                                           AmountCase{12, "12.00"}, AmountCase{999.999, "1,000.00"},
                                           AmountCase{-1234.5, "-1,234.50"}, AmountCase{0.999, "1.00"},
                                           AmountCase{0.75, "0"}, AmountCase{0, "0"}, AmountCase{-0.5, "0"},
                                           AmountCase{-0.999, "-1.00"}, AmountCase{-0.0, "0"},
                                           AmountCase{196.2875 * 12, "2,355.45"}));

struct LocaleCase {
  const char* posixName;
  double amount;
  const char* expected;
};

void PrintTo(const LocaleCase& c, std::ostream* out) { *out << c.posixName << ' ' << c.amount; }

class OtherLocales : public FormatAmountTest, public ::testing::WithParamInterface<LocaleCase> {};

TEST_P(OtherLocales, WriteTheAmountTheirWay) {
  useSystemLocale(GetParam().posixName);
  EXPECT_EQ(FormatAmount(GetParam().amount), GetParam().expected);
}

INSTANTIATE_TEST_SUITE_P(
    Locales, OtherLocales,
    ::testing::Values(LocaleCase{"de_DE.UTF-8", 1234.5, "1.234,50"}, LocaleCase{"de_DE.UTF-8", -1234.5, "-1.234,50"},
                      // Grouping 3;2;0 keeps only its leading size: groups of three all the way.
                      LocaleCase{"en_IN.UTF-8", 1234567.891, "1,234,567.89"},
                      LocaleCase{"hi_IN.UTF-8", 123456789.5, "123,456,789.50"},
                      // Separators beyond ASCII come through as their UTF-8 bytes.
                      LocaleCase{"fr_FR.UTF-8", 1234567.5, "1\u202F234\u202F567,50"},
                      LocaleCase{"sv_SE.UTF-8", -1234.5, "-1\u00A0234,50"},
                      LocaleCase{"de_CH.UTF-8", 1234.5, "1\u2019234.50"},
                      LocaleCase{"ar_SA.UTF-8", 1234.5, "1,234.50"},
                      // The C locale groups nothing.
                      LocaleCase{"C", 1234567.891, "1234567.89"}, LocaleCase{"POSIX", -1234.5, "-1234.50"}));

TEST_F(FormatAmountTest, TheUsersEnvironmentChangesNothing) {
  const ScopedEnvironment user({"LANG", "LC_ALL", "LC_NUMERIC"}, "de_DE.UTF-8");
  useSystemLocale("en_US.UTF-8");
  EXPECT_EQ(FormatAmount(1234.5), "1,234.50");
  useSystemLocale("C");
  EXPECT_EQ(FormatAmount(1234.5), "1234.50");
}

TEST_F(FormatAmountTest, ReadsTheLocaleOnlyOnce) {
  useSystemLocale("en_US.UTF-8");
  EXPECT_EQ(FormatAmount(1234.5), "1,234.50");
  m_system.setLang("de_DE.UTF-8");
  EXPECT_EQ(FormatAmount(1234.5), "1,234.50");
  EXPECT_EQ(FormatNumberText("1234.50", false), "1,234.50");
  std::remove(m_system.localeConf().c_str());
  EXPECT_EQ(FormatAmount(-1234.5), "-1,234.50");
}

TEST_F(FormatAmountTest, ReloadReadsItAgain) {
  useSystemLocale("en_US.UTF-8");
  EXPECT_EQ(FormatAmount(1234.5), "1,234.50");
  m_system.setLang("de_DE.UTF-8");
  EXPECT_EQ(FormatNumberText("1234.50", true), "1.234,50");
  EXPECT_EQ(FormatAmount(1234.5), "1.234,50");
  m_system.setLang("fr_FR.UTF-8");
  EXPECT_EQ(FormatNumberText("0.50", true), "0");
  EXPECT_EQ(FormatAmount(1234.5), "1\u202F234,50");
}

struct TextCase {
  const char* text;
  const char* expected;
};

void PrintTo(const TextCase& c, std::ostream* out) { *out << '"' << (c.text ? c.text : "(null)") << '"'; }

class NumberText : public FormatAmountTest, public ::testing::WithParamInterface<TextCase> {};

TEST_P(NumberText, IsFormattedOrShortened) {
  useSystemLocale("en_US.UTF-8");
  EXPECT_EQ(FormatNumberText(GetParam().text, false), GetParam().expected);
}

INSTANTIATE_TEST_SUITE_P(
    Texts, NumberText,
    ::testing::Values(
        // No integer part, or a zero one: "0" without asking the formatter.
        TextCase{nullptr, "0"}, TextCase{"0.75", "0"}, TextCase{"0.00", "0"}, TextCase{"-0.50", "0"},
        TextCase{"", "0"}, TextCase{"abc", "0"}, TextCase{".5", "0"}, TextCase{"  -000.99", "0"},
        TextCase{"nan", "0"}, TextCase{"-inf", "0"},
        // An integer part that the C library's atoi would wrap to 0 is still formatted.
        TextCase{"4294967296.00", "4,294,967,296.00"}, TextCase{"-18446744073709551616.00", "-18,446,744,073,709,551,616.00"},
        TextCase{"1234.5", "1,234.50"}, TextCase{"7", "7.00"},
        // A non-zero start that the formatter refuses gives an empty text.
        TextCase{"12abc", ""}, TextCase{"1,234.00", ""}, TextCase{" 12.00", ""}, TextCase{"+12.00", ""},
        TextCase{"1e5", ""}));

// Huge amounts print in full; NaN and the infinities print as words with no integer part.
TEST_F(FormatAmountTest, ExtremesGiveBoundedTexts) {
  useSystemLocale("en_US.UTF-8");
  for (const double amount : {1e308, -1e308, DBL_MAX, -DBL_MAX, 4294967296.0, 1e18}) {
    CString plain;
    plain.Format("%.2f", amount);
    const CString text = FormatAmount(amount);
    ASSERT_FALSE(text.IsEmpty()) << plain;
    EXPECT_LT(text.size(), 512u) << plain;
    CString ungrouped;
    for (const char c : text) {
      if (c != ',') ungrouped += c;
    }
    EXPECT_EQ(ungrouped, plain) << "only separators added";
    EXPECT_EQ(text.find(",,"), std::string::npos);
  }
  const double infinity = std::numeric_limits<double>::infinity();
  for (const double amount : {std::nan(""), -std::nan(""), infinity, -infinity, DBL_MIN, -DBL_MIN, DBL_TRUE_MIN}) {
    EXPECT_EQ(FormatAmount(amount), "0") << amount;
  }
}
}  // namespace
