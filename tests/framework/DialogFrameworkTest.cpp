// The dialog layer: data exchange both ways, the notification lock, control binding, and the up-down's signs.
#include "framework/CDialog.h"
#include "framework/UpDownControl.h"
#include "res/resource.h"

#include <QAbstractButton>
#include <QApplication>
#include <QLineEdit>
#include <QTest>
#include <QWheelEvent>
#include <gtest/gtest.h>

namespace {
// A dialog on the About template whose edit counts its change notifications.
class ExchangeDlg : public CDialog {
public:
  ExchangeDlg() : CDialog(IDD_ABOUTBOX) {}
  QLineEdit* edit() const { return qobject_cast<QLineEdit*>(controlWidget(IDC_URL)); }

  CString m_strText = "first";
  CWnd m_edit;
  int m_nChanges = 0;

protected:
  void DoDataExchange(CDataExchange* pDX) override {
    DDX_Control(pDX, IDC_URL, m_edit);
    DDX_Text(pDX, IDC_URL, m_strText);
  }
  bool OnWndMsg(Message& msg) override {
    static const MessageMapEntry<ExchangeDlg> messageMap[] = {
        {WM_COMMAND, EN_CHANGE, IDC_URL, &ExchangeDlg::onChange},
    };
    return dispatchMessage<ExchangeDlg>(this, messageMap, msg) || CDialog::OnWndMsg(msg);
  }

private:
  void onChange() { ++m_nChanges; }
};

TEST(DataExchange, WritesAndReadsTextAndDropsNotificationsItsOwnWritesRaise) {
  ExchangeDlg dlg;
  ASSERT_TRUE(dlg.Create());
  EXPECT_EQ(dlg.edit()->text(), QStringLiteral("first"));
  EXPECT_EQ(dlg.m_nChanges, 0) << "the first exchange at initialisation raised a handled notification";

  dlg.m_strText = "second, with UTF-8: \xC3\xA9";
  dlg.UpdateData(false);
  EXPECT_EQ(dlg.edit()->text(), QString::fromUtf8("second, with UTF-8: \xC3\xA9"));
  EXPECT_EQ(dlg.m_nChanges, 0);

  dlg.edit()->setText(QStringLiteral("typed"));
  EXPECT_EQ(dlg.m_nChanges, 1) << "a change outside an exchange reaches the handler";
  dlg.UpdateData(true);
  EXPECT_EQ(dlg.m_strText, "typed");
}

TEST(DataExchange, BindsAControlOnceAndRebindsAfterTheWindowIsGone) {
  ExchangeDlg dlg;
  ASSERT_TRUE(dlg.Create());
  QWidget* bound = dlg.m_edit.GetSafeHwnd();
  EXPECT_EQ(bound, dlg.edit());
  dlg.UpdateData(true);
  EXPECT_EQ(dlg.m_edit.GetSafeHwnd(), bound);
  dlg.m_edit.SetWindowText("through the member");
  EXPECT_EQ(dlg.edit()->text(), QStringLiteral("through the member"));
}

TEST(UpDown, UpProposesANegativeChangeAndDownAPositiveOne) {
  QWidget parent;
  auto* buddy = new QLineEdit(&parent);
  auto* upDown = new UpDownControl(&parent);
  upDown->setGeometry(100, 0, 16, 24);  // arrows of no size cannot be clicked
  upDown->attachBuddy(buddy);
  std::vector<int> deltas;
  upDown->setDeltaHandler([&deltas](int delta) { deltas.push_back(delta); });
  parent.show();

  const auto arrows = upDown->findChildren<QAbstractButton*>();
  ASSERT_EQ(arrows.size(), 2);
  QTest::mouseClick(arrows[0], Qt::LeftButton);
  QTest::mouseClick(arrows[1], Qt::LeftButton);
  QTest::keyClick(buddy, Qt::Key_Up);
  QTest::keyClick(buddy, Qt::Key_Down);
  QTest::keyClick(buddy, Qt::Key_Up, Qt::ShiftModifier);  // not a step: the edit's own selection key
  QWheelEvent wheel(QPointF(5, 5), buddy->mapToGlobal(QPointF(5, 5)), QPoint(), QPoint(0, 2 * 120), Qt::NoButton,
                    Qt::NoModifier, Qt::NoScrollPhase, false);
  QApplication::sendEvent(buddy, &wheel);
  EXPECT_EQ(deltas, (std::vector<int>{-1, 1, -1, 1, -1, -1}));
}
}  // namespace
