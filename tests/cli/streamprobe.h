#pragma once

#include <map>
#include <string>

namespace testutil {

// What the ffprobe program tells about a file: the first audio stream's entries
// (codec_name, sample_rate, channels, channel_layout, sample_fmt, bits_per_raw_sample,
// duration, bit_rate), the container's (format_name, format.duration) and every tag of the
// container as "tag:NAME" (lower-case NAME).
std::map<std::string, std::string> ProbeFile(const std::string& path);

}  // namespace testutil

#include <cstdint>
#include <vector>

namespace testutil {

// The highest normalised correlation (1 = same waveform) between a stretch of `reference`
// and `decoded` shifted by -maxDelay..maxDelay samples: how close a lossy codec's output is
// to its input whatever delay the codec adds or start it drops.
double BestCorrelation(const std::vector<int16_t>& reference, const std::vector<int16_t>& decoded, size_t maxDelay);

}  // namespace testutil
