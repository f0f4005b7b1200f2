// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/subdivision_dlg.h"

namespace {

constexpr int kFieldIds[core::kSubdivisionRows] = {
    IDC_NTH_2, IDC_NTH_4, IDC_NTH_8, IDC_NTH_16, IDC_NTH_32, IDC_NTH_64, IDC_NTH_128, IDC_NTH_256};

}  // namespace

CSubdivisionDlg::CSubdivisionDlg(CWnd* parent) : CDialog(IDD, parent) {}

void CSubdivisionDlg::DoDataExchange(CDataExchange* pDX) {
  CDialog::DoDataExchange(pDX);
  for (std::size_t i = 0; i < m_nth.size(); ++i) {
    DDX_Control(pDX, kFieldIds[i], m_nth[i]);
  }
}

BOOL CSubdivisionDlg::OnInitDialog() {
  CDialog::OnInitDialog();
  const auto rows = core::BuildSubdivisionTable(m_period, m_rounded != 0);
  for (std::size_t i = 0; i < rows.size(); ++i) {
    m_nth[i].SetWindowText(rows[i].text);
  }
  return TRUE;  // the focus goes to the 1/2 field
}
