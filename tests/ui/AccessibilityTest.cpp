// What assistive tools see of the main window and the About box: names, roles, captions, the figures as
// values and text, the arrows' actions and the keyboard's way through the controls.
#include "framework/AccessibleValueBox.h"
#include "pricing/FormatAmount.h"
#include "tests/framework/TemporarySystemLocale.h"
#include "tests/support/ModalDriver.h"
#include "tests/support/PricedWindow.h"
#include "ui/CAboutDlg.h"

#include <QAccessible>
#include <QApplication>
#include <QPushButton>
#include <QTest>
#include <QToolButton>

#include <functional>
#include <vector>

namespace {
QAccessibleInterface* accessibleOf(QObject* object) { return QAccessible::queryAccessibleInterface(object); }

// The captions that label an element: what a screen reader speaks before it.
std::vector<QObject*> captionsOf(QAccessibleInterface* element) {
  std::vector<QObject*> captions;
  for (const auto& [other, relation] : element->relations(QAccessible::Label)) captions.push_back(other->object());
  return captions;
}

QLabel* captionWithText(QWidget* window, const char* text) {
  for (auto* label : window->findChildren<QLabel*>())
    if (label->text() == QString::fromUtf8(text) && !isValueBox(label)) return label;
  return nullptr;
}

class AccessibilityTest : public PricedWindow {
protected:
  void SetUp() override {
    PricedWindow::SetUp();
    m_system.setLang("en_US.UTF-8");
    FormatNumberText(nullptr, true);
    open();
  }
  QWidget* window() const { return dlg.GetSafeHwnd(); }
  QAccessibleInterface* element(int id) const { return accessibleOf(dlg.controlWidget(id)); }
  QToolButton* arrow(Qt::ArrowType type) const {
    for (auto* button : dlg.controlWidget(IDC_SPIN1)->findChildren<QToolButton*>())
      if (button->arrowType() == type) return button;
    return nullptr;
  }

private:
  TemporarySystemLocale m_system;
};

struct NamedControl {
  int id;
  const char* name;
  QAccessible::Role role;
  const char* caption;  // the caption labelling it, or null
};

TEST_F(AccessibilityTest, EachControlHasItsNameRoleAndCaption) {
  const NamedControl controls[] = {
      {IDC_RATE, "Rate", QAccessible::EditableText, "Rate"},
      {IDC_INGOTS, "Ingots", QAccessible::StaticText, "Ingots"},
      {IDC_PRICE, "Price", QAccessible::StaticText, "Price"},
      {IDC_IGTS_REQ2, "Ingots Required for Exceptional", QAccessible::StaticText, "Ingots Required for Exceptional"},
      {IDC_EXEC_RATE, "Exec Rate", QAccessible::StaticText, "Exec Rate"},
      {IDC_NORM_RATE, "Norm Rate", QAccessible::StaticText, "Norm Rate"},
      {IDC_BA_RATE, "BA Rate", QAccessible::StaticText, "BA Rate"},
      {IDC_FAIL_RATE, "Fail Rate", QAccessible::StaticText, "Fail Rate"},
      {IDC_DOA, "DOA", QAccessible::StaticText, "DOA"},
      {IDC_SET_CONTENTS, "Set Contents", QAccessible::StaticText, nullptr},
      {IDC_ABOUT, "About", QAccessible::Button, nullptr},
  };
  for (const NamedControl& control : controls) {
    SCOPED_TRACE(control.name);
    QAccessibleInterface* accessible = element(control.id);
    ASSERT_NE(accessible, nullptr);
    EXPECT_EQ(accessible->text(QAccessible::Name), QString::fromUtf8(control.name));
    EXPECT_EQ(accessible->role(), control.role);
    const std::vector<QObject*> captions = captionsOf(accessible);
    if (control.caption) {
      ASSERT_EQ(captions.size(), 1u);
      EXPECT_EQ(captions[0], captionWithText(window(), control.caption));
      // The caption in turn says which control it labels.
      const auto labelled = accessibleOf(captions[0])->relations(QAccessible::Labelled);
      ASSERT_EQ(labelled.size(), 1);
      EXPECT_EQ(labelled[0].first->object(), dlg.controlWidget(control.id));
    } else {
      EXPECT_TRUE(captions.empty());
    }
  }
}

TEST_F(AccessibilityTest, TheRateCaptionsAreBoundToTheirOwnValueBoxes) {
  const std::pair<int, int> pairs[] = {{IDC_EXEC_RATE_LABEL, IDC_EXEC_RATE}, {IDC_NORM_RATE_LABEL, IDC_NORM_RATE},
                                       {IDC_BA_RATE_LABEL, IDC_BA_RATE},     {IDC_FAIL_RATE_LABEL, IDC_FAIL_RATE},
                                       {IDC_DOA_LABEL, IDC_DOA}};
  for (const auto& [caption, value] : pairs)
    EXPECT_EQ(captionsOf(element(value)), std::vector<QObject*>{dlg.controlWidget(caption)}) << value;
}

TEST_F(AccessibilityTest, TheItemListIsLabelledItemAndReadsOutTheChosenItem) {
  // On this platform a combo box is named by its label relation; its own name and value are the item.
  choose("Plate Breastpiece");
  QAccessibleInterface* list = element(IDC_ITEM);
  EXPECT_EQ(list->role(), QAccessible::ComboBox);
  EXPECT_EQ(captionsOf(list), std::vector<QObject*>{captionWithText(window(), "Item")});
  EXPECT_EQ(accessibleOf(captionsOf(list)[0])->text(QAccessible::Name), QStringLiteral("Item"));
  EXPECT_EQ(list->text(QAccessible::Value), QStringLiteral("Plate Breastpiece"));
}

struct ShownFigure {
  int id;
  const char* value;
};

TEST_F(AccessibilityTest, TheValueBoxesReadOutTheFiguresShownAsValueAndText) {
  choose("Plate Breastpiece");
  rateEdit()->setText(QStringLiteral("12"));
  const ShownFigure figures[] = {{IDC_PRICE, "2,355.45"}, {IDC_IGTS_REQ2, "196.29"}, {IDC_INGOTS, "25"},
                                 {IDC_EXEC_RATE, "4.5"},  {IDC_NORM_RATE, "31.5"},   {IDC_BA_RATE, "17"},
                                 {IDC_FAIL_RATE, "47"},   {IDC_DOA, "6.3"}};
  for (const ShownFigure& figure : figures) {
    SCOPED_TRACE(figure.value);
    QAccessibleInterface* box = element(figure.id);
    EXPECT_EQ(box->text(QAccessible::Value), QString::fromUtf8(figure.value));
    EXPECT_EQ(box->text(QAccessible::Value), shown(figure.id));
    ASSERT_NE(box->textInterface(), nullptr);
    QAccessibleTextInterface* text = box->textInterface();
    EXPECT_EQ(text->text(0, text->characterCount()), QString::fromUtf8(figure.value));
    EXPECT_TRUE(box->state().readOnly);
    EXPECT_FALSE(box->state().invisible);
    EXPECT_FALSE(box->state().focusable);
  }
}

TEST_F(AccessibilityTest, ASuitReadsOutItsPartsWhileTheRatesBandIsHidden) {
  choose("*Light Archer");
  QAccessibleInterface* contents = element(IDC_SET_CONTENTS);
  EXPECT_FALSE(contents->state().invisible);
  EXPECT_EQ(contents->text(QAccessible::Name), QStringLiteral("Set Contents"));
  EXPECT_EQ(contents->text(QAccessible::Value),
            QStringLiteral("Chainmail Leggings, Chainmail Tunic, Ringmail Gloves, Ringmail Sleeves, Plate Gorget, Close Helm"));
  for (int id : {IDC_EXEC_RATE, IDC_EXEC_RATE_LABEL, IDC_DOA, IDC_DOA_LABEL}) EXPECT_TRUE(element(id)->state().invisible) << id;
}

TEST_F(AccessibilityTest, EachCharacterOfAFigureIsFoundWhereItIsDrawn) {
  choose("Plate Breastpiece");
  rateEdit()->setText(QStringLiteral("9999"));
  for (int id : {IDC_PRICE, IDC_INGOTS}) {
    QAccessibleTextInterface* text = element(id)->textInterface();
    const QRect box(dlg.controlWidget(id)->mapToGlobal(QPoint(0, 0)), dlg.controlWidget(id)->size());
    ASSERT_GT(text->characterCount(), 0);
    int previousRight = box.left();
    for (int offset = 0; offset < text->characterCount(); ++offset) {
      const QRect character = text->characterRect(offset);
      EXPECT_TRUE(box.contains(character)) << id << " at " << offset;
      EXPECT_GE(character.left(), previousRight - 1) << "characters run left to right";
      previousRight = character.right();
      EXPECT_EQ(text->offsetAtPoint(character.center()), offset) << id << " at " << offset;
    }
    EXPECT_EQ(text->offsetAtPoint(box.topLeft() - QPoint(5, 5)), -1);
  }
}

TEST_F(AccessibilityTest, TheArrowsAreNamedAndPressingRaiseRateRaisesTheRate) {
  rateEdit()->setText(QStringLiteral("12"));
  QAccessibleInterface* raise = accessibleOf(arrow(Qt::UpArrow));
  QAccessibleInterface* lower = accessibleOf(arrow(Qt::DownArrow));
  EXPECT_EQ(raise->text(QAccessible::Name), QStringLiteral("Raise Rate"));
  EXPECT_EQ(lower->text(QAccessible::Name), QStringLiteral("Lower Rate"));
  EXPECT_EQ(raise->role(), QAccessible::Button);
  ASSERT_NE(raise->actionInterface(), nullptr);
  raise->actionInterface()->doAction(QAccessibleActionInterface::pressAction());
  EXPECT_EQ(rateEdit()->text(), QStringLiteral("13"));
  lower->actionInterface()->doAction(QAccessibleActionInterface::pressAction());
  lower->actionInterface()->doAction(QAccessibleActionInterface::pressAction());
  EXPECT_EQ(rateEdit()->text(), QStringLiteral("11"));
}

TEST_F(AccessibilityTest, EveryVisibleElementHasANameAndOnlyTheThreeStopsTakeFocus) {
  QAccessibleInterface* root = accessibleOf(window());
  EXPECT_EQ(root->text(QAccessible::Name), QStringLiteral("Quenchmark"));
  std::vector<QObject*> focusable;
  std::function<void(QAccessibleInterface*)> visit = [&](QAccessibleInterface* node) {
    bool group = false;
    for (int i = 0; i < node->childCount(); ++i) {
      QAccessibleInterface* child = node->child(i);
      if (child->state().invisible) continue;
      group = true;
      visit(child);
    }
    // A group, such as the arrows' holder, leaves the names to its parts.
    if (group || node == root) return;
    EXPECT_FALSE(node->text(QAccessible::Name).isEmpty()) << node->object()->metaObject()->className();
    if (node->state().focusable) focusable.push_back(node->object());
  };
  visit(root);
  EXPECT_EQ(focusable, (std::vector<QObject*>{dlg.controlWidget(IDC_ITEM), dlg.controlWidget(IDC_RATE),
                                              dlg.controlWidget(IDC_ABOUT)}));
}

TEST_F(AccessibilityTest, TabMovesTheAccessibleFocusThroughItemRateAndAbout) {
  window()->activateWindow();
  ASSERT_TRUE(QTest::qWaitForWindowActive(window()));
  QAccessibleInterface* root = accessibleOf(window());
  const int order[] = {IDC_ITEM, IDC_RATE, IDC_ABOUT, IDC_ITEM};
  for (std::size_t step = 0; step < std::size(order); ++step) {
    if (step > 0) QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
    QAccessibleInterface* focused = root->focusChild();
    ASSERT_NE(focused, nullptr) << "step " << step;
    EXPECT_EQ(focused->object(), dlg.controlWidget(order[step])) << "step " << step;
    EXPECT_TRUE(focused->state().focused);
  }
}

TEST_F(AccessibilityTest, TheAboutBoxNamesItsHomePageFieldAndReadsOutItsTexts) {
  bool seen = false;
  CAboutDlg about;
  runModal(about, [&] {
    seen = true;
    QWidget* box = about.GetSafeHwnd();
    EXPECT_EQ(accessibleOf(box)->text(QAccessible::Name), QStringLiteral("About Quenchmark"));
    QAccessibleInterface* url = accessibleOf(about.controlWidget(IDC_URL));
    EXPECT_EQ(url->text(QAccessible::Name), QStringLiteral("Home page"));
    EXPECT_EQ(url->text(QAccessible::Value), QStringLiteral("https://brasswick.example/"));
    EXPECT_TRUE(url->state().readOnly);
    EXPECT_TRUE(url->state().focusable);
    EXPECT_EQ(captionsOf(url), std::vector<QObject*>{captionWithText(
                                   box, "For updates and other utilities, visit the Brasswick web site at:")});
    for (const char* text : {"Quenchmark Version 2.0", "Written by Brasswick"}) {
      QLabel* label = captionWithText(box, text);
      ASSERT_NE(label, nullptr) << text;
      EXPECT_EQ(accessibleOf(label)->text(QAccessible::Name), QString::fromUtf8(text));
      EXPECT_EQ(accessibleOf(label)->role(), QAccessible::StaticText);
    }
    about.EndDialog(IDOK);
  });
  EXPECT_TRUE(seen);
}
}  // namespace
