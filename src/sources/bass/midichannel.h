#pragma once

#include <memory>
#include <string>
#include <vector>

#include "sources/bass/channel.h"

namespace tonewright {

// A MIDI file rendered by FluidSynth in 16-bit stereo at a chosen rate, ending at the time
// of the song's last event. The synthesizer and its SoundFonts are set up when rendering
// begins, so reading the properties of a file costs only the parse.
class MidiChannel : public Channel {
public:
    MidiChannel(const std::string& path, std::vector<uint8_t> smf, int rate, uint64_t frames);
    ~MidiChannel() override;

    // The stream's own SoundFonts, highest priority first; used instead of the default ones
    // when rendering begins.
    void SetFonts(std::vector<std::string> paths);

protected:
    int Decode(void* buffer, int maxFrames) override;

private:
    struct Synth;
    bool StartRendering();

    std::vector<uint8_t> smf_;
    std::vector<std::string> fonts_;
    bool hasOwnFonts_ = false;
    std::unique_ptr<Synth> synth_;
};

// A MIDI channel for a Standard MIDI File or RIFF RMID file; null when the file is not one,
// is malformed, or its song is empty.
std::unique_ptr<MidiChannel> OpenMidiChannel(const std::string& path, int rate);

}  // namespace tonewright
