// Loading the item table into the catalogue and the item list.
#include "catalogue/ItemTableLoader.h"
#include "ui/CPriceDlg.h"

void CPriceDlg::OnLoad() {
  m_comboItem.ResetContent();
  loadItemTable(*this);
  // After a failure too: the list shows the rows read before it, position i still being row i.
  for (int i = 0; i < m_arrItem.GetSize(); ++i)
    m_comboItem.AddString(m_arrItem.ElementAt(i).c_str());
}
