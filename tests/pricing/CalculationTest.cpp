// The price calculation as the window runs it: the worked figures, suits, the spin arrows, and exactly one
// calculation for every change.
#include "framework/Resources.h"
#include "pricing/FormatAmount.h"
#include "tests/framework/TemporarySystemLocale.h"
#include "tests/support/PricedWindow.h"

#include <QAbstractButton>
#include <QTest>
#include <cmath>
#include <cstdlib>
#include <ostream>
#include <sstream>

namespace {
const int kRateControls[] = {IDC_EXEC_RATE, IDC_EXEC_RATE_LABEL, IDC_NORM_RATE, IDC_NORM_RATE_LABEL, IDC_BA_RATE,
                             IDC_BA_RATE_LABEL, IDC_FAIL_RATE, IDC_FAIL_RATE_LABEL, IDC_DOA, IDC_DOA_LABEL};

class Calculation : public PricedWindow {
protected:
  void SetUp() override {
    PricedWindow::SetUp();
    useSystemLocale("en_US.UTF-8");
  }
  void useSystemLocale(const std::string& posixName) {
    m_system.setLang(posixName);
    FormatNumberText(nullptr, true);
  }
  // Shows `item` at `level`, then types the Rate.
  void price(const char* item, int level, const char* rate) {
    choose(item);
    dlg.m_nLevel = level;
    dlg.OnSelchangeItem();
    rateEdit()->setText(QString::fromUtf8(rate));
  }

private:
  TemporarySystemLocale m_system;
};

struct PriceCase {
  const char* item;
  int level;
  const char* rate;
  const char* ingotsRequired;
  const char* price;
};

void PrintTo(const PriceCase& c, std::ostream* out) { *out << c.item << " at " << c.level << ", Rate " << c.rate; }

class WorkedExamples : public Calculation, public ::testing::WithParamInterface<PriceCase> {};

TEST_P(WorkedExamples, GiveTheirFigures) {
  const PriceCase& c = GetParam();
  open();
  price(c.item, c.level, c.rate);
  EXPECT_EQ(shown(IDC_IGTS_REQ2), QString::fromUtf8(c.ingotsRequired));
  EXPECT_EQ(shown(IDC_PRICE), QString::fromUtf8(c.price));
  EXPECT_TRUE(messages.empty());
}

INSTANTIATE_TEST_SUITE_P(
    CarriedTable, WorkedExamples,
    ::testing::Values(PriceCase{"Axe", ID_SKILL_100, "12", "16.13", "193.58"},
                      PriceCase{"Female Plate", ID_SKILL_90, "7", "28.45", "199.15"},
                      PriceCase{"Plate Breastpiece", ID_SKILL_100, "12", "196.29", "2,355.45"},
                      PriceCase{"Axe", ID_SKILL_50, "12", "0.00", "0"},
                      PriceCase{"*Chainmail", ID_SKILL_100, "12", "56.00", "672.00"},
                      PriceCase{"*Chainmail", ID_SKILL_70, "12", "56.00", "672.00"},
                      PriceCase{"Axe", ID_SKILL_100, "0", "16.13", "0"},
                      PriceCase{"Plate Breastpiece", ID_SKILL_100, "9999", "196.29", "1,962,678.71"},
                      PriceCase{"Axe", ID_SKILL_100, "012", "16.13", "193.58"}));

TEST_F(Calculation, OnlyThePriceFollowsTheLocale) {
  useSystemLocale("de_DE.UTF-8");
  open();
  price("Plate Breastpiece", ID_SKILL_100, "12");
  EXPECT_EQ(shown(IDC_IGTS_REQ2), QStringLiteral("196.29"));
  EXPECT_EQ(shown(IDC_PRICE), QStringLiteral("2.355,45"));
}

// The carried table's column 12, for every item row.
std::vector<std::pair<std::string, long>> storedIngotsRequired() {
  const ResourceBytes bytes = FindResourceBytes(AfxGetResourceHandle(), IDR_ITEM_TABLE, RT_HTML);
  std::istringstream table(std::string(bytes.data, bytes.size));
  std::vector<std::pair<std::string, long>> rows;
  for (std::string line; std::getline(table, line);) {
    if (line.empty() || line[0] == ';' || line[0] == '*') continue;
    std::istringstream fields(line);
    std::vector<std::string> field;
    for (std::string f; std::getline(fields, f, '\t');) field.push_back(f);
    rows.emplace_back(field.at(0), std::atol(field.at(12).c_str()));
  }
  return rows;
}

TEST_F(Calculation, EveryItemAtLevel100RoundsToItsStoredFigure) {
  open();
  const auto rows = storedIngotsRequired();
  ASSERT_EQ(rows.size(), 49u);
  for (const auto& [name, stored] : rows) {
    choose(name.c_str());
    EXPECT_EQ(std::lround(dlg.CalcIngotsRequired()), stored) << name;
  }
}

TEST_F(Calculation, ASuitShowsItsPartsInPlaceOfTheRatesAndAnItemBringsThemBack) {
  open();
  for (int level : {ID_SKILL_100, ID_SKILL_50}) {
    price("*Chainmail", level, "12");
    EXPECT_TRUE(visible(IDC_SET_CONTENTS)) << level;
    EXPECT_EQ(shown(IDC_SET_CONTENTS), QStringLiteral("Chainmail Leggings, Chainmail Tunic, Chainmail Coif")) << level;
    for (int id : kRateControls) EXPECT_FALSE(visible(id)) << id;
  }
  price("Axe", ID_SKILL_100, "12");
  EXPECT_FALSE(visible(IDC_SET_CONTENTS));
  for (int id : kRateControls) EXPECT_TRUE(visible(id)) << id;
}

TEST_F(Calculation, AnItemWithoutIngotsIsReportedAndPricedAtNothing) {
  open(tableRow("Cracked Mould", "none") + tableRow("Zero", "0.9"));
  for (const char* item : {"Cracked Mould", "Zero"}) {
    messages.clear();
    price(item, ID_SKILL_100, "12");
    ASSERT_FALSE(messages.empty()) << item;
    EXPECT_EQ(messages.front(), "Invalid value entered for Ingots");
    EXPECT_EQ(shown(IDC_IGTS_REQ2), QStringLiteral("0.00"));
    EXPECT_EQ(shown(IDC_PRICE), QStringLiteral("0"));
  }
}

struct SpinCase {
  int rate;
  int delta;  // as the control proposes it: negative for up
  int expected;
};

void PrintTo(const SpinCase& c, std::ostream* out) { *out << c.rate << " by " << c.delta; }

class Spin : public Calculation, public ::testing::WithParamInterface<SpinCase> {};

TEST_P(Spin, StepsTheRateWithinItsRange) {
  const SpinCase& c = GetParam();
  open();
  rateEdit()->setText(QString::number(c.rate));
  NMUPDOWN step{.hdr = {}, .iDelta = c.delta};
  LRESULT result = -1;
  dlg.OnDeltaposSpin1(&step.hdr, &result);
  EXPECT_EQ(result, 0);
  EXPECT_EQ(dlg.m_nRate, c.expected);
  EXPECT_EQ(rateEdit()->text(), QString::number(c.expected));
  EXPECT_EQ(shown(IDC_PRICE), QString::fromStdString(FormatAmount(c.expected * dlg.CalcIngotsRequired())));
}

INSTANTIATE_TEST_SUITE_P(Arrows, Spin,
                         ::testing::Values(SpinCase{9999, -1, 9999}, SpinCase{0, 1, 0}, SpinCase{1, 1, 0},
                                           SpinCase{3, 5, 0}, SpinCase{12, -1, 13}, SpinCase{12, 1, 11},
                                           SpinCase{9990, -20, 9999}, SpinCase{12, 0, 12}));

TEST_F(Calculation, TheArrowsOfTheWindowRaiseAndLowerTheRate) {
  open();
  rateEdit()->setText(QStringLiteral("12"));
  const auto arrows = dlg.controlWidget(IDC_SPIN1)->findChildren<QAbstractButton*>();
  ASSERT_EQ(arrows.size(), 2);
  QTest::mouseClick(arrows[0], Qt::LeftButton);
  EXPECT_EQ(rateEdit()->text(), QStringLiteral("13"));
  QTest::mouseClick(arrows[1], Qt::LeftButton);
  QTest::mouseClick(arrows[1], Qt::LeftButton);
  EXPECT_EQ(rateEdit()->text(), QStringLiteral("11"));
  EXPECT_EQ(shown(IDC_PRICE), QStringLiteral("177.45"));
}

// Every calculation of an item without ingots shows one message, so the messages count the calculations.
TEST_F(Calculation, EveryChangeCalculatesExactlyOnce) {
  open(tableRow("First", "0") + tableRow("Second", "0"));
  EXPECT_EQ(messages.size(), 1u) << "start-up";
  const std::pair<const char*, std::function<void()>> changes[] = {
      {"selection", [this] { choose("Second"); }},
      {"level command", [this] { dlg.OnSkill100(); }},
      {"typed Rate", [this] { rateEdit()->setText(QStringLiteral("5")); }},
      {"typed Rate written back", [this] { rateEdit()->setText(QStringLiteral("012")); }},
      {"spin step", [this] {
         NMUPDOWN step{.hdr = {}, .iDelta = -1};
         LRESULT result;
         dlg.OnDeltaposSpin1(&step.hdr, &result);
       }},
  };
  for (const auto& [change, make] : changes) {
    messages.clear();
    make();
    EXPECT_EQ(messages.size(), 1u) << change;
  }
  EXPECT_EQ(rateEdit()->text(), QStringLiteral("13"));
}
}  // namespace
