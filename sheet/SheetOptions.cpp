// The price sheet's options through Qt's command-line parser, and their values checked strictly.
#include "sheet/SheetOptions.h"

#include "pricing/ItemFigures.h"

#include <QCommandLineParser>
#include <algorithm>
#include <optional>

namespace {
// Plain decimal digits only: no sign, no blanks, no exponent; any number of leading zeros.
std::optional<int> rateOf(const QString& text) {
  const bool digits = !text.isEmpty() && std::ranges::all_of(text, [](QChar c) { return c >= u'0' && c <= u'9'; });
  bool ok = false;
  const int rate = text.toInt(&ok);
  if (!digits || !ok || rate > kRateMax)
    return {};
  return rate;
}

std::optional<std::vector<const SkillLevel*>> levelsOf(const QString& text) {
  std::vector<const SkillLevel*> levels;
  for (const SkillLevel& level : kSkillLevels)
    if (text == QStringLiteral("all") || text == QString::number(level.level))
      levels.push_back(&level);
  if (levels.empty())
    return {};
  return levels;
}

std::optional<SheetSort> sortOf(const QString& text) {
  static const std::pair<QLatin1StringView, SheetSort> keys[] = {
      {QLatin1StringView("name"), SheetSort::name},
      {QLatin1StringView("ingots"), SheetSort::ingots},
      {QLatin1StringView("price"), SheetSort::price},
  };
  for (const auto& [name, sort] : keys)
    if (text == name)
      return sort;
  return {};
}

// Text as an error line shows it: control characters escaped, so that the line stays one line.
QString escaped(const QString& text) {
  QString shown;
  for (const QChar c : text) {
    if (c.unicode() < 0x20 || c.unicode() == 0x7f)
      shown += QStringLiteral("\\x%1").arg(c.unicode(), 2, 16, QLatin1Char('0'));
    else
      shown += c;
  }
  return shown;
}

QString quoted(const QString& text) {
  return QLatin1Char('\'') + escaped(text) + QLatin1Char('\'');
}

class Parser {
public:
  explicit Parser(const QStringList& arguments) {
    m_parser.setApplicationDescription(QStringLiteral(
        "Prints every item of the item table with its figures at a skill level: the ingots one attempt\n"
        "takes, the chances of an exceptional, average, below-average and failed result, the DOA figure,\n"
        "the ingots required for one exceptional piece and its price at the Rate, exactly as the Quenchmark\n"
        "window shows them. Suits show their ingot total and their list of parts.\n"
        "\n"
        "Prices are written in the number format of the system locale, the ingots required always with\n"
        "\".\" and two decimals. In CSV every number is plain, with \".\" as decimal sign; with --level all\n"
        "each level is a group of columns, and --sort orders the rows by the figures at skill 100.\n"
        "\n"
        "Exit status: 0 when the sheet is printed, 1 when the item table cannot be read or the output\n"
        "cannot be written, 2 for a bad argument."));
    m_parser.addOptions({m_rate, m_level, m_csv, m_sort});
    m_parsed = m_parser.parse(QStringList(QStringLiteral("quenchmark-sheet")) + arguments);
  }

  SheetCommandLine result() {
    if (!m_parsed) {
      // Qt's message as one clause of ours: "Unknown option 'x'." reads "unknown option 'x'".
      QString problem = escaped(m_parser.errorText());
      problem[0] = problem[0].toLower();
      return failure(problem.chopped(problem.endsWith(QLatin1Char('.')) ? 1 : 0));
    }
    if (!m_parser.positionalArguments().isEmpty())
      return failure(QStringLiteral("unexpected argument ") + quoted(m_parser.positionalArguments().constFirst()));
    if (m_parser.isSet(m_help) || m_parser.isSet(QStringLiteral("help-all")))
      return {.action = SheetCommandLine::help, .options = {}, .text = m_parser.helpText().toStdString()};
    if (m_parser.isSet(m_version))
      return {.action = SheetCommandLine::version, .options = {}, .text = "quenchmark-sheet " QUENCHMARK_VERSION "\n"};
    SheetOptions options;
    options.csv = m_parser.isSet(m_csv);
    if (value(m_rate, m_rateRange, rateOf, options.rate) && value(m_level, m_levelNames, levelsOf, options.levels) &&
        value(m_sort, m_sortKeys, sortOf, options.sort))
      return {.action = SheetCommandLine::run, .options = options, .text = {}};
    return failure(m_problem);
  }

private:
  static SheetCommandLine failure(const QString& problem) {
    return {.action = SheetCommandLine::error, .options = {}, .text = problem.toStdString()};
  }

  // Converts the option's value, when given, into target; a second, different value is refused, since which of the
  // two was meant cannot be told.
  template <typename Value, typename Convert>
  bool value(const QCommandLineOption& option, const QString& expected, Convert convert, Value& target) {
    const QString name = QStringLiteral("--") + option.names().constFirst();
    const QStringList given = m_parser.values(option);
    for (const QString& text : given) {
      const auto converted = convert(text);
      if (!converted) {
        m_problem = QStringLiteral("invalid value %1 for %2: expected %3").arg(quoted(text), name, expected);
        return false;
      }
      if (converted != convert(given.constFirst())) {
        m_problem = QStringLiteral("option %1 given twice, as %2 and %3")
                        .arg(quoted(name), quoted(given.constFirst()), quoted(text));
        return false;
      }
      target = *converted;
    }
    return true;
  }

  const QString m_rateRange = QStringLiteral("a whole number from %1 to %2").arg(kRateMin).arg(kRateMax);
  const QString m_levelNames = QStringLiteral("100, 90, 80, 70, 60, 50 or all");
  const QString m_sortKeys = QStringLiteral("name, ingots or price");
  QCommandLineParser m_parser;
  const QCommandLineOption m_help = m_parser.addHelpOption();
  const QCommandLineOption m_version = m_parser.addVersionOption();
  const QCommandLineOption m_rate{QStringLiteral("rate"),
                                  QStringLiteral("The price of one ingot, %1 (default 12).").arg(m_rateRange),
                                  QStringLiteral("N")};
  const QCommandLineOption m_level{
      QStringLiteral("level"),
      QStringLiteral("Skill level 100, 90, 80, 70, 60 or 50, or all for every level (default 100)."),
      QStringLiteral("L")};
  const QCommandLineOption m_csv{
      QStringLiteral("csv"), QStringLiteral("Comma-separated values (RFC 4180) with plain numbers, for spreadsheets.")};
  const QCommandLineOption m_sort{QStringLiteral("sort"),
                                  QStringLiteral("Orders the rows by name, by ingots (per attempt) or by price, "
                                                 "cheapest first; rows that tie keep the table's order (default: the "
                                                 "table's order)."),
                                  QStringLiteral("KEY")};
  bool m_parsed = false;
  QString m_problem;
};
}  // namespace

SheetCommandLine parseSheetCommandLine(const QStringList& arguments) {
  return Parser(arguments).result();
}
