// The main window as its user meets it: its title, the Rate edit, keys, the menu, the About box, no text cut off.
#include "tests/support/Support.h"

#include <QAbstractButton>
#include <QAbstractItemView>
#include <QDesktopServices>
#include <QMenu>
#include <QPushButton>
#include <QScrollBar>

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

TEST(Window, TheRateEditReadsItsLeadingNumberIntoTheRangeAndShowsIt) {
  const std::pair<const char*, int> typed[] = {
      {"12abc", 12},
      {"", 0},
      {"letters", 0},
      {"-5", 0},
      {"123456", 9999},
      {" +42", 42},
      {"012", 12},
      {"99999999999999999999", 9999},
      {"-99999999999999999999", 0},
  };
  withWindow([&](PriceDlgProbe& dlg) {
    for (const auto& [text, rate] : typed) {
      dlg.rate()->setText(QString::fromUtf8(text));
      EXPECT_EQ(dlg.m_nRate, rate) << text;
      EXPECT_EQ(dlg.rate()->text(), QString::number(rate)) << text;
    }
  });
}

// As Qt's accessibility reads them for a screen reader.
TEST(Window, TheRateBoxHasTheRatesBounds) {
  withWindow([](PriceDlgProbe& dlg) {
    const QWidget* box = dlg.rate()->parentWidget();
    EXPECT_EQ(box->property("minimum").toString() + ".." + box->property("maximum").toString(), "0..9999");
  });
}

TEST(Window, EnterEndsTheWindowFromTheRateEditOrTheList) {
  EXPECT_EQ(withWindow([](PriceDlgProbe& dlg) { QTest::keyClick(dlg.rate(), Qt::Key_Return); }), IDOK);
  EXPECT_EQ(withWindow([](PriceDlgProbe& dlg) { QTest::keyClick(dlg.items(), Qt::Key_Enter, Qt::KeypadModifier); }),
            IDOK);
}

TEST(Window, EscapeAndModifiedEnterLeaveItOpen) {
  const std::pair<Qt::Key, Qt::KeyboardModifiers> keys[] = {
      {Qt::Key_Escape, Qt::NoModifier},    {Qt::Key_Escape, Qt::ShiftModifier},   {Qt::Key_Return, Qt::AltModifier},
      {Qt::Key_Return, Qt::ShiftModifier}, {Qt::Key_Return, Qt::ControlModifier}, {Qt::Key_F2, Qt::NoModifier},
  };
  const auto pressAll = [&](PriceDlgProbe& dlg) {
    for (const auto& [key, modifiers] : keys)
      QTest::keyClick(dlg.rate(), key, modifiers);
  };
  EXPECT_EQ(withWindow(pressAll), kEndedByTest);
}

class ManualPages : public QObject {
  Q_OBJECT
public:
  QList<QUrl> opened;
public Q_SLOTS:
  void open(const QUrl& url) { opened << url; }
};

TEST(Window, F1AloneOpensTheManualPage) {
  ManualPages desktop;
  QDesktopServices::setUrlHandler(QStringLiteral("man"), &desktop, "open");
  withWindow([&](PriceDlgProbe& dlg) {
    QTest::keyClick(dlg.items(), Qt::Key_F2);
    EXPECT_TRUE(desktop.opened.isEmpty());
    QTest::keyClick(dlg.items(), Qt::Key_F1);
  });
  QDesktopServices::unsetUrlHandler(QStringLiteral("man"));
  EXPECT_EQ(desktop.opened, QList<QUrl>{QUrl(QStringLiteral("man:") + QCoreApplication::applicationName())});
}

// The menu as it shows: its entries ("(o)" a radio mark, "[x]" a check mark, "grey" not to be chosen) after a "|",
// where it opened and the entry in focus.
struct OpenedMenu {
  std::string entries;
  QPoint at;
  QString focus;
};

// Opens the menu with ask and reads it from inside, then presses key with entry active.
OpenedMenu openMenu(PriceDlgProbe& dlg, const std::function<void()>& ask, int entry, Qt::Key key) {
  OpenedMenu opened;
  onNextPopup([&](QWidget* popup) {
    auto* menu = qobject_cast<QMenu*>(popup);
    for (const QAction* action : menu->actions()) {
      opened.entries += "|" + (action->isSeparator() ? std::string("----") : action->text().toStdString());
      if (action->isChecked())
        opened.entries += action->actionGroup() ? " (o)" : " [x]";
      if (!action->isEnabled())
        opened.entries += " grey";
      EXPECT_EQ(action->isCheckable(), action->isChecked()) << opened.entries << ": an empty box would show";
    }
    opened.at = popup->pos();
    opened.focus = menu->activeAction() ? menu->activeAction()->text() : QString();
    const int level = dlg.m_nLevel;
    menu->setActiveAction(menu->actions().at(entry));
    QTest::keyClick(menu, key);
    EXPECT_EQ(dlg.m_nLevel, level) << "a command before the pop-up closed";
  });
  ask();
  QCoreApplication::processEvents();
  return opened;
}

TEST(Menu, FromTheKeyboardOpensAtTheWindowsCornerWithSkill100InFocusToChoose) {
  withWindow([](PriceDlgProbe& dlg) {
    dlg.price("Female Plate", ID_SKILL_50, "12");
    dlg.ToggleTopMost();
    const auto ask = [&] {
      QTest::keyClick(dlg.rate(), Qt::Key_F10, Qt::ShiftModifier);
    };
    const OpenedMenu menu = openMenu(dlg, ask, 0, Qt::Key_Return);
    EXPECT_EQ(menu.entries,
              "|Skill = 100|Skill = 90 grey|Skill = 80 grey|Skill = 70 grey|Skill = 60 grey|Skill = 50 (o) grey|----"
              "|Keep on Top [x]");
    EXPECT_EQ(menu.at, dlg.window()->frameGeometry().topLeft());
    EXPECT_EQ(menu.focus, "Skill = 100");
    EXPECT_EQ(dlg.shown(IDC_PRICE), "285.24") << "Female Plate at level 100";
  });
}

TEST(Menu, FromTheMouseOpensAtThePointerAndTurnsKeepOnTopOff) {
  withWindow([](PriceDlgProbe& dlg) {
    dlg.ToggleTopMost();
    // In the Rate edit, which has a menu of its own in other programs.
    const QPoint click = dlg.rate()->mapToGlobal(QPoint(5, 5));
    QContextMenuEvent event(QContextMenuEvent::Mouse, QPoint(5, 5), click);
    const OpenedMenu menu = openMenu(
        dlg, [&] { QApplication::sendEvent(dlg.rate(), &event); }, 7, Qt::Key_Return);
    EXPECT_TRUE(menu.entries.starts_with("|Skill = 100 (o)|Skill = 90 grey|")) << menu.entries;
    EXPECT_EQ(menu.at, click);
    EXPECT_EQ(menu.focus, "");
    EXPECT_FALSE(dlg.m_bTopMost);
    EXPECT_FALSE(dlg.window()->windowFlags().testFlag(Qt::WindowStaysOnTopHint));
  });
}

// The opened list and the closed box take the template's 130 units of height, give or take a row.
TEST(Window, TheItemListOpensAsTallAsTheTemplateWithAScrollBar) {
  withWindow([](PriceDlgProbe& dlg) {
    // Room below for the list at any scale.
    dlg.window()->move(0, 0);
    dlg.items()->showPopup();
    const int opened = dlg.items()->view()->window()->height() + dlg.items()->height();
    EXPECT_NEAR(opened, dlg.window()->height() * 130 / 78, dlg.items()->fontMetrics().height());
    EXPECT_TRUE(dlg.items()->view()->verticalScrollBar()->isVisible());
    dlg.items()->hidePopup();
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

// Every line of it shows; Return, Esc or the close box (no key) ends it, and the window is as the box found it.
TEST(AboutBox, OpensOverTheWindowWithTheAddressToCopyAndNoButton) {
  for (const Qt::Key closing : {Qt::Key_Return, Qt::Key_Escape, Qt::Key_unknown}) {
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
        if (closing == Qt::Key_unknown)
          box->close();
        else
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

#include "WindowTest.moc"
