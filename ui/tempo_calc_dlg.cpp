// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/tempo_calc_dlg.h"

#include "core/field_number.h"
#include "loops/loop_reading.h"
#include "platform/cmenu.h"
#include "platform/cwinapp.h"
#include "platform/gdi.h"
#include "platform/resources.h"
#include "platform/shell.h"
#include "ui/about_dlg.h"
#include "ui/subdivision_dlg.h"

namespace {

constexpr char kHelpPage[] = "c:\\audio\\velmora\\help\\GARNEK_1.0_english.html";

}  // namespace

BEGIN_MESSAGE_MAP(CTempoCalcDlg, CDialog)
ON_WM_SYSCOMMAND()
ON_WM_PAINT()
ON_WM_QUERYDRAGICON()
ON_BN_CLICKED(IDC_ABOUT, OnAboutButton)
ON_BN_CLICKED(IDC_COMPUTE_TEMPO, OnComputeTempo)
ON_BN_CLICKED(IDC_COMPUTE_PERIOD, OnComputePeriod)
ON_BN_CLICKED(IDC_HELP_PAGE, OnHelpButton)
ON_WM_DROPFILES()
END_MESSAGE_MAP()

CTempoCalcDlg::CTempoCalcDlg(CWnd* parent)
    : CDialog(IDD, parent), m_hIcon(AfxGetApp()->LoadIcon(IDR_MAINFRAME)) {}

void CTempoCalcDlg::DoDataExchange(CDataExchange* pDX) {
  CDialog::DoDataExchange(pDX);
  DDX_Control(pDX, IDC_ROUNDED, m_rounded);
  DDX_Control(pDX, IDC_SHOW_NTH, m_showNth);
  DDX_Control(pDX, IDC_TEMPO, m_tempo);
  DDX_Control(pDX, IDC_PERIOD, m_period);
  DDX_Control(pDX, IDC_BEATS, m_beats);
}

BOOL CTempoCalcDlg::OnInitDialog() {
  CDialog::OnInitDialog();

  if (CMenu* systemMenu = GetSystemMenu(FALSE)) {
    const std::string aboutMenu = platform::LoadResourceString(IDS_ABOUTBOX);
    if (!aboutMenu.empty()) {
      systemMenu->AppendMenu(MF_SEPARATOR);
      systemMenu->AppendMenu(MF_STRING, IDM_ABOUTBOX, aboutMenu.c_str());
    }
  }

  SetIcon(m_hIcon, TRUE);
  SetIcon(m_hIcon, FALSE);

  // The form as it opens: the check boxes, then the period, beats and tempo fields.
  const core::TempoForm defaults;
  m_rounded.SetCheck(defaults.rounded ? BST_CHECKED : BST_UNCHECKED);
  m_showNth.SetCheck(defaults.showSubdivisions ? BST_CHECKED : BST_UNCHECKED);
  m_period.SetWindowText(defaults.periodText);
  m_beats.SetWindowText(defaults.beatsText);
  m_tempo.SetWindowText(defaults.tempoText);

  DragAcceptFiles(TRUE);

  return TRUE;  // the focus goes to the first tab stop, "About"
}

void CTempoCalcDlg::OnSysCommand(UINT id, LPARAM lParam) {
  if ((id & 0xFFF0) == IDM_ABOUTBOX) {
    ShowAbout();
  } else {
    CDialog::OnSysCommand(id, lParam);
  }
}

void CTempoCalcDlg::OnPaint() {
  if (IsIconic()) {
    CPaintDC dc(this);
    SendMessage(WM_ICONERASEBKGND, reinterpret_cast<WPARAM>(dc.GetSafeHdc()), 0);

    // Centre the icon in the client rectangle.
    const int cxIcon = GetSystemMetrics(SM_CXICON);
    const int cyIcon = GetSystemMetrics(SM_CYICON);
    CRect rect;
    GetClientRect(&rect);
    const int x = (rect.Width() - cxIcon + 1) / 2;
    const int y = (rect.Height() - cyIcon + 1) / 2;
    dc.DrawIcon(x, y, m_hIcon);
  } else {
    CDialog::OnPaint();
  }
}

HCURSOR CTempoCalcDlg::OnQueryDragIcon() {
  return m_hIcon;
}

void CTempoCalcDlg::OnAboutButton() {
  ShowAbout();
}

void CTempoCalcDlg::ShowAbout() {
  CAboutDlg about;
  about.DoModal();
}

core::TempoForm CTempoCalcDlg::ReadForm() const {
  core::TempoForm form;
  form.periodText = m_period.GetWindowText();
  form.beatsText = m_beats.GetWindowText();
  form.tempoText = m_tempo.GetWindowText();
  form.rounded = m_rounded.GetCheck() != BST_UNCHECKED;
  form.showSubdivisions = m_showNth.GetCheck() != BST_UNCHECKED;
  return form;
}

void CTempoCalcDlg::Present(const core::TempoCommandResult& result, CEdit& field,
                            const std::string& text) {
  if (result.status == core::TempoCommandStatus::InvalidData) {
    AfxMessageBox(core::kInvalidDataMessage, MB_ICONSTOP | MB_OK);
    return;
  }
  field.SetWindowText(text);
  if (result.subdivisions) {
    CSubdivisionDlg subdivisions;
    subdivisions.m_period = result.subdivisions->period;
    subdivisions.m_rounded = result.subdivisions->rounded ? 1 : 0;
    subdivisions.DoModal();
  }
}

void CTempoCalcDlg::OnComputeTempo() {
  core::TempoForm form = ReadForm();
  const core::TempoCommandResult result = core::ComputeTempo(form);
  Present(result, m_tempo, form.tempoText);
}

void CTempoCalcDlg::OnComputePeriod() {
  core::TempoForm form = ReadForm();
  const core::TempoCommandResult result = core::ComputePeriod(form);
  Present(result, m_period, form.periodText);
}

void CTempoCalcDlg::OnHelpButton() {
  ShellExecuteA(nullptr, "open", kHelpPage, nullptr, nullptr, SW_SHOWNORMAL);
}

void CTempoCalcDlg::OnDropFiles(HDROP drop) {
  std::string path(DragQueryFileA(drop, 0, nullptr, 0), '\0');
  DragQueryFileA(drop, 0, path.data(), static_cast<UINT>(path.size() + 1));
  DragFinish(drop);

  // Only the form changes, as a user typing would: nothing is computed until a click.
  const loops::LoopResult loop = loops::ReadLoopFile(path, {});
  std::string problem = loop.error;
  if (loop.reading && !loop.reading->exact) {
    problem = platform::LoadResourceString(IDS_LENGTH_ESTIMATED);
  }
  if (!problem.empty()) {
    std::string message = platform::LoadResourceString(IDS_FILE_UNUSABLE);
    message.replace(message.find("%1"), 2, loops::DisplayName(path));
    message.replace(message.find("%2"), 2, problem);
    AfxMessageBox(message);
    return;
  }
  m_period.SetWindowText(core::FormatFieldNumberExactly(loop.reading->seconds));
  if (loop.reading->beatsFrom != loops::BeatsSource::Guess) {
    m_beats.SetWindowText(core::FormatFieldNumberExactly(loop.reading->beats));
  }
}
