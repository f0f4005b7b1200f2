// SPDX-License-Identifier: GPL-3.0-or-later
#include "loops/loop_reading.h"

#include <fcntl.h>
#include <sndfile.h>
#include <sys/stat.h>
#include <taglib/fileref.h>
#include <taglib/tbytevectorstream.h>
#include <taglib/tpropertymap.h>
#include <unistd.h>

#include <algorithm>
#include <array>
#include <cerrno>
#include <cstring>
#include <memory>

#include "core/tempo_form.h"
#include "loops/mpeg_gapless.h"
#include "loops/utf8.h"

namespace loops {
namespace {

// Beyond this a frame count is no length a file can hold (and no longer converts to a
// double exactly).
constexpr std::int64_t kMostFrames = std::int64_t{1} << 53;

// Where the bytes come from: a file open for reading, or memory.
class Source {
 public:
  virtual ~Source() = default;
  virtual std::int64_t Size() const = 0;
  // Up to `count` bytes from `offset`; fewer at the end; -1 on an error.
  virtual std::int64_t ReadAt(void* buffer, std::int64_t count, std::int64_t offset) const = 0;

  std::string Head(std::int64_t offset, std::size_t count) const {
    std::string bytes(count, '\0');
    const std::int64_t got = ReadAt(bytes.data(), static_cast<std::int64_t>(count), offset);
    bytes.resize(got > 0 ? static_cast<std::size_t>(got) : 0);
    return bytes;
  }
};

class FileSource : public Source {
 public:
  FileSource(int fd, std::int64_t size) : fd_(fd), size_(size) {}
  std::int64_t Size() const override { return size_; }
  std::int64_t ReadAt(void* buffer, std::int64_t count, std::int64_t offset) const override {
    std::int64_t done = 0;
    while (done < count) {
      const ssize_t got = pread(fd_, static_cast<char*>(buffer) + done,
                                static_cast<std::size_t>(count - done), offset + done);
      if (got < 0 && errno == EINTR) {
        continue;
      }
      if (got < 0) {
        return -1;
      }
      if (got == 0) {
        break;
      }
      done += got;
    }
    return done;
  }

 private:
  int fd_;
  std::int64_t size_;
};

class MemorySource : public Source {
 public:
  explicit MemorySource(std::string_view bytes) : bytes_(bytes) {}
  std::int64_t Size() const override { return static_cast<std::int64_t>(bytes_.size()); }
  std::int64_t ReadAt(void* buffer, std::int64_t count, std::int64_t offset) const override {
    if (offset < 0 || offset >= Size()) {
      return 0;
    }
    const auto n = static_cast<std::size_t>(std::min(count, Size() - offset));
    std::memcpy(buffer, bytes_.data() + offset, n);
    return static_cast<std::int64_t>(n);
  }

 private:
  std::string_view bytes_;
};

// libsndfile reads the source through these, so that a file and memory take one path.
struct VirtualFile {
  const Source* source;
  sf_count_t position = 0;
};

sf_count_t VioLength(void* data) {
  return static_cast<VirtualFile*>(data)->source->Size();
}
sf_count_t VioSeek(sf_count_t offset, int whence, void* data) {
  auto* file = static_cast<VirtualFile*>(data);
  sf_count_t base = 0;
  if (whence == SEEK_CUR) {
    base = file->position;
  } else if (whence == SEEK_END) {
    base = file->source->Size();
  }
  // A seek before the start stays at the start; libsndfile checks what it gets back.
  file->position = std::max<sf_count_t>(0, base + offset);
  return file->position;
}
sf_count_t VioRead(void* buffer, sf_count_t count, void* data) {
  auto* file = static_cast<VirtualFile*>(data);
  const std::int64_t got = file->source->ReadAt(buffer, count, file->position);
  if (got <= 0) {
    return 0;
  }
  file->position += got;
  return got;
}
sf_count_t VioWrite(const void*, sf_count_t, void*) {
  return 0;
}
sf_count_t VioTell(void* data) {
  return static_cast<VirtualFile*>(data)->position;
}

struct SndfileCloser {
  void operator()(SNDFILE* file) const { sf_close(file); }
};

enum class Kind { Riff, Aiff, Flac, Ogg, Mpeg, Unknown };

// Only the formats of loop files go to libsndfile, by their first bytes: what else it
// reads (a score of old formats) is no loop file, and need not be parsed at all.
Kind KindOf(std::string_view head) {
  const auto starts = [&](std::string_view magic, std::size_t at = 0) {
    return head.size() >= at + magic.size() && head.substr(at, magic.size()) == magic;
  };
  if ((starts("RIFF") || starts("RIFX") || starts("RF64") || starts("BW64")) && starts("WAVE", 8)) {
    return Kind::Riff;
  }
  if (starts("FORM") && (starts("AIFF", 8) || starts("AIFC", 8))) {
    return Kind::Aiff;
  }
  if (starts("fLaC")) {
    return Kind::Flac;
  }
  if (starts("OggS")) {
    return Kind::Ogg;
  }
  if (starts("ID3") || (head.size() >= 2 && static_cast<unsigned char>(head[0]) == 0xFF &&
                        (static_cast<unsigned char>(head[1]) & 0xE0) == 0xE0)) {
    return Kind::Mpeg;
  }
  return Kind::Unknown;
}

// The tempo tag through TagLib's common names: ID3v2 TBPM, the Vorbis comment BPM, MP4
// tmpo all read as the property "BPM".
std::optional<double> TempoTag(const TagLib::FileRef& file) {
  if (file.isNull() || file.file() == nullptr) {
    return std::nullopt;
  }
  const TagLib::PropertyMap properties = file.file()->properties();
  const auto it = properties.find("BPM");
  if (it == properties.end() || it->second.isEmpty()) {
    return std::nullopt;
  }
  return TempoInTag(it->second.front().to8Bit(true));
}

template <typename ReadTags>
LoopResult Read(const Source& source, std::string_view name, const LoopOptions& options,
                ReadTags readTags) {
  if (source.Size() == 0) {
    return {std::nullopt, "The file is empty."};
  }
  const std::string head = source.Head(0, 12);
  if (head.empty()) {
    return {std::nullopt, "The file cannot be read."};
  }
  const Kind kind = KindOf(head);
  if (kind == Kind::Unknown) {
    return {std::nullopt, "It is not a WAV, AIFF, FLAC, Ogg or MP3 file."};
  }

  VirtualFile virtualFile{&source};
  SF_VIRTUAL_IO io{VioLength, VioSeek, VioRead, VioWrite, VioTell};
  SF_INFO info{};
  const std::unique_ptr<SNDFILE, SndfileCloser> audio(
      sf_open_virtual(&io, SFM_READ, &info, &virtualFile));
  if (!audio) {
    return {std::nullopt, std::string("The audio cannot be read: ") + sf_strerror(nullptr)};
  }
  if (info.samplerate <= 0) {
    return {std::nullopt, "The file gives no sample rate."};
  }
  if (info.frames <= 0) {
    return {std::nullopt, "The file holds no audio."};
  }
  if (info.frames >= kMostFrames) {
    return {std::nullopt, "The header claims " + std::to_string(info.frames) +
                              " frames, more than any file holds."};
  }

  LoopReading reading;
  reading.frames = info.frames;
  reading.sampleRate = info.samplerate;
  // Both are exact doubles, so one division rounds the quotient correctly.
  reading.seconds = static_cast<double>(info.frames) / static_cast<double>(info.samplerate);
  if ((info.format & SF_FORMAT_TYPEMASK) == SF_FORMAT_MPEG) {
    const std::size_t tag = Id3v2Size(source.Head(0, 10));
    reading.exact = HasGaplessInfo(source.Head(static_cast<std::int64_t>(tag), kMpegHeadBytes));
  }
  reading.candidates = CandidatesFor(reading.seconds);

  SF_LOOP_INFO loop{};
  const bool hasLoopInfo =
      sf_command(audio.get(), SFC_GET_LOOP_INFO, &loop, sizeof loop) == SF_TRUE;
  std::optional<double> tempo;
  if (options.beats) {
    reading.beats = *options.beats;
    reading.beatsFrom = BeatsSource::Option;
  } else if (hasLoopInfo && loop.num_beats > 0) {
    reading.beats = loop.num_beats;
    reading.beatsFrom = BeatsSource::LoopInfo;
  } else if (hasLoopInfo && (tempo = UsableTempo(static_cast<double>(loop.bpm)))) {
    reading.beats = BeatsAtTempo(reading.seconds, *tempo);
    reading.beatsFrom = BeatsSource::LoopInfo;
  } else if ((tempo = readTags())) {
    reading.beats = BeatsAtTempo(reading.seconds, *tempo);
    reading.beatsFrom = BeatsSource::Tag;
  } else if ((tempo = TempoInName(name))) {
    reading.beats = BeatsAtTempo(reading.seconds, *tempo);
    reading.beatsFrom = BeatsSource::Name;
  } else {
    reading.beats = GuessBeats(reading.candidates, options.range);
    reading.beatsFrom = BeatsSource::Guess;
  }
  reading.tempo = core::ConvertBeats(reading.seconds, reading.beats);
  return {reading, {}};
}

std::string ErrnoSentence(const char* what, int error) {
  return std::string(what) + ": " + std::strerror(error) + ".";
}

}  // namespace

LoopResult ReadLoopFile(const std::string& path, const LoopOptions& options) {
  const int fd = open(path.c_str(), O_RDONLY | O_CLOEXEC | O_NOCTTY | O_NONBLOCK);
  if (fd < 0) {
    return {std::nullopt, ErrnoSentence("It cannot be opened", errno)};
  }
  struct FdCloser {
    int fd;
    ~FdCloser() { close(fd); }
  } closer{fd};
  struct stat status {};
  if (fstat(fd, &status) != 0) {
    return {std::nullopt, ErrnoSentence("It cannot be read", errno)};
  }
  if (S_ISDIR(status.st_mode)) {
    return {std::nullopt, "It is a folder, not a file."};
  }
  if (!S_ISREG(status.st_mode)) {
    return {std::nullopt, "It is not a regular file."};
  }
  const FileSource source(fd, status.st_size);
  return Read(source, path, options, [&path]() -> std::optional<double> {
    const TagLib::FileRef file(path.c_str(), false);
    return TempoTag(file);
  });
}

LoopResult ReadLoopBytes(std::string_view bytes, std::string_view name,
                         const LoopOptions& options) {
  const MemorySource source(bytes);
  return Read(source, name, options, [bytes]() -> std::optional<double> {
    TagLib::ByteVectorStream stream(
        TagLib::ByteVector(bytes.data(), static_cast<unsigned int>(bytes.size())));
    const TagLib::FileRef file(&stream, false);
    return TempoTag(file);
  });
}

std::string DisplayName(std::string_view path) {
  if (const auto slash = path.rfind('/'); slash != std::string_view::npos) {
    path.remove_prefix(slash + 1);
  }
  std::string name;
  for (std::size_t i = 0; i < path.size();) {
    const std::size_t length = Utf8SequenceLength(path, i);
    if (length == 0) {
      name += "\xEF\xBF\xBD";  // U+FFFD
      ++i;
    } else {
      name.append(path.substr(i, length));
      i += length;
    }
  }
  return name;
}

bool HasAudioExtension(std::string_view name) {
  const auto dot = name.rfind('.');
  if (dot == std::string_view::npos || name.find('/', dot) != std::string_view::npos) {
    return false;
  }
  std::string extension(name.substr(dot + 1));
  std::transform(extension.begin(), extension.end(), extension.begin(),
                 [](unsigned char c) { return static_cast<char>(c | 0x20); });
  static constexpr std::array<std::string_view, 10> kExtensions = {
      "wav", "wave", "bwf", "rf64", "aif", "aiff", "aifc", "flac", "ogg", "oga"};
  static constexpr std::array<std::string_view, 2> kMore = {"opus", "mp3"};
  return std::find(kExtensions.begin(), kExtensions.end(), extension) != kExtensions.end() ||
         std::find(kMore.begin(), kMore.end(), extension) != kMore.end();
}

}  // namespace loops
