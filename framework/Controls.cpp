// The item list's operations on its QComboBox, silent towards the dialog as the platform's messages are.
#include "framework/Controls.h"

#include <QComboBox>
#include <QSignalBlocker>

namespace {
QComboBox* comboOf(const QPointer<QWidget>& window) { return qobject_cast<QComboBox*>(window.data()); }
}  // namespace

void CComboBox::ResetContent() {
  if (QComboBox* combo = comboOf(m_hWnd)) {
    const QSignalBlocker silent(combo);
    combo->clear();
  }
}

int CComboBox::AddString(const char* text) {
  QComboBox* combo = comboOf(m_hWnd);
  if (!combo) return CB_ERR;
  const QSignalBlocker silent(combo);
  combo->addItem(QString::fromUtf8(text));
  // A list that was empty keeps showing no selection until one is made.
  if (combo->count() == 1) combo->setCurrentIndex(-1);
  return combo->count() - 1;
}

int CComboBox::SetCurSel(int index) {
  QComboBox* combo = comboOf(m_hWnd);
  if (!combo) return CB_ERR;
  const QSignalBlocker silent(combo);
  combo->setCurrentIndex(index >= 0 && index < combo->count() ? index : -1);
  return combo->currentIndex() == index ? index : CB_ERR;
}

int CComboBox::GetCurSel() const {
  const QComboBox* combo = comboOf(m_hWnd);
  return combo ? combo->currentIndex() : CB_ERR;
}

int CComboBox::GetCount() const {
  const QComboBox* combo = comboOf(m_hWnd);
  return combo ? combo->count() : CB_ERR;
}

void CComboBox::GetLBText(int index, CString& text) const {
  const QComboBox* combo = comboOf(m_hWnd);
  text = (combo && index >= 0 && index < combo->count()) ? CString::fromQString(combo->itemText(index))
                                                          : CString();
}
