#include "engine/decoderstartup.h"

#include "base/pathutil.h"
#include "sources/bass/bass.h"

namespace tonewright {

namespace {

constexpr uint32_t kRequiredVersion = 0x0204;  // 2.4, in the high 16 bits of BASS_GetVersion
constexpr uint32_t kLayerRate = 44100;

const char* const kAddOns[] = {
    "basscd.dll",    "bassflac.dll", "basswma.dll", "basswv.dll",  "bass_aac.dll", "bass_adx.dll",
    "bass_alac.dll", "bass_ape.dll", "bass_mpc.dll", "bass_spx.dll", "bass_tta.dll",
};

}  // namespace

bool StartDecoderLayer(std::string& message) {
    message.clear();
    if (BASS_GetVersion() >> 16 != kRequiredVersion) return false;
    if (!BASS_Init(0, kLayerRate, 0)) {
        message = "Failed to initialize the software (0x0002020).";
        return false;
    }
    // A missing add-on only means that its formats are not decoded through the layer.
    const std::string folder = ExecutableFolder() + "addons/";
    for (const char* addOn : kAddOns) BASS_PluginLoad((folder + addOn).c_str(), 0);
    return true;
}

void StopDecoderLayer() {
    BASS_Free();
    BASS_PluginFree(0);
}

}  // namespace tonewright
