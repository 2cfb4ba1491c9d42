#include "sources/bass/midichannel.h"

#include <fluidsynth.h>

#include <algorithm>
#include <cmath>
#include <cstring>
#include <mutex>

#include "sources/bass/fontregistry.h"
#include "sources/bass/midifile.h"
#include "sources/bass/renderlimits.h"

namespace tonewright {

namespace {

// Frames the synthesizer renders at a time, so a large request needs no large buffer.
constexpr int kRenderFrames = 4096;

// FluidSynth reports to stderr by default; the layer reports failures by its results only.
void SilenceFluidSynth() {
    static std::once_flag once;
    std::call_once(once, [] {
        for (int level = FLUID_PANIC; level <= FLUID_DBG; ++level) fluid_set_log_function(level, nullptr, nullptr);
    });
}

struct SettingsDeleter {
    void operator()(fluid_settings_t* settings) const { delete_fluid_settings(settings); }
};
struct SynthDeleter {
    void operator()(fluid_synth_t* synth) const { delete_fluid_synth(synth); }
};
struct PlayerDeleter {
    void operator()(fluid_player_t* player) const { delete_fluid_player(player); }
};

}  // namespace

// Declared in this order so the player goes before the synthesizer, and that before its
// settings.
struct MidiChannel::Synth {
    std::unique_ptr<fluid_settings_t, SettingsDeleter> settings;
    std::unique_ptr<fluid_synth_t, SynthDeleter> synth;
    std::unique_ptr<fluid_player_t, PlayerDeleter> player;
    std::vector<float> rendered;  // one read's interleaved float samples
    bool silent = false;          // no SoundFont loaded: nothing can sound
};

MidiChannel::MidiChannel(const std::string& path, std::vector<uint8_t> smf, int rate, uint64_t frames)
    : Channel(Kind::Midi, path), smf_(std::move(smf)) {
    layout_ = {rate, 2, 16};
    lengthFrames_ = frames;
    endsAtLength_ = true;
}

MidiChannel::~MidiChannel() = default;

void MidiChannel::SetFonts(std::vector<std::string> paths) {
    fonts_ = std::move(paths);
    hasOwnFonts_ = true;
}

bool MidiChannel::StartRendering() {
    SilenceFluidSynth();
    auto synth = std::make_unique<Synth>();
    synth->settings.reset(new_fluid_settings());
    if (!synth->settings) return false;
    fluid_settings_t* settings = synth->settings.get();
    fluid_settings_setnum(settings, "synth.sample-rate", layout_.rate);
    // The layer serialises the calls on a channel, so the synthesizer needs no lock of its own.
    fluid_settings_setint(settings, "synth.threadsafe-api", 0);
    synth->synth.reset(new_fluid_synth(settings));
    if (!synth->synth) return false;

    // FluidSynth searches the font loaded last first; the first font given has priority.
    const std::vector<std::string> fonts = hasOwnFonts_ ? fonts_ : DefaultSoundFonts();
    int loaded = 0;
    for (auto font = fonts.rbegin(); font != fonts.rend(); ++font)
        if (fluid_synth_sfload(synth->synth.get(), font->c_str(), 1) != FLUID_FAILED) ++loaded;
    // Without a font no note sounds, and a synthesizer that never loaded one renders its
    // reverb from memory it has not cleared: the song is silence.
    if (loaded == 0) {
        synth->silent = true;
        synth_ = std::move(synth);
        return true;
    }

    // The player runs on the synthesizer's sample clock: each rendered block advances the
    // song by exactly its length.
    fluid_settings_setstr(settings, "player.timing-source", "sample");
    synth->player.reset(new_fluid_player(synth->synth.get()));
    if (!synth->player || fluid_player_add_mem(synth->player.get(), smf_.data(), smf_.size()) != FLUID_OK ||
        fluid_player_play(synth->player.get()) != FLUID_OK)
        return false;
    synth_ = std::move(synth);
    return true;
}

// The synthesizer renders floats, rounded here to 16 bits without the dither noise that
// its own 16-bit output adds. A synthesizer that fails ends the song: nothing was read
// from a file here.
int MidiChannel::Decode(void* buffer, int maxFrames) {
    if (!synth_ && !StartRendering()) return 0;
    if (synth_->silent) {
        std::memset(buffer, 0, static_cast<size_t>(maxFrames) * layout_.FrameBytes());
        return maxFrames;
    }
    maxFrames = std::min(maxFrames, kRenderFrames);
    std::vector<float>& rendered = synth_->rendered;
    rendered.resize(static_cast<size_t>(maxFrames) * 2);
    if (fluid_synth_write_float(synth_->synth.get(), maxFrames, rendered.data(), 0, 2, rendered.data(), 1, 2) !=
        FLUID_OK)
        return 0;
    auto* out = static_cast<int16_t*>(buffer);
    for (size_t i = 0; i < rendered.size(); ++i)
        out[i] = static_cast<int16_t>(std::lrint(std::clamp(rendered[i] * 32768.0f, -32768.0f, 32767.0f)));
    return maxFrames;
}

std::unique_ptr<MidiChannel> OpenMidiChannel(const std::string& path, int rate) {
    MidiSong song;
    uint64_t frames = 0;
    if (!IsRenderRate(rate) || !ReadMidiSong(path, song) || !RenderFrames(song.seconds, rate, frames)) return nullptr;
    return std::make_unique<MidiChannel>(path, std::move(song.smf), rate, frames);
}

}  // namespace tonewright
