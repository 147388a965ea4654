// Ogg Vorbis encoding of a float stereo buffer with libvorbisenc.
#pragma once
#include <cstdint>
#include <string>
#include <vector>

#include "tools/assetgen/synth.h"

namespace assetgen {

constexpr long kVorbisNominalBitrate = 160000;  // bits per second

// Encodes `sound` (44.1 kHz, two channels) at the nominal bitrate. The stream
// decodes to exactly sound.frames() frames and the bytes are the same on every
// run: the Ogg serial number is fixed. False with a reason on failure.
bool encodeVorbis(const synth::StereoBuffer& sound, std::vector<uint8_t>& out, std::string& error);

}  // namespace assetgen
