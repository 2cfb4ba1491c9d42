#pragma once

#include <cstdint>
#include <memory>
#include <string>

namespace tonewright {

// The kinds of MP4 file: plain MP4 (brand isom), iTunes audio (brand M4A) and iTunes
// audiobook (brand M4B).
enum class Mp4Brand { Mp4, M4a, M4b };

// The iTunes-style text items an MP4 file carries.
enum class Mp4TextItem { Name, Artist, Album, Year, Genre, Comment, Writer };

// An MP4 file with one audio track, written through libavformat's MP4 muxer: create, time
// scale, track, elementary-stream configuration, samples, metadata, close. The header is
// written with the first sample, so metadata set before it reaches the file.
class Mp4File {
public:
    static constexpr uint8_t kMpeg4AudioType = 0x40;

    // Null when the file cannot be created; `error` says why.
    static std::unique_ptr<Mp4File> Create(const std::string& path, Mp4Brand brand, std::string& error);
    ~Mp4File();
    Mp4File(const Mp4File&) = delete;
    Mp4File& operator=(const Mp4File&) = delete;

    bool SetTimeScale(uint32_t movieTimeScale);
    // The track id (1), or 0 when the type is not MPEG-4 audio or a track exists.
    // `sampleDuration` is not used: every sample carries its own duration.
    uint32_t AddAudioTrack(uint32_t timeScale, uint64_t sampleDuration, uint8_t audioType);
    bool SetAudioProfileLevel(uint8_t level);
    // The AudioSpecificConfig; it also tells the muxer the channel count.
    bool SetTrackESConfiguration(uint32_t track, const uint8_t* config, uint32_t length);
    // The first sample's rendering offset is the encoder delay: the track's edit list makes
    // players start that many time-scale units into the media.
    bool WriteSample(uint32_t track, const uint8_t* bytes, uint32_t length, uint64_t duration,
                     uint64_t renderingOffset, bool sync);
    bool SetMetadataText(Mp4TextItem item, const std::string& text);
    bool SetMetadataTrack(uint16_t number, uint16_t total);
    // Writes the index and closes; false when anything failed to reach the file.
    bool Close();
    const std::string& ErrorText() const { return error_; }

private:
    struct State;
    explicit Mp4File(std::unique_ptr<State> state);
    bool WriteHeader();
    bool Fail(int code);

    std::unique_ptr<State> state_;
    std::string error_;
};

}  // namespace tonewright
