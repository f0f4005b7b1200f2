// SPDX-License-Identifier: GPL-3.0-or-later
// Opening documents: Windows paths mapped into the program's data directories, Internet
// shortcuts, and what reaches the desktop's opener.

#include "platform/shell.h"

#include <gtest/gtest.h>
#include <sys/stat.h>
#include <unistd.h>

#include <chrono>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <thread>

#include "platform/testing/scopes.h"
#include "tests/platform/test_resources.h"

namespace {

namespace fs = std::filesystem;
namespace drive = platform::testing;

class DataDirectories : public testing::Test {
 protected:
  void SetUp() override {
    root_ = fs::path(testing::TempDir()) / ("shell_test_" + std::to_string(getpid()));
    fs::remove_all(root_);
    // The data directories are named for the program, which these tests are.
    user_ = root_ / "user" / test_resources::kProgramName;
    install_ = root_ / "install" / test_resources::kProgramName;
    Write(user_ / "drive_c/audio/velmora/help/Page.html", "user page");
    Write(install_ / "drive_c/audio/velmora/help/Page.html", "installed page");
    Write(install_ / "drive_c/audio/velmora/tremlet/site.url",
          "[InternetShortcut]\r\nURL=https://tremlet.example/\r\n");
    Write(install_ / "drive_c/audio/velmora/tremlet/local.url",
          "[InternetShortcut]\nURL=file:///etc/passwd\n");
    Write(install_ / "drive_c/odd name; $(touch pwned)/f.html", "odd");
    Write(root_ / "outside.html", "outside");
    fs::create_symlink(root_ / "outside.html", install_ / "drive_c/link.html");
  }
  void TearDown() override { fs::remove_all(root_); }
  static void Write(const fs::path& path, const std::string& text) {
    fs::create_directories(path.parent_path());
    std::ofstream(path) << text;
  }
  std::vector<std::string> Directories() const { return {user_.string(), install_.string()}; }

  fs::path root_, user_, install_;
};

TEST_F(DataDirectories, MapsDriveCPathsUserDirectoryFirst) {
  struct Case {
    const char* path;
    std::optional<fs::path> expected;  // relative to the root
  };
  const fs::path userPage =
      fs::path("user") / test_resources::kProgramName / "drive_c/audio/velmora/help/Page.html";
  const Case cases[] = {
      {"c:\\audio\\velmora\\help\\Page.html", userPage},
      {"C:/audio/velmora/help/Page.html", userPage},
      {"c:\\AUDIO\\Velmora\\HELP\\page.HTML", userPage},  // Windows paths ignore case
      {"c:\\audio\\\\velmora\\.\\help\\Page.html", userPage},
      {"c:\\audio\\velmora\\tremlet\\site.url", fs::path("install") / test_resources::kProgramName /
                                                    "drive_c/audio/velmora/tremlet/site.url"},
      {"c:\\audio\\velmora\\help\\Missing.html", std::nullopt},
      {"c:\\audio\\velmora\\help", std::nullopt},             // a folder, not a file
      {"d:\\audio\\velmora\\help\\Page.html", std::nullopt},  // another drive
      {"audio\\velmora\\help\\Page.html", std::nullopt},      // relative
      {"\\audio\\velmora\\help\\Page.html", std::nullopt},    // no drive
      {"c:\\..\\..\\outside.html", std::nullopt},             // never above drive C
      {"c:\\audio\\..\\..\\outside.html", std::nullopt},
      {"c:\\link.html", std::nullopt},  // a link leading out
      {"c:", std::nullopt},
      {"", std::nullopt},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.path);
    const auto mapped = platform::MapDocumentPath(c.path, Directories());
    if (c.expected) {
      ASSERT_TRUE(mapped.has_value());
      EXPECT_EQ(fs::path(*mapped), fs::canonical(root_ / *c.expected));
    } else {
      EXPECT_FALSE(mapped.has_value());
    }
  }
}

// ASCII text as UTF-16 with its byte-order mark, as Windows saves "Unicode" text.
std::string Utf16(std::string_view ascii, bool littleEndian) {
  std::string bytes = littleEndian ? "\xFF\xFE" : "\xFE\xFF";
  for (const char c : ascii) {
    bytes += littleEndian ? std::string{c, '\0'} : std::string{'\0', c};
  }
  return bytes;
}

TEST(InternetShortcut, OnlyHttpAndHttpsUrlsAreFollowed) {
  struct Case {
    std::string text;
    std::optional<std::string> url;
  };
  const Case cases[] = {
      {"[InternetShortcut]\r\nURL=https://tremlet.example/\r\n", "https://tremlet.example/"},
      {"[DEFAULT]\nBASEURL=x\n[internetshortcut]\nurl = http://a.example/p?q=1\n",
       "http://a.example/p?q=1"},
      {"[InternetShortcut]\nIconIndex=0\n", std::nullopt},  // no URL
      {"[InternetShortcut]\nURL=file:///etc/passwd\n", std::nullopt},
      {"[InternetShortcut]\nURL=javascript:alert(1)\n", std::nullopt},
      {"[InternetShortcut]\nURL=https:\n", std::nullopt},
      {"[Other]\nURL=https://elsewhere.example/\n", std::nullopt},
      {"\xEF\xBB\xBF[InternetShortcut]\r\nURL=https://bom.example/\r\n", "https://bom.example/"},
      {Utf16("[InternetShortcut]\r\nURL=http://a.example/\r\n", true), "http://a.example/"},
      {Utf16("[InternetShortcut]\nURL=http://b.example/\n", false), "http://b.example/"},
      {"\x01\x02garbage\xff", std::nullopt},
      {"", std::nullopt},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.text);
    EXPECT_EQ(platform::InternetShortcutUrl(c.text), c.url);
  }
}

TEST_F(DataDirectories, ShellExecuteHandsTheOpenerOneArgument) {
  drive::EnvironmentScope dataHome("XDG_DATA_HOME", (root_ / "user").string());
  drive::LaunchRecorder recorder;
  const auto& launches = recorder.launches;
  const HINSTANCE page = ShellExecuteA(nullptr, "open", "c:\\audio\\velmora\\help\\Page.html",
                                       nullptr, nullptr, SW_SHOWNORMAL);
  // The installation's share/tremlet is not this tree: only the user directory maps here.
  ShellExecuteA(nullptr, "open", "c:\\missing.html", nullptr, nullptr, SW_SHOWNORMAL);
  ShellExecuteA(nullptr, "edit", "c:\\audio\\velmora\\help\\Page.html", nullptr, nullptr,
                SW_SHOWNORMAL);

  EXPECT_GT(reinterpret_cast<std::uintptr_t>(page), 32u);
  ASSERT_EQ(launches.size(), 1u);
  EXPECT_EQ(launches[0].verb, "open");
  EXPECT_EQ(launches[0].requestedPath, "c:\\audio\\velmora\\help\\Page.html");
  EXPECT_EQ(launches[0].show, SW_SHOWNORMAL);
  EXPECT_EQ(launches[0].program, "xdg-open");
  EXPECT_EQ(launches[0].arguments, (std::vector<std::string>{launches[0].mappedPath}));
  EXPECT_EQ(fs::path(launches[0].mappedPath),
            fs::canonical(user_ / "drive_c/audio/velmora/help/Page.html"));
}

TEST_F(DataDirectories, ShortcutsOpenTheirUrlAndOthersNothing) {
  drive::EnvironmentScope dataHome("XDG_DATA_HOME", (root_ / "install").string());
  drive::LaunchRecorder recorder;
  const auto& launches = recorder.launches;
  ShellExecuteA(nullptr, "open", "c:\\audio\\velmora\\tremlet\\site.url", nullptr, nullptr,
                SW_SHOWNORMAL);
  ShellExecuteA(nullptr, "open", "c:\\audio\\velmora\\tremlet\\local.url", nullptr, nullptr,
                SW_SHOWNORMAL);
  ASSERT_EQ(launches.size(), 1u);
  EXPECT_EQ(launches[0].arguments, (std::vector<std::string>{"https://tremlet.example/"}));
}

// The real launcher, with an opener of our own first on PATH: it gets the path as its one
// argument, byte for byte even where a folder's name is not UTF-8, and no shell reads it.
TEST_F(DataDirectories, TheDetachedOpenerGetsThePathAsItIsAndNoShellRunsIt) {
  const fs::path bin = root_ / "bin";
  const fs::path record = root_ / "opened.txt";
  Write(bin / "xdg-open", "#!/bin/sh\nprintf '%s|%s\\n' \"$#\" \"$1\" > \"" + record.string() +
                              ".tmp\" && mv \"" + record.string() + ".tmp\" \"" + record.string() +
                              "\"\n");
  fs::permissions(bin / "xdg-open", fs::perms::owner_all);
  const fs::path latin1Home = root_ / "caf\xE9";  // "café" in Latin-1: not UTF-8
  const fs::path document =
      latin1Home / test_resources::kProgramName / "drive_c/odd name; $(touch pwned)/f.html";
  Write(document, "odd");
  const std::string oldPath = std::getenv("PATH") != nullptr ? std::getenv("PATH") : "";
  drive::EnvironmentScope path("PATH", bin.string() + ":" + oldPath);
  drive::EnvironmentScope dataHome("XDG_DATA_HOME", latin1Home.string());
  const fs::path cwd = fs::current_path();
  fs::current_path(root_);

  const HINSTANCE started = ShellExecuteA(nullptr, "open", "c:\\odd name; $(touch pwned)\\f.html",
                                          nullptr, nullptr, SW_SHOWNORMAL);
  for (int i = 0; i < 200 && !fs::exists(record); ++i) {
    std::this_thread::sleep_for(std::chrono::milliseconds(10));
  }
  fs::current_path(cwd);

  EXPECT_GT(reinterpret_cast<std::uintptr_t>(started), 32u);
  ASSERT_TRUE(fs::exists(record));
  std::ifstream in(record, std::ios::binary);
  std::string line;
  std::getline(in, line);
  EXPECT_EQ(line, "1|" + fs::canonical(document).string());
  EXPECT_FALSE(fs::exists(root_ / "pwned"));
}

TEST_F(DataDirectories, WithoutAnOpenerNothingStarts) {
  drive::EnvironmentScope path("PATH", (root_ / "empty").string());
  drive::EnvironmentScope dataHome("XDG_DATA_HOME", (root_ / "user").string());
  const HINSTANCE started = ShellExecuteA(nullptr, "open", "c:\\audio\\velmora\\help\\Page.html",
                                          nullptr, nullptr, SW_SHOWNORMAL);
  EXPECT_LE(reinterpret_cast<std::uintptr_t>(started), 32u);
}

TEST(WinHelp, FailsWhenTheHelpFileIsMissing) {
  EXPECT_FALSE(WinHelpA(nullptr, "/nonexistent/tremlet.HLP", HELP_CONTEXT, 0x20066));
  EXPECT_FALSE(WinHelpA(nullptr, nullptr, HELP_CONTEXT, 0));
}

}  // namespace
