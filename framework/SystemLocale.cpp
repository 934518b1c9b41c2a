// Reads the system-wide locale configuration the way a login shell would source it, and maps its name to ICU.
#include "framework/SystemLocale.h"

#include <unicode/uloc.h>
#include <unicode/ures.h>

#include <algorithm>
#include <fstream>
#include <optional>
#include <string_view>
#include <utility>

namespace {
std::vector<std::string>& configFiles() {
  static std::vector<std::string> paths{"/etc/locale.conf", "/etc/default/locale"};
  return paths;
}

using Assignment = std::pair<std::string, std::string>;

bool isBlank(char c) { return c == ' ' || c == '\t'; }
bool isNameStart(char c) { return (c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z') || c == '_'; }
bool isNameChar(char c) { return isNameStart(c) || (c >= '0' && c <= '9'); }

// Reads one shell word starting at `at` with its quotes and backslashes undone; nothing when a quote is
// left open, because a shell would not run such a file either.
std::optional<std::string> readWord(std::string_view line, std::size_t& at) {
  std::string word;
  while (at < line.size() && !isBlank(line[at])) {
    const char c = line[at++];
    if (c == '\'') {
      const std::size_t close = line.find('\'', at);
      if (close == std::string_view::npos) return std::nullopt;
      word.append(line.substr(at, close - at));
      at = close + 1;
    } else if (c == '"') {
      for (;;) {
        if (at >= line.size()) return std::nullopt;
        const char inner = line[at++];
        if (inner == '"') break;
        if (inner == '\\' && at < line.size() && std::string_view("\"\\$`").find(line[at]) != std::string_view::npos) {
          word += line[at++];
        } else {
          word += inner;
        }
      }
    } else if (c == '\\') {
      if (at < line.size()) word += line[at++];
    } else {
      word += c;
    }
  }
  return word;
}

// The assignments of one line such as `export LANG="de_DE.UTF-8"  # comment`. A line whose words are not
// all assignments runs a command, for which the assignments would not last, so it assigns nothing.
std::vector<Assignment> parseLine(std::string_view line) {
  if (!line.empty() && line.back() == '\r') line.remove_suffix(1);
  std::vector<Assignment> assignments;
  std::size_t at = 0;
  bool first = true;
  for (;;) {
    while (at < line.size() && isBlank(line[at])) ++at;
    if (at >= line.size() || line[at] == '#') return assignments;
    if (first && line.substr(at).starts_with("export") &&
        (at + 6 == line.size() || isBlank(line[at + 6]))) {
      at += 6;
      first = false;
      continue;
    }
    first = false;
    std::size_t nameEnd = at;
    if (!isNameStart(line[nameEnd])) return {};
    while (nameEnd < line.size() && isNameChar(line[nameEnd])) ++nameEnd;
    if (nameEnd >= line.size() || line[nameEnd] != '=') return {};
    std::string name(line.substr(at, nameEnd - at));
    at = nameEnd + 1;
    std::optional<std::string> value = readWord(line, at);
    if (!value) return {};
    assignments.emplace_back(std::move(name), std::move(*value));
  }
}

// The numeric locale one file sets, by the precedence the C library gives the variables; nothing when
// the file is missing or sets none of them.
std::optional<std::string> numericLocaleIn(const std::string& path) {
  std::ifstream file(path);
  if (!file) return std::nullopt;
  std::string all, numeric, lang;
  std::string line;
  while (std::getline(file, line)) {
    for (auto& [name, value] : parseLine(line)) {
      if (name == "LC_ALL") all = std::move(value);
      else if (name == "LC_NUMERIC") numeric = std::move(value);
      else if (name == "LANG") lang = std::move(value);
    }
  }
  for (std::string* chosen : {&all, &numeric, &lang}) {
    if (!chosen->empty()) return std::move(*chosen);
  }
  return std::nullopt;
}

constexpr const char* posixLocaleId = "en_US_POSIX";

// ICU answers a locale it has no data for with its default locale, which comes from the user's
// environment; such a name is taken as the C locale instead, as the C library takes a locale it lacks.
bool icuHasDataFor(const char* localeId) {
  UErrorCode status = U_ZERO_ERROR;
  UResourceBundle* bundle = ures_open(nullptr, localeId, &status);
  ures_close(bundle);
  return U_SUCCESS(status) && status != U_USING_DEFAULT_WARNING;
}
}  // namespace

std::vector<std::string> setSystemLocaleConfigFiles(std::vector<std::string> paths) {
  return std::exchange(configFiles(), std::move(paths));
}

std::string systemLocaleName() {
  for (const std::string& path : configFiles()) {
    if (std::optional<std::string> name = numericLocaleIn(path)) return std::move(*name);
  }
  return "C";
}

std::string icuLocaleIdFor(const std::string& posixName) {
  // language[_territory][.codeset][@modifier]: neither the codeset nor a modifier such as @euro changes
  // how numbers are written.
  const std::string base = posixName.substr(0, posixName.find_first_of(".@"));
  const bool plausible = !base.empty() && base.size() < 64 && std::all_of(base.begin(), base.end(), [](char c) {
    return isNameChar(c) || c == '-';
  });
  std::string localeId = posixLocaleId;
  if (plausible && base != "C" && base != "POSIX") {
    char canonical[ULOC_FULLNAME_CAPACITY];
    UErrorCode status = U_ZERO_ERROR;
    const int32_t length = uloc_canonicalize(base.c_str(), canonical, ULOC_FULLNAME_CAPACITY, &status);
    if (status == U_ZERO_ERROR && length > 0 && icuHasDataFor(canonical)) localeId.assign(canonical, length);
  }
  // The formatter writes ASCII digits, so the separators must be those used with them, also in locales
  // whose own digits are others.
  return localeId + "@numbers=latn";
}
