// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// Loop files made for the tests: written with libsndfile at known frame counts, with the
// chunks and tags the reader looks for added afterwards, in a scratch folder.

#include <cstdint>
#include <filesystem>
#include <string>

namespace fixtures {

enum class Format { Wav, Aiff, Flac, OggVorbis, OggOpus, Mp3 };

// A fresh folder under the test's temporary directory, removed with the object.
class Folder {
 public:
  Folder();
  ~Folder();
  Folder(const Folder&) = delete;
  Folder& operator=(const Folder&) = delete;

  const std::filesystem::path& path() const { return path_; }
  std::filesystem::path operator/(const std::string& name) const { return path_ / name; }

 private:
  std::filesystem::path path_;
};

// Writes `frames` frames of a quiet tone, mono, at `rate`.
void WriteAudio(const std::filesystem::path& path, Format format, std::int64_t frames,
                int rate = 44100);

// Adds a WAV "acid" chunk (before the data) with a beat count and a tempo.
void AddAcidChunk(const std::filesystem::path& wav, int beats, float tempo);
// Adds an AIFF "basc" chunk (before the sound data) with a beat count.
void AddBascChunk(const std::filesystem::path& aiff, int beats);
// Sets the file's tempo tag through TagLib (ID3 TBPM, Vorbis BPM, ...).
void SetTempoTag(const std::filesystem::path& path, const std::string& bpm);

std::string ReadBytes(const std::filesystem::path& path);
void WriteBytes(const std::filesystem::path& path, const std::string& bytes);

}  // namespace fixtures
