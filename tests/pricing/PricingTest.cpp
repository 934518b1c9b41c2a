// The figures the window shows: the worked examples, suits, the spin arrows, one calculation for every change, and
// prices under the system locale, whatever the user's environment says.
#include "framework/Locale.h"
#include "pricing/FormatAmount.h"
#include "tests/support/Support.h"
#include "tests/support/WorkedExamples.h"

#include <QTest>

namespace {
using Pricing = EnglishWindowTest;

// The example as a screen reader finds it: every shown control under its caption, with its figure.
std::string readOut(const WorkedExample& example) {
  std::string read = std::string(example.item) + '=' + example.item + "; Rate=" + std::to_string(example.rate) + "; Item=; Ingots=; Rate=; Price=; ";
  constexpr const char* kRateNames[] = {"Exec Rate", "Norm Rate", "BA Rate", "Fail Rate", "DOA"};
  for (const char* name : kRateNames) read += example.parts ? "" : std::string(name) + "=; ";
  read += "Ingots Required for Exceptional=; Ingots=" + std::string(example.ingots) + "; Price=" + example.price + "; ";
  for (int field = 0; field < 5 && !example.parts; ++field) read += std::string(kRateNames[field]) + '=' + example.rates[field] + "; ";
  read += "Ingots Required for Exceptional=" + std::string(example.ingotsRequired) + "; About=; ";
  return example.parts ? read + "Set Contents=" + example.parts + "; " : read;
}

TEST_F(Pricing, TheWorkedExamplesShowEveryFigureUnderItsCaption) {
  withWindow([&](PriceDlgProbe& dlg) {
    for (const WorkedExample& example : kWorkedExamples) {
      dlg.price(example.item, example.level, std::to_string(example.rate).c_str());
      EXPECT_EQ(readOut(dlg.window()), readOut(example)) << "at level " << example.level;
    }
  });
  EXPECT_TRUE(m_messages.texts.empty());
}

TEST_F(Pricing, TheArrowsStepTheRateWithinItsRange) {
  const struct { int rate, delta, expected; } steps[] = {{9999, -1, 9999}, {0, 1, 0}, {1, 1, 0}, {3, 5, 0}, {12, -1, 13}, {9990, -20, 9999}};
  withWindow([&](PriceDlgProbe& dlg) {
    dlg.price("Axe", ID_SKILL_100, "1");
    for (const auto& step : steps) {
      dlg.rate()->setText(QString::number(step.rate));
      NMUPDOWN record{.hdr = {}, .iDelta = step.delta};
      LRESULT result = -1;
      dlg.OnDeltaposSpin1(&record.hdr, &result);
      EXPECT_EQ(result, 0);
      EXPECT_EQ(dlg.rate()->text(), QString::number(step.expected)) << step.rate << " by " << step.delta;
      EXPECT_EQ(dlg.shown(IDC_PRICE).toStdString(), FormatAmount(step.expected * dlg.CalcIngotsRequired()));
    }
  });
}

// An item without ingots shows its message at every calculation, so the messages count the calculations.
TEST_F(Pricing, AnItemWithoutIngotsIsReportedAtEveryChangeOnceAndPricedAtNothing) {
  const TableModule table(tableRow("Cracked Mould", "none") + tableRow("Sliver", "0.9"));
  withWindow([&](PriceDlgProbe& dlg) {
    const std::pair<const char*, std::function<void()>> changes[] = {
        {"start-up", [] {}},
        {"selection", [&] { dlg.choose("Sliver"); }},
        {"level command", [&] { dlg.OnSkill100(); }},
        {"typed Rate written back", [&] { dlg.rate()->setText(QStringLiteral("012")); }},
        {"Rate 0 typed, then stepped down", [&] {
           dlg.rate()->setText(QStringLiteral("0"));
           QTest::keyClick(dlg.rate(), Qt::Key_Down);
         }},
        {"step", [&] { QTest::keyClick(dlg.rate(), Qt::Key_Up); }},  // the edit's keys step as its arrows do
    };
    for (const auto& [change, make] : changes) {
      make();
      EXPECT_EQ(m_messages.texts, std::vector<CString>{"Invalid value entered for Ingots"}) << change;
      EXPECT_EQ(dlg.shown(IDC_IGTS_REQ2) + ' ' + dlg.shown(IDC_PRICE), QStringLiteral("0.00 0")) << change;
      m_messages.texts.clear();
    }
    EXPECT_EQ(dlg.rate()->text(), QStringLiteral("1")) << "up raises the Rate";
  });
}

TEST(FormatAmount, WritesTwoDecimalsInTheFormatOfTheLocaleThatTheSystemFileNames) {
  const struct { const char* config; double amount; const char* text; } cases[] = {
      {"LANG=en_US.UTF-8", 1234567.891, "1,234,567.89"}, {"LANG=en_US.UTF-8", 12, "12.00"},
      {"LANG=en_US.UTF-8", 999.999, "1,000.00"}, {"LANG=en_US.UTF-8", 0.999, "1.00"}, {"LANG=en_US.UTF-8", 0.75, "0"},
      {"LANG=en_US.UTF-8", -0.001, "0"}, {"LANG=en_US.UTF-8", 1e300 * 1e10, "0"},
      {"  # LANG=en_US.UTF-8\r\n LANG=de_DE\r", 1234.5, "1.234,50"}, {"LANG=\"de_DE.UTF-8\"", 1234.5, "1.234,50"},
      {"export LC_NUMERIC='de_CH.UTF-8' # numbers\nLANG=en_GB.UTF-8", 1234.5, "1’234.50"},
      {"LC_ALL=fr_FR.UTF-8\nLC_NUMERIC=de_DE.UTF-8", 1234.5, "1\u202f234,50"},
      {"LANG=en_IN.UTF-8", 1234567.891, "1,234,567.89"},  // the leading group size only
      {"LANG=C.UTF-8", 1234567.891, "1234567.89"}, {"LANG=xx_YY.UTF-8", 1234.5, "1234.50"},
      {"LANG=de_DE/../../etc/passwd", 1234.5, "1234.50"}, {"", 1234.5, "1234.50"},
  };
  qputenv("LC_ALL", "de_DE.UTF-8");  // the user's environment, which never counts
  for (const auto& c : cases) {
    const SystemLocale system(std::string(c.config) + "\n");
    EXPECT_EQ(FormatAmount(c.amount), c.text) << c.config << ", " << c.amount;
  }
  qunsetenv("LC_ALL");
}

TEST(FormatAmount, ReadsTheLocaleOnceUnlessAskedToReloadItAndRejectsWhatIsNoPlainDecimal) {
  const SystemLocale english("LANG=en_US.UTF-8\n");
  const SystemLocale german("LANG=de_DE.UTF-8\n", /*reload=*/false);
  EXPECT_EQ(FormatAmount(1234.5), "1,234.50");
  EXPECT_EQ(FormatNumberText("1234.50", true), "1.234,50");
  const std::pair<const char*, const char*> texts[] = {{"12", "12,00"}, {"12.", "12,00"}, {"1.234", ""}, {"12a.50", ""},
                                                       {"12.5a", ""}, {"-12.50", ""}, {"1 2", ""}, {"-0.50", "0"}};
  for (const auto& [text, formatted] : texts) EXPECT_EQ(FormatNumberText(text, false), formatted) << text;
  char buffer[4];
  EXPECT_EQ(GetLocaleInfoA(LOCALE_SYSTEM_DEFAULT, LOCALE_SGROUPING, buffer, 3), 0) << "a buffer too small for \"3;0\"";
}
}  // namespace
