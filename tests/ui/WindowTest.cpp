// The main window as its user meets it: the Rate edit, Enter, Esc and the close box, the right-click menu, the About
// box, help, what a screen reader reads, and no text cut off at any scale or desktop font size.
#include "pricing/FormatAmount.h"
#include "tests/support/Support.h"

#include <QAbstractButton>
#include <QAbstractSpinBox>
#include <QAccessible>
#include <QApplication>
#include <QActionGroup>
#include <QDesktopServices>
#include <QMenu>
#include <QSignalSpy>
#include <QTest>
#include <QUrl>

namespace {
class Window : public ::testing::Test {
protected:
  CollectedMessages m_messages;
};

TEST_F(Window, TheRateEditReadsItsLeadingNumberIntoTheRange) {
  const std::pair<const char*, int> typed[] = {
      {"12abc", 12}, {"", 0}, {"letters", 0}, {"-5", 0}, {"123456", 9999}, {" +42", 42}, {"9999", 9999},
      {"99999999999999999999", 9999}, {"-99999999999999999999", 0}, {"0012", 12}};
  withWindow([&](PriceDlgProbe& dlg) {
    for (const auto& [text, rate] : typed) {
      dlg.rate()->setText(QString::fromUtf8(text));
      EXPECT_EQ(dlg.m_nRate, rate) << text;
      EXPECT_EQ(dlg.rate()->text(), QString::number(rate)) << text;
    }
    // A Rate written as it already stands leaves the edit alone: no change, and the cursor where it was.
    QSignalSpy changes(dlg.rate(), &QLineEdit::textChanged);
    dlg.rate()->setCursorPosition(1);
    dlg.UpdateData(false);
    EXPECT_EQ(changes.count(), 0);
    EXPECT_EQ(dlg.rate()->cursorPosition(), 1);
  });
}

TEST_F(Window, EnterEndsTheWindowEscDoesNothingAndTheCloseBoxCancels) {
  EXPECT_EQ(withWindow([](PriceDlgProbe& dlg) { QTest::keyClick(dlg.rate(), Qt::Key_Return); }), IDOK);
  EXPECT_EQ(withWindow([](PriceDlgProbe& dlg) { QTest::keyClick(dlg.items(), Qt::Key_Enter, Qt::KeypadModifier); }), IDOK);
  EXPECT_EQ(withWindow([](PriceDlgProbe& dlg) { dlg.window()->close(); }), IDCANCEL);
  EXPECT_EQ(withWindow([](PriceDlgProbe& dlg) {
              dlg.price("Axe", ID_SKILL_100, "12");
              for (const auto modifiers : {Qt::NoModifier, Qt::ShiftModifier, Qt::ControlModifier}) {
                QTest::keyClick(dlg.rate(), Qt::Key_Escape, modifiers);
                QTest::keyClick(dlg.rate(), Qt::Key_Return, modifiers == Qt::NoModifier ? Qt::AltModifier : modifiers);
              }
              EXPECT_TRUE(dlg.window()->isVisible());
              EXPECT_EQ(dlg.shown(IDC_PRICE), QStringLiteral("193.58"));
            }),
            kEndedByTest);
}

// What the open pop-up shows, one entry a line: its text, then "(o)" for a radio mark, "[x]" for a check mark
// and "grey" for an entry that cannot be chosen.
std::vector<std::string> entriesOf(const QMenu* menu) {
  std::vector<std::string> entries;
  for (const QAction* action : menu->actions()) {
    std::string entry = action->isSeparator() ? "----" : action->text().toStdString();
    if (action->isChecked()) entry += action->actionGroup() ? " (o)" : " [x]";
    if (!action->isEnabled()) entry += " grey";
    EXPECT_EQ(action->isCheckable(), action->isChecked()) << entry << ": an empty box would show";
    entries.push_back(entry);
  }
  return entries;
}

// Opens the menu at point, and hands it to choose from inside its loop.
void openMenu(PriceDlgProbe& dlg, CPoint point, const std::function<void(QMenu* menu)>& choose) {
  onNextPopup([&](QWidget* popup) { choose(qobject_cast<QMenu*>(popup)); });
  dlg.OnContextMenu(&dlg, point);
}

TEST_F(Window, TheMenuShowsTheLevelAndKeepOnTopAndOffersOnlyTwoChoices) {
  const SystemLocale english("LANG=en_US.UTF-8\n");
  withWindow([](PriceDlgProbe& dlg) {
    dlg.window()->move(150, 120);
    dlg.price("Female Plate", ID_SKILL_70, "12");
    dlg.ToggleTopMost();
    const QPoint corner = dlg.window()->frameGeometry().topLeft();
    openMenu(dlg, {-1, -1}, [&](QMenu* menu) {
      EXPECT_EQ(menu->pos(), corner) << "a request from the keyboard opens at the window's corner";
      EXPECT_EQ(entriesOf(menu), (std::vector<std::string>{"Skill = 100", "Skill = 90 grey", "Skill = 80 grey",
                                                           "Skill = 70 (o) grey", "Skill = 60 grey", "Skill = 50 grey",
                                                           "----", "Keep on Top [x]"}));
      menu->setActiveAction(menu->actions().at(0));
      QTest::keyClick(menu, Qt::Key_Return);
      EXPECT_EQ(dlg.m_nLevel, ID_SKILL_70) << "the command comes after the pop-up has closed";
    });
    QCoreApplication::processEvents();
    EXPECT_EQ(dlg.m_nLevel, ID_SKILL_100);
    EXPECT_EQ(dlg.shown(IDC_PRICE), QStringLiteral("285.24"));
    openMenu(dlg, {300, 250}, [&](QMenu* menu) {
      EXPECT_EQ(menu->pos(), QPoint(300, 250));
      EXPECT_EQ(entriesOf(menu)[0], "Skill = 100 (o)");
      menu->setActiveAction(menu->actions().at(7));
      QTest::keyClick(menu, Qt::Key_Return);
    });
    QCoreApplication::processEvents();
    EXPECT_FALSE(dlg.m_bTopMost);
    EXPECT_FALSE(dlg.window()->windowFlags().testFlag(Qt::WindowStaysOnTopHint));
    openMenu(dlg, {300, 250}, [](QMenu* menu) { QTest::keyClick(menu, Qt::Key_Escape); });
    QCoreApplication::processEvents();
    EXPECT_FALSE(dlg.m_bTopMost);
    EXPECT_EQ(dlg.m_nLevel, ID_SKILL_100);
  });
}

TEST_F(Window, ShiftF10AndARightClickOnTheListAskForTheMenu) {
  withWindow([](PriceDlgProbe& dlg) {
    const QPoint corner = dlg.window()->frameGeometry().topLeft();
    QPoint opened;
    onNextPopup([&](QWidget* popup) { opened = popup->pos(); popup->close(); });
    QTest::keyClick(dlg.rate(), Qt::Key_F10, Qt::ShiftModifier);
    EXPECT_EQ(opened, corner);
    onNextPopup([&](QWidget* popup) { opened = popup->pos(); popup->close(); });
    QContextMenuEvent click(QContextMenuEvent::Mouse, QPoint(5, 5), dlg.items()->mapToGlobal(QPoint(5, 5)));
    QApplication::sendEvent(dlg.items(), &click);
    EXPECT_EQ(opened, dlg.items()->mapToGlobal(QPoint(5, 5)));
  });
}

TEST_F(Window, TheAboutBoxOpensCentredOverTheWindowAndAnyKeyOfTheDialogClosesIt) {
  withWindow([](PriceDlgProbe& dlg) {
    dlg.price("Plate Breastpiece", ID_SKILL_100, "12");
    const auto close = std::vector<std::function<void(QWidget*)>>{
        [](QWidget* box) { QTest::keyClick(box->focusWidget(), Qt::Key_Return); },
        [](QWidget* box) { QTest::keyClick(box->focusWidget(), Qt::Key_Escape); },
        [](QWidget* box) { box->close(); }};
    for (const auto& closing : close) {
      bool opened = false;
      onNextPopup([&](QWidget* box) {
        opened = true;
        EXPECT_EQ(box->windowTitle(), QStringLiteral("About Quenchmark"));
        EXPECT_EQ(box->parentWidget(), dlg.window());
        EXPECT_LE((box->frameGeometry().center() - dlg.window()->frameGeometry().center()).manhattanLength(), 2);
        const auto* url = box->findChild<QLineEdit*>();
        EXPECT_EQ(url->text(), QStringLiteral("https://brasswick.example/"));
        EXPECT_TRUE(url->isReadOnly());
        EXPECT_EQ(url->alignment(), Qt::AlignCenter);
        const auto texts = box->findChildren<QLabel*>();
        EXPECT_TRUE(std::ranges::any_of(texts, [](QLabel* l) { return l->text().contains("Brasswick") && l->isVisible(); }));
        closing(box);
      });
      QTest::mouseClick(qobject_cast<QAbstractButton*>(dlg.controlWidget(IDC_ABOUT)), Qt::LeftButton);
      EXPECT_TRUE(opened);
      EXPECT_EQ(dlg.shown(IDC_PRICE), QStringLiteral("2355.45"));
      EXPECT_EQ(dlg.items()->currentText(), QStringLiteral("Plate Breastpiece"));
      EXPECT_EQ(dlg.m_nRate, 12);
    }
  });
}

TEST_F(Window, AScreenReaderReadsEachControlUnderItsCaptionAndEachFigureAsText) {
  const SystemLocale english("LANG=en_US.UTF-8\n");
  withWindow([](PriceDlgProbe& dlg) {
    dlg.price("Plate Breastpiece", ID_SKILL_100, "12");
    // Control, what it is called, what it reads out (nullptr: no figure), whether a caption labels it.
    const std::tuple<int, const char*, const char*, bool> controls[] = {
        {IDC_RATE, "Rate", "12", true},          {IDC_PRICE, "Price", "2,355.45", true},
        {IDC_IGTS_REQ2, "Ingots Required for Exceptional", "196.29", true},
        {IDC_INGOTS, "Ingots", "25", true},     {IDC_EXEC_RATE, "Exec Rate", "4.5", true},
        {IDC_NORM_RATE, "Norm Rate", "31.5", true}, {IDC_BA_RATE, "BA Rate", "17", true},
        {IDC_FAIL_RATE, "Fail Rate", "47", true}, {IDC_DOA, "DOA", "6.3", true},
        {IDC_ABOUT, "About", nullptr, false},    {IDC_ITEM, "Plate Breastpiece", "Plate Breastpiece", true}};
    for (const auto& [id, name, figure, captioned] : controls) {
      QWidget* widget = dlg.controlWidget(id);
      if (auto* spin = qobject_cast<QAbstractSpinBox*>(widget->parentWidget())) widget = spin;
      QAccessibleInterface* control = QAccessible::queryAccessibleInterface(widget);
      EXPECT_EQ(control->text(QAccessible::Name), name) << id;
      const auto captions = control->relations(QAccessible::Label);
      EXPECT_EQ(captions.size(), captioned ? 1 : 0) << id;
      if (!figure) continue;
      EXPECT_EQ(control->text(QAccessible::Value), figure) << id;
      if (QAccessibleTextInterface* text = control->textInterface(); text && id != IDC_RATE && id != IDC_ITEM)
        EXPECT_EQ(text->text(0, text->characterCount()), figure) << id;
      else
        EXPECT_TRUE(id == IDC_RATE || id == IDC_ITEM) << id << " has no text to read";
    }
    dlg.choose("*Light Archer");
    QAccessibleInterface* parts = QAccessible::queryAccessibleInterface(dlg.controlWidget(IDC_SET_CONTENTS));
    EXPECT_EQ(parts->text(QAccessible::Name), QStringLiteral("Set Contents"));
    EXPECT_EQ(parts->text(QAccessible::Value), dlg.shown(IDC_SET_CONTENTS));
    EXPECT_FALSE(parts->state().invisible);
  });
}

// Where a label lays out its text: its contents, less the indent that a framed label keeps on its aligned sides.
QRect textArea(const QLabel* label) {
  QRect area = label->contentsRect();
  const int indent = label->frameWidth() > 0 ? label->fontMetrics().horizontalAdvance(QLatin1Char('x')) / 2 : 0;
  if (label->alignment() & Qt::AlignLeft) area.setLeft(area.left() + indent);
  if (label->alignment() & Qt::AlignTop) area.setTop(area.top() + indent);
  return area;
}

void expectNothingCutOff(const QWidget* window, const std::string& situation) {
  for (const QLabel* label : window->findChildren<QLabel*>()) {
    if (!label->isVisibleTo(window) || label->text().isEmpty()) continue;
    const QRect area = textArea(label);
    const QRect needed = label->fontMetrics().boundingRect(area, int(label->alignment()) | Qt::TextWordWrap, label->text());
    EXPECT_TRUE(area.contains(needed)) << situation << ": " << label->text().toStdString();
  }
  for (const QWidget* control : window->findChildren<QWidget*>(Qt::FindDirectChildrenOnly))
    EXPECT_TRUE(!control->isVisibleTo(window) || window->rect().contains(control->geometry())) << situation;
}

// ctest runs this at the scale factors 1, 1.5 and 2, which Qt reads when the process starts.
TEST_F(Window, NothingIsCutOffInTheTemplateFontOrALargerDesktopFont) {
  const SystemLocale english("LANG=en_US.UTF-8\n");
  const QFont desktop = QApplication::font();
  for (const qreal points : {8.0, 11.0, 14.0, 17.0, 24.0}) {
    QFont larger = desktop;
    larger.setPointSizeF(points);
    QApplication::setFont(larger);
    const std::string size = std::to_string(points) + " pt";
    withWindow([&](PriceDlgProbe& dlg) {
      for (const char* item : {"Plate Breastpiece", "*Light Archer", "Kite (Wooden)"}) {
        dlg.price(item, ID_SKILL_100, "9999");
        expectNothingCutOff(dlg.window(), size + ", " + item);
        const QString name = dlg.items()->currentText();
        EXPECT_LT(dlg.items()->fontMetrics().horizontalAdvance(name), dlg.items()->width() - 24) << size << name.toStdString();
      }
      EXPECT_GE(dlg.rate()->width() - 4, dlg.rate()->fontMetrics().horizontalAdvance(QStringLiteral("9999"))) << size;
      onNextPopup([&](QWidget* box) {
        expectNothingCutOff(box, size + ", About box");
        box->close();
      });
      QTest::mouseClick(qobject_cast<QAbstractButton*>(dlg.controlWidget(IDC_ABOUT)), Qt::LeftButton);
    });
  }
  QApplication::setFont(desktop);
}

// The desktop as far as manual pages go.
class ManualPages : public QObject {
  Q_OBJECT
public:
  QList<QUrl> opened;
public Q_SLOTS:
  void open(const QUrl& url) { opened << url; }
};

TEST_F(Window, F1OpensTheManualPageThroughTheDesktop) {
  ManualPages desktop;
  QDesktopServices::setUrlHandler(QStringLiteral("man"), &desktop, "open");
  withWindow([&](PriceDlgProbe& dlg) { QTest::keyClick(dlg.items(), Qt::Key_F1); });
  QDesktopServices::unsetUrlHandler(QStringLiteral("man"));
  EXPECT_EQ(desktop.opened, QList<QUrl>{QUrl(QStringLiteral("man:") + QCoreApplication::applicationName())});
}
}  // namespace

#include "WindowTest.moc"
