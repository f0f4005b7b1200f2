// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/about_dlg.h"

#include "platform/shell.h"

namespace {

constexpr char kSiteShortcut[] = "c:\\audio\\velmora\\tremlet\\velmora.url";

}  // namespace

BEGIN_MESSAGE_MAP(CAboutDlg, CDialog)
ON_BN_CLICKED(IDCANCEL, OnVisitSite)
END_MESSAGE_MAP()

CAboutDlg::CAboutDlg() : CDialog(IDD) {}

void CAboutDlg::OnVisitSite() {
  ShellExecuteA(nullptr, "open", kSiteShortcut, nullptr, nullptr, SW_SHOWNORMAL);
}
