#include "sources/ffmpeg/mediafixtures.h"

#include <gtest/gtest.h>

namespace testutil {

const std::vector<MediaKind>& MediaKinds() {
    static const std::vector<MediaKind> kinds = {
        {"mp3", ".mp3", "-c:a libmp3lame -b:a 128k", false, true},
        {"mp3mono22k", ".mp3", "-ar 22050 -ac 1 -c:a libmp3lame -q:a 5 -metadata title=x", false, true},
        // FFmpeg's Ogg reader may end up to one short block before the last granule.
        {"vorbis", ".ogg", "-c:a libvorbis", false, false},
        {"flac", ".flac", "-c:a flac", false, true},
        {"flac24", ".flac", "-c:a flac -sample_fmt s32", false, true},
        {"wavpack", ".wv", "-c:a wavpack", false, true},
        {"tta", ".tta", "-c:a tta", false, true},
        {"speex", ".spx", "-ar 16000 -ac 1 -c:a libspeex", false, true},
        {"wma", ".wma", "-c:a wmav2 -b:a 128k", false, false},
        {"aac", ".aac", "-c:a aac -b:a 128k", false, false},
        {"m4a", ".m4a", "-c:a aac -b:a 128k", false, false},
        {"alac", ".m4a", "-c:a alac", false, true},
        {"opus", ".opus", "-c:a libopus -b:a 96k", false, true},
        {"adx", ".adx", "-c:a adpcm_adx", false, false},
        {"mp4video", ".mp4", "-c:a aac -b:a 128k", true, false},
        {"mkvvideo", ".mkv", "-c:a aac -b:a 128k", true, false},
    };
    return kinds;
}

const MediaKind& MediaKindNamed(const std::string& name) {
    for (const MediaKind& kind : MediaKinds())
        if (name == kind.name) return kind;
    ADD_FAILURE() << "no media kind " << name;
    return MediaKinds().front();
}

std::string MakeMedia(const TempDir& dir, const MediaKind& kind, double seconds) {
    const std::string tone = dir.file("tone.wav");
    if (!Exists(tone)) MakeToneWithSox(tone, 44100, 2, seconds, "-b 16");
    const std::string path = dir.file(std::string(kind.name) + kind.extension);
    std::string command = "ffmpeg -v error -y ";
    if (kind.withVideo) command += "-f lavfi -i testsrc=size=160x120:rate=25 ";
    command += "-i " + Quote(tone) + " ";
    if (kind.withVideo) command += "-shortest -c:v mpeg4 ";
    Shell(command + kind.ffmpegArgs + " " + Quote(path));
    return path;
}

std::string MediaKindName(const MediaKind& kind) { return kind.name; }

}  // namespace testutil
