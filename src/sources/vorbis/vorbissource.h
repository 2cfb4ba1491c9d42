#pragma once

#include <vorbis/vorbisfile.h>

#include <string>
#include <vector>

#include "sources/audiosource.h"
#include "sources/channelorder.h"

namespace tonewright {

// Ogg Vorbis files through libvorbisfile, delivered as 16-bit samples. Of a stream with
// more than two channels the front left and front right channels are delivered (Vorbis
// puts the centre channel between them in its three- and five-to-eight-channel orders).
// A chained file is read while its links keep the first link's rate and channel count and
// their headers pass FFmpeg's check (sources/vorbis/vorbislinks.h); its comments and stream
// information are those of the first link. Frames deliver the decoded floats of up to 8
// channels as they are, taken from the Vorbis channel order to the road's; the stream counts
// as 16 bits wide, Vorbis being lossy. length and position count bytes of the Ogg stream.
class VorbisSource : public AudioSource {
public:
    VorbisSource() = default;
    ~VorbisSource() override;

    void Close() override;
    // renderRate is not used.
    int Open(const std::string& path, int renderRate) override;
    int ReadBlock(void* left, void* right) override;
    FrameFormat GetFrameFormat() const override;
    int ReadFrames(float* frames) override;
    // The comments TITLE, ARTIST, ALBUM, DATE, GENRE, COMMENT (DESCRIPTION when there is no
    // COMMENT), TRACKNUMBER, COMPOSER and COPYRIGHT (keys in any letter case; of repeated keys
    // the last one). Always 1.
    int GetTags(TagInfo& tags) override;

private:
    void ReadComments();
    std::string LastValue(const char* key) const;
    int ReadSamples(char* buffer, int bytes);
    void UpdatePosition();

    OggVorbis_File file_{};
    bool opened_ = false;
    int rightChannel_ = 1;          // index within a frame of the channel delivered as right
    ChannelOrder frameOrder_;       // channels 0 when frames come from the blocks
    std::vector<std::string> comments_;  // KEY=value, valid UTF-8
    std::vector<char> interleaved_;      // one read of two or more channels
};

}  // namespace tonewright
