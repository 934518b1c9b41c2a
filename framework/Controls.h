// The control classes the program binds members to: static texts and the drop-down item list.
#pragma once

#include "framework/CWnd.h"

class CStatic : public CWnd {};

// A drop-down list. Changing it from code raises no selection-change notification; only the user does.
class CComboBox : public CWnd {
public:
  void ResetContent();
  int AddString(const char* text);
  int SetCurSel(int index);
  int GetCurSel() const;
  int GetCount() const;
  void GetLBText(int index, CString& text) const;
};

enum : int { CB_ERR = -1 };
