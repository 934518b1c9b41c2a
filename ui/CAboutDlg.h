// The About box: name, version, maker, and the maker's home page in a field that can be copied from.
#pragma once

#include "framework/CDialog.h"

class CAboutDlg : public CDialog {
public:
  CAboutDlg();

  CString m_strURL;

protected:
  void DoDataExchange(CDataExchange* pDX) override;
};
