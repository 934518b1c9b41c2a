// The locale the system-wide configuration names, its number items from ICU, read once, and the price formatter.
#include "framework/Locale.h"

#include <unicode/resbund.h>
#include <unicode/uenum.h>
#include <unicode/uloc.h>
#include <QFile>

#include <algorithm>
#include <cctype>
#include <clocale>
#include <cstring>
#include <map>
#include <optional>
#include <string_view>
#include <utility>

namespace {
std::vector<std::string> configFiles{"/etc/locale.conf", "/etc/default/locale"};
using NumberItems = std::map<LCTYPE, std::string>;
NumberItems systemItems;  // empty until read

std::string_view trimmed(std::string_view text) {
  const std::size_t first = text.find_first_not_of(" \t\r\n");
  return first == text.npos ? std::string_view() : text.substr(first, text.find_last_not_of(" \t\r\n") - first + 1);
}

// The numeric locale the first configuration file naming one sets, as a shell sourcing it sees it: `KEY=VALUE` lines,
// maybe after `export`, a value maybe in one pair of quotes, `#` starting a comment; LC_ALL over LC_NUMERIC over LANG.
std::string systemLocaleName() {
  for (const std::string& path : configFiles) {
    QFile file(QString::fromStdString(path));
    const QByteArray content = file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
    std::map<std::string, std::string, std::less<>> variables;
    for (const QByteArray& line : content.split('\n')) {
      std::string_view text = trimmed(line.constData());
      if (text.starts_with("export ") || text.starts_with("export\t"))
        text = trimmed(text.substr(7));
      // A comment's name begins with '#', so it sets no variable that counts.
      const std::size_t equals = text.find('=');
      if (equals == text.npos)
        continue;
      std::string_view value = text.substr(equals + 1);
      if (value.starts_with('"') || value.starts_with('\'')) {
        const std::string_view quoted = value.substr(1);
        const std::size_t close = quoted.find(value[0]);
        value = close == quoted.npos ? std::string_view() : quoted.substr(0, close);
      } else {
        value = value.substr(0, value.find_first_of(" \t#"));
      }
      variables[std::string(text.substr(0, equals))] = value;
    }
    for (const char* name : {"LC_ALL", "LC_NUMERIC", "LANG"})
      if (!variables[name].empty())
        return variables[name];
  }
  // None names one: the C locale.
  return {};
}

// Whether ICU has data for the language: opening a name it does not know would fall back to the user's locale.
bool knownLanguage(const std::string& language) {
  UErrorCode status = U_ZERO_ERROR;
  const icu::LocalUEnumerationPointer locales(uloc_openAvailableByType(ULOC_AVAILABLE_WITH_LEGACY_ALIASES, &status));
  while (const char* locale = uenum_next(locales.getAlias(), nullptr, &status))
    if (language == locale)
      return true;
  return false;
}

// ICU's separators and group size for a POSIX name such as "de_DE.UTF-8@euro"; C's for C, POSIX, or any unknown name.
NumberItems itemsOf(const std::string& posixName) {
  NumberItems items{{LOCALE_ILZERO, "1"},
                    {LOCALE_SGROUPING, "0;0"},
                    {LOCALE_SDECIMAL, "."},
                    {LOCALE_STHOUSAND, ","},
                    {LOCALE_INEGNUMBER, "1"}};
  const std::string base = posixName.substr(0, posixName.find_first_of(".@"));
  const auto plain = [](char c) {
    return std::isalnum(static_cast<unsigned char>(c)) || c == '_' || c == '-';
  };
  if (base == "C" || base == "POSIX" || !std::ranges::all_of(base, plain) ||
      !knownLanguage(base.substr(0, base.find_first_of("_-"))))
    return items;
  UErrorCode status = U_ZERO_ERROR;
  icu::ResourceBundle locale(nullptr, icu::Locale(base.c_str()), status);
  const auto latin = [&](const char* key) {
    std::string utf8;
    UErrorCode found = status;
    locale.getWithFallback((std::string("NumberElements/latn/") + key).c_str(), found)
        .getString(found)
        .toUTF8String(utf8);
    return U_SUCCESS(found) ? utf8 : std::string();
  };
  if (U_FAILURE(status))
    return items;
  items[LOCALE_SDECIMAL] = latin("symbols/decimal");
  items[LOCALE_STHOUSAND] = latin("symbols/group");
  // Digits between the last ',' and the '.' of a pattern such as "#,##,##0.###", then ";0" (repeat): the first counts.
  const std::string pattern = latin("patterns/decimalFormat");
  const std::size_t point = std::min(pattern.find_first_of(".;"), pattern.size());
  const std::size_t comma = pattern.rfind(',', point);
  items[LOCALE_SGROUPING] = std::to_string(comma == pattern.npos ? 0 : point - comma - 1) + ";0";
  return items;
}

// The platform's two-call protocol: with size 0 the size needed, terminator included; else the text.
int copyOut(const std::string& text, char* buffer, int size) {
  const int needed = static_cast<int>(text.size()) + 1;
  if (size == 0)
    return needed;
  if (size < needed)
    return 0;
  std::memcpy(buffer, text.c_str(), static_cast<std::size_t>(needed));
  return needed;
}

std::optional<std::string> formatDecimal(std::string_view value, const NUMBERFMT& format) {
  const bool negative = value.starts_with('-');
  if (negative)
    value.remove_prefix(1);
  const std::size_t point = value.find('.');
  const std::string_view whole = value.substr(0, point);
  std::string fraction(point == value.npos ? std::string_view() : value.substr(point + 1));
  const auto digits = [](std::string_view text) {
    return text.find_first_not_of("0123456789") == text.npos;
  };
  if (whole.empty() || !digits(whole) || !digits(fraction) || fraction.size() > format.NumDigits)
    return {};
  fraction.resize(format.NumDigits, '0');
  std::string number;
  for (std::size_t i = 0; i < whole.size(); ++i) {
    // A separator before each digit that begins a group, groups counted from the decimal sign.
    if (i > 0 && format.Grouping != 0 && (whole.size() - i) % format.Grouping == 0)
      number += format.lpThousandSep;
    number += whole[i];
  }
  if (!fraction.empty())
    number += format.lpDecimalSep + fraction;
  return negative ? "-" + number : number;
}
}  // namespace

std::vector<std::string> setSystemLocaleConfigFiles(std::vector<std::string> paths) {
  systemItems.clear();
  return std::exchange(configFiles, std::move(paths));
}

// The system default is the only locale the program asks for; a negative size is too small for any text.
int GetLocaleInfoA(LCID /*locale*/, LCTYPE type, char* buffer, int size) {
  if (systemItems.empty())
    systemItems = itemsOf(systemLocaleName());
  const auto item = systemItems.find(type);
  return item == systemItems.end() ? 0 : copyOut(item->second, buffer, size);
}

int GetNumberFormatA(LCID /*locale*/, DWORD /*flags: none*/, const char* value, const NUMBERFMT* format, char* buffer,
                     int size) {
  const std::optional<std::string> text = formatDecimal(value, *format);
  return text ? copyOut(*text, buffer, size) : 0;
}

void keepCNumbers() {
  std::setlocale(LC_NUMERIC, "C");
}
