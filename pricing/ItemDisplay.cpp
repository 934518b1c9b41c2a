// The item's figures at the current skill level.
#include "ui/CPriceDlg.h"

void CPriceDlg::OnSelchangeItem() {}
void CPriceDlg::OnSkill100() {}
void CPriceDlg::OnSkill90() {}
void CPriceDlg::OnSkill80() {}
void CPriceDlg::OnSkill70() {}
void CPriceDlg::OnSkill60() {}
void CPriceDlg::OnSkill50() {}
