// The clamped integer exchange of the Rate edit.
#include "ui/DDX_TextClamped.h"

#include "framework/CDialog.h"

#include <QLineEdit>
#include <algorithm>
#include <cctype>
#include <climits>

int saturatingAtoi(const char* text) {
  while (std::isspace(static_cast<unsigned char>(*text)))
    ++text;
  const bool negative = *text == '-';
  if (*text == '-' || *text == '+')
    ++text;
  long long magnitude = 0;
  for (; std::isdigit(static_cast<unsigned char>(*text)); ++text) {
    magnitude = magnitude * 10 + (*text - '0');
    if (magnitude > static_cast<long long>(INT_MAX) + 1)
      break;  // saturated; later digits change nothing
  }
  if (negative)
    return magnitude > static_cast<long long>(INT_MAX) + 1 ? INT_MIN : static_cast<int>(-magnitude);
  return magnitude > INT_MAX ? INT_MAX : static_cast<int>(magnitude);
}

void DDX_TextClamped(CDataExchange* pDX, int nIDC, int& value, int nMin, int nMax) {
  QLineEdit* edit = pDX->PrepareEditCtrl(nIDC);
  if (!edit)
    return;
  if (pDX->m_bSaveAndValidate) {
    value = std::clamp(saturatingAtoi(edit->text().toUtf8().constData()), nMin, nMax);
    return;
  }
  value = std::clamp(value, nMin, nMax);
  const QString text = QString::number(value);
  if (edit->text() != text)
    edit->setText(text);
}
