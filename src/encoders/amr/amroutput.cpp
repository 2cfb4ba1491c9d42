#include "encoders/amr/amroutput.h"

#include "encoders/amr/amrencoder.h"
#include "settings/settings.h"

namespace tonewright {

namespace {

constexpr int kNarrowbandRate = 8000;
constexpr int kWidebandRate = 16000;

struct AmrChoice {
    bool narrowband = false;
    int mode = 0;
    int dtx = 0;
};

class AmrOutput : public SampleWriter {
public:
    explicit AmrOutput(const AmrChoice& choice) : choice_(choice) {}

    bool Start(const std::string& path) override {
        encoder_.SetNarrowband(path, choice_.narrowband);
        if (choice_.narrowband) encoder_.SetNarrowbandMode(choice_.mode);
        else encoder_.SetWidebandMode(choice_.mode);
        encoder_.SetDtx(choice_.dtx);
        return encoder_.Open(path) != 0;
    }
    bool Write(const SampleBlock& block) override { return encoder_.WriteSamples16(block.Left16(), block.count) != 0; }
    bool Finish(bool complete) override { return encoder_.Close() != 0 && complete; }
    std::string ErrorText() const override { return encoder_.ErrorText(); }

private:
    AmrChoice choice_;
    AmrEncoder encoder_;
};

AmrChoice AmrFormatChoice(const Settings& s) {
    const bool narrowband = s.AMRType == 0;
    return {narrowband, narrowband ? s.AMRMode : s.AMRWBMode, s.AMRDTX};
}

AmrChoice AwbFormatChoice(const Settings& s) { return {false, s.AWBMode, s.AWBDTX}; }

template <AmrChoice (*Choose)(const Settings&)>
int RenderRate(const Settings& s) {
    return Choose(s).narrowband ? kNarrowbandRate : kWidebandRate;
}

template <AmrChoice (*Choose)(const Settings&)>
OutputPlan Plan(const PlanRequest& request) {
    const Settings& s = request.settings;
    const AmrChoice choice = Choose(s);
    const PcmFormat samples{choice.narrowband ? kNarrowbandRate : kWidebandRate, 1, 16};
    return {std::make_unique<AmrOutput>(choice), samples};
}

}  // namespace

const OutputWriterFactory kAmrWriter{RenderRate<AmrFormatChoice>, Plan<AmrFormatChoice>};
const OutputWriterFactory kAwbWriter{RenderRate<AwbFormatChoice>, Plan<AwbFormatChoice>};

}  // namespace tonewright
