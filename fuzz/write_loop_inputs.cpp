// SPDX-License-Identifier: GPL-3.0-or-later
// Writes small loop files of every format the reader takes into a folder, as the loop
// fuzzer's first inputs: write_loop_inputs FOLDER

#include <sndfile.h>

#include <cmath>
#include <cstdio>
#include <string>
#include <vector>

int main(int argc, char** argv) {
  if (argc != 2) {
    std::fprintf(stderr, "usage: %s FOLDER\n", argv[0]);
    return 2;
  }
  struct Input {
    const char* name;
    int format;
  };
  const Input inputs[] = {
      {"loop.wav", SF_FORMAT_WAV | SF_FORMAT_PCM_16},
      {"loop.aiff", SF_FORMAT_AIFF | SF_FORMAT_PCM_16},
      {"loop.flac", SF_FORMAT_FLAC | SF_FORMAT_PCM_16},
      {"loop.ogg", SF_FORMAT_OGG | SF_FORMAT_VORBIS},
      {"loop.opus", SF_FORMAT_OGG | SF_FORMAT_OPUS},
      {"loop.mp3", SF_FORMAT_MPEG | SF_FORMAT_MPEG_LAYER_III},
  };
  std::vector<float> sound(1152);
  for (std::size_t i = 0; i < sound.size(); ++i) {
    sound[i] = 0.25f * static_cast<float>(std::sin(0.05 * static_cast<double>(i)));
  }
  for (const Input& input : inputs) {
    SF_INFO info{};
    info.samplerate = 48000;
    info.channels = 1;
    info.format = input.format;
    const std::string path = std::string(argv[1]) + "/" + input.name;
    SNDFILE* file = sf_open(path.c_str(), SFM_WRITE, &info);
    if (file == nullptr) {
      std::fprintf(stderr, "%s: %s\n", path.c_str(), sf_strerror(nullptr));
      return 1;
    }
    sf_writef_float(file, sound.data(), static_cast<sf_count_t>(sound.size()));
    sf_close(file);
  }
  return 0;
}
