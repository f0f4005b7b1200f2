// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// A modal dialog made from a template resource.
//
// DoModal creates the window and its controls from the template, disables the owner,
// runs OnInitDialog (which binds the DoDataExchange controls first), sets the initial
// focus, centres the window, shows it and runs a nested event loop until EndDialog; then
// it re-enables and re-activates the owner, destroys the window and returns the result.
//
// Commands the class's own message map leaves reach the framework: IDOK runs the data
// exchange and ends the dialog with IDOK, IDCANCEL ends it with IDCANCEL. Enter gives the
// focused push button's command, else the default push button's, else IDOK; Escape and
// closing the window give IDCANCEL.

#include <memory>

#include "platform/cwnd.h"

namespace platform {
class DialogHost;
}

class CDialog : public CWnd {
 public:
  // `parent` nullptr: owned by the main window's last active pop-up, if it has a window.
  explicit CDialog(UINT templateId, CWnd* parent = nullptr);
  ~CDialog() override;

  // -1 when the template is missing.
  virtual INT_PTR DoModal();
  void EndDialog(int result);

  // The template number, which also makes the help context.
  UINT m_nIDHelp;

 protected:
  friend class platform::DialogHost;

  // TRUE: the framework puts the focus on the first tab stop.
  virtual BOOL OnInitDialog();
  virtual void DoDataExchange(CDataExchange* pDX);
  BOOL UpdateData(BOOL saveAndValidate = TRUE);
  virtual void OnOK();
  virtual void OnCancel();

  BOOL OnCmdMsg(UINT id, UINT code) override;
  LRESULT DefWindowProc(UINT message, WPARAM wParam, LPARAM lParam) override;

  DECLARE_MESSAGE_MAP()

 protected:
  UINT m_nTemplateId;
  CWnd* m_pParentWnd;
  platform::DialogHost* m_host = nullptr;
};
