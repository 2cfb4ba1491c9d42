#pragma once

#include "encoders/samplewriter.h"

namespace tonewright {

// Stored in the OutputFormat setting.
constexpr int kOutputWma = 7000;

// Windows Media Audio output, once the Windows Media codecs are found: the codec format
// nearest the request from the codec's list; the writer converts the rate itself.
extern const OutputWriterFactory kWmaWriter;

// The WMA codec format a conversion asks for, and the channels handed to the writer.
struct WmaRequest {
    int sampleRate = 0;
    int bitRate = 0;  // bits per second
    int channels = 0;
    int inputChannels = 0;  // 1 when one channel of a stereo source is picked
};

// With the automatic setting: the source's channels, and rate and bit rate by the source's
// rate from the table of usual WMA encodings. Otherwise the WMA settings, with one channel
// of a stereo source picked when fewer channels are asked for and a mono mode is set.
WmaRequest ChooseWmaRequest(const Settings& settings, int sourceRate, int sourceChannels);

}  // namespace tonewright
