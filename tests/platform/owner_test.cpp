// SPDX-License-Identifier: GPL-3.0-or-later
// Owners, nesting and placement: the main window has no owner; what it opens is owned by
// its last active pop-up, disables that owner while open and is centred over it.

#include <gtest/gtest.h>

#include <functional>

#include "platform/cdialog.h"
#include "platform/cwinapp.h"
#include "platform/testing/dialog_driver.h"
#include "platform/testing/scopes.h"
#include "tests/platform/test_resources.h"

namespace {

namespace drive = platform::testing;
using drive::Key;
using namespace test_resources;

class OwnerDialog : public CDialog {
 public:
  OwnerDialog() : CDialog(kOwnerDialog) {}
  std::function<void()> onOpen;

 protected:
  void OnOpen() {
    if (onOpen) {
      onOpen();
    }
  }
  DECLARE_MESSAGE_MAP()
};

BEGIN_MESSAGE_MAP(OwnerDialog, CDialog)
ON_BN_CLICKED(kOpen, OnOpen)
END_MESSAGE_MAP()

platform::PixelRect Centre(const platform::PixelRect& r) {
  return {r.x + r.width / 2, r.y + r.height / 2, 0, 0};
}

TEST(DialogOwner, NestedRunsOwnAndDisableTheirOwners) {
  OwnerDialog main;
  drive::MainWindowScope scope(&main);
  HWND mainWindow = nullptr;
  bool innerRan = false;
  bool boxRan = false;

  main.onOpen = [&] {
    CDialog inner(kPlainDialog);
    drive::RunSoon([&] {
      HWND innerWindow = drive::ActiveDialog();
      EXPECT_TRUE(drive::IsTransientFor(innerWindow, mainWindow));
      EXPECT_FALSE(drive::HasOwnTaskBarEntry(innerWindow));
      EXPECT_FALSE(main.IsWindowEnabled());
      EXPECT_TRUE(inner.IsWindowEnabled());
      // Frames and all: the owned window's frame centred over its owner's.
      EXPECT_NEAR(Centre(drive::FrameGeometry(innerWindow)).x,
                  Centre(drive::FrameGeometry(mainWindow)).x, 1);
      EXPECT_NEAR(Centre(drive::FrameGeometry(innerWindow)).y,
                  Centre(drive::FrameGeometry(mainWindow)).y, 1);

      drive::RunSoon([&] {
        const auto box = drive::ActiveMessageBox();
        ASSERT_TRUE(box.has_value());
        EXPECT_EQ(box->caption, "platform-tests");  // the name the application was given
        EXPECT_EQ(box->text, "careful");
        EXPECT_EQ(box->icon, drive::MessageIcon::Exclamation);  // an OK box without an icon
        EXPECT_EQ(box->buttons.size(), 1u);
        EXPECT_EQ(box->owner, innerWindow);
        EXPECT_FALSE(inner.IsWindowEnabled());
        EXPECT_FALSE(main.IsWindowEnabled());
        const auto boxFrame = drive::MessageBoxFrame();
        ASSERT_TRUE(boxFrame.has_value());
        EXPECT_NEAR(Centre(*boxFrame).x, Centre(drive::FrameGeometry(innerWindow)).x, 1);
        EXPECT_NEAR(Centre(*boxFrame).y, Centre(drive::FrameGeometry(innerWindow)).y, 1);
        boxRan = true;
        drive::PressMessageBoxButton(box->buttons.front());
      });
      EXPECT_EQ(AfxMessageBox("careful"), IDOK);
      EXPECT_TRUE(inner.IsWindowEnabled());
      innerRan = true;
      drive::PressKey(Key::Escape);
    });
    EXPECT_EQ(inner.DoModal(), IDCANCEL);
    EXPECT_TRUE(main.IsWindowEnabled());
  };

  drive::RunSoon([&] {
    mainWindow = drive::ActiveDialog();
    EXPECT_TRUE(drive::HasOwnTaskBarEntry(mainWindow));
    drive::PressKey(Key::Return);  // the focused "Open"
    EXPECT_EQ(drive::ActiveDialog(), mainWindow);
    drive::PressKey(Key::Escape);
  });
  EXPECT_EQ(main.DoModal(), IDCANCEL);
  EXPECT_TRUE(innerRan);
  EXPECT_TRUE(boxRan);
}

TEST(DialogOwner, DisabledOwnerTakesNoInput) {
  OwnerDialog main;
  drive::MainWindowScope scope(&main);
  int opened = 0;
  main.onOpen = [&] {
    ++opened;
    CDialog inner(kPlainDialog);
    drive::RunSoon([&] {
      // Keys and clicks aimed at the owner go nowhere while it is disabled.
      drive::Click(drive::Control(main.m_hWnd, kOpen));
      drive::PressKey(Key::Escape);
    });
    inner.DoModal();
  };
  drive::RunSoon([&] {
    drive::Click(drive::Control(drive::ActiveDialog(), kOpen));
    drive::PressKey(Key::Escape);
  });
  main.DoModal();
  EXPECT_EQ(opened, 1);
}

TEST(DialogOwner, WithoutOwnerCentredInThePrimaryWorkArea) {
  CDialog dialog(kPlainDialog);
  platform::PixelRect geometry;
  drive::RunSoon([&] {
    geometry = drive::FrameGeometry(drive::ActiveDialog());
    drive::PressKey(Key::Escape);
  });
  dialog.DoModal();
  const platform::PixelRect area = drive::PrimaryWorkArea();
  EXPECT_NEAR(geometry.x + geometry.width / 2, area.x + area.width / 2, 1);
  EXPECT_NEAR(geometry.y + geometry.height / 2, area.y + area.height / 2, 1);
}

TEST(DialogOwner, MessageBoxWithAStopIcon) {
  drive::RunSoon([] {
    const auto box = drive::ActiveMessageBox();
    ASSERT_TRUE(box.has_value());
    EXPECT_EQ(box->icon, drive::MessageIcon::Stop);
    EXPECT_EQ(box->owner, nullptr);  // no main window yet
    drive::PressKey(Key::Return);
  });
  EXPECT_EQ(AfxMessageBox("invalid data", MB_ICONSTOP), IDOK);
}

}  // namespace
