// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// The main calculator window: the form's three fields and two check boxes, the two
// compute commands, About and Help; and a loop file dropped on it, whose exact length
// (and beat count, when the file says it) fill the form.

#include <string>

#include "core/tempo_form.h"
#include "platform/cdialog.h"
#include "res/resource.h"

class CTempoCalcDlg : public CDialog {
 public:
  explicit CTempoCalcDlg(CWnd* parent = nullptr);

  enum { IDD = IDD_TEMPOCALC_DIALOG };

 protected:
  void DoDataExchange(CDataExchange* pDX) override;
  BOOL OnInitDialog() override;

  void OnSysCommand(UINT id, LPARAM lParam);
  void OnPaint();
  HCURSOR OnQueryDragIcon();
  void OnAboutButton();
  void OnComputeTempo();
  void OnComputePeriod();
  void OnHelpButton();
  void OnDropFiles(HDROP drop);

  DECLARE_MESSAGE_MAP()

 protected:
  HICON m_hIcon;
  CButton m_rounded;
  CButton m_showNth;
  CEdit m_tempo;
  CEdit m_period;
  CEdit m_beats;

 private:
  core::TempoForm ReadForm() const;
  // Writes the result field, then opens the subdivisions if the command asked for them.
  void Present(const core::TempoCommandResult& result, CEdit& field, const std::string& text);
  void ShowAbout();
};
