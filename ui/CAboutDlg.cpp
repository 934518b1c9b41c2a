// The About box's home page field.
#include "ui/CAboutDlg.h"

#include "res/Templates.h"
#include "res/resource.h"

CAboutDlg::CAboutDlg() : CDialog(findDialogTemplate(IDD_ABOUTBOX)), m_strURL("https://brasswick.example/") {}

void CAboutDlg::DoDataExchange(CDataExchange* pDX) {
  DDX_Text(pDX, IDC_URL, m_strURL);
}
