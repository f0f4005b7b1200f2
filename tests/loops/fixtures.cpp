// SPDX-License-Identifier: GPL-3.0-or-later
#include "tests/loops/fixtures.h"

#include <gtest/gtest.h>
#include <sndfile.h>
#include <taglib/fileref.h>
#include <taglib/tpropertymap.h>
#include <unistd.h>

#include <atomic>
#include <cmath>
#include <cstring>
#include <fstream>
#include <iterator>
#include <stdexcept>
#include <vector>

namespace fixtures {
namespace {

int SndfileFormat(Format format) {
  switch (format) {
    case Format::Wav:
      return SF_FORMAT_WAV | SF_FORMAT_PCM_16;
    case Format::Aiff:
      return SF_FORMAT_AIFF | SF_FORMAT_PCM_16;
    case Format::Flac:
      return SF_FORMAT_FLAC | SF_FORMAT_PCM_16;
    case Format::OggVorbis:
      return SF_FORMAT_OGG | SF_FORMAT_VORBIS;
    case Format::OggOpus:
      return SF_FORMAT_OGG | SF_FORMAT_OPUS;
    case Format::Mp3:
      return SF_FORMAT_MPEG | SF_FORMAT_MPEG_LAYER_III;
  }
  return 0;
}

void PutLittle(std::string& bytes, std::uint32_t value, int count) {
  for (int i = 0; i < count; ++i) {
    bytes += static_cast<char>((value >> (8 * i)) & 0xFF);
  }
}

void PutBig(std::string& bytes, std::uint32_t value, int count) {
  for (int i = count - 1; i >= 0; --i) {
    bytes += static_cast<char>((value >> (8 * i)) & 0xFF);
  }
}

void SetLittle(std::string& bytes, std::size_t at, std::uint32_t value) {
  for (int i = 0; i < 4; ++i) {
    bytes[at + static_cast<std::size_t>(i)] = static_cast<char>((value >> (8 * i)) & 0xFF);
  }
}

void SetBig(std::string& bytes, std::size_t at, std::uint32_t value) {
  for (int i = 0; i < 4; ++i) {
    bytes[at + static_cast<std::size_t>(i)] = static_cast<char>((value >> (8 * (3 - i))) & 0xFF);
  }
}

// Puts `chunk` before the first chunk with the id `before`, and grows the container's size.
void InsertChunk(const std::filesystem::path& path, const std::string& before,
                 const std::string& chunk, bool bigEndian) {
  std::string bytes = ReadBytes(path);
  const std::size_t at = bytes.find(before, 12);
  if (at == std::string::npos) {
    throw std::runtime_error("no " + before + " chunk in " + path.string());
  }
  bytes.insert(at, chunk);
  const auto size = static_cast<std::uint32_t>(bytes.size() - 8);
  bigEndian ? SetBig(bytes, 4, size) : SetLittle(bytes, 4, size);
  WriteBytes(path, bytes);
}

}  // namespace

Folder::Folder() {
  static std::atomic<int> count{0};
  path_ = std::filesystem::path(testing::TempDir()) /
          ("loops-" + std::to_string(getpid()) + "-" + std::to_string(count++));
  std::filesystem::remove_all(path_);
  std::filesystem::create_directories(path_);
}

Folder::~Folder() {
  std::error_code ignored;
  std::filesystem::permissions(path_, std::filesystem::perms::owner_all,
                               std::filesystem::perm_options::add, ignored);
  std::filesystem::remove_all(path_, ignored);
}

void WriteAudio(const std::filesystem::path& path, Format format, std::int64_t frames, int rate) {
  SF_INFO info{};
  info.samplerate = rate;
  info.channels = 1;
  info.format = SndfileFormat(format);
  SNDFILE* file = sf_open(path.c_str(), SFM_WRITE, &info);
  if (file == nullptr) {
    throw std::runtime_error("cannot write " + path.string() + ": " + sf_strerror(nullptr));
  }
  std::vector<float> block(4096);
  for (std::int64_t done = 0; done < frames;) {
    const auto count = static_cast<std::int64_t>(
        std::min<std::int64_t>(static_cast<std::int64_t>(block.size()), frames - done));
    for (std::int64_t i = 0; i < count; ++i) {
      block[static_cast<std::size_t>(i)] =
          0.25f * static_cast<float>(std::sin(0.05 * static_cast<double>(done + i)));
    }
    sf_writef_float(file, block.data(), count);
    done += count;
  }
  sf_close(file);
}

void AddAcidChunk(const std::filesystem::path& wav, int beats, float tempo) {
  std::string chunk = "acid";
  PutLittle(chunk, 24, 4);
  PutLittle(chunk, 0, 4);   // flags: a loop, no root note
  PutLittle(chunk, 60, 2);  // root note
  PutLittle(chunk, 0x8000, 2);
  PutLittle(chunk, 0, 4);
  PutLittle(chunk, static_cast<std::uint32_t>(beats), 4);
  PutLittle(chunk, 4, 2);  // meter 4/4
  PutLittle(chunk, 4, 2);
  std::uint32_t tempoBits = 0;
  std::memcpy(&tempoBits, &tempo, sizeof tempoBits);
  PutLittle(chunk, tempoBits, 4);
  InsertChunk(wav, "data", chunk, false);
}

void AddBascChunk(const std::filesystem::path& aiff, int beats) {
  std::string chunk = "basc";
  PutBig(chunk, 84, 4);
  PutBig(chunk, 1, 4);  // version
  PutBig(chunk, static_cast<std::uint32_t>(beats), 4);
  PutBig(chunk, 60, 2);  // root note
  PutBig(chunk, 3, 2);   // scale: neither
  PutBig(chunk, 4, 2);   // 4/4
  PutBig(chunk, 4, 2);
  PutBig(chunk, 0, 2);  // a loop
  chunk += std::string(84 - 18, '\0');
  InsertChunk(aiff, "SSND", chunk, true);
}

void SetTempoTag(const std::filesystem::path& path, const std::string& bpm) {
  TagLib::FileRef file(path.c_str());
  if (file.isNull()) {
    throw std::runtime_error("TagLib cannot open " + path.string());
  }
  TagLib::PropertyMap properties = file.file()->properties();
  properties.replace("BPM", TagLib::StringList(TagLib::String(bpm, TagLib::String::UTF8)));
  file.file()->setProperties(properties);
  if (!file.save()) {
    throw std::runtime_error("TagLib cannot save " + path.string());
  }
}

std::string ReadBytes(const std::filesystem::path& path) {
  std::ifstream in(path, std::ios::binary);
  return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

void WriteBytes(const std::filesystem::path& path, const std::string& bytes) {
  std::ofstream(path, std::ios::binary | std::ios::trunc) << bytes;
}

}  // namespace fixtures
