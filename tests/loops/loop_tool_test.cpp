// SPDX-License-Identifier: GPL-3.0-or-later
#include "loops/loop_tool.h"

#include <gtest/gtest.h>
#include <unistd.h>

#include <cstdlib>
#include <regex>
#include <sstream>

#include "loops/loop_reading.h"
#include "tests/loops/fixtures.h"

namespace {

namespace fs = std::filesystem;
using fixtures::Format;

struct ToolRun {
  int status;
  std::string out;
  std::string err;
};

ToolRun Tool(std::vector<std::string> arguments) {
  std::ostringstream out, err;
  const int status = loops::RunLoopTool(arguments, {out, err, false, "9.9"});
  return {status, out.str(), err.str()};
}

std::vector<std::string> Lines(const std::string& text) {
  std::vector<std::string> lines;
  std::istringstream in(text);
  for (std::string line; std::getline(in, line);) {
    lines.push_back(line);
  }
  return lines;
}

// A small library: two loops and a text file at the top, a loop in a folder, a link to
// that folder and a link that loops back to the top.
class Library : public testing::Test {
 protected:
  void SetUp() override {
    fixtures::WriteAudio(folder / "b 168 bpm.wav", Format::Wav, 252000);
    fixtures::WriteAudio(folder / "a.flac", Format::Flac, 88200);
    fixtures::WriteBytes(folder / "notes.txt", "not audio");
    fs::create_directory(folder / "sub");
    fixtures::WriteAudio(folder / "sub" / "c.ogg", Format::OggVorbis, 44100);
    fs::create_directory_symlink(folder / "sub", folder / "link-to-sub");
    fs::create_directory_symlink(folder.path(), folder / "sub" / "loop");
  }
  std::string Path(const std::string& name) const { return (folder / name).string(); }

  fixtures::Folder folder;
};

TEST_F(Library, AFoldersAudioFilesComeSortedByNameAndRecursionIsAskedFor) {
  const ToolRun flat = Tool({"--csv", folder.path().string()});
  EXPECT_EQ(flat.status, 0) << flat.err;
  EXPECT_EQ(Lines(flat.out).size(), 3u);  // the header and two loops; no text file
  EXPECT_TRUE(Lines(flat.out)[1].starts_with(Path("a.flac") + ","));
  EXPECT_TRUE(Lines(flat.out)[2].starts_with("\"" + Path("b 168 bpm.wav")) ||
              Lines(flat.out)[2].starts_with(Path("b 168 bpm.wav") + ","));

  // Links to folders are not followed, so the loop back to the top is never walked.
  const ToolRun deep = Tool({"-r", "--json", folder.path().string()});
  EXPECT_EQ(deep.status, 0) << deep.err;
  const auto lines = Lines(deep.out);
  ASSERT_EQ(lines.size(), 3u);
  EXPECT_NE(lines[2].find("sub/c.ogg"), std::string::npos);
}

TEST_F(Library, EveryInputGetsItsRecordOrItsErrorInTheOrderGiven) {
  const ToolRun run =
      Tool({"--json", Path("notes.txt"), Path("sub/c.ogg"), Path("missing.wav"), Path("a.flac")});
  EXPECT_EQ(run.status, 1);
  const auto lines = Lines(run.out);
  ASSERT_EQ(lines.size(), 4u);
  EXPECT_EQ(lines[0], "{\"path\":\"" + Path("notes.txt") +
                          "\",\"error\":\"It is not a WAV, AIFF, FLAC, Ogg or MP3 file.\"}");
  EXPECT_NE(lines[1].find("\"frames\":44100"), std::string::npos);
  EXPECT_NE(lines[2].find("\"error\":\"It cannot be opened"), std::string::npos);
  EXPECT_NE(lines[3].find("\"frames\":88200"), std::string::npos);

  // In the table and CSV, errors go to standard error and the records stay clean.
  const ToolRun table = Tool({Path("missing.wav"), Path("a.flac")});
  EXPECT_EQ(table.status, 1);
  EXPECT_EQ(Lines(table.out).size(), 2u);
  EXPECT_EQ(table.err, "tremlet-loop: " + Path("missing.wav") +
                           ": It cannot be opened: No such file or directory.\n");
}

TEST_F(Library, JsonNumbersReadBackAsTheVeryDoubles) {
  const ToolRun run = Tool({"--json", "--beats", "7", Path("b 168 bpm.wav")});
  const loops::LoopResult expected =
      loops::ReadLoopFile(Path("b 168 bpm.wav"), {7.0, loops::TempoRange{}});
  ASSERT_TRUE(expected.reading);
  const auto number = [&](const std::string& key) {
    const std::regex pattern("\"" + key + "\":([-0-9.e+]+)");
    std::smatch match;
    EXPECT_TRUE(std::regex_search(run.out, match, pattern)) << key;
    return std::strtod(match[1].str().c_str(), nullptr);
  };
  EXPECT_EQ(number("seconds"), expected.reading->seconds);
  EXPECT_EQ(number("tempo"), expected.reading->tempo);
  EXPECT_EQ(number("beats"), 7);
  EXPECT_NE(run.out.find("\"beats_from\":\"option\""), std::string::npos);
  EXPECT_NE(run.out.find("\"tempo_text\":\"73.500\""), std::string::npos);
  // Each candidate's tempo too.
  std::string rest = run.out;
  const std::regex candidate("\\{\"beats\":(\\d+),\"tempo\":([-0-9.e+]+)\\}");
  int seen = 0;
  for (std::smatch match; std::regex_search(rest, match, candidate); rest = match.suffix()) {
    const int beats = std::stoi(match[1]);
    EXPECT_EQ(std::strtod(match[2].str().c_str(), nullptr),
              expected.reading->candidates[static_cast<std::size_t>(seen)].tempo)
        << beats;
    ++seen;
  }
  EXPECT_EQ(seen, 7);
}

TEST_F(Library, OptionsChangeTheCountTheGuessAndTheDecimals) {
  const std::string a = Path("a.flac");  // 2 s
  EXPECT_NE(Tool({a}).out.find("120.000"), std::string::npos);
  EXPECT_NE(Tool({"--full", a}).out.find("120.000000"), std::string::npos);
  EXPECT_NE(Tool({"--range", "40-80", a}).out.find(" 60.000"), std::string::npos);
  EXPECT_NE(Tool({"--beats=2.5", a}).out.find(" 75.000"), std::string::npos);
  EXPECT_NE(Tool({"-j1", a}).out.find("120.000"), std::string::npos);
}

TEST(LoopTool, UsageErrorsExitWithTwo) {
  for (const std::vector<std::string>& arguments :
       std::vector<std::vector<std::string>>{{},
                                             {"--beats", "0", "x.wav"},
                                             {"--beats", "4x", "x.wav"},
                                             {"--beats"},
                                             {"--range", "160-80", "x.wav"},
                                             {"--range", "80", "x.wav"},
                                             {"-j", "0", "x.wav"},
                                             {"--json", "--csv", "x.wav"},
                                             {"--frobnicate", "x.wav"}}) {
    const ToolRun run = Tool(arguments);
    SCOPED_TRACE(testing::PrintToString(arguments));
    EXPECT_EQ(run.status, 2);
    EXPECT_TRUE(run.out.empty());
    EXPECT_TRUE(run.err.starts_with("tremlet-loop: ")) << run.err;
  }
  EXPECT_EQ(Tool({"--version"}).out, "tremlet-loop 9.9\n");
  EXPECT_EQ(Tool({"--help"}).status, 0);
}

TEST(LoopTool, CsvQuotesWhatNeedsIt) {
  fixtures::Folder folder;
  const auto path = folder / "say \"hi\", then loop.wav";
  fixtures::WriteAudio(path, Format::Wav, 88200);
  const ToolRun run = Tool({"--csv", path.string()});
  const auto lines = Lines(run.out);
  ASSERT_EQ(lines.size(), 2u);
  EXPECT_EQ(lines[0], "path,frames,sample_rate,seconds,exact,beats,beats_from,tempo,tempo_text\r");
  std::string quoted = "\"" + path.string() + "\"";
  quoted = std::regex_replace(quoted.substr(1, quoted.size() - 2), std::regex("\""), "\"\"");
  EXPECT_EQ(lines[1], "\"" + quoted + "\",88200,44100,2,true,4,guess,120,120.000\r");
}

TEST(LoopTool, NamesThatAreNotUtf8StayBytesInEveryFormat) {
  fixtures::Folder folder;
  const auto path = folder / "caf\xE9 120bpm.wav";
  fixtures::WriteAudio(path, Format::Wav, 88200);
  EXPECT_NE(Tool({"--json", folder.path().string()}).out.find("caf\\udce9 120bpm.wav"),
            std::string::npos);
  EXPECT_NE(Tool({folder.path().string()}).out.find("caf\xE9 120bpm.wav"), std::string::npos);
}

// Whatever cannot be read is said, file or folder. The run goes on as a user without
// rights would, even when the tests run as root.
TEST(LoopTool, UnreadableFilesAndFoldersAreReported) {
  fixtures::Folder folder;
  fs::permissions(folder.path(), fs::perms::all);
  const fs::path library = folder / "library";
  fs::create_directory(library);
  fs::permissions(library, fs::perms::all);
  fixtures::WriteAudio(library / "locked.wav", Format::Wav, 88200);
  fixtures::WriteAudio(library / "open.wav", Format::Wav, 88200);
  fs::create_directory(library / "closed");
  fixtures::WriteAudio(library / "closed" / "inside.wav", Format::Wav, 88200);
  fs::permissions(library / "locked.wav", fs::perms::none);
  fs::permissions(library / "closed", fs::perms::none);
  // A copy of the tool where the unprivileged user can reach it: the build tree may lie
  // in a folder only its owner may enter.
  const fs::path tool = folder / "tremlet-loop";
  fs::copy_file(TREMLET_LOOP, tool);
  fs::permissions(tool, fs::perms::all);
  std::string command = tool.string() + " -r --json '" + (folder / "library").string() + "' > '" +
                        (folder / "out.jsonl").string() + "'";
  if (geteuid() == 0) {
    command = "setpriv --reuid=65534 --regid=65534 --clear-groups sh -c \"" + command + "\"";
  }
  const int status = std::system(command.c_str());
  const auto lines = Lines(fixtures::ReadBytes(folder / "out.jsonl"));
  EXPECT_EQ(WEXITSTATUS(status), 1);
  ASSERT_EQ(lines.size(), 3u);
  EXPECT_NE(lines[0].find("closed\",\"error\":\"The folder cannot be read: Permission denied"),
            std::string::npos);
  EXPECT_NE(lines[1].find("locked.wav\",\"error\":\"It cannot be opened: Permission denied"),
            std::string::npos);
  EXPECT_NE(lines[2].find("\"frames\":88200"), std::string::npos);
}

TEST(LoopTool, NoProgressLineWhenStandardErrorIsNoTerminal) {
  fixtures::Folder folder;
  fixtures::WriteAudio(folder / "a.wav", Format::Wav, 88200);
  const std::string command = std::string(TREMLET_LOOP) + " '" + folder.path().string() +
                              "' > /dev/null 2> '" + (folder / "err").string() + "'";
  EXPECT_EQ(std::system(command.c_str()), 0);
  EXPECT_EQ(fixtures::ReadBytes(folder / "err"), "");
}

}  // namespace
