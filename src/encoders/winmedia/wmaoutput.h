#pragma once

#include "encoders/samplewriter.h"

namespace tonewright {

// Stored in the OutputFormat setting.
constexpr int kOutputWma = 7000;

// Windows Media Audio output, once the Windows Media codecs are found: the codec format
// nearest the request from the codec's list, fed at the codec format's channels; the
// writer converts the rate itself.
extern const OutputWriterFactory kWmaWriter;

// The WMA codec format a conversion asks for.
struct WmaRequest {
    int sampleRate = 0;
    int bitRate = 0;  // bits per second
    int channels = 0;
};

// With the automatic setting: the source's channels, and rate and bit rate by the source's
// rate from the table of usual WMA encodings. Otherwise the WMA settings.
WmaRequest ChooseWmaRequest(const Settings& settings, int sourceRate, int sourceChannels);

}  // namespace tonewright
