// Nothing the windows show is cut off: every figure of every item at every level at the highest Rate, every
// suit's parts, the price in several number formats, the captions, the item names in the closed list and the
// About box's texts, in the template's font size and in larger desktop fonts, at the scale factor this process
// runs at (ctest runs the binary once per factor, since Qt reads QT_SCALE_FACTOR at start).
#include "framework/AccessibleValueBox.h"
#include "pricing/FormatAmount.h"
#include "tests/framework/TemporarySystemLocale.h"
#include "tests/support/ModalDriver.h"
#include "tests/support/PricedWindow.h"
#include "ui/CAboutDlg.h"

#include <QApplication>
#include <QFontDatabase>
#include <QStyle>
#include <QStyleOptionComboBox>
#include <QStyleOptionFrame>

#include <ostream>
#include <string>

namespace {
std::string describe(const QRect& rect) {
  return std::to_string(rect.width()) + "x" + std::to_string(rect.height()) + "+" + std::to_string(rect.x()) + "+" +
         std::to_string(rect.y());
}

// Every visible static's text lies inside the area the label draws it in, and the label inside its window.
void expectStaticsShowAllText(QWidget* window, const std::string& situation) {
  for (const QLabel* label : window->findChildren<QLabel*>()) {
    if (!label->isVisibleTo(window) || label->text().isEmpty()) continue;
    const QRect area = labelTextRect(label);
    const QRect needed =
        label->fontMetrics().boundingRect(area, static_cast<int>(label->alignment()) | Qt::TextWordWrap, label->text());
    EXPECT_TRUE(area.contains(needed)) << situation << ": \"" << label->text().toStdString() << "\" needs "
                                       << describe(needed) << " in " << describe(area);
    EXPECT_TRUE(window->rect().contains(label->geometry())) << situation << ": " << label->text().toStdString();
  }
}

// A line edit draws its text in its contents less two pixels a side, one line high.
void expectEditShows(const QLineEdit* edit, const QString& text) {
  QStyleOptionFrame option;
  option.initFrom(edit);
  option.rect = edit->rect();
  option.lineWidth = edit->hasFrame() ? edit->style()->pixelMetric(QStyle::PM_DefaultFrameWidth, &option, edit) : 0;
  option.state |= QStyle::State_Sunken;
  const QRect contents = edit->style()->subElementRect(QStyle::SE_LineEditContents, &option, edit)
                             .marginsRemoved(edit->textMargins())
                             .adjusted(2, 0, -2, 0);
  EXPECT_LE(edit->fontMetrics().horizontalAdvance(text), contents.width()) << text.toStdString();
  EXPECT_LE(edit->fontMetrics().height(), contents.height()) << text.toStdString();
}

// A closed list draws the chosen item's name in its edit field less a pixel a side.
void expectClosedListShows(const QComboBox* list, const QString& text) {
  QStyleOptionComboBox option;
  option.initFrom(list);
  option.rect = list->rect();
  option.editable = false;
  option.frame = list->hasFrame();
  option.currentText = text;
  const QRect field = list->style()->subControlRect(QStyle::CC_ComboBox, &option, QStyle::SC_ComboBoxEditField, list);
  EXPECT_LE(list->fontMetrics().horizontalAdvance(text), field.width() - 2) << text.toStdString();
  EXPECT_LE(list->fontMetrics().height(), field.height()) << text.toStdString();
}

// The desktop's font size, and a family put in place of the template's (null: the system's own fallback).
struct DesktopFont {
  qreal pointSize;
  const char* family;
};

void PrintTo(const DesktopFont& font, std::ostream* out) {
  *out << font.pointSize << "pt " << (font.family ? font.family : "fallback");
}

constexpr char kTemplateFamily[] = "MS Sans Serif";

class ScalingTest : public PricedWindow, public ::testing::WithParamInterface<DesktopFont> {
protected:
  void SetUp() override {
    PricedWindow::SetUp();
    const DesktopFont& desktop = GetParam();
    if (desktop.family && !QFontDatabase::hasFamily(QString::fromUtf8(desktop.family)))
      GTEST_SKIP() << desktop.family << " is not installed";
    if (desktop.family) QFont::insertSubstitution(QString::fromUtf8(kTemplateFamily), QString::fromUtf8(desktop.family));
    QFont font = m_desktopFont;
    font.setPointSizeF(desktop.pointSize);
    QApplication::setFont(font);
    m_system.setLang("en_US.UTF-8");
    FormatNumberText(nullptr, true);
    open();
  }
  void TearDown() override {
    QApplication::setFont(m_desktopFont);
    QFont::removeSubstitutions(QString::fromUtf8(kTemplateFamily));
    PricedWindow::TearDown();
  }
  QWidget* window() const { return dlg.GetSafeHwnd(); }
  void setRate(int rate) { rateEdit()->setText(QString::number(rate)); }

private:
  const QFont m_desktopFont = QApplication::font();
  TemporarySystemLocale m_system;
};

TEST_P(ScalingTest, RunsAtTheScaleFactorItWasStartedWith) {
  const QByteArray factor = qgetenv("QT_SCALE_FACTOR");
  EXPECT_DOUBLE_EQ(window()->devicePixelRatioF(), factor.isEmpty() ? 1.0 : factor.toDouble());
  EXPECT_GE(window()->font().pointSizeF(), GetParam().pointSize) << "the dialog follows a larger desktop font";
}

TEST_P(ScalingTest, EveryItemAtEveryLevelShowsAllItsFiguresAtTheHighestRate) {
  for (int level = ID_SKILL_100; level <= ID_SKILL_50; ++level) {
    dlg.m_nLevel = level;
    for (int row = 0; row < itemList()->count(); ++row) {
      itemList()->setCurrentIndex(row);
      setRate(9999);
      expectStaticsShowAllText(window(), itemList()->itemText(row).toStdString() + " at level " + std::to_string(level));
    }
  }
  expectEditShows(rateEdit(), QStringLiteral("9999"));
}

TEST_P(ScalingTest, TheLongestPriceFitsInEveryNumberFormat) {
  for (const char* locale : {"en_US.UTF-8", "de_DE.UTF-8", "en_IN.UTF-8", "fr_FR.UTF-8", "de_CH.UTF-8"}) {
    TemporarySystemLocale system;
    system.setLang(locale);
    FormatNumberText(nullptr, true);
    choose("Plate Breastpiece");
    setRate(9998);  // a fresh calculation in this locale
    setRate(9999);
    if (std::string(locale) == "en_US.UTF-8") {
      EXPECT_EQ(shown(IDC_PRICE), QStringLiteral("1,962,678.71"));
    }
    expectStaticsShowAllText(window(), locale);
  }
}

TEST_P(ScalingTest, EveryItemNameFitsTheClosedList) {
  for (int row = 0; row < itemList()->count(); ++row) expectClosedListShows(itemList(), itemList()->itemText(row));
}

TEST_P(ScalingTest, VisibleControlsStayInsideTheWindowAndApart) {
  for (const char* item : {"Plate Breastpiece", "*Light Archer"}) {
    choose(item);
    std::vector<QWidget*> shownControls;
    for (int id : {IDC_ITEM, IDC_RATE, IDC_SPIN1, IDC_ABOUT, IDC_SET_CONTENTS})
      if (visible(id)) shownControls.push_back(dlg.controlWidget(id));
    for (QLabel* label : window()->findChildren<QLabel*>())
      if (label->isVisibleTo(window()) && label != dlg.controlWidget(IDC_SET_CONTENTS)) shownControls.push_back(label);
    for (std::size_t i = 0; i < shownControls.size(); ++i) {
      EXPECT_TRUE(window()->rect().contains(shownControls[i]->geometry())) << item << " " << i;
      for (std::size_t j = i + 1; j < shownControls.size(); ++j)
        EXPECT_FALSE(shownControls[i]->geometry().intersects(shownControls[j]->geometry()))
            << item << ": " << windowText(shownControls[i]).c_str() << " / " << windowText(shownControls[j]).c_str();
    }
  }
}

TEST_P(ScalingTest, TheAboutBoxShowsAllItsTexts) {
  bool seen = false;
  CAboutDlg about;
  runModal(about, [&] {
    seen = true;
    expectStaticsShowAllText(about.GetSafeHwnd(), "About box");
    auto* url = qobject_cast<QLineEdit*>(about.controlWidget(IDC_URL));
    expectEditShows(url, url->text());
    about.EndDialog(IDOK);
  });
  EXPECT_TRUE(seen);
}

INSTANTIATE_TEST_SUITE_P(DesktopFonts, ScalingTest,
                         ::testing::Values(DesktopFont{7, nullptr}, DesktopFont{11, nullptr}, DesktopFont{16, nullptr},
                                           DesktopFont{24, nullptr}, DesktopFont{7, "Nimbus Sans"},
                                           DesktopFont{11, "Nimbus Sans"}, DesktopFont{16, "Nimbus Sans"},
                                           DesktopFont{24, "Nimbus Sans"}),
                         [](const ::testing::TestParamInfo<DesktopFont>& font) {
                           std::string family = font.param.family ? font.param.family : "fallback";
                           std::erase(family, ' ');
                           return std::to_string(static_cast<int>(font.param.pointSize)) + "pt_" + family;
                         });
}  // namespace
