// The main window as built from its template: layout, tab order, the Rate exchange, and the keys that end it.
#include "framework/DialogLayout.h"
#include "tests/support/ModalDriver.h"
#include "tests/support/PriceDlgProbe.h"
#include "ui/DDX_TextClamped.h"

#include <QApplication>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QSignalSpy>
#include <QTest>
#include <QSignalBlocker>
#include <climits>
#include <ostream>
#include <gtest/gtest.h>

namespace {
class MainDialogTest : public ::testing::Test {
protected:
  void SetUp() override { ASSERT_TRUE(dlg.Create()); }
  QWidget* window() const { return dlg.GetSafeHwnd(); }
  QLineEdit* rateEdit() const { return dlg.control<QLineEdit>(IDC_RATE); }
  QRect templateRect(const DialogControl& control) const {
    return dialogUnitsToPixels(dialogBaseUnits(window()->font(), findDialogTemplate(IDD_PRICE_DIALOG)), control.x,
                               control.y, control.cx, control.cy);
  }
  QWidget* widgetOf(const DialogControl& control) const {
    if (control.id != -1) return dlg.controlWidget(control.id);
    // Unnamed statics are found by caption; the value boxes sharing a caption were emptied at start-up.
    for (auto* label : window()->findChildren<QLabel*>())
      if (label->text() == QString::fromUtf8(control.text)) return label;
    return nullptr;
  }

  PriceDlgProbe dlg;
};

TEST_F(MainDialogTest, EveryControlStandsWhereItsTemplatePutsIt) {
  const DialogTemplate& dialogTemplate = findDialogTemplate(IDD_PRICE_DIALOG);
  ASSERT_EQ(dialogTemplate.controls.size(), 29u);
  EXPECT_EQ(window()->windowTitle(), QStringLiteral("Quenchmark"));
  EXPECT_EQ(window()->size(), templateRect({0, ControlKind::Static, "", true, 0, 0, 181, 78, 0}).size());
  for (const DialogControl& control : dialogTemplate.controls) {
    SCOPED_TRACE(control.text);
    QWidget* widget = widgetOf(control);
    ASSERT_NE(widget, nullptr);
    EXPECT_EQ(widget->isVisibleTo(window()), control.shown);
    const QRect expected = templateRect(control);
    const QRect actual = widget->geometry();
    switch (control.id) {
      case IDC_ITEM:  // closed height only; the template's height is that of the opened list
        EXPECT_EQ(actual.topLeft(), expected.topLeft());
        EXPECT_EQ(actual.width(), expected.width());
        EXPECT_LT(actual.height(), expected.height());
        break;
      case IDC_RATE:  // narrowed by the up-down that sits on its right edge
        EXPECT_EQ(actual.topLeft(), expected.topLeft());
        EXPECT_EQ(actual.width(), expected.width() - templateRect(dialogTemplate.controls[2]).width());
        break;
      case IDC_SPIN1:
        EXPECT_EQ(actual.left(), dlg.controlWidget(IDC_RATE)->geometry().right() + 1);
        EXPECT_EQ(actual.top(), expected.top());
        break;
      case IDC_SET_CONTENTS:  // laid over the rates band at start-up
        EXPECT_EQ(actual, dlg.controlWidget(IDC_EXEC_RATE_LABEL)->geometry().united(
                              dlg.controlWidget(IDC_DOA)->geometry()));
        break;
      default:
        EXPECT_EQ(actual, expected);
    }
  }
}

TEST_F(MainDialogTest, TabVisitsItemListRateAndAboutInTurn) {
  window()->activateWindow();
  ASSERT_TRUE(QTest::qWaitForWindowActive(window()));
  const QWidget* expected[] = {dlg.controlWidget(IDC_ITEM), dlg.controlWidget(IDC_RATE),
                               dlg.controlWidget(IDC_ABOUT), dlg.controlWidget(IDC_ITEM)};
  EXPECT_EQ(QApplication::focusWidget(), expected[0]);
  for (std::size_t i = 1; i < std::size(expected); ++i) {
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
    EXPECT_EQ(QApplication::focusWidget(), expected[i]) << "after Tab " << i;
  }
}

TEST_F(MainDialogTest, WindowCarriesTheDollarIconInBothSizes) {
  const QList<QSize> sizes = window()->windowIcon().availableSizes();
  EXPECT_TRUE(sizes.contains(QSize(16, 16)));
  EXPECT_TRUE(sizes.contains(QSize(32, 32)));
}

struct RateCase {
  const char* typed;
  int read;
  const char* shownAfterWrite;
};

void PrintTo(const RateCase& rate, std::ostream* out) { *out << '"' << rate.typed << '"'; }

class RateExchangeTest : public MainDialogTest, public ::testing::WithParamInterface<RateCase> {};

TEST_P(RateExchangeTest, ReadsClampedAndShowsTheClampedValue) {
  const RateCase& rate = GetParam();
  {
    // The exchange alone: a typed change would recalculate and rewrite the edit at once.
    const QSignalBlocker quiet(rateEdit());
    rateEdit()->setText(QString::fromUtf8(rate.typed));
  }
  dlg.UpdateData(true);
  EXPECT_EQ(dlg.m_nRate, rate.read);
  EXPECT_EQ(rateEdit()->text(), QString::fromUtf8(rate.typed)) << "reading leaves the text alone";
  dlg.UpdateData(false);
  EXPECT_EQ(rateEdit()->text(), QString::fromUtf8(rate.shownAfterWrite));
}

INSTANTIATE_TEST_SUITE_P(TypedTexts, RateExchangeTest,
                         ::testing::Values(RateCase{"12abc", 12, "12"}, RateCase{"", 0, "0"},
                                           RateCase{"abc", 0, "0"}, RateCase{"-5", 0, "0"},
                                           RateCase{"123456", 9999, "9999"}, RateCase{"012", 12, "12"},
                                           RateCase{"99999999999999999999", 9999, "9999"},
                                           RateCase{"-99999999999999999999", 0, "0"},
                                           RateCase{"  42", 42, "42"}, RateCase{"+7", 7, "7"},
                                           RateCase{"9999", 9999, "9999"}, RateCase{"10000", 9999, "9999"}));

TEST_F(MainDialogTest, WritingTheRateClampsTheMemberItself) {
  dlg.m_nRate = 123456;
  dlg.UpdateData(false);
  EXPECT_EQ(dlg.m_nRate, 9999);
  EXPECT_EQ(rateEdit()->text(), QStringLiteral("9999"));
  dlg.m_nRate = -3;
  dlg.UpdateData(false);
  EXPECT_EQ(dlg.m_nRate, 0);
}

TEST_F(MainDialogTest, WritingAnUnchangedRateLeavesTheEditAlone) {
  dlg.m_nRate = 12;
  dlg.UpdateData(false);
  QSignalSpy changes(rateEdit(), &QLineEdit::textChanged);
  rateEdit()->setCursorPosition(1);
  dlg.UpdateData(false);
  EXPECT_EQ(changes.count(), 0);
  EXPECT_EQ(rateEdit()->cursorPosition(), 1);
}

TEST(SaturatingAtoi, BehavesAsAtoiWithinRangeAndSaturatesBeyond) {
  const struct {
    const char* text;
    int value;
  } cases[] = {{"2147483647", INT_MAX},  {"2147483648", INT_MAX},   {"-2147483648", INT_MIN},
               {"-2147483649", INT_MIN}, {"\t\n 17x", 17},          {"- 5", 0},
               {"--5", 0},               {"", 0},                   {"0000000000000000000000042", 42}};
  for (const auto& c : cases) EXPECT_EQ(saturatingAtoi(c.text), c.value) << c.text;
}

enum class Leave { EnterInRate, EnterInItemList, CloseBox };

void PrintTo(Leave how, std::ostream* out) {
  *out << (how == Leave::EnterInRate ? "EnterInRate" : how == Leave::EnterInItemList ? "EnterInItemList" : "CloseBox");
}

class LeavingTest : public ::testing::TestWithParam<std::pair<Leave, int>> {};

TEST_P(LeavingTest, EndsTheDialogWithItsResult) {
  const auto [how, result] = GetParam();
  PriceDlgProbe dlg;
  const int ended = runModal(dlg, [&dlg, how] {
    switch (how) {
      case Leave::EnterInRate: QTest::keyClick(dlg.controlWidget(IDC_RATE), Qt::Key_Return); break;
      case Leave::EnterInItemList: QTest::keyClick(dlg.controlWidget(IDC_ITEM), Qt::Key_Return); break;
      case Leave::CloseBox: dlg.GetSafeHwnd()->close(); break;
    }
  });
  EXPECT_EQ(ended, result);
}

INSTANTIATE_TEST_SUITE_P(Paths, LeavingTest,
                         ::testing::Values(std::pair{Leave::EnterInRate, int(IDOK)},
                                           std::pair{Leave::EnterInItemList, int(IDOK)},
                                           std::pair{Leave::CloseBox, int(IDCANCEL)}));

TEST(Escape, ChangesNothingAndLeavesTheDialogRunning) {
  PriceDlgProbe dlg;
  const int ended = runModal(dlg, [&dlg] {
    dlg.controlWidget(IDC_RATE)->setFocus();
    QTest::keyClicks(dlg.controlWidget(IDC_RATE), "37");
    QTest::keyClick(dlg.controlWidget(IDC_RATE), Qt::Key_Escape);
    QTest::keyClick(dlg.controlWidget(IDC_ITEM), Qt::Key_Escape);
    EXPECT_TRUE(dlg.GetSafeHwnd()->isVisible());
    // Each key recalculates, and the exchange writes the Rate back without its leading zero.
    EXPECT_EQ(qobject_cast<QLineEdit*>(dlg.controlWidget(IDC_RATE))->text(), QStringLiteral("37"));
    dlg.GetSafeHwnd()->close();
  });
  EXPECT_EQ(ended, IDCANCEL);
}
}  // namespace
