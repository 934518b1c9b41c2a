// The figures the window shows, one calculation for every change, and prices in the system locale's format.
#include "tests/support/Support.h"
#include "tests/support/WorkedExamples.h"

// The example as a screen reader finds it: every shown control under its caption, with its figure.
static std::string readOut(const WorkedExample& example) {
  std::string read = std::string(example.item) + '=' + example.item + "; Rate=" + std::to_string(example.rate) +
                     "; Item=; Ingots=; Rate=; Price=; ";
  constexpr const char* kRateNames[] = {"Exec Rate", "Norm Rate", "BA Rate", "Fail Rate", "DOA"};
  for (const char* name : kRateNames)
    read += example.parts ? "" : std::string(name) + "=; ";
  read += "Ingots Required for Exceptional=; Ingots=" + std::string(example.ingots) + "; Price=" + example.price + "; ";
  for (int field = 0; field < 5 && !example.parts; ++field)
    read += std::string(kRateNames[field]) + '=' + example.rates[field] + "; ";
  read += "Ingots Required for Exceptional=" + std::string(example.ingotsRequired) + "; About=; ";
  return example.parts ? read + "Set Contents=" + example.parts + "; " : read;
}

TEST(Pricing, TheWorkedExamplesShowEveryFigureUnderItsCaption) {
  withWindow([&](PriceDlgProbe& dlg) {
    for (const WorkedExample& example : kWorkedExamples) {
      dlg.price(example.item, example.level, std::to_string(example.rate).c_str());
      EXPECT_EQ(readOut(dlg.window()), readOut(example)) << "at level " << example.level;
    }
  });
}

// With nothing chosen the list is read by its caption.
TEST(Pricing, WithoutItemsTheWindowShowsEveryCaptionAndNoFigure) {
  const TableModule none(std::nullopt);
  const std::string empty = readOut({"", ID_SKILL_100, 0, "", {"", "", "", "", ""}, nullptr, "", ""});
  withWindow([&](PriceDlgProbe& dlg) { EXPECT_EQ(readOut(dlg.window()), "Item" + empty); });
}

// An item without ingots shows its message at every calculation, so the messages count the calculations; the arrow
// keys step the Rate as the arrows do, and up at the top recalculates as any step does.
TEST(Pricing, AnItemWithoutIngotsIsReportedAtEveryChangeOnceAndPricedAtNothing) {
  const TableModule table(tableRow("Cracked Mould", "none") + tableRow("Sliver", "0.9"));
  CollectedMessages messages;
  withWindow([&](PriceDlgProbe& dlg) {
    const auto type = [&](const char* text) {
      dlg.rate()->setText(QString::fromLatin1(text));
    };
    const std::tuple<const char*, std::function<void()>, const char*> changes[] = {
        {"start-up", [] {}, "0"},
        {"selection", [&] { dlg.choose("Sliver"); }, "0"},
        {"level command", [&] { dlg.OnSkill100(); }, "0"},
        {"typed Rate written back", [&] { type("012"); }, "12"},
        {"step up", [&] { QTest::keyClick(dlg.rate(), Qt::Key_Up); }, "13"},
        {"Rate 9999 typed", [&] { type("9999"); }, "9999"},
        {"step up at the top", [&] { QTest::keyClick(dlg.rate(), Qt::Key_Up); }, "9999"},
        {"step down", [&] { QTest::keyClick(dlg.rate(), Qt::Key_Down); }, "9998"},
        {"Rate 0 typed, then stepped down",
         [&] {
           type("0");
           QTest::keyClick(dlg.rate(), Qt::Key_Down);
         },
         "0"},
    };
    for (const auto& [change, make, rate] : changes) {
      make();
      EXPECT_EQ(messages.texts, std::vector<CString>{"Invalid value entered for Ingots"}) << change;
      EXPECT_EQ(dlg.rate()->text() + ' ' + dlg.shown(IDC_IGTS_REQ2) + ' ' + dlg.shown(IDC_PRICE),
                QString::fromLatin1(rate) + " 0.00 0")
          << change;
      messages.texts.clear();
    }
  });
}

TEST(FormatAmount, WritesTwoDecimalsInTheFormatOfTheLocaleThatTheSystemFileNames) {
  const struct {
    std::string config;
    double amount;
    const char* text;
  } cases[] = {
      {"LANG=en_US.UTF-8", 1234567.891, "1,234,567.89"},
      {"LANG=en_US.UTF-8", 999.999, "1,000.00"},
      {"LANG=en_US.UTF-8", 0.999, "1.00"},
      {"LANG=en_US.UTF-8", 0.75, "0"},
      {"LANG=en_US.UTF-8", -0.001, "0"},
      {"LANG=en_US.UTF-8", 1e300 * 1e10, "0"},
      {"  # LANG=en_US.UTF-8\r\n LANG=de_DE\r", 1234.5, "1.234,50"},
      {"LANG=\"de_DE\"", 1234.5, "1.234,50"},
      {"export LC_NUMERIC='de_CH' # numbers\nLANG=en_GB.UTF-8", 1234.5, "1’234.50"},
      {"LC_ALL=fr_FR\nLC_NUMERIC=de_DE", 1234.5, "1\u202f234,50"},
      {"LANG=en_IN.UTF-8", 1234567.891, "1,234,567.89"} /* the leading group size only */,
      {"LANG=C.UTF-8", 1234567.891, "1234567.89"},
      {"LANG=xx_YY.UTF-8", 1234.5, "1234.50"},
      {"LANG=de_DE/../../etc/passwd", 1234.5, "1234.50"},
      {"", 1234.5, "1234.50"},
      {"LANG=" + std::string(200, 'a'), 1234.5, "1234.50"},
  };
  qputenv("LC_ALL", "de_DE.UTF-8");  // the user's environment, which never counts
  for (const auto& c : cases) {
    const SystemLocale system(c.config + "\n");
    EXPECT_EQ(FormatAmount(c.amount), c.text) << c.config << ", " << c.amount;
  }
  qunsetenv("LC_ALL");
}

TEST(FormatAmount, ReadsTheLocaleOnceUnlessAskedToReloadItAndRejectsWhatIsNoPlainDecimal) {
  const SystemLocale german("LANG=de_DE.UTF-8\n", /*reload=*/false);
  EXPECT_EQ(FormatAmount(1234.5), "1,234.50");
  EXPECT_EQ(FormatNumberText("1234.50", true), "1.234,50");
  const std::pair<const char*, const char*> texts[] = {{"12", "12,00"}, {"12.", "12,00"}, {"1.234", ""},
                                                       {"12a.50", ""},  {"12.5a", ""},    {"-12.50", ""},
                                                       {"1 2", ""},     {"-0.50", "0"}};
  for (const auto& [text, formatted] : texts)
    EXPECT_EQ(FormatNumberText(text, false), formatted) << text;
}
