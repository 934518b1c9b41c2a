// Loading the item table into the catalogue and the item list.
#include "ui/CPriceDlg.h"

void CPriceDlg::OnLoad() {
  m_comboItem.ResetContent();
}
