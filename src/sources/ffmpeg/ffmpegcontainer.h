#pragma once

#include <cstdint>
#include <memory>
#include <string>

extern "C" {
#include <libavformat/avformat.h>

#include "base/ffmpegfree.h"
}

namespace tonewright {

// Closes a container that OpenContainer opened, and the byte stream it read the file through.
struct ContainerClose {
    void operator()(AVFormatContext* container) const;
};
using FormatContextPtr = std::unique_ptr<AVFormatContext, ContainerClose>;

// FFmpeg reports every oddity of a damaged file on standard error; the program reports
// failures itself. Called before FFmpeg reads anything.
void SilenceLibraryLog();

// Opens a local file with any container FFmpeg knows and reads its stream information;
// null when either fails. Only the file protocol is allowed, also for files that a
// playlist-like container names, so no input makes FFmpeg open a network address. The file
// is read through a ContainerInput, so FFmpeg's metadata lacks the tags TagLib reads.
FormatContextPtr OpenContainer(const std::string& path);

// Whether the container's reading kept tag blocks from FFmpeg (its metadata lacks them).
bool ContainerHidesTags(const AVFormatContext& container);

// The index of the first stream of the type, -1 when there is none.
int FirstStreamOf(const AVFormatContext& container, AVMediaType type);

// Sample frames that decoding an audio stream gives, as exactly as the container tells:
// for an MP3 file from its Info frame, else from the stated duration less the encoder
// delay the decoder drops; 0 when the container does not tell. `path` is the file's.
int64_t StreamFrames(const AVFormatContext& container, int streamIndex, const std::string& path);

// Whole seconds of `frames` frames at `rate`; the container's duration when the frame
// count is unknown (0); 0 when neither is known.
int DurationSeconds(const AVFormatContext& container, int64_t frames, int rate);

// Bits per second of the stored stream; the container's rate when the stream states none
// and is the container's only stream; 0 when unknown.
int64_t StreamBitrate(const AVFormatContext& container, int streamIndex);

// Bits per second of a stream measured over its first packets (at most a few seconds'
// worth), for containers that state no rate for it; 0 when nothing could be read. Reads
// from the container: for a container that is not read from afterwards.
int64_t MeasureStreamBitrate(AVFormatContext& container, int streamIndex);

}  // namespace tonewright
