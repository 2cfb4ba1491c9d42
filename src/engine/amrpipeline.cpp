#include <string>

#include "encoders/amr/amrencoder.h"
#include "engine/amplify.h"
#include "engine/encodeloop.h"
#include "engine/outputformat.h"
#include "engine/pipelines.h"
#include "settings/settings.h"

namespace tonewright {

namespace {

constexpr int kNarrowbandRate = 8000;
constexpr int kWidebandRate = 16000;

// AMR output is always mono 16-bit: narrowband at 8000 Hz for the AMR format with the
// narrowband type, wideband at 16000 Hz otherwise.
int ConvertToAmrFormat(const ConversionJob& job, int format) {
    const Settings& s = *job.settings;
    const bool narrowband = format == kOutputAmr && s.AMRType == 0;
    const int rate = narrowband ? kNarrowbandRate : kWidebandRate;
    auto source = OpenJobSource(job, 0, rate);
    if (!source) return 0;

    AmrEncoder encoder;
    encoder.SetNarrowband(job.targetPath, narrowband);
    if (format == kOutputAmr) {
        if (narrowband) encoder.SetNarrowbandMode(s.AMRMode);
        else encoder.SetWidebandMode(s.AMRWBMode);
        encoder.SetDtx(s.AMRDTX);
    } else {
        encoder.SetWidebandMode(s.AWBMode);
        encoder.SetDtx(s.AWBDTX);
    }
    int result = 0;
    std::string reason;
    if (encoder.Open(job.targetPath)) {
        const PcmFormat target{rate, 1, 16};
        const float gain = GainFromSettings(s.AmplifyAMR, s.AmplifyAMRCoef);
        auto write = [&](const int16_t* mono, const int16_t*, int count) {
            return encoder.WriteSamples16(mono, count);
        };
        result = EncodeSamples16(*source, target, s.MonoType, gain, job, write, reason);
    }
    source->Close();
    if (!encoder.Close()) result = 0;
    if (!result) DiscardFailedTarget(job, reason.empty() ? encoder.ErrorText() : reason);
    return result;
}

}  // namespace

int ConvertToAmr(const ConversionJob& job) { return ConvertToAmrFormat(job, kOutputAmr); }

int ConvertToAwb(const ConversionJob& job) { return ConvertToAmrFormat(job, kOutputAwb); }

}  // namespace tonewright
