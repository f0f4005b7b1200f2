// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/cdialog.h"

#include "platform/cwinapp.h"
#include "platform/qt/dialog_host.h"
#include "platform/qt/open_dialogs.h"
#include "platform/resources.h"

BEGIN_MESSAGE_MAP(CDialog, CWnd)
ON_COMMAND(IDOK, CDialog::OnOK)
ON_COMMAND(IDCANCEL, CDialog::OnCancel)
END_MESSAGE_MAP()

CDialog::CDialog(UINT templateId, CWnd* parent)
    : m_nIDHelp(templateId), m_nTemplateId(templateId), m_pParentWnd(parent) {}

CDialog::~CDialog() = default;

INT_PTR CDialog::DoModal() {
  const platform::DialogTemplate* dialogTemplate = platform::FindDialogTemplate(m_nTemplateId);
  if (dialogTemplate == nullptr || m_hWnd != nullptr) {
    return -1;
  }
  HWND owner = m_pParentWnd != nullptr ? m_pParentWnd->m_hWnd : platform::DefaultOwner();
  platform::DialogHost host(*this, *dialogTemplate, owner);
  return host.Run();
}

void CDialog::EndDialog(int result) {
  if (m_host != nullptr) {
    m_host->End(result);
  }
}

BOOL CDialog::OnInitDialog() {
  UpdateData(FALSE);
  return TRUE;
}

void CDialog::DoDataExchange(CDataExchange* /*pDX*/) {}

BOOL CDialog::UpdateData(BOOL /*saveAndValidate*/) {
  CDataExchange exchange(this);
  DoDataExchange(&exchange);
  return TRUE;
}

void CDialog::OnOK() {
  if (!UpdateData(TRUE)) {
    return;
  }
  EndDialog(IDOK);
}

void CDialog::OnCancel() {
  EndDialog(IDCANCEL);
}

BOOL CDialog::OnCmdMsg(UINT id, UINT code) {
  if (CWnd::OnCmdMsg(id, code)) {
    return TRUE;
  }
  // What the main window leaves goes on to the application object.
  CWinApp* app = AfxGetApp();
  if (app != nullptr && app->m_pMainWnd == this) {
    return app->OnCmdMsg(id, code);
  }
  return FALSE;
}

LRESULT CDialog::DefWindowProc(UINT message, WPARAM wParam, LPARAM lParam) {
  if (message == WM_CLOSE) {
    // A dialog answers closing with the cancel command.
    HWND cancel = m_host != nullptr ? m_host->Control(IDCANCEL) : nullptr;
    SendMessage(WM_COMMAND, MAKEWPARAM(IDCANCEL, BN_CLICKED), reinterpret_cast<LPARAM>(cancel));
    return 0;
  }
  return CWnd::DefWindowProc(message, wParam, lParam);
}
