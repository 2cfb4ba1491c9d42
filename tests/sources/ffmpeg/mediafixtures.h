#pragma once

#include <string>
#include <vector>

#include "support/testutil.h"

namespace testutil {

// One kind of compressed file, made at test time by the ffmpeg program from a tone.
struct MediaKind {
    const char* name;
    const char* extension;  // with its dot
    const char* ffmpegArgs;  // codec options for the audio
    bool withVideo;          // the file also carries a small video stream
    bool exactLength;        // the container states the decoded length exactly
};

// The families FFmpeg decodes for the program: lossless, lossy and video containers.
const std::vector<MediaKind>& MediaKinds();

// The kind of that name.
const MediaKind& MediaKindNamed(const std::string& name);

// Makes the file of `kind` in `dir` from a 44.1 kHz stereo tone (one per folder) of the
// given length; returns its path.
std::string MakeMedia(const TempDir& dir, const MediaKind& kind, double seconds = 1.0);

// The name of a parameterised case.
std::string MediaKindName(const MediaKind& kind);

}  // namespace testutil
