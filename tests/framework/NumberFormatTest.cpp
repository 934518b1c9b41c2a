// Formatting under hand-made records: every field of the record, rounding, the value rules and the buffer protocol.
#include "framework/NumberFormat.h"

#include <gtest/gtest.h>

#include <cstring>
#include <optional>
#include <string>

namespace {
// The record keeps pointers to writable text, as the platform's does.
struct Record {
  UINT digits = 2;
  UINT leadingZero = 1;
  UINT grouping = 3;
  std::string decimal = ".";
  std::string thousand = ",";
  UINT negativeOrder = 1;

  NUMBERFMT format() {
    return {digits, leadingZero, grouping, decimal.data(), thousand.data(), negativeOrder};
  }
};

// The value formatted with the platform's two calls; nothing when the formatter refuses it.
std::optional<std::string> formatted(const char* value, Record record) {
  const NUMBERFMT format = record.format();
  const int size = GetNumberFormatA(LOCALE_SYSTEM_DEFAULT, 0, value, &format, nullptr, 0);
  if (size == 0) return std::nullopt;
  std::string text(static_cast<std::size_t>(size), '#');
  if (GetNumberFormatA(LOCALE_SYSTEM_DEFAULT, 0, value, &format, text.data(), size) != size) return "<second call>";
  if (text.back() != '\0') return "<unterminated>";
  text.pop_back();
  return text;
}

Record withDigits(UINT digits) { Record r; r.digits = digits; return r; }
Record withLeadingZero(UINT leadingZero) { Record r; r.leadingZero = leadingZero; return r; }
Record withGrouping(UINT grouping) { Record r; r.grouping = grouping; return r; }
Record withNegativeOrder(UINT order) { Record r; r.negativeOrder = order; return r; }
Record withSeparators(std::string decimal, std::string thousand) {
  Record r;
  r.decimal = std::move(decimal);
  r.thousand = std::move(thousand);
  return r;
}

struct FormatCase {
  const char* value;
  Record record;
  const char* expected;
};

void PrintTo(const FormatCase& c, std::ostream* out) { *out << '"' << c.value << "\" -> \"" << c.expected << '"'; }

const FormatCase formatCases[] = {
    {"1234.5", Record{}, "1,234.50"},
    {"1234567.891", Record{}, "1,234,567.89"},
    // The five negative orders.
    {"-1234.5", withNegativeOrder(0), "(1,234.50)"},
    {"-1234.5", withNegativeOrder(1), "-1,234.50"},
    {"-1234.5", withNegativeOrder(2), "- 1,234.50"},
    {"-1234.5", withNegativeOrder(3), "1,234.50-"},
    {"-1234.5", withNegativeOrder(4), "1,234.50 -"},
    {"1234.5", withNegativeOrder(0), "1,234.50"},
    // Leading zero.
    {"0.5", withLeadingZero(1), "0.50"},
    {"0.5", withLeadingZero(0), ".50"},
    {"-0.5", withLeadingZero(0), "-.50"},
    {".5", withLeadingZero(1), "0.50"},
    {"000.25", withLeadingZero(0), ".25"},
    {"0.4", [] { Record r = withLeadingZero(0); r.digits = 0; return r; }(), "0"},
    // Grouping, one size per digit of the field.
    {"1234567.891", withGrouping(0), "1234567.89"},
    {"123456789", withGrouping(3), "123,456,789.00"},
    {"123456789", withGrouping(32), "12,34,56,789.00"},
    {"123456789", withGrouping(30), "123456,789.00"},
    {"1234567", withGrouping(2), "1,23,45,67.00"},
    {"999", withGrouping(3), "999.00"},
    {"1000", withGrouping(3), "1,000.00"},
    {"-100000", withGrouping(3), "-100,000.00"},
    {"12", withGrouping(1), "1,2.00"},
    // Rounding half away from zero on the decimal text, with carries.
    {"999.995", Record{}, "1,000.00"},
    {"999.994999", Record{}, "999.99"},
    {"0.125", Record{}, "0.13"},
    {"-0.125", Record{}, "-0.13"},
    {"99999.999", Record{}, "100,000.00"},
    {"-0.005", Record{}, "-0.01"},
    {"-0.004", Record{}, "0.00"},
    {"-0", Record{}, "0.00"},
    {"2.5", withDigits(0), "3"},
    {"-2.5", withDigits(0), "-3"},
    {"9.99", withDigits(0), "10"},
    {"1234.5", withDigits(0), "1,235"},
    {"1", withDigits(9), "1.000000000"},
    {"0.1234567891", withDigits(9), "0.123456789"},
    {"5.", Record{}, "5.00"},
    {"007.5", Record{}, "7.50"},
    {"-000.000", Record{}, "0.00"},
    // Separators of any length and encoding.
    {"1234567.5", withSeparators(",", "\u202F"), "1\u202F234\u202F567,50"},
    {"1234567.5", withSeparators(",", "\u00A0"), "1\u00A0234\u00A0567,50"},
    {"1234.5", withSeparators("::", "\u2019"), "1\u2019234::50"},
    {"1234.5", withSeparators("", ""), "123450"},
};

class GetNumberFormat : public ::testing::TestWithParam<FormatCase> {};

TEST_P(GetNumberFormat, FormatsUnderTheRecord) {
  const FormatCase& c = GetParam();
  EXPECT_EQ(formatted(c.value, c.record), std::optional<std::string>(c.expected)) << c.value;
}

INSTANTIATE_TEST_SUITE_P(Records, GetNumberFormat, ::testing::ValuesIn(formatCases));

const char* const invalidValues[] = {
    "",     "-",  ".",  "-.",    "1,234", " 12",   "12 ",       "+12",     "1e5",  "--1",
    "1.2.3", "1-", "abc", "0x10", "nan",   "-inf", "\u0661\u0662", "12\t", "1..2", "-.-1",
};

class InvalidValue : public ::testing::TestWithParam<const char*> {};

TEST_P(InvalidValue, Fails) { EXPECT_EQ(formatted(GetParam(), Record{}), std::nullopt) << GetParam(); }

INSTANTIATE_TEST_SUITE_P(Values, InvalidValue, ::testing::ValuesIn(invalidValues));

TEST(GetNumberFormatTest, RefusesRecordsOutOfRange) {
  EXPECT_EQ(formatted("1", withDigits(10)), std::nullopt);
  EXPECT_EQ(formatted("1", withLeadingZero(2)), std::nullopt);
  EXPECT_EQ(formatted("1", withNegativeOrder(5)), std::nullopt);
  Record record;
  NUMBERFMT noDecimal = record.format();
  noDecimal.lpDecimalSep = nullptr;
  EXPECT_EQ(GetNumberFormatA(LOCALE_SYSTEM_DEFAULT, 0, "1", &noDecimal, nullptr, 0), 0);
  NUMBERFMT noThousand = record.format();
  noThousand.lpThousandSep = nullptr;
  EXPECT_EQ(GetNumberFormatA(LOCALE_SYSTEM_DEFAULT, 0, "1", &noThousand, nullptr, 0), 0);
}

TEST(GetNumberFormatTest, RefusesOtherCalls) {
  Record record;
  const NUMBERFMT format = record.format();
  const LCID userDefault = 0x0400;
  EXPECT_EQ(GetNumberFormatA(userDefault, 0, "1", &format, nullptr, 0), 0);
  EXPECT_EQ(GetNumberFormatA(LOCALE_SYSTEM_DEFAULT, 1, "1", &format, nullptr, 0), 0);
  EXPECT_EQ(GetNumberFormatA(LOCALE_SYSTEM_DEFAULT, 0, nullptr, &format, nullptr, 0), 0);
  EXPECT_EQ(GetNumberFormatA(LOCALE_SYSTEM_DEFAULT, 0, "1", nullptr, nullptr, 0), 0);
}

TEST(GetNumberFormatTest, SizeProtocol) {
  Record record;
  const NUMBERFMT format = record.format();
  ASSERT_EQ(GetNumberFormatA(LOCALE_SYSTEM_DEFAULT, 0, "1234.5", &format, nullptr, 0), 9);
  char buffer[12];
  std::memset(buffer, '#', sizeof buffer);
  EXPECT_EQ(GetNumberFormatA(LOCALE_SYSTEM_DEFAULT, 0, "1234.5", &format, buffer, 8), 0);
  EXPECT_EQ(std::string(buffer, sizeof buffer), std::string(sizeof buffer, '#')) << "a buffer too small stays untouched";
  EXPECT_EQ(GetNumberFormatA(LOCALE_SYSTEM_DEFAULT, 0, "1234.5", &format, buffer, 9), 9);
  EXPECT_STREQ(buffer, "1,234.50");
  EXPECT_EQ(buffer[9], '#') << "nothing written past the terminator";
  EXPECT_EQ(GetNumberFormatA(LOCALE_SYSTEM_DEFAULT, 0, "1234.5", &format, buffer, sizeof buffer), 9);
  EXPECT_EQ(GetNumberFormatA(LOCALE_SYSTEM_DEFAULT, 0, "1234.5", &format, nullptr, 9), 0);
  EXPECT_EQ(GetNumberFormatA(LOCALE_SYSTEM_DEFAULT, 0, "1234.5", &format, buffer, -1), 0);
}

TEST(GetNumberFormatTest, LongValuesAreFormattedWhole) {
  const std::string digits(100000, '7');
  const std::optional<std::string> text = formatted((digits + ".125").c_str(), Record{});
  ASSERT_TRUE(text);
  EXPECT_EQ(text->size(), digits.size() + (digits.size() - 1) / 3 + 3);
  EXPECT_EQ(text->substr(0, 8), "7,777,77");
  EXPECT_EQ(text->substr(text->size() - 7), ",777.13");
}
}  // namespace
