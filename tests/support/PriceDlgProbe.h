// The main window with its handlers reachable from tests.
#pragma once

#include "ui/CPriceDlg.h"

class PriceDlgProbe : public CPriceDlg {
public:
  using CPriceDlg::OnAbout;
  using CPriceDlg::OnCalculate;
  using CPriceDlg::OnChangeRate;
  using CPriceDlg::OnClose;
  using CPriceDlg::OnContextMenu;
  using CPriceDlg::OnDeltaposSpin1;
  using CPriceDlg::OnKeepOnTop;
  using CPriceDlg::OnLoad;
  using CPriceDlg::OnSelchangeItem;
  using CPriceDlg::OnSkill100;
  using CPriceDlg::OnSkill50;
  using CPriceDlg::OnSkill60;
  using CPriceDlg::OnSkill70;
  using CPriceDlg::OnSkill80;
  using CPriceDlg::OnSkill90;
  using CPriceDlg::ShowSetContents;
  using CPriceDlg::ToggleTopMost;

  template <class Widget>
  Widget* control(int id) const { return qobject_cast<Widget*>(controlWidget(id)); }
};
