// SPDX-License-Identifier: GPL-3.0-or-later
#include "loops/loop_reading.h"

#include <gtest/gtest.h>

#include <random>

#include "core/tempo_form.h"
#include "tests/loops/fixtures.h"

namespace {

using fixtures::Format;
using loops::BeatsSource;

struct FormatCase {
  Format format;
  const char* extension;
};
const FormatCase kFormats[] = {{Format::Wav, "wav"},      {Format::Aiff, "aiff"},
                               {Format::Flac, "flac"},    {Format::OggVorbis, "ogg"},
                               {Format::OggOpus, "opus"}, {Format::Mp3, "mp3"}};

loops::LoopReading ReadOk(const std::filesystem::path& path,
                          const loops::LoopOptions& options = {}) {
  const loops::LoopResult result = loops::ReadLoopFile(path.string(), options);
  EXPECT_TRUE(result.reading.has_value()) << path << ": " << result.error;
  return result.reading.value_or(loops::LoopReading{});
}

TEST(LoopReading, EveryFormatGivesItsExactLengthAndTheCalculatorsTempo) {
  fixtures::Folder folder;
  // 176401 frames at 44100 Hz: 4.000022675736962 s, a length three decimals would round.
  for (const auto& c : kFormats) {
    SCOPED_TRACE(c.extension);
    const int rate = c.format == Format::OggOpus ? 48000 : 44100;
    const std::int64_t frames = c.format == Format::OggOpus ? 192001 : 176401;
    const auto path = folder / (std::string("loop.") + c.extension);
    fixtures::WriteAudio(path, c.format, frames, rate);
    const loops::LoopReading reading = ReadOk(path);
    EXPECT_EQ(reading.frames, frames);
    EXPECT_EQ(reading.sampleRate, rate);
    EXPECT_EQ(reading.seconds, static_cast<double>(frames) / rate);
    EXPECT_TRUE(reading.exact);
    EXPECT_EQ(reading.beatsFrom, BeatsSource::Guess);
    EXPECT_EQ(reading.beats, 8);  // 119.99932 BPM at 8 beats
    EXPECT_EQ(reading.tempo, core::ConvertBeats(reading.seconds, 8));
  }
}

TEST(LoopReading, TheBeatCountComesFromTheMostTrustedSource) {
  fixtures::Folder folder;
  // 5.714285714 s: 16 beats at 168 BPM.
  constexpr std::int64_t kFrames = 252000;
  struct Case {
    const char* name;
    Format format;
    int acidOrBascBeats;  // 0: no loop chunk
    const char* tag;      // nullptr: no tag
    std::optional<double> option;
    double beats;
    BeatsSource from;
  };
  const Case cases[] = {
      {"plain.wav", Format::Wav, 0, nullptr, std::nullopt, 8, BeatsSource::Guess},
      {"x 168 BPM.wav", Format::Wav, 0, nullptr, std::nullopt, 16, BeatsSource::Name},
      {"tagged.flac", Format::Flac, 0, "168", std::nullopt, 16, BeatsSource::Tag},
      {"tagged.ogg", Format::OggVorbis, 0, "84", std::nullopt, 8, BeatsSource::Tag},
      {"tagged.mp3", Format::Mp3, 0, "168", std::nullopt, 16, BeatsSource::Tag},
      {"tagged 84 BPM.wav", Format::Wav, 0, "168", std::nullopt, 16, BeatsSource::Tag},
      {"acid 84 BPM.wav", Format::Wav, 12, "168", std::nullopt, 12, BeatsSource::LoopInfo},
      {"basc.aiff", Format::Aiff, 6, nullptr, std::nullopt, 6, BeatsSource::LoopInfo},
      {"acid.wav", Format::Wav, 12, "168", 2.5, 2.5, BeatsSource::Option},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.name);
    const auto path = folder / c.name;
    fixtures::WriteAudio(path, c.format, kFrames);
    if (c.acidOrBascBeats != 0) {
      c.format == Format::Aiff ? fixtures::AddBascChunk(path, c.acidOrBascBeats)
                               : fixtures::AddAcidChunk(path, c.acidOrBascBeats, 100.0f);
    }
    if (c.tag != nullptr) {
      fixtures::SetTempoTag(path, c.tag);
    }
    const loops::LoopReading reading = ReadOk(path, {c.option, {}});
    EXPECT_EQ(reading.beatsFrom, c.from);
    EXPECT_EQ(reading.beats, c.beats);
    EXPECT_EQ(reading.tempo, core::ConvertBeats(reading.seconds, c.beats));
  }
}

TEST(LoopReading, AnAcidChunkWithoutBeatsGivesItsTempo) {
  fixtures::Folder folder;
  const auto path = folder / "acid.wav";
  fixtures::WriteAudio(path, Format::Wav, 252000);
  fixtures::AddAcidChunk(path, 0, 168.0f);
  const loops::LoopReading reading = ReadOk(path);
  EXPECT_EQ(reading.beatsFrom, BeatsSource::LoopInfo);
  EXPECT_EQ(reading.beats, 16);
}

TEST(LoopReading, AnMp3WithoutTheEncodersFrameIsNotExact) {
  fixtures::Folder folder;
  const auto path = folder / "loop.mp3";
  fixtures::WriteAudio(path, Format::Mp3, 88200);
  EXPECT_TRUE(ReadOk(path).exact);
  std::string bytes = fixtures::ReadBytes(path);
  const auto info = bytes.find("Xing");
  ASSERT_NE(info, std::string::npos);
  bytes.replace(info, 4, "Xyzw");  // the frame is then a frame of sound like the others
  fixtures::WriteBytes(path, bytes);
  const loops::LoopReading reading = ReadOk(path);
  EXPECT_FALSE(reading.exact);
}

TEST(LoopReading, BadFilesGiveASentenceAndNeverARecord) {
  fixtures::Folder folder;
  fixtures::WriteAudio(folder / "good.wav", Format::Wav, 44100);
  const std::string good = fixtures::ReadBytes(folder / "good.wav");
  std::string zeroRate = good;
  zeroRate.replace(24, 4, std::string(4, '\0'));  // the fmt chunk's sample rate
  std::string huge = good;
  huge.replace(40, 4, "\xff\xff\xff\x7f");  // a data chunk of 2 GiB in a small file
  std::mt19937 random(7);
  std::string noise(4096, '\0');
  for (char& c : noise) {
    c = static_cast<char>(random());
  }
  struct Case {
    const char* name;
    std::string bytes;
  };
  const Case cases[] = {
      {"empty.wav", ""},
      {"truncated.wav", good.substr(0, 30)},
      {"zero-rate.wav", zeroRate},
      {"noise.wav", noise},
      {"riff-noise.wav", "RIFF\x10\0\0\0WAVE" + noise},
      {"text.wav", "not a sound file\n"},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.name);
    fixtures::WriteBytes(folder / c.name, c.bytes);
    const loops::LoopResult result = loops::ReadLoopFile((folder / c.name).string(), {});
    EXPECT_FALSE(result.reading.has_value());
    EXPECT_FALSE(result.error.empty());
    EXPECT_TRUE(result.error.ends_with('.')) << result.error;
  }
  // A data chunk larger than the file is read up to the file's end.
  fixtures::WriteBytes(folder / "huge.wav", huge);
  const loops::LoopResult claimed = loops::ReadLoopFile((folder / "huge.wav").string(), {});
  if (claimed.reading) {
    EXPECT_LE(claimed.reading->frames, 44100);
  }
  EXPECT_EQ(loops::ReadLoopFile((folder / "missing.wav").string(), {}).error,
            "It cannot be opened: No such file or directory.");
  EXPECT_EQ(loops::ReadLoopFile(folder.path().string(), {}).error, "It is a folder, not a file.");
  EXPECT_EQ(loops::ReadLoopFile((folder / "empty.wav").string(), {}).error, "The file is empty.");
  EXPECT_EQ(loops::ReadLoopFile((folder / "text.wav").string(), {}).error,
            "It is not a WAV, AIFF, FLAC, Ogg or MP3 file.");
}

TEST(LoopReading, TheKindComesFromTheBytesNotTheName) {
  fixtures::Folder folder;
  fixtures::WriteAudio(folder / "flac.wav", Format::Flac, 88200);
  EXPECT_EQ(ReadOk(folder / "flac.wav").frames, 88200);
}

TEST(LoopReading, BytesInMemoryReadAsTheFileDoes) {
  fixtures::Folder folder;
  for (const auto& c : kFormats) {
    SCOPED_TRACE(c.extension);
    const auto path = folder / (std::string("m 168 bpm.") + c.extension);
    fixtures::WriteAudio(path, c.format, 252000, c.format == Format::OggOpus ? 48000 : 44100);
    if (c.format != Format::Aiff) {
      fixtures::SetTempoTag(path, "84");
    }
    const loops::LoopResult fromFile = loops::ReadLoopFile(path.string(), {});
    const loops::LoopResult fromMemory =
        loops::ReadLoopBytes(fixtures::ReadBytes(path), path.filename().string(), {});
    ASSERT_TRUE(fromFile.reading && fromMemory.reading) << fromFile.error << fromMemory.error;
    EXPECT_EQ(fromMemory.reading->frames, fromFile.reading->frames);
    EXPECT_EQ(fromMemory.reading->beatsFrom, fromFile.reading->beatsFrom);
    EXPECT_EQ(fromMemory.reading->beats, fromFile.reading->beats);
  }
}

TEST(HasAudioExtension, PicksTheLoopFormatsInAnyCase) {
  for (const char* name :
       {"a.wav", "B.WAV", "c.aif", "d.aiff", "e.flac", "f.ogg", "g.opus", "h.mp3", "i.Mp3"}) {
    EXPECT_TRUE(loops::HasAudioExtension(name)) << name;
  }
  for (const char* name : {"a.txt", "wav", "a.wav.bak", "a.mid", ".", "folder.wav/readme"}) {
    EXPECT_FALSE(loops::HasAudioExtension(name)) << name;
  }
}

}  // namespace
