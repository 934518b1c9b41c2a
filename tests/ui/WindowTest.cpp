// The main window as its user meets it: the Rate edit, keys, the menu, the About box, and no text cut off.
#include "tests/support/Support.h"

#include <QAbstractButton>
#include <QDesktopServices>
#include <QMenu>

TEST(Window, TheRateEditReadsItsLeadingNumberIntoTheRange) {
  const std::pair<const char*, int> typed[] = {{"12abc", 12},
                                               {"", 0},
                                               {"letters", 0},
                                               {"-5", 0},
                                               {"123456", 9999},
                                               {" +42", 42},
                                               {"99999999999999999999", 9999},
                                               {"-99999999999999999999", 0}};
  withWindow([&](PriceDlgProbe& dlg) {
    for (const auto& [text, rate] : typed) {
      dlg.rate()->setText(QString::fromUtf8(text));
      EXPECT_EQ(std::pair(dlg.m_nRate, dlg.rate()->text()), std::pair(rate, QString::number(rate))) << text;
    }
  });
}

class ManualPages : public QObject {
  Q_OBJECT
public:
  QList<QUrl> opened;
public Q_SLOTS:
  void open(const QUrl& url) { opened << url; }
};

TEST(Window, KeysGoToTheListFirstF1OpensTheManualEnterEndsTheWindowEscDoesNothing) {
  ManualPages desktop;
  QDesktopServices::setUrlHandler(QStringLiteral("man"), &desktop, "open");
  withWindow([](PriceDlgProbe& dlg) {
    EXPECT_EQ(dlg.window()->focusWidget(), dlg.items());
    QTest::keyClick(dlg.items(), Qt::Key_F2);  // no command
    QTest::keyClick(dlg.items(), Qt::Key_F1);
  });
  QDesktopServices::unsetUrlHandler(QStringLiteral("man"));
  EXPECT_EQ(desktop.opened, QList<QUrl>{QUrl(QStringLiteral("man:") + QCoreApplication::applicationName())});
  EXPECT_EQ(withWindow([](PriceDlgProbe& dlg) { QTest::keyClick(dlg.rate(), Qt::Key_Return); }), IDOK);
  EXPECT_EQ(withWindow([](PriceDlgProbe& dlg) { QTest::keyClick(dlg.items(), Qt::Key_Enter, Qt::KeypadModifier); }),
            IDOK);
  EXPECT_EQ(withWindow([](PriceDlgProbe& dlg) {
              for (const auto modifiers : {Qt::NoModifier, Qt::ShiftModifier, Qt::ControlModifier}) {
                QTest::keyClick(dlg.rate(), Qt::Key_Escape, modifiers);
                QTest::keyClick(dlg.rate(), Qt::Key_Return, modifiers == Qt::NoModifier ? Qt::AltModifier : modifiers);
              }
            }),
            kEndedByTest);
}

// Opens the menu with ask, checks its entries ("(o)" radio, "[x]" check, "grey" disabled), chooses one; returns where.
static QPoint fromMenu(PriceDlgProbe& dlg, const std::function<void()>& ask, int entry,
                       const std::vector<std::string>& expected) {
  QPoint opened;
  onNextPopup([&](QWidget* popup) {
    auto* menu = qobject_cast<QMenu*>(popup);
    std::vector<std::string> entries;
    for (const QAction* action : menu->actions()) {
      entries.push_back(action->isSeparator() ? "----" : action->text().toStdString());
      if (action->isChecked())
        entries.back() += action->actionGroup() ? " (o)" : " [x]";
      if (!action->isEnabled())
        entries.back() += " grey";
      EXPECT_EQ(action->isCheckable(), action->isChecked()) << entries.back() << ": an empty box would show";
    }
    EXPECT_EQ(entries, expected);
    const int level = dlg.m_nLevel;
    opened = popup->pos();
    menu->setActiveAction(menu->actions().at(entry));
    QTest::keyClick(menu, Qt::Key_Return);
    EXPECT_EQ(dlg.m_nLevel, level) << "a command before the pop-up closed";
  });
  ask();
  QCoreApplication::processEvents();
  return opened;
}

TEST(Window, TheMenuShowsTheLevelAndKeepOnTopAndItsCommandComesAfterItCloses) {
  withWindow([](PriceDlgProbe& dlg) {
    dlg.window()->move(150, 120);
    dlg.price("Female Plate", ID_SKILL_50, "12");
    dlg.ToggleTopMost();
    std::vector<std::string> entries{"Skill = 100",
                                     "Skill = 90 grey",
                                     "Skill = 80 grey",
                                     "Skill = 70 grey",
                                     "Skill = 60 grey",
                                     "Skill = 50 (o) grey",
                                     "----",
                                     "Keep on Top [x]"};
    EXPECT_EQ(fromMenu(
                  dlg, [&] { QTest::keyClick(dlg.rate(), Qt::Key_F10, Qt::ShiftModifier); }, 0, entries),
              dlg.window()->frameGeometry().topLeft());
    EXPECT_EQ(dlg.shown(IDC_PRICE), QStringLiteral("285.24"));
    entries[0] = "Skill = 100 (o)";
    entries[5] = "Skill = 50 grey";
    const QPoint click = dlg.items()->mapToGlobal(QPoint(5, 5));
    EXPECT_EQ(fromMenu(
                  dlg,
                  [&] {
                    QContextMenuEvent event(QContextMenuEvent::Mouse, QPoint(5, 5), click);
                    QApplication::sendEvent(dlg.items(), &event);
                  },
                  7, entries),
              click);
    EXPECT_FALSE(dlg.m_bTopMost || dlg.window()->windowFlags().testFlag(Qt::WindowStaysOnTopHint));
  });
}

// Every visible text within its box, with the indent a framed label keeps, and every control within the window, apart
// from the others. Returns the room the tightest text has to spare, in pixels.
static int expectNothingCutOff(const QWidget* window, const std::string& situation) {
  int spare = INT_MAX;
  for (const QLabel* label : window->findChildren<QLabel*>()) {
    if (!label->isVisibleTo(window) || label->text().isEmpty())
      continue;
    QRect area = label->contentsRect();
    const int indent = label->frameWidth() > 0 ? label->fontMetrics().horizontalAdvance(QLatin1Char('x')) / 2 : 0;
    area.adjust(label->alignment() & Qt::AlignLeft ? indent : 0, label->alignment() & Qt::AlignTop ? indent : 0, 0, 0);
    const QRect needed = label->fontMetrics().boundingRect(
        area, int(label->alignment()) | (label->wordWrap() ? Qt::TextWordWrap : 0), label->text());
    EXPECT_TRUE(area.contains(needed)) << situation << ": " << label->text().toStdString();
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

// Run at the scale factors 1, 1.5 and 2 (read at start); the About box belongs to the window; Return, Esc or its close
// box (no key) ends it.
TEST(Window, NothingIsCutOffInTheWindowOrTheAboutBoxInTheTemplateFontOrALargerDesktopFont) {
  const QFont desktop = QApplication::font();
  std::map<double, QSize> sizes;
  for (const auto& [points, closing] :
       {std::pair{6.0, Qt::Key_Return}, {8.0, Qt::Key_unknown}, {14.0, Qt::Key_Escape}, {24.0, Qt::Key_Return}}) {
    QFont larger = desktop;
    larger.setPointSizeF(points);
    QApplication::setFont(larger);
    const std::string size = std::to_string(points) + " pt";
    withWindow([&](PriceDlgProbe& dlg) {
      for (const char* item : {"*Light Archer", "Plate Breastpiece"}) {
        dlg.price(item, ID_SKILL_100, "9999");
        EXPECT_LE(expectNothingCutOff(dlg.window(), size + ", " + item), 1)
            << "a window no wider than its captions need";
      }
      sizes[points] = dlg.window()->size();
      bool opened = false;
      onNextPopup([&](QWidget* box) {
        opened = true;
        expectNothingCutOff(box, size + ", About box");
        EXPECT_TRUE(qobject_cast<QLineEdit*>(box->focusWidget())->isReadOnly()) << "the home page's address";
        EXPECT_EQ(box->parentWidget(), dlg.window()) << "over which Qt centres it";
        EXPECT_TRUE(readOut(box).starts_with("=; Quenchmark Version 2.0=; Written by Brasswick=; For updates"))
            << readOut(box);  // no OK
        closing == Qt::Key_unknown ? void(box->close()) : QTest::keyClick(box->focusWidget(), closing);
      });
      QTest::mouseClick(qobject_cast<QAbstractButton*>(dlg.controlWidget(IDC_ABOUT)), Qt::LeftButton);
      EXPECT_TRUE(opened);
      EXPECT_EQ(dlg.shown(IDC_PRICE), QStringLiteral("1,962,678.71")) << "the window as the box left it";
    });
  }
  QApplication::setFont(desktop);
  EXPECT_EQ(sizes[6.0], sizes[8.0]) << "never smaller than the template's text";
  EXPECT_LT(sizes[8.0].width(), sizes[14.0].width());
}

#include "WindowTest.moc"
