// The desktop services the windows rely on: the system menu, window icons and painting
// while minimized, and F1 help.

#include <gtest/gtest.h>

#include <cstdio>
#include <fstream>
#include <string>
#include <vector>

#include "platform/cdialog.h"
#include "platform/cmenu.h"
#include "platform/cwinapp.h"
#include "platform/gdi.h"
#include "platform/shell.h"
#include "platform/testing/dialog_driver.h"
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
  std::vector<std::string> items, shown;
  drive::RunSoon([&] {
    items = drive::SystemMenuItems(drive::ActiveDialog());
    drive::RunSoon([&] {
      shown = drive::OpenMenuItems();
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
  EXPECT_EQ(dialog.systemCommands, (std::vector<UINT>{kAboutCommand, SC_CLOSE}));
}

TEST(SystemMenu, NoneWithoutTheStyle) {
  CDialog dialog(kPlainDialog);  // has WS_SYSMENU
  CMenu* menu = nullptr;
  drive::RunSoon([&] {
    menu = dialog.GetSystemMenu(FALSE);
    drive::PressKey(Key::Escape);
  });
  dialog.DoModal();
  EXPECT_NE(menu, nullptr);
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
  void SetUp() override { AfxGetApp()->m_pMainWnd = &main_; }
  void TearDown() override {
    AfxGetApp()->m_pMainWnd = nullptr;
    AfxGetApp()->m_pszHelpFilePath.clear();
    platform::SetDesktopLauncher({});
  }
  CDialog main_{kPlainDialog};
};

TEST_F(HelpTest, WithoutAHelpFileTheFrameworkSaysSoInFrench) {
  AfxGetApp()->m_pszHelpFilePath = "/nonexistent/platform_tests.HLP";
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
  EXPECT_EQ(box->text, "Le démarrage de l'aide a échoué.");
  EXPECT_EQ(box->caption, "platform-tests");
  EXPECT_EQ(box->icon, drive::MessageIcon::Exclamation);
  EXPECT_EQ(box->buttons.size(), 1u);
}

TEST_F(HelpTest, TheDialogHoldingTheFocusNamesTheContext) {
  const std::string helpFile = testing::TempDir() + "platform_tests.HLP";
  std::ofstream(helpFile) << "help";
  AfxGetApp()->m_pszHelpFilePath = helpFile;
  std::vector<platform::DesktopLaunch> launches;
  platform::SetDesktopLauncher([&](const platform::DesktopLaunch& launch) {
    launches.push_back(launch);
    return true;
  });
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
  std::remove(helpFile.c_str());
  ASSERT_EQ(launches.size(), 2u);
  EXPECT_EQ(launches[0].helpContext, HID_BASE_RESOURCE + kPlainDialog);
  EXPECT_EQ(launches[1].helpContext, HID_BASE_RESOURCE + kKeysDialog);
  EXPECT_EQ(launches[1].arguments, (std::vector<std::string>{helpFile}));
  EXPECT_EQ(launches[1].program, "xdg-open");
}

}  // namespace
