// SPDX-License-Identifier: GPL-3.0-or-later
// Writes a corpus of loop files for the loop-file benchmark: WAV, FLAC and Ogg Vorbis in
// turn, mono at 44100 Hz, each from 1 to 10 s long, in folders of 100, a tempo in one
// name of three. Repeatable: the same count gives the same files.
//
//   make_loop_corpus FOLDER COUNT

#include <sndfile.h>

#include <cmath>
#include <cstdio>
#include <filesystem>
#include <random>
#include <string>
#include <vector>

int main(int argc, char** argv) {
  if (argc != 3) {
    std::fprintf(stderr, "usage: %s FOLDER COUNT\n", argv[0]);
    return 2;
  }
  const std::filesystem::path root = argv[1];
  const int count = std::stoi(argv[2]);
  std::mt19937 random(1211);
  std::uniform_int_distribution<int> seconds(1, 10);
  std::uniform_int_distribution<int> tempo(70, 175);
  struct Kind {
    const char* extension;
    int format;
  };
  const Kind kinds[] = {{"wav", SF_FORMAT_WAV | SF_FORMAT_PCM_16},
                        {"flac", SF_FORMAT_FLAC | SF_FORMAT_PCM_16},
                        {"ogg", SF_FORMAT_OGG | SF_FORMAT_VORBIS}};
  std::vector<float> sound(44100 * 10);
  for (std::size_t i = 0; i < sound.size(); ++i) {
    sound[i] = 0.3f * static_cast<float>(std::sin(0.031 * static_cast<double>(i)) *
                                         std::sin(0.0007 * static_cast<double>(i)));
  }
  for (int i = 0; i < count; ++i) {
    const Kind& kind = kinds[i % 3];
    char folderName[32];
    std::snprintf(folderName, sizeof folderName, "set%d", i / 100);
    char name[64];
    if (i % 3 == 1) {
      std::snprintf(name, sizeof name, "loop%d %d BPM.%s", i, tempo(random), kind.extension);
    } else {
      std::snprintf(name, sizeof name, "loop%d.%s", i, kind.extension);
    }
    const std::filesystem::path folder = root / folderName;
    std::filesystem::create_directories(folder);
    const std::filesystem::path path = folder / name;
    const sf_count_t frames = 44100 * seconds(random) + i % 97;
    if (std::filesystem::exists(path)) {
      continue;
    }
    SF_INFO info{};
    info.samplerate = 44100;
    info.channels = 1;
    info.format = kind.format;
    SNDFILE* file = sf_open(path.c_str(), SFM_WRITE, &info);
    if (file == nullptr) {
      std::fprintf(stderr, "%s: %s\n", path.c_str(), sf_strerror(nullptr));
      return 1;
    }
    sf_writef_float(file, sound.data(), frames);
    sf_close(file);
  }
  return 0;
}
