// Parsing of the price sheet's options, each in the form "--name value" or "--name=value".
#include "sheet/SheetOptions.h"

#include <cstdio>
#include <optional>
#include <string_view>
#include <utility>

namespace {
constexpr int kMaxRate = 9999;

// An argument as an error line may show it: control characters escaped, so the line stays one line.
std::string quoted(std::string_view text) {
  std::string shown = "'";
  for (const char c : text) {
    const auto byte = static_cast<unsigned char>(c);
    if (byte < 0x20 || byte == 0x7f) {
      char escape[sizeof "\\xff"];
      std::snprintf(escape, sizeof escape, "\\x%02x", byte);
      shown += escape;
    } else {
      shown += c;
    }
  }
  return shown + "'";
}

// Plain decimal digits only: no sign, no blanks, no exponent; any number of leading zeros.
std::optional<int> rateOf(std::string_view text) {
  if (text.empty())
    return {};
  int value = 0;
  for (const char c : text) {
    if (c < '0' || c > '9')
      return {};
    value = value * 10 + (c - '0');
    if (value > kMaxRate)
      return {};
  }
  return value;
}

std::optional<std::vector<const SkillLevel*>> levelsOf(std::string_view text) {
  std::vector<const SkillLevel*> levels;
  for (const SkillLevel& level : kSkillLevels)
    if (text == "all" || text == std::to_string(level.level))
      levels.push_back(&level);
  if (levels.empty())
    return {};
  return levels;
}

std::optional<SheetSort> sortOf(std::string_view text) {
  static constexpr std::pair<std::string_view, SheetSort> keys[] = {
      {"name", SheetSort::name}, {"ingots", SheetSort::ingots}, {"price", SheetSort::price}};
  for (const auto& [name, sort] : keys)
    if (text == name)
      return sort;
  return {};
}

// One argument split at its first "=" when it is a long option: "--rate=12" is "--rate" with "12" attached.
struct Argument {
  std::string_view text;
  std::string_view name;
  bool hasValue = false;
  std::string_view value;

  explicit Argument(std::string_view argument) : text(argument), name(argument) {
    const std::size_t equals = argument.find('=');
    if (argument.starts_with("--") && equals != std::string_view::npos) {
      name = argument.substr(0, equals);
      hasValue = true;
      value = argument.substr(equals + 1);
    }
  }
};

class Parser {
public:
  explicit Parser(const std::vector<std::string>& arguments) : m_arguments(arguments) {}

  SheetCommandLine parse() {
    bool help = false;
    bool version = false;
    while (m_next < m_arguments.size() && m_result.problem.empty()) {
      const Argument argument(m_arguments[m_next++]);
      if (argument.name == "--help" || argument.name == "-h") {
        help = flag(argument);
      } else if (argument.name == "--version") {
        version = flag(argument);
      } else if (argument.name == "--csv") {
        m_result.options.csv = flag(argument);
      } else if (argument.name == "--rate") {
        option(argument, m_rate, rateOf, "a whole number from 0 to 9999", m_result.options.rate);
      } else if (argument.name == "--level") {
        option(argument, m_level, levelsOf, "100, 90, 80, 70, 60, 50 or all", m_result.options.levels);
      } else if (argument.name == "--sort") {
        option(argument, m_sort, sortOf, "name, ingots or price", m_result.options.sort);
      } else if (argument.text.starts_with("-") && argument.text != "-") {
        fail("unknown option " + quoted(argument.name));
      } else {
        fail("unexpected argument " + quoted(argument.text));
      }
    }
    if (m_result.problem.empty())
      m_result.action = help ? SheetCommandLine::help : version ? SheetCommandLine::version : SheetCommandLine::run;
    return m_result;
  }

private:
  void fail(std::string problem) {
    m_result.action = SheetCommandLine::error;
    m_result.problem = std::move(problem);
  }

  bool flag(const Argument& argument) {
    if (argument.hasValue)
      fail("option " + quoted(argument.name) + " takes no value");
    return true;
  }

  // Reads the option's value (attached, or the next argument), converts it, and refuses a second,
  // different value for the same option: which of the two was meant cannot be told.
  template <typename Value, typename Convert>
  void option(const Argument& argument, std::optional<std::string>& seen, Convert convert, const char* expected,
              Value& target) {
    const std::string name(argument.name);
    std::string_view text = argument.value;
    if (!argument.hasValue) {
      if (m_next == m_arguments.size())
        return fail("option " + quoted(name) + " needs a value: " + expected);
      text = m_arguments[m_next++];
    }
    const auto value = convert(text);
    if (!value)
      return fail("invalid value " + quoted(text) + " for " + name + ": expected " + expected);
    if (seen && convert(*seen) != value)
      return fail("option " + quoted(name) + " given twice, as " + quoted(*seen) + " and " + quoted(text));
    seen = std::string(text);
    target = *value;
  }

  const std::vector<std::string>& m_arguments;
  std::size_t m_next = 0;
  std::optional<std::string> m_rate;
  std::optional<std::string> m_level;
  std::optional<std::string> m_sort;
  SheetCommandLine m_result;
};
}  // namespace

SheetCommandLine parseSheetCommandLine(const std::vector<std::string>& arguments) {
  return Parser(arguments).parse();
}

std::string sheetHelp() {
  return "Usage: quenchmark-sheet [--rate N] [--level 100|90|80|70|60|50|all] [--csv] [--sort name|ingots|price]\n"
         "\n"
         "Prints every item of the item table with its figures at a skill level: the ingots one attempt\n"
         "takes, the chances of an exceptional, average, below-average and failed result, the DOA figure,\n"
         "the ingots required for one exceptional piece and its price at the Rate, exactly as the Quenchmark\n"
         "window shows them. Suits show their ingot total and their list of parts.\n"
         "\n"
         "Options:\n"
         "  --rate N       the price of one ingot, a whole number from 0 to 9999 (default 12)\n"
         "  --level L      skill level 100, 90, 80, 70, 60 or 50, or all for every level (default 100)\n"
         "  --csv          comma-separated values (RFC 4180) with plain numbers, for spreadsheets\n"
         "  --sort KEY     rows by name, by ingots (per attempt) or by price, cheapest first; rows that\n"
         "                 tie keep the table's order (default: the table's order)\n"
         "  -h, --help     show this help and exit\n"
         "  --version      show the version and exit\n"
         "\n"
         "Prices are written in the number format of the system locale, the ingots required always with\n"
         "\".\" and two decimals. In CSV every number is plain, with \".\" as decimal sign; with --level all\n"
         "each level is a group of columns, and --sort orders the rows by the figures at skill 100.\n"
         "\n"
         "Exit status: 0 when the sheet is printed, 1 when the item table cannot be read or the output\n"
         "cannot be written, 2 for a bad argument.\n";
}
