// SPDX-License-Identifier: GPL-3.0-or-later
// The desktop services the windows rely on: the system menu, window icons and painting
// while minimized, and F1 help.

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "platform/cdialog.h"
#include "platform/cmenu.h"
#include "platform/cwinapp.h"
#include "platform/gdi.h"
#include "platform/shell.h"
#include "platform/testing/dialog_driver.h"
#include "platform/testing/scopes.h"
#include "tests/platform/test_resources.h"

namespace {

namespace drive = platform::testing;
using drive::Key;
using namespace test_resources;

constexpr UINT kAboutCommand = 0x10;
constexpr std::uint32_t kRed = 0xFFFF0000;

// Appends an item to its system menu and paints its icon while minimized, the way the
// calculator's main window does.
class DesktopDialog : public CDialog {
 public:
  DesktopDialog() : CDialog(kDesktopDialog), icon_(AfxGetApp()->LoadIcon(kIcon)) {}
  std::vector<UINT> systemCommands;

 protected:
  BOOL OnInitDialog() override {
    CDialog::OnInitDialog();
    if (CMenu* menu = GetSystemMenu(FALSE)) {
      menu->AppendMenu(MF_SEPARATOR);
      menu->AppendMenu(MF_STRING, kAboutCommand, "&About the test");
    }
    SetIcon(icon_, TRUE);
    SetIcon(icon_, FALSE);
    return TRUE;
  }
  void OnSysCommand(UINT id, LPARAM lParam) {
    systemCommands.push_back(id);
    if ((id & 0xFFF0) != kAboutCommand) {
      CDialog::OnSysCommand(id, lParam);
    }
  }
  void OnPaint() {
    if (IsIconic()) {
      CPaintDC dc(this);
      SendMessage(WM_ICONERASEBKGND, reinterpret_cast<WPARAM>(dc.GetSafeHdc()), 0);
      const int cxIcon = GetSystemMetrics(SM_CXICON);
      const int cyIcon = GetSystemMetrics(SM_CYICON);
      CRect rect;
      GetClientRect(&rect);
      dc.DrawIcon((rect.Width() - cxIcon + 1) / 2, (rect.Height() - cyIcon + 1) / 2, icon_);
    } else {
      CDialog::OnPaint();
    }
  }
  DECLARE_MESSAGE_MAP()

  HICON icon_;
};

BEGIN_MESSAGE_MAP(DesktopDialog, CDialog)
ON_WM_SYSCOMMAND()
ON_WM_PAINT()
END_MESSAGE_MAP()

TEST(SystemMenu, HoldsThePlatformsItemsThenTheProgramsAndSendsTheirCommands) {
  DesktopDialog dialog;
  std::vector<std::string> items, shown, spoken;
  drive::RunSoon([&] {
    items = drive::SystemMenuItems(drive::ActiveDialog());
    drive::RunSoon([&] {
      shown = drive::OpenMenuItems();
      spoken = drive::OpenMenuAccessibleNames();
      EXPECT_TRUE(drive::ChooseMenuItem("&About the test"));
    });
    drive::PressKey(Key::Space, drive::kAlt);
    EXPECT_NE(drive::ActiveDialog(), nullptr);  // the program's item leaves it open

    drive::RunSoon([&] { EXPECT_TRUE(drive::ChooseMenuItem("&Close\tAlt+F4")); });
    drive::RightClickBackground(drive::ActiveDialog());
  });
  EXPECT_EQ(dialog.DoModal(), IDCANCEL);  // Close is WM_CLOSE, which is command 2
  const std::vector<std::string> expected = {"&Move", "", "&Close\tAlt+F4", "", "&About the test"};
  EXPECT_EQ(items, expected);
  EXPECT_EQ(shown, expected);
  // A screen reader names the items without the mnemonic mark, the tab or the key.
  EXPECT_EQ(spoken, (std::vector<std::string>{"Move", "", "Close", "", "About the test"}));
  EXPECT_EQ(dialog.systemCommands, (std::vector<UINT>{kAboutCommand, SC_CLOSE}));
}

TEST(SystemMenu, NoneWithoutTheStyle) {
  for (const UINT templateId : {kPlainDialog, kBareDialog}) {
    const bool hasStyle = templateId == kPlainDialog;
    SCOPED_TRACE(hasStyle ? "with WS_SYSMENU" : "without WS_SYSMENU");
    CDialog dialog(templateId);
    CMenu* menu = nullptr;
    std::vector<std::string> shownByKey, shownByClick;
    drive::RunSoon([&] {
      menu = dialog.GetSystemMenu(FALSE);
      // Whatever pops up is read and closed again; with nothing popped up, the reading
      // runs right after the key or the click.
      const auto readAndClose = [](std::vector<std::string>& shown) {
        drive::RunSoon([&shown] {
          shown = drive::OpenMenuItems();
          if (!shown.empty()) {
            drive::PressKey(Key::Escape);
          }
        });
      };
      readAndClose(shownByKey);
      drive::PressKey(Key::Space, drive::kAlt);
      drive::ProcessEvents();
      readAndClose(shownByClick);
      drive::RightClickBackground(drive::ActiveDialog());
      drive::ProcessEvents();
      drive::ForceEnd(drive::ActiveDialog());
    });
    dialog.DoModal();
    EXPECT_EQ(menu != nullptr, hasStyle);
    EXPECT_EQ(shownByKey.empty(), !hasStyle);
    EXPECT_EQ(shownByClick.empty(), !hasStyle);
  }
  CWnd unattached;
  EXPECT_EQ(unattached.GetSystemMenu(FALSE), nullptr);
}

TEST(WindowIcons, BigAndSmallIconsAndTheStaticIconAtItsOwnSize) {
  DesktopDialog dialog;
  std::vector<int> sizes;
  platform::PixelRect iconControl;
  drive::RunSoon([&] {
    sizes = drive::WindowIconSizes(drive::ActiveDialog());
    iconControl = drive::ScreenGeometry(drive::ControlAt(drive::ActiveDialog(), 1));
    EXPECT_EQ(dialog.GetIcon(TRUE), AfxGetApp()->LoadIcon(kIcon));
    drive::PressKey(Key::Escape);
  });
  dialog.DoModal();
  EXPECT_EQ(sizes, (std::vector<int>{16, 32}));
  EXPECT_EQ(AfxGetApp()->LoadIcon(4242), nullptr);
  EXPECT_EQ(iconControl.width, 32);  // not the template's 20 x 20 dialog units
  EXPECT_EQ(iconControl.height, 32);
}

TEST(WindowIcons, MinimizedWindowPaintsItsIconInTheMiddle) {
  DesktopDialog dialog;
  drive::Image normal, minimized;
  drive::RunSoon([&] {
    normal = drive::Render(drive::ActiveDialog());
    drive::SetMinimized(drive::ActiveDialog(), true);
    minimized = drive::Render(drive::ActiveDialog());
    drive::SetMinimized(drive::ActiveDialog(), false);
    drive::PressKey(Key::Escape);
  });
  dialog.DoModal();
  ASSERT_GT(minimized.width, 40);
  const int x = (minimized.width - 32 + 1) / 2;
  const int y = (minimized.height - 32 + 1) / 2;
  EXPECT_EQ(minimized.At(x, y), kRed);
  EXPECT_EQ(minimized.At(x + 31, y + 31), kRed);
  EXPECT_NE(minimized.At(x - 1, y), kRed);
  EXPECT_NE(minimized.At(x + 32, y + 32), kRed);
  // Not minimized, the static icon control shows the same picture at its corner instead.
  EXPECT_NE(normal.At(x, y), kRed);
}

// F1 goes to the main window, which passes it to the application's help handler.
class HelpTest : public testing::Test {
 protected:
  CDialog main_{kPlainDialog};
  drive::MainWindowScope scope_{&main_};
};

TEST_F(HelpTest, WithoutAHelpFileTheProgramsFailureMessageShows) {
  drive::HelpFileScope help(drive::HelpFileScope::Kind::Missing);
  std::optional<drive::MessageBoxView> box;
  drive::RunSoon([&] {
    drive::RunSoon([&] {
      box = drive::ActiveMessageBox();
      drive::PressKey(Key::Return);
    });
    drive::PressKey(Key::F1);
    drive::PressKey(Key::Escape);
  });
  main_.DoModal();
  ASSERT_TRUE(box.has_value());
  EXPECT_EQ(box->text, kHelpFailedText);  // the program's string AFX_IDP_FAILED_TO_LAUNCH_HELP
  EXPECT_EQ(box->caption, "platform-tests");
  EXPECT_EQ(box->icon, drive::MessageIcon::Exclamation);
  EXPECT_EQ(box->buttons.size(), 1u);
}

TEST_F(HelpTest, TheDialogHoldingTheFocusNamesTheContext) {
  drive::HelpFileScope help(drive::HelpFileScope::Kind::Present);
  drive::LaunchRecorder recorder;
  drive::RunSoon([&] {
    drive::PressKey(Key::F1);  // in the main window
    CDialog inner(kKeysDialog);
    drive::RunSoon([&] {
      drive::PressKey(Key::F1, drive::kShift);  // not help
      drive::PressKey(Key::F1);
      drive::PressKey(Key::Escape);
    });
    inner.DoModal();
    drive::PressKey(Key::Escape);
  });
  main_.DoModal();
  const auto& launches = recorder.launches;
  ASSERT_EQ(launches.size(), 2u);
  EXPECT_EQ(launches[0].helpContext, HID_BASE_RESOURCE + kPlainDialog);
  EXPECT_EQ(launches[1].helpContext, HID_BASE_RESOURCE + kKeysDialog);
  EXPECT_EQ(launches[1].arguments, (std::vector<std::string>{help.path()}));
  EXPECT_EQ(launches[1].program, "xdg-open");
}

}  // namespace
