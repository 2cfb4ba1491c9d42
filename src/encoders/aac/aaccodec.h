#pragma once

#include <cstdint>
#include <memory>
#include <string>
#include <vector>

namespace tonewright {

// The encoder settings a caller may change between opening the codec and configuring it
// (the field names and meanings of libfaac's configuration record).
struct AacConfiguration {
    int mpegVersion = 0;     // 0 MPEG-4, 1 MPEG-2: the ID bit of the ADTS header
    int aacObjectType = 2;   // 2 low complexity, the only profile offered
    int allowMidside = 1;    // 0 forbids joint (mid/side and intensity) stereo coding
    int useTns = 0;          // temporal noise shaping
    unsigned long bitRate = 0;   // bits per second per channel; 0 = variable bit rate by quantqual
    unsigned int bandWidth = 0;  // Hz; 0 = the encoder's own cut-off
    unsigned long quantqual = 100;  // quality of the variable bit rate mode (10..500)
    int outputFormat = 0;    // 0 raw frames, 1 ADTS frames
    int inputFormat = 1;     // 1 = 16-bit native-endian samples, the only one taken
    int shortctl = 0;        // block switching: 0 normal, 1 no short blocks, 2 no long blocks
};

// An AAC-LC encoder with libfaac's six operations, built on FFmpeg's native AAC encoder.
//
// Quality: quantqual q drives the encoder's constant-quality mode with the quality q / 95
// (FFmpeg's -q:a scale, where 1 is its default), so the default 100 gives about 128 kbit/s
// for 44100 Hz stereo music; higher is better. Block switching: the native encoder picks
// long and short windows by its own psychoacoustic model and has no switch for it, so
// shortctl 1 and 2 are accepted but the choice stays the encoder's.
class AacCodec {
public:
    // faacEncOpen: null when the rate is not an AAC sampling frequency or the channel count
    // is not 1..6 (mono, stereo, 3.0, 4.0, 5.0, 5.1: channel configurations 1..6, their
    // channels in FFmpeg's order, see AacSpeakerOrder). Reports the samples (over all
    // channels) one Encode call takes and the largest frame it may return.
    static std::unique_ptr<AacCodec> Open(int sampleRate, int channels, unsigned& inputSamples,
                                          unsigned& maxOutputBytes);
    // Why Open refuses a rate and channel count, for the row's status.
    static std::string RefusalText(int sampleRate, int channels);
    // The AAC sampling frequency a source at `sourceRate` Hz is encoded at: its own when AAC
    // carries it, else the lowest one above it, so none of the source's band is lost. Above
    // the highest, the one of the source's family: 88200 Hz for multiples of 11025 Hz (176400,
    // 352800), else 96000 Hz (192000, 384000), a whole fraction of the usual hi-res rates.
    static int EncodingRate(int sourceRate);
    ~AacCodec();
    AacCodec(const AacCodec&) = delete;
    AacCodec& operator=(const AacCodec&) = delete;

    // faacEncGetCurrentConfiguration: the record to edit before SetConfiguration.
    AacConfiguration* CurrentConfiguration() { return &config_; }
    // faacEncSetConfiguration: 1 when the encoder accepts the configuration and is ready.
    int SetConfiguration(const AacConfiguration& config);
    // faacEncEncode: takes `samples` interleaved samples at full scale +-1.0 (a full call's
    // worth; fewer, 0 included, mark the end of the input) and returns the bytes of the next frame put into
    // `out`, 0 while the encoder still fills its delay or has nothing left, -1 on failure.
    int Encode(const float* interleaved, unsigned samples, uint8_t* out, unsigned size);
    // faacEncGetDecoderSpecificInfo: the AudioSpecificConfig of the stream.
    std::vector<uint8_t> DecoderSpecificInfo() const;

private:
    struct State;
    explicit AacCodec(std::unique_ptr<State> state);
    int SendSamples(const float* interleaved, unsigned samples);
    int TakeFrame(uint8_t* out, unsigned size);

    AacConfiguration config_;
    std::unique_ptr<State> state_;
};

}  // namespace tonewright
