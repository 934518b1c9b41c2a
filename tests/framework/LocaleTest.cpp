// The system locale's number format: the locale the system-wide configuration names, never the user's, and numbers
// written under it.
#include "framework/Locale.h"
#include "tests/support/Support.h"

namespace {
std::string localeItem(LCTYPE type) {
  std::string text(static_cast<std::size_t>(GetLocaleInfoA(LOCALE_SYSTEM_DEFAULT, type, nullptr, 0)), '\0');
  GetLocaleInfoA(LOCALE_SYSTEM_DEFAULT, type, text.data(), static_cast<int>(text.size()));
  return text.c_str();
}

// The value written under the current system locale's record, as the price formatter builds it.
std::string formatted(const char* value) {
  std::string decimal = localeItem(LOCALE_SDECIMAL);
  std::string thousand = localeItem(LOCALE_STHOUSAND);
  const UINT grouping = static_cast<UINT>(std::atoi(localeItem(LOCALE_SGROUPING).c_str()));
  const NUMBERFMT format{2, 1, grouping, decimal.data(), thousand.data(), 1};
  std::string text(64, '\0');
  GetNumberFormatA(LOCALE_SYSTEM_DEFAULT, 0, value, &format, text.data(), static_cast<int>(text.size()));
  return text.c_str();
}

// The user's own environment (German, in every test) never counts.
TEST(SystemLocale, WritesNumbersAsTheLocaleNamedInTheSystemFileDoes) {
  const struct {
    const char* name;
    std::string configuration;
    const char* written;  // 1234567.89
  } cases[] = {
      {"English", "LANG=en_US.UTF-8", "1,234,567.89"},
      {"German after a comment and CR LF", "  # LANG=en_US.UTF-8\r\n LANG=de_DE\r", "1.234.567,89"},
      {"quoted without codeset", "LANG=\"de_DE\"", "1.234.567,89"},
      {"numeric over LANG", "export LC_NUMERIC='de_CH' # numbers\nLANG=en_GB.UTF-8", "1’234’567.89"},
      {"LC_ALL over numeric", "LC_ALL=fr_FR\nLC_NUMERIC=de_DE", "1\u202f234\u202f567,89"},
      {"Indian: the leading group only", "LANG=en_IN.UTF-8", "1,234,567.89"},
      {"unknown", "LANG=xx_YY.UTF-8", "1234567.89"},
      {"a path in the name", "LANG=de_DE/../../etc/passwd", "1234567.89"},
      {"none set", "", "1234567.89"},
      {"an overlong name", "LANG=" + std::string(200, 'a'), "1234567.89"},
  };
  for (const auto& c : cases) {
    const SystemLocale system(c.configuration + "\n");
    EXPECT_EQ(formatted("1234567.89"), c.written) << c.name;
  }
}

}  // namespace
