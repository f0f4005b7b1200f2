// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// The subdivision window: the loop divided into 2 ... 256 parts, read-only.

#include <array>

#include "core/subdivision_table.h"
#include "platform/cdialog.h"
#include "res/resource.h"

class CSubdivisionDlg : public CDialog {
 public:
  explicit CSubdivisionDlg(CWnd* parent = nullptr);

  enum { IDD = IDD_SUBDIVISION };

  // Set by the creator before DoModal.
  double m_period = 0;
  int m_rounded = 1;  // non-zero for three decimals

 protected:
  void DoDataExchange(CDataExchange* pDX) override;
  BOOL OnInitDialog() override;

  std::array<CEdit, core::kSubdivisionRows> m_nth;  // 1/2 ... 1/256
};
