// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// Whether an MP3 file says how long it is to the sample: an encoder's "Xing" or "Info"
// frame first, carrying the encoder delay and padding (the LAME extension). Without
// one, a decoder can only estimate the length. Pure; reads only the bytes given.

#include <cstddef>
#include <string_view>

namespace loops {

// How many bytes past an ID3v2 tag HasGaplessInfo looks at, at most.
inline constexpr std::size_t kMpegHeadBytes = 8192;

// `head` is the file's start past its ID3v2 tag, if any. The first layer III frame
// header found in it must be followed by the encoder's frame with its extension.
bool HasGaplessInfo(std::string_view head);

// The size of an ID3v2 tag at the start of `head` (header, body, footer), or 0.
std::size_t Id3v2Size(std::string_view head);

}  // namespace loops
