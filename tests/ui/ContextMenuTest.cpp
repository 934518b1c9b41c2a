// The right-click menu: its marks and grey entries, where it opens, and what choosing or dismissing it does.
#include "framework/CMenu.h"
#include "framework/MenuTemplate.h"
#include "res/StringTable.h"
#include "tests/support/PriceDlgProbe.h"
#include "tests/support/PricedWindow.h"

#include <QActionGroup>
#include <QApplication>
#include <QContextMenuEvent>
#include <QFile>
#include <QMenu>
#include <QStandardPaths>
#include <QTest>
#include <QTimer>
#include <functional>
#include <gtest/gtest.h>
#include <string>
#include <vector>

namespace {
constexpr int kPollMs = 5;
constexpr int kWatchdogMs = 5000;

// Acts on the pop-up once it is open, from inside its loop; a pop-up still open long after is closed, so
// that a failing test ends instead of hanging.
class PopupDriver {
public:
  explicit PopupDriver(std::function<void(QMenu*)> action) : m_action(std::move(action)) {
    QObject::connect(&m_poll, &QTimer::timeout, [this] {
      auto* menu = qobject_cast<QMenu*>(QApplication::activePopupWidget());
      if (!menu || !menu->isVisible()) return;
      m_poll.stop();
      ++m_openings;
      m_action(menu);
      QTimer::singleShot(kWatchdogMs, menu, [menu] {
        ADD_FAILURE() << "the pop-up stayed open";
        menu->close();
      });
    });
    m_poll.start(kPollMs);
  }
  int openings() const { return m_openings; }

private:
  std::function<void(QMenu*)> m_action;
  QTimer m_poll;
  int m_openings = 0;
};

// What one entry of the open pop-up shows.
struct Entry {
  std::string text;
  bool separator = false;
  bool checked = false;
  bool radio = false;
  bool enabled = true;
  friend bool operator==(const Entry&, const Entry&) = default;
};

void PrintTo(const Entry& entry, std::ostream* out) {
  *out << (entry.separator ? "----" : entry.text) << (entry.checked ? (entry.radio ? " (o)" : " [x]") : "")
       << (entry.enabled ? "" : " grey");
}

std::vector<Entry> entriesOf(const QMenu* menu) {
  std::vector<Entry> entries;
  for (const QAction* action : menu->actions()) {
    const QActionGroup* group = action->actionGroup();
    // Only a checkable entry is drawn with a mark or an empty box beside it.
    const bool checked = action->isCheckable() && action->isChecked();
    EXPECT_EQ(action->isCheckable(), checked) << action->text().toStdString() << ": an empty box would show";
    entries.push_back({action->text().toStdString(), action->isSeparator(), checked,
                       checked && group && group->isExclusive(), action->isEnabled()});
  }
  return entries;
}

QAction* entryNamed(const QMenu* menu, const char* text) {
  for (QAction* action : menu->actions())
    if (action->text() == QLatin1String(text)) return action;
  ADD_FAILURE() << "no entry " << text;
  return nullptr;
}

// Chooses an entry from the keyboard, as a user who walks to it and presses Enter.
void chooseEntry(QMenu* menu, const char* text) {
  menu->setActiveAction(entryNamed(menu, text));
  QTest::keyClick(menu, Qt::Key_Return);
}

class ContextMenuTest : public ::testing::Test {
protected:
  void SetUp() override {
    // Every dialog here starts from the defaults, whatever an earlier test left in the store.
    QFile::remove(QStandardPaths::writableLocation(QStandardPaths::GenericConfigLocation) + QLatin1Char('/') +
                  QCoreApplication::applicationName() + QStringLiteral(".ini"));
    ASSERT_TRUE(dlg.Create());
    window()->move(150, 120);
  }
  QWidget* window() const { return dlg.GetSafeHwnd(); }
  void openAt(CPoint point) { dlg.OnContextMenu(&dlg, point); }
  // Lets a command that the pop-up sent reach the dialog.
  static void deliverPosted() { QCoreApplication::processEvents(); }

  PriceDlgProbe dlg;
};

struct MarksCase {
  int level;
  bool topMost;
};

class MenuMarksTest : public ContextMenuTest, public ::testing::WithParamInterface<MarksCase> {};

TEST_P(MenuMarksTest, ShowTheLevelTheKeepOnTopStateAndOnlyTwoChoices) {
  const MarksCase& marks = GetParam();
  dlg.m_nLevel = marks.level;
  if (marks.topMost) dlg.ToggleTopMost();

  std::vector<Entry> expected;
  for (const char* text : {"Skill = 100", "Skill = 90", "Skill = 80", "Skill = 70", "Skill = 60", "Skill = 50"})
    expected.push_back({text, false, false, false, false});
  expected[0].enabled = true;
  const int marked = marks.level - ID_SKILL_100;
  expected[marked].checked = expected[marked].radio = true;
  expected.push_back({"", true, false, false, true});
  expected.push_back({"Keep on Top", false, marks.topMost, false, true});

  PopupDriver driver([&expected](QMenu* menu) {
    EXPECT_EQ(entriesOf(menu), expected);
    QTest::keyClick(menu, Qt::Key_Escape);
  });
  openAt({300, 250});
  EXPECT_EQ(driver.openings(), 1);
}

INSTANTIATE_TEST_SUITE_P(States, MenuMarksTest,
                         ::testing::Values(MarksCase{ID_SKILL_100, false}, MarksCase{ID_SKILL_100, true},
                                           MarksCase{ID_SKILL_70, false}, MarksCase{ID_SKILL_50, true},
                                           MarksCase{ID_SKILL_90, false}));

enum class Dismiss { Escape, ClickOutside };

class DismissTest : public ContextMenuTest, public ::testing::WithParamInterface<Dismiss> {};

TEST_P(DismissTest, ChangesNothing) {
  dlg.m_nLevel = ID_SKILL_70;
  const QRect geometry = window()->frameGeometry();
  PopupDriver driver([how = GetParam()](QMenu* menu) {
    if (how == Dismiss::Escape)
      QTest::keyClick(menu, Qt::Key_Escape);
    else
      QTest::mouseClick(menu, Qt::LeftButton, {}, QPoint(-20, -20));
  });
  openAt({300, 250});
  deliverPosted();
  EXPECT_EQ(driver.openings(), 1);
  EXPECT_EQ(QApplication::activePopupWidget(), nullptr);
  EXPECT_EQ(dlg.m_nLevel, ID_SKILL_70);
  EXPECT_FALSE(dlg.m_bTopMost);
  EXPECT_FALSE(window()->windowFlags().testFlag(Qt::WindowStaysOnTopHint));
  EXPECT_EQ(window()->frameGeometry(), geometry);
  EXPECT_TRUE(window()->isVisible());
}

INSTANTIATE_TEST_SUITE_P(Ways, DismissTest, ::testing::Values(Dismiss::Escape, Dismiss::ClickOutside));

TEST_F(ContextMenuTest, KeepOnTopTwiceComesBackAndEachOpeningShowsTheStateOfItsMoment) {
  const QRect geometry = window()->frameGeometry();
  for (const bool expectedAfter : {true, false}) {
    PopupDriver driver([expectedAfter](QMenu* menu) {
      EXPECT_EQ(entriesOf(menu).back().checked, !expectedAfter);
      chooseEntry(menu, "Keep on Top");
    });
    openAt({300, 250});
    EXPECT_EQ(dlg.m_bTopMost, !expectedAfter) << "handled only after the pop-up has closed";
    deliverPosted();
    EXPECT_EQ(dlg.m_bTopMost, expectedAfter);
    EXPECT_EQ(window()->windowFlags().testFlag(Qt::WindowStaysOnTopHint), expectedAfter);
    EXPECT_EQ(window()->frameGeometry(), geometry);
  }
}

TEST_F(ContextMenuTest, SkillHundredAtSeventySwitchesOnceThePopUpHasClosed) {
  dlg.m_nLevel = ID_SKILL_70;
  PopupDriver driver([](QMenu* menu) { chooseEntry(menu, "Skill = 100"); });
  openAt({300, 250});
  EXPECT_EQ(QApplication::activePopupWidget(), nullptr);
  EXPECT_EQ(dlg.m_nLevel, ID_SKILL_70) << "handled only after the pop-up has closed";
  deliverPosted();
  EXPECT_EQ(dlg.m_nLevel, ID_SKILL_100);
}

TEST_F(ContextMenuTest, GreyedLevelsCannotBeChosen) {
  PopupDriver driver([](QMenu* menu) {
    chooseEntry(menu, "Skill = 70");
    if (QApplication::activePopupWidget() == menu) QTest::keyClick(menu, Qt::Key_Escape);
  });
  openAt({300, 250});
  deliverPosted();
  EXPECT_EQ(dlg.m_nLevel, ID_SKILL_100);
}

TEST_F(ContextMenuTest, EitherMouseButtonChoosesAnEntry) {
  for (const Qt::MouseButton button : {Qt::RightButton, Qt::LeftButton}) {
    dlg.m_nLevel = ID_SKILL_70;
    PopupDriver driver([button](QMenu* menu) {
      const QPoint target = menu->actionGeometry(entryNamed(menu, "Skill = 100")).center();
      // A release that comes without the pointer moving since the pop-up opened only closes it.
      for (int step = 8; step >= 0; --step) QTest::mouseMove(menu, target + QPoint(step * 4, 0));
      QTest::mouseClick(menu, button, {}, target);
    });
    openAt({300, 250});
    deliverPosted();
    EXPECT_EQ(dlg.m_nLevel, ID_SKILL_100) << (button == Qt::RightButton ? "right button" : "left button");
  }
}

// How the request reaches the dialog, and where the pop-up must open for it.
enum class Request { MousePoint, KeyboardPoint, MouseAtMinusOne, ShiftF10, MenuKeyOnItemList, RightClickOnLabel };

class PositionTest : public ContextMenuTest, public ::testing::WithParamInterface<Request> {
protected:
  void request() {
    switch (GetParam()) {
      case Request::MousePoint: openAt({300, 250}); break;
      case Request::KeyboardPoint: openAt({-1, -1}); break;
      case Request::MouseAtMinusOne: openAt({-1, -1}); break;
      case Request::ShiftF10: QTest::keyClick(dlg.controlWidget(IDC_ITEM), Qt::Key_F10, Qt::ShiftModifier); break;
      case Request::MenuKeyOnItemList: {
        QWidget* list = dlg.controlWidget(IDC_ITEM);
        QContextMenuEvent event(QContextMenuEvent::Keyboard, QPoint(4, 4), list->mapToGlobal(QPoint(4, 4)));
        QApplication::sendEvent(list, &event);
        break;
      }
      case Request::RightClickOnLabel: {
        QWidget* label = dlg.controlWidget(IDC_EXEC_RATE_LABEL);
        const QPoint local = QPoint(300, 250) - label->mapToGlobal(QPoint(0, 0));
        QContextMenuEvent event(QContextMenuEvent::Mouse, local, QPoint(300, 250));
        QApplication::sendEvent(label, &event);
        break;
      }
    }
  }
  QPoint expectedPosition() const {
    switch (GetParam()) {
      case Request::MousePoint:
      case Request::RightClickOnLabel: return {300, 250};
      default: return window()->frameGeometry().topLeft();
    }
  }
};

TEST_P(PositionTest, OpensAtThePointerOrAtTheWindowsCorner) {
  QPoint shownAt;
  PopupDriver driver([&shownAt](QMenu* menu) {
    shownAt = menu->pos();
    QTest::keyClick(menu, Qt::Key_Escape);
  });
  request();
  EXPECT_EQ(driver.openings(), 1);
  EXPECT_EQ(shownAt, expectedPosition());
}

std::string requestName(const ::testing::TestParamInfo<Request>& info) {
  constexpr const char* kNames[] = {"MousePoint",        "KeyboardPoint",    "MouseAtMinusOne", "ShiftF10",
                                    "MenuKeyOnItemList", "RightClickOnLabel"};
  return kNames[static_cast<int>(info.param)];
}

INSTANTIATE_TEST_SUITE_P(Requests, PositionTest,
                         ::testing::Values(Request::MousePoint, Request::KeyboardPoint, Request::MouseAtMinusOne,
                                           Request::ShiftF10, Request::MenuKeyOnItemList,
                                           Request::RightClickOnLabel),
                         requestName);

// Level choices from the menu, on a window that shows an item table and prices it.
class LevelChoiceTest : public PricedWindow {
protected:
  void chooseFromMenu(const char* text) {
    PopupDriver driver([text](QMenu* menu) { chooseEntry(menu, text); });
    dlg.OnContextMenu(&dlg, {300, 250});
    QCoreApplication::processEvents();
    EXPECT_EQ(driver.openings(), 1);
  }
};

TEST_F(LevelChoiceTest, SkillHundredAtSeventyShowsTheFiguresAndPriceOfLevelHundred) {
  open();
  choose("Female Plate");
  rateEdit()->setText(QStringLiteral("12"));
  const QString priceAtHundred = shown(IDC_PRICE);
  dlg.OnSkill70();
  ASSERT_NE(shown(IDC_EXEC_RATE), QStringLiteral("67.5"));
  ASSERT_NE(shown(IDC_PRICE), priceAtHundred);

  chooseFromMenu("Skill = 100");
  EXPECT_EQ(dlg.m_nLevel, ID_SKILL_100);
  EXPECT_EQ(itemList()->currentText(), QStringLiteral("Female Plate"));
  const std::pair<int, const char*> fields[] = {{IDC_EXEC_RATE, "67.5"}, {IDC_NORM_RATE, "31"}, {IDC_BA_RATE, "1.5"},
                                                {IDC_FAIL_RATE, "0"},    {IDC_DOA, "0"}};
  for (const auto& [id, expected] : fields) EXPECT_EQ(shown(id), QString::fromUtf8(expected)) << "control " << id;
  EXPECT_EQ(shown(IDC_PRICE), priceAtHundred);
  EXPECT_TRUE(messages.empty());
}

// An item without ingots shows one message per calculation, so the messages count the calculations.
TEST_F(LevelChoiceTest, SkillHundredAtHundredStillRecalculatesOnce) {
  open(tableRow("Unforgeable", "0"));
  ASSERT_EQ(dlg.m_nLevel, ID_SKILL_100);
  messages.clear();
  chooseFromMenu("Skill = 100");
  EXPECT_EQ(messages.size(), 1u);

  messages.clear();
  chooseFromMenu("Keep on Top");
  EXPECT_TRUE(messages.empty()) << "keep-on-top leaves the figures alone";
}

TEST(MenuResource, EveryCommandHasItsStringWithTheEntrysTextAndAShortForm) {
  const MenuTemplate* menu = findMenuTemplate(IDR_POPUP_MENU);
  ASSERT_NE(menu, nullptr);
  ASSERT_EQ(menu->popups.size(), 1u);
  std::size_t commands = 0;
  for (const MenuEntry& entry : menu->popups[0].entries) {
    if (!entry.text) continue;
    ++commands;
    const StringResource* string = nullptr;
    for (const StringResource& candidate : stringTable())
      if (candidate.id == entry.id) string = &candidate;
    ASSERT_NE(string, nullptr) << entry.text;
    const std::string text = string->text;
    EXPECT_EQ(text.substr(0, text.find('\n')), entry.text);
    EXPECT_NE(text.find('\n'), std::string::npos) << entry.text << " has no short form";
  }
  EXPECT_EQ(commands, stringTable().size());
}

TEST(MenuObject, AnswersForEntriesItHasAndItHasNot) {
  CMenu missing;
  EXPECT_FALSE(missing.LoadMenu(999));
  EXPECT_EQ(missing.GetSubMenu(0), nullptr);

  CMenu menu;
  ASSERT_TRUE(menu.LoadMenu(IDR_POPUP_MENU));
  EXPECT_EQ(menu.GetSubMenu(1), nullptr);
  EXPECT_EQ(menu.GetSubMenu(-1), nullptr);
  CMenu* popup = menu.GetSubMenu(0);
  ASSERT_NE(popup, nullptr);
  EXPECT_EQ(popup->CheckMenuItem(ID_KEEP_ON_TOP, MF_CHECKED), MF_UNCHECKED);
  EXPECT_EQ(popup->CheckMenuItem(ID_KEEP_ON_TOP, MF_UNCHECKED), MF_CHECKED);
  EXPECT_EQ(popup->CheckMenuItem(12345, MF_CHECKED), kNoSuchMenuItem);
  EXPECT_EQ(popup->EnableMenuItem(ID_SKILL_90, MF_GRAYED), MF_ENABLED);
  EXPECT_EQ(popup->EnableMenuItem(ID_SKILL_90, MF_GRAYED), MF_GRAYED);
  EXPECT_EQ(popup->EnableMenuItem(12345, MF_GRAYED), kNoSuchMenuItem);
  EXPECT_FALSE(popup->CheckMenuRadioItem(ID_SKILL_100, ID_SKILL_50, 12345, MF_BYCOMMAND));
  EXPECT_FALSE(popup->CheckMenuRadioItem(ID_SKILL_90, ID_SKILL_50, ID_SKILL_100, MF_BYCOMMAND));
  // Found by command from the menu that holds the pop-up too.
  EXPECT_EQ(menu.CheckMenuItem(ID_SKILL_60, MF_CHECKED), MF_UNCHECKED);
  EXPECT_TRUE(popup->CheckMenuRadioItem(ID_SKILL_100, ID_SKILL_50, ID_SKILL_80, MF_BYCOMMAND));
  EXPECT_EQ(popup->CheckMenuItem(ID_SKILL_60, MF_CHECKED), MF_UNCHECKED) << "the radio mark moved off it";
  EXPECT_TRUE(menu.DestroyMenu());
  EXPECT_FALSE(menu.DestroyMenu());
  EXPECT_EQ(menu.GetSubMenu(0), nullptr);
}
}  // namespace
