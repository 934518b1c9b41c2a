// The main window as its user meets it: its title and captions, the menu, the About box, no text cut off.
#include "tests/support/Support.h"

#include <QAbstractButton>
#include <QMenu>
#include <QPushButton>

namespace {
TEST(Window, IsTitledQuenchmarkWithTheFocusOnTheItemList) {
  withWindow([](PriceDlgProbe& dlg) {
    EXPECT_EQ(dlg.window()->windowTitle(), "Quenchmark");
    EXPECT_EQ(dlg.window()->focusWidget(), dlg.items());
  });
}

TEST(Window, ShowsACaptionWhereverTheBoxItNamesShows) {
  withWindow([](PriceDlgProbe& dlg) {
    for (const QLabel* label : dlg.window()->findChildren<QLabel*>())
      if (label->buddy()) {
        EXPECT_EQ(label->isVisible(), label->buddy()->isVisible()) << label->text();
      }
  });
}

// The menu's entries as they show ("(o)" a radio mark, "[x]" a check mark, "grey" not to be chosen), where it opens and
// the entry in focus; Return on the last entry turns keep-on-top off on the native window, where it takes effect.
TEST(Menu, FromTheKeyboardOpensAtTheWindowsCornerWithItsFirstEntryInFocus) {
  withWindow([](PriceDlgProbe& dlg) {
    dlg.m_nLevel = ID_SKILL_50;
    dlg.ToggleTopMost();
    EXPECT_TRUE(dlg.window()->windowHandle()->flags().testFlag(Qt::WindowStaysOnTopHint));
    std::string entries;
    onNextPopup([&](QWidget* popup) {
      auto* menu = qobject_cast<QMenu*>(popup);
      for (const QAction* action : menu->actions()) {
        entries += "|" + (action->isSeparator() ? std::string("----") : action->text().toStdString());
        if (action->isChecked())
          entries += action->actionGroup() ? " (o)" : " [x]";
        if (!action->isEnabled())
          entries += " grey";
        EXPECT_EQ(action->isCheckable(), action->isChecked()) << entries << ": an empty box would show";
      }
      EXPECT_EQ(popup->pos(), dlg.window()->frameGeometry().topLeft());
      EXPECT_EQ(menu->activeAction(), menu->actions().at(0));
      menu->setActiveAction(menu->actions().back());
      QTest::keyClick(menu, Qt::Key_Return);
      EXPECT_TRUE(dlg.m_bTopMost) << "a command before the pop-up closed";
    });
    QTest::keyClick(dlg.rate(), Qt::Key_F10, Qt::ShiftModifier);
    QCoreApplication::processEvents();
    EXPECT_EQ(entries,
              "|Skill = 100|Skill = 90 grey|Skill = 80 grey|Skill = 70 grey|Skill = 60 grey|Skill = 50 (o) grey|----"
              "|Keep on Top [x]");
    EXPECT_FALSE(dlg.m_bTopMost);
    EXPECT_FALSE(dlg.window()->windowHandle()->flags().testFlag(Qt::WindowStaysOnTopHint));
  });
}

// Every visible text within its box, with the indent a framed label keeps, and every control within the window, apart
// from the others. Returns the room the tightest text has to spare, in pixels.
int expectNothingCutOff(const QWidget* window, const std::string& situation) {
  int spare = INT_MAX;
  for (const QLabel* label : window->findChildren<QLabel*>()) {
    if (!label->isVisibleTo(window) || label->text().isEmpty())
      continue;
    QRect area = label->contentsRect();
    const int indent = label->frameWidth() > 0 ? label->fontMetrics().horizontalAdvance(QLatin1Char('x')) / 2 : 0;
    area.adjust(label->alignment() & Qt::AlignLeft ? indent : 0, label->alignment() & Qt::AlignTop ? indent : 0, 0, 0);
    const QRect needed = label->fontMetrics().boundingRect(
        area, int(label->alignment()) | (label->wordWrap() ? Qt::TextWordWrap : 0), label->text());
    EXPECT_TRUE(area.contains(needed)) << situation << ": " << label->text();
    spare = std::min(spare, area.width() - needed.width());
  }
  QList<QRect> taken;
  for (const QWidget* control : window->findChildren<QWidget*>(Qt::FindDirectChildrenOnly)) {
    if (!control->isVisibleTo(window))
      continue;
    EXPECT_TRUE(window->rect().contains(control->geometry())) << situation;
    EXPECT_FALSE(std::ranges::any_of(taken, [&](const QRect& other) { return other.intersects(control->geometry()); }))
        << situation;
    taken << control->geometry();
  }
  return spare;
}

// Runs at the scale factors 1, 1.5 and 2 too (read at start), in desktop fonts below, at and above the template's.
TEST(Layout, CutsOffNothingAndIsNoWiderThanItsCaptionsNeed) {
  const QFont desktop = QApplication::font();
  std::map<double, QSize> sizes;
  for (const double points : {6.0, 8.0, 14.0, 24.0}) {
    QFont font = desktop;
    font.setPointSizeF(points);
    QApplication::setFont(font);
    const std::string size = std::to_string(points) + " pt";
    withWindow([&](PriceDlgProbe& dlg) {
      for (const char* item : {"*Light Archer", "Plate Breastpiece"}) {
        dlg.price(item, ID_SKILL_100, "9999");
        EXPECT_LE(expectNothingCutOff(dlg.window(), size + ", " + item), 1);
      }
      sizes[points] = dlg.window()->size();
      onNextPopup([&](QWidget* box) {
        expectNothingCutOff(box, size + ", About box");
        // At the template's text size the icon is drawn at least as large as it shows at this scale, never enlarged.
        const QLabel* icon = box->findChild<QLabel*>();
        const qreal shown = std::min(icon->width(), icon->height()) * icon->devicePixelRatio();
        EXPECT_TRUE(points > 8.0 || std::ranges::any_of(dlg.window()->windowIcon().availableSizes(),
                                                        [&](QSize drawn) { return drawn.width() >= shown; }));
        box->close();
      });
      QTest::mouseClick(qobject_cast<QAbstractButton*>(dlg.controlWidget(IDC_ABOUT)), Qt::LeftButton);
    });
  }
  QApplication::setFont(desktop);
  EXPECT_EQ(sizes[6.0], sizes[8.0]) << "never smaller than the template's text";
  EXPECT_LT(sizes[8.0].width(), sizes[14.0].width());
}

// Every line of it shows; Return or Esc ends it, and the window is as the box found it.
TEST(AboutBox, OpensOverTheWindowWithTheAddressToCopyAndNoButton) {
  for (const Qt::Key closing : {Qt::Key_Return, Qt::Key_Escape}) {
    withWindow([&](PriceDlgProbe& dlg) {
      dlg.price("Plate Breastpiece", ID_SKILL_100, "9999");
      bool opened = false;
      onNextPopup([&](QWidget* box) {
        opened = true;
        EXPECT_EQ(box->windowTitle(), "About Quenchmark");
        EXPECT_EQ(box->parentWidget(), dlg.window()) << "over which Qt centres it";
        const auto* address = qobject_cast<QLineEdit*>(box->focusWidget());
        EXPECT_EQ(address->text(), "https://brasswick.example/");
        EXPECT_TRUE(address->isReadOnly());
        const auto buttons = box->findChildren<QPushButton*>();
        EXPECT_TRUE(std::ranges::none_of(buttons, [box](const QWidget* b) { return b->isVisibleTo(box); }));
        for (const QLabel* line : box->findChildren<QLabel*>())
          EXPECT_TRUE(line->isVisibleTo(box)) << line->text();
        QTest::keyClick(box->focusWidget(), closing);
      });
      QTest::mouseClick(qobject_cast<QAbstractButton*>(dlg.controlWidget(IDC_ABOUT)), Qt::LeftButton);
      EXPECT_TRUE(opened);
      EXPECT_EQ(QApplication::activeModalWidget(), dlg.window());
      EXPECT_EQ(dlg.shown(IDC_PRICE), "1,962,678.71");
    });
  }
}
}  // namespace
