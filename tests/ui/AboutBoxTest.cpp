// The About box: what it shows, the three ways it closes, and that the main window keeps its state.
#include "tests/support/ModalDriver.h"
#include "tests/support/PriceDlgProbe.h"

#include <QComboBox>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>
#include <gtest/gtest.h>

namespace {
enum class Close { Enter, Escape, CloseBox };

void closeAbout(QWidget* about, Close how) {
  switch (how) {
    case Close::Enter: QTest::keyClick(about->focusWidget() ? about->focusWidget() : about, Qt::Key_Return); break;
    case Close::Escape: QTest::keyClick(about->focusWidget() ? about->focusWidget() : about, Qt::Key_Escape); break;
    case Close::CloseBox: about->close(); break;
  }
}

class AboutBoxTest : public ::testing::TestWithParam<Close> {};

TEST_P(AboutBoxTest, ShowsTheHomePageAndClosesLeavingTheMainWindowAsItWas) {
  PriceDlgProbe dlg;
  ASSERT_TRUE(dlg.Create());
  auto* rate = dlg.control<QLineEdit>(IDC_RATE);
  rate->setText(QStringLiteral("57"));
  dlg.m_nLevel = ID_SKILL_70;
  const int selection = dlg.m_comboItem.GetCurSel();

  bool seen = false;
  for (int opening = 0; opening < 3; ++opening) {
    onNextModal([&seen](QWidget* about) {
      seen = true;
      EXPECT_EQ(about->windowTitle(), QStringLiteral("About Quenchmark"));
      const auto* url = about->findChild<QLineEdit*>();
      ASSERT_NE(url, nullptr);
      EXPECT_EQ(url->text(), QStringLiteral("https://brasswick.example/"));
      EXPECT_TRUE(url->isReadOnly());
      EXPECT_EQ(url->alignment() & Qt::AlignHCenter, Qt::AlignHCenter);
      for (const auto* button : about->findChildren<QPushButton*>()) EXPECT_FALSE(button->isVisible());
      closeAbout(about, GetParam());
    });
    dlg.control<QPushButton>(IDC_ABOUT)->click();
    ASSERT_TRUE(seen);
    seen = false;
  }
  EXPECT_EQ(rate->text(), QStringLiteral("57"));
  EXPECT_EQ(dlg.m_nLevel, ID_SKILL_70);
  EXPECT_EQ(dlg.m_comboItem.GetCurSel(), selection);
  EXPECT_TRUE(dlg.GetSafeHwnd()->isVisible());
}

INSTANTIATE_TEST_SUITE_P(Paths, AboutBoxTest, ::testing::Values(Close::Enter, Close::Escape, Close::CloseBox));
}  // namespace
