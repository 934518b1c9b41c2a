// The clamped integer exchange of the Rate edit.
#include "ui/DDX_TextClamped.h"

#include "framework/CDialog.h"

#include <QLineEdit>
#include <algorithm>
#include <cstdlib>

void DDX_TextClamped(CDataExchange* pDX, int nIDC, int& value, int nMin, int nMax) {
  QLineEdit* edit = pDX->PrepareEditCtrl(nIDC);
  if (pDX->m_bSaveAndValidate) {
    // The leading number as atoi reads it, except that one beyond the range of a long long saturates rather than
    // wrapping, so a long run of nines still reads as the upper bound.
    const long long typed = std::strtoll(edit->text().toUtf8().constData(), nullptr, 10);
    value = static_cast<int>(std::clamp<long long>(typed, nMin, nMax));
    return;
  }
  // Qt's accessibility reads the bounds from the box of the edit and its arrows.
  edit->parentWidget()->setProperty("minimum", nMin);
  edit->parentWidget()->setProperty("maximum", nMax);
  value = std::clamp(value, nMin, nMax);
  const QString text = QString::number(value);
  if (edit->text() != text)
    edit->setText(text);
}
