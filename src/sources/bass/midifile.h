#pragma once

#include <cstdint>
#include <string>
#include <vector>

namespace tonewright {

// A MIDI song as the MIDI channel renders it: the Standard MIDI File bytes (taken out of a
// RIFF RMID wrapper when there is one) and the song's length from its tempo map.
struct MidiSong {
    std::vector<uint8_t> smf;
    double seconds = 0.0;  // time of the last event of the longest track
};

// Reads and checks a Standard MIDI File (".mid", ".midi", ".kar") or RIFF RMID file (".rmi").
// False when the file is not one, or is cut short or malformed anywhere in its tracks.
bool ReadMidiSong(const std::string& path, MidiSong& song);

}  // namespace tonewright
