// The window's side of pricing: what it shows for each row at each level, and one calculation for every change.
#include "pricing/ItemFigures.h"
#include "tests/support/Support.h"

namespace {
// The row as the window shows it: the texts of its visible figures.
std::vector<QString> shownRow(const PriceDlgProbe& dlg) {
  std::vector<QString> shown;
  for (const int id : {IDC_INGOTS, IDC_IGTS_REQ2, IDC_PRICE, IDC_EXEC_RATE, IDC_NORM_RATE, IDC_BA_RATE, IDC_FAIL_RATE,
                       IDC_DOA, IDC_SET_CONTENTS})
    if (dlg.controlWidget(id)->isVisibleTo(dlg.window()))
      shown.push_back(dlg.shown(id));
  return shown;
}

// The row as the pricing core gives it: a suit's parts in place of its rates.
std::vector<QString> expectedRow(const ItemFigures& figures) {
  const Calculation& calculation = figures.calculation;
  std::vector<QString> row{figures.texts.ingots.toQString(), calculation.ingotsRequiredText.toQString(),
                           calculation.priceText.toQString()};
  for (const CString& rate : figures.texts.rates)
    if (!calculation.isSuit)
      row.push_back(rate.toQString());
  if (calculation.isSuit)
    row.push_back(figures.setContents.toQString());
  return row;
}

// Each level is chosen by its menu command, which reaches the window after the running handler, as a choice does.
TEST(Display, ShowsThePricingCoresFiguresForEveryRowAtEveryLevel) {
  withWindow([](PriceDlgProbe& dlg) {
    dlg.rate()->setText(QStringLiteral("37"));
    for (const SkillLevel& level : kSkillLevels) {
      dlg.PostCommand(level.commandId);
      QCoreApplication::processEvents();
      for (int row = 0; row < dlg.m_arrItem.GetSize(); ++row) {
        dlg.items()->setCurrentIndex(row);
        dlg.OnSelchangeItem();
        EXPECT_EQ(shownRow(dlg), expectedRow(figuresAt(dlg, row, level, 37)))
            << dlg.m_arrItem.GetAt(row) << " at " << level.level;
      }
    }
  });
}

TEST(Display, WithoutItemsShowsNoFigureAndNoMessage) {
  const TableModule none(std::nullopt);
  const CollectedMessages messages;
  withWindow([](PriceDlgProbe& dlg) {
    dlg.rate()->setText(QStringLiteral("12"));
    EXPECT_EQ(shownRow(dlg), std::vector<QString>(8)) << "eight empty figures and no parts";
  });
  EXPECT_EQ(messages.texts, std::vector<CString>{});
}

// An item without ingots shows its message at every calculation, so the messages count the calculations; the arrow
// keys step the Rate as the arrows do, and up at the top recalculates as any step does. A typed Rate shows as read.
TEST(Display, CalculatesOnceForEveryChangeOfItemLevelOrRate) {
  const TableModule table(tableRow("Cracked Mould", "none") + tableRow("Sliver", "0.9"));
  CollectedMessages messages;
  withWindow([&](PriceDlgProbe& dlg) {
    const auto type = [&](const char* text) {
      dlg.rate()->setText(QString::fromLatin1(text));
    };
    const auto key = [&](Qt::Key key) {
      QTest::keyClick(dlg.rate(), key);
    };
    const std::tuple<const char*, std::function<void()>, const char*> changes[] = {
        {"start-up", [] {}, "0"},
        {"selection", [&] { dlg.choose("Sliver"); }, "0"},
        {"level command", [&] { dlg.OnSkill100(); }, "0"},
        {"typed Rate read to its leading number", [&] { type("012abc"); }, "12"},
        {"step up", [&] { key(Qt::Key_Up); }, "13"},
        {"Rate over 9999 typed", [&] { type("123456"); }, "9999"},
        {"step up at the top", [&] { key(Qt::Key_Up); }, "9999"},
        {"step down", [&] { key(Qt::Key_Down); }, "9998"},
        {"Rate 1 typed", [&] { type("1"); }, "1"},
        {"step down to 0", [&] { key(Qt::Key_Down); }, "0"},
    };
    for (const auto& [change, make, rate] : changes) {
      SCOPED_TRACE(change);
      make();
      EXPECT_EQ(messages.texts, std::vector<CString>{"Invalid value entered for Ingots"});
      EXPECT_EQ(dlg.rate()->text(), rate);
      EXPECT_EQ(dlg.shown(IDC_IGTS_REQ2), "0.00");
      EXPECT_EQ(dlg.shown(IDC_PRICE), "0");
      messages.texts.clear();
    }
    key(Qt::Key_Down);
    EXPECT_EQ(messages.texts, std::vector<CString>{}) << "a Rate of 0 is not stepped down, nor recalculated";
    type("5");
    messages.texts.clear();
    // As assistive tools set it.
    dlg.rate()->parentWidget()->setProperty("value", 5);
    EXPECT_EQ(messages.texts, std::vector<CString>{}) << "a Rate set to what it is is not recalculated";
  });
}
}  // namespace
